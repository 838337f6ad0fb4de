#pragma once

#include "codegen/CodeWidgetHelper.h"

#include <QList>
#include <QRectF>

class SKTTable;
struct PageCodeContext;

using CodeWidgetHelperList = QList<CodeWidgetHelper>;

// The responsive page is not placed by coordinates: each section becomes a fluid container with one
// Bootstrap row, each of its columns a Bootstrap column with its four column counts, and the code of every
// element lying in a column moves into it, its absolute position turned into margins. Products that write
// inline styles (e-mail) get the same arrangement as an HTML table of one cell per column.
namespace ResponsiveArrangement {

// The section's row with its columns and the records placed into them: body, header, script, form-mail
// pieces and the section's top as originY. `records` (the page's element records) is sorted by originY
// first; each record placed gets addedToGrid and its header, table header and body rewritten, and is never
// placed again.
CodeWidgetHelper arrangeResponsiveElements(const SKTTable& section, CodeWidgetHelperList& records,
                                           const PageCodeContext& page);

// Every record's originY from the top of its rect.
void populateSourceCodeArrayOriginY(CodeWidgetHelperList& records);
// Whether a column's background colour differs from the one before it.
bool doColumnsHaveDifferentBackgroundColors(const SKTTable& section);
// Whether no record lying in the column is higher (lower) than the item.
bool isThisTheTopMostItemInSection(const QRectF& item, const QRectF& column,
                                   const CodeWidgetHelperList& records);
bool isThisTheBottomMostItemInSection(const QRectF& item, const QRectF& column,
                                      const CodeWidgetHelperList& records);
// The first record in list order that lies in the column, is not placed yet and is lower than the item;
// the zero rectangle when none is.
QRectF grabRectOfNextItemInSection(const QRectF& item, const QRectF& column,
                                   const CodeWidgetHelperList& records);

} // namespace ResponsiveArrangement
