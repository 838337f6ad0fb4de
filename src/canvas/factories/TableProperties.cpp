#include "canvas/factories/TableProperties.h"

#include "model/SKTTable.h"
#include "platform/Format.h"

namespace TableProperties {

GraphicPropertyDictionary plainTable(const QRectF& bounds, int columns, int rows, int padding,
                                     const myTextViewList& cells)
{
    return {
        {QStringLiteral("bounds"), Format::rect(bounds)},
        {QStringLiteral("numOfColumns"), Format::integer(columns)},
        {QStringLiteral("numOfRows"), Format::integer(rows)},
        {QStringLiteral("padding"), Format::integer(padding)},
        {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
        {QStringLiteral("borderStyle"), QStringLiteral("solid")},
        {QStringLiteral("borderWidth"), QStringLiteral("1")},
        {QStringLiteral("borderHexColorString"), QStringLiteral("000000")},
        {QStringLiteral("gridType"), QStringLiteral("table")},
    };
}

std::shared_ptr<SKTTable> newTable(const GraphicPropertyDictionary& properties)
{
    auto table = std::make_shared<SKTTable>();
    table->initWithProperties(properties);
    return table;
}

void setCellFont(myTextView& cell, const QString& family, int size)
{
    QFont font(family);
    font.setPixelSize(size);
    cell.setFont(font);
    if (cell.textView())
        cell.textView()->setFont(font);
    cell.setFamilyName(family);
    cell.setFontSize(size);
}

} // namespace TableProperties
