#include "document/writing/TextBoxCode.h"

#include "codegen/ElementCodeParts.h"
#include "codegen/GenerationPreparation.h"
#include "codegen/RuleWriter.h"
#include "codegen/TextElementCode.h"
#include "document/format/PageFileFormat.h"
#include "document/writing/PageAssembly.h"
#include "model/NoNumber.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"
#include "model/text/TextStorage.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QTextDocument>

#include <algorithm>

using ElementCodeParts::alignmentWord;
namespace Property = PageFile::Property;

namespace {

constexpr int kIndent = 40;

// What the characters of a box give its rule.
struct TextLook {
    QString family;
    int fontSize = 0;
    QString alignment;
    int padding = 0;
};

// A box with characters takes them from its first character and paragraph; an empty one from its style.
TextLook lookOf(SKTGraphic& box, const QString& plain)
{
    TextLook look;
    auto* text = qobject_cast<SKTText*>(&box);
    if (!text) {
        look.family = box.fontFamily();
        look.fontSize = box.fontSize();
        look.alignment = alignmentWord(Qt::AlignLeft);
        return look;
    }
    const TextStyle style = text->textStyle();
    const std::optional<QFont> first =
        plain.isEmpty() ? std::nullopt : TextStorage::fontOfFirstCharacter(text->contents().document());
    const QFont font = first.value_or(style.font);
    look.family = font.family();
    look.fontSize = int(TextStorage::fontSize(font));
    look.alignment =
        alignmentWord(plain.isEmpty() ? style.alignment
                                      : TextStorage::alignmentOfFirstParagraph(text->contents().document()));
    // Text keeps a little room from the edges of its box.
    look.padding = plain.isEmpty() ? 0 : int(std::min(10.0, 0.11 * box.bounds().height()));
    return look;
}

} // namespace

namespace TextBoxCode {

QString plainText(const SKTGraphic& box)
{
    QString plain = box.textString().isNull() ? QStringLiteral("") : box.textString();
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}

QString ruleLine(PageAssembly& page, SKTGraphic& box, int number, Form form)
{
    const bool textBox = form == Form::TextBox;
    const QString plain = plainText(box);
    const TextLook look = lookOf(box, plain);
    ElementCodeParts::markWebFontUsed(look.family);
    const QString templateName = page.settleTemplateNameOrMain(box);
    GenerationPreparation::populateTextViewMarginType(box);
    const QString textColor = PageAssembly::settleTextColor(box);
    const QString borderColor = PageAssembly::settleBorderColor(box);
    const QString background = PageAssembly::backgroundColorOf(box);
    const QRectF b = box.bounds();
    const double opacity = box.opacity();
    const std::shared_ptr<myTextView> cell = page.lists.tableCellOfBox.value(&box);
    const ElementCodeParts::RuleShadow shadow = ElementCodeParts::ruleShadow(
        box.shadowFlag() == 1, box.shadowRadius(), box.shadowHorizontalOffset(), box.shadowVerticalOffset());

    const QString selector =
        (textBox ? PageFile::Rule::text : PageFile::Rule::snippet) + QString::number(number);
    RuleWriter rule(selector);
    rule.text(Property::position, PageAssembly::positionOf(box.scrollFlag()));
    if (background != DataCentre::kClearColorString)
        rule.text(Property::backgroundColor, u'#' + background);
    rule.pixels(Property::left, int(b.x()))
        .pixels(Property::top, int(b.y()))
        .integer(Property::zIndex, page.layerOf(box))
        .pixels(Property::fontSize, look.fontSize)
        .color(Property::color, textColor);
    if (textBox && box.matchScreenFlag())
        rule.text(Property::width, QStringLiteral("100%"));
    else
        rule.pixels(Property::width, int(b.width()));
    rule.pixels(Property::height, int(b.height()))
        .quoted(Property::fontFamily, look.family)
        .pixels(Property::padding, look.padding)
        .freeText(Property::borderStyle, box.borderStyle())
        .pixels(Property::borderWidth, box.borderWidth());
    if (textBox)
        rule.text(Property::margin, QStringLiteral("0px"));
    rule.color(Property::borderColor, borderColor)
        .text(Property::textAlign, look.alignment)
        .pixels(Property::borderRadius, int(box.cornerRadius()))
        .pixels(Property::mozBorderRadius, int(box.cornerRadius()))
        .integer(Property::fixed, box.moveLock());
    if (opacity < 1.0)
        rule.real(Property::opacity, opacity)
            .text(Property::filter, QLatin1String("alpha(opacity=") + Format::decimal(100 * opacity) + u')');
    // The page file has always carried a blank after this colon.
    if (!shadow.css.isEmpty())
        rule.text(Property::boxShadow, u' ' + shadow.css);
    rule.real(Property::shadowOpacity, shadow.opacity)
        .real(Property::shadowRadius, shadow.radius)
        .integer(Property::shadowOffSetY, int(shadow.verticalOffset))
        .real(Property::textAlpha, opacity)
        .integer(Property::indentFlag, box.indentFlag())
        .pixels(Property::textIndent, box.indentFlag() == 1 || box.indentFlag() == 2 ? kIndent : 0)
        .integer(Property::shapeFlag, box.shapeFlag())
        .integer(Property::groupNumber, box.groupNumber())
        .text(Property::lineHeight, QStringLiteral("normal"))
        .integer(Property::tableNumber, cell ? cell->tableNumber() : kNoNumber)
        .integer(Property::tableRowSpot, cell ? cell->rowSpot() : kNoNumber)
        .integer(Property::tableColumnSpot, cell ? cell->columnSpot() : kNoNumber)
        .freeText(Property::templateName, templateName)
        .integer(Property::manualLayerIndex, box.manualLayerIndex())
        .freeText(Property::linkType, box.linkType())
        .freeText(Property::shapeBackgroundColor, background)
        .integer(Property::nlines, TextElementCode::calculateNumOfLines(plain));

    const QStringList units{box.topPaddingType(),   box.bottomPaddingType(), box.leftPaddingType(),
                            box.rightPaddingType(), box.topMarginType(),     box.bottomMarginType(),
                            box.leftMarginType(),   box.rightMarginType()};
    const int values[] = {box.topPadding(), box.bottomPadding(), box.leftPadding(), box.rightPadding(),
                          box.topMargin(),  box.bottomMargin(),  box.leftMargin(),  box.rightMargin()};
    const auto writeBoxModel = [&] {
        for (int i = 0; i < 8; ++i)
            rule.integer(Property::boxValues[i], values[i]);
        for (int i = 0; i < 8; ++i)
            rule.freeText(Property::boxUnits[i], units.at(i));
    };

    if (textBox) {
        const auto* text = qobject_cast<const SKTText*>(&box);
        rule.integer(Property::fixedWidthFlag, box.fixedWidthFlag())
            .integer(Property::fixedHeightFlag, box.fixedHeightFlag())
            .integer(Property::widthBuffer, 0)
            .integer(Property::heightBuffer, 0)
            .integer(Property::zoomBubbleFlag, text ? text->zoomBubbleFlag() : 0)
            .freeText(Property::bubbleShape, box.bubbleShape())
            .integer(Property::xsColumnGrid, box.xsGridColumns())
            .integer(Property::smallColumnGrid, box.smallGridColumns())
            .integer(Property::mediumColumnGrid, box.mediumGridColumns())
            .integer(Property::largeColumnGrid, box.largeGridColumns())
            .real(Property::shadowBlurRadius, box.shadowRadius())
            .real(Property::shadowDistanceX, box.shadowHorizontalOffset())
            .real(Property::shadowDistanceY, box.shadowVerticalOffset())
            .real(Property::rotationAngle, box.rotationAngle())
            .integer(Property::responsiveResizeFlag, box.responsiveResizeFlag())
            .integer(Property::responsiveAlignmentFlag, box.responsiveAlignment())
            .integer(Property::sectionNumber, box.sectionNumber())
            .integer(Property::sectionRowSpot, box.sectionRowSpot())
            .integer(Property::sectionColumnSpot, box.sectionColumnSpot())
            .integer(Property::markAsReplyFlag, box.markAsReplyToEmailFlag())
            .freeText(Property::onClickShow, box.onClickShowString())
            .freeText(Property::onClickHide, box.onClickHideString());
        writeBoxModel();
        rule.integer(Property::verticalAlignment, box.verticalAlignment());
        const double lineSpacing = box.lineSpacing();
        // The stray semicolon before "!important" is how pages have always stored it; readers expect it.
        if (lineSpacing > 0)
            rule.text(Property::lineHeight, Format::decimal(lineSpacing) + QLatin1String("; !important"))
                .real(Property::lineSpacingMultiple, lineSpacing);
    } else {
        rule.integer(Property::snippetFormattingFlag, 1)
            .integer(Property::sectionNumber, box.sectionNumber())
            .integer(Property::sectionRowSpot, box.sectionRowSpot())
            .integer(Property::sectionColumnSpot, box.sectionColumnSpot());
        writeBoxModel();
        rule.integer(Property::containsLinkFlag, 0);
    }
    const QString companions = ElementCodeParts::companionRules(
        {selector, textColor, box.hoverColorString(), box.hoverTextColorString(), box.formType(),
         box.formTag(), box.formOptionTag(), box.formRequiredFlag()});
    return rule.closed() + companions + QStringLiteral("\n\n");
}

} // namespace TextBoxCode
