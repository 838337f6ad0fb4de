#include "document/writing/FormMailCode.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/FormFieldCode.h"
#include "codegen/PhpText.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageFileFormat.h"

using CodeTemplate::format;
namespace Form = PageFile::Form;

namespace {

const char* const kBotCheckSetup = "$firstNumber=rand(0,9);\n$secondNumber=rand(0,9);\n"
                                   "$answerNumber=$firstNumber+$secondNumber;\n"
                                   "$questionString=\"$firstNumber + $secondNumber=\";\n";

const char* const kSmtpSending =
    "require_once \"Mail.php\";\n$from = \"%@\";\n$to = \"%@\";\n$cc = \"%@\";\n$recipients = "
    "$to.\",\".$cc;\n"
    "$subject = \"%@\";\n$body = %@;\n$host = \"%@\";\n$username = \"%@\";\n$password = \"%@\";\n"
    "$headers = array ('From' => $from,\n'To' => $to,\n'Content-type'=>\"text/html\",\n'Cc' => $cc,\n"
    "'Subject' => $subject);\n$smtp = Mail::factory('smtp',\narray ('host' => $host,\n'auth' => true,\n"
    "'username' => $username,\n'password' => $password));\n$mail = $smtp->send($recipients, $headers, "
    "$body);";

const char* const kValidateEmail =
    R"JS(function validateEmail(email)
{ var re = /^(([^<>()[\]\\.,;:\s@\"]+(\.[^<>()[\]\.,;:\s@\"]+)*)|(".+"))@(([[0-9]{1,3}\.[0-9]{1,3}\.[0-9]{1,3}\.[0-9]{1,3}\])|(([a-zA-Z\-0-9]+\.)+[a-zA-Z]{2,}))$/;
return re.test(email);
}
)JS";

const char* const kValidationScript =
    "<SCRIPT LANGUAGE='JavaScript'>\n%@\nfunction validateForm()\n{\n//FORMREDIRECTURL%@FORMREDIRECTURLEND\n"
    "//FORMSUBMIT%@FORMSUBMITEND\n//FORMEMAILVERIFICATION%@FORMEMAILVERIFICATIONEND\n"
    "//FORMBOTCHECKERMSG%@FORMBOTCHECKERMSGEND\n%@\n%@\n%@\nif (showRequiredAlert==1)\n{\nalert('%@');\n"
    "//FORMMISSINGMSG%@FORMMISSINGMSGEND\nreturn false;\n}\nif (showEmailAlert==1)\n{\nalert('%@');\n"
    "return false;\n}\nif (showBotCheckerAlert==1)\n{\nalert('%@');\nreturn false;\n}\nelse{\nalert('%@');\n"
    "//FORMRESPONSEMSG%@FORMRESPONSEMSGEND\nreturn true;\n}\n}\n</SCRIPT>";

const char* const kSettingsBlock = "<?php\n%@\n//FORMRESPONSEIPSTART==%d==FORMRESPONSEIPEND\n//"
                                   "FORMDISPLAYOPTIONSTART==%d==FORMDISPLAYOPTIONEND\n"
                                   "//FORMRESPONSEEMAILSTART==%@==FORMRESPONSEEMAILEND\n//"
                                   "FORMRESPONSEEMAILCCSTART==%@==FORMRESPONSEEMAILCCEND\n"
                                   "?>\n";

bool sendsBySmtp(const SKTDocument& d)
{
    return !d.formEmailServer().isEmpty() && !d.formEmailUsername().isEmpty();
}

// A message of the validation script: without the characters that could end its literal or the script,
// and escaped for the single-quoted literal.
QString scriptMessage(QString text)
{
    for (const QChar c : QStringLiteral("{})(;><"))
        text.remove(c);
    return PhpText::scriptText(text);
}

// The address the page goes on to, as the script's comment keeps it.
QString scriptUrl(QString url)
{
    url.replace(QLatin1Char('<'), QLatin1String("%3C"));
    url.replace(QLatin1Char('>'), QLatin1String("%3E"));
    return PhpText::scriptText(url);
}

QString quotedAddress(const QString& address)
{
    return PhpText::singleQuoted(PhpText::withoutLineEnds(address));
}

QString subjectOf(const SKTDocument& d)
{
    QString name = d.pageOfficialName();
    name.remove(QLatin1Char('\''));
    return QStringLiteral("Feedback from ") + name;
}

// The Reply-To of the mail: the last field that holds the sender's address and is marked for it, its
// value kept only when it is one address.
QString replyLines(const GraphicList& fields)
{
    int tag = 0;
    bool found = false;
    for (const std::shared_ptr<SKTGraphic>& field : fields) {
        if (field->formOptionTag() == FormFieldCode::kEmailOption && field->markAsReplyToEmailFlag() == 1) {
            tag = field->formTag();
            found = true;
        }
    }
    if (!found)
        return QStringLiteral("");
    return format(
        "$reply_email=str_replace(array(\"\\r\",\"\\n\"),'',strip_tags($_REQUEST['form%d'] ?? ''));\n"
        "$reply_to=filter_var($reply_email,FILTER_VALIDATE_EMAIL)?\"Reply-To:$reply_email\\r\\n\":\"\";",
        {tag});
}

QString headerLines(const SKTDocument& d, const GraphicList& fields)
{
    const QString replyLine = replyLines(fields);
    const QString cc = d.siteCCFeedbackEmail().isEmpty()
                           ? QStringLiteral("")
                           : format("CC:%@\\r\\n", {PhpText::headerValue(d.siteCCFeedbackEmail())});
    const QString reply = replyLine.isEmpty() ? QStringLiteral("") : QStringLiteral("{$reply_to}");
    const QString header = format("$headers=\"From:%@\\r\\n%@%@Content-type:text/html\\r\\n\";",
                                  {PhpText::headerValue(d.siteFeedbackEmail()), cc, reply});
    return format("%@\n%@", {replyLine, header});
}

QString sending(const SKTDocument& d, const QString& subject, const FormMailCode::Mail& mail)
{
    if (!sendsBySmtp(d))
        return format("mail('%@', '%@', '%@', $headers);\n",
                      {quotedAddress(d.siteFeedbackEmail()),
                       PhpText::singleQuoted(PhpText::withoutLineEnds(subject)), mail.singleQuoted});
    const QString body =
        mail.doubleQuoted ? u'"' + *mail.doubleQuoted + u'"' : u'\'' + mail.singleQuoted + u'\'';
    using PhpText::headerValue;
    return format(kSmtpSending, {headerValue(d.siteFeedbackEmail()), headerValue(d.siteFeedbackEmail()),
                                 headerValue(d.siteCCFeedbackEmail()), headerValue(subject), body,
                                 headerValue(d.formEmailServer()), headerValue(d.formEmailUsername()),
                                 PhpText::doubleQuoted(d.formEmailPassword())});
}

QString handler(const SKTDocument& d, const GraphicList& fields, FormMailCode::Mail mail)
{
    QString reads = mail.reads;
    if (d.grabIPFlag() == 1) {
        reads = format("%@\n$ip=$_SERVER['REMOTE_ADDR'];", {reads});
        if (mail.doubleQuoted)
            mail.doubleQuoted = format("%@<p><br>Message sent from IP: $ip<p>", {*mail.doubleQuoted});
        mail.singleQuoted = format("%@<p><br>Message sent from IP: '.$ip.'<p>", {mail.singleQuoted});
    }
    const QString headers = headerLines(d, fields);
    const QString send = sending(d, subjectOf(d), mail);
    if (!d.formRedirectURL().isEmpty()) {
        const QString url = PhpText::doubleQuoted(CodeText::safeLinkTarget(d.formRedirectURL()));
        return format("<?php\n%@if (isset($_REQUEST['email']))\n{%@\n%@\n%@echo\"<meta http-equiv='refresh' "
                      "content='0; url=%@'>\";}\n?>\n",
                      {kBotCheckSetup, reads, headers, send, url});
    }
    return format("<?php\n%@if (isset($_REQUEST['email']))\n{%@\n%@\n%@\n}\n?>\n",
                  {kBotCheckSetup, reads, headers, send});
}

struct Checks {
    QString required = QStringLiteral("var showRequiredAlert=0;\nvar x;");
    QString email = QStringLiteral("var showEmailAlert=0;\nvar emailX;\nvar validateFlag=true;\n");
    QString botCheck = QStringLiteral("var showBotCheckerAlert=0;\nvar botCheckerValue;");
};

Checks checksOf(const GraphicList& fields, const QString& formName)
{
    Checks c;
    for (const std::shared_ptr<SKTGraphic>& field : fields) {
        const QString& type = field->formType();
        const int tag = field->formTag();
        // A check box group posts a list, which the form has no one value of.
        const bool valued = FormFieldCode::isField(type) && type != u"checkbox" && type != u"submit";
        if (valued && field->formRequiredFlag() == 1)
            c.required = format("%@\nx=document.forms['%@']['form%d'].value;\nif (x==null || x=='')\n"
                                "showRequiredAlert=1;\n",
                                {c.required, formName, tag});
        if (type == u"text" && field->formOptionTag() == FormFieldCode::kEmailOption)
            c.email = format("%@\nemailX=document.forms['%@']['form%d'].value;\n"
                             "validateFlag=validateEmail(emailX);\nif (!validateFlag)\nshowEmailAlert=1;\n",
                             {c.email, formName, tag});
        if (type == u"text" && field->formOptionTag() == FormFieldCode::kBotCheckOption)
            c.botCheck =
                format("%@\nbotCheckerValue=document.forms['%@']['form%d'].value;\n"
                       "if (botCheckerValue!=<?php echo \"$answerNumber\";?>)\nshowBotCheckerAlert=1;\n",
                       {c.botCheck, formName, tag});
    }
    return c;
}

QString validationScript(const SKTDocument& d, const GraphicList& fields, const QString& formName)
{
    const QString required = scriptMessage(d.formRequiredResponse());
    const QString emailMessage = scriptMessage(d.formEmailVerificationMsg());
    const QString botMessage = scriptMessage(d.formBotCheckerResponse());
    const QString sent = scriptMessage(d.formSentResponse());
    const Checks c = checksOf(fields, formName);
    return format(kValidationScript,
                  {kValidateEmail, scriptUrl(d.formRedirectURL()), scriptMessage(d.formSubmitButtonValue()),
                   emailMessage, botMessage, c.required, c.email, c.botCheck, required, required,
                   emailMessage, botMessage, sent, sent});
}

QString settingsBlock(const SKTDocument& d)
{
    const QString smtp =
        sendsBySmtp(d) ? format("%@\n%@\n%@\n",
                                {Form::smtpServer.written(PhpText::commentValue(d.formEmailServer())),
                                 Form::smtpUsername.written(PhpText::commentValue(d.formEmailUsername())),
                                 Form::smtpPassword.written(PhpText::commentValue(d.formEmailPassword()))})
                       : QStringLiteral("");
    return format(kSettingsBlock, {smtp, d.grabIPFlag(), d.formOrderLayoutOption(),
                                   PhpText::commentValue(d.siteFeedbackEmail()),
                                   PhpText::commentValue(d.siteCCFeedbackEmail())});
}

} // namespace

namespace FormMailCode {

QString formCode(const SKTDocument& document, const GraphicList& fields, const QString& pageName,
                 const Mail& mail)
{
    return format("%@\n\n%@\n\n%@\n",
                  {handler(document, fields, mail), validationScript(document, fields, formName(pageName)),
                   settingsBlock(document)});
}

QString formName(const QString& pageName)
{
    const QString name = CodeText::safeIdentifier(pageName);
    return name.isEmpty() ? QStringLiteral("form") : name;
}

QString formOpening(const QString& pageName)
{
    return format("<form name=%@ action=%@ onsubmit=\"return validateForm();\" method=post>",
                  {formName(pageName), CodeText::safeLinkTarget(pageName + QStringLiteral(".php"))});
}

QString formClosing()
{
    return format("<input type=\"hidden\" name=email value=\"%@\"></form>",
                  {QString(Form::hiddenEmailValue)});
}

} // namespace FormMailCode
