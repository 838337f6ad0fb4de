#include "FormPageTestSupport.h"

#include <QRegularExpression>

// The stored page of a web form: its fields as form inputs, the PHP that mails what is posted, the script
// that checks the form before it is sent, and the settings block the page loader reads back.

TEST_F(AssembledFormTest, FieldsAreFormInputsInsideTheFormOfThePage)
{
    const QString page = storedPage(QStringLiteral("contact"));
    EXPECT_TRUE(page.contains(
        QStringLiteral("<input class=text%1 type=\"text\" name=form3 required>\n").arg(numberOf(name))));
    EXPECT_TRUE(page.contains(QStringLiteral("<textarea class=text%1 cols=25 rows=9 name=form6></textarea>\n")
                                  .arg(numberOf(area))));
    EXPECT_EQ(occurrences(page, QStringLiteral("name=\"form4[]\">")), 3);
    EXPECT_TRUE(page.contains(QStringLiteral("type=\"checkbox\" value=\"Pear\" name=\"form4[]\">")));
    EXPECT_TRUE(page.contains(QStringLiteral("type=\"submit\" value=\"Send\" name=form7>")));
    EXPECT_TRUE(page.contains(QStringLiteral(
        "<div id=content><form name=contact action=contact.php onsubmit=\"return validateForm();\" "
        "method=post>\n\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("<input type=\"hidden\" name=email value=\"email\"></form>")));
    EXPECT_LT(page.indexOf(QStringLiteral("name=form7>")), page.indexOf(QStringLiteral("</form>")));
}

TEST_F(AssembledFormTest, EachFieldIsReadOnceAndMailedFromTheTopOfTheFormDown)
{
    const QString page = storedPage(QStringLiteral("contact"));
    EXPECT_EQ(occurrences(page, QStringLiteral("$form3 = strip_tags($_REQUEST['form3']);\n")), 1);
    EXPECT_EQ(occurrences(page, QStringLiteral("$form6 = nl2br(strip_tags($_REQUEST['form6']));\n")), 1);
    // Three check boxes of one question: one read, one joining of the ticked values.
    EXPECT_EQ(occurrences(page, QStringLiteral("$form4=strip_tags($_POST['form4'] ?? '');")), 1);
    EXPECT_EQ(occurrences(page, QStringLiteral("implode(\", \", $_POST[$key])")), 1);
    EXPECT_TRUE(page.contains(QStringLiteral(
        "mail('owner@example.com', 'Feedback from Contact', '<b>Name</b><p>'.$form3.'<p>'.$form5.'<p>"
        "<b>Message</b><p>'.$form6.'<p><b>Fruit</b><p>'.$form4.'<p>', $headers);\n")));
    EXPECT_FALSE(page.contains(QStringLiteral("Mail.php")));

    // Kept in the order of the text boxes, the mail lists the fields as the list has them, wherever they are.
    name->setBounds(QRectF(20, 500, 200, 25));
    document.setFormOrderLayoutOption(1);
    document.setGrabIPFlag(1);
    const QString listed = storedPage(QStringLiteral("contact"));
    EXPECT_TRUE(listed.contains(QStringLiteral(
        "'<b>Name</b><p>'.$form3.'<p>'.$form5.'<p><b>Message</b><p>'.$form6.'<p><b>Fruit</b><p>'.$form4.'<p>"
        "<p><br>Message sent from IP: '.$ip.'<p>'")));
    EXPECT_TRUE(listed.contains(QStringLiteral("\n$ip=$_SERVER['REMOTE_ADDR'];")));
}

TEST_F(AssembledFormTest, TheReplyAddressIsCheckedBeforeItBecomesAHeader)
{
    document.setSiteCCFeedbackEmail(QStringLiteral("copy@example.com"));
    const QString page = storedPage(QStringLiteral("contact"));
    EXPECT_TRUE(page.contains(QStringLiteral(
        "$reply_email=str_replace(array(\"\\r\",\"\\n\"),'',strip_tags($_REQUEST['form5'] ?? ''));\n"
        "$reply_to=filter_var($reply_email,FILTER_VALIDATE_EMAIL)?\"Reply-To:$reply_email\\r\\n\":\"\";\n"
        "$headers=\"From:owner@example.com\\r\\nCC:copy@example.com\\r\\n{$reply_to}Content-type:text/"
        "html\\r\\n\";")));
}

TEST_F(AssembledFormTest, TheScriptChecksRequiredFieldsTheAddressAndTheBotQuestion)
{
    field(QStringLiteral("textLabel"), 8, -22, QStringLiteral("1+2="), QRectF(300, 20, 60, 20));
    field(QStringLiteral("text"), 8, -22, QStringLiteral("3"), QRectF(300, 45, 60, 25));
    document.setFormRequiredResponse(QStringLiteral("Don't forget (the fields); {all} <of them>"));
    const QString page = storedPage(QStringLiteral("contact"));
    EXPECT_TRUE(page.contains(
        QStringLiteral("var showRequiredAlert=0;\nvar x;\nx=document.forms['contact']['form3'].value;\n"
                       "if (x==null || x=='')\nshowRequiredAlert=1;\n")));
    EXPECT_FALSE(page.contains(QStringLiteral("['form6'].value;\nif (x==null")));
    EXPECT_TRUE(page.contains(QStringLiteral("emailX=document.forms['contact']['form5'].value;\n")));
    EXPECT_TRUE(page.contains(QStringLiteral(
        "botCheckerValue=document.forms['contact']['form8'].value;\nif (botCheckerValue!=<?php echo "
        "\"$answerNumber\";?>)\nshowBotCheckerAlert=1;\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("><?php echo \"$questionString\";?></div>")));
    EXPECT_TRUE(page.contains(
        QStringLiteral("alert('Don\\'t forget the fields all of them');\n"
                       "//FORMMISSINGMSGDon\\'t forget the fields all of themFORMMISSINGMSGEND")));
}

TEST_F(AssembledFormTest, AHandlerWithoutRedirectEndsItsBlockAndOneWithItGoesOn)
{
    const QString plain = storedPage(QStringLiteral("contact"));
    const qsizetype handlerEnd = plain.indexOf(QStringLiteral("$headers);\n\n}\n?>\n"));
    EXPECT_GT(handlerEnd, 0);
    document.setFormRedirectURL(QStringLiteral("https://example.com/thanks page"));
    const QString redirected = storedPage(QStringLiteral("contact"));
    EXPECT_TRUE(redirected.contains(QStringLiteral("$headers);\necho\"<meta http-equiv='refresh' content='0; "
                                                   "url=https://example.com/thanks%20page'>\";}\n?>\n")));
}

TEST_F(AssembledFormTest, AnSmtpServerWithAUserNameSendsThroughPearMail)
{
    document.setFormEmailServer(QStringLiteral("smtp.example.com"));
    const QString serverOnly = storedPage(QStringLiteral("contact"));
    EXPECT_TRUE(serverOnly.contains(QStringLiteral("mail('owner@example.com'")));
    EXPECT_FALSE(serverOnly.contains(QStringLiteral("SMTP_EMAIL_SERVER")));

    document.setFormEmailUsername(QStringLiteral("owner"));
    document.setFormEmailPassword(QStringLiteral("pa\"ss$word"));
    const QString smtp = storedPage(QStringLiteral("contact"));
    EXPECT_FALSE(smtp.contains(QStringLiteral("mail('owner@example.com'")));
    EXPECT_TRUE(
        smtp.contains(QStringLiteral("require_once \"Mail.php\";\n$from = \"owner@example.com\";\n")));
    EXPECT_TRUE(smtp.contains(QStringLiteral("$body = \"<b>Name</b><p>$form3<p>$form5<p>")));
    EXPECT_TRUE(smtp.contains(QStringLiteral("$password = \"pa\\\"ss\\$word\";\n")));
    EXPECT_TRUE(smtp.contains(
        QStringLiteral("<?php\n//====SMTP_EMAIL_SERVER_START==smtp.example.com==SMTP_EMAIL_SERVER_END\n"
                       "//====SMTP_EMAIL_USERNAME_START==owner==SMTP_EMAIL_USERNAME_END\n"
                       "//====SMTP_EMAIL_PASSWORD_START==pa\"ss$word==SMTP_EMAIL_PASSWORD_END\n\n"
                       "//FORMRESPONSEIPSTART==0==FORMRESPONSEIPEND\n")));
    EXPECT_EQ(phpSyntaxErrors(smtp, pathInHome(QStringLiteral("smtp.php"))), QString());
}

TEST_F(AssembledFormTest, TheSavedFormPageIsValidPhpWhateverItsTextsHold)
{
    document.setPageOfficialName(QStringLiteral("Bob's \"shop\" \\ $x"));
    document.setSiteFeedbackEmail(QStringLiteral("o'neil\\@example.com\r\nBcc: x@example.com"));
    document.setFormSentResponse(QStringLiteral("It's sent \\ thanks"));
    document.setFormRedirectURL(QStringLiteral("https://example.com/?a='b'&c=\\"));
    name->updateTextString(QStringLiteral("x"));
    field(QStringLiteral("textLabel"), 9, -99, QStringLiteral("Who's \\ '$you' “really” ?>"),
          QRectF(300, 300, 100, 20));
    field(QStringLiteral("text"), 9, -99, QString(), QRectF(300, 330, 100, 20));
    const QString page = savedPage();
    ASSERT_FALSE(page.isEmpty());
    EXPECT_EQ(phpSyntaxErrors(page, pathInHome(QStringLiteral("contact.php"))), QString());
    // The settings block opens as full PHP, and no address adds a line to a header.
    EXPECT_TRUE(page.contains(QStringLiteral("<?php\n\n//FORMRESPONSEIPSTART==")));
    EXPECT_FALSE(page.contains(QRegularExpression(QStringLiteral("\n<\\?\n"))));
    EXPECT_TRUE(
        page.contains(QStringLiteral("$headers=\"From:o'neil\\\\@example.comBcc: x@example.com\\r\\n")));
}

namespace {

// What makes each text box of the page a form field, in list order.
QStringList formFields(const SKTDocument& page)
{
    QStringList fields;
    for (const std::shared_ptr<SKTGraphic>& box : page.textAreas())
        fields << QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(box->formType())
                      .arg(box->formTag())
                      .arg(box->formOptionTag())
                      .arg(box->formRequiredFlag())
                      .arg(box->markAsReplyToEmailFlag());
    return fields;
}

} // namespace

TEST_F(AssembledFormTest, FieldsAndSettingsComeBackUnchangedThroughEverySaveAndOpen)
{
    document.setFormSentResponse(QStringLiteral("It's done \\ see you"));
    document.setFormRequiredResponse(QStringLiteral("Fill in 'all' \\\\ fields"));
    document.setFormEmailVerificationMsg(QStringLiteral("That's no address\\"));
    document.setFormBotCheckerResponse(QStringLiteral("Wrong \\' answer"));
    document.setFormSubmitButtonValue(QStringLiteral("Send it's"));
    document.setFormRedirectURL(QStringLiteral("https://example.com/o'k\\"));
    document.setSiteFeedbackEmail(QStringLiteral("o'neil@example.com"));
    document.setSiteCCFeedbackEmail(QStringLiteral("back\\slash@example.com"));
    document.setFormEmailServer(QStringLiteral("smtp.example.com"));
    document.setFormEmailUsername(QStringLiteral("o'wner"));
    document.setFormEmailPassword(QStringLiteral("p'a\\ss"));
    document.setGrabIPFlag(1);
    document.setFormOrderLayoutOption(1);
    using Getter = QString (SKTDocument::*)() const;
    const Getter settings[] = {
        &SKTDocument::formSentResponse,         &SKTDocument::formRequiredResponse,
        &SKTDocument::formEmailVerificationMsg, &SKTDocument::formBotCheckerResponse,
        &SKTDocument::formSubmitButtonValue,    &SKTDocument::formRedirectURL,
        &SKTDocument::siteFeedbackEmail,        &SKTDocument::siteCCFeedbackEmail,
        &SKTDocument::formEmailServer,          &SKTDocument::formEmailUsername,
        &SKTDocument::formEmailPassword,
    };
    ASSERT_TRUE(document.saveThisPage(location, 0));

    QString path = location;
    QStringList pages;
    for (int cycle = 1; cycle <= 3; ++cycle) {
        SCOPED_TRACE(cycle);
        SKTDocument opened;
        opened.setFileLocation(path);
        ASSERT_TRUE(opened.refreshDocument());
        for (const Getter get : settings)
            EXPECT_EQ((opened.*get)(), (document.*get)());
        EXPECT_EQ(opened.grabIPFlag(), 1);
        EXPECT_EQ(opened.formOrderLayoutOption(), 1);
        EXPECT_EQ(formFields(opened), formFields(document));
        EXPECT_TRUE(alerts.records().isEmpty());

        path = pathInHome(QStringLiteral("documents/%1/contact.quarnel").arg(cycle));
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(opened.saveThisPage(path, 0));
        pages << pageTextIn(path, QStringLiteral("contact.php"));
        EXPECT_EQ(phpSyntaxErrors(pages.last(), pathInHome(QStringLiteral("cycle.php"))), QString());
    }
    // Once opened, a form page writes the same page at every save.
    EXPECT_EQ(pages.at(1), pages.at(0));
    EXPECT_EQ(pages.at(2), pages.at(0));
}

TEST_F(FormPageTest, ThePublishedResponsiveFormMailsWhatItsFieldRecordsRead)
{
    launchAs(QStringLiteral("Tazmir Responsive Form Designer"));
    field(QStringLiteral("textLabel"), 3, -99, QStringLiteral("Name"), QRectF(20, 20, 200, 30));
    field(QStringLiteral("text"), 3, -99, QStringLiteral("x"), QRectF(20, 60, 300, 30))
        ->setFormRequiredFlag(1);
    field(QStringLiteral("textLabel"), 4, -99, QStringLiteral("Fruit"), QRectF(20, 100, 200, 30));
    field(QStringLiteral("checkbox"), 4, 1, QStringLiteral("Apple"), QRectF(20, 140, 15, 15));
    field(QStringLiteral("textLabel"), 4, 1, QStringLiteral("Apple"), QRectF(40, 140, 100, 20));
    field(QStringLiteral("submit"), 7, -99, QStringLiteral("Send it"), QRectF(20, 180, 120, 45));
    add(PageObjects::section(
        QRectF(0, 0, 900, 300),
        {PageObjects::sectionColumn(QRectF(0, 0, 900, 300), 12, 12, 12, 12, QStringLiteral("FFFFFF"))}));
    ASSERT_FALSE(savedPage().isEmpty());
    const QString page = QString::fromUtf8(publishedPage(QStringLiteral("published/contact.php")));

    EXPECT_TRUE(page.contains(QStringLiteral(
        "<body>\n<form name=contact action=contact.php onsubmit=\"return validateForm();\" method=post>\n")));
    EXPECT_TRUE(
        page.contains(QStringLiteral("<input type=\"hidden\" name=email value=\"email\"></form>\n</body>")));
    EXPECT_TRUE(page.contains(QRegularExpression(
        QStringLiteral("<input class=\"form-control text\\d+\" type=\"text\" name=form3 required>"))));
    EXPECT_TRUE(page.contains(QStringLiteral("name=\"form4[]\">")));
    EXPECT_EQ(occurrences(page, QStringLiteral("$form3 = strip_tags($_REQUEST['form3']);\n")), 1);
    EXPECT_TRUE(page.contains(QStringLiteral("mail('owner@example.com', 'Feedback from Contact', '")));
    EXPECT_TRUE(page.contains(QStringLiteral("<b>Name</b><p>'.$form3.'<p>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<b>Fruit</b><p>'.$form4.'<p>")));
    EXPECT_TRUE(page.contains(QStringLiteral("x=document.forms['contact']['form3'].value;")));
    EXPECT_EQ(document.formSubmitButtonValue(), QStringLiteral("Send it"));
    EXPECT_EQ(phpSyntaxErrors(page, pathInHome(QStringLiteral("responsive.php"))), QString());
}
