#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/StandardCell.h"
#include "canvas/factories/TableProperties.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTTable.h"
#include "model/records/myTextView.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <algorithm>

// The two factories of library sections: a section numbered on the page, as wide and high as the product
// says, with its columns sized by their spans on the 12-column grid; and a section template of labelled
// items with fixed responsive counts.

namespace {

const QString kSectionBorderColor = QStringLiteral("228B22");
constexpr int kGridColumns = 12;
// Section templates do not follow the product's section size.
constexpr int kTemplateWidth = 1170;
constexpr int kTemplateHeight = 300;

GraphicPropertyDictionary tableProperties(const QRectF& bounds, int columns, const myTextViewList& cells,
                                          int borderWidth, const QString& gridType)
{
    return {
        {QStringLiteral("bounds"), Format::rect(bounds)},
        {QStringLiteral("numOfColumns"), Format::integer(columns)},
        {QStringLiteral("numOfRows"), QStringLiteral("1")},
        {QStringLiteral("padding"), QStringLiteral("0")},
        {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
        {QStringLiteral("borderStyle"), QStringLiteral("solid")},
        {QStringLiteral("borderWidth"), Format::integer(borderWidth)},
        {QStringLiteral("borderHexColorString"), kSectionBorderColor},
        {QStringLiteral("gridType"), gridType},
    };
}

// Paddings of 30 points above and below and 5% at the sides; no margins.
void addSectionBoxModel(GraphicPropertyDictionary& properties)
{
    const struct {
        const char* side;
        const char* padding;
        const char* unit;
        const char* level;
    } sides[] = {{"top", "30", "pixel", "Medium"},
                 {"bottom", "30", "pixel", "Medium"},
                 {"left", "5", "%", "Small"},
                 {"right", "5", "%", "Small"}};
    for (const auto& s : sides) {
        const QString side = QString::fromLatin1(s.side);
        properties.insert(side + QStringLiteral("Padding"), QString::fromLatin1(s.padding));
        properties.insert(side + QStringLiteral("PaddingType"), QString::fromLatin1(s.unit));
        properties.insert(side + QStringLiteral("PaddingLevelString"), QString::fromLatin1(s.level));
        properties.insert(side + QStringLiteral("MarginLevelString"), QStringLiteral("None"));
    }
}

} // namespace

void SKTGraphicView::addSection(const QStringList& spans, int count, const QPointF& point)
{
    const ProductProfile& profile = DataCentre::profile();
    const int number = findNextSectionNumber();
    const int unitWidth = profile.sectionWidth / kGridColumns;
    // A shorter list of spans makes only as many columns as it has spans.
    const int columns = std::clamp(count, 0, int(spans.size()));
    myTextViewList cells;
    for (int column = 0; column < columns; ++column) {
        const int span = Format::intValue(spans.at(column));
        std::shared_ptr<myTextView> cell = newStandardCell(QString(), 0, column);
        cell->setBorderWidth(0);
        cell->setBorderHexColorString(kSectionBorderColor);
        cell->setXsGridColumns(kGridColumns);
        cell->setSmallGridColumns(span);
        cell->setMediumGridColumns(span);
        cell->setLargeGridColumns(span);
        cell->setWidth(span * unitWidth);
        cell->setSectionNumber(number);
        cells << cell;
    }
    const QRectF bounds(0, int(point.y()), profile.sectionWidth, profile.sectionHeight);

    GraphicPropertyDictionary properties =
        tableProperties(bounds, columns, cells, 0, QStringLiteral("section"));
    properties.insert(QStringLiteral("sectionNumber"), Format::integer(number));
    addSectionBoxModel(properties);
    const std::shared_ptr<SKTTable> section = TableProperties::newTable(properties);

    SKTDocument& document = mutableGraphics();
    document.undoManager().beginUndoGrouping();
    // The sections the new one lands on make room below it first.
    identifyAndPushSectionsDownward(bounds);
    document.insertGraphics({section}, {int(document.graphics().size())});
    document.undoManager().endUndoGrouping();
}

void SKTGraphicView::addSectionTemplate(int count, const QPointF& point)
{
    myTextViewList cells;
    for (int item = 0; item < count; ++item) {
        std::shared_ptr<myTextView> cell = newStandardCell(QStringLiteral("Item %1").arg(item), 0, item);
        cell->setBorderWidth(5);
        cell->setBorderHexColorString(kSectionBorderColor);
        cell->setXsGridColumns(kGridColumns);
        cell->setSmallGridColumns(6);
        cell->setMediumGridColumns(4);
        cell->setLargeGridColumns(3);
        // A template is numbered in no section, so it holds none of the page's objects.
        cell->setSectionNumber(kNoNumber);
        cells << cell;
    }
    const QRectF bounds(0, int(point.y()), kTemplateWidth, kTemplateHeight);
    mutableGraphics().insertGraphics({TableProperties::newTable(tableProperties(
                                         bounds, count, cells, 2, QStringLiteral("sectionTemplate")))},
                                     {0});
}
