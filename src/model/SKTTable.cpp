#include "model/SKTTable.h"

#include "model/GraphicPropertyTable.h"
#include "model/sections/SectionLayout.h"
#include "model/text/SharedTextLayout.h"
#include "profile/DataCentre.h"

#include <QTextDocument>

#include <algorithm>

using namespace GraphicProperties;

namespace {

const QString kCellArrayKey = QStringLiteral("cellArray");
const QString kImageArrayKey = QStringLiteral("imageArray");
const QString kBackgroundArrayKey = QStringLiteral("tableBackgroundArray");
const QString kPlainTable = QStringLiteral("table");

// A cell at least this wide gives up its share when the table narrows; a narrower one keeps its width.
constexpr int kShrinkableWidth = 21;
// Nothing is ever narrower or lower than this, however far the table is narrowed.
constexpr int kSmallestExtent = 1;

template <class Record>
std::shared_ptr<Record> recordAt(const QList<std::shared_ptr<Record>>& records, int row, int column)
{
    for (const std::shared_ptr<Record>& record : records) {
        if (record && record->rowSpot() == row && record->columnSpot() == column)
            return record;
    }
    return nullptr;
}

// One cell's share of a change of the table's extent.
int resizedExtent(int extent, int share)
{
    if (share > 0)
        return extent + share;
    if (share < 0 && extent >= kShrinkableWidth)
        return std::max(kSmallestExtent, extent + share);
    return extent;
}

} // namespace

QString SKTTable::className() const
{
    return QStringLiteral("SKTTable");
}

std::shared_ptr<SKTGraphic> SKTTable::newGraphicOfSameKind() const
{
    return std::make_shared<SKTTable>();
}

// The records travel in the dictionary only from the page loader and the canvas's factories: a table that
// goes through the pasteboard keeps its grid type and counts and arrives without cells.
const GraphicPropertyTable& SKTTable::propertyTable() const
{
    using T = SKTTable;
    using namespace PropertyRows;
    static const GraphicPropertyTable table = [] {
        GraphicPropertyTable t = basePropertyTable();
        t.redraw(Redraw::Contents, {"borderStyle", "borderWidth", "borderHexColorString", "topPadding",
                                    "bottomPadding", "leftPadding", "rightPadding"});
        t << integer<T>("numOfColumns", &T::numOfColumns, &T::setNumOfColumns, 0).redrawing(Redraw::Contents)
          << integer<T>("numOfRows", &T::numOfRows, &T::setNumOfRows, 0).redrawing(Redraw::Contents)
          << integer<T>("padding", &T::padding, &T::setPadding, 0, Write::Never).redrawing(Redraw::Contents)
          << text<T>("gridType", &T::gridType, &T::setGridType, kPlainTable, Write::UnlessNone)
          << custom<T>("tableBackgroundArray",
                       [](T& g, const QVariant* v) {
                           const TransformViewList backgrounds =
                               v ? v->value<TransformViewList>() : TransformViewList();
                           g.setTableBackgroundArray(backgrounds);
                           g.setTableBackgroundImage(backgrounds.isEmpty() ? nullptr : backgrounds.first());
                       },
                       {})
                 .accessedBy(&T::tableBackgroundArray, &T::setTableBackgroundArray)
          << custom<T>("cellArray",
                       [](T& g, const QVariant* v) {
                           g.setCellHelperArray(v ? v->value<myTextViewList>() : myTextViewList());
                       },
                       {})
                 .accessedBy(&T::cellHelperArray, &T::setCellHelperArray)
          << custom<T>("imageArray",
                       [](T& g, const QVariant* v) {
                           g.setImageArray(v ? v->value<TransformViewList>() : TransformViewList());
                       },
                       {})
                 .accessedBy(&T::imageArray, &T::setImageArray)
                 .redrawing(Redraw::Contents);
        return t;
    }();
    return table;
}

bool SKTTable::initWithProperties(const GraphicPropertyDictionary& properties)
{
    if (!SKTGraphic::initWithProperties(properties))
        return false;
    if (!m_cellHelperArray.isEmpty() && m_cellHelperArray.first())
        takeStyleOfCell(*m_cellHelperArray.first());
    return true;
}

void SKTTable::setGridType(QString gridType)
{
    storeValue(m_gridType, std::move(gridType), QStringLiteral("gridType"));
}

void SKTTable::setCellHelperArray(const myTextViewList& cells)
{
    storeValue(m_cellHelperArray, cells, kCellArrayKey);
}

void SKTTable::setImageArray(const TransformViewList& images)
{
    storeValue(m_imageArray, images, kImageArrayKey);
}

void SKTTable::setTableBackgroundArray(const TransformViewList& backgrounds)
{
    storeValue(m_tableBackgroundArray, backgrounds, kBackgroundArrayKey);
}

void SKTTable::setTableBackgroundImage(std::shared_ptr<TransformView> image)
{
    storeValue(m_tableBackgroundImage, std::move(image), QStringLiteral("tableBackgroundImage"));
}

void SKTTable::setSelectedTextStorage(std::shared_ptr<QTextDocument> storage)
{
    storeValue(m_selectedTextStorage, std::move(storage), QStringLiteral("selectedTextStorage"));
}

// ---- Cells and pictures by spot

std::shared_ptr<myTextView> SKTTable::grabSelectedTableCellHelper(int row, int column) const
{
    return recordAt(m_cellHelperArray, row, column);
}

std::shared_ptr<TransformView> SKTTable::grabSelectedImageAtSpot(int row, int column) const
{
    return recordAt(m_imageArray, row, column);
}

std::shared_ptr<myTextView> SKTTable::grabFirstCellAtColumn(int column) const
{
    return grabSelectedTableCellHelper(0, column);
}

std::shared_ptr<myTextView> SKTTable::grabFirstCellAtRow(int row) const
{
    return grabSelectedTableCellHelper(row, 0);
}

int SKTTable::grabColumnWidth(int column) const
{
    const std::shared_ptr<myTextView> cell = grabFirstCellAtColumn(column);
    return cell ? cell->width() : 0;
}

int SKTTable::grabRowHeight(int row) const
{
    const std::shared_ptr<myTextView> cell = grabFirstCellAtRow(row);
    return cell ? cell->height() : 0;
}

QRect SKTTable::grabSelectedCellRect(int row, int column) const
{
    const int gap = padding() + borderWidth();
    const QRectF content = contentRect();
    int x = int(content.x());
    for (int k = 0; k < column; ++k)
        x += grabColumnWidth(k) + gap;
    int y = int(content.y());
    for (int k = 0; k < row; ++k)
        y += grabRowHeight(k) + gap;
    const std::shared_ptr<myTextView> cell = grabSelectedTableCellHelper(row, column);
    return cell ? QRect(x, y, cell->width(), cell->height()) : QRect(x, y, 0, 0);
}

std::optional<SKTTable::CellSpot> SKTTable::spotAt(double x, double y) const
{
    const int px = int(x);
    const int py = int(y);
    for (const std::shared_ptr<myTextView>& cell : m_cellHelperArray) {
        if (!cell)
            continue;
        const QRect r = grabSelectedCellRect(cell->rowSpot(), cell->columnSpot());
        // The edges at the smaller x and y belong to the cell, those at the larger do not.
        if (px >= r.x() && px < r.x() + r.width() && py >= r.y() && py < r.y() + r.height())
            return CellSpot{cell->rowSpot(), cell->columnSpot()};
    }
    return std::nullopt;
}

int SKTTable::grabRowSpot(double x, double y) const
{
    const std::optional<CellSpot> spot = spotAt(x, y);
    return spot ? spot->row : kNoNumber;
}

int SKTTable::grabColumnSpot(double x, double y) const
{
    const std::optional<CellSpot> spot = spotAt(x, y);
    return spot ? spot->column : kNoNumber;
}

QRect SKTTable::grabCurrentCellRect(double x, double y) const
{
    return grabSelectedCellRect(grabRowSpot(x, y), grabColumnSpot(x, y));
}

std::shared_ptr<myTextView> SKTTable::grabCurrentTableCellHelper() const
{
    const QPointF touch = getLastTouchPoint();
    const std::optional<CellSpot> spot = spotAt(touch.x(), touch.y());
    return spot ? grabSelectedTableCellHelper(spot->row, spot->column) : nullptr;
}

std::shared_ptr<QTextDocument> SKTTable::grabCurrentTextStorage() const
{
    const std::shared_ptr<myTextView> cell = grabCurrentTableCellHelper();
    return cell ? cell->textStorage() : nullptr;
}

QPoint SKTTable::grabNextSpot(int row, int column) const
{
    if (column < numOfColumns() - 1)
        return {row, column + 1};
    return {row + 1, 0};
}

int SKTTable::grabMaxNumToAdd(const QPointF& point) const
{
    const std::optional<CellSpot> spot = spotAt(point.x(), point.y());
    if (!spot)
        return 0;
    return numOfRows() * numOfColumns() - (spot->row * numOfColumns() + spot->column);
}

void SKTTable::addIntoImageArray(const std::shared_ptr<TransformView>& picture)
{
    if (!picture)
        return;
    if (const std::shared_ptr<TransformView> old =
            grabSelectedImageAtSpot(picture->rowSpot(), picture->columnSpot()))
        m_imageArray.removeOne(old);
    if (picture->rowSpot() != kNoNumber && picture->columnSpot() != kNoNumber)
        m_imageArray.append(picture);
    didChangeValueForKey(kImageArrayKey);
}

QRect SKTTable::grabOverLappingSectionCell(const GraphicList& graphics, const QPointF& point)
{
    return SectionLayout(graphics).grabOverLappingSectionCell(point);
}

// ---- Geometry

int SKTTable::tableTotalCellWidth() const
{
    float total = float((numOfColumns() + 1) * (padding() + borderWidth()));
    total += leftPaddingInPx();
    total += rightPaddingInPx();
    total += leftMarginInPx();
    total += rightMarginInPx();
    int width = int(total);
    for (int k = 0; k < numOfColumns(); ++k)
        width += grabColumnWidth(k);
    return width;
}

int SKTTable::tableTotalCellHeight() const
{
    float total = float((numOfRows() + 1) * (padding() + borderWidth()));
    total += topPaddingInPx();
    total += bottomPaddingInPx();
    total += topMarginInPx();
    total += bottomMarginInPx();
    int height = int(total);
    for (int k = 0; k < numOfRows(); ++k)
        height += grabRowHeight(k);
    return height;
}

float SKTTable::averageColumnWidth() const
{
    int sum = 0;
    int existing = 0;
    for (int k = 0; k < numOfColumns(); ++k) {
        if (const std::shared_ptr<myTextView> cell = grabFirstCellAtColumn(k)) {
            sum += cell->width();
            ++existing;
        }
    }
    return existing == 0 ? 0.0f : float(sum) / float(existing);
}

float SKTTable::averageRowHeight() const
{
    int sum = 0;
    int existing = 0;
    for (int k = 0; k < numOfRows(); ++k) {
        if (const std::shared_ptr<myTextView> cell = grabFirstCellAtRow(k)) {
            sum += cell->height();
            ++existing;
        }
    }
    return existing == 0 ? 0.0f : float(sum) / float(existing);
}

int SKTTable::numOfNonFixedColumns() const
{
    int count = 0;
    for (int k = 0; k < numOfColumns(); ++k) {
        const std::shared_ptr<myTextView> cell = grabFirstCellAtColumn(k);
        if (!cell || cell->fixedWidthFlag() == 0)
            ++count;
    }
    return count;
}

int SKTTable::numOfNonFixedRows() const
{
    int count = 0;
    for (int k = 0; k < numOfRows(); ++k) {
        const std::shared_ptr<myTextView> cell = grabFirstCellAtRow(k);
        if (!cell || cell->fixedHeightFlag() == 0)
            ++count;
    }
    return count;
}

void SKTTable::setBounds(const QRectF& bounds)
{
    double width = bounds.width();
    const int columns = numOfNonFixedColumns();
    const int totalWidth = tableTotalCellWidth();
    if (columns >= 1) {
        const int share = (int(bounds.width()) - totalWidth) / columns;
        for (const std::shared_ptr<myTextView>& cell : m_cellHelperArray) {
            if (cell && cell->fixedWidthFlag() == 0)
                cell->setWidth(resizedExtent(cell->width(), share));
        }
    } else {
        width = totalWidth;
    }

    double height = bounds.height();
    const int totalHeight = tableTotalCellHeight();
    const int rows = numOfNonFixedRows();
    if (rows >= 1) {
        const int share = (int(bounds.height()) - totalHeight) / rows;
        for (const std::shared_ptr<myTextView>& cell : m_cellHelperArray) {
            if (cell && cell->fixedHeightFlag() == 0)
                cell->setHeight(resizedExtent(cell->height(), share));
        }
    } else {
        height = totalHeight;
    }
    SKTGraphic::setBounds(QRectF(bounds.topLeft(), QSizeF(width, height)));
}

void SKTTable::alignCells()
{
    for (const std::shared_ptr<myTextView>& cell : m_cellHelperArray) {
        if (!cell)
            continue;
        if (const std::shared_ptr<myTextView> first = grabFirstCellAtColumn(cell->columnSpot())) {
            cell->setWidth(first->width());
            cell->setFixedWidthFlag(first->fixedWidthFlag());
        }
        if (const std::shared_ptr<myTextView> first = grabFirstCellAtRow(cell->rowSpot())) {
            cell->setHeight(first->height());
            cell->setFixedHeightFlag(first->fixedHeightFlag());
        }
    }
}

SharedTextLayout& SKTTable::sharedLayoutManager()
{
    static SharedTextLayout layout;
    return layout;
}

QSizeF SKTTable::naturalSize() const
{
    const std::shared_ptr<myTextView> cell = grabCurrentTableCellHelper();
    if (!cell || !cell->textStorage())
        return {};
    const QPointF touch = getLastTouchPoint();
    const QRect rect = grabCurrentCellRect(touch.x(), touch.y());
    SharedTextLayout& layout = sharedLayoutManager();
    layout.setContainerSize(QSizeF(rect.width(), SharedTextLayout::kUnlimitedExtent));
    layout.attach(*cell->textStorage());
    const QSizeF size = layout.usedRect().size();
    layout.detach();
    return size;
}
