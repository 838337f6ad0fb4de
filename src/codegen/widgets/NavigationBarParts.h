#pragma once

#include "codegen/CodeWidgetHelper.h"
#include "codegen/widgets/WidgetTable.h"

#include <QString>

#include <optional>

// What the navigation bars and the drop-down menu share: their colours, their opening and closing markup
// and their record.
namespace NavigationBarParts {

// The colours and font of a bar, from its style cell, as its CSS template takes them. The backgrounds are
// "#" and the colour string, or "transparent" for "CLEAR0", when `clearAsTransparent`; otherwise every
// colour is the bare colour string and the template puts "#" before it. A bar without a style cell takes
// Bootstrap's own look.
struct Style {
    QString hoverTextColor;
    QString hoverBackground;
    QString background;
    QString textColor;
    int fontSize = 14;
    QString family;
};
Style styleOf(const myTextView* styleCell, bool clearAsTransparent);

// The opening of the collapsing navigation bar: the toggle button, then, after `brand` (empty for none),
// the collapsing division and its list. Ids carry the bar's element number.
QString opening(int elementNumber);
QString openingWithBrand(int elementNumber, const QString& brand);

// The body from the opening and the entries: with `markers`, the entries stand between the markers of a
// navigation menu.
QString body(const QString& opening, const QString& entries, bool markers);

// The entries of row 0 from column `firstColumn` on, one linked item each.
QString linkEntries(const WidgetTable& table, int firstColumn);

// The record of a bar: no widget for a table without cells.
std::optional<CodeWidgetHelper> record(const WidgetTable& table, const QString& body, const QString& header);

} // namespace NavigationBarParts
