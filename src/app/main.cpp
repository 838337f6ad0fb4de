#include "app/launch/ApplicationLaunch.h"
#include "app/launch/CommandLine.h"
#include "app/launch/SKTAppDelegate.h"
#include "platform/Bundle.h"
#include "profile/services/WebFonts.h"

#include <QApplication>
#include <QFileInfo>

#include <clocale>
#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[])
{
    const QString program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    Bundle& bundle = Bundle::main();
    {
        // Help and version answer without a display.
        const CommandLine line = CommandLine::parse(argumentsOf(argc, argv));
        if (line.help) {
            print(stdout, CommandLine::helpText(program));
            return 0;
        }
        if (line.version) {
            bundle.applyOverrides(argumentsOf(argc, argv));
            print(stdout, CommandLine::versionText(bundle.infoValue(QStringLiteral("CFBundleDisplayName")),
                                                   bundle.infoValue(QStringLiteral("CFBundleVersion"))));
            return 0;
        }
    }

    DataCentre::loadCustomFontBeforeLaunch();
    QApplication application(argc, argv);
    // Qt adopts the user's locale for the C library; numbers in files must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    // The platform's own options are gone from the arguments by now.
    const CommandLine line = CommandLine::parse(QApplication::arguments().mid(1));
    if (!line.error.isEmpty()) {
        print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for the options and products.\n")
                          .arg(program, line.error));
        return 2;
    }
    bundle.applyOverrides(QApplication::arguments());
    const QString warning =
        CommandLine::unknownProductWarning(bundle.infoValue(QStringLiteral("CFBundleDisplayName")));
    if (!warning.isNull())
        print(stderr, QStringLiteral("%1: %2\n").arg(program, warning));

    QApplication::setApplicationName(QStringLiteral("Velk"));
    QApplication::setApplicationDisplayName(bundle.infoValue(QStringLiteral("CFBundleDisplayName")));
    QApplication::setApplicationVersion(bundle.infoValue(QStringLiteral("CFBundleVersion")));

    SKTAppDelegate delegate;
    launchApplication(delegate, line.documents);
    return application.exec();
}
