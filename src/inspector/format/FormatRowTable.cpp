#include "inspector/format/FormatRowTable.h"

#include "model/SKTGalleryGrid.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"

#include <QObject>

namespace {

constexpr int kRowHeight = 100;
constexpr int kBoxModelRowHeight = 160;

const QString kTextboxCode = QStringLiteral("velk_textbox");
constexpr QLatin1StringView kResponsiveEmailDesigner{"Brevold Responsive Email Designer"};

QStringList listA()
{
    return {"Velk",   "Chart",        "Label",   "Flyer",        "Mail",
            "Markup", "LummetMarkup", "Manual",  "Crovane",      "GreetingCard",
            "QuorvikVirAvivu", "MarkupExpress"};
}
QStringList listB()
{
    return listA() << "Tazmir";
}
QStringList listC()
{
    QStringList list = listA();
    list.removeAll(QStringLiteral("Mail"));
    return list;
}
QStringList listD()
{
    QStringList list = listC();
    list.removeAll(QStringLiteral("Chart"));
    return list;
}

QList<FormatRowEntry> makeTable()
{
    const QStringList all = {"All"};
    const QStringList textTable = {"Text", "Table"};
    const QStringList webProducts = {"Velk", "Tazmir", "Forms"};
    const QString colorIcon = QStringLiteral("color_paint");
    const QString shadowText = QStringLiteral("Controls shadow applied to objects.");
    QList<FormatRowEntry> rows = {
        {1, "Position and Size", "Object origin axis and dimensions, measured in pixels.", "width_x_height",
         kTextboxCode, {"Text", "Image", "Table", "Section", "Slideshow", "Gallery"}, listA(), kRowHeight},
        {2, "Padding", "Padding space, measured in pixels or percent.", "width_x_height", kTextboxCode,
         {"Section", "Text"}, {"Tazmir", "Mail"}, kBoxModelRowHeight},
        {3, "Margin", "Margin space, measured in pixels or percent.", "width_x_height", kTextboxCode,
         {"Section", "Text", "Table"}, {"Tazmir", "Mail"}, kBoxModelRowHeight},
        {4, "Section Column Buffer", "Buffer spacing between section columns", "rotate", kTextboxCode,
         {"Section"}, {"Tazmir"}, kRowHeight},
        {5, "Section ID", "Unique ID, used to reference section in page anchors and JavaScripts", "rotate",
         kTextboxCode, {"Section"}, {"Tazmir"}, kRowHeight},
        {6, "Initial Launch State", "Set to \"Hidden\" if section is to be manually shown through user click.",
         "rotate", kTextboxCode, {"Section"}, {"Tazmir"}, kRowHeight},
        {7, "Image Mask", "Applies mask to selected photo, only areas within the mask shape will be visible.",
         "mask", "ImageMask", {"Image"}, listD(), kRowHeight},
        {8, "Position Lock",
         "Pins down object position, so it's no longer movable.  Unlock to reposition when needed.",
         "scroll_lock", kTextboxCode, {"Text", "Image", "Table", "Slideshow", "Gallery", "Line"},
         {"Velk", "Forms", "Flyer", "Markup", "MarkupExpress", "Manual"}, kRowHeight},
        {9, "Font Style and Font Size", "Selected text box font style and font size.", "font_style",
         kTextboxCode, textTable, all, kRowHeight},
        {10, "Text Alignment", "Selected text box paragraph alignment", "alignment_left", kTextboxCode,
         textTable, all, kRowHeight},
        {11, "Text Vertical Alignment", "Selected text box paragraph alignment", "alignment_left", kTextboxCode,
         textTable,
         {"Tazmir", "Mail", "Crovane", "Manual", "Flyer", "QuorvikVirAvivu", "Markup", "MarkupExpress",
          "GreetingCard", "Label", "Chart", "AllMyWendrils2"},
         kRowHeight},
        {12, "Color - Text", "Controls text color", colorIcon, "selectedTextColorButton", textTable, all,
         kRowHeight},
        {13, "Color - Shape", "Controls background color of selected object", colorIcon,
         "selectedShapeColorButton", {"Text", "Table", "Section"}, all, kRowHeight},
        {14, "Color - Hover Text",
         "Control text hover color, text changes to this color when mouse hovers over it on the published page",
         colorIcon, "selectedHoverTextColorButton", textTable, webProducts, kRowHeight},
        {15, "Color - Hover Shape",
         "Controls shape or text box hover color, color changes when mouse hovers over it on the published "
         "page",
         colorIcon, "selectedHoverColorButton", textTable, webProducts, kRowHeight},
        {16, "Color - Border",
         "Controls border color of selected object.  Applies to text boxes, shapes, images and table cells.",
         colorIcon, "selectedBorderColorButton", {"Text", "Table", "Image", "Line"}, listA(), kRowHeight},
        {17, "Border Type", "Controls selected object border type.", "border_icon", kTextboxCode,
         {"Text", "Image", "Table"}, listB(), kRowHeight},
        {18, "Border Thickness", "Controls selected object border thickness.", "border_icon", kTextboxCode,
         {"Text", "Table", "Image"}, listB(), kRowHeight},
        {19, "Line Thickness", "Controls thickness of selected line object.", "border_icon", kTextboxCode,
         {"Line"}, all, kRowHeight},
        {20, "Line Pattern", "Controls pattern of selected line object.", "border_icon", kTextboxCode, {"Line"},
         all, kRowHeight},
        {21, "Line Spacing", "Controls spacing between lines of text in a paragraph.", "lineSpacing",
         kTextboxCode, textTable, listA(), kRowHeight},
        {22, "Color - Background", "Canvas background color", colorIcon, "canvasColorButton", {"Canvas"}, all,
         kRowHeight},
        {23, "Corner Radius",
         "Controls the \"roundness\" of shapes and text boxes.  Set to value greater than zero for rounded "
         "corners.",
         "corner_radius", kTextboxCode, textTable, listB(), kRowHeight},
        {24, "Opacity", "Controls level of object transparency.  Set to 1.0 for full solid color.",
         "opacity_icon", kTextboxCode, {"Text", "Image", "Table", "Line"}, listB(), kRowHeight},
        {25, "Reflection Level", "Image special effect.  Controls percentage of image reflected.", "reflection",
         kTextboxCode, {"Image"}, listA(), kRowHeight},
        {26, "Shadow", shadowText, "shadows", kTextboxCode, {"Text", "Image", "Table"}, listC(), kRowHeight},
        {27, "Shadow Blur", shadowText, "shadows", kTextboxCode, {"Text", "Table", "Image"}, listC(),
         kRowHeight},
        {28, "Shadow Horizontal Distance", shadowText, "shadows", kTextboxCode, {"Text", "Table", "Image"},
         listC(), kRowHeight},
        {29, "Shadow Vertical Distance", shadowText, "shadows", kTextboxCode, {"Text", "Table", "Image"},
         listC(), kRowHeight},
        {30, "Hyperlink",
         "Adds a link to selected object.  Link is activated when the object is clicked or tapped upon in "
         "published page.",
         "link_icon", kTextboxCode, {"Text", "Image"}, webProducts, kRowHeight},
        {31, "Link Launch Window",
         "Choose \"self\" to launch in existing window, \"new\" to launch in new window.  If embedded, set to "
         "\"parent\" to launch in parent window.",
         "link_icon", kTextboxCode, {"Text", "Image"}, webProducts, kRowHeight},
        {32, "Image Tooltip", "Short description that pops up when the image is hovered upon.", "photo_icon",
         kTextboxCode, {"Image"}, webProducts, kRowHeight},
        {33, "Scroll Lock",
         "Object position will be fixed to the screen, scrolling (both horizontal and vertical) will no longer "
         "affect object.",
         "scroll_lock", kTextboxCode, {"Text", "Image", "Table", "Slideshow", "Gallery"}, {"Velk", "Forms"},
         kRowHeight},
        {34, "Rotation", "Controls selected object rotation angle.", "rotate", kTextboxCode, {"Text", "Image"},
         listD(), kRowHeight},
    };
    return rows;
}

bool hidesForResponsiveImage(int row, bool lineSelected)
{
    constexpr int kBorderType = 17;
    constexpr int kBorderThickness = 18;
    return row == kBorderType || row == kBorderThickness || (row == FormatRows::kBorderColor && !lineSelected);
}

} // namespace

const QList<FormatRowEntry>& formatRowTable()
{
    static const QList<FormatRowEntry> table = makeTable();
    return table;
}

QString formatKindOf(const SKTGraphic& graphic)
{
    if (dynamic_cast<const SKTText*>(&graphic))
        return QStringLiteral("Text");
    if (dynamic_cast<const SKTImage*>(&graphic))
        return QStringLiteral("Image");
    if (dynamic_cast<const SKTLine*>(&graphic))
        return QStringLiteral("Line");
    if (dynamic_cast<const SKTTable*>(&graphic))
        return graphic.gridType() == QLatin1String("section") ? QStringLiteral("Section")
                                                               : QStringLiteral("Table");
    if (dynamic_cast<const SKTSlideshow*>(&graphic))
        return QStringLiteral("Slideshow");
    if (dynamic_cast<const SKTGalleryGrid*>(&graphic))
        return QStringLiteral("Gallery");
    return QString(QLatin1String(""));
}

QStringList formatKinds(const GraphicList& selected)
{
    QStringList kinds;
    for (const std::shared_ptr<SKTGraphic>& graphic : selected)
        kinds.append(formatKindOf(*graphic));
    if (selected.isEmpty())
        kinds.append(QStringLiteral("Canvas"));
    return kinds;
}

QList<int> chooseFormatRows(const QStringList& kinds, const FormatRowProduct& product)
{
    constexpr int kMargin = 3;
    const QList<FormatRowEntry>& table = formatRowTable();
    const bool lineSelected = kinds.contains(QStringLiteral("Line"));
    QList<bool> used(table.size(), false);
    for (const QString& kind : kinds) {
        for (qsizetype i = 0; i < table.size(); ++i) {
            const FormatRowEntry& row = table.at(i);
            if (row.typeArray.contains(kind))
                used[i] = true;
            if (!product.responsiveDesign)
                continue;
            if (kind == QLatin1String("Image") && hidesForResponsiveImage(row.number, lineSelected))
                used[i] = false;
            if (row.number == kMargin && kind == QLatin1String("Section") &&
                product.productDisplayName == kResponsiveEmailDesigner)
                used[i] = false;
        }
    }
    QList<int> chosen;
    for (qsizetype i = 0; i < table.size(); ++i) {
        const QStringList& products = table.at(i).supportedAppArray;
        if (used.at(i) && (products.contains(product.objectCatalogName) || products.contains(QStringLiteral("All"))))
            chosen.append(table.at(i).number);
    }
    return chosen;
}

QString formatHeaderText(qsizetype selectedCount)
{
    if (selectedCount == 0)
        return QObject::tr("Nothing selected.\nSelect an object to format.");
    if (selectedCount == 1)
        return QObject::tr("%1 object selected").arg(selectedCount);
    return QObject::tr("%1 objects selected").arg(selectedCount);
}
