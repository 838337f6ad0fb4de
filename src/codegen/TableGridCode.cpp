#include "codegen/TableGridCode.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/GenerationPreparation.h"
#include "codegen/ImageElementCode.h"
#include "codegen/PageCodeContext.h"
#include "codegen/SnippetCode.h"
#include "model/SKTTable.h"
#include "profile/DataCentre.h"

using CodeTemplate::format;

namespace {

// The paddings and margins of the table's division, each with its own unit.
QString boxDeclaration(const SKTTable& t)
{
    using CodeText::safeRuleText;
    QString box = format(
        "padding-top:%d%@;padding-bottom:%d%@;padding-left:%d%@;padding-right:%d%@;"
        "margin-top:%d%@;margin-bottom:%d%@;margin-left:%d%@;margin-right:%d%@;",
        {t.topPadding(), safeRuleText(t.topPaddingType()), t.bottomPadding(),
         safeRuleText(t.bottomPaddingType()), t.leftPadding(), safeRuleText(t.leftPaddingType()),
         t.rightPadding(), safeRuleText(t.rightPaddingType()), t.topMargin(), safeRuleText(t.topMarginType()),
         t.bottomMargin(), safeRuleText(t.bottomMarginType()), t.leftMargin(),
         safeRuleText(t.leftMarginType()), t.rightMargin(), safeRuleText(t.rightMarginType())});
    return box.replace(QStringLiteral("pixel"), QStringLiteral("px"));
}

// The cell's share of the table's content width in whole percent, cut rather than rounded.
int widthPercentage(int cellWidth, const SKTTable& t)
{
    const float share = float(cellWidth) / float(t.contentRect().width());
    return int(share * 100.0f);
}

// What a spot without a cell or picture contributes: nothing.
CodeWidgetHelper emptyCell()
{
    CodeWidgetHelper code;
    code.setBodyString(QStringLiteral(""));
    code.setHeaderString(QStringLiteral(""));
    code.setJavaScriptString(QStringLiteral(""));
    return code;
}

} // namespace

CodeWidgetHelper TableGridCode::generateTableCode(SKTTable& table, bool responsiveOutput,
                                                  const PageCodeContext& page)
{
    const int n = page.layerOf(&table);
    SKTTable& t = GenerationPreparation::populateTextViewMarginType(table);
    const QString box = boxDeclaration(t);
    const QString tableRule = format(".tableGrid%d{%@}", {n, box});

    QString header = format(".tableGrid%d td{padding:%dpx;}", {n, t.padding()});
    QString script = QStringLiteral("");
    QString tableText = DataCentre::profile().inlineStyleCode
                            ? format("<div class=tableGrid%d style='%@'>\n<table width=100%%>\n", {n, box})
                            : format("<div class=tableGrid%d>\n<table width=100%%>\n", {n});

    const myTextViewList cells = t.cellHelperArray();
    for (int row = 0; row < t.numOfRows(); ++row) {
        QString rowText = QStringLiteral("<tr>\n");
        for (int column = 0; column < t.numOfColumns(); ++column) {
            const std::shared_ptr<myTextView> cell = t.grabSelectedTableCellHelper(row, column);
            const int percentage = widthPercentage(cell ? cell->width() : 0, t);
            CodeWidgetHelper code = emptyCell();
            if (const std::shared_ptr<TransformView> picture = t.grabSelectedImageAtSpot(row, column)) {
                // A cell's picture is shown as it is: opaque, never as a pop-up.
                picture->setOpacity(1.0f);
                picture->setImageEnlargeFlag(0);
                code = ImageElementCode::generateImageCode(*picture, responsiveOutput, page);
            } else if (cell) {
                cell->setOpacity(float(t.opacity()));
                cell->setAlphaValue(t.opacity());
                code = SnippetCode::generateSnippetCode(*cell, t, cells, page);
            }
            script = format("%@\n%@", {script, code.javaScriptString()});
            header = format("%@\n%@", {header, code.headerString()});
            rowText = format("%@<td width=\"%d%%\">\n%@\n</td>", {rowText, percentage, code.bodyString()});
        }
        rowText = format("%@\n</tr>", {rowText});
        tableText = format("%@\n%@", {tableText, rowText});
    }

    CodeWidgetHelper record;
    record.setJavaScriptString(script);
    record.setBodyString(format("%@\n</table>\n</div>", {tableText}));
    record.setHeaderString(header);
    record.setTableHeaderString(tableRule);
    const QRectF b = t.bounds();
    record.setRect(b.x(), b.y(), b.width(), b.height());
    record.setOriginY(int(b.y()));
    record.setPartOfTableFlag(true);
    return record;
}
