#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/widgets/WidgetCode.h"
#include "profile/services/HexColor.h"

using CodeTemplate::format;

namespace {

// Values: the header so far, n, the caption's background, its opacity.
constexpr const char* kCss = R"~(%@
.thumbnail {
position:relative;
overflow:hidden;
}
.caption%d{
position:absolute;
top:0;
right:0;
background-color:%@;
width:100%%;
height:100%%;
padding:2%%;
opacity:%f;
display: none;
text-align:center;
color:#fff !important;
z-index:2;
}
)~";

// Values: n, the caption, the picture.
constexpr const char* kBody = R"~(<div class="thumbnail">
<div class="caption%d">
%@
</div>
<img src="%@">
</div>)~";

// The caption slides down in 1250 milliseconds when the pointer enters and up in 500 when it leaves.
constexpr const char* kScript = R"~(<script>
$( document ).ready(function() {
$("[rel='tooltip']").tooltip();
$('.thumbnail').hover(
function(){
$(this).find('.caption%d').slideDown(1250);
},
function(){
$(this).find('.caption%d').slideUp(500);
}
);
});
</script>)~";

// The caption's background after "background-color:": "transparent" for "CLEAR0".
QString captionBackground(const QString& colorString)
{
    const QString color = CodeText::safeColor(colorString, QStringLiteral("000000"));
    return color == DataCentre::kClearColorString ? QStringLiteral("transparent") : QLatin1Char('#') + color;
}

} // namespace

std::optional<CodeWidgetHelper> WidgetCode::generatePhoto_Hover_Caption(const WidgetTable& table)
{
    const int n = table.elementNumber;
    QString header = format(".tableGrid%d td{padding:%dpx;}", {n, table.padding});
    // Row 0 holds the photo, row 1 the caption; every cell below row 0 sets the caption's colour and
    // opacity, so the last one decides.
    QString picture = QStringLiteral("");
    QString caption = QStringLiteral("");
    QString captionColor;
    double captionOpacity = 1.0;
    for (int row = 0; row < table.numOfRows; ++row) {
        for (int column = 0; column < table.numOfColumns; ++column) {
            if (row == 0) {
                picture = WidgetParts::widgetImagePath(table);
                continue;
            }
            const std::shared_ptr<myTextView> cell = table.grabSelectedTableCellHelper(row, column);
            const CodeWidgetHelper cellCode = WidgetParts::cellCode(table, row, column);
            header = WidgetParts::joined(header, cellCode.headerString());
            if (!cell)
                continue;
            captionColor = cell->backgroundHexColorString();
            captionOpacity = cell->alphaValue();
            if (row == 1)
                caption = cell->link().isEmpty()
                              ? cellCode.bodyString()
                              : format("<a href=%@>%@</a>",
                                       {WidgetParts::linkTarget(cell->link()), cellCode.bodyString()});
        }
    }
    CodeWidgetHelper code = WidgetParts::placedRecord(table);
    code.setHeaderString(format(kCss, {header, n, captionBackground(captionColor), captionOpacity}));
    code.setBodyString(format(kBody, {n, caption, picture}));
    code.setJavaScriptString(format(kScript, {n, n}));
    return code;
}
