#pragma once

#include "platform/Bundle.h"
#include "platform/RulerUnits.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "profile/print/PrintSheetCatalogue.h"
#include "support/VelkTest.h"

// Lists the print products' tables are expected to hold.
inline const QStringList kPersonalTags{"[FIRST_NAME]", "[LAST_NAME]", "[TITLE]", "[JOB_TITLE]",
                                       "[STREET]",     "[CITY]",      "[STATE]", "[ZIPCODE]",
                                       "[COUNTRY]",    "[EMAIL]",     "[PHONE]"};
inline const QStringList kDecorativeFonts{
    "Marlett",  "Impact",    "Noteworthy",         "Stencil", "Caflisch Script Pro",
    "Heiti TC", "Phosphate", "Nanum Brush Script", "PilGi",   "Rosewood Std"};

// The title a sheet pop-up gives a template entry.
inline QString popupTitle(const LabelTemplateHelper& entry)
{
    return QStringLiteral("%1 %2 %3")
        .arg(entry.brand(), entry.templateNumber(), entry.templateDescription())
        .trimmed();
}

// What every print product's case row pins of its launched profile; the rows of both print test files carry
// these members.
template <class Case> void expectPrintProductBasics(const ProductProfile& p, const Case& c)
{
    EXPECT_EQ(p.objectCatalogName, c.catalogName);
    EXPECT_EQ(p.templateFolder, c.templateFolder);
    EXPECT_EQ(p.newDocumentName, c.newDocumentName);
    EXPECT_EQ(p.pageNoun, c.pageNoun);
    EXPECT_EQ(p.canvasWidth, c.canvasWidth);
    EXPECT_EQ(p.canvasHeight, c.canvasHeight);
    EXPECT_EQ(p.defaultPageWidth, c.canvasWidth);
    EXPECT_EQ(p.defaultPageHeight, c.canvasHeight);
    EXPECT_EQ(p.screenshotSize, c.canvasWidth);
    EXPECT_FLOAT_EQ(p.canvasScale, c.canvasScale);
    EXPECT_EQ(p.selectedPrintSheet, c.selectedSheet ? QString::fromUtf8(c.selectedSheet) : QString());
    EXPECT_EQ(p.printTemplateList.size(), c.templateCount);
    EXPECT_EQ(p.defaultFontSize, c.defaultFontSize);
    EXPECT_EQ(p.colorPalette.size(), c.paletteSize);
    EXPECT_EQ(p.colorPalette.value(0), "CLEAR0");
    EXPECT_EQ(p.personalizedTagList.size(), c.mergeTagCount);
    EXPECT_EQ(p.userGuideFile, c.userGuide);
}

// Launches product configurations one after another in one process: every test starts from a fresh
// profile and leaves the shipped bundle, the sheet catalogue and the ruler units as it found them.
class LaunchTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        DataCentre::resetProfile();
    }
    void TearDown() override
    {
        Bundle::main().load(Bundle::defaultResourcesPath());
        DataCentre::loadPrintLabels();
        DataCentre::resetProfile();
        RulerUnits::reset();
        VelkTest::TearDown();
    }

    // The profile as product selection leaves it for the display name. Launch sets the print points per
    // inch before the configuration; without a value given here the launch sheet's grid has no size.
    static ProductProfile launchAs(const QString& displayName, float printPointsPerInch = 0.0f)
    {
        DataCentre::resetProfile();
        DataCentre::mutableProfile().printPointsPerInch = printPointsPerInch;
        Bundle::main().setInfoValue(QStringLiteral("CFBundleDisplayName"), displayName);
        DataCentre::runAppSpecificSetups();
        return DataCentre::profile();
    }
};
