#pragma once

#include <QString>

class QColor;
class QPen;

// The border styles that lines and text boxes stroke: "solid", "dashed" (dashes and gaps three line widths
// long) and "dotted" (one line width). Any other style strokes nothing.
namespace BorderStroke {

struct Style {
    const char* name;
    // Dash and gap as multiples of the line width; 0 for a solid line.
    double dash;
};

// The style of the name, compared exactly; null for a style that strokes nothing.
const Style* styleNamed(const QString& name);

// The pen of a style at the width; its dashes start one point in.
QPen pen(const QColor& color, double width, const Style& style);

} // namespace BorderStroke
