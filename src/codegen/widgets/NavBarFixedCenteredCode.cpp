#include "codegen/CodeTemplate.h"
#include "codegen/widgets/NavigationBarParts.h"
#include "codegen/widgets/WidgetCode.h"

using CodeTemplate::format;

namespace {

// The bar fixed to the top of the window, with cell (0, 0) as its linked brand.
constexpr const char* kOpening =
    R"~(<nav class="navbar navbar-inverse navbar-fixed-top"><div class="container"><div class="navbar-header"><button type="button" class="navbar-toggle collapsed" data-toggle="collapse" data-target="#navbar%d" aria-expanded="false" aria-controls="navbar%d"><span class="sr-only">Toggle navigation</span><span class="icon-bar"></span><span class="icon-bar"></span><span class="icon-bar"></span></button><a class="navbar-brand" href="%@">%@</a></div><div id="navbar%d" class="collapse navbar-collapse"><ul class="nav navbar-nav">)~";

// Values as the centred bar's, every colour bare after "#"; the entries are centred and the page's top
// padding clears the bar.
constexpr const char* kCss =
    R"~(.navbar .navbar-nav > li > a:hover, .navbar-default .navbar-nav > li > a:focus {
color: #%@;
background-color: #%@;
}
.navbar {
border:0px;
background-color: #%@;
border-radius:0px;
}
.navbar .navbar-nav > li > a {
color: #%@;
font-size:%dpx;
font-family:"%@";
}
.navbar-brand {
color: #%@ !important;
font-size:%dpx;
font-family:"%@";
}
.navbar .navbar-toggle .icon-bar {
    background-color: #%@;
}
.navbar-toggle {
background-color: transparent;
}
.navbar .navbar-toggle:hover, .navbar-default .navbar-toggle:focus {
background-color: #%@;
}
.navbar-toggle:hover .icon-bar {
background-color: #%@;
}
.navbar .navbar-nav {
display: inline-block;
float: none;
vertical-align: top;
}
.navbar .navbar-collapse {
text-align: center;
}
body {padding-top: 50px;}
)~";

} // namespace

std::optional<CodeWidgetHelper> WidgetCode::generateNavBar_Fixed_Centered(const WidgetTable& table)
{
    const int n = table.elementNumber;
    const std::shared_ptr<myTextView> brand = table.grabSelectedTableCellHelper(0, 0);
    const QString opening =
        format(kOpening, {n, n, WidgetParts::linkTarget(brand ? brand->link() : QString()),
                          WidgetParts::cellMarkup(brand.get()), n});
    // Column 0 is the brand: a bar of one column has no entry to take its style from.
    const std::shared_ptr<myTextView> styleCell =
        table.numOfColumns >= 2 ? table.grabSelectedTableCellHelper(0, table.numOfColumns - 1) : nullptr;
    const NavigationBarParts::Style s = NavigationBarParts::styleOf(styleCell.get(), false);
    const QString header =
        format(kCss, {s.hoverTextColor, s.hoverBackground, s.background, s.textColor, s.fontSize, s.family,
                      s.textColor, s.fontSize, s.family, s.textColor, s.hoverBackground, s.hoverTextColor});
    return NavigationBarParts::record(
        table, NavigationBarParts::body(opening, NavigationBarParts::linkEntries(table, 1), false), header);
}
