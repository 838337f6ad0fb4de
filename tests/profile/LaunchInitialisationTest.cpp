#include "profile/LaunchInitialisation.h"
#include "FileTestSupport.h"
#include "LaunchTestSupport.h"
#include "platform/Bundle.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/ShapeSelectionView.h"
#include "profile/services/WebFonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

namespace {

class LaunchInitialisationTest : public LaunchTest {
protected:
    // The whole launch step, not only product selection.
    void initializeAs(const QString& displayName)
    {
        DataCentre::resetProfile();
        Bundle::main().setInfoValue("CFBundleDisplayName", displayName);
        DataCentre::initializeData();
    }
    UserDefaults& defaults = UserDefaults::standard();
    const ProductProfile& profile = DataCentre::profile();
};

TEST_F(LaunchInitialisationTest, FirstLaunchWritesTheImageDefaults)
{
    initializeAs("HTML Velk Pro");
    EXPECT_EQ(defaults.integerForKey("SorrelMaxImageSize"), 2000);
    EXPECT_EQ(defaults.stringForKey("SorrelImageType"), "PNG");
    EXPECT_EQ(defaults.integerForKey("SorrelRetinaFlag"), 1);
    EXPECT_EQ(profile.imageTypeSetting, "PNG");
    EXPECT_EQ(profile.retinaFlagSetting, 1);
}

TEST_F(LaunchInitialisationTest, TheRetinaChoiceHoldsOnlyOnceSaved)
{
    defaults.setInteger(0, "SorrelRetinaFlag");
    defaults.setBool(true, "SorrelSetRetinaFlag");
    defaults.setObject(QStringLiteral("JPEG"), "SorrelImageType");
    defaults.setInteger(800, "SorrelMaxImageSize");
    initializeAs("HTML Velk Pro");
    EXPECT_EQ(profile.retinaFlagSetting, 0);
    EXPECT_EQ(profile.imageTypeSetting, "JPEG");
    EXPECT_EQ(defaults.integerForKey("SorrelMaxImageSize"), 800);

    defaults.removeObject("SorrelSetRetinaFlag");
    initializeAs("HTML Velk Pro");
    EXPECT_EQ(profile.retinaFlagSetting, 1);
    EXPECT_EQ(defaults.integerForKey("SorrelRetinaFlag"), 1);
}

TEST_F(LaunchInitialisationTest, BuildsTextStylesShapesZoomStepsAndPrintScale)
{
    initializeAs("HTML Velk Pro");
    ASSERT_EQ(profile.defaultTextViewPresets.size(), 10);
    const auto& second = profile.defaultTextViewPresets[1];
    EXPECT_EQ(second->textString(), "abc");
    EXPECT_EQ(second->font().family(), "Poiret One"); // kept even where the machine lacks the family
    EXPECT_EQ(second->font().pointSize(), 30);
    EXPECT_EQ(second->fillColor(), QColor(0x55, 0x55, 0x55));
    EXPECT_EQ(second->textColor(), QColor(255, 255, 255));

    ASSERT_EQ(profile.defaultShapePresets.size(), 42);
    EXPECT_EQ(profile.defaultShapePresets.first()->fillColor(), QColor(0x8B, 0, 0));
    EXPECT_EQ(profile.defaultShapePresets.last()->fillColor(), QColor(0x22, 0x8B, 0x22));

    ASSERT_EQ(profile.zoomFactors.size(), 26);
    EXPECT_EQ(profile.zoomFactors.first(), "5%");
    EXPECT_EQ(profile.zoomFactors[17], "90%");
    EXPECT_EQ(profile.zoomFactors[18], "100%");
    EXPECT_EQ(profile.zoomFactors.last(), "600%");
    EXPECT_EQ(profile.printPointsPerInch, 144.0f);
    EXPECT_EQ(profile.printLineScale, 2.0f);
}

TEST_F(LaunchInitialisationTest, PrintProductsHaveTheirLabelGridSizedFromLaunchOn)
{
    for (const char* product : {"Fennick Label Designer Pro", "Blue Skellow Envelope Designer",
                                "Blue Skellow Business Card Designer"}) {
        SCOPED_TRACE(product);
        const ProductProfile scaled = launchAs(QString::fromUtf8(product), 144.0f);
        ASSERT_FALSE(scaled.selectedPrintSheet.isEmpty());
        initializeAs(QString::fromUtf8(product));
        EXPECT_GT(profile.printSheetWidthPoints, 0.0f);
        EXPECT_GT(profile.printSheetHeightPoints, 0.0f);
        EXPECT_EQ(profile.printSheetWidthPoints, scaled.printSheetWidthPoints);
        EXPECT_EQ(profile.printSheetHeightPoints, scaled.printSheetHeightPoints);
    }
}

TEST_F(LaunchInitialisationTest, EveryWebFontIsShownOnTheCanvasAfterLaunch)
{
    // The one family that neither Debian nor the npm registry's font packages carry.
    const QString unpackaged = QStringLiteral("Tulpen One");
    initializeAs("HTML Velk Pro");
    DataCentre::prepCustomFont();
    const QStringList families = QFontDatabase::families();
    int shown = 0;
    for (const std::shared_ptr<CustomFont>& font : DataCentre::webFontList()) {
        // The family as the web-font service is asked for it: "Passion" is "Passion One", "Lato:300" is
        // "Lato".
        const QString family = font->sourceCodeName().section(u':', 0, 0).replace(u'+', u' ');
        if (family == unpackaged)
            continue;
        EXPECT_TRUE(families.contains(family)) << family.toStdString();
        shown += families.contains(family) ? 1 : 0;
    }
    EXPECT_EQ(shown, 48);
}

TEST_F(LaunchInitialisationTest, TheDefaultConfigurationHasNoTextStylesButAllShapes)
{
    initializeAs("no such product");
    EXPECT_TRUE(profile.defaultTextViewPresets.isEmpty());
    EXPECT_EQ(profile.defaultShapePresets.size(), 42);
}

TEST_F(LaunchInitialisationTest, TextStylesNeverReadPastAShorterList)
{
    ProductProfile p;
    p.textCategoryNames = {"Heading"};
    p.textCategoryFonts = {"Actor", "Cabin", "Lato"};
    p.textCategoryForegroundColors = {"000000", "FFFFFF", "8B0000"};
    p.textCategoryFillColors = {"FFFFFF", "000000"};
    DataCentre::buildDefaultTextStyles(p);
    ASSERT_EQ(p.defaultTextViewPresets.size(), 2);
    EXPECT_EQ(p.defaultTextViewPresets[0]->textString(), "Heading");
    EXPECT_EQ(p.defaultTextViewPresets[1]->textString(), "abc"); // the built-in name of the second style
    EXPECT_EQ(p.defaultTextViewPresets[1]->font().family(), "Cabin");
}

TEST_F(LaunchInitialisationTest, WorkingFoldersAreMadeUnderTheTemporaryDirectory)
{
    Bundle::main().setInfoValue("CFBundleIdentifier", "com.example.velk");
    initializeAs("HTML Velk Pro");
    const QString temporary = QDir::tempPath();
    // The shipped build carries the updater, so it is an "AdHoc" build unless configured otherwise.
    EXPECT_EQ(DataCentre::distributionChannelOfBuild(), "AdHoc");
    EXPECT_EQ(profile.distributionChannel, DataCentre::distributionChannelOfBuild());
    EXPECT_EQ(profile.workingFolderPath,
              DataCentre::workingFolderFor(profile.distributionChannel, temporary, "com.example.velk"));
    EXPECT_EQ(profile.receivedPagesFolderName, "0000Received_Pages");
    EXPECT_EQ(profile.tempSaveFolder, profile.workingFolderPath + "/0000Received_Pages/tempSave000000");
    EXPECT_TRUE(QFileInfo(profile.tempSaveFolder).isDir());

    EXPECT_EQ(DataCentre::workingFolderFor("AdHoc", "/tmp/x", "com.example.velk"), "/tmp/x/com.example.velk");
    EXPECT_EQ(DataCentre::workingFolderFor("AppStore", "/tmp/x", "com.example.velk"), "/tmp/x");
}

struct UnmakeableFolderCase {
    const char* what;
    const char* regularFile;        // made in the test's home before launch
    const char* temporaryDirectory; // TMPDIR, relative to the home
    const char* workingFolder;      // expected, relative to the home
};

TEST_F(LaunchInitialisationTest, AWorkingFolderThatCannotBeMadeIsLoggedAndLaunchGoesOn)
{
    ASSERT_EQ(DataCentre::distributionChannelOfBuild(), "AdHoc");
    const UnmakeableFolderCase cases[] = {
        {"temporary directory below a regular file", "blocker", "blocker/tmp",
         "blocker/tmp/com.example.velk"},
        {"a regular file where the working folder goes", "tmp/com.example.velk", "tmp",
         "tmp/com.example.velk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile blocker(pathInHome(c.regularFile));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("TMPDIR", QDir(homePath()).filePath(c.temporaryDirectory).toUtf8());
        Bundle::main().setInfoValue("CFBundleIdentifier", "com.example.velk");

        LogCapture log;
        initializeAs("HTML Velk Pro");
        EXPECT_EQ(profile.workingFolderPath, QDir(homePath()).filePath(c.workingFolder));
        EXPECT_FALSE(QFileInfo(profile.tempSaveFolder).exists());
        const QStringList failures = log.captured().filter("Could not create the working folder");
        ASSERT_FALSE(failures.isEmpty()) << log.captured().join('\n').toStdString();
        EXPECT_TRUE(failures.last().contains(profile.tempSaveFolder)) << failures.last().toStdString();
        // The steps after the working folders still ran.
        EXPECT_EQ(profile.printPointsPerInch, 144.0f);
        EXPECT_EQ(profile.zoomFactors.size(), 26);
        QFile::remove(blocker.fileName());
    }
}

} // namespace
