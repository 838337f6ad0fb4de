#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Headless Chromium (Debian's), for generated pages whose behaviour in a browser matters.
namespace Chromium {

inline const QString kPath = QStringLiteral("/usr/bin/chromium");

// The public libraries generated pages load, with the names of their copies on this machine: the browser
// has no network here.
struct PublicLibrary {
    const char* cdn;
    const char* local;
};
inline constexpr PublicLibrary kPublicLibraries[] = {
    {"https://code.jquery.com/jquery-2.2.2.min.js", "jquery-2.2.2.min.js"},
    {"https://maxcdn.bootstrapcdn.com/bootstrap/3.3.4/css/bootstrap.min.css", "bootstrap.min.css"},
    {"https://maxcdn.bootstrapcdn.com/bootstrap/3.3.4/js/bootstrap.min.js", "bootstrap.min.js"},
};

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
