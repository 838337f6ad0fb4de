#include "../../document/FormMailServers.h"
#include "../../document/FormPageTestSupport.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/core/GraphicSelection.h"
#include "model/text/TextStorage.h"

// A form built field by field on the canvas of the web form designer, saved, published and posted to: the
// visitor's values arrive in the form's mail.

namespace {

class FormPublishingTest : public FormPageTest {
protected:
    void SetUp() override
    {
        FormPageTest::SetUp();
        // The fixture launched a responsive designer before the form designer: the form designer starts
        // from a fresh profile in the test's folders, as it does when it is launched alone.
        const ProductProfile kept = DataCentre::profile();
        DataCentre::resetProfile();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.workingFolderPath = kept.workingFolderPath;
        profile.tempSaveFolder = kept.tempSaveFolder;
        profile.receivedPagesFolderName = kept.receivedPagesFolderName;
        profile.screenshotSize = kept.screenshotSize;
        launchAs(QStringLiteral("Quarnel Pro"));
        ASSERT_FALSE(DataCentre::profile().responsiveDesign);
        view = std::make_unique<SKTGraphicView>();
        view->bindGraphics(&document);
        view->bindSelectionIndexes(&selection);
    }
    void TearDown() override
    {
        view.reset();
        FormPageTest::TearDown();
    }

    std::shared_ptr<SKTGraphic> withText(const QString& text, const QString& formType) const
    {
        for (const std::shared_ptr<SKTGraphic>& g : document.graphics()) {
            if (g->textString() == text && g->formType() == formType)
                return g;
        }
        return nullptr;
    }

    GraphicSelection selection{document};
    std::unique_ptr<SKTGraphicView> view;
};

} // namespace

TEST_F(FormPublishingTest, AFormBuiltOnTheCanvasMailsWhatAVisitorPosts)
{
    view->addTextField_drag(QPointF(20, 20));
    view->addEmailTextField_drag(QPointF(20, 120));
    view->addParagraph_drag(QPointF(20, 220));
    view->addCheckboxes_drag(QPointF(20, 450));
    view->addMultipleChoice_drag(QPointF(20, 700));
    view->addSubmitButton_drag(QPointF(20, 950));
    // The user names the first field and marks the e-mail input as the reply address.
    auto* name = dynamic_cast<SKTText*>(withText("Text Field Label", "textLabel").get());
    ASSERT_TRUE(name);
    name->contents().setString(QStringLiteral("Your name"));
    const std::shared_ptr<SKTGraphic> email = withText("yourname@example.com", "text");
    view->changeSelectionIndexes({int(document.graphics().indexOf(email))});
    view->markAsReplyTo();

    ASSERT_TRUE(document.savingRefusal().isEmpty());
    ASSERT_FALSE(savedPage().isEmpty());
    const QString site = pathInHome(QStringLiteral("site"));
    QDir().mkpath(site);
    ASSERT_TRUE(document.exportPublishVersion(QDir(site).filePath(QStringLiteral("contact.php"))));
    const QString mailbox = pathInHome(QStringLiteral("maildir"));
    FormMailServers servers(site, mailbox);
    ASSERT_TRUE(servers.smtp().listening()) << servers.smtp().output().toStdString();
    ASSERT_TRUE(servers.web().listening()) << servers.web().output().toStdString();

    // Tags in build order: name 1, e-mail 2, message 3, check boxes 4, choice 5, submit 6.
    const QString answer = servers.post(FormMailServers::formBody({
        {"form1", "Ann"},
        {"form2", "ann@example.com"},
        {"form3", "Hello from the canvas"},
        {"form4[]", "Checkbox Option 2"},
        {"form4[]", "Checkbox Option 4"},
        {"form5", "Multiple Choice Option 3"},
        {"form6", "Send"},
        {"email", "email"},
    }));
    EXPECT_FALSE(answer.contains(QStringLiteral("Warning"))) << answer.toStdString();

    const QList<FormMailServers::Mail> mails = servers.delivered(1);
    ASSERT_EQ(mails.size(), 1) << servers.web().output().toStdString() << answer.toStdString();
    const FormMailServers::Mail& mail = mails.first();
    EXPECT_EQ(FormMailServers::headerLines(mail, QStringLiteral("Reply-To")), QStringList{"ann@example.com"});
    // The fields in the mail from the top of the form down.
    EXPECT_TRUE(mail.body.contains(QStringLiteral(
        "<b>Your name</b><p>Ann<p>ann@example.com<p><b>Paragraph Label</b><p>Hello from the canvas<p>"
        "<b>Checkboxes Label</b><p>Checkbox Option 2, Checkbox Option 4<p>"
        "<b>Multiple Choice Label</b><p>Multiple Choice Option 3<p>")))
        << mail.body.toStdString();
}
