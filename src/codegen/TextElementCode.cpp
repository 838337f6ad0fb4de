#include "codegen/TextElementCode.h"

#include "codegen/CodeText.h"
#include "codegen/CodeVocabulary.h"
#include "codegen/ElementCodeParts.h"
#include "codegen/GenerationPreparation.h"
#include "codegen/PageCodeContext.h"
#include "codegen/RuleWriter.h"
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

template <class Element>
CodeWidgetHelper generate(Element& e, const ElementFacts& facts, int number, bool responsiveOutput,
                          const PageCodeContext& page)
{
    const ProductProfile& profile = DataCentre::profile();
    const int layer =
        e.manualLayerIndex() != 0 ? e.manualLayerIndex() : int(page.graphics.size()) - facts.indexInGraphics;
    const QString templateName = settleTemplateNameOrMain(e, page.mainTemplateName);
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
    const QString prefix(snippet ? Prefix::snippet : Prefix::text);
    const QString element = QLatin1Char('.') + prefix + Format::integer(number);
    RuleWriter main(element, RuleWriter::Absent::LeftOut);
    main.text(Css::position, position)
        .colorIfAny(Css::backgroundColor, e.backgroundHexColorString())
        .colorIfAny(Css::color, e.textHexColorString())
        .pixels(Css::left, facts.x)
        .pixels(Css::top, facts.y)
        .pixels(Css::height, facts.height)
        .text(Css::width, int(e.matchScreenFlag()) == 1 ? QStringLiteral("100%")
                                                        : Format::integer(facts.width) + QLatin1String("px"))
        .integer(Css::zIndex, layer)
        .integer(Css::snippetFormattingFlag, int(e.snippetFormatFlag()))
        .integer(Css::fontSize, fontSize)
        .freeText(Css::fontFamily, family)
        .pixels(Css::padding, padding)
        .freeText(Css::borderStyle, e.borderStyle())
        .pixels(Css::borderWidth, e.borderWidth())
        .colorIfAny(Css::borderColor, e.borderHexColorString())
        .text(Css::textAlign, alignment)
        .integer(Css::verticalAlignment, e.verticalAlignment())
        .pixels(Css::borderRadius, int(facts.cornerRadius))
        .pixels(Css::mozBorderRadius, int(facts.cornerRadius))
        .integer(Css::fixed, int(e.moveLock()))
        .twoDecimals(Css::shadowOpacity, shadow.opacity)
        .twoDecimals(Css::shadowRadius, shadow.radius)
        .twoDecimals(Css::textAlpha, opacity)
        .twoDecimals(Css::opacity, opacity)
        .text(Css::filter, Format::printf("alpha(opacity=%0.2f)", 100 * opacity))
        .integer(Css::indentFlag, e.indentFlag())
        .pixels(Css::textIndent, indent)
        .integer(Css::shapeFlag, e.shapeFlag())
        .integer(Css::groupNumber, e.groupNumber())
        .text(Css::lineHeight, QStringLiteral("normal"))
        .integer(Css::tableNumber, facts.tableNumber)
        .integer(Css::tableRowSpot, facts.rowSpot)
        .integer(Css::tableColumnSpot, facts.columnSpot)
        .freeText(Css::templateName, templateName)
        .integer(Css::manualLayerIndex, e.manualLayerIndex())
        .freeText(Css::linkType, e.linkType())
        .colorIfAny(Css::shapeBackgroundColor, e.backgroundHexColorString())
        .integer(Css::nlines, lineCount)
        .integer(Css::fixedWidthFlag, e.fixedWidthFlag())
        .integer(Css::fixedHeightFlag, e.fixedHeightFlag())
        .text(Css::widthBuffer, QStringLiteral("0"))
        .text(Css::heightBuffer, QStringLiteral("0"))
        .integer(Css::zoomBubbleFlag, e.zoomBubbleFlag())
        .freeText(Css::bubbleShape, e.bubbleShape())
        .integer(Css::xsColumnGrid, e.xsGridColumns())
        .integer(Css::smallColumnGrid, e.smallGridColumns())
        .integer(Css::mediumColumnGrid, e.mediumGridColumns())
        .integer(Css::largeColumnGrid, e.largeGridColumns())
        .integer(Css::shadowBlurRadius, int(e.shadowRadius()))
        .integer(Css::shadowDistanceX, int(e.shadowHorizontalOffset()))
        .integer(Css::shadowDistanceY, int(e.shadowVerticalOffset()))
        .integer(Css::rotationAngle, int(e.rotationAngle()))
        .integer(Css::responsiveResizeFlag, e.responsiveResizeFlag())
        .integer(Css::responsiveAlignmentFlag, e.responsiveAlignment())
        .integer(Css::sectionNumber, e.sectionNumber())
        .integer(Css::sectionRowSpot, e.sectionRowSpot())
        .integer(Css::sectionColumnSpot, e.sectionColumnSpot())
        .integer(Css::markAsReplyFlag, e.markAsReplyToEmailFlag())
        .freeText(Css::onClickShow, e.onClickShowString())
        .freeText(Css::onClickHide, e.onClickHideString())
        .integer(Css::topMarginStr, e.topMargin())
        .integer(Css::bottomMarginStr, e.bottomMargin())
        .integer(Css::leftMarginStr, e.leftMargin())
        .integer(Css::rightMarginStr, e.rightMargin())
        .integer(Css::topPaddingStr, e.topPadding())
        .integer(Css::bottomPaddingStr, e.bottomPadding())
        .integer(Css::leftPaddingStr, e.leftPadding())
        .integer(Css::rightPaddingStr, e.rightPadding())
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
        .integer(Css::containsLinkFlag, containsLink ? 1 : 0)
        .colorIfAny(Css::hoverColor, e.hoverColorString())
        .colorIfAny(Css::hoverTextColor, e.hoverTextColorString())
        .important(Css::lineHeight, Format::twoDecimals(lineSpacing))
        .twoDecimals(Css::lineMultiple, lineSpacing)
        .text(Css::boxShadow, shadow.css);

    RuleWriter link(element + QLatin1String(" a:link "), RuleWriter::Absent::LeftOut);
    link.text(Css::textDecoration, QStringLiteral("none"))
        .text(Css::fontWeight, QStringLiteral("normal"))
        .colorIfAny(Css::color, e.textHexColorString());
    RuleWriter visited(element + QLatin1String(" a:visited "), RuleWriter::Absent::LeftOut);
    visited.text(Css::textDecoration, QStringLiteral("none"))
        .text(Css::fontWeight, QStringLiteral("normal"))
        .colorIfAny(Css::color, e.textHexColorString())
        .freeText(Css::formType, e.formType())
        .integer(Css::formTag, e.formTag())
        .integer(Css::formOptionTag, e.formOptionTag())
        .integer(Css::formRequiredFlag, e.formRequiredFlag());
    RuleWriter hover(element + QLatin1String(":hover"), RuleWriter::Absent::LeftOut);
    hover.colorIfAny(Css::backgroundColor, e.hoverColorString())
        .colorIfAny(Css::color, e.hoverTextColorString());
    RuleWriter linkHover(element + QLatin1String(" a:hover "), RuleWriter::Absent::LeftOut);
    linkHover.text(Css::textDecoration, QStringLiteral("none"))
        .colorIfAny(Css::color, e.hoverTextColorString())
        .text(Css::fontWeight, QStringLiteral("normal"));

    CodeWidgetHelper code;
    code.setHeaderString(main.closed() + link.closed() + visited.closed() + hover.closed() +
                         linkHover.closed() + QLatin1String("\n\n"));
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
        if (RuleWriter::isAbsent(value))
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
