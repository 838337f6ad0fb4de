#include "canvas/drop/TableDropCodes.h"

#include "canvas/view/SKTGraphicView.h"

#include <QHash>

namespace {

// The one-row tables: the spans of their columns on the 12-column grid. Some add up to 10; the table
// shares its width by their sum, so they still fill it.
const QHash<QString, QStringList>& responsiveSpans()
{
    static const QHash<QString, QStringList> spans = {
        {QStringLiteral("velk_table1x2"), {"6", "6"}},
        {QStringLiteral("velk_table1x3"), {"4", "4", "4"}},
        {QStringLiteral("velk_table1x4"), {"3", "3", "3", "3"}},
        {QStringLiteral("velk_table1x6"), QStringList(6, QStringLiteral("2"))},
        {QStringLiteral("velk_table1_2"), {"4", "8"}},
        {QStringLiteral("velk_table1_3"), {"3", "9"}},
        {QStringLiteral("velk_table1_5"), {"2", "10"}},
        {QStringLiteral("velk_table5_1"), {"10", "2"}},
        {QStringLiteral("velk_table2_3"), {"4", "6"}},
        {QStringLiteral("velk_table3_2"), {"6", "4"}},
        {QStringLiteral("velk_table3_1"), {"9", "3"}},
        {QStringLiteral("velk_table2_1"), {"8", "4"}},
    };
    return spans;
}

using Factory = void (SKTGraphicView::*)(const QPointF&);

const QHash<QString, Factory>& factories()
{
    static const QHash<QString, Factory> table = {
        {QStringLiteral("velk_table"), &SKTGraphicView::addTable_drag},
        {QStringLiteral("velk_tear_off_tab_1"), &SKTGraphicView::addTable_Strip},
        {QStringLiteral("velk_tear_off_tab_2"), &SKTGraphicView::addTable_Strip2},
        {QStringLiteral("velk_table_multiColumnWidth"), &SKTGraphicView::addTable_multiColumnWidth_drag},
        {QStringLiteral("velk_table_of_contents"), &SKTGraphicView::addTableOfContents},
    };
    return table;
}

} // namespace

std::optional<DropFlow> runTableDropCode(SKTGraphicView& view, const QString& code, const QPointF& point)
{
    if (const auto spans = responsiveSpans().constFind(code); spans != responsiveSpans().constEnd()) {
        view.addTable_Responsive(*spans, int(spans->size()), point);
        return DropFlow::Ends;
    }
    if (const auto factory = factories().constFind(code); factory != factories().constEnd()) {
        (view.*factory.value())(point);
        return DropFlow::Ends;
    }
    return std::nullopt;
}
