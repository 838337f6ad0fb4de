#pragma once

#include "codegen/CodeWidgetHelper.h"
#include "codegen/widgets/WidgetTable.h"

#include <QString>

#include <optional>

// The grid web components of a page: Bootstrap 3 navigation bars, the drop-down menu, the collapsible
// panels, the text carousel of quotations and the photo with a hover caption, each written from its table.
// These are the page document's generators of those kinds.
namespace WidgetCode {

// Navigation: no widget for a table without cells; the record has the markup, the CSS, an empty script
// and the table's y, but no frame. The fixed bars put the bare colour strings after "#"; the others write
// "transparent" for a "CLEAR0" background.
std::optional<CodeWidgetHelper> generateDropdownmenu(const WidgetTable& table);
std::optional<CodeWidgetHelper> generateNavBar_centered(const WidgetTable& table);
std::optional<CodeWidgetHelper> generateNavBar_Fixed(const WidgetTable& table);
std::optional<CodeWidgetHelper> generateNavBar_Fixed_Centered(const WidgetTable& table);
// Written from the responsive text code of its cells; the record is part of its table.
std::optional<CodeWidgetHelper> generateNavBar(const WidgetTable& table);

// Panels, carousel and caption: records with the table's frame, part of their table.
std::optional<CodeWidgetHelper> generateCollapsibleTextPanel(const WidgetTable& table);
std::optional<CodeWidgetHelper> generateTextCarousel(const WidgetTable& table);
std::optional<CodeWidgetHelper> generateCollapsibleImagePanel(const WidgetTable& table);
std::optional<CodeWidgetHelper> generatePhoto_Hover_Caption(const WidgetTable& table);

using Generator = std::optional<CodeWidgetHelper> (*)(const WidgetTable&);
// The generator of a table's grid type; none for sections and plain table grids.
Generator generatorForGridType(const QString& gridType);

} // namespace WidgetCode
