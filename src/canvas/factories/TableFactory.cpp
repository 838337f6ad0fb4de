#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/StandardCell.h"
#include "canvas/factories/TableProperties.h"
#include "model/SKTTable.h"
#include "model/records/myTextView.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QTextDocument>

#include <algorithm>
#include <numeric>

// The tables of the object library: the default table, one-row tables whose columns share the page width
// by their spans, the tear-off strips and the table of a free and a fixed column.

namespace {

const QString kHelveticaNeue = QStringLiteral("Helvetica Neue");
// A placeholder contact line of the tear-off strips.
const QString kStripText = QStringLiteral("Jane Doe      123-456-7890");
constexpr int kResponsiveWidthLimit = 1000;
constexpr int kStripRows = 12;

QPointF whole(const QPointF& point)
{
    return QPointF(int(point.x()), int(point.y()));
}

std::shared_ptr<myTextView> sizedCell(int row, int column, int width, int height, int fontSize)
{
    auto cell = SKTGraphicView::createNewTableCell();
    cell->setRowSpot(row);
    cell->setColumnSpot(column);
    cell->setWidth(width);
    cell->setHeight(height);
    TableProperties::setCellFont(*cell, kHelveticaNeue, fontSize);
    return cell;
}

// A tear-off strip: twelve contact lines one under the other, dashed apart, in the colours given.
GraphicPropertyDictionary stripProperties(const QPointF& point, const QString& text,
                                          const QString& background)
{
    myTextViewList cells;
    for (int row = 0; row < kStripRows; ++row) {
        auto cell = sizedCell(row, 0, 0, 0, 28);
        cell->textStorage()->setPlainText(kStripText);
        cell->setTextColorString(text);
        cell->setTextHexColorString(text);
        cell->setColorString(background);
        if (background != QLatin1String(DataCentre::kClearColorString))
            cell->setBackgroundHexColorString(background);
        cell->textView()->setBorderLine(QStringLiteral("dashed"));
        cell->setTextAlignment(QStringLiteral("center"));
        cell->textView()->setAlignment(Qt::AlignHCenter);
        cell->setVerticalAlignment(1);
        cells << cell;
    }
    GraphicPropertyDictionary properties =
        TableProperties::plainTable(QRectF(whole(point), QSizeF(300, 1000)), 1, kStripRows, 0, cells);
    properties.insert(QStringLiteral("fontSize"), QStringLiteral("28"));
    properties.insert(QStringLiteral("fontFamily"), kHelveticaNeue);
    return properties;
}

// On a responsive page the table joins the section cell under its corner; outside every section it stays
// as it is. Either way it goes in front of the other graphics.
void insertInSection(SKTGraphicView& canvas, const std::shared_ptr<SKTGraphic>& table, bool responsive)
{
    std::shared_ptr<SKTGraphic> placed = table;
    if (responsive) {
        if (std::shared_ptr<SKTGraphic> inSection = canvas.applySection(table, table->bounds().topLeft()))
            placed = inSection;
    }
    canvas.mutableGraphics().insertGraphics({placed}, {0});
}

} // namespace

void SKTGraphicView::addTable()
{
    addTable_drag(whole(calculateOriginPoint()));
}

void SKTGraphicView::addTable_drag(const QPointF& point)
{
    const bool responsive = DataCentre::profile().responsiveDesign;
    const QRectF bounds = responsive ? grabSectionRect(point, QRectF(point, QSizeF(1000, 100)))
                                     : QRectF(whole(point), QSizeF(800, 100));
    myTextViewList cells;
    for (int column = 0; column < 4; ++column)
        cells << sizedCell(0, column, 200, 100, 25);
    GraphicPropertyDictionary properties = TableProperties::plainTable(bounds, 4, 1, 5, cells);
    properties.insert(QStringLiteral("imageArray"), QVariant::fromValue(TransformViewList()));
    insertInSection(*this, TableProperties::newTable(properties), responsive);
}

void SKTGraphicView::addTable_Responsive(const QStringList& spans, int count, const QPointF& point)
{
    const bool responsive = DataCentre::profile().responsiveDesign;
    // A page without a fixed size of its own is as wide as the canvas.
    int pageWidth = m_document ? m_document->docSpecificPageWidth() : 0;
    if (pageWidth < 1)
        pageWidth = int(m_canvasSize.width());
    QRectF bounds(point, QSizeF(std::min(pageWidth, kResponsiveWidthLimit), 100));
    if (responsive) {
        bounds = grabSectionRect(point, bounds);
        shiftObjectsInSection(point, bounds);
    }
    const int columns = std::clamp(count, 0, int(spans.size()));
    const int spanSum =
        std::accumulate(spans.cbegin(), spans.cbegin() + columns, 0,
                        [](int sum, const QString& span) { return sum + Format::intValue(span); });
    const float unit = spanSum > 0 ? float(bounds.width() / spanSum) : 0.0f;
    myTextViewList cells;
    for (int column = 0; column < columns; ++column) {
        auto cell = sizedCell(0, column, int(float(Format::intValue(spans.at(column))) * unit), 100, 28);
        cell->textView()->setBorderLine(responsive ? QStringLiteral("none") : QStringLiteral("solid"));
        cell->setVerticalAlignment(1);
        cells << cell;
    }
    if (!responsive)
        bounds = QRectF(whole(point), QSizeF(int(bounds.width()), 100));

    GraphicPropertyDictionary properties = TableProperties::plainTable(bounds, columns, 1, 0, cells);
    properties.insert(QStringLiteral("imageArray"), QVariant::fromValue(TransformViewList()));
    properties.insert(QStringLiteral("borderStyle"),
                      responsive ? QStringLiteral("none") : QStringLiteral("solid"));
    properties.insert(QStringLiteral("borderWidth"), QStringLiteral("15"));
    for (const char* side : {"top", "bottom", "left", "right"}) {
        properties.insert(QLatin1String(side) + QStringLiteral("PaddingType"), QStringLiteral("pixel"));
        properties.insert(QLatin1String(side) + QStringLiteral("MarginType"), QStringLiteral("pixel"));
    }
    insertInSection(*this, TableProperties::newTable(properties), responsive);
}

void SKTGraphicView::addTable_Strip(const QPointF& point)
{
    mutableGraphics().insertGraphics(
        {TableProperties::newTable(
            stripProperties(point, QStringLiteral("4f4c4c"), QString(DataCentre::kClearColorString)))},
        {0});
}

void SKTGraphicView::addTable_Strip2(const QPointF& point)
{
    mutableGraphics().insertGraphics({TableProperties::newTable(stripProperties(
                                         point, QStringLiteral("FFFFFF"), QStringLiteral("555555")))},
                                     {0});
}

void SKTGraphicView::addTable_multiColumnWidth_drag(const QPointF& point)
{
    myTextViewList cells;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 2; ++column) {
            auto cell = std::make_shared<myTextView>();
            auto text = std::make_shared<QTextDocument>();
            text->setPlainText(QStringLiteral("abc"));
            cell->setTextStorage(text);
            cell->setRowSpot(row);
            cell->setColumnSpot(column);
            applyPlainCellStyle(*cell);
            TableProperties::setCellFont(*cell, kHelveticaNeue, 25);
            cell->setWidth(column == 0 ? 300 : 100);
            cell->setFixedWidthFlag(column == 1 ? 1 : 0);
            cell->setHeight(50);
            cell->setBorderWidth(1);
            cell->setBorderHexColorString(QStringLiteral("000000"));
            cell->setVerticalAlignment(1);
            cells << cell;
        }
    }
    mutableGraphics().insertGraphics({TableProperties::newTable(TableProperties::plainTable(
                                         QRectF(whole(point), QSizeF(415, 280)), 2, 5, 5, cells))},
                                     {0});
}
