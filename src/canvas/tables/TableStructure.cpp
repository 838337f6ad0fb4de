#include "canvas/tables/TableStructure.h"

#include "canvas/factories/StandardCell.h"
#include "canvas/factories/TableProperties.h"
#include "model/SKTTable.h"
#include "profile/DataCentre.h"

#include <QTextDocument>

#include <algorithm>

namespace TableStructure {

namespace {

const QString kPixel = QStringLiteral("pixel");

// The style a new cell takes from its neighbour.
void copyStyle(myTextView& cell, const myTextView& from)
{
    cell.setColorString(from.colorString());
    cell.setBackgroundHexColorString(from.backgroundHexColorString());
    cell.setTextHexColorString(from.textHexColorString());
    cell.setTextColorString(from.textColorString());
    cell.setFamilyName(from.familyName());
    cell.setFontSize(from.fontSize());
    cell.setTextAlignment(from.textAlignment());
    cell.setBorderHexColorString(from.borderHexColorString());
}

int maxSpot(const myTextViewList& cells, int (myTextView::*spot)() const)
{
    int highest = -1;
    for (const std::shared_ptr<myTextView>& cell : cells)
        highest = std::max(highest, ((*cell).*spot)());
    return highest;
}

// A new cell at the spot, sized and styled; the template is the neighbour it copies, when there is one.
std::shared_ptr<myTextView> newCell(int row, int column, int width, int height,
                                    const std::shared_ptr<myTextView>& model)
{
    auto cell = createNewTableCell();
    cell->setRowSpot(row);
    cell->setColumnSpot(column);
    cell->setWidth(width);
    cell->setHeight(height);
    if (model)
        copyStyle(*cell, *model);
    return cell;
}

} // namespace

std::shared_ptr<myTextView> createNewTableCell()
{
    auto cell = myTextView::initWithFrame(QRectF());
    cell->setTextStorage(std::make_shared<QTextDocument>());
    applyPlainCellStyle(*cell);
    TableProperties::setCellFont(*cell, cell->familyName(), cell->fontSize());
    cell->setBorderWidth(1);
    cell->setBorderHexColorString(QStringLiteral("000000"));
    cell->setTextAlignment(QStringLiteral("left"));
    cell->setLineSpacing(1.2f);
    for (auto setter :
         {&myTextView::setTopMarginType, &myTextView::setBottomMarginType, &myTextView::setLeftMarginType,
          &myTextView::setRightMarginType, &myTextView::setTopPaddingType, &myTextView::setBottomPaddingType,
          &myTextView::setLeftPaddingType, &myTextView::setRightPaddingType})
        ((*cell).*setter)(kPixel);
    return cell;
}

int findMaxRowSpot(const myTextViewList& cells)
{
    return maxSpot(cells, &myTextView::rowSpot);
}

int findMaxColumnSpot(const myTextViewList& cells)
{
    return maxSpot(cells, &myTextView::columnSpot);
}

void refreshTable(SKTTable& table)
{
    const ProductProfile& profile = DataCentre::profile();
    myTextViewList cells = table.cellHelperArray();
    cells.removeIf([&](const std::shared_ptr<myTextView>& cell) {
        return !cell || cell->rowSpot() >= table.numOfRows() || cell->columnSpot() >= table.numOfColumns();
    });
    table.setCellHelperArray(cells);
    int maxRow = findMaxRowSpot(cells);
    int maxColumn = findMaxColumnSpot(cells);
    const int averageWidth = int(table.averageColumnWidth());
    const int averageHeight = int(table.averageRowHeight());

    while (maxRow < table.numOfRows() - 1) {
        const int row = maxRow + 1;
        const bool heightOfFirstRow = !profile.sameWidthTableColumns || table.sameHeightForAllRowsFlag();
        for (int column = 0; column <= maxColumn; ++column) {
            const std::shared_ptr<myTextView> above = table.grabSelectedTableCellHelper(maxRow, column);
            auto cell = newCell(row, column, table.grabColumnWidth(column),
                                heightOfFirstRow ? table.grabRowHeight(0) : averageHeight, above);
            cell->setFixedWidthFlag(above ? above->fixedWidthFlag() : 0);
            cells.append(cell);
        }
        table.setCellHelperArray(cells);
        // A table that had no cells at all gets its first column here.
        maxRow = std::max(row, findMaxRowSpot(cells));
        maxColumn = findMaxColumnSpot(cells);
    }
    while (maxColumn < table.numOfColumns() - 1) {
        const int column = maxColumn + 1;
        int width = table.grabColumnWidth(0);
        if (!table.sameWidthForAllColumnsFlag() && profile.sameWidthTableColumns)
            width = averageWidth;
        for (int row = 0; row <= maxRow; ++row) {
            const std::shared_ptr<myTextView> left = table.grabSelectedTableCellHelper(row, maxColumn);
            auto cell = newCell(row, column, width, table.grabRowHeight(row), left);
            cell->setFixedHeightFlag(left ? left->fixedHeightFlag() : 0);
            cells.append(cell);
        }
        table.setCellHelperArray(cells);
        maxRow = findMaxRowSpot(cells);
        maxColumn = std::max(column, findMaxColumnSpot(cells));
    }

    int width = table.tableTotalCellWidth();
    if (profile.responsiveDesign && table.gridType() == QLatin1String("section"))
        width = profile.sectionWidth;
    const QRectF bounds = table.bounds();
    table.setBounds(QRectF(bounds.x(), bounds.y(), width, table.tableTotalCellHeight()));
}

} // namespace TableStructure
