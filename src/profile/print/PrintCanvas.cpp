#include "profile/print/PrintCanvas.h"

#include "platform/RulerUnits.h"
#include "profile/DataCentre.h"
#include "profile/print/PrintSheetCatalogue.h"

#include <algorithm>

namespace DataCentre {
namespace {

// 160/63 rather than 2.54, so a centimetre on the ruler is slightly longer than a real one.
constexpr double kCentimetersPerInch = 2.5396825396825395;

void registerRulerUnits(float pixelFactor)
{
    // One canvas pixel is one ruler point, so a unit spans pixelFactor points per inch.
    const QList<double> stepUp{10.0};
    const QList<double> stepDown{0.5, 0.2};
    RulerUnits::registerUnit({"Inches", "Inches", pixelFactor, stepUp, stepDown});
    RulerUnits::registerUnit({"Centimeters", "Centimeters",
                              static_cast<float>(pixelFactor / kCentimetersPerInch), stepUp, stepDown});
}

struct ScaleStep {
    int minimumWidth;
    float scale;
};

// Wider canvases are shown smaller so that one label fits the window; first match from the top.
constexpr ScaleStep kScaleSteps[] = {
    {2001, 0.3f}, {1501, 0.4f}, {1201, 0.5f}, {1101, 0.6f}, {901, 0.7f}, {801, 0.8f}, {701, 0.9f},
};

float canvasScaleForWidth(int canvasWidth)
{
    for (const auto& step : kScaleSteps) {
        if (canvasWidth >= step.minimumWidth)
            return step.scale;
    }
    return 1.0f;
}

// Labels and the gaps between them, without the margins.
float gridPoints(int count, float labelInches, float gapInches, float pointsPerInch)
{
    return count * (labelInches * pointsPerInch) + (count - 1) * (gapInches * pointsPerInch);
}

} // namespace

std::shared_ptr<const LabelHelper> grabLabelHelper(const QString& description)
{
    const auto& catalogue = printSheetCatalogue();
    const auto found = std::find_if(catalogue.begin(), catalogue.end(), [&](const auto& sheet) {
        return sheet->printDescription() == description;
    });
    if (found == catalogue.end())
        return nullptr;
    registerRulerUnits((*found)->canvasPixelFactor());
    return *found;
}

std::shared_ptr<const LabelHelper> grabLabelHelperBasedOnSelection(int labelCount, const QString& paperSize)
{
    for (const auto& sheet : printSheetCatalogue()) {
        if (sheet->paperSize() == paperSize &&
            sheet->printNumOfRowsPerSheet() * sheet->printNumOfColumnsPerSheet() == labelCount)
            return sheet;
    }
    return nullptr;
}

PrintCanvas printCanvasOfSheet(const LabelHelper& sheet, int rotation, float pointsPerInch)
{
    PrintCanvas c;
    c.printRowsPerSheet = sheet.printNumOfRowsPerSheet();
    c.printColumnsPerSheet = sheet.printNumOfColumnsPerSheet();
    c.printLabelWidthInch = sheet.printSingleLabelWidthInch();
    c.printLabelHeightInch = sheet.printSingleLabelHeightInch();
    c.printColumnSpacingInch = sheet.printLabelColumnSpacingInch();
    c.printRowSpacingInch = sheet.printLabelRowSpacingInch();
    c.printTopMarginInch = sheet.printSheetTopMarginInch();
    c.printBottomMarginInch = sheet.printSheetBottomMarginInch();
    c.printLeftMarginInch = sheet.printSheetLeftMarginInch();
    c.printRightMarginInch = sheet.printSheetRightMarginInch();

    const bool turned = rotation == 90;
    c.canvasWidth = turned ? sheet.canvasHeight() : sheet.canvasWidth();
    c.canvasHeight = turned ? sheet.canvasWidth() : sheet.canvasHeight();
    c.defaultPageWidth = c.canvasWidth;
    c.defaultPageHeight = c.canvasHeight;
    // Page images keep the sheet's own width whichever way the canvas is turned.
    c.screenshotSize = sheet.canvasWidth();
    c.canvasScale = canvasScaleForWidth(c.canvasWidth);

    c.printSheetWidthPoints =
        gridPoints(c.printColumnsPerSheet, c.printLabelWidthInch, c.printColumnSpacingInch, pointsPerInch);
    c.printSheetHeightPoints =
        gridPoints(c.printRowsPerSheet, c.printLabelHeightInch, c.printRowSpacingInch, pointsPerInch);
    return c;
}

PrintCanvas printCanvasOf(const ProductProfile& profile)
{
    PrintCanvas c;
#define VELK_READ_PRINT_CANVAS_FIELD(type, name) c.name = profile.name;
    VELK_PRINT_CANVAS_FIELDS(VELK_READ_PRINT_CANVAS_FIELD)
#undef VELK_READ_PRINT_CANVAS_FIELD
    return c;
}

void resetPrintCanvas(const std::shared_ptr<const LabelHelper>& sheet)
{
    if (!sheet)
        return;
    ProductProfile& p = mutableProfile();
    const PrintCanvas c = printCanvasOfSheet(*sheet, 0, p.printPointsPerInch);
#define VELK_WRITE_PRINT_CANVAS_FIELD(type, name) p.name = c.name;
    VELK_PRINT_CANVAS_FIELDS(VELK_WRITE_PRINT_CANVAS_FIELD)
#undef VELK_WRITE_PRINT_CANVAS_FIELD
}

} // namespace DataCentre
