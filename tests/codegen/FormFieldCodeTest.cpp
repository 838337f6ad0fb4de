#include "codegen/FormFieldCode.h"
#include "codegen/CodeWidgetHelper.h"
#include "codegen/PageCodeContext.h"
#include "codegen/ResponsiveTextCode.h"
#include "model/SKTText.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

// The form half of the responsive text generator: web-form fields as Bootstrap form markup with their
// PHP read line and their line of the form mail.

namespace {

class FormFieldCodeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
        DataCentre::mutableProfile().responsiveDesign = true;
        page.storeSubmitButtonValue = [this](const QString& caption) { storedCaption = caption; };
    }
    void TearDown() override { DataCentre::mutableProfile() = m_saved; }

    // A text box of the page: the page's graphics and text boxes list it after the earlier ones.
    std::shared_ptr<SKTText> add(const QString& formType, int tag, int option, const QString& text,
                                 const QRectF& bounds = QRectF(10, 10, 200, 30))
    {
        auto box = std::make_shared<SKTText>();
        box->setTextType(QStringLiteral("Text"));
        box->setFontFamily(QStringLiteral("Lato"));
        box->setFontSize(14);
        box->setBounds(bounds);
        box->updateTextString(text);
        box->setFormType(formType);
        box->setFormTag(tag);
        box->setFormOptionTag(option);
        page.graphics.append(box);
        page.textViewArray.append(box);
        return box;
    }

    CodeWidgetHelper code(SKTText& box) { return ResponsiveTextCode::generateTextViewCode(box, page); }
    int numberOf(const SKTText& box) const { return page.layerOf(&box); }

    PageCodeContext page;
    QString storedCaption;

private:
    ProductProfile m_saved;
};

} // namespace

TEST_F(FormFieldCodeTest, ARequiredTextFieldIsLabelledRequiredAndReadWithItsTagsStripped)
{
    auto label = add(QStringLiteral("textLabel"), 3, -99, QStringLiteral("Name's \"given\""));
    auto field = add(QStringLiteral("text"), 3, -99, QStringLiteral("Text Field Placeholder"));
    field->setFormRequiredFlag(1);
    const CodeWidgetHelper c = code(*field);
    const QString escaped = QStringLiteral("Name&#39;s &#34;given&#34;");
    EXPECT_EQ(
        c.bodyString(),
        QStringLiteral("<div class=\"form-group\"><label for=\"form3\"><div class=text%1>%2</div></label>\n"
                       "<input class=\"form-control text%3\" type=\"text\" name=form3 required>\n\n</div>")
            .arg(numberOf(*label))
            .arg(escaped)
            .arg(numberOf(*field)));
    EXPECT_EQ(c.formResponseBody(), QStringLiteral("$form3 = strip_tags($_REQUEST['form3']);\n"));
    EXPECT_EQ(c.formMessageBody(), QStringLiteral("<b>%1</b><p>'.$form3.'<p>").arg(escaped));
    EXPECT_TRUE(c.noMarginAddOnFlag());

    field->setFormRequiredFlag(0);
    EXPECT_FALSE(code(*field).bodyString().contains(QStringLiteral("required")));
    // The label stands in its field's markup, not on its own.
    EXPECT_EQ(code(*label).bodyString(), QStringLiteral(""));
}

TEST_F(FormFieldCodeTest, ATextAreaHasARowForEveryFifteenPoints)
{
    add(QStringLiteral("textLabel"), 5, -99, QStringLiteral("Message"));
    auto area = add(QStringLiteral("textarea"), 5, -99, QString(), QRectF(10, 50, 300, 100));
    const QString optional = code(*area).bodyString();
    const QString n = QString::number(numberOf(*area));
    EXPECT_TRUE(optional.contains(
        QStringLiteral("<textarea class=\"form-control text%1\" rows=6 name=form5></textarea>\n").arg(n)));
    area->setFormRequiredFlag(1);
    const CodeWidgetHelper required = code(*area);
    EXPECT_TRUE(required.bodyString().contains(
        QStringLiteral("<textarea class=\"form-control text%1\" rows=6 name=form5 required></textarea>\n")
            .arg(n)));
    EXPECT_EQ(required.formResponseBody(),
              QStringLiteral("$form5 = nl2br(strip_tags($_REQUEST['form5']));\n"));
    EXPECT_EQ(required.formMessageBody(), QStringLiteral("<b>Message</b><p>'.$form5.'<p>"));
}

TEST_F(FormFieldCodeTest, ChoicesOfOneQuestionShareTheirTagAndTheMailNamesTheQuestion)
{
    auto question = add(QStringLiteral("textLabel"), 4, -99, QStringLiteral("Colours <b>you</b> like"));
    add(QStringLiteral("textLabel"), 4, 1, QStringLiteral("Red"));
    auto red = add(QStringLiteral("checkbox"), 4, 1, QStringLiteral("Red"));
    add(QStringLiteral("textLabel"), 4, 2, QStringLiteral("Blue & green"));
    auto blue = add(QStringLiteral("radio"), 4, 2, QStringLiteral("Blue & green"));

    const CodeWidgetHelper box = code(*red);
    EXPECT_TRUE(
        box.bodyString().contains(QStringLiteral("type=\"checkbox\" value=\"Red\" name=\"form4[]\">")));
    EXPECT_TRUE(box.formResponseBody().contains(QStringLiteral("implode(\", \", $_POST[$key])")));
    EXPECT_TRUE(
        box.formResponseBody().endsWith(QStringLiteral("$form4=strip_tags($_POST['form4'] ?? '');\n")));
    const QString message = QStringLiteral("<b>Colours &lt;b&gt;you&lt;/b&gt; like</b><p>'.$form4.'<p>");
    EXPECT_EQ(box.formMessageBody(), message);

    const CodeWidgetHelper radio = code(*blue);
    EXPECT_TRUE(
        radio.bodyString().contains(QStringLiteral("type=\"radio\" value=\"Blue &amp; green\" name=form4>")));
    EXPECT_EQ(radio.formResponseBody(), QStringLiteral("$form4 = strip_tags($_REQUEST['form4'] ?? '');\n"));
    EXPECT_EQ(radio.formMessageBody(), message);

    // The question itself is written as the published responsive page writes any text box.
    const CodeWidgetHelper label = code(*question);
    EXPECT_TRUE(label.bodyString().contains(QStringLiteral(">Colours <b>you</b> like</div>")));
    EXPECT_EQ(label.formResponseBody(), QStringLiteral(""));
}

TEST_F(FormFieldCodeTest, AChoiceWithoutAQuestionMailsItsValueAlone)
{
    auto alone = add(QStringLiteral("radio"), 8, 1, QStringLiteral("Yes"));
    EXPECT_EQ(code(*alone).formMessageBody(), QStringLiteral("'.$form8.'<p>"));
}

TEST_F(FormFieldCodeTest, ACentredSubmitButtonIsInACentredParagraphAndKeepsItsCaption)
{
    auto submit = add(QStringLiteral("submit"), 9, -99, QStringLiteral("Send \"now\""));
    submit->setResponsiveAlignment(1);
    const CodeWidgetHelper c = code(*submit);
    EXPECT_EQ(
        c.bodyString(),
        QStringLiteral("<p align=center><input class=text%1 type=\"submit\" value=\"Send &#34;now&#34;\" "
                       "name=form9></p>\n")
            .arg(numberOf(*submit)));
    EXPECT_EQ(storedCaption, QStringLiteral("Send \"now\""));
    EXPECT_EQ(c.formResponseBody(), QStringLiteral(""));
    EXPECT_FALSE(c.noMarginAddOnFlag());
}

TEST_F(FormFieldCodeTest, APasswordReachesTheMailAsItsValue)
{
    auto password = add(QStringLiteral("password"), 7, -99, QString());
    const CodeWidgetHelper c = code(*password);
    EXPECT_EQ(c.formMessageBody(), QStringLiteral("'.$form7.'<p>"));
    EXPECT_EQ(c.formResponseBody(), QStringLiteral("$form7 = strip_tags($_REQUEST['form7']);\n"));
}

TEST_F(FormFieldCodeTest, TheBotCheckFieldAsksThePagesQuestionAndLabelsKeepPhpLiteralsWhole)
{
    add(QStringLiteral("textLabel"), 6, -22, QStringLiteral("1+2="));
    auto answer = add(QStringLiteral("text"), 6, -22, QStringLiteral("3"));
    EXPECT_TRUE(code(*answer).bodyString().contains(QStringLiteral("<?php echo \"$questionString\";?>")));

    // A backslash at the end of a label cannot escape the quote that ends the mail's literal.
    add(QStringLiteral("textLabel"), 2, -99, QStringLiteral("Path C:\\"));
    auto path = add(QStringLiteral("text"), 2, -99, QString());
    EXPECT_EQ(code(*path).formMessageBody(), QStringLiteral("<b>Path C:\\\\</b><p>'.$form2.'<p>"));
}

TEST_F(FormFieldCodeTest, ATextBoxWithoutAFormTypeIsNoField)
{
    auto box = add(QString(), 0, -99, QStringLiteral("Plain"));
    const CodeWidgetHelper c = code(*box);
    EXPECT_TRUE(c.bodyString().contains(QStringLiteral(">Plain</div>")));
    EXPECT_EQ(c.formResponseBody(), QStringLiteral(""));
    EXPECT_EQ(c.formMessageBody(), QStringLiteral(""));
}
