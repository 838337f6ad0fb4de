#pragma once

#include "LocalServers.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <memory>

// A published form page served by PHP's own web server on 127.0.0.1, its mail() handed to a local SMTP
// server (aiosmtpd) that keeps every mail in a mailbox folder. The including test target defines
// VELK_TEST_FIXTURES.
class FormMailServers {
public:
    struct Mail {
        QString headers;
        QString body;
    };

    // Serves `siteFolder`; the mails go to `mailbox`.
    FormMailServers(const QString& siteFolder, const QString& mailbox)
        : m_mailbox(mailbox)
    {
        using LocalServers::kPython;
        const quint16 smtpPort = LocalServers::freePort();
        m_smtp = std::make_unique<LocalServers::Server>(
            kPython,
            QStringList{QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                        QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(smtpPort),
                        QStringLiteral("-c"), QStringLiteral("aiosmtpd.handlers.Mailbox"), mailbox},
            smtpPort);
        m_webPort = LocalServers::freePort();
        const QString sendmail = kPython + u' ' + QStringLiteral(VELK_TEST_FIXTURES "/sendmail-to-smtp.py") +
                                 u' ' + QString::number(smtpPort);
        m_web = std::make_unique<LocalServers::Server>(
            QStringLiteral("php"),
            QStringList{QStringLiteral("-d"), QStringLiteral("sendmail_path=") + sendmail,
                        QStringLiteral("-d"), QStringLiteral("display_errors=1"), QStringLiteral("-S"),
                        QStringLiteral("127.0.0.1:%1").arg(m_webPort), QStringLiteral("-t"), siteFolder},
            m_webPort);
    }

    LocalServers::Server& smtp() { return *m_smtp; }
    LocalServers::Server& web() { return *m_web; }

    // The posted form as a browser sends it.
    static QByteArray formBody(const QList<QPair<QString, QString>>& fields)
    {
        QByteArrayList pairs;
        for (const auto& [name, value] : fields)
            pairs << QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
        return pairs.join('&');
    }

    // Answers what the page `page` answered to the post.
    QString post(const QByteArray& body, const QString& page = QStringLiteral("contact.php"))
    {
        QProcess client;
        client.start(LocalServers::kPython,
                     {QStringLiteral("-c"),
                      QStringLiteral("import sys, urllib.request\n"
                                     "r = urllib.request.urlopen(sys.argv[1], data=sys.argv[2].encode(), "
                                     "timeout=60)\nsys.stdout.write(r.read().decode('utf-8', 'replace'))"),
                      QStringLiteral("http://127.0.0.1:%1/%2").arg(m_webPort).arg(page),
                      QString::fromLatin1(body)});
        client.waitForFinished(90000);
        return QString::fromUtf8(client.readAllStandardOutput() + client.readAllStandardError());
    }

    // The mails delivered so far, once `count` are there (or 20 seconds have passed).
    QList<Mail> delivered(int count)
    {
        const QDir newMail(QDir(m_mailbox).filePath(QStringLiteral("new")));
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

private:
    QString m_mailbox;
    quint16 m_webPort = 0;
    std::unique_ptr<LocalServers::Server> m_smtp;
    std::unique_ptr<LocalServers::Server> m_web;
};
