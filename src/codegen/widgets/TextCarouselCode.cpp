#include "codegen/CodeTemplate.h"
#include "codegen/widgets/WidgetCode.h"

using CodeTemplate::format;

namespace {

// The carousel's rules, script and controls name it "quote-carousel"; each carousel of a page carries its
// element number after that name, so two carousels turn apart.
const QString kName = QStringLiteral("quote-carousel");

constexpr const char* kCss = R"~(#quote-carousel
{
padding: 0 10px 30px 10px;
    margin-top: 30px;
}
#quote-carousel .carousel-control
{
background: none;
color: #222;
  font-size: 2.3em;
text-shadow: none;
margin-top: 30px;
}
#quote-carousel .carousel-indicators
{
right: 50%;
top: auto;
bottom: 0px;
margin-right: -19px;
}
#quote-carousel .carousel-indicators li
{
background: #c0c0c0;
}
#quote-carousel .carousel-indicators .active
{
background: #333333;
}
.item blockquote {
    border-left: none;
margin: 0;
}
#quote-carousel .carousel-inner{
margin-left:50px;
margin-right:50px;
width:inherit;
}
@media (min-width: 768px) {
#quote-carousel
{
margin-bottom: 0;
padding: 0 40px 30px 40px;
}
}
@media (max-width: 768px) {
#quote-carousel .carousel-inner{
margin-left:20px;
margin-right:20px;
width:inherit;
}
#quote-carousel .carousel-indicators {
bottom: -20px !important;
}
#quote-carousel .carousel-indicators li {
display: inline-block;
margin: 0px 5px;
width: 15px;
height: 15px;
}
#quote-carousel .carousel-indicators li.active {
margin: 0px 5px;
width: 20px;
height: 20px;
}
}
)~";

constexpr const char* kControls =
    R"~(<a data-slide="prev" href="#quote-carousel" class="left carousel-control"><span style="font-size:1em;" class="glyphicon glyphicon-chevron-left" aria-hidden="true"></span></a>
<a data-slide="next" href="#quote-carousel" class="right carousel-control"><span style="font-size:1em;" class="glyphicon glyphicon-chevron-right" aria-hidden="true"></span></a>
)~";

// The carousel waits for a click and turns every 20 seconds.
constexpr const char* kScript = R"~(<script>$(document).ready(function() {
$('#quote-carousel').carousel({
pause: true,
interval: 20000,
});
});
</script>
)~";

QString numbered(const char* text, const QString& id)
{
    return QString::fromUtf8(text).replace(kName, id);
}

} // namespace

std::optional<CodeWidgetHelper> WidgetCode::generateTextCarousel(const WidgetTable& table)
{
    const QString id = kName + QString::number(table.elementNumber);
    QString header = numbered(kCss, id);
    // One slide per column: row 1 is the quotation, row 2 its author; row 0 is not written.
    QString indicators = QStringLiteral("<ol class=\"carousel-indicators\">\n");
    QString slides = QStringLiteral("");
    for (int column = 0; column < table.numOfColumns; ++column) {
        indicators +=
            column == 0
                ? format("<li data-target=\"#%@\" data-slide-to=\"%d\" class=\"active\"></li>\n", {id, 0})
                : format("<li data-target=\"#%@\" data-slide-to=\"%d\"></li>\n", {id, column});
        const QString opening =
            format("%@\n<blockquote>\n<div class=\"row\">\n<div class=\"col-sm-12\">\n",
                   {column == 0 ? "<div class=\"item active\">" : "<div class=\"item\">"});
        const CodeWidgetHelper quotation = WidgetParts::cellCode(table, 1, column);
        const CodeWidgetHelper author = WidgetParts::cellCode(table, 2, column);
        header =
            WidgetParts::joined(WidgetParts::joined(header, quotation.headerString()), author.headerString());
        slides = WidgetParts::joined(slides, format("%@\n%@\n%@\n</div>\n</div>\n</blockquote>\n</div>",
                                                    {opening, quotation.bodyString(), author.bodyString()}));
    }
    indicators += QStringLiteral("\n</ol>");

    CodeWidgetHelper code = WidgetParts::placedRecord(table);
    code.setHeaderString(header);
    code.setBodyString(
        format("%@\n%@\n<div class=\"carousel-inner\">%@</div>%@</div>",
               {format("<div class=\"carousel slide\" data-ride=\"carousel\" id=\"%@\">\n", {id}), indicators,
                slides, numbered(kControls, id)}));
    code.setJavaScriptString(numbered(kScript, id));
    return code;
}
