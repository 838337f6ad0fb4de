#include "model/RecordConversion.h"

#include "model/NoNumber.h"
#include "model/RecordKeyTable.h"
#include "model/drawing/Reflection.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"
#include "platform/Format.h"
#include "profile/services/HexColor.h"

#include <algorithm>

using namespace GraphicProperties;
using namespace RecordKeys;

namespace {

// "fontAlignment" of the alignment words, compared exactly; anything else is left.
QString fontAlignmentOf(const QString& textAlignment)
{
    static const QStringList words = {QStringLiteral("left"), QStringLiteral("center"),
                                      QStringLiteral("right"), QStringLiteral("justify")};
    return integerText(int(std::max<qsizetype>(words.indexOf(textAlignment), 0)));
}

bool isClearBackground(const QString& background)
{
    return background.isEmpty() || background == DataCentre::kClearColorString ||
           background == QLatin1String("(null)");
}

// The text background as a colour string: the clear ones all become "CLEAR0", in the record too.
QString textBackground(myTextView& r)
{
    if (isClearBackground(r.backgroundHexColorString()))
        r.setBackgroundHexColorString(DataCentre::kClearColorString);
    return r.backgroundHexColorString();
}

QColor textFill(myTextView& r)
{
    const QString background = r.backgroundHexColorString();
    return isClearBackground(background) ? QColor(Qt::transparent)
                                         : DataCentre::colorWithHexString(background);
}

// The companion text view's font size in points; a font sized in pixels gives its pixel size.
double textFontSize(const myTextView& r)
{
    if (!r.textView())
        return 0.0;
    const QFont font = r.textView()->font();
    return font.pointSizeF() > 0 ? font.pointSizeF() : double(std::max(font.pixelSize(), 0));
}

QString textFontFamily(const myTextView& r)
{
    if (!r.familyName().isNull())
        return r.familyName();
    return r.textView() ? r.textView()->font().family() : QStringLiteral("");
}

// The shadow, rotation, responsive layout and section place, which text and image records convert alike.
template <class R> void addShadowAndLayoutKeys(RecordKeyTable<R>& table)
{
    table.append(RecordKeyTable<R>{
        real<R>("shadowRadius", &R::shadowRadius),
        real<R>("shadowHorizontalOffset", &R::shadowHorizontalOffset),
        real<R>("shadowVerticalOffset", &R::shadowVerticalOffset),
        real<R>("rotationAngle", &R::rotationAngle),
        integer<R>("responsiveResizeFlag", &R::responsiveResizeFlag),
        integer<R>("responsiveAlignment", &R::responsiveAlignment),
        integer<R>("sectionNumber", &R::sectionNumber),
        integer<R>("sectionRowSpot", &R::sectionRowSpot),
        integer<R>("sectionColumnSpot", &R::sectionColumnSpot),
    });
}

const RecordKeyTable<myTextView>& textKeyTable()
{
    using R = myTextView;
    static const RecordKeyTable<R> table = [] {
        RecordKeyTable<R> t{
            custom<R>("bounds", [](R& r) { return Format::rect(r.frame()); }),
            custom<R>("fontAlignment", [](R& r) { return fontAlignmentOf(r.textAlignment()); }),
            integer<R>("verticalAlignment", &R::verticalAlignment),
            real<R>("cornerRadius", &R::cornerRadius),
            custom<R>("fontSize", [](R& r) { return realText(textFontSize(r)); }),
            custom<R>("fontFamily", [](R& r) { return text(textFontFamily(r)); }),
            string<R>("fontColor", &R::textColorString),
            string<R>("textHexColorString", &R::textColorString),
            custom<R>("backgroundHexColorString", [](R& r) { return textBackground(r); }),
            custom<R>("fillColor", [](R& r) { return archivedColor(textFill(r)); }),
            integer<R>("borderWidth", &R::borderWidth),
            archivedHexColor<R>("borderColor", &R::borderHexColorString),
            defaulted<R>("borderHexColorString", &R::borderHexColorString, &R::setBorderHexColorString,
                         "000000"),
            custom<R>("borderStyle",
                      [](R& r) { return text(r.textView() ? r.textView()->borderLine() : QString()); }),
            custom<R>("opacity", [](R& r) { return realText(r.alphaValue()); }),
            flagWhenSet<R>("shadowFlag", &R::shadowFlag),
            real<R>("lineSpacing", &R::lineSpacing),
            integer<R>("moveLock", &R::moveLock),
            integer<R>("shapeFlag", &R::shapeFlag),
            integer<R>("groupNumber", &R::groupNumber),
            integer<R>("zoomBubbleFlag", &R::zoomBubbleFlag),
            integer<R>("indentFlag", &R::indentFlag),
            integer<R>("snippetFormatFlag", &R::snippetFormatFlag),
            integer<R>("manualLayerIndex", &R::manualLayerIndex),
            flagWhenOne<R>("matchScreenFlag", &R::matchScreenFlag),
            flagWhenOne<R>("scrollFlag", &R::scrollFlag),
            custom<R>("textString",
                      [](R& r) { return text(r.textView() ? r.textView()->string() : QString()); }),
            string<R>("textType", &R::textType),
            defaulted<R>("link", &R::link, &R::setLink, ""),
            defaulted<R>("linkOption", &R::linkOption, &R::setLinkOption, "_self"),
            defaulted<R>("linkType", &R::linkType, &R::setLinkType, "text"),
            defaulted<R>("hoverColorString", &R::hoverColorString, &R::setHoverColorString, ""),
            defaulted<R>("hoverTextColorString", &R::hoverTextColorString, &R::setHoverTextColorString, ""),
            defaulted<R>("formType", &R::formType, &R::setFormType, ""),
            integer<R>("formTag", &R::formTag),
            integer<R>("formRequiredFlag", &R::formRequiredFlag),
            integer<R>("formOptionTag", &R::formOptionTag),
            defaulted<R>("bubbleShape", &R::bubbleShape, &R::setBubbleShape, "", DefaultWhen::NoneOrEmpty),
            integer<R>("markAsReplyToEmailFlag", &R::markAsReplyToEmailFlag),
            defaulted<R>("onClickShowString", &R::onClickShowString, &R::setOnClickShowString, "",
                         DefaultWhen::NoneOrEmpty),
            defaulted<R>("onClickHideString", &R::onClickHideString, &R::setOnClickHideString, "",
                         DefaultWhen::NoneOrEmpty),
            fixed<R>("imageLastModDate", QStringLiteral("")),
            fixed<R>("slideShowNumber", integerText(kNoNumber)),
            fixed<R>("altText", QStringLiteral("")),
        };
        addShadowAndLayoutKeys(t);
        addBoxModelKeys(t, "pixel");
        return t;
    }();
    return table;
}

float clampedReflection(const TransformView& r)
{
    return float(Drawing::clampedReflection(r.reflection()));
}

// The frame grown by the reflection drawn below the picture.
QRectF imageBounds(const TransformView& r)
{
    QRectF bounds = r.frame();
    const float factor = 1.0f + clampedReflection(r);
    bounds.setHeight(bounds.height() * double(factor));
    return bounds;
}

const RecordKeyTable<TransformView>& imageKeyTable()
{
    using R = TransformView;
    static const RecordKeyTable<R> table = [] {
        RecordKeyTable<R> t{
            custom<R>("bounds", [](R& r) { return Format::rect(imageBounds(r)); }),
            custom<R>("reflection", [](R& r) { return realText(double(clampedReflection(r))); }),
            real<R>("opacity", &R::alpha),
            flagWhenSet<R>("shadowFlag", &R::shadowFlag),
            flagWhenOne<R>("moveLock", &R::moveLock),
            integer<R>("groupNumber", &R::groupNumber),
            integer<R>("backdropLightingFlag", &R::backdropLightingFlag),
            integer<R>("imageEnlargeFlag", &R::imageEnlargeFlag),
            integer<R>("borderWidth", &R::borderWidth),
            integer<R>("bubbleFlag", &R::bubbleFlag),
            integer<R>("slideShowNumber", &R::slideShowNumber),
            integer<R>("manualLayerIndex", &R::manualLayerIndex),
            flagWhenOne<R>("scrollFlag", &R::scrollFlag),
            flagWhenSet<R>("retinaFlag", &R::retinaFlag),
            string<R>("imageName", &R::imageName),
            string<R>("imageType", &R::imageType),
            // A picture still decoding travels as such, so that the conversion never waits for it.
            custom<R>("contents",
                      [](R& r) {
                          return r.pendingImage().isPending() ? QVariant::fromValue(r.pendingImage())
                                                              : QVariant(r.image());
                      }),
            custom<R>("maskImage", [](R& r) { return QVariant(r.maskImage()); }),
            custom<R>("imageLastModDate",
                      [](R& r) {
                          return r.imageLastModDate().isValid() ? QVariant(r.imageLastModDate())
                                                                : QVariant(QStringLiteral(""));
                      }),
            defaulted<R>("altText", &R::altText, &R::setAltText, ""),
            defaulted<R>("link", &R::link, &R::setLink, ""),
            defaulted<R>("linkOption", &R::linkOption, &R::setLinkOption, "_self"),
            fixed<R>("linkType", QStringLiteral("text")),
            archivedHexColor<R>("borderColor", &R::borderHexColorString),
            defaulted<R>("borderHexColorString", &R::borderHexColorString, &R::setBorderHexColorString,
                         "000000"),
            string<R>("borderStyle", &R::borderStyle),
            string<R>("bubbleShape", &R::bubbleShape),
            fixed<R>("textHexColorString", QStringLiteral("000000")),
            fixed<R>("backgroundHexColorString", QStringLiteral("FFFFFF")),
        };
        addShadowAndLayoutKeys(t);
        addBoxModelKeys(t);
        return t;
    }();
    return table;
}

} // namespace

namespace RecordConversion {

GraphicPropertyDictionary textProperties(myTextView& record, const QString& templateName)
{
    return recordProperties(record, textKeyTable(), QStringLiteral("SKTText"), templateName);
}

GraphicPropertyDictionary imageProperties(TransformView& record, const QString& templateName)
{
    return recordProperties(record, imageKeyTable(), QStringLiteral("SKTImage"), templateName);
}

} // namespace RecordConversion
