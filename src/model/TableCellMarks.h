#pragma once

#include "model/records/myTextView.h"

// What a click on a table asks of the table graphic in products that mark table cells: its cell records,
// the cell under the last touch point, and the taking over of a marked cell's style. The table kind
// implements it; the canvas reaches it without knowing the kind.
class TableCellMarks {
public:
    virtual ~TableCellMarks() = default;

    // One record per cell; a cell's `selected` flag is its mark.
    virtual myTextViewList cellHelperArray() const = 0;
    // The cell under the last touch point; null when none is.
    virtual std::shared_ptr<myTextView> grabCurrentTableCellHelper() const = 0;
    // Copies the cell's style into the table's own style properties, which the inspector shows.
    virtual void reflectSelectedCellProperties(const myTextView& cell) = 0;
};
