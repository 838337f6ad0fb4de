#include "codegen/widgets/WidgetTable.h"

#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/GenerationPreparation.h"
#include "codegen/PageCodeContext.h"
#include "codegen/ResponsiveTextCode.h"
#include "model/SKTTable.h"

#include <QTextDocument>

std::shared_ptr<myTextView> WidgetTable::grabSelectedTableCellHelper(int row, int column) const
{
    for (const std::shared_ptr<myTextView>& cell : cellHelperArray) {
        if (cell && cell->rowSpot() == row && cell->columnSpot() == column)
            return cell;
    }
    return nullptr;
}

WidgetTable WidgetTable::of(const SKTTable& table, const PageCodeContext& page)
{
    WidgetTable widget;
    widget.elementNumber = page.layerOf(&table);
    widget.numOfRows = table.numOfRows();
    widget.numOfColumns = table.numOfColumns();
    widget.padding = table.padding();
    widget.bounds = table.bounds();
    widget.cellHelperArray = table.cellHelperArray();
    widget.imageArray = table.imageArray();
    widget.pageName = page.pageName;
    widget.cellTextCode = [&table, page](myTextView& cell) {
        return ResponsiveTextCode::generateTextViewCode(cell, table, page);
    };
    return widget;
}

namespace WidgetParts {

QString cellString(const myTextView* cell)
{
    // Templates write a text that is none as "(null)": a missing text is an empty one here.
    QString text;
    if (cell && cell->textStorage())
        text = cell->textStorage()->toPlainText();
    else if (cell && cell->textView())
        text = cell->textView()->string();
    return text.isNull() ? QStringLiteral("") : text;
}

QString cellMarkup(const myTextView* cell)
{
    return CodeText::escapedText(cellString(cell));
}

CodeWidgetHelper cellCode(const WidgetTable& table, int row, int column)
{
    CodeWidgetHelper code;
    const std::shared_ptr<myTextView> cell = table.grabSelectedTableCellHelper(row, column);
    if (cell && table.cellTextCode)
        code = table.cellTextCode(*cell);
    // A missing cell, or a missing piece of a cell's code, writes nothing rather than "(null)".
    if (code.bodyString().isNull())
        code.setBodyString(QStringLiteral(""));
    if (code.headerString().isNull())
        code.setHeaderString(QStringLiteral(""));
    return code;
}

QString linkTarget(const QString& link)
{
    // An unquoted attribute cannot stand empty: an entry without a link leads to the page itself.
    const QString target = CodeText::safeLinkTarget(GenerationPreparation::verifyLink(link));
    return target.isEmpty() ? QStringLiteral("#") : target;
}

QString widgetImagePath(const WidgetTable& table)
{
    if (table.imageArray.isEmpty() || !table.imageArray.first())
        return QStringLiteral("");
    const TransformView& image = *table.imageArray.first();
    const QString folder = image.selectable() ? table.pageName : image.templateName();
    return ElementCodeParts::imageSource(folder, image.imageName(), "o", image.imageType());
}

QString joined(const QString& soFar, const QString& next)
{
    return soFar + QLatin1Char('\n') + next;
}

CodeWidgetHelper placedRecord(const WidgetTable& table)
{
    CodeWidgetHelper record;
    const QRectF b = table.bounds;
    record.setRect(b.x(), b.y(), b.width(), b.height());
    record.setOriginY(int(b.y()));
    record.setPartOfTableFlag(true);
    return record;
}

} // namespace WidgetParts
