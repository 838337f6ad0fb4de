#pragma once

#include "model/records/myTextView.h"

class SKTTable;

// Keeping a table's cells in line with its row and column counts.
namespace TableStructure {

// A new cell with the default text style: "Helvetica Neue" 15, text "4f4c4c" on clear, a solid black
// border of 1, left-aligned, line spacing 1.2, spacings in pixels. Its spot and size are the caller's.
std::shared_ptr<myTextView> createNewTableCell();

// The largest row (column) spot among the cells; -1 for no cells.
int findMaxRowSpot(const myTextViewList& cells);
int findMaxColumnSpot(const myTextViewList& cells);

// Removes the cells outside the counts, adds the missing rows (over the existing columns) and then the
// missing columns (over every row), each new cell styled after its neighbour above or to the left, and
// sizes the table to its cells (a section of a responsive product to the section width).
void refreshTable(SKTTable& table);

} // namespace TableStructure
