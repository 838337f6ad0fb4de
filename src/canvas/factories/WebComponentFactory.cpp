#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/StandardCell.h"
#include "canvas/factories/TableProperties.h"
#include "model/SKTTable.h"
#include "model/records/MTextView.h"
#include "model/records/myTextView.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <functional>

// The web components of the object library: navigation bars, the drop-down menu, the text carousel, the
// collapsible panels and the photo with a hover caption. Each is a table whose grid type names the widget
// and whose cells hold the texts the page generator turns into menu items, slides, headers or captions.

namespace {

const QString kCarouselText = QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipiscing elit. Proin "
                                             "eget sem nec tellus blandit pellentesque. "
                                             "Fusce sit amet mi orci.");
const QString kPanelText = QStringLiteral(
    "Lorem ipsum dolor sit amet, consectetur adipiscing elit. Proin eget sem nec tellus blandit "
    "pellentesque. "
    "Fusce sit amet mi orci. Etiam malesuada, lorem in pellentesque mollis, turpis velit rhoncus orci, ac "
    "pretium enim urna nec nisl. Suspendisse feugiat mattis mi, a imperdiet neque hendrerit sed.");
const QString kPanelTitle = QStringLiteral("Panel header title");
const QString kCaptionText = QStringLiteral("Image hover caption.");
const QString kCaptionTextColor = QStringLiteral("FFFFFF");
const QString kCaptionBackground = QStringLiteral("4f4c4c");
constexpr int kComponentPadding = 5;
constexpr int kBarWidth = 1200;
constexpr int kBarHeight = 50;
constexpr int kCarouselHeadingHeight = 50;

using CellText = std::function<QString(int row, int column)>;

std::shared_ptr<myTextView> componentCell(const QString& text, int row, int column)
{
    std::shared_ptr<myTextView> cell = newStandardCell(text, row, column);
    cell->setBorderWidth(1);
    cell->setBorderHexColorString(QStringLiteral("000000"));
    return cell;
}

// The cells of a grid, row by row.
myTextViewList componentCells(int columns, int rows, const CellText& text)
{
    myTextViewList cells;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            cells << componentCell(text(row, column), row, column);
    }
    return cells;
}

GraphicPropertyDictionary componentProperties(const QRectF& bounds, int columns, int rows,
                                              const myTextViewList& cells, const QString& gridType)
{
    GraphicPropertyDictionary properties =
        TableProperties::plainTable(bounds, columns, rows, kComponentPadding, cells);
    properties.insert(QStringLiteral("gridType"), gridType);
    return properties;
}

// A bar or menu: numbered like a section, on the table and on every cell, and in front of the others.
void insertNumbered(SKTGraphicView& view, const QString& gridType, const QRectF& bounds, int columns,
                    int rows, const CellText& text)
{
    const int number = view.findNextSectionNumber();
    const myTextViewList cells = componentCells(columns, rows, text);
    for (const std::shared_ptr<myTextView>& cell : cells)
        cell->setSectionNumber(number);
    GraphicPropertyDictionary properties = componentProperties(bounds, columns, rows, cells, gridType);
    properties.insert(QStringLiteral("sectionNumber"), Format::integer(number));
    view.mutableGraphics().insertGraphics({TableProperties::newTable(properties)}, {0});
}

// A bar across the top of the page at the point's height, its first column the brand when it has one.
void insertBar(SKTGraphicView& view, const QString& gridType, int width, int columns, bool brand,
               const QPointF& point)
{
    const QRectF bounds(0, int(point.y()), width, kBarHeight);
    insertNumbered(view, gridType, bounds, columns, 1, [brand](int, int column) {
        if (!brand)
            return QStringLiteral("Item %1").arg(column);
        return column == 0 ? QStringLiteral("Brand") : QStringLiteral("Link %1").arg(column);
    });
}

// One row of a panel or caption: its height is `multiplier` x (H / `divisor`) of the component's height H.
struct PanelRow {
    QString text;
    double multiplier;
    double divisor;
    bool fixedHeight = false;
    bool caption = false;
};

// A single-column component sized from its rectangle: at the page's origin, or on a responsive page the
// section cell's width at the point, where it joins that cell.
void insertPanel(SKTGraphicView& view, const QString& gridType, const QSizeF& size,
                 const QList<PanelRow>& rows, const QString& alignment, const QPointF& point)
{
    const bool responsive = DataCentre::profile().responsiveDesign;
    const QRectF bounds =
        responsive ? view.grabSectionRect(point, QRectF(point, size)) : QRectF(QPointF(), size);
    const double height = bounds.height();
    myTextViewList cells;
    for (int row = 0; row < rows.size(); ++row) {
        const PanelRow& r = rows.at(row);
        std::shared_ptr<myTextView> cell = componentCell(r.text, row, 0);
        cell->setWidth(int(bounds.width()));
        cell->setHeight(int(r.multiplier * (height / r.divisor)));
        if (r.fixedHeight)
            cell->setFixedHeightFlag(1);
        cell->setTextAlignment(alignment);
        cell->textView()->setAlignment(alignment == QLatin1String("center") ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft);
        if (r.caption) {
            cell->setTextColorString(kCaptionTextColor);
            cell->setTextHexColorString(kCaptionTextColor);
            cell->setColorString(kCaptionBackground);
            cell->setBackgroundHexColorString(kCaptionBackground);
        }
        cells << cell;
    }
    std::shared_ptr<SKTGraphic> table =
        TableProperties::newTable(componentProperties(bounds, 1, int(rows.size()), cells, gridType));
    // Outside every section it goes in as it is.
    if (responsive) {
        if (std::shared_ptr<SKTGraphic> placed = view.applySection(table, bounds.topLeft()))
            table = placed;
    }
    view.mutableGraphics().insertGraphics({table}, {0});
}

} // namespace

void SKTGraphicView::addNavbar(const QPointF& point)
{
    insertBar(*this, QStringLiteral("navbar"), kBarWidth, 4, false, point);
}

void SKTGraphicView::addNavbar_centered(const QPointF& point)
{
    insertBar(*this, QStringLiteral("navbar_centered"), kBarWidth, 4, false, point);
}

void SKTGraphicView::addNavbar_Fixed(const QPointF& point)
{
    insertBar(*this, QStringLiteral("navbar_fixed"), DataCentre::profile().sectionWidth, 5, true, point);
}

void SKTGraphicView::addNavbar_Fixed_Centered(const QPointF& point)
{
    insertBar(*this, QStringLiteral("navbar_fixed_centered"), 400, 4, true, point);
}

void SKTGraphicView::addDropdownmenu(const QPointF& point)
{
    QRectF bounds(0, int(point.y()), kBarWidth, 250);
    if (DataCentre::profile().responsiveDesign) {
        bounds = grabSectionRect(point, bounds);
        // The cell's other objects make room for the menu.
        shiftObjectsInSection(point, bounds);
    }
    insertNumbered(*this, QStringLiteral("dropdownmenu"), bounds, 4, 5, [](int row, int column) {
        return row == 0 ? QStringLiteral("Main Menu Item %1").arg(column)
                        : QStringLiteral("Optional submenu item");
    });
}

void SKTGraphicView::addTextCarousel(const QPointF& point)
{
    QRectF bounds(0, int(point.y()), kBarWidth, 200);
    if (DataCentre::profile().responsiveDesign)
        bounds = grabSectionRect(point, QRectF(point, QSizeF(200, 200)));
    const myTextViewList cells = componentCells(4, 3, [](int row, int column) {
        if (row == 0)
            return QStringLiteral("Slide %1").arg(column + 1);
        return row == 1 ? kCarouselText : QStringLiteral("Testimony signature");
    });
    // The slide headings and signatures keep their height; the quotes take the rest.
    for (const std::shared_ptr<myTextView>& cell : cells) {
        if (cell->rowSpot() != 1) {
            cell->setFixedHeightFlag(1);
            cell->setHeight(kCarouselHeadingHeight);
        }
    }
    mutableGraphics().insertGraphics({TableProperties::newTable(componentProperties(
                                         bounds, 4, 3, cells, QStringLiteral("text_carousel")))},
                                     {0});
}

void SKTGraphicView::addCollapsibleTextPanel(const QPointF& point)
{
    insertPanel(*this, QStringLiteral("collapsible_text_panel"), QSizeF(400, 150),
                {{kPanelTitle, 1, 3, true}, {kPanelText, 2, 3}}, QStringLiteral("left"), point);
}

void SKTGraphicView::addCollapsibleImagePanel(const QPointF& point)
{
    insertPanel(*this, QStringLiteral("collapsible_image_panel"), QSizeF(400, 450),
                {{QString(), 0.7, 1}, {kPanelTitle, 0.1, 1, true}, {kPanelText, 0.2, 1, true}},
                QStringLiteral("left"), point);
}

void SKTGraphicView::addPhoto_Hover_Caption(const QPointF& point)
{
    insertPanel(*this, QStringLiteral("photo_hover_caption"), QSizeF(400, 400),
                {{QString(), 0.5, 1}, {kCaptionText, 0.5, 1, false, true}}, QStringLiteral("center"), point);
}
