#include "codegen/CodeTemplate.h"
#include "codegen/widgets/NavigationBarParts.h"
#include "codegen/widgets/WidgetCode.h"

using CodeTemplate::format;

namespace {

// Values as the centred bar's; the tenth, the icon-bar colour, is the text colour with "#" before it.
constexpr const char* kCss =
    R"~(.navbar-default .navbar-nav > li > a:hover, .navbar-default .navbar-nav > li > a:focus {
color: #%@;
background-color: %@;
}
.navbar-default {
border:0px;
background-color: %@;
border-radius:0px;
}
.navbar-default .navbar-nav > li > a {
color: #%@;
font-size:%dpx;
font-family:"%@";
}
.navbar-brand {
color: #%@ !important;
font-size:%dpx;
font-family:"%@";
}
.navbar-default .navbar-toggle .icon-bar {
background-color: %@;
}
.navbar-toggle {
background-color: transparent;
}
.navbar-default .navbar-toggle:hover, .navbar-default .navbar-toggle:focus {
background-color: %@;
}
.navbar-toggle:hover .icon-bar {
background-color: #%@;
}
.navbar-toggle{
margin-top:10px;
margin-bottom:10px;}
.navbar-brand{
padding:0px;
height:auto;
line-height:inherit;
}
.navbar {
min-height:0px;
margin: 0;
padding: 0;
}
)~";

} // namespace

std::optional<CodeWidgetHelper> WidgetCode::generateNavBar(const WidgetTable& table)
{
    const CodeWidgetHelper brand = WidgetParts::cellCode(table, 0, 0);
    const QString opening = NavigationBarParts::openingWithBrand(
        table.elementNumber, format("<div class=\"navbar-brand\">%@</div>\n", {brand.bodyString()}));

    const std::shared_ptr<myTextView> styleCell = table.grabSelectedTableCellHelper(0, 0);
    const NavigationBarParts::Style s = NavigationBarParts::styleOf(styleCell.get(), true);
    QString header = format(kCss, {s.hoverTextColor, s.hoverBackground, s.background, s.textColor, s.fontSize,
                                   s.family, s.textColor, s.fontSize, s.family,
                                   QLatin1Char('#') + s.textColor, s.hoverBackground, s.hoverTextColor});
    // Column 0 of every row is left out of the entries; every cell's CSS reaches the header.
    QString entries = QStringLiteral("");
    for (int row = 0; row < table.numOfRows; ++row) {
        for (int column = 0; column < table.numOfColumns; ++column) {
            const CodeWidgetHelper cell = WidgetParts::cellCode(table, row, column);
            header = WidgetParts::joined(header, cell.headerString());
            if (column >= 1)
                entries = WidgetParts::joined(entries, format("<li>%@</li>\n", {cell.bodyString()}));
        }
    }
    std::optional<CodeWidgetHelper> code =
        NavigationBarParts::record(table, NavigationBarParts::body(opening, entries, true), header);
    if (code)
        code->setPartOfTableFlag(true);
    return code;
}
