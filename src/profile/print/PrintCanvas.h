#pragma once

#include "profile/print/LabelHelper.h"

#include <QString>

#include <memory>

struct ProductProfile;

// clang-format off
// What a print sheet sets up, X(type, name), named as the profile's fields: the label grid (lengths in
// inches; the grid without its margins in print points) and the canvas of one label.
#define VELK_PRINT_CANVAS_FIELDS(X)                                                                          \
    X(int, printRowsPerSheet)                                                                                \
    X(int, printColumnsPerSheet)                                                                             \
    X(float, printLabelWidthInch)                                                                            \
    X(float, printLabelHeightInch)                                                                           \
    X(float, printColumnSpacingInch)                                                                         \
    X(float, printRowSpacingInch)                                                                            \
    X(float, printTopMarginInch)                                                                             \
    X(float, printBottomMarginInch)                                                                          \
    X(float, printLeftMarginInch)                                                                            \
    X(float, printRightMarginInch)                                                                           \
    X(float, printSheetWidthPoints)                                                                          \
    X(float, printSheetHeightPoints)                                                                         \
    X(int, canvasWidth)                                                                                      \
    X(int, canvasHeight)                                                                                     \
    X(int, defaultPageWidth)                                                                                 \
    X(int, defaultPageHeight)                                                                                \
    X(int, screenshotSize)                                                                                   \
    X(float, canvasScale)
// clang-format on

struct PrintCanvas {
#define VELK_DECLARE_PRINT_CANVAS_FIELD(type, name) type name{};
    VELK_PRINT_CANVAS_FIELDS(VELK_DECLARE_PRINT_CANVAS_FIELD)
#undef VELK_DECLARE_PRINT_CANVAS_FIELD

    bool operator==(const PrintCanvas&) const = default;
};

// Print sheets of the catalogue and the canvas they set up.
namespace DataCentre {

// The first catalogue sheet whose description is exactly this text, or null. On a match it registers the
// "Inches" and "Centimeters" ruler units so that the rulers count the sheet's real inches; without one it
// changes nothing.
std::shared_ptr<const LabelHelper> grabLabelHelper(const QString& description);

// The first catalogue sheet on this paper with rows x columns equal to the label count, or null.
// Registers no units.
std::shared_ptr<const LabelHelper> grabLabelHelperBasedOnSelection(int labelCount, const QString& paperSize);

// The sheet's label grid, canvas and page size, page image size and canvas scale. The canvas is turned
// when the rotation is 90.
PrintCanvas printCanvasOfSheet(const LabelHelper& sheet, int rotation, float pointsPerInch);

// The profile's print fields and canvas.
PrintCanvas printCanvasOf(const ProductProfile& profile);

// At launch: copies the sheet's print canvas, never turned, into the profile. A null sheet changes nothing.
void resetPrintCanvas(const std::shared_ptr<const LabelHelper>& sheet);

} // namespace DataCentre
