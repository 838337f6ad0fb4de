#include "platform/Bundle.h"
#include "profile/DataCentre.h"
#include "profile/LaunchInitialisation.h"
#include "profile/services/WebFonts.h"

#include <QApplication>
#include <QMainWindow>

#include <clocale>

int main(int argc, char* argv[])
{
    DataCentre::loadCustomFontBeforeLaunch();
    QApplication application(argc, argv);
    // Qt adopts the user's locale for the C library; numbers in files must not follow it.
    std::setlocale(LC_NUMERIC, "C");

    Bundle& bundle = Bundle::main();
    bundle.applyOverrides(QApplication::arguments());
    QApplication::setApplicationName(QStringLiteral("Velk"));
    DataCentre::initializeData();
    const QString displayName = DataCentre::profile().productDisplayName;
    QApplication::setApplicationDisplayName(displayName);
    QApplication::setApplicationVersion(bundle.infoValue(QStringLiteral("CFBundleVersion")));

    QMainWindow window;
    window.setWindowTitle(displayName.isEmpty() ? QStringLiteral("Velk") : displayName);
    window.resize(1024, 720);
    window.show();
    return application.exec();
}
