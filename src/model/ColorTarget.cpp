#include "model/ColorTarget.h"

#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

namespace ColorTarget {

namespace {
int g_selectedColorType = ShapeFill;
} // namespace

int selectedColorType()
{
    return g_selectedColorType;
}

void setSelectedColorType(int target)
{
    g_selectedColorType = target;
}

std::optional<QColor> paletteColor(int index)
{
    const QStringList& palette = DataCentre::profile().colorPalette;
    if (index < 0 || index >= palette.size() || palette.at(index) == DataCentre::kClearColorString)
        return std::nullopt;
    return DataCentre::colorWithHexString(palette.at(index));
}

} // namespace ColorTarget
