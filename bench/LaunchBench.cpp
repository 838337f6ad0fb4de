// Times launching Velk to its first shown window against launching LaunchBareWindow (an empty
// QMainWindow), each a fresh process started from here, in turns within the same run. A second row sets
// Velk against the bare window with a line of text and a menu bar, which pays for fonts as any window with
// text does. A launch ends when
// the child's first window is exposed. Both children get a throw-away configuration and temporary folder,
// and one launch of each goes untimed first, so every timed launch finds the font configuration's cache
// as a user's second launch does. The platform is the environment's (offscreen when none is named).
//
//   LaunchBench [runs]
#include "BenchTiming.h"
#include "FirstShownWindow.h"

#include "app/launch/ApplicationLaunch.h"
#include "app/launch/SKTAppDelegate.h"
#include "profile/services/WebFonts.h"

#include <QApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <clocale>
#include <cstring>

namespace {

const char* const kVelkChild = "--velk";

// The start of main(), up to the event loop.
int launchVelk(int argc, char** argv)
{
    DataCentre::loadCustomFontBeforeLaunch();
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const FirstShownWindow signal(application);
    QApplication::setApplicationName(QStringLiteral("Velk"));
    SKTAppDelegate delegate;
    launchApplication(delegate, {});
    return QApplication::exec();
}

double timedLaunch(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto start = std::chrono::steady_clock::now();
    child.start(program, arguments);
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(60000)) {
            std::fprintf(stderr, "%s showed no window\n", qPrintable(program));
            std::exit(1);
        }
    }
    const double milliseconds = Bench::millisecondsSince(start);
    if (child.readLine().trimmed() != "shown" || !child.waitForFinished(60000)) {
        std::fprintf(stderr, "%s did not launch as expected\n", qPrintable(program));
        std::exit(1);
    }
    return milliseconds;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], kVelkChild) == 0)
        return launchVelk(argc, argv);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    QCoreApplication application(argc, argv);
    const QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir(home.path()).filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("TMPDIR"), home.path());

    const QString velk = QCoreApplication::applicationFilePath();
    const QString bare = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("LaunchBareWindow"));
    timedLaunch(velk, {QString::fromLatin1(kVelkChild)}, environment);
    const QStringList withText = {QStringLiteral("--text")};
    timedLaunch(bare, {}, environment);
    timedLaunch(bare, withText, environment);
    Bench::Times velkLaunches;
    Bench::Times bareLaunches;
    Bench::Times textLaunches;
    for (int run = 0; run < runs; ++run) {
        velkLaunches.add(timedLaunch(velk, {QString::fromLatin1(kVelkChild)}, environment));
        bareLaunches.add(timedLaunch(bare, {}, environment));
        textLaunches.add(timedLaunch(bare, withText, environment));
    }
    std::printf("LaunchBench: %d runs, platform %s\n", runs,
                qPrintable(environment.value(QStringLiteral("QT_QPA_PLATFORM"))));
    Bench::printRow("launch to first window", velkLaunches, bareLaunches, "bare");
    Bench::printRow("launch to first window", velkLaunches, textLaunches, "text");
    return 0;
}
