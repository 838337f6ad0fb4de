#include "document/reading/FontAvailability.h"
#include "document/format/PageFileFormat.h"
#include "document/format/PageObjectRules.h"
#include "document/reading/RuleReading.h"
#include "document/core/SKTDocument.h"
#include "model/NoNumber.h"
#include "model/records/myTextView.h"
#include "profile/ProductSelection.h"
#include "profile/services/HexColor.h"

// A text box rebuilt from the rule that the page generator wrote for it: position, size, font, colours,
// border and every piece of editor state the rule carries.

namespace {

namespace P = PageFile::Property;
using Scope = PageObjectRule::Scope;

const QString kFullWidth = QStringLiteral("100%");
constexpr int kFullWidthValue = 9999;

Qt::Alignment alignmentOfWord(const QString& word)
{
    if (word == u"left")
        return Qt::AlignLeft;
    if (word == u"center")
        return Qt::AlignHCenter;
    return Qt::AlignRight;
}

// Border width and padding as they count for the box: only a drawn line style keeps its width, and the
// style "Solid" with a capital S, which browsers ignore, draws nothing and has no padding either.
struct BoxBorder {
    QString style;
    int width = 0;
    int padding = 0;
};

BoxBorder settledBorder(const QString& style, int width, int padding)
{
    BoxBorder border{style, RuleReading::isDrawnBorderStyle(style) ? width : 0, padding};
    if (style == u"Solid") {
        border.style = QStringLiteral("none");
        border.padding = 0;
    }
    return border;
}

// A stored width or height, grown by the padding and border on both sides unless the page uses the
// Bootstrap box model, whose sizes include them already.
int boxExtent(const QString& value, const BoxBorder& border, bool bootstrap)
{
    const int extent = PageObjectRules::intOf(value);
    return bootstrap ? extent : extent + 2 * (border.padding + border.width);
}

// Background strings of a text box: a shape's fill, else the element's own background, else clear.
QString backgroundOf(const PageObjectRule& rule)
{
    for (const QLatin1StringView key : {P::shapeBackgroundColor, P::backgroundColor}) {
        if (const std::optional<QString> value = rule.value(key))
            return *value;
    }
    return DataCentre::kClearColorString;
}

} // namespace

std::shared_ptr<myTextView> SKTDocument::generateATextView(const PageObjectRule& rule,
                                                           const QString& pageName)
{
    const int scrollFlag = RuleReading::scrollFlagOf(rule.requiredString(P::position));
    const int padding = rule.integer(P::padding, 0);
    const int borderWidth = rule.integer(P::borderWidth, 0);
    const int left = rule.requiredInt(P::left);
    const int top = rule.requiredInt(P::top);
    const int tag = rule.requiredInt(P::zIndex);
    const QString borderStyle = rule.string(P::borderStyle, QStringLiteral("none"));
    const BoxBorder border = settledBorder(borderStyle, borderWidth, padding);

    // Size.
    const bool bootstrap = usingBootStrapFlag();
    const std::optional<QString> widthValue = rule.value(P::width);
    const std::optional<QString> heightValue = rule.value(P::height);
    const bool matchScreen = widthValue && *widthValue == kFullWidth;
    int width = 0;
    if (matchScreen)
        width = kFullWidthValue;
    else if (widthValue)
        width = boxExtent(*widthValue, border, bootstrap);
    int height = heightValue ? boxExtent(*heightValue, border, bootstrap) : 0;
    width -= rule.integer(P::widthBuffer, 0);
    height -= rule.integer(P::heightBuffer, 0);

    auto record = myTextView::initWithFrame(QRectF(left, top, width, height));
    myTextView& r = *record;
    MTextView& view = *r.textView();
    r.setTag(tag);
    r.setScrollFlag(scrollFlag);
    r.setOriginX(left);
    r.setOriginY(top);
    r.setWidth(width);
    r.setHeight(height);
    r.setMatchScreenFlag(matchScreen ? 1 : 0);

    // Border.
    r.setBorderWidth(border.width);
    view.setBorderLine(border.style);
    r.setBorderHexColorString(rule.string(P::borderColor, QStringLiteral("000000")));
    r.setCornerRadius(float(rule.truncated(P::borderRadius, 0)));

    // Font: a family this machine lacks is shown in the default family but keeps its own name, so the
    // page keeps it when saved again.
    const int fontSize = rule.integer(P::fontSize, 0);
    const QString family = rule.string(P::fontFamily, RuleReading::defaultFontFamily());
    r.setFontSize(fontSize);
    r.setFamilyName(family);
    view.setFont(RuleReading::displayFont(*this, family, fontSize));

    // Colours and alignment.
    const QString background = backgroundOf(rule);
    r.setColorString(background);
    r.setBackgroundHexColorString(background);
    const QString color = rule.string(P::color, QStringLiteral("000000"));
    r.setTextColorString(color);
    r.setTextHexColorString(color);
    if (const std::optional<QString> alignment = rule.value(P::textAlign)) {
        r.setTextAlignment(*alignment);
        view.setAlignment(alignmentOfWord(*alignment));
    }

    // Editor state.
    r.setIndentFlag(RuleReading::integerOfAny(rule, RuleReading::indentFlagNames(), 0));
    const float shadowRadius = RuleReading::realOfAny(rule, RuleReading::shadowRadiusNames(), 0.0f);
    r.setShadowFlag(shadowRadius > 0 ? 1 : 0);
    r.setAlphaValue(double(rule.real(P::textAlpha, 1.0f)));
    r.setShapeFlag(rule.integer(P::shapeFlag, 0));
    r.setTableNumber(rule.truncated(P::tableNumber, kNoNumber));
    r.setRowSpot(rule.truncated(P::tableRowSpot, kNoNumber));
    r.setColumnSpot(rule.truncated(P::tableColumnSpot, kNoNumber));
    r.setLinkType(rule.string(P::linkType, QStringLiteral("text")));
    r.setHoverColorString(rule.string(P::hoverColor, QStringLiteral(""), Scope::WholeLine));
    r.setHoverTextColorString(rule.string(P::hoverTextColor, QStringLiteral(""), Scope::WholeLine));
    r.setOnClickHideString(rule.string(P::onClickHide, QStringLiteral("")));
    r.setOnClickShowString(rule.string(P::onClickShow, QStringLiteral("")));
    r.setManualLayerIndex(rule.integer(P::manualLayerIndex, 0));
    if (const std::optional<QString> formType = rule.value(P::formType, Scope::WholeLine))
        r.setFormType(*formType == u"(null)" ? QStringLiteral("") : *formType);
    r.setFormTag(rule.integer(P::formTag, kNoNumber, Scope::WholeLine));
    r.setFormOptionTag(rule.integer(P::formOptionTag, kNoNumber, Scope::WholeLine));
    r.setFormRequiredFlag(rule.integer(P::formRequiredFlag, 0, Scope::WholeLine));
    r.setNlines(rule.integer(P::nlines, kNoNumber));
    r.setFixedWidthFlag(rule.integer(P::fixedWidthFlag, 0));
    r.setFixedHeightFlag(rule.integer(P::fixedHeightFlag, 0));
    r.setZoomBubbleFlag(rule.integer(P::zoomBubbleFlag, 0));
    r.setXsGridColumns(rule.integer(P::xsColumnGrid, 0));
    r.setSmallGridColumns(rule.integer(P::smallColumnGrid, 0));
    r.setMediumGridColumns(rule.integer(P::mediumColumnGrid, 0));
    r.setLargeGridColumns(rule.integer(P::largeColumnGrid, 0));
    r.setBubbleShape(rule.string(P::bubbleShape, QStringLiteral("")));
    r.setLineSpacing(RuleReading::realOfAny(rule, RuleReading::lineSpacingNames(), -0.1f));
    r.setShadowRadius(rule.real(P::shadowBlurRadius, 0.0f));
    r.setShadowHorizontalOffset(rule.real(P::shadowDistanceX, 0.0f));
    r.setShadowVerticalOffset(rule.real(P::shadowDistanceY, 0.0f));
    r.setRotationAngle(rule.real(P::rotationAngle, 0.0f));
    RuleReading::readResponsivePlace(rule, r);
    RuleReading::readBoxModel(rule, r, QStringLiteral("pixel"));
    RuleReading::readBoxLevels(rule, r);
    r.setVerticalAlignment(rule.integer(P::verticalAlignment, 0));
    r.setGroupNumber(rule.truncated(P::groupNumber, kNoNumber));
    r.setTemplateName(rule.string(P::templateName, QStringLiteral("")));

    r.setTextType(QStringLiteral("Text"));
    // Elements of the site's base template are locked on every other page.
    r.setMoveLock(RecordFlag(rule.truncated(P::fixed, 0)));
    if (r.templateName() == DataCentre::kBaseTemplateName && pageName != DataCentre::kBaseTemplateName)
        r.setMoveLock(1);
    return record;
}

QString SKTDocument::parseForItemTypeString(const PageObjectRule& rule, const QString& key,
                                            const QString& fallback)
{
    return rule.string(key, fallback);
}

int SKTDocument::parseForItemTypeInt(const PageObjectRule& rule, const QString& key, int fallback)
{
    return rule.integer(key, fallback);
}

float SKTDocument::parseForItemTypeFloat(const PageObjectRule& rule, const QString& key, float fallback)
{
    return rule.real(key, fallback);
}
