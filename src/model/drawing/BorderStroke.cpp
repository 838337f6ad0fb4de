#include "model/drawing/BorderStroke.h"

#include <QPen>

#include <algorithm>

namespace BorderStroke {

namespace {
constexpr Style kStyles[] = {{"solid", 0}, {"dashed", 3}, {"dotted", 1}};
} // namespace

const Style* styleNamed(const QString& name)
{
    const auto* it = std::find_if(std::begin(kStyles), std::end(kStyles),
                                  [&](const Style& style) { return name == QLatin1String(style.name); });
    return it == std::end(kStyles) ? nullptr : it;
}

QPen pen(const QColor& color, double width, const Style& style)
{
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (style.dash > 0) {
        // Qt counts dashes in line widths.
        pen.setDashPattern({style.dash, style.dash});
        pen.setDashOffset(1.0 / width);
    }
    return pen;
}

} // namespace BorderStroke
