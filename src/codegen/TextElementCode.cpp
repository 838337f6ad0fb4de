#include "codegen/TextElementCode.h"

#include "codegen/CodeText.h"
#include "codegen/CodeVocabulary.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/GenerationPreparation.h"
#include "codegen/PageCodeContext.h"
#include "model/NoNumber.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"
#include "model/text/TextStorage.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <QTextDocument>

#include <algorithm>
#include <optional>

using namespace CodeVocabulary;
using namespace ElementCodeParts;

namespace {

const QString kSnippetTextType = QStringLiteral("HTMLSnippet");

// What a text graphic and a cell record give in their own ways.
struct ElementFacts {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    double boundsHeight = 0;
    int tableNumber = kNoNumber;
    int rowSpot = kNoNumber;
    int columnSpot = kNoNumber;
    double cornerRadius = 0;
    double opacity = 1.0;
    // None for a record without text.
    const QTextDocument* text = nullptr;
    // -1 when the element is not one of the page's graphics.
    int indexInGraphics = -1;
};

// One rule's declarations in the order they are written.
class Declarations {
public:
    Declarations& add(Text property, const QString& value, bool important = false)
    {
        GenerateSourceCodeObject declaration;
        declaration.setSourceCodeObjectType(QString(property));
        declaration.setSourceCodeObjectValue(value);
        declaration.setImportantFlag(important);
        m_list.append(declaration);
        return *this;
    }
    Declarations& add(Text property, Text value) { return add(property, QString(value)); }
    Declarations& add(Text property, long long value) { return add(property, Format::integer(value)); }
    // A value the user typed, or one read back from a page, which could carry anything.
    Declarations& freeText(Text property, const QString& value)
    {
        return add(property, CodeText::safeRuleText(value));
    }

    // The rule: selector (which ends with its opening brace), declarations, closing brace.
    QString rule(const QString& selector) const
    {
        return selector + TextElementCode::combineSourceCodeString(m_list) + QLatin1Char('}');
    }

private:
    QList<GenerateSourceCodeObject> m_list;
};

QString pixels(long long value)
{
    return Format::integer(value) + QLatin1String("px");
}

// A value that is no colour string is left out of the rule, as a missing one is.
QString hexColor(const QString& colorString)
{
    return QLatin1Char('#') + CodeText::safeColor(colorString, QString());
}

// The template name loses its extension; an element without one takes the page's main template name.
template <class Element> QString settleTemplateName(Element& element, const PageCodeContext& page)
{
    element.setTemplateName(withoutPathExtension(element.templateName()));
    if (element.templateName().isEmpty())
        element.setTemplateName(page.mainTemplateName);
    return element.templateName();
}

template <class Element>
CodeWidgetHelper generate(Element& e, const ElementFacts& facts, int number, bool responsiveOutput,
                          const PageCodeContext& page)
{
    const ProductProfile& profile = DataCentre::profile();
    const int layer =
        e.manualLayerIndex() != 0 ? e.manualLayerIndex() : int(page.graphics.size()) - facts.indexInGraphics;
    const QString templateName = settleTemplateName(e, page);
    GenerationPreparation::populateTextViewMarginType(e);
    const QString position = e.scrollFlag() == 1 ? QStringLiteral("fixed") : QStringLiteral("absolute");

    const QString plain = facts.text ? facts.text->toPlainText() : QString();
    const std::optional<QFont> font =
        facts.text ? TextStorage::fontOfFirstCharacter(*facts.text) : std::optional<QFont>();
    int fontSize = 10;
    int padding = 0;
    if (!plain.isEmpty()) {
        fontSize = int(TextStorage::fontSize(*font));
        padding = int(std::min(10.0, 0.11 * facts.boundsHeight));
    }
    const QString family = font ? font->family() : QString();
    markWebFontUsed(family);

    const int indent = e.indentFlag() == 1 || e.indentFlag() == 2 ? 40 : 0;
    const QString alignment = plain.isEmpty()
                                  ? QStringLiteral("left")
                                  : alignmentWord(TextStorage::alignmentOfFirstParagraph(*facts.text));

    const RuleShadow shadow = ruleShadow(e.shadowFlag() == 1, e.shadowRadius(), e.shadowHorizontalOffset(),
                                         e.shadowVerticalOffset());

    const bool snippet = e.textType() == kSnippetTextType;
    const bool escape = !snippet && escapesTypedMarkup(responsiveOutput);
    QString body = CodeText::bodyMarkup(plain, e.indentFlag(), escape);
    const bool containsLink =
        int(e.snippetFormatFlag()) == 1 && profile.responsiveDesign && !e.link().isEmpty();
    if (containsLink)
        body = CodeText::safeLinkTarget(e.link()) + QLatin1Char('\n') + body;
    const int lineCount = TextElementCode::calculateNumOfLines(body);

    const double opacity = facts.opacity;
    const double lineSpacing = std::max(0.0, double(e.lineSpacing()));
    Declarations main;
    main.add(Css::position, position)
        .add(Css::backgroundColor, hexColor(e.backgroundHexColorString()))
        .add(Css::color, hexColor(e.textHexColorString()))
        .add(Css::left, pixels(facts.x))
        .add(Css::top, pixels(facts.y))
        .add(Css::height, pixels(facts.height))
        .add(Css::width, int(e.matchScreenFlag()) == 1 ? QStringLiteral("100%") : pixels(facts.width))
        .add(Css::zIndex, layer)
        .add(Css::snippetFormattingFlag, int(e.snippetFormatFlag()))
        .add(Css::fontSize, fontSize)
        .freeText(Css::fontFamily, family)
        .add(Css::padding, pixels(padding))
        .freeText(Css::borderStyle, e.borderStyle())
        .add(Css::borderWidth, pixels(e.borderWidth()))
        .add(Css::borderColor, hexColor(e.borderHexColorString()))
        .add(Css::textAlign, alignment)
        .add(Css::verticalAlignment, e.verticalAlignment())
        .add(Css::borderRadius, pixels(int(facts.cornerRadius)))
        .add(Css::mozBorderRadius, pixels(int(facts.cornerRadius)))
        .add(Css::fixed, int(e.moveLock()))
        .add(Css::shadowOpacity, Format::twoDecimals(shadow.opacity))
        .add(Css::shadowRadius, Format::twoDecimals(shadow.radius))
        .add(Css::textAlpha, Format::twoDecimals(opacity))
        .add(Css::opacity, Format::twoDecimals(opacity))
        .add(Css::filter, Format::printf("alpha(opacity=%0.2f)", 100 * opacity))
        .add(Css::indentFlag, e.indentFlag())
        .add(Css::textIndent, pixels(indent))
        .add(Css::shapeFlag, e.shapeFlag())
        .add(Css::groupNumber, e.groupNumber())
        .add(Css::lineHeight, Text("normal"))
        .add(Css::tableNumber, facts.tableNumber)
        .add(Css::tableRowSpot, facts.rowSpot)
        .add(Css::tableColumnSpot, facts.columnSpot)
        .freeText(Css::templateName, templateName)
        .add(Css::manualLayerIndex, e.manualLayerIndex())
        .freeText(Css::linkType, e.linkType())
        .add(Css::shapeBackgroundColor, hexColor(e.backgroundHexColorString()))
        .add(Css::nlines, lineCount)
        .add(Css::fixedWidthFlag, e.fixedWidthFlag())
        .add(Css::fixedHeightFlag, e.fixedHeightFlag())
        .add(Css::widthBuffer, Text("0"))
        .add(Css::heightBuffer, Text("0"))
        .add(Css::zoomBubbleFlag, e.zoomBubbleFlag())
        .freeText(Css::bubbleShape, e.bubbleShape())
        .add(Css::xsColumnGrid, e.xsGridColumns())
        .add(Css::smallColumnGrid, e.smallGridColumns())
        .add(Css::mediumColumnGrid, e.mediumGridColumns())
        .add(Css::largeColumnGrid, e.largeGridColumns())
        .add(Css::shadowBlurRadius, int(e.shadowRadius()))
        .add(Css::shadowDistanceX, int(e.shadowHorizontalOffset()))
        .add(Css::shadowDistanceY, int(e.shadowVerticalOffset()))
        .add(Css::rotationAngle, int(e.rotationAngle()))
        .add(Css::responsiveResizeFlag, e.responsiveResizeFlag())
        .add(Css::responsiveAlignmentFlag, e.responsiveAlignment())
        .add(Css::sectionNumber, e.sectionNumber())
        .add(Css::sectionRowSpot, e.sectionRowSpot())
        .add(Css::sectionColumnSpot, e.sectionColumnSpot())
        .add(Css::markAsReplyFlag, e.markAsReplyToEmailFlag())
        .freeText(Css::onClickShow, e.onClickShowString())
        .freeText(Css::onClickHide, e.onClickHideString())
        .add(Css::topMarginStr, e.topMargin())
        .add(Css::bottomMarginStr, e.bottomMargin())
        .add(Css::leftMarginStr, e.leftMargin())
        .add(Css::rightMarginStr, e.rightMargin())
        .add(Css::topPaddingStr, e.topPadding())
        .add(Css::bottomPaddingStr, e.bottomPadding())
        .add(Css::leftPaddingStr, e.leftPadding())
        .add(Css::rightPaddingStr, e.rightPadding())
        .freeText(Css::topPaddingTypeStr, e.topPaddingType())
        .freeText(Css::bottomPaddingTypeStr, e.bottomPaddingType())
        .freeText(Css::leftPaddingTypeStr, e.leftPaddingType())
        .freeText(Css::rightPaddingTypeStr, e.rightPaddingType())
        .freeText(Css::topMarginTypeStr, e.topMarginType())
        .freeText(Css::bottomMarginTypeStr, e.bottomMarginType())
        .freeText(Css::leftMarginTypeStr, e.leftMarginType())
        .freeText(Css::rightMarginTypeStr, e.rightMarginType())
        .freeText(Css::topPaddingLevelStr, e.topPaddingLevelString())
        .freeText(Css::bottomPaddingLevelStr, e.bottomPaddingLevelString())
        .freeText(Css::leftPaddingLevelStr, e.leftPaddingLevelString())
        .freeText(Css::rightPaddingLevelStr, e.rightPaddingLevelString())
        .freeText(Css::topMarginLevelStr, e.topMarginLevelString())
        .freeText(Css::bottomMarginLevelStr, e.bottomMarginLevelString())
        .freeText(Css::leftMarginLevelStr, e.leftMarginLevelString())
        .freeText(Css::rightMarginLevelStr, e.rightMarginLevelString())
        .add(Css::containsLinkFlag, containsLink ? 1 : 0)
        .add(Css::hoverColor, hexColor(e.hoverColorString()))
        .add(Css::hoverTextColor, hexColor(e.hoverTextColorString()))
        .add(Css::lineHeight, Format::twoDecimals(lineSpacing), true)
        .add(Css::lineMultiple, Format::twoDecimals(lineSpacing))
        .add(Css::boxShadow, shadow.css);

    Declarations link;
    link.add(Css::textDecoration, Text("none"))
        .add(Css::fontWeight, Text("normal"))
        .add(Css::color, hexColor(e.textHexColorString()));
    Declarations visited;
    visited.add(Css::textDecoration, Text("none"))
        .add(Css::fontWeight, Text("normal"))
        .add(Css::color, hexColor(e.textHexColorString()))
        .freeText(Css::formType, e.formType())
        .add(Css::formTag, e.formTag())
        .add(Css::formOptionTag, e.formOptionTag())
        .add(Css::formRequiredFlag, e.formRequiredFlag());
    Declarations hover;
    hover.add(Css::backgroundColor, hexColor(e.hoverColorString()))
        .add(Css::color, hexColor(e.hoverTextColorString()));
    Declarations linkHover;
    linkHover.add(Css::textDecoration, Text("none"))
        .add(Css::color, hexColor(e.hoverTextColorString()))
        .add(Css::fontWeight, Text("normal"));

    const QString prefix(snippet ? Prefix::snippet : Prefix::text);
    const QString element = QLatin1Char('.') + prefix + Format::integer(number);
    CodeWidgetHelper code;
    code.setHeaderString(main.rule(element + QLatin1Char('{')) +
                         link.rule(element + QLatin1String(" a:link {")) +
                         visited.rule(element + QLatin1String(" a:visited {")) +
                         hover.rule(element + QLatin1String(":hover{")) +
                         linkHover.rule(element + QLatin1String(" a:hover {")) + QLatin1String("\n\n"));
    code.setBodyString(QLatin1String("<div class=") + prefix + Format::integer(number) +
                       QLatin1String(">\n") + body + QLatin1String("\n</div>\n"));
    return code;
}

} // namespace

CodeWidgetHelper TextElementCode::generateTextViewCodeStatic(SKTText& text, int elementNumber,
                                                             bool responsiveOutput,
                                                             const PageCodeContext& page)
{
    const QRectF b = text.bounds();
    ElementFacts facts;
    facts.x = int(b.x());
    facts.y = int(b.y());
    facts.width = int(b.width());
    facts.height = int(b.height());
    facts.boundsHeight = b.height();
    facts.cornerRadius = text.cornerRadius();
    facts.opacity = text.opacity();
    facts.text = &text.contents().document();
    facts.indexInGraphics = page.indexOf(&text);
    return generate(text, facts, elementNumber, responsiveOutput, page);
}

CodeWidgetHelper TextElementCode::generateTextViewCodeStatic(myTextView& cell, int elementNumber,
                                                             bool responsiveOutput,
                                                             const PageCodeContext& page)
{
    ElementFacts facts;
    facts.x = cell.originX();
    facts.y = cell.originY();
    facts.width = cell.width();
    facts.height = cell.height();
    facts.boundsHeight = cell.bounds().height();
    facts.tableNumber = cell.tableNumber();
    facts.rowSpot = cell.rowSpot();
    facts.columnSpot = cell.columnSpot();
    facts.cornerRadius = cell.tableCellCornerRadius();
    facts.opacity = cell.alphaValue();
    facts.text = cell.textStorage().get();
    return generate(cell, facts, elementNumber, responsiveOutput, page);
}

QString TextElementCode::combineSourceCodeString(const QList<GenerateSourceCodeObject>& declarations)
{
    QString combined;
    for (const GenerateSourceCodeObject& declaration : declarations) {
        const QString value = declaration.sourceCodeObjectValue();
        if (value.isEmpty() || value == QLatin1String("#(null)") || value == QLatin1String("(null)") ||
            value == QLatin1String("#"))
            continue;
        combined += declaration.sourceCodeObjectType() + QLatin1Char(':') + value +
                    (declaration.importantFlag() ? QLatin1String(" !important;") : QLatin1String(";"));
    }
    return combined;
}

int TextElementCode::calculateNumOfLines(const QString& text)
{
    int lines = 0;
    qsizetype position = 0;
    const qsizetype length = text.size();
    while (position < length) {
        ++lines;
        // The end of the line that holds the position, past its terminator.
        while (position < length) {
            const QChar c = text.at(position++);
            if (c == QLatin1Char('\r')) {
                if (position < length && text.at(position) == QLatin1Char('\n'))
                    ++position;
                break;
            }
            if (c == QLatin1Char('\n') || c == QChar(0x85) || c == QChar(0x2028) || c == QChar(0x2029))
                break;
        }
    }
    return lines;
}
