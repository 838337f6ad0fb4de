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

// The structure commands treat rows and columns alike: `Rows` works on row spots and counts, `Columns` on
// column spots and counts.
enum class Axis { Rows, Columns };

// Inserts a row (column) at spot k: a new one, styled after the last, stands where k stood, and k and the
// ones after it move on by one, their pictures with them.
void insertAt(SKTTable& table, Axis axis, int k);
// Deletes row (column) k and its pictures; the ones after it move back by one. A table keeps its last row
// and column: answers false and changes nothing then.
bool deleteAt(SKTTable& table, Axis axis, int k);
// Exchanges rows (columns) k and t, their pictures too when `withPictures`; every cell then takes the
// size of its row and column again.
void exchange(SKTTable& table, Axis axis, int k, int t, bool withPictures);
// Rows become columns and columns rows, pictures too when `withPictures`; the frame stays.
void transform(SKTTable& table, bool withPictures);
// The cells and pictures of `from` go below (Rows) or to the right of (Columns) those of `into`, which
// grows by `from`'s size. Answers false and changes nothing when their column (row) counts differ.
bool join(SKTTable& from, SKTTable& into, Axis axis);

} // namespace TableStructure
