#include "codegen/CodeTemplate.h"
#include "codegen/widgets/WidgetCode.h"

using CodeTemplate::format;

namespace {

// Values: n, title, n, content. The heading's link opens and closes the panel "collapse" n.
constexpr const char* kBody = R"~(<div class="panel-group">
<div class="panel panel-default">
<div class="panel-heading">
<h4 class="panel-title">
<a data-toggle="collapse" href="#collapse%d">%@</a>
</h4>
</div>
<div id="collapse%d" class="panel-collapse collapse">
<div class="panel-body">%@
</div>
</div>
</div>
</div>
)~";

} // namespace

std::optional<CodeWidgetHelper> WidgetCode::generateCollapsibleTextPanel(const WidgetTable& table)
{
    const int n = table.elementNumber;
    QString header = format(".tableGrid%d td{padding:%dpx;}", {n, table.padding});
    // The last cell of row 0 is the title, the last cell of the rows below the content.
    QString title = QStringLiteral("");
    QString content = QStringLiteral("");
    for (int row = 0; row < table.numOfRows; ++row) {
        for (int column = 0; column < table.numOfColumns; ++column) {
            const CodeWidgetHelper cell = WidgetParts::cellCode(table, row, column);
            header = WidgetParts::joined(header, cell.headerString());
            (row == 0 ? title : content) = cell.bodyString();
        }
    }
    CodeWidgetHelper code = WidgetParts::placedRecord(table);
    code.setHeaderString(header);
    code.setBodyString(format(kBody, {n, title, n, content}));
    code.setJavaScriptString(QStringLiteral(""));
    return code;
}
