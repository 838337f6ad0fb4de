#include "codegen/widgets/NavigationBarParts.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "profile/services/HexColor.h"

using CodeTemplate::format;

namespace {

constexpr const char* kToggleHead = R"~(<nav class="navbar navbar-default">
<div class=container-fluid>
<div class=navbar-header>
<button type=button class="navbar-toggle collapsed" data-toggle=collapse data-target=#navbar%d aria-expanded=false aria-controls=navbar%d>
<span class=sr-only>Toggle navigation</span>
<span class=icon-bar></span>
<span class=icon-bar></span>
<span class=icon-bar></span>
</button>
)~";

constexpr const char* kCollapseOpening = R"~(<div id=navbar%d class="navbar-collapse collapse">
<ul class="nav navbar-nav">
)~";

constexpr const char* kStartMarker = "<!--START NAVIGATION MENU-->";
constexpr const char* kEndMarker = "<!--END NAVIGATION MENU-->";
constexpr const char* kClosing = "</ul>\n</div>\n</div>\n</nav>\n";

// Bootstrap's own default bar, for a bar that has no style cell.
const QString kDefaultBackground = QStringLiteral("F8F8F8");
const QString kDefaultHoverBackground = QStringLiteral("E7E7E7");
const QString kDefaultTextColor = QStringLiteral("777777");
const QString kDefaultHoverTextColor = QStringLiteral("333333");
const QString kDefaultFamily = QStringLiteral("Helvetica Neue");
constexpr int kDefaultFontSize = 14;

QString background(const QString& colorString, const QString& fallback, bool clearAsTransparent)
{
    const QString color = CodeText::safeColor(colorString, fallback);
    if (!clearAsTransparent)
        return color;
    return color == DataCentre::kClearColorString ? QStringLiteral("transparent") : QLatin1Char('#') + color;
}

// A text colour stands after "#": "CLEAR0" has no place there.
QString textColor(const QString& colorString, const QString& fallback)
{
    const QString color = CodeText::safeColor(colorString, fallback);
    return color == DataCentre::kClearColorString ? fallback : color;
}

} // namespace

namespace NavigationBarParts {

Style styleOf(const myTextView* styleCell, bool clearAsTransparent)
{
    Style style;
    style.background = background(styleCell ? styleCell->backgroundHexColorString() : kDefaultBackground,
                                  kDefaultBackground, clearAsTransparent);
    style.hoverBackground = background(styleCell ? styleCell->hoverColorString() : kDefaultHoverBackground,
                                       kDefaultHoverBackground, clearAsTransparent);
    style.textColor =
        textColor(styleCell ? styleCell->textColorString() : kDefaultTextColor, kDefaultTextColor);
    style.hoverTextColor = textColor(styleCell ? styleCell->hoverTextColorString() : kDefaultHoverTextColor,
                                     kDefaultHoverTextColor);
    style.fontSize = styleCell ? styleCell->fontSize() : kDefaultFontSize;
    style.family = CodeText::safeRuleText(styleCell ? styleCell->familyName() : kDefaultFamily);
    return style;
}

QString opening(int elementNumber)
{
    return format(kToggleHead, {elementNumber, elementNumber}) + QStringLiteral("</div>\n") +
           format(kCollapseOpening, {elementNumber});
}

QString openingWithBrand(int elementNumber, const QString& brand)
{
    return format("%@\n%@\n</div>\n%@", {format(kToggleHead, {elementNumber, elementNumber}), brand,
                                         format(kCollapseOpening, {elementNumber})});
}

QString body(const QString& opening, const QString& entries, bool markers)
{
    if (markers)
        return format("%@\n%@%@%@\n%@", {opening, kStartMarker, entries, kEndMarker, kClosing});
    return format("%@\n%@\n%@", {opening, entries, kClosing});
}

QString linkEntries(const WidgetTable& table, int firstColumn)
{
    QString entries = QStringLiteral("");
    for (int column = firstColumn; column < table.numOfColumns; ++column) {
        const std::shared_ptr<myTextView> cell = table.grabSelectedTableCellHelper(0, column);
        entries =
            WidgetParts::joined(entries, format("<li><a href=%@>%@</a></li>\n",
                                                {WidgetParts::linkTarget(cell ? cell->link() : QString()),
                                                 WidgetParts::cellMarkup(cell.get())}));
    }
    return entries;
}

std::optional<CodeWidgetHelper> record(const WidgetTable& table, const QString& body, const QString& header)
{
    if (table.cellHelperArray.isEmpty())
        return std::nullopt;
    CodeWidgetHelper code;
    code.setBodyString(body);
    code.setHeaderString(header);
    code.setJavaScriptString(QStringLiteral(""));
    code.setOriginY(int(table.bounds.y()));
    return code;
}

} // namespace NavigationBarParts
