#include "FormPageTestSupport.h"
#include "LocalServers.h"

#include <QDir>
#include <QUrl>

// A saved form page served by PHP's own web server on 127.0.0.1, its mail() handed to a local SMTP server
// (aiosmtpd): what a visitor posts arrives as one mail, as text.

namespace {

using LocalServers::kPython;

// The posted form as a browser sends it.
QByteArray formBody(const QList<QPair<QString, QString>>& fields)
{
    QByteArrayList pairs;
    for (const auto& [name, value] : fields)
        pairs << QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
    return pairs.join('&');
}

struct Mail {
    QString headers;
    QString body;
};

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

    // Answers what the page answered to the post.
    QString post(quint16 port, const QByteArray& body)
    {
        QProcess client;
        client.start(kPython,
                     {QStringLiteral("-c"),
                      QStringLiteral("import sys, urllib.request\n"
                                     "r = urllib.request.urlopen(sys.argv[1], data=sys.argv[2].encode(), "
                                     "timeout=60)\nsys.stdout.write(r.read().decode('utf-8', 'replace'))"),
                      QStringLiteral("http://127.0.0.1:%1/contact.php").arg(port),
                      QString::fromLatin1(body)});
        client.waitForFinished(90000);
        return QString::fromUtf8(client.readAllStandardOutput() + client.readAllStandardError());
    }

    // The mails delivered so far, once `count` are there (or 20 seconds have passed).
    QList<Mail> delivered(int count)
    {
        const QDir newMail(QDir(mailbox).filePath(QStringLiteral("new")));
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired() && newMail.entryList(QDir::Files).size() < count)
            QThread::msleep(100);
        // A second message for the same post would come right after the first.
        QThread::msleep(500);
        QList<Mail> mails;
        for (const QString& name : newMail.entryList(QDir::Files, QDir::Time | QDir::Reversed)) {
            QFile file(newMail.filePath(name));
            file.open(QIODevice::ReadOnly);
            QString text = QString::fromUtf8(file.readAll());
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            const qsizetype split = text.indexOf(QLatin1String("\n\n"));
            mails.append({text.left(split), text.mid(split + 2)});
        }
        return mails;
    }

    static QStringList headerLines(const Mail& mail, const QString& name)
    {
        QStringList lines;
        for (const QString& line : mail.headers.split(QLatin1Char('\n'))) {
            if (line.startsWith(name + QLatin1Char(':'), Qt::CaseInsensitive))
                lines << line.mid(name.size() + 1).trimmed();
        }
        return lines;
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

    const quint16 smtpPort = LocalServers::freePort();
    LocalServers::Server smtp(kPython,
                              {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                               QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(smtpPort),
                               QStringLiteral("-c"), QStringLiteral("aiosmtpd.handlers.Mailbox"), mailbox},
                              smtpPort);
    ASSERT_TRUE(smtp.listening()) << smtp.output().toStdString();
    const quint16 webPort = LocalServers::freePort();
    const QString sendmail = kPython + u' ' + QStringLiteral(VELK_TEST_FIXTURES "/sendmail-to-smtp.py") +
                             u' ' + QString::number(smtpPort);
    LocalServers::Server web(QStringLiteral("php"),
                             {QStringLiteral("-d"), QStringLiteral("sendmail_path=") + sendmail,
                              QStringLiteral("-d"), QStringLiteral("display_errors=1"), QStringLiteral("-S"),
                              QStringLiteral("127.0.0.1:%1").arg(webPort), QStringLiteral("-t"), siteFolder},
                             webPort);
    ASSERT_TRUE(web.listening()) << web.output().toStdString();

    // Every field filled, with markup, a header injection and quotes among the values.
    const QString answer = post(webPort, formBody({
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

    const QList<Mail> mails = delivered(1);
    ASSERT_EQ(mails.size(), 1) << smtp.output().toStdString() << web.output().toStdString();
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
    post(webPort, formBody({{"form3", "Bob"},
                            {"form5", "bob@example.com\r\nBcc: x@example.com"},
                            {"form6", "Hi"},
                            {"form11", ""},
                            {"email", "email"}}));
    const QList<Mail> both = delivered(2);
    ASSERT_EQ(both.size(), 2);
    EXPECT_TRUE(headerLines(both.last(), QStringLiteral("Reply-To")).isEmpty())
        << both.last().headers.toStdString();
    EXPECT_TRUE(headerLines(both.last(), QStringLiteral("Bcc")).isEmpty());
    EXPECT_EQ(headerLines(both.last(), QStringLiteral("X-RcptTo")), QStringList{"owner@example.com"});
}
