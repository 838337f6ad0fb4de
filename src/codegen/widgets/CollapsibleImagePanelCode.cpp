#include "codegen/CodeTemplate.h"
#include "codegen/widgets/WidgetCode.h"

using CodeTemplate::format;

namespace {

// The panel opens and closes, without script, through the check box "toggle-" n, whose label covers the
// picture.
constexpr const char* kCss = R"~(.panel-image {
position: relative;
}
.panel-image img.panel-image-preview {
width: 100%;
border-radius: 4px 4px 0px 0px;}
.panel-image label {
display: block;
position: absolute;
top: 0px;
left: 0px;
height: 100%;
width: 100%;}
.panel-heading ~ .panel-image img.panel-image-preview {
border-radius: 0px;}
.panel-body {
overflow: hidden;}
.panel-image ~ input[type=checkbox] {
position:absolute;
top:- 30px;
z-index: -1;}
.panel-image ~ input[type=checkbox] ~ .panel-body {
height: 0px;
padding: 0px;}
.panel-image ~ input[type=checkbox]:checked ~ .panel-body {
height: auto;
padding: 15px;}
.panel-image ~ .panel-footer a {
padding: 0px 10px;
font-size: 1.3em;
color: rgb(100, 100, 100);}
)~";

// Values: the picture, n, n, title, text.
constexpr const char* kBody = R"~(<div class="panel panel-default">
<div class="panel-image">
<img src="%@" class="panel-image-preview" />
<label for="toggle-%d"></label>
</div>
<input type="checkbox" id="toggle-%d" class="panel-image-toggle">
<div class="panel-body">
%@
%@
</div>
<div class="panel-footer text-center">
</div>
</div>
)~";

} // namespace

std::optional<CodeWidgetHelper> WidgetCode::generateCollapsibleImagePanel(const WidgetTable& table)
{
    const int n = table.elementNumber;
    QString header = QString::fromUtf8(kCss);
    // Row 0 holds the picture, row 1 the title, row 2 the text; further rows only add their CSS.
    QString picture = QStringLiteral("");
    QString title = QStringLiteral("");
    QString text = QStringLiteral("");
    for (int row = 0; row < table.numOfRows; ++row) {
        for (int column = 0; column < table.numOfColumns; ++column) {
            if (row == 0) {
                picture = WidgetParts::widgetImagePath(table);
                continue;
            }
            const CodeWidgetHelper cell = WidgetParts::cellCode(table, row, column);
            header = WidgetParts::joined(header, cell.headerString());
            if (row == 1)
                title = cell.bodyString();
            else if (row == 2)
                text = cell.bodyString();
        }
    }
    CodeWidgetHelper code = WidgetParts::placedRecord(table);
    code.setHeaderString(header);
    code.setBodyString(format(kBody, {picture, n, n, title, text}));
    code.setJavaScriptString(QStringLiteral(""));
    return code;
}
