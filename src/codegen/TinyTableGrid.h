#pragma once

#include "codegen/CodeWidgetHelper.h"
#include "platform/Accessors.h"

#include <QRectF>

#include <memory>

// One square of the layout table laid over a section column when the column's content is written as an
// HTML table. The squares of a column are made row by row, each row from column 0, all of one size; the
// squares where items start then take the item's code and their spans, and the squares those spans cover
// are skipped. Every field starts at 0, false or none.
class TinyTableGrid {
    VELK_STORED_FIELD(int, rowIndex, setRowIndex, )
    VELK_STORED_FIELD(int, columnIndex, setColumnIndex, )
    VELK_STORED_FIELD(bool, hasContentFlag, setHasContentFlag, )
    // The code of the item that starts in this square; none where no item starts.
    VELK_STORED_FIELD(std::shared_ptr<CodeWidgetHelper>, codeWidgetHelpder, setCodeWidgetHelpder, )
    VELK_STORED_FIELD(int, rowspan, setRowspan, )
    VELK_STORED_FIELD(int, colspan, setColspan, )
    VELK_STORED_FIELD(bool, skipFlag, setSkipFlag, )
    VELK_STORED_FIELD(QRectF, gridRect, setGridRect, )
};
