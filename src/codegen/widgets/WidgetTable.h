#pragma once

#include "codegen/CodeWidgetHelper.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

#include <QRectF>
#include <QString>

#include <functional>

class SKTTable;
struct PageCodeContext;

// What the generator of a grid web component (a navigation bar, the drop-down menu, a panel, the text
// carousel, a photo with hover caption) reads of its table graphic. The page document fills it from the
// table; the generators sit below the document and see nothing else of it.
struct WidgetTable {
    // The table's element number on the page: the number of graphics less the table's index. Ids and
    // classes carry it, so two widgets of one kind on a page work apart.
    int elementNumber = 0;
    int numOfRows = 0;
    int numOfColumns = 0;
    // Space inside each cell, in pixels.
    int padding = 0;
    QRectF bounds;
    // Every cell, each carrying its spot (`rowSpot`, `columnSpot`).
    myTextViewList cellHelperArray;
    TransformViewList imageArray;
    // The folder of the page's own images.
    QString pageName;
    // The responsive text code of one cell of this table; a table without it writes its cells empty.
    std::function<CodeWidgetHelper(myTextView& cell)> cellTextCode;

    // The cell at the spot (both from 0); none when the table has no cell there.
    std::shared_ptr<myTextView> grabSelectedTableCellHelper(int row, int column) const;

    // What the widget generators read of a table of the page; its cells are written by the responsive
    // text code. The table must outlive the result.
    static WidgetTable of(const SKTTable& table, const PageCodeContext& page);
};

// Pieces the widget generators share.
namespace WidgetParts {

// The plain text of a cell; empty for no cell.
QString cellString(const myTextView* cell);
// The cell's text as typed text of the body.
QString cellMarkup(const myTextView* cell);
// The responsive text code of the cell at the spot; an empty record where the table has no cell.
CodeWidgetHelper cellCode(const WidgetTable& table, int row, int column);
// A link as it stands unquoted in an href: cleaned, unable to end the attribute or the tag, and "#" for
// none.
QString linkTarget(const QString& link);
// The full-size file of the table's first picture ("folder/nameo.type"), from the page's folder or, for a
// picture of a template, the template's; empty when the table has no picture.
QString widgetImagePath(const WidgetTable& table);
// "%@\n%@": what came so far and the next piece on its own line.
QString joined(const QString& soFar, const QString& next);
// A record placed by the table's frame.
CodeWidgetHelper placedRecord(const WidgetTable& table);

} // namespace WidgetParts
