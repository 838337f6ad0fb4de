#pragma once

#include "PageAssemblyTestSupport.h"

#include <QProcess>

// A form page of the web form designer, saved as a form document ("contact.quarnel") in the test's home.
class FormPageTest : public ResponsiveDesignerTest {
protected:
    void SetUp() override
    {
        ResponsiveDesignerTest::SetUp();
        launchAs(QStringLiteral("Quarnel Pro"));
        location = pathInHome(QStringLiteral("documents/contact.quarnel"));
        document.setMainTemplateName(QStringLiteral("contact"));
        document.setPageFileType(QStringLiteral("quarnel"));
        document.setPageFileExtension(QStringLiteral("php"));
        document.setPageOfficialName(QStringLiteral("Contact"));
        document.setSiteFeedbackEmail(QStringLiteral("owner@example.com"));
        document.setFormSubmitButtonValue(QStringLiteral("Send"));
        document.setFormSentResponse(QStringLiteral("Thank you."));
        document.setFormRequiredResponse(QStringLiteral("Please fill in every field."));
        document.setFormEmailVerificationMsg(QStringLiteral("Please check the address."));
        document.setFormBotCheckerResponse(QStringLiteral("Wrong answer."));
    }

    // A form field or label as an opened form page makes it.
    std::shared_ptr<SKTText> field(const QString& formType, int tag, int option, const QString& text,
                                   const QRectF& bounds)
    {
        auto box = PageObjects::textBox(text, bounds);
        box->setFormType(formType);
        box->setFormTag(tag);
        box->setFormOptionTag(option);
        add(box);
        return box;
    }

    // The saved page file of the form document.
    QString savedPage()
    {
        EXPECT_TRUE(document.saveThisPage(location, 0));
        return pageTextIn(location, QStringLiteral("contact.php"));
    }

    static int occurrences(const QString& text, const QString& piece) { return int(text.count(piece)); }

    // What PHP's syntax check says of the page written to `path`; empty when it passes.
    static QString phpSyntaxErrors(const QString& page, const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write ") + path;
        file.write(page.toUtf8());
        file.close();
        QProcess php;
        php.start(QStringLiteral("php"), {QStringLiteral("-l"), path});
        if (!php.waitForFinished(30000))
            return QStringLiteral("php did not finish");
        const QString output = QString::fromUtf8(php.readAllStandardOutput() + php.readAllStandardError());
        return php.exitCode() == 0 && output.contains(QStringLiteral("No syntax errors")) ? QString()
                                                                                          : output;
    }
};

// A form of a name (required), a sender address that is the reply address, a message, three check boxes
// of one question and a submit button.
class AssembledFormTest : public FormPageTest {
protected:
    void SetUp() override
    {
        FormPageTest::SetUp();
        field(QStringLiteral("textLabel"), 3, -99, QStringLiteral("Name"), QRectF(20, 20, 100, 20));
        name = field(QStringLiteral("text"), 3, -99, QStringLiteral("Text Field Placeholder"),
                     QRectF(20, 45, 200, 25));
        name->setFormRequiredFlag(1);
        field(QStringLiteral("textLabel"), 5, -11, QStringLiteral("E-mail"), QRectF(20, 80, 100, 20));
        auto email = field(QStringLiteral("text"), 5, -11, QStringLiteral("name@example.com"),
                           QRectF(20, 105, 200, 25));
        email->setMarkAsReplyToEmailFlag(1);
        field(QStringLiteral("textLabel"), 6, -99, QStringLiteral("Message"), QRectF(20, 140, 100, 20));
        area = field(QStringLiteral("textarea"), 6, -99, QStringLiteral("Paragraph Placeholder"),
                     QRectF(20, 165, 250, 95));
        field(QStringLiteral("textLabel"), 4, -99, QStringLiteral("Fruit"), QRectF(20, 270, 100, 20));
        for (int i = 1; i <= 3; ++i) {
            const QString fruit = QStringList{"Apple", "Pear", "Plum"}.at(i - 1);
            field(QStringLiteral("checkbox"), 4, i, fruit, QRectF(20, 280 + 25 * i, 15, 15));
            field(QStringLiteral("textLabel"), 4, i, fruit, QRectF(40, 280 + 25 * i, 80, 20));
        }
        field(QStringLiteral("submit"), 7, -99, QStringLiteral("Send"), QRectF(20, 400, 120, 45));
    }

    // The element number of a text box: the list is written from its last text box to its first.
    int numberOf(const std::shared_ptr<SKTText>& box)
    {
        const GraphicList boxes = document.textAreas();
        return int(boxes.size() - 1 - boxes.indexOf(box));
    }

    std::shared_ptr<SKTText> name;
    std::shared_ptr<SKTText> area;
};
