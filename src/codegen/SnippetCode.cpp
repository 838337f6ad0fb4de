#include "codegen/SnippetCode.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/GenerationPreparation.h"
#include "codegen/PageCodeContext.h"
#include "codegen/TextElementCode.h"
#include "model/NoNumber.h"
#include "model/SKTText.h"
#include "model/text/TextStorage.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QTextDocument>

#include <cmath>

using CodeTemplate::format;
using ElementCodeParts::alignmentWord;
using ElementCodeParts::withoutPathExtension;

namespace {

constexpr int kEmptyTextFontSize = 10;

// What differs between a snippet graphic and a cell record, read once; everything else is read from the
// element under the same name.
struct SnippetFacts {
    QString prefix = QStringLiteral("");
    int number = 0;
    int defaultLayer = 0;
    bool isCell = false;
    QString text;
    std::optional<QFont> font;
    QString familyName;
    int fontSize = 0;
    QRectF bounds;
    double opacity = 1.0;
    int cornerRadius = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    double topPaddingInPx = 0;
    double topMarginInPx = 0;
    double bottomPaddingInPx = 0;
    double bottomMarginInPx = 0;
};

Qt::Alignment alignmentOfWord(const QString& word)
{
    if (word == QLatin1String("right"))
        return Qt::AlignRight;
    if (word == QLatin1String("center"))
        return Qt::AlignHCenter;
    if (word == QLatin1String("justify"))
        return Qt::AlignJustify;
    return Qt::AlignLeft;
}

// A percentage of the top or bottom side is of the element's height.
double pointsOf(int value, const QString& unit, int height)
{
    return unit == QLatin1String("%") ? value * height / 100.0 : value;
}

SnippetFacts factsOf(SKTText& snippet, const PageCodeContext& page)
{
    SnippetFacts facts;
    facts.number = page.layerOf(&snippet);
    facts.defaultLayer = facts.number;
    facts.text = snippet.textString();
    const QTextDocument& document = snippet.contents().document();
    facts.font = TextStorage::fontOfFirstCharacter(document);
    facts.familyName = facts.font ? facts.font->family() : snippet.fontFamily();
    facts.fontSize = facts.font ? int(TextStorage::fontSize(*facts.font)) : snippet.fontSize();
    facts.alignment = TextStorage::alignmentOfFirstParagraph(document);
    facts.bounds = snippet.bounds();
    facts.opacity = snippet.opacity();
    facts.cornerRadius = int(snippet.cornerRadius());
    facts.topPaddingInPx = snippet.topPaddingInPx();
    facts.topMarginInPx = snippet.topMarginInPx();
    facts.bottomPaddingInPx = snippet.bottomPaddingInPx();
    facts.bottomMarginInPx = snippet.bottomMarginInPx();
    return facts;
}

SnippetFacts factsOf(myTextView& cell, const SKTGraphic& table, const myTextViewList& cells,
                     const PageCodeContext& page)
{
    SnippetFacts facts;
    facts.isCell = true;
    facts.prefix = format("tableGrid%d", {page.layerOf(&table)});
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (cells[i].get() == &cell)
            facts.number = int(i);
    }
    // A cell is not among the page's graphics.
    facts.defaultLayer = page.layerOf(nullptr);
    const QTextDocument* storage = cell.textStorage().get();
    facts.text = storage ? storage->toPlainText() : cell.textView() ? cell.textView()->string() : QString();
    // What is typed into a cell is text, not markup, unless the product's text boxes hold HTML.
    if (!DataCentre::profile().htmlTextBoxes)
        facts.text = CodeText::escapedText(facts.text);
    facts.familyName = cell.familyName();
    facts.fontSize = cell.fontSize();
    facts.alignment =
        storage ? TextStorage::alignmentOfFirstParagraph(*storage) : alignmentOfWord(cell.textAlignment());
    facts.bounds = QRectF(cell.originX(), cell.originY(), cell.width(), cell.height());
    facts.opacity = cell.alphaValue();
    facts.cornerRadius = int(cell.tableCellCornerRadius());
    facts.topPaddingInPx = pointsOf(cell.topPadding(), cell.topPaddingType(), cell.height());
    facts.topMarginInPx = pointsOf(cell.topMargin(), cell.topMarginType(), cell.height());
    facts.bottomPaddingInPx = pointsOf(cell.bottomPadding(), cell.bottomPaddingType(), cell.height());
    facts.bottomMarginInPx = pointsOf(cell.bottomMargin(), cell.bottomMarginType(), cell.height());
    return facts;
}

template <class Element> QString boxModel(const Element& e, const SnippetFacts& facts, bool textIsEmpty)
{
    const int freeSpace =
        int(facts.bounds.height() - (textIsEmpty ? 0 : e.textHeight()) - facts.topPaddingInPx -
            facts.topMarginInPx - facts.bottomPaddingInPx - facts.bottomMarginInPx);
    int top = e.topPadding();
    int bottom = e.bottomPadding();
    if (e.verticalAlignment() == 0) {
        bottom += freeSpace;
    } else if (e.verticalAlignment() == 1) {
        top += freeSpace / 2;
        bottom += freeSpace / 2;
    } else {
        top += freeSpace;
    }
    using CodeText::safeRuleText;
    QString box =
        format("padding-top:%d%@;padding-bottom:%d%@;padding-left:%d%@;padding-right:%d%@;"
               "margin-left:%d%@;margin-right:%d%@;margin-top:0;margin-bottom:0;",
               {top, safeRuleText(e.topPaddingType()), bottom, safeRuleText(e.bottomPaddingType()),
                e.leftPadding(), safeRuleText(e.leftPaddingType()), e.rightPadding(),
                safeRuleText(e.rightPaddingType()), e.leftMargin(), safeRuleText(e.leftMarginType()),
                e.rightMargin(), safeRuleText(e.rightMarginType())});
    return box.replace(QStringLiteral("pixel"), QStringLiteral("px"));
}

// The ids of a comma-separated list, each of identifier characters only, so that none can end the string
// or the script it is written into; entries left empty are dropped.
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

QString clickScript(const QString& prefix, int n, const QString& showList, const QString& hideList)
{
    QString script = QStringLiteral("<script>\n$(document).ready(function(){\n");
    script = format("%@$(\"#%@snippet%d\").click(function(){\n", {script, prefix, n});
    for (const QString& id : idsOf(showList))
        script = format("%@\n$(\"#%@\").show();\n", {script, id});
    for (const QString& id : idsOf(hideList))
        script = format("%@\n$(\"#%@\").hide();\n", {script, id});
    return format("%@\n});\n});\n</script>\n", {script});
}

template <class Element>
QString body(const Element& e, const QString& prefix, int n, const QString& text, const QString& inlineStyle,
             bool inlineStyleCode)
{
    const QString link = CodeText::safeLinkTarget(e.link());
    const QString target = CodeText::safeWindowTarget(e.linkOption());
    if (e.link().isEmpty()) {
        if (inlineStyleCode)
            return format("<div class=%@snippet%d id=%@snippet%d style='%@'>\n%@\n</div>\n",
                          {prefix, n, prefix, n, CodeText::singleQuotedAttribute(inlineStyle), text});
        return format("<div class=%@snippet%d id=%@snippet%d>\n%@\n</div>\n", {prefix, n, prefix, n, text});
    }
    if (e.linkType() == QLatin1String("shape")) {
        if (inlineStyleCode)
            return format(
                "<a href=%@ target=%@><div class=%@snippet%d id=%@snippet%d style='%@'>%@</div></a>\n",
                {link, target, prefix, n, prefix, n, CodeText::singleQuotedAttribute(inlineStyle), text});
        return format("<a href=%@ target=%@><div class=%@snippet%d id=%@snippet%d>%@</div></a>\n",
                      {link, target, prefix, n, prefix, n, text});
    }
    if (inlineStyleCode)
        return format(
            "<div class=%@snippet%d id=%@snippet%d style='%@'><a href=%@ target=%@>%@</a></div>\n",
            {prefix, n, prefix, n, CodeText::singleQuotedAttribute(inlineStyle), link, target, text});
    return format("<div class=%@snippet%d id=%@snippet%d><a href=%@ target=%@>%@</a></div>\n",
                  {prefix, n, prefix, n, link, target, text});
}

template <class Element>
CodeWidgetHelper generate(Element& e, const SnippetFacts& facts, const PageCodeContext& page)
{
    const bool inlineStyleCode = DataCentre::profile().inlineStyleCode;
    const QString& prefix = facts.prefix;
    const int n = facts.number;
    const bool textIsEmpty = facts.text.isEmpty();
    const int fontSize = textIsEmpty ? kEmptyTextFontSize : facts.fontSize;
    // A text box always holds a text, if an empty one.
    QString text = facts.text.isNull() ? QStringLiteral("") : facts.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const int lines = TextElementCode::calculateNumOfLines(text);
    const int layer = e.manualLayerIndex() != 0 ? e.manualLayerIndex() : facts.defaultLayer;
    const int fixed = e.moveLock();

    QString templateName = withoutPathExtension(e.templateName());
    if (templateName.isEmpty())
        templateName = page.mainTemplateName;
    e.setTemplateName(templateName);
    // The user's texts go into the rule made safe; the element keeps them as they are.
    const QString writtenTemplateName = CodeText::safeRuleText(templateName);
    const QString family = CodeText::safeRuleText(facts.familyName);
    const QString borderStyle = CodeText::safeRuleText(e.borderStyle());

    const bool formatted = e.snippetFormatFlag();
    QString header;
    QString inlineStyle = QStringLiteral("");
    if (!formatted) {
        header = format(".%@snippet%d{z-index:%d;nlines:%d;fixed:%d;groupNumber:%d;templateName:%@;"
                        "manualLayerIndex:%d;snippetFormattingFlag:%d;}\n\n",
                        {prefix, n, layer, lines, fixed, e.groupNumber(), writtenTemplateName,
                         e.manualLayerIndex(), int(formatted)});
    } else {
        QString opacity = QStringLiteral("");
        if (facts.opacity < 1.0) {
            opacity = facts.isCell && inlineStyleCode ? format("opacity:%f;", {facts.opacity})
                                                      : format("opacity:%f;filter:alpha(opacity=%f);",
                                                               {facts.opacity, facts.opacity * 100});
        }
        const QString background =
            CodeText::safeColor(e.backgroundHexColorString(), DataCentre::kClearColorString);
        const QString backgroundDeclaration = background == DataCentre::kClearColorString
                                                  ? QStringLiteral("")
                                                  : format("background-color:#%@;", {background});
        const QString shadow = e.shadowRadius() == 0
                                   ? QStringLiteral("")
                                   : format("box-shadow: %dpx %dpx %dpx #5B5B5B;",
                                            {int(e.shadowHorizontalOffset()), -int(e.shadowVerticalOffset()),
                                             int(e.shadowRadius())});
        if (e.borderHexColorString() == DataCentre::kClearColorString)
            e.setBorderHexColorString(QStringLiteral("000000"));
        const QString textColor = CodeText::safeColor(e.textHexColorString(), QStringLiteral("000000"));
        const QString borderColor = CodeText::safeColor(e.borderHexColorString(), QStringLiteral("000000"));
        const QString alignment = textIsEmpty ? QStringLiteral("left") : alignmentWord(facts.alignment);
        // A snippet is no form field.
        const QString companions = ElementCodeParts::companionRules(
            {format(".%@snippet%d", {prefix, n}), textColor, e.hoverColorString(), e.hoverTextColorString(),
             e.formType(), kNoNumber, kNoNumber, 0});
        const QString box = boxModel(e, facts, textIsEmpty);
        const bool clickable = !e.onClickShowString().isEmpty() || !e.onClickHideString().isEmpty();
        const QString pointer = clickable ? QStringLiteral("cursor:pointer;") : QStringLiteral("");
        const QString lineHeight = e.lineSpacing() > 0
                                       ? format("line-height:%f !important;", {double(e.lineSpacing())})
                                       : QStringLiteral("");

        header = format(
            ".%@snippet%d{%@z-index:%d;font-size:%dpx;color:#%@;font-family:\"%@\";%@border-style:%@;"
            "border-width:%dpx;border-color:#%@;text-align:%@;border-radius:%dpx;-moz-border-radius:%dpx;"
            "fixed:%d;"
            "%@%@textAlpha:%f;indentFlag:%d;text-indent:%dpx;shapeFlag:%d;groupNumber:%d;line-height:normal;"
            "tableNumber:%d;tableRowSpot:%d;tableColumnSpot:%d;templateName:%@;manualLayerIndex:%d;linkType:%"
            "@;"
            "shapeBackgroundColor:%@;nlines:%d;snippetFormattingFlag:%d;%@%@}%@\n\n",
            {prefix,
             n,
             backgroundDeclaration,
             layer,
             fontSize,
             textColor,
             family,
             box,
             borderStyle,
             e.borderWidth(),
             borderColor,
             alignment,
             facts.cornerRadius,
             facts.cornerRadius,
             fixed,
             opacity,
             shadow,
             facts.opacity,
             0,
             0,
             e.shapeFlag(),
             e.groupNumber(),
             kNoNumber,
             kNoNumber,
             kNoNumber,
             writtenTemplateName,
             e.manualLayerIndex(),
             CodeText::safeRuleText(e.linkType()),
             CodeText::safeRuleText(background),
             lines,
             int(formatted),
             lineHeight,
             pointer,
             companions});
        inlineStyle = format("%@z-index:%d;font-size:%dpx;color:#%@;font-family:\"%@\";%@border-style:%@;"
                             "border-width:%dpx;border-color:#%@;text-align:%@;border-radius:%dpx;"
                             "-moz-border-radius:%dpx;fixed:%d;%@%@line-height:normal;%@%@",
                             {backgroundDeclaration, layer, fontSize, textColor, family, box, borderStyle,
                              e.borderWidth(), borderColor, alignment, facts.cornerRadius, facts.cornerRadius,
                              fixed, opacity, shadow, lineHeight, pointer});
    }

    // The user's HTML is written as it is; a formatted snippet only turns its line ends into breaks.
    QString bodyText = text;
    if (formatted) {
        bodyText.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
        bodyText.replace(QStringLiteral("\r"), QStringLiteral("<br>"));
        bodyText.replace(QStringLiteral("\n"), QStringLiteral("<br>"));
    }

    CodeWidgetHelper code;
    code.setHeaderString(header);
    code.setBodyString(body(e, prefix, n, bodyText, inlineStyle, inlineStyleCode));
    if (!e.onClickShowString().isEmpty() || !e.onClickHideString().isEmpty())
        code.setJavaScriptString(clickScript(prefix, n, e.onClickShowString(), e.onClickHideString()));
    code.setRect(facts.bounds.x(), facts.bounds.y(), facts.bounds.width(), facts.bounds.height());
    code.setOriginY(int(facts.bounds.y()));
    code.setPartOfTableFlag(facts.isCell);
    return code;
}

} // namespace

// The units are settled first: a cell's percentages are read through them.
CodeWidgetHelper SnippetCode::generateSnippetCode(SKTText& snippet, const PageCodeContext& page)
{
    GenerationPreparation::populateTextViewMarginType(snippet);
    return generate(snippet, factsOf(snippet, page), page);
}

CodeWidgetHelper SnippetCode::generateSnippetCode(myTextView& cell, const SKTGraphic& table,
                                                  const myTextViewList& cellHelperArray,
                                                  const PageCodeContext& page)
{
    GenerationPreparation::populateTextViewMarginType(cell);
    return generate(cell, factsOf(cell, table, cellHelperArray, page), page);
}
