#include "codegen/CodeTemplate.h"
#include "codegen/widgets/NavigationBarParts.h"
#include "codegen/widgets/WidgetCode.h"

using CodeTemplate::format;

namespace {

// Values: hover text colour, hover background (links on hover); the same (open entry); background (bar);
// text colour, font size, family (links); the same (brand); text colour (toggle icon bars); hover
// background (toggle on hover); hover text colour (icon bars on hover); hover text colour, hover background
// (sub-entries on hover); background (drop-down list); text colour, font size, family (drop-down list);
// the same (sub-entry links); text colour (sub-entries of an open entry); hover text colour, hover
// background (those on hover).
constexpr const char* kCss =
    R"~(.navbar-default .navbar-nav > li > a:hover, .navbar-default .navbar-nav > li > a:focus {
color: #%@;
background-color: %@;
width:100%%;
}
.navbar-default .navbar-nav>.open>a, .navbar-default .navbar-nav>.open>a:focus, .navbar-default .navbar-nav>.open>a:hover{
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
.dropdown-menu > li > a:hover, .dropdown-menu > li > a:focus {
color: #%@;
background-color: %@;
width:100%;
}
.dropdown-menu{
border:0px;
background-color: %@;
border-radius:0px;
}
.dropdown-menu {
color: #%@;
font-size:%dpx;
font-family:"%@";
width:100%;
}
.dropdown-menu > li > a{
color: #%@;
font-size:%dpx;
font-family:"%@";
width:100%;
}
.navbar-default .navbar-nav .open .dropdown-menu>li>a{
color: #%@;
}
.navbar-default .navbar-nav .open .dropdown-menu>li>a:hover, .dropdown-menu>li>a:focus{
color: #%@;
background-color: %@;
width:100%%;
}
)~";

// A top entry with a link leads there; one without opens its drop-down list. Either carries the list.
QString entry(const WidgetTable& table, int column)
{
    const std::shared_ptr<myTextView> top = table.grabSelectedTableCellHelper(0, column);
    const QString text = WidgetParts::cellMarkup(top.get());
    const QString head =
        top && !top->link().isEmpty()
            ? format("<li><a href=%@>%@</a>\n", {WidgetParts::linkTarget(top->link()), text})
            : format("<li class=\"dropdown\">\n<a class=\"dropdown-toggle\" data-toggle=\"dropdown\" "
                     "role=\"button\" aria-haspopup=\"true\" aria-expanded=\"false\">%@</a>\n",
                     {text});
    QString subList = QStringLiteral("<ul class=\"dropdown-menu\">");
    for (int row = 1; row < table.numOfRows; ++row) {
        const std::shared_ptr<myTextView> cell = table.grabSelectedTableCellHelper(row, column);
        if (WidgetParts::cellString(cell.get()).isEmpty())
            continue;
        subList = WidgetParts::joined(
            subList, format("<li><a href=%@>%@</a></li>\n",
                            {WidgetParts::linkTarget(cell->link()), WidgetParts::cellMarkup(cell.get())}));
    }
    return format("%@\n%@</li>", {head, subList + QStringLiteral("\n</ul>")});
}

} // namespace

std::optional<CodeWidgetHelper> WidgetCode::generateDropdownmenu(const WidgetTable& table)
{
    QString entries = QStringLiteral("");
    for (int column = 0; column < table.numOfColumns; ++column)
        entries = WidgetParts::joined(entries, entry(table, column));
    const std::shared_ptr<myTextView> styleCell =
        table.grabSelectedTableCellHelper(0, table.numOfColumns - 1);
    const NavigationBarParts::Style s = NavigationBarParts::styleOf(styleCell.get(), true);
    const QString header = format(
        kCss,
        {s.hoverTextColor,  s.hoverBackground, s.hoverTextColor, s.hoverBackground, s.background, s.textColor,
         s.fontSize,        s.family,          s.textColor,      s.fontSize,        s.family,     s.textColor,
         s.hoverBackground, s.hoverTextColor,  s.hoverTextColor, s.hoverBackground, s.background, s.textColor,
         s.fontSize,        s.family,          s.textColor,      s.fontSize,        s.family,     s.textColor,
         s.hoverTextColor,  s.hoverBackground});
    return NavigationBarParts::record(
        table, NavigationBarParts::body(NavigationBarParts::opening(table.elementNumber), entries, true),
        header);
}
