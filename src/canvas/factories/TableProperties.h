#pragma once

#include "model/GraphicPropertyDictionary.h"
#include "model/records/myTextView.h"

#include <memory>

class SKTTable;

// What the table factories share: the dictionary of a plain table and the font of a cell.
namespace TableProperties {

// A table of `columns` x `rows` cells with a solid black border of 1, `padding` apart.
GraphicPropertyDictionary plainTable(const QRectF& bounds, int columns, int rows, int padding,
                                     const myTextViewList& cells);
std::shared_ptr<SKTTable> newTable(const GraphicPropertyDictionary& properties);
// The family and size the cell's text is drawn and written in, on the record and its text view alike.
void setCellFont(myTextView& cell, const QString& family, int size);

} // namespace TableProperties
