#include "codegen/CodeTemplate.h"
#include "codegen/widgets/NavigationBarParts.h"
#include "codegen/widgets/WidgetCode.h"

using CodeTemplate::format;

namespace {

// Values: hover text colour, hover background, background, text colour, font size, family (links), the
// same three for the brand, text colour of the toggle icon bars, hover background of the toggle, hover
// text colour of the icon bars. The inline-block rules centre the entries.
constexpr const char* kCss =
    R"~(.navbar-default .navbar-nav > li > a:hover, .navbar-default .navbar-nav > li > a:focus {
color: #%@;
background-color: %@;
width:100%%;
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
width:100%%;
}
.navbar-brand {
color: #%@ !important;
font-size:%dpx;
font-family:"%@";
}
.navbar-default .navbar-toggle .icon-bar {
background-color: #%@;
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
.navbar {
margin: 0;
padding: 0;
}
.navbar .navbar-nav {
display: inline-block;
float: none;
vertical-align: top;
}
.navbar .navbar-collapse {
text-align: center;
}
)~";

} // namespace

std::optional<CodeWidgetHelper> WidgetCode::generateNavBar_centered(const WidgetTable& table)
{
    const std::shared_ptr<myTextView> styleCell =
        table.grabSelectedTableCellHelper(0, table.numOfColumns - 1);
    const NavigationBarParts::Style s = NavigationBarParts::styleOf(styleCell.get(), true);
    const QString header =
        format(kCss, {s.hoverTextColor, s.hoverBackground, s.background, s.textColor, s.fontSize, s.family,
                      s.textColor, s.fontSize, s.family, s.textColor, s.hoverBackground, s.hoverTextColor});
    return NavigationBarParts::record(
        table,
        NavigationBarParts::body(NavigationBarParts::opening(table.elementNumber),
                                 NavigationBarParts::linkEntries(table, 0), true),
        header);
}
