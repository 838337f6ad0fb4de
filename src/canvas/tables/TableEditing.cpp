#include "canvas/tables/TableStructure.h"

#include "model/SKTTable.h"

#include <utility>

// The structure commands of tables. Cells and pictures are found by their spots, so moving a row or
// column is renumbering the spots of its cells and pictures.

namespace TableStructure {

namespace {

// Marks a spot while two rows or columns exchange theirs; it never stays in a table.
constexpr int kSwapping = -999;

template <class Record> int spotOf(const Record& record, Axis axis)
{
    return axis == Axis::Rows ? record.rowSpot() : record.columnSpot();
}

template <class Record> void setSpot(Record& record, Axis axis, int spot)
{
    if (axis == Axis::Rows)
        record.setRowSpot(spot);
    else
        record.setColumnSpot(spot);
}

int countOf(const SKTTable& table, Axis axis)
{
    return axis == Axis::Rows ? table.numOfRows() : table.numOfColumns();
}

void setCount(SKTTable& table, Axis axis, int count)
{
    if (axis == Axis::Rows)
        table.setNumOfRows(count);
    else
        table.setNumOfColumns(count);
}

Axis across(Axis axis)
{
    return axis == Axis::Rows ? Axis::Columns : Axis::Rows;
}

// Every record whose spot is `from` gets the spot `to`.
template <class Record>
void renumber(const QList<std::shared_ptr<Record>>& records, Axis axis, int from, int to)
{
    for (const std::shared_ptr<Record>& record : records) {
        if (record && spotOf(*record, axis) == from)
            setSpot(*record, axis, to);
    }
}

// Every record whose spot is at least `first` moves on by `step`.
template <class Record>
void shiftFrom(const QList<std::shared_ptr<Record>>& records, Axis axis, int first, int step)
{
    for (const std::shared_ptr<Record>& record : records) {
        if (record && spotOf(*record, axis) >= first)
            setSpot(*record, axis, spotOf(*record, axis) + step);
    }
}

template <class Record>
void exchangeSpots(const QList<std::shared_ptr<Record>>& records, Axis axis, int k, int t)
{
    renumber(records, axis, k, kSwapping);
    renumber(records, axis, t, k);
    renumber(records, axis, kSwapping, t);
}

template <class Record> void swapRowsAndColumns(const QList<std::shared_ptr<Record>>& records)
{
    for (const std::shared_ptr<Record>& record : records) {
        if (!record)
            continue;
        const int row = record->rowSpot();
        record->setRowSpot(record->columnSpot());
        record->setColumnSpot(row);
    }
}

} // namespace

void insertAt(SKTTable& table, Axis axis, int k)
{
    setCount(table, axis, countOf(table, axis) + 1);
    refreshTable(table);
    const int count = countOf(table, axis);
    // The new row (column) was added last; after the shift it lies beyond the count, and it takes k.
    shiftFrom(table.cellHelperArray(), axis, k, 1);
    renumber(table.cellHelperArray(), axis, count, k);
    shiftFrom(table.imageArray(), axis, k, 1);
    table.setImageArray(table.imageArray());
    table.refreshLayout();
}

bool deleteAt(SKTTable& table, Axis axis, int k)
{
    if (countOf(table, axis) <= 1)
        return false;
    myTextViewList cells = table.cellHelperArray();
    cells.removeIf(
        [&](const std::shared_ptr<myTextView>& cell) { return !cell || spotOf(*cell, axis) == k; });
    TransformViewList pictures = table.imageArray();
    pictures.removeIf([&](const std::shared_ptr<TransformView>& picture) {
        return !picture || spotOf(*picture, axis) == k;
    });
    shiftFrom(cells, axis, k + 1, -1);
    shiftFrom(pictures, axis, k + 1, -1);
    table.setCellHelperArray(cells);
    table.setImageArray(pictures);
    setCount(table, axis, countOf(table, axis) - 1);
    refreshTable(table);
    return true;
}

void exchange(SKTTable& table, Axis axis, int k, int t, bool withPictures)
{
    exchangeSpots(table.cellHelperArray(), axis, k, t);
    if (withPictures) {
        exchangeSpots(table.imageArray(), axis, k, t);
        table.setImageArray(table.imageArray());
    }
    table.alignCells();
    table.refreshLayout();
}

void transform(SKTTable& table, bool withPictures)
{
    swapRowsAndColumns(table.cellHelperArray());
    if (withPictures) {
        swapRowsAndColumns(table.imageArray());
        table.setImageArray(table.imageArray());
    }
    const int rows = table.numOfRows();
    table.setNumOfRows(table.numOfColumns());
    table.setNumOfColumns(rows);
    table.alignCells();
    table.refreshLayout();
}

bool join(SKTTable& from, SKTTable& into, Axis axis)
{
    if (countOf(from, across(axis)) != countOf(into, across(axis)))
        return false;
    const int offset = countOf(into, axis);
    shiftFrom(from.cellHelperArray(), axis, 0, offset);
    shiftFrom(from.imageArray(), axis, 0, offset);
    into.setCellHelperArray(into.cellHelperArray() + from.cellHelperArray());
    into.setImageArray(into.imageArray() + from.imageArray());
    setCount(into, axis, offset + countOf(from, axis));
    const QRectF bounds = into.bounds();
    const QSizeF grown = axis == Axis::Rows ? QSizeF(bounds.width(), bounds.height() + from.bounds().height())
                                            : QSizeF(bounds.width() + from.bounds().width(), bounds.height());
    into.setBounds(QRectF(bounds.topLeft(), grown));
    into.alignCells();
    into.refreshLayout();
    return true;
}

} // namespace TableStructure
