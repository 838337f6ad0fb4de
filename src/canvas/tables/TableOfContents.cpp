#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/TableProperties.h"
#include "canvas/tables/TableStructure.h"
#include "model/SKTTable.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QTextDocument>

// Tables whose cells link to the pages of the website: the table of contents (the titled pages with their
// place in the page list) and the site map (every page as a button, in a row or a column).

namespace {

const QString kHelveticaNeue = QStringLiteral("Helvetica Neue");
const QString kContentsGridType = QStringLiteral("TableOfContents");
const QString kHoverColor = QStringLiteral("4682B4");
constexpr int kContentsTitleWidth = 1000;
constexpr int kContentsNumberWidth = 50;
constexpr int kContentsRowHeight = 50;
constexpr int kSiteMapCellWidth = 350;
constexpr int kSiteMapCellHeight = 40;
// Where a site map goes: this far right of and below the top left of the part of the page in view.
constexpr int kSiteMapRightOfView = 100;
constexpr int kSiteMapBelowView = 80;

// A default cell at the spot with the text, linked to the page.
std::shared_ptr<myTextView> pageCell(const SitePage& page, const QString& text, int row, int column)
{
    auto cell = SKTGraphicView::createNewTableCell();
    cell->textStorage()->setPlainText(text);
    cell->setRowSpot(row);
    cell->setColumnSpot(column);
    cell->setLink(page.pagePublishFileName);
    return cell;
}

// Grey text on clear without a border line, blue when hovered.
void styleAsContentsEntry(myTextView& cell, int fontSize)
{
    TableProperties::setCellFont(cell, kHelveticaNeue, fontSize);
    cell.setTextColorString(QStringLiteral("555555"));
    cell.setHoverColorString(kHoverColor);
    cell.setColorString(QString(DataCentre::kClearColorString));
    cell.setBackgroundHexColorString(QString(DataCentre::kClearColorString));
    cell.textView()->setBorderLine(QStringLiteral("none"));
}

void setSize(myTextView& cell, int width, int height)
{
    cell.setWidth(width);
    cell.setHeight(height);
}

QString pageNumber(int index)
{
    return Format::integer(index);
}

// How the entries of a table of contents look: the title's font size and the cell sizes; a factory-made
// table styles its numbers like its titles, a rebuilt one leaves them plain.
struct ContentsLayout {
    int titleFontSize;
    int titleWidth;
    int numberWidth;
    int rowHeight;
    bool styledNumbers;
};

// Two cells per titled page, title and number, row by row; the number is the page's place in the whole
// list, untitled pages counted.
myTextViewList contentsCells(const SitePageList& pages, const ContentsLayout& layout)
{
    myTextViewList cells;
    int row = 0;
    for (int index = 0; index < pages.size(); ++index) {
        const SitePage& page = pages.at(index);
        if (page.pageTitle.isEmpty())
            continue;
        auto title = pageCell(page, page.pageTitle, row, 0);
        styleAsContentsEntry(*title, layout.titleFontSize);
        setSize(*title, layout.titleWidth, layout.rowHeight);
        auto number = pageCell(page, pageNumber(index), row, 1);
        if (layout.styledNumbers)
            styleAsContentsEntry(*number, layout.titleFontSize);
        setSize(*number, layout.numberWidth, layout.rowHeight);
        number->setFixedWidthFlag(1);
        cells << title << number;
        ++row;
    }
    return cells;
}

} // namespace

void SKTGraphicView::addTableOfContents(const QPointF& point)
{
    const myTextViewList cells =
        contentsCells(sitePages(), {25, kContentsTitleWidth, kContentsNumberWidth, kContentsRowHeight, true});
    const int rows = int(cells.size() / 2);
    // A website without titled pages has nothing to list.
    if (rows == 0)
        return;
    const QRectF bounds(int(point.x()), int(point.y()), kContentsTitleWidth + kContentsNumberWidth,
                        rows * kContentsRowHeight);
    GraphicPropertyDictionary properties = TableProperties::plainTable(bounds, 2, rows, 5, cells);
    properties.insert(QStringLiteral("borderStyle"), QStringLiteral("none"));
    properties.insert(QStringLiteral("gridType"), kContentsGridType);
    mutableGraphics().insertGraphics({TableProperties::newTable(properties)}, {0});
}

void SKTGraphicView::addTableOfSitemap(bool horizontal, const SitePageList& pages)
{
    // A site map of no page would be an empty table of no size.
    if (pages.isEmpty())
        return;
    // Near the top left of the part of the page in view.
    QPointF visible;
    if (const QWidget* enclosing = parentWidget())
        visible = QPointF(mapFrom(enclosing, QPoint(0, 0))) / m_canvasScale;
    const QPointF origin(int(visible.x() + kSiteMapRightOfView), int(visible.y() + kSiteMapBelowView));

    myTextViewList cells;
    for (int index = 0; index < pages.size(); ++index) {
        const SitePage& page = pages.at(index);
        auto cell = pageCell(page, page.pageTitle, horizontal ? 0 : index, horizontal ? index : 0);
        setSize(*cell, kSiteMapCellWidth, kSiteMapCellHeight);
        TableProperties::setCellFont(*cell, kHelveticaNeue, 15);
        cell->setTextColorString(QStringLiteral("FFFFFF"));
        cell->setTextHexColorString(QStringLiteral("FFFFFF"));
        cell->setHoverColorString(kHoverColor);
        cell->setColorString(QStringLiteral("555555"));
        cell->setBackgroundHexColorString(QStringLiteral("555555"));
        cell->textView()->setBorderLine(QStringLiteral("none"));
        cells << cell;
    }
    const int columns = horizontal ? int(pages.size()) : 1;
    const int rows = horizontal ? 1 : int(pages.size());
    const QRectF bounds(origin, QSizeF(columns * kSiteMapCellWidth, rows * kSiteMapCellHeight));
    GraphicPropertyDictionary properties = TableProperties::plainTable(bounds, columns, rows, 5, cells);
    properties.insert(QStringLiteral("borderStyle"), QStringLiteral("none"));
    // A site map is an ordinary table.
    properties.remove(QStringLiteral("gridType"));
    mutableGraphics().insertGraphics({TableProperties::newTable(properties)}, {0});
}

void SKTGraphicView::addTableOfSitemapHorizontal()
{
    addTableOfSitemap(true, sitePages());
}

void SKTGraphicView::addTableOfSitemapVertical()
{
    addTableOfSitemap(false, sitePages());
}

void SKTGraphicView::refreshTableOfContents()
{
    const auto table = std::dynamic_pointer_cast<SKTTable>(m_workingState.selectedTable);
    if (!table || table->gridType() != kContentsGridType)
        return;
    // The new rows take the sizes of the table as it stands.
    const myTextViewList cells =
        contentsCells(sitePages(), {16, table->grabColumnWidth(0), table->grabColumnWidth(1),
                                    table->grabRowHeight(0), false});
    // Without titled pages the table keeps its rows rather than being left without a cell.
    if (cells.isEmpty())
        return;
    table->setCellHelperArray(cells);
    table->setNumOfColumns(2);
    table->setNumOfRows(int(cells.size() / 2));
    TableStructure::refreshTable(*table);
}
