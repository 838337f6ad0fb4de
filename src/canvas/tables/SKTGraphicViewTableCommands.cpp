#include "canvas/view/SKTGraphicView.h"

#include "canvas/tables/TableStructure.h"
#include "document/core/DocumentWindow.h"
#include "document/core/GraphicClasses.h"
#include "model/SKTTable.h"
#include "platform/Alert.h"
#include "profile/DataCentre.h"

#include <QAction>
#include <QSet>

// The table submenu of the canvas's context menu: joining two tables, turning a table on its side, and
// moving, inserting and deleting the row or column of the cell under the last touch point.

namespace {

using TableStructure::Axis;

struct JoinRefusal {
    const char* message;
    const char* informative;
};

const JoinRefusal kColumnsDiffer = {"Table columns not the same",
                                    "Only tables with the same number of columns can be joined vertically"};
const JoinRefusal kRowsDiffer = {"Table rows are not the same",
                                 "Only tables with the same number of rows can be joined horizontally"};

std::shared_ptr<SKTTable> asTable(const std::shared_ptr<SKTGraphic>& graphic)
{
    return std::dynamic_pointer_cast<SKTTable>(graphic);
}

} // namespace

std::shared_ptr<myTextView> SKTGraphicView::createNewTableCell()
{
    return TableStructure::createNewTableCell();
}

SitePageList SKTGraphicView::sitePages() const
{
    // The window the canvas sits in, else the one its document answers to.
    const DocumentWindow* window = dynamic_cast<const DocumentWindow*>(this->window());
    if (!window && m_document)
        window = m_document->windowController();
    return window ? window->sitePages() : SitePageList();
}

void SKTGraphicView::refreshTable()
{
    if (const std::shared_ptr<SKTTable> table = asTable(m_workingState.selectedTable))
        TableStructure::refreshTable(*table);
}

void SKTGraphicView::tableEditMenu() {}

namespace {

// The selected table and the spot of the cell under the last touch point along the axis; no table when
// the point lies on no cell.
struct CurrentCell {
    std::shared_ptr<SKTTable> table;
    int spot = 0;
};

CurrentCell currentCell(const std::shared_ptr<SKTGraphic>& selected, const QPointF& touch, Axis axis)
{
    const std::shared_ptr<SKTTable> table = asTable(selected);
    if (!table)
        return {};
    const int row = table->grabRowSpot(touch.x(), touch.y());
    const int column = table->grabColumnSpot(touch.x(), touch.y());
    const std::shared_ptr<myTextView> cell = table->grabSelectedTableCellHelper(row, column);
    if (!cell)
        return {};
    return {table, axis == Axis::Rows ? cell->rowSpot() : cell->columnSpot()};
}

// Moves the current row (column) by `step` when that keeps it inside the table.
void moveCurrent(const CurrentCell& current, Axis axis, int step)
{
    if (!current.table)
        return;
    const int count = axis == Axis::Rows ? current.table->numOfRows() : current.table->numOfColumns();
    const int target = current.spot + step;
    if (target < 0 || target >= count)
        return;
    TableStructure::exchange(*current.table, axis, current.spot, target, DataCentre::profile().tableImages);
}

// Runs the structure command on the row (column) of the current cell, when there is one.
template <class Command> void onCurrentCell(const SKTGraphicView& canvas, Axis axis, Command command)
{
    if (const CurrentCell current = currentCell(canvas.selectedTable(), canvas.lastTouchPoint(), axis);
        current.table)
        command(*current.table, axis, current.spot);
}

} // namespace

void SKTGraphicView::moveTableRowUp()
{
    moveCurrent(currentCell(m_workingState.selectedTable, m_lastTouchPoint, Axis::Rows), Axis::Rows, -1);
}

void SKTGraphicView::moveTableRowDown()
{
    moveCurrent(currentCell(m_workingState.selectedTable, m_lastTouchPoint, Axis::Rows), Axis::Rows, 1);
}

void SKTGraphicView::moveTableRowLeft()
{
    moveCurrent(currentCell(m_workingState.selectedTable, m_lastTouchPoint, Axis::Columns), Axis::Columns,
                -1);
}

void SKTGraphicView::moveTableRowRight()
{
    moveCurrent(currentCell(m_workingState.selectedTable, m_lastTouchPoint, Axis::Columns), Axis::Columns, 1);
}

void SKTGraphicView::insertTableRow()
{
    onCurrentCell(*this, Axis::Rows, TableStructure::insertAt);
}

void SKTGraphicView::insertTableColumn()
{
    onCurrentCell(*this, Axis::Columns, TableStructure::insertAt);
}

void SKTGraphicView::deleteTableRow()
{
    onCurrentCell(*this, Axis::Rows, TableStructure::deleteAt);
}

void SKTGraphicView::deleteTableColumn()
{
    onCurrentCell(*this, Axis::Columns, TableStructure::deleteAt);
}

void SKTGraphicView::transformTable()
{
    if (const std::shared_ptr<SKTTable> table = asTable(m_workingState.selectedTable))
        TableStructure::transform(*table, DataCentre::profile().tableImages);
}

namespace {

// Joins the first selected table onto the second; the first then leaves the page as an undoable step.
void joinSelectedTables(SKTGraphicView& canvas, Axis axis, const JoinRefusal& refusal)
{
    const GraphicList selection = canvas.selectedGraphics();
    if (selection.size() != 2)
        return;
    const std::shared_ptr<SKTTable> from = asTable(selection.first());
    const std::shared_ptr<SKTTable> into = asTable(selection.last());
    if (!from || !into)
        return;
    if (!TableStructure::join(*from, *into, axis)) {
        Alert alert(SKTGraphicView::tr(refusal.message), SKTGraphicView::tr(refusal.informative),
                    {SKTGraphicView::tr("OK")});
        alert.style = Alert::Warning;
        alert.runModal(canvas.window());
        return;
    }
    canvas.mutableGraphics().removeGraphicAtIndex(int(canvas.graphics().indexOf(from)));
}

} // namespace

void SKTGraphicView::joinTablesVertically()
{
    joinSelectedTables(*this, Axis::Rows, kColumnsDiffer);
}

void SKTGraphicView::joinTablesHorizontally()
{
    joinSelectedTables(*this, Axis::Columns, kRowsDiffer);
}
