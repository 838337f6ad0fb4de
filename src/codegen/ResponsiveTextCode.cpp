#include "codegen/ResponsiveTextCode.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/FormFieldCode.h"
#include "codegen/GenerationPreparation.h"
#include "codegen/PageCodeContext.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"
#include "model/text/TextStorage.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QTextDocument>

using CodeTemplate::format;

namespace {

const QString kBlack = QStringLiteral("000000");
const QString kNavbar = QStringLiteral("navbar");
const QString kNoLink = QStringLiteral("http://");

// What a text box and a cell give in their own ways; everything else is read under the same name.
struct TextFacts {
    QString prefix = QStringLiteral("");
    int number = 0;
    bool isCell = false;
    QString text;
    QString familyName;
    int fontSize = 0;
    QString borderStyle;
    QString alignment;
    double opacity = 1.0;
    QRectF bounds;
    QString gridType;
};

TextFacts factsOf(SKTText& box, const PageCodeContext& page)
{
    TextFacts facts;
    facts.number = page.layerOf(&box);
    const QTextDocument& document = box.contents().document();
    facts.text = document.toPlainText();
    const std::optional<QFont> font = TextStorage::fontOfFirstCharacter(document);
    facts.familyName = font ? font->family() : box.fontFamily();
    facts.fontSize = font ? int(TextStorage::fontSize(*font)) : box.fontSize();
    facts.borderStyle = box.borderStyle();
    facts.alignment = facts.text.isEmpty()
                          ? QStringLiteral("left")
                          : ElementCodeParts::alignmentWord(TextStorage::alignmentOfFirstParagraph(document));
    facts.opacity = box.opacity();
    facts.bounds = box.bounds();
    return facts;
}

TextFacts factsOf(myTextView& cell, const SKTTable& table, const PageCodeContext& page)
{
    TextFacts facts;
    facts.isCell = true;
    facts.prefix = format("tableGrid%d", {page.layerOf(&table)});
    const myTextViewList cells = table.cellHelperArray();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (cells.at(i).get() == &cell)
            facts.number = int(i);
    }
    const QTextDocument* storage = cell.textStorage().get();
    facts.text = storage ? storage->toPlainText() : cell.textView() ? cell.textView()->string() : QString();
    if (cell.textView()) {
        facts.familyName = cell.textView()->font().family();
        facts.fontSize = int(TextStorage::fontSize(cell.textView()->font()));
    }
    // A cell tells no border style of its own.
    facts.borderStyle = QStringLiteral("(null)");
    facts.alignment = facts.text.isEmpty() || cell.textAlignment().isEmpty() ? QStringLiteral("left")
                                                                             : cell.textAlignment();
    facts.opacity = cell.alphaValue();
    facts.bounds = QRectF(cell.originX(), cell.originY(), cell.width(), cell.height());
    facts.gridType = table.gridType();
    return facts;
}

// The text as HTML lines: every line end is a break, so a CR LF pair gives two. Typed markup is escaped
// where the product's pages keep text boxes as typed text; what is typed into a cell is text everywhere
// but in products whose text boxes hold HTML, as the table grid writes it.
QString htmlLines(const QString& text, bool isCell)
{
    const bool escape =
        isCell ? !DataCentre::profile().htmlTextBoxes : ElementCodeParts::escapesTypedMarkup(true);
    QStringList lines;
    QString line;
    for (const QChar c : text) {
        if (CodeText::isLineEnd(c)) {
            lines << line;
            line.clear();
        } else {
            line += c;
        }
    }
    lines << line;
    if (escape) {
        for (QString& each : lines)
            each = CodeText::escapedText(each);
    }
    return lines.join(QStringLiteral("<br>"));
}

template <class Element> QString spacingPiece(const Element& e, const TextFacts& facts)
{
    if (facts.isCell && facts.gridType == kNavbar)
        return QStringLiteral("padding:20px 20px 10px 10px;");
    using CodeText::safeRuleText;
    QString piece = format(
        "padding-top:%d%@;padding-bottom:%d%@;padding-left:%d%@;padding-right:%d%@;"
        "margin-top:%d%@;margin-bottom:%d%@;margin-left:%d%@;margin-right:%d%@;",
        {e.topPadding(), safeRuleText(e.topPaddingType()), e.bottomPadding(),
         safeRuleText(e.bottomPaddingType()), e.leftPadding(), safeRuleText(e.leftPaddingType()),
         e.rightPadding(), safeRuleText(e.rightPaddingType()), e.topMargin(), safeRuleText(e.topMarginType()),
         e.bottomMargin(), safeRuleText(e.bottomMarginType()), e.leftMargin(),
         safeRuleText(e.leftMarginType()), e.rightMargin(), safeRuleText(e.rightMarginType())});
    const QLatin1String percent("%");
    if (e.leftMarginType() == percent && e.rightMarginType() == percent)
        piece = format("%@width:%d%%;", {piece, 100 - e.leftMargin() - e.rightMargin()});
    return piece.replace(QStringLiteral("pixel"), QStringLiteral("px"));
}

QString alignmentPiece(int responsiveAlignment)
{
    if (responsiveAlignment == 1)
        return QStringLiteral("margin:0 auto;");
    if (responsiveAlignment == 2)
        return QStringLiteral("margin-left:auto; margin-right:0;");
    return QStringLiteral("margin:0px;");
}

// The rules that follow the class rule: the state rule with the hover colours for the page reader, the
// link rules, the visited rule and the hover rule. The link hover rule carries the element's own prefix,
// so a cell's link colour is the cell's.
QString followingRules(const QString& p, int n, const QString& color, const QString& hover,
                       const QString& hoverText)
{
    const bool hc = !hover.isEmpty();
    const bool ht = !hoverText.isEmpty();
    QString state = QStringLiteral("");
    QString hoverRule = QStringLiteral("");
    if (hc && ht) {
        state = format(".%@text%d{hoverColor:%@;hoverTextColor:%@;}", {p, n, hover, hoverText});
        hoverRule = format(".%@text%d:hover{background-color:#%@;color:#%@;}\n", {p, n, hover, hoverText});
    } else if (hc) {
        state = format(".%@text%d{hoverColor:%@;}", {p, n, hover});
        hoverRule = format(".%@text%d:hover{background-color:#%@;}\n", {p, n, hover});
    } else if (ht) {
        state = format(".%@text%d{hoverTextColor:%@;}", {p, n, hoverText});
        hoverRule = format(".%@text%d:hover{color:#%@ !important;}\n", {p, n, hoverText});
    }
    QString link =
        format(".%@text%d a:link {text-decoration: none; color: #%@;font-weight:normal;}", {p, n, color});
    if (ht)
        link += format(".%@text%d a:hover {text-decoration: none; color: #%@;font-weight:normal;}",
                       {p, n, hoverText});
    const QString visited =
        format(".%@text%d a:visited {text-decoration: none; color: #%@;font-weight:normal;}", {p, n, color});
    return state + link + visited + hoverRule;
}

// The ids of a comma-separated list, each of identifier characters only, so none can end the script.
QStringList idsOf(const QString& list)
{
    QStringList ids;
    for (const QString& id : list.split(QLatin1Char(','))) {
        const QString safe = CodeText::safeIdentifier(id);
        if (!safe.isEmpty())
            ids << safe;
    }
    return ids;
}

QString clickScript(const QString& p, int n, const QString& showList, const QString& hideList)
{
    QString script =
        format("%@$(\"#%@text%d\").click(function(){\n", {"<script>\n$(document).ready(function(){\n", p, n});
    for (const QString& id : idsOf(showList))
        script = format("%@\n$(\"#%@\").show();\n", {script, id});
    for (const QString& id : idsOf(hideList))
        script = format("%@\n$(\"#%@\").hide();\n", {script, id});
    return format("%@\n});\n});\n</script>\n", {script});
}

template <class Element>
QString html(const Element& e, const QString& p, int n, const QString& text, const QString& inlineStyle)
{
    const bool inlineStyleCode = DataCentre::profile().inlineStyleCode;
    const QString style = CodeText::singleQuotedAttribute(inlineStyle);
    const QString verified = GenerationPreparation::verifyLink(e.link());
    if (verified.isEmpty() || verified == kNoLink) {
        if (inlineStyleCode)
            return format("<div class=%@text%d id=%@text%d style='%@'>%@</div>\n", {p, n, p, n, style, text});
        return format("<div class=%@text%d id=%@text%d>%@</div>\n", {p, n, p, n, text});
    }
    const QString link = CodeText::safeLinkTarget(verified);
    const QString target =
        CodeText::safeWindowTarget(e.linkOption().isEmpty() ? QStringLiteral("_self") : e.linkOption());
    if (e.linkType().contains(QLatin1String("shape"))) {
        if (inlineStyleCode)
            return format("<a href=%@ target=%@><div class=%@text%d id=%@text%d style='%@'>%@</div></a>\n",
                          {link, target, p, n, p, n, style, text});
        return format("<a href=%@ target=%@><div class=%@text%d id=%@text%d>%@</div></a>\n",
                      {link, target, p, n, p, n, text});
    }
    if (inlineStyleCode)
        return format("<div class=%@text%d id=%@text%d style='%@'><a href=%@ target=%@>%@</a></div>\n",
                      {p, n, p, n, style, link, target, text});
    return format("<div class=%@text%d id=%@text%d><a href=%@ target=%@>%@</a></div>\n",
                  {p, n, p, n, link, target, text});
}

template <class Element> CodeWidgetHelper generate(Element& e, const TextFacts& facts)
{
    const QString& p = facts.prefix;
    const int n = facts.number;
    // Unset units would write no unit at all.
    GenerationPreparation::populateTextViewMarginType(e);

    // A transparent text or border colour is written black, for good.
    if (e.textHexColorString() == DataCentre::kClearColorString)
        e.setTextHexColorString(kBlack);
    if (e.borderHexColorString() == DataCentre::kClearColorString)
        e.setBorderHexColorString(kBlack);
    const QString color = CodeText::safeColor(e.textHexColorString(), kBlack);
    const QString borderColor = CodeText::safeColor(e.borderHexColorString(), kBlack);
    const QString background =
        CodeText::safeColor(e.backgroundHexColorString(), DataCentre::kClearColorString);
    const QString hover = CodeText::safeColor(e.hoverColorString(), QString());
    const QString hoverText = CodeText::safeColor(e.hoverTextColorString(), QString());

    const int indent = e.indentFlag() == 1 || e.indentFlag() == 2 ? 40 : 0;
    const QString opacity = facts.opacity >= 1.0 ? QStringLiteral("")
                                                 : format("opacity:%f;filter:alpha(opacity=%f);",
                                                          {facts.opacity, facts.opacity * 100.0});
    const int s = int(e.shadowFlag()) == 1 ? 1 : 0;
    const QString shadow =
        s == 1 ? format("box-shadow: %dpx %dpx %fpx #000000;", {0, s, double(s)}) : QStringLiteral("");
    const QString lineHeight = e.lineSpacing() > 0
                                   ? format("line-height:%f; !important;", {double(e.lineSpacing())})
                                   : QStringLiteral("");
    const QString size =
        e.responsiveResizeFlag() == 1
            ? format("width:%dpx;height:%dpx;", {int(facts.bounds.width()), int(facts.bounds.height())})
            : QStringLiteral("");
    const QString alignment = alignmentPiece(e.responsiveAlignment());
    const QString spacing = spacingPiece(e, facts);
    const bool clickable = !e.onClickShowString().isEmpty() || !e.onClickHideString().isEmpty();
    const QString cursor = clickable ? QStringLiteral("cursor:pointer;") : QStringLiteral("");
    const QString family = CodeText::safeRuleText(facts.familyName);
    const QString borderStyle = CodeText::safeRuleText(facts.borderStyle);
    const QString textAlign = CodeText::safeRuleText(facts.alignment);
    ElementCodeParts::markWebFontUsed(facts.familyName);

    const QString header = format(
        ".%@text%d{%@%@font-size:%dpx;color:#%@;background-color:#%@;font-family:\"%@\";border-style:%@;"
        "border-width:%dpx;border-color:#%@;text-align:%@;border-radius:%fpx;-moz-border-radius:%fpx;%@%@"
        "shadowOpacity:%d;shadowRadius:%d;shadowOffSetY:%d;textAlpha:%f;text-indent:%dpx;%@;%@%@}%@\n\n",
        {p,
         n,
         size,
         alignment,
         facts.fontSize,
         color,
         background,
         family,
         borderStyle,
         e.borderWidth(),
         borderColor,
         textAlign,
         double(e.cornerRadius()),
         double(e.cornerRadius()),
         opacity,
         shadow,
         s,
         s,
         s,
         facts.opacity,
         indent,
         cursor,
         lineHeight,
         spacing,
         followingRules(p, n, color, hover, hoverText)});
    const QString inlineStyle =
        format("%@%@font-size:%dpx;color:#%@;background-color:#%@;font-family:\"%@\";border-style:%@;"
               "border-width:%dpx;border-color:#%@;text-align:%@;border-radius:%fpx;%@",
               {size, alignment, facts.fontSize, color, background, family, borderStyle, e.borderWidth(),
                borderColor, textAlign, double(e.cornerRadius()), spacing});

    CodeWidgetHelper code;
    code.setHeaderString(header);
    code.setBodyString(html(e, p, n, htmlLines(facts.text, facts.isCell), inlineStyle));
    if (clickable)
        code.setJavaScriptString(clickScript(p, n, e.onClickShowString(), e.onClickHideString()));
    code.setRect(facts.bounds.x(), facts.bounds.y(), facts.bounds.width(), facts.bounds.height());
    code.setOriginY(int(facts.bounds.y()));
    code.setPartOfTableFlag(facts.isCell);
    return code;
}

} // namespace

CodeWidgetHelper ResponsiveTextCode::generateTextViewCode(SKTText& text, const PageCodeContext& page)
{
    const TextFacts facts = factsOf(text, page);
    CodeWidgetHelper code = generate(text, facts);
    // A form field is written as its form markup, with its pieces of the form mail.
    FormFieldCode::generate(text, facts.number, page, code);
    return code;
}

CodeWidgetHelper ResponsiveTextCode::generateTextViewCode(myTextView& cell, const SKTTable& table,
                                                          const PageCodeContext& page)
{
    return generate(cell, factsOf(cell, table, page));
}
