#include "FormMailServers.h"
#include "FormPageTestSupport.h"

#include <QDir>

// A saved form page served by PHP's own web server on 127.0.0.1, its mail() handed to a local SMTP server
// (aiosmtpd): what a visitor posts arrives as one mail, as text.

namespace {

using Mail = FormMailServers::Mail;

class FormMailTest : public AssembledFormTest {
protected:
    void SetUp() override
    {
        AssembledFormTest::SetUp();
        field(QStringLiteral("textLabel"), 10, -99, QStringLiteral("Reach me by"), QRectF(20, 460, 100, 20));
        field(QStringLiteral("radio"), 10, 1, QStringLiteral("Phone"), QRectF(20, 485, 15, 15));
        field(QStringLiteral("radio"), 10, 2, QStringLiteral("Mail"), QRectF(20, 510, 15, 15));
        field(QStringLiteral("textLabel"), 11, -99, QStringLiteral("Password"), QRectF(20, 540, 100, 20));
        field(QStringLiteral("password"), 11, -99, QString(), QRectF(20, 565, 200, 25));
        mailbox = pathInHome(QStringLiteral("maildir"));
        siteFolder = pathInHome(QStringLiteral("site"));
        QDir().mkpath(siteFolder);
    }

    static QStringList headerLines(const Mail& mail, const QString& name)
    {
        return FormMailServers::headerLines(mail, name);
    }
    static QByteArray formBody(const QList<QPair<QString, QString>>& fields)
    {
        return FormMailServers::formBody(fields);
    }

    QString mailbox;
    QString siteFolder;
};

} // namespace

TEST_F(FormMailTest, APostedFormArrivesAsOneMailWithEveryValueAsPlainText)
{
    const QString page = savedPage();
    ASSERT_FALSE(page.isEmpty());
    QFile published(QDir(siteFolder).filePath(QStringLiteral("contact.php")));
    ASSERT_TRUE(published.open(QIODevice::WriteOnly));
    published.write(page.toUtf8());
    published.close();

    FormMailServers servers(siteFolder, mailbox);
    ASSERT_TRUE(servers.smtp().listening()) << servers.smtp().output().toStdString();
    ASSERT_TRUE(servers.web().listening()) << servers.web().output().toStdString();

    // Every field filled, with markup, a header injection and quotes among the values.
    const QString answer = servers.post(formBody({
        {"form3", "Ann \"Annie\" O'Neil <script>alert(1)</script>"},
        {"form5", "ann@example.com"},
        {"form6", "Hello\r\nBcc: x@example.com"},
        {"form4[]", "Apple"},
        {"form4[]", "Plum"},
        {"form10", "Mail"},
        {"form11", "s3cret'pw"},
        {"form7", "Send"},
        {"email", "email"},
    }));
    EXPECT_TRUE(answer.contains(QStringLiteral("validateForm()"))) << answer.toStdString();
    EXPECT_FALSE(answer.contains(QStringLiteral("Warning"))) << answer.toStdString();
    EXPECT_FALSE(answer.contains(QStringLiteral("Deprecated"))) << answer.toStdString();

    const QList<Mail> mails = servers.delivered(1);
    ASSERT_EQ(mails.size(), 1) << servers.smtp().output().toStdString()
                               << servers.web().output().toStdString();
    const Mail& mail = mails.first();
    EXPECT_EQ(headerLines(mail, QStringLiteral("Subject")), QStringList{"Feedback from Contact"});
    EXPECT_EQ(headerLines(mail, QStringLiteral("X-RcptTo")), QStringList{"owner@example.com"});
    EXPECT_EQ(headerLines(mail, QStringLiteral("Reply-To")), QStringList{"ann@example.com"});
    EXPECT_TRUE(headerLines(mail, QStringLiteral("Bcc")).isEmpty()) << mail.headers.toStdString();
    for (const char* value :
         {"<b>Name</b><p>Ann \"Annie\" O'Neil alert(1)<p>", "ann@example.com<p>",
          "<b>Message</b><p>Hello<br />\nBcc: x@example.com<p>", "<b>Fruit</b><p>Apple, Plum<p>",
          "<b>Reach me by</b><p>Mail<p>", "<b>Password</b><p>s3cret'pw<p>"})
        EXPECT_TRUE(mail.body.contains(QString::fromUtf8(value))) << value << "\n" << mail.body.toStdString();
    EXPECT_FALSE(mail.body.contains(QStringLiteral("<script")));

    // A reply address that carries a header of its own is no address: the mail goes without a Reply-To.
    servers.post(formBody({{"form3", "Bob"},
                           {"form5", "bob@example.com\r\nBcc: x@example.com"},
                           {"form6", "Hi"},
                           {"form11", ""},
                           {"email", "email"}}));
    const QList<Mail> both = servers.delivered(2);
    ASSERT_EQ(both.size(), 2);
    EXPECT_TRUE(headerLines(both.last(), QStringLiteral("Reply-To")).isEmpty())
        << both.last().headers.toStdString();
    EXPECT_TRUE(headerLines(both.last(), QStringLiteral("Bcc")).isEmpty());
    EXPECT_EQ(headerLines(both.last(), QStringLiteral("X-RcptTo")), QStringList{"owner@example.com"});
}
