#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Headless Chromium (Debian's), for generated pages whose behaviour in a browser matters.
namespace Chromium {

inline const QString kPath = QStringLiteral("/usr/bin/chromium");

// Runs Chromium on a file of this machine only: no network, and a fresh profile in `profileFolder`.
// Answers what it printed; nothing when it did not finish within 90 seconds.
inline QByteArray run(const QString& profileFolder, const QStringList& arguments)
{
    QProcess chromium;
    chromium.setProcessChannelMode(QProcess::SeparateChannels);
    chromium.start(kPath,
                   QStringList{QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                               QStringLiteral("--disable-gpu"), QStringLiteral("--disable-quic"),
                               QStringLiteral("--no-first-run"),
                               QStringLiteral("--disable-background-networking"),
                               QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                               QStringLiteral("--host-resolver-rules=MAP * ~NOTFOUND"),
                               QStringLiteral("--user-data-dir=") + profileFolder} +
                       arguments);
    if (!chromium.waitForFinished(90000)) {
        chromium.kill();
        chromium.waitForFinished();
        return {};
    }
    return chromium.readAllStandardOutput();
}

} // namespace Chromium
