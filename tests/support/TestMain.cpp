#include "platform/Bundle.h"
#include "platform/FontFolders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include <clocale>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the application does: the bundled fonts come from the font configuration's cache.
    FontFolders::addBeforeLaunch(QDir(Bundle::defaultResourcesPath()).filePath(QStringLiteral("fonts")));
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
