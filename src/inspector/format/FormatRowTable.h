#pragma once

#include "model/SKTGraphic.h"

#include <QList>
#include <QString>
#include <QStringList>

// One option row of the Format tab: what it shows, which kinds of selected object it serves and for which
// products (catalogue keys, "All" for every product) it exists.
struct FormatRowEntry {
    int number; // 1 to 34, the table and display order
    QString title;
    QString description;
    QString imageName;
    // Colour rows carry their colour button's name, the mask row "ImageMask", the others "velk_textbox".
    QString dragAndDropCodeName;
    QStringList typeArray;
    QStringList supportedAppArray;
    int iconViewHeight;
};

// The 34 rows, in order.
const QList<FormatRowEntry>& formatRowTable();

// Row numbers that other parts of the inspector look for.
namespace FormatRows {
inline constexpr int kBorderColor = 16;
inline constexpr int kCanvasColor = 22;
} // namespace FormatRows

// The title and description the border colour row takes while a line is selected.
inline constexpr QLatin1StringView kLineColorTitle{"Color - Line"};
inline constexpr QLatin1StringView kLineColorDescription{"Controls color of selected line."};

// The kind name a selected graphic goes by: "Text", "Image", "Line", "Section", "Table", "Slideshow",
// "Gallery", or "" for kinds no row serves (rectangles, circles).
QString formatKindOf(const SKTGraphic& graphic);
// One kind per selected graphic, in order; "Canvas" alone when nothing is selected.
QStringList formatKinds(const GraphicList& selected);

// What decides the rows besides the kinds: the product's catalogue key, whether it is a responsive
// designer, and its display name.
struct FormatRowProduct {
    QString objectCatalogName;
    bool responsiveDesign = false;
    QString productDisplayName;
};

// The numbers of the rows shown for the kinds, in table order. A row shows when one of the kinds is among
// those it serves and its products hold the product's key or "All". In a responsive product an image
// takes the border rows away (the border colour row only while no line retitles it) and, in the responsive
// e-mail designer, a section the margin row; a later kind the row serves brings it back.
QList<int> chooseFormatRows(const QStringList& kinds, const FormatRowProduct& product);

// The header over the rows for the number of selected graphics.
QString formatHeaderText(qsizetype selectedCount);
