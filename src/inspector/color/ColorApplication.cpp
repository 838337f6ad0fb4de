#include "inspector/color/ColorApplication.h"

#include "model/ColorTarget.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

namespace ColorApplication {

namespace {

bool isClear(const QString& colorString)
{
    return colorString == DataCentre::kClearColorString;
}

// Text and borders cannot be transparent: they show black for the clear swatch.
QColor opaqueColorOfSwatch(const QString& colorString)
{
    return isClear(colorString) ? QColor(Qt::black) : colorOfSwatch(colorString);
}

// The targets of text boxes and tables; `table` is null for a text box.
void applyToTextOrTable(SKTGraphic& graphic, SKTText* text, SKTTable* table, int target, const QString& s)
{
    switch (target) {
    case ColorTarget::Text:
        graphic.setFontColor(opaqueColorOfSwatch(s));
        graphic.setTextHexColorString(s);
        if (text)
            text->refreshStyle();
        else
            table->updateTextColor();
        break;
    case ColorTarget::HoverBackground:
        graphic.setHoverColorString(s);
        if (table)
            table->updateHoverBackgroundColor();
        break;
    case ColorTarget::HoverText:
        graphic.setHoverTextColorString(s);
        if (table)
            table->updateHoverTextColor();
        break;
    case ColorTarget::Border:
        graphic.setBorderColor(opaqueColorOfSwatch(s));
        graphic.setBorderHexColorString(s);
        if (text)
            text->refreshStyle();
        else
            table->updateBorderColor();
        break;
    default:
        graphic.setFillColor(colorOfSwatch(s));
        graphic.setBackgroundHexColorString(s);
        if (table)
            table->updateBackgroundColor();
        break;
    }
}

} // namespace

QColor colorOfSwatch(const QString& colorString)
{
    return isClear(colorString) ? QColor(Qt::transparent) : DataCentre::colorWithHexString(colorString);
}

GraphicList applyPickedColor(int target, const QString& colorString, const GraphicList& graphics)
{
    GraphicList changed;
    if (target == ColorTarget::Canvas)
        return changed;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        auto* text = dynamic_cast<SKTText*>(graphic.get());
        auto* table = dynamic_cast<SKTTable*>(graphic.get());
        if (text || table) {
            applyToTextOrTable(*graphic, text, table, target, colorString);
        } else if (target == ColorTarget::Border &&
                   (dynamic_cast<SKTLine*>(graphic.get()) || dynamic_cast<SKTImage*>(graphic.get()))) {
            graphic->setBorderColor(opaqueColorOfSwatch(colorString));
            graphic->setBorderHexColorString(colorString);
        } else {
            continue;
        }
        changed.append(graphic);
    }
    return changed;
}

} // namespace ColorApplication
