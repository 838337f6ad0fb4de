#include "profile/print/PrintSheetCatalogue.h"

namespace DataCentre {
namespace {

// One sheet as written down; the canvas size follows from the label size and the pixel factor.
struct SheetRow {
    const char* type;
    const char* description;
    int columns;
    int rows;
    float width;
    float height;
    float columnGap;
    float rowGap;
    float topMargin;
    float bottomMargin;
    float leftMargin;
    float rightMargin;
    const char* paperSize;
    float pixelFactor;
};

// Folded cards, flyers and envelopes have neither gaps nor margins: each label is a whole panel or sheet.
constexpr SheetRow borderless(const char* type, const char* description, int columns, int rows, float width,
                              float height, const char* paperSize, float pixelFactor)
{
    return {type, description, columns, rows, width, height, 0, 0, 0, 0, 0, 0, paperSize, pixelFactor};
}
constexpr SheetRow card(const char* description, int columns, int rows, float width, float height,
                        const char* paperSize)
{
    return borderless("Cards", description, columns, rows, width, height, paperSize, 150);
}
constexpr SheetRow flyer(const char* description, float width, float height, const char* paperSize)
{
    return borderless("Flyer", description, 1, 1, width, height, paperSize, 150);
}
// One canvas pixel per print point.
constexpr SheetRow flyer72(const char* description, float width, float height, const char* paperSize)
{
    return borderless("Flyer", description, 1, 1, width, height, paperSize, 72);
}
constexpr SheetRow envelope(const char* description, float width, float height, const char* paperSize)
{
    return borderless("Envelope", description, 1, 1, width, height, paperSize, 72);
}

// Post cards name the short side first but are stored with the long side as width. The two 30-per-sheet
// letter labels get a 600-pixel canvas because their labels are so small.
// clang-format off
constexpr SheetRow kSheets[] = {
    {"Post Card", "Post Card - 4\" x 6\"", 1, 1, 6, 4, 0, 0, 0, 0, 0, 0, "na-letter", 300},
    {"Post Card", "Post Card - 5\" x 7\"", 1, 1, 7, 5, 0, 0, 0, 0, 0, 0, "na-letter", 300},
    {"Post Card", "Post Card - 6\" x 9\"", 1, 1, 9, 6, 0, 0, 0, 0, 0, 0, "A4", 300},
    {"Post Card", "Post Card - 6\" x 11\"", 1, 1, 11, 6, 0, 0, 0, 0, 0, 0, "A4", 300},
    {"Business Card", "Business Card - 10 Per Letter Sheet", 2, 5, 3.5, 2, 0, 0, 0.5, 0.5, 0.75, 0.75, "na-letter", 300},
    {"Business Card", "Business Card - 8 Per Letter Sheet", 2, 4, 3.5, 2, 0.5, 0.5, 0.75, 0.75, 0.5, 0.5, "na-letter", 300},
    {"Business Card", "Business Card - 10 Per A4 Sheet", 2, 5, 3.34646, 2.12598, 0.393701, 0, 0.5314961, 0.5314961, 0.590551, 0.590551, "A4", 300},
    {"Business Card", "Business Card - 8 Per A4 Sheet", 2, 4, 3.34646, 2.12598, 0.23622, 0.23622, 1.240157, 1.240157, 0.669291, 0.669291, "A4", 300},
    {"Label", "Label - 30 Per Letter Sheet", 3, 10, 2.625, 1, 0.125984, 0, 0.5, 0.5, 0.21975, 0.21975, "na-letter", 600},
    {"Label", "Label - 30 Per Letter Sheet Foil", 3, 10, 2.25, 0.75, 0.5, 0.25, 0.625, 0.625, 0.375, 0.375, "na-letter", 600},
    {"Label", "Label - 30 Filing Label Per Letter Sheet", 2, 15, 3.4375, 0.667, 0.55, 0, 0.4975, 0.4975, 0.5375, 0.5375, "na-letter", 300},
    {"Label", "Label - 32 Per Letter Sheet", 4, 8, 1.75, 1.25, 0.16666666, 0, 0.5, 0.5, 0.468, 0.468, "na-letter", 300},
    {"Label", "Label - 6 Per Letter Sheet", 2, 3, 4, 3.3333333, 0.19685, 0, 0.5, 0.5, 0.156, 0.156, "na-letter", 300},
    {"Label", "Label - 14 Per Letter Sheet", 2, 7, 4, 1.3333334, 0.1875, 0, 0.8333333, 0.8333333, 0.15625, 0.15625, "na-letter", 300},
    {"Label", "Label - 80 Per Letter Sheet", 4, 20, 1.75, 0.5, 0.3125, 0, 0.5, 0.5, 0.28125, 0.28125, "na-letter", 300},
    {"Label", "Label - 10 Per Letter Sheet", 2, 5, 4, 2, 0.1875, 0, 0.5, 0.5, 0.1625, 0.1625, "na-letter", 300},
    {"Label", "Label - 33 Per Letter Sheet", 3, 11, 2.8, 1, 0, 0, 0, 0, 0, 0, "na-letter", 300},
    {"Label", "Label - 2 Per Letter Sheet", 1, 2, 8.5, 5.5, 0, 0, 0, 0, 0, 0, "na-letter", 300},
    {"Label", "Label - 4 Per Letter Sheet", 2, 2, 3.5, 5, 0.5, 0, 0.5, 0.5, 0.5, 0.5, "na-letter", 300},
    {"Label", "Label - 20 Per Letter Sheet", 2, 10, 4, 1, 0.1876, 0, 0.5, 0.5, 0.1562, 0.1562, "na-letter", 300},
    {"Label", "Label - 12 Per Letter Sheet", 2, 6, 4, 1.5, 0.166, 0, 1, 1, 0.167, 0.167, "na-letter", 300},
    {"Label", "Label - 12 Square Per Letter Sheet", 3, 4, 2, 2, 0.6, 0.6, 0.6, 0.6, 0.65, 0.65, "na-letter", 300},
    {"Label", "Label - 60 Per Letter Sheet", 4, 15, 1.75, 0.6666, 0.295, 0, 0.505, 0.505, 0.3075, 0.3075, "na-letter", 300},
    {"Label", "Label - 65 Per A4 Sheet", 5, 13, 1.5, 0.8346457, 0.0787402, 0, 0.4212598, 0.4212598, 0.226378, 0.226378, "A4", 300},
    {"Label", "Label - 1 Per Letter Sheet", 1, 1, 8, 11.5, 0, 0, 0, 0, 0, 0, "na-letter", 300},
    {"Label", "Label - 1 Per A4 Sheet", 1, 1, 7.858268, 11.38189, 0, 0, 0.15748, 0.15748, 0.19685, 0.19685, "A4", 300},
    {"Label", "Label - 8 Per A4 Sheet", 2, 4, 3.901575, 2.665354, 0.0984252, 0, 0.515748, 0.515748, 0.177165, 0.177165, "A4", 300},
    {"Label", "Label - 10 Per A4 Sheet", 2, 5, 3.901575, 2.255906, 0.0787402, 0, 0.2066929, 0.2066929, 0.192913, 0.192913, "A4", 300},
    {"Label", "Label - 10 Diskette Labels Per A4 Sheet", 2, 5, 2.75591, 2.04724, 0.9094488, 0, 0.7559055, 0.7559055, 0.9173228, 0.9173228, "A4", 300},
    {"Label", "Label - 4 Per A4 Sheet", 1, 4, 7.87402, 2.3622, 0, 0, 1.122047, 1.122047, 0.19685, 0.19685, "A4", 300},
    {"Label", "Label - 6 Per A4 Sheet", 2, 3, 3.901575, 3.665354, 0.01023622, 0, 0.03740157, 0.03740157, 0.0185039, 0.0185039, "A4", 300},
    {"Label", "Label - 21 Per A4 Sheet", 3, 7, 2.5, 1.5, 0.1, 0, 0, 0, 0.279921, 0.279921, "A4", 300},
    {"Label", "Label - 20 Per A4 Sheet", 10, 2, 0.669291, 4.72441, 0, 0, 1.06299, 1.06299, 0.787402, 0.787402, "A4", 300},
    {"Label", "Label - 14 Per A4 Sheet", 2, 7, 3.901575, 1.5, 0.0984252, 0, 0, 0, 0.1830709, 0.1830709, "A4", 300},
    {"Label", "Label - 14 Wide Per A4 Sheet", 2, 7, 4.13386, 1.665354, 0, 0, 0.019685, 0.019685, 0, 0, "A4", 300},
    {"Label", "Label - 16 Per A4 Sheet", 2, 8, 3.901575, 1.334646, 0.0787402, 0, 0.5362205, 0.5362205, 0.192913, 0.192913, "A4", 300},
    {"Label", "Label - 18 Per A4 Sheet", 3, 6, 2.5, 1.834646, 0.1, 0, 0.374016, 0.374016, 0.283465, 0.283465, "A4", 300},
    {"Label", "Label - 24 Per A4 Sheet", 3, 8, 2.5, 1.334646, 0, 0, 0.519685, 0.519685, 0.275591, 0.275591, "A4", 300},
    {"Label", "Label - 24 Large Labels Per A4 Sheet", 3, 8, 2.75591, 1.41732, 0, 0, 0.177165, 0.177165, 0, 0, "A4", 300},
    {"Label", "Label - 24 File Label Per A4 Sheet", 1, 24, 5.27559, 0.433071, 0, 0, 0.6496063, 0.6496063, 1.49606, 1.49606, "A4", 300},
    {"Label", "Label - 12 Per A4 Sheet", 3, 4, 2.75591, 2.661417, 0, 0, 0, 0, 0, 0, "A4", 300},
    {"Label", "Label - 12 Envelope Labels Per A4 Sheet", 2, 6, 3.8189, 1.665354, 0, 0, 0.8503937, 0.8503937, 0.314961, 0.314961, "A4", 300},
    {"Label", "Label - 64 Per A4 Sheet", 4, 16, 1.909449, 0.6653543, 0, 0, 0, 0, 0, 0, "A4", 300},
    {"Label", "Label - 80 Per A4 Sheet", 5, 16, 1.401575, 0.6653543, 0.0984252, 0, 0, 0, 0, 0, "A4", 300},
    {"Label", "Label - 7 Per A4 Sheet", 1, 7, 7.55906, 1.49606, 0, 0, 0, 0, 0, 0, "A4", 300},
    {"Label", "Label - 4 Per A4 Sheet Binder", 1, 4, 7.55906, 2.40157, 0, 0, 0, 0, 0, 0, "A4", 300},
    card("Card - Letter Sheet Horizontal Half Fold (8.5\" x 5.5\")", 1, 2, 8.5, 5.5, "na-letter"),
    card("Card - Letter Sheet Vertical Half Fold (5.5\" x 8.5\")", 2, 1, 5.5, 8.5, "na-letter"),
    card("Card - Letter Sheet Horizontal Quarter Fold (5.5\" x 4.25\")", 2, 2, 5.5, 4.25, "na-letter"),
    card("Card - Letter Sheet Vertical Quarter Fold (4.25\" x 5.5\")", 2, 2, 4.25, 5.5, "na-letter"),
    card("Card - A4 Sheet Horizontal Half Fold (8.3\" x 5.85\")", 1, 2, 8.3, 5.85, "A4"),
    card("Card - A4 Sheet Vertical Half Fold (5.85\" x 8.3\")", 2, 1, 5.85, 8.3, "A4"),
    card("Card - A4 Sheet Horizontal Quarter Fold (5.85\" x 4.15\")", 2, 2, 5.85, 4.15, "A4"),
    card("Card - A4 Sheet Vertical Quarter Fold (4.15\" x 5.85\")", 2, 2, 4.15, 5.85, "A4"),
    card("Card - A5 Sheet Horizontal Half Fold (8.3\" x 2.9\")", 1, 2, 8.3, 2.9, "A5"),
    card("Card - A5 Sheet Vertical Half Fold (4.15\" x 5.8\")", 2, 1, 4.15, 5.8, "A5"),
    card("Card - A5 Sheet Horizontal Quarter Fold (4.15\" x 2.9\")", 2, 2, 4.15, 2.9, "A5"),
    card("Card - A5 Sheet Vertical Quarter Fold (2.9\" x 4.15\")", 2, 2, 2.9, 4.15, "A5"),
    flyer("US Letter - Landscape", 11, 8.5, "na-letter"),
    flyer("US Letter - Portrait", 8.5, 11, "na-letter"),
    flyer("US Legal - Landscape", 14, 8.5, "na-legal"),
    flyer("US Legal - Portrait", 8.5, 14, "na-legal"),
    flyer("Tabloid - Landscape", 17, 11, "Tabloid"),
    flyer("Tabloid - Portrait", 11, 17, "Tabloid"),
    flyer("Tabloid Oversize - Landscape", 18, 12, "Tabloid Oversize"),
    flyer("Tabloid Oversize - Portrait", 12, 18, "Tabloid Oversize"),
    flyer("A3 - Landscape", 16.5, 11.7, "A3"),
    flyer("A3 - Portrait", 11.7, 16.5, "A3"),
    flyer("A4 - Landscape", 11.7, 8.3, "A4"),
    flyer("A4 - Portrait", 8.3, 11.7, "A4"),
    flyer("A5 - Landscape", 8.3, 5.8, "A5"),
    flyer("A5 - Portrait", 5.8, 8.3, "A5"),
    flyer("B5 - Landscape", 9.8, 6.9, "B5"),
    flyer("B5 - Portrait", 6.9, 9.8, "B5"),
    flyer("US Letter - Landscape HD", 11, 8.5, "na-letter"),
    flyer("US Letter - Portrait HD", 8.5, 11, "na-letter"),
    flyer("US Legal - Landscape HD", 14, 8.5, "na-legal"),
    flyer("US Legal - Portrait HD", 8.5, 14, "na-legal"),
    flyer("A4 - Landscape HD", 11.7, 8.3, "A4"),
    flyer("A4 - Portrait HD", 8.3, 11.7, "A4"),
    flyer("3.5\" x 4.3\" HD", 3.5, 4.3, "na-letter"),
    flyer("4.3\" x 3.5\" HD", 4.3, 3.5, "na-letter"),
    flyer("4.25\" x 5.5\" HD", 4.25, 5.5, "na-letter"),
    flyer("5.5\" x 4.25\" HD", 5.5, 4.25, "na-letter"),
    flyer("4.15\" x 5.85\" HD", 4.15, 5.85, "A4"),
    flyer("5.85\" x 4.15\" HD", 5.85, 4.15, "A4"),
    flyer("5.5\" x 8.5\" HD", 5.5, 8.5, "na-letter"),
    flyer("8.5\" x 5.5\" HD", 8.5, 5.5, "na-letter"),
    flyer("4.75\" x 4.75\" HD", 4.75, 4.75, "na-letter"),
    flyer("5\" x 7\" HD", 5, 7, "na-letter"),
    flyer("7\" x 5\" HD", 7, 5, "na-letter"),
    flyer("6\" x 11\" HD", 6, 11, "na-letter"),
    flyer("11\" x 6\" HD", 11, 6, "na-letter"),
    flyer("6\" x 6\" HD", 6, 6, "na-letter"),
    flyer("7\" x 7\" HD", 7, 7, "na-letter"),
    flyer("8\" x 8\" HD", 8, 8, "na-letter"),
    flyer("12\" x 12\" HD", 12, 12, "na-letter"),
    flyer72("US Letter - Landscape - 72 DPI", 11, 8.5, "na-letter"),
    flyer72("US Letter - Portrait - 72 DPI", 8.5, 11, "na-letter"),
    flyer72("US Legal - Portrait - 72 DPI", 8.5, 14, "na-legal"),
    flyer72("US Legal - Landscape - 72 DPI", 14, 8.5, "na-legal"),
    flyer72("A4 - Landscape - 72 DPI", 11.7, 8.3, "A4"),
    flyer72("A4 - Portrait - 72 DPI", 8.3, 11.7, "A4"),
    envelope("Envelope #10 4.125\" x 9.5\"", 9.5, 4.125, "na-number-10-envelope"),
    envelope("Envelope DL 4.4\" x 8.8\"", 8.8, 4.4, "iso-designated-long-envelope"),
    envelope("Monarch 3.875\" x 7.5\"", 7.5, 3.875, "monarch-envelope"),
    envelope("Envelope #9 3.875\" x 8.875\"", 8.875, 3.875, "na-number-9-envelope"),
};
// clang-format on

// Truncated, not rounded, and formed in 32-bit float arithmetic: 0.6666 in at 300 gives 199.
int canvasPixels(float inches, float pixelFactor)
{
    return static_cast<int>(inches * pixelFactor);
}

std::shared_ptr<const LabelHelper> makeSheet(const SheetRow& row)
{
    auto sheet = std::make_shared<LabelHelper>();
    sheet->setPrintObjectType(QString::fromUtf8(row.type));
    sheet->setPrintDescription(QString::fromUtf8(row.description));
    sheet->setPrintNumOfColumnsPerSheet(row.columns);
    sheet->setPrintNumOfRowsPerSheet(row.rows);
    sheet->setPrintSingleLabelHeightInch(row.height);
    sheet->setPrintSingleLabelWidthInch(row.width);
    sheet->setPrintLabelColumnSpacingInch(row.columnGap);
    sheet->setPrintLabelRowSpacingInch(row.rowGap);
    sheet->setPrintSheetTopMarginInch(row.topMargin);
    sheet->setPrintSheetBottomMarginInch(row.bottomMargin);
    sheet->setPrintSheetLeftMarginInch(row.leftMargin);
    sheet->setPrintSheetRightMarginInch(row.rightMargin);
    sheet->setCanvasWidth(canvasPixels(row.width, row.pixelFactor));
    sheet->setCanvasHeight(canvasPixels(row.height, row.pixelFactor));
    sheet->setPaperSize(QString::fromUtf8(row.paperSize));
    sheet->setCanvasPixelFactor(row.pixelFactor);
    return sheet;
}

} // namespace

PrintSheetList& printSheetCatalogue()
{
    static PrintSheetList theCatalogue;
    return theCatalogue;
}

void loadPrintLabels()
{
    PrintSheetList catalogue;
    catalogue.reserve(std::size(kSheets));
    for (const auto& row : kSheets)
        catalogue.append(makeSheet(row));
    printSheetCatalogue() = std::move(catalogue);
}

} // namespace DataCentre
