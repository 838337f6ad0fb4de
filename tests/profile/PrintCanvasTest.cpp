#include "profile/print/PrintCanvas.h"
#include "platform/RulerUnits.h"
#include "profile/DataCentre.h"
#include "profile/print/PrintSheetCatalogue.h"

#include <gtest/gtest.h>

namespace {

using namespace DataCentre;

const QString kThirtyPerLetter = "Label - 30 Per Letter Sheet";

class PrintCanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetState();
        loadPrintLabels();
        mutableProfile().printPointsPerInch = 144.0f;
    }
    void TearDown() override { resetState(); }

    static void resetState()
    {
        resetProfile();
        printSheetCatalogue().clear();
        RulerUnits::reset();
    }

    static std::shared_ptr<LabelHelper> sheetOfWidth(int canvasWidth)
    {
        auto sheet = std::make_shared<LabelHelper>();
        sheet->setPrintNumOfRowsPerSheet(1);
        sheet->setPrintNumOfColumnsPerSheet(1);
        sheet->setCanvasWidth(canvasWidth);
        sheet->setCanvasHeight(100);
        return sheet;
    }
};

// Everything resetPrintCanvas writes, to see that a call changed nothing.
struct PrintFields {
    int rows, columns;
    float width, height, columnGap, rowGap, top, bottom, left, right;
    int canvasWidth, canvasHeight, pageWidth, pageHeight, screenshotSize;
    float canvasScale, sheetWidthPoints, sheetHeightPoints;
    QString selectedPrintSheet;

    static PrintFields current()
    {
        const auto& p = profile();
        return {p.printRowsPerSheet,
                p.printColumnsPerSheet,
                p.printLabelWidthInch,
                p.printLabelHeightInch,
                p.printColumnSpacingInch,
                p.printRowSpacingInch,
                p.printTopMarginInch,
                p.printBottomMarginInch,
                p.printLeftMarginInch,
                p.printRightMarginInch,
                p.canvasWidth,
                p.canvasHeight,
                p.defaultPageWidth,
                p.defaultPageHeight,
                p.screenshotSize,
                p.canvasScale,
                p.printSheetWidthPoints,
                p.printSheetHeightPoints,
                p.selectedPrintSheet};
    }
    bool operator==(const PrintFields&) const = default;
};

TEST_F(PrintCanvasTest, GrabFindsTheSheetAndRegistersItsRulerUnits)
{
    const auto sheet = grabLabelHelper(kThirtyPerLetter);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->printDescription(), kThirtyPerLetter);
    EXPECT_EQ(sheet, printSheetCatalogue().at(8));

    const auto inches = RulerUnits::unitNamed("Inches");
    ASSERT_TRUE(inches);
    EXPECT_EQ(inches->abbreviation, "Inches");
    EXPECT_EQ(inches->pointsPerUnit, 600.0);
    EXPECT_EQ(inches->stepUpCycle, QList<double>({10.0}));
    EXPECT_EQ(inches->stepDownCycle, QList<double>({0.5, 0.2}));

    const auto centimeters = RulerUnits::unitNamed("Centimeters");
    ASSERT_TRUE(centimeters);
    EXPECT_EQ(centimeters->abbreviation, "Centimeters");
    // 600 / (160 / 63), kept at 32-bit precision, and not 600 / 2.54
    EXPECT_EQ(centimeters->pointsPerUnit, static_cast<double>(236.25f));
    EXPECT_EQ(centimeters->stepUpCycle, QList<double>({10.0}));
    EXPECT_EQ(centimeters->stepDownCycle, QList<double>({0.5, 0.2}));

    ASSERT_TRUE(grabLabelHelper("Label - 32 Per Letter Sheet"));
    EXPECT_EQ(RulerUnits::unitNamed("Inches")->pointsPerUnit, 300.0);
    EXPECT_EQ(RulerUnits::unitNamed("Centimeters")->pointsPerUnit, static_cast<double>(118.125f));
}

TEST_F(PrintCanvasTest, GrabTakesTheFirstExactMatch)
{
    auto duplicate = std::make_shared<LabelHelper>(*printSheetCatalogue().at(8));
    duplicate->setCanvasPixelFactor(72);
    printSheetCatalogue().append(duplicate);
    EXPECT_EQ(grabLabelHelper(kThirtyPerLetter), printSheetCatalogue().at(8));
    EXPECT_EQ(RulerUnits::unitNamed("Inches")->pointsPerUnit, 600.0);
}

TEST_F(PrintCanvasTest, UnknownDescriptionFindsNothingAndChangesNothing)
{
    mutableProfile().selectedPrintSheet = "Label - 6 Per Letter Sheet";
    const auto standardInches = RulerUnits::unitNamed("Inches")->pointsPerUnit;
    for (const QString description :
         {"label - 30 per letter sheet", "Label - 30 Per Letter Sheet ", "", "Label"}) {
        SCOPED_TRACE(description.toStdString());
        EXPECT_FALSE(grabLabelHelper(description));
    }
    EXPECT_EQ(profile().selectedPrintSheet, "Label - 6 Per Letter Sheet");
    EXPECT_EQ(RulerUnits::unitNamed("Inches")->pointsPerUnit, standardInches);

    printSheetCatalogue().clear();
    EXPECT_FALSE(grabLabelHelper(kThirtyPerLetter));
    EXPECT_EQ(profile().selectedPrintSheet, "Label - 6 Per Letter Sheet");
}

TEST_F(PrintCanvasTest, ResetWithoutSheetChangesNothing)
{
    resetPrintCanvas(grabLabelHelper(kThirtyPerLetter));
    const PrintFields before = PrintFields::current();
    resetPrintCanvas(grabLabelHelper("No Such Sheet"));
    EXPECT_EQ(PrintFields::current(), before);
    resetPrintCanvas(nullptr);
    EXPECT_EQ(PrintFields::current(), before);
}

TEST_F(PrintCanvasTest, ThirtyPerLetterSheetSetsUpTheCanvas)
{
    resetPrintCanvas(grabLabelHelper(kThirtyPerLetter));
    const auto& p = profile();
    EXPECT_EQ(p.printRowsPerSheet, 10);
    EXPECT_EQ(p.printColumnsPerSheet, 3);
    EXPECT_EQ(p.printLabelWidthInch, 2.625f);
    EXPECT_EQ(p.printLabelHeightInch, 1.0f);
    EXPECT_EQ(p.printColumnSpacingInch, 0.125984f);
    EXPECT_EQ(p.printRowSpacingInch, 0.0f);
    EXPECT_EQ(p.printTopMarginInch, 0.5f);
    EXPECT_EQ(p.printBottomMarginInch, 0.5f);
    EXPECT_EQ(p.printLeftMarginInch, 0.21975f);
    EXPECT_EQ(p.printRightMarginInch, 0.21975f);
    EXPECT_EQ(p.canvasWidth, 1575);
    EXPECT_EQ(p.canvasHeight, 600);
    EXPECT_EQ(p.defaultPageWidth, 1575);
    EXPECT_EQ(p.defaultPageHeight, 600);
    EXPECT_EQ(p.screenshotSize, 1575);
    EXPECT_EQ(p.canvasScale, 0.4f);
    EXPECT_NEAR(p.printSheetWidthPoints, 1134.0f + 2 * 18.141696f, 1e-3);
    EXPECT_EQ(p.printSheetHeightPoints, 1440.0f);
}

TEST_F(PrintCanvasTest, TurnedCanvasSwapsTheCanvasButNotThePageImageOrGrid)
{
    const auto sheet = grabLabelHelper(kThirtyPerLetter);
    ASSERT_TRUE(sheet);
    const PrintCanvas p = printCanvasOfSheet(*sheet, 90, 144.0f);
    EXPECT_EQ(p.canvasWidth, 600);
    EXPECT_EQ(p.canvasHeight, 1575);
    EXPECT_EQ(p.defaultPageWidth, 600);
    EXPECT_EQ(p.defaultPageHeight, 1575);
    EXPECT_EQ(p.screenshotSize, 1575);
    EXPECT_EQ(p.canvasScale, 1.0f);
    EXPECT_NEAR(p.printSheetWidthPoints, 1170.2834f, 1e-3);
    EXPECT_EQ(p.printSheetHeightPoints, 1440.0f);

    // only exactly 90 turns the canvas
    const PrintCanvas upsideDown = printCanvasOfSheet(*sheet, 180, 144.0f);
    EXPECT_EQ(upsideDown.canvasWidth, 1575);
    EXPECT_EQ(upsideDown.canvasHeight, 600);
}

TEST_F(PrintCanvasTest, LaunchSetsUpTheProfileUnturned)
{
    const auto sheet = grabLabelHelper(kThirtyPerLetter);
    resetPrintCanvas(sheet);
    EXPECT_EQ(printCanvasOf(profile()), printCanvasOfSheet(*sheet, 0, 144.0f));
}

TEST_F(PrintCanvasTest, CanvasScaleStepsDownWithTheCanvasWidth)
{
    const std::pair<int, float> cases[] = {
        {2001, 0.3f}, {2000, 0.4f}, {1501, 0.4f}, {1500, 0.5f}, {1201, 0.5f},
        {1200, 0.6f}, {1101, 0.6f}, {1100, 0.7f}, {901, 0.7f},  {900, 0.8f},
        {801, 0.8f},  {800, 0.9f},  {701, 0.9f},  {700, 1.0f},  {0, 1.0f},
    };
    for (const auto& [width, scale] : cases) {
        resetPrintCanvas(sheetOfWidth(width));
        EXPECT_EQ(profile().canvasScale, scale) << width;
    }
}

TEST_F(PrintCanvasTest, OneLabelSheetGridHasNoGaps)
{
    auto sheet = std::make_shared<LabelHelper>(*grabLabelHelper("Post Card - 4\" x 6\""));
    sheet->setPrintLabelColumnSpacingInch(1);
    sheet->setPrintLabelRowSpacingInch(1);
    resetPrintCanvas(sheet);
    EXPECT_EQ(profile().printSheetWidthPoints, 864.0f);
    EXPECT_EQ(profile().printSheetHeightPoints, 576.0f);
    EXPECT_EQ(profile().canvasScale, 0.4f);
}

TEST_F(PrintCanvasTest, GridUsesThePrintPointsPerInch)
{
    mutableProfile().printPointsPerInch = 72.0f;
    resetPrintCanvas(grabLabelHelper("Label - 30 Per Letter Sheet Foil"));
    EXPECT_EQ(profile().printSheetWidthPoints, 3 * 162.0f + 2 * 36.0f);
    EXPECT_EQ(profile().printSheetHeightPoints, 10 * 54.0f + 9 * 18.0f);
}

struct SelectionCase {
    int count;
    const char* paperSize;
    const char* description; // empty when nothing fits
};

TEST_F(PrintCanvasTest, SelectionFindsTheFirstSheetByCountAndPaper)
{
    const SelectionCase cases[] = {
        {30, "na-letter", "Label - 30 Per Letter Sheet"},
        {10, "na-letter", "Business Card - 10 Per Letter Sheet"},
        {8, "na-letter", "Business Card - 8 Per Letter Sheet"},
        {10, "A4", "Business Card - 10 Per A4 Sheet"},
        {8, "A4", "Business Card - 8 Per A4 Sheet"},
        {65, "A4", "Label - 65 Per A4 Sheet"},
        {1, "monarch-envelope", "Monarch 3.875\" x 7.5\""},
        {30, "A4", ""},
        {7, "na-letter", ""},
        {10, "Letter", ""},
    };
    mutableProfile().selectedPrintSheet = "Label - 6 Per Letter Sheet";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        const auto sheet = grabLabelHelperBasedOnSelection(c.count, c.paperSize);
        if (*c.description)
            EXPECT_TRUE(sheet && sheet->printDescription() == QString::fromUtf8(c.description));
        else
            EXPECT_FALSE(sheet);
    }
    EXPECT_EQ(profile().selectedPrintSheet, "Label - 6 Per Letter Sheet");
    EXPECT_EQ(RulerUnits::unitNamed("Inches")->pointsPerUnit, 72.0);
}

} // namespace
