#include "canvas/view/SKTGraphicView.h"

#include "document/core/GraphicClasses.h"
#include "model/TableCellMarks.h"

namespace {

const QString kSectionGridType = QStringLiteral("section");

TableCellMarks* cellMarksOf(const std::shared_ptr<SKTGraphic>& graphic)
{
    return dynamic_cast<TableCellMarks*>(graphic.get());
}

// Setting the bounds a table has makes it lay its cells out again and redraw.
void layOutAndRedraw(SKTGraphic& table)
{
    table.setBounds(table.bounds());
}

} // namespace

bool SKTGraphicView::tableControlShown()
{
    const GraphicList selection = selectedGraphics();
    if (selection.size() != 1 || !GraphicClasses::isKindOfClass(*selection.first(), GraphicClasses::table) ||
        selection.first()->gridType() == kSectionGridType)
        return false;
    m_workingState.selectedTable = selection.first();
    return true;
}

GraphicList SKTGraphicView::tables() const
{
    return m_document ? m_document->tables() : GraphicList();
}

void SKTGraphicView::markSelectedTableCell()
{
    if (tableControlShown()) {
        TableCellMarks* table = cellMarksOf(m_workingState.selectedTable);
        if (const std::shared_ptr<myTextView> cell = table ? table->grabCurrentTableCellHelper() : nullptr) {
            if (cell->selected()) {
                cell->setSelected(false);
            } else {
                cell->setSelected(true);
                table->reflectSelectedCellProperties(*cell);
            }
        }
        layOutAndRedraw(*m_workingState.selectedTable);
        return;
    }
    for (const std::shared_ptr<SKTGraphic>& graphic : tables()) {
        TableCellMarks* table = cellMarksOf(graphic);
        if (!table)
            continue;
        for (const std::shared_ptr<myTextView>& cell : table->cellHelperArray()) {
            if (cell->selected()) {
                cell->setSelected(false);
                layOutAndRedraw(*graphic);
            }
        }
    }
}
