#pragma once

#include <QColor>

#include <optional>

// The colour target the inspector's colour buttons picked last; the text graphic's palette rules read it.
namespace ColorTarget {

enum : int { ShapeFill = 0, Text = 1, HoverBackground = 2, HoverText = 3, Canvas = 4, Border = 5 };

// The last picked target; ShapeFill until the inspector writes one.
int selectedColorType();
void setSelectedColorType(int target);

// The colour of entry `index` of the product's colour palette; none for an index outside the palette and for
// the transparent entry, which is no colour string.
std::optional<QColor> paletteColor(int index);

} // namespace ColorTarget
