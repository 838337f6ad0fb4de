#include "model/SKTGraphic.h"

#include "model/GraphicContext.h"
#include "model/GraphicPropertyTable.h"
#include "model/NoNumber.h"
#include "platform/Format.h"
#include "profile/ProductSelection.h"
#include "profile/services/HexColor.h"

using namespace GraphicProperties;
using PropertyRows::Write;

namespace {

QString emptyWhenNone(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}
QString shapeWhenNone(const QString& value)
{
    return value.isNull() ? QStringLiteral("shape") : value;
}
QString emptyWhenNoFormType(const QString& value)
{
    return value.isNull() || value == QLatin1String("(null)") ? QStringLiteral("") : value;
}

// The colour string of the border colour, "000000" when it has none.
QString borderColorString(const SKTGraphic& g)
{
    const QString hex = DataCentre::asHexString(g.borderColor());
    return hex.isNull() ? QStringLiteral("000000") : hex;
}

QString fontColorString(const SKTGraphic& g)
{
    // Images have no text colour of their own; their generated code expects black.
    if (g.className() == QLatin1String("SKTImage"))
        return QStringLiteral("000000");
    if (isClearColor(g.fontColor()))
        return QStringLiteral("");
    return text(DataCentre::asHexString(g.fontColor()));
}

// The padding and margin values, units and levels of the four sides.
void addBoxModelKeys(GraphicPropertyTable& table)
{
    using G = SKTGraphic;
    struct Side {
        const char *value, *type, *level;
        int (G::*getValue)() const;
        void (G::*setValue)(int);
        QString (G::*getType)() const;
        void (G::*setType)(QString);
        QString (G::*getLevel)() const;
        void (G::*setLevel)(QString);
    };
    const Side sides[] = {
        {"topPadding", "topPaddingType", "topPaddingLevelString", &G::topPadding, &G::setTopPadding,
         &G::topPaddingType, &G::setTopPaddingType, &G::topPaddingLevelString, &G::setTopPaddingLevelString},
        {"bottomPadding", "bottomPaddingType", "bottomPaddingLevelString", &G::bottomPadding,
         &G::setBottomPadding, &G::bottomPaddingType, &G::setBottomPaddingType, &G::bottomPaddingLevelString,
         &G::setBottomPaddingLevelString},
        {"rightPadding", "rightPaddingType", "rightPaddingLevelString", &G::rightPadding, &G::setRightPadding,
         &G::rightPaddingType, &G::setRightPaddingType, &G::rightPaddingLevelString,
         &G::setRightPaddingLevelString},
        {"leftPadding", "leftPaddingType", "leftPaddingLevelString", &G::leftPadding, &G::setLeftPadding,
         &G::leftPaddingType, &G::setLeftPaddingType, &G::leftPaddingLevelString,
         &G::setLeftPaddingLevelString},
        {"topMargin", "topMarginType", "topMarginLevelString", &G::topMargin, &G::setTopMargin,
         &G::topMarginType, &G::setTopMarginType, &G::topMarginLevelString, &G::setTopMarginLevelString},
        {"bottomMargin", "bottomMarginType", "bottomMarginLevelString", &G::bottomMargin, &G::setBottomMargin,
         &G::bottomMarginType, &G::setBottomMarginType, &G::bottomMarginLevelString,
         &G::setBottomMarginLevelString},
        {"rightMargin", "rightMarginType", "rightMarginLevelString", &G::rightMargin, &G::setRightMargin,
         &G::rightMarginType, &G::setRightMarginType, &G::rightMarginLevelString,
         &G::setRightMarginLevelString},
        {"leftMargin", "leftMarginType", "leftMarginLevelString", &G::leftMargin, &G::setLeftMargin,
         &G::leftMarginType, &G::setLeftMarginType, &G::leftMarginLevelString, &G::setLeftMarginLevelString},
    };
    for (const Side& side : sides) {
        table << PropertyRows::integer<G>(side.value, side.getValue, side.setValue, 0)
              << PropertyRows::text<G>(side.type, side.getType, side.setType, QStringLiteral("%"))
              << PropertyRows::text<G>(side.level, side.getLevel, side.setLevel, QStringLiteral("None"));
    }
}

} // namespace

// The base keys in the order they are read; the dictionary keeps no order, so writing follows it too.
const GraphicPropertyTable& SKTGraphic::basePropertyTable()
{
    using G = SKTGraphic;
    using namespace PropertyRows;
    static const GraphicPropertyTable table = [] {
        GraphicPropertyTable t{
            // The base setter, not a kind's resize rule: the kind's own keys are not read yet.
            custom<G>(
                "bounds",
                [](G& g, const QVariant* v) {
                    g.SKTGraphic::setBounds(v && isText(*v) ? Format::rectFromString(v->toString())
                                                            : QRectF());
                },
                [](G& g) { return Format::rect(g.bounds()); })
                .accessedBy(&G::bounds, &G::setBounds)
                .undoable("Bounds")
                .redrawing(Redraw::Bounds),
            // Every object made from a dictionary draws its fill, whatever the dictionary says.
            custom<G>(
                "drawingFill", [](G& g, const QVariant*) { g.setDrawingFill(true); },
                [](G& g) { return QVariant(g.isDrawingFill()); })
                .accessedBy(&G::isDrawingFill, &G::setDrawingFill)
                .undoable("Filling")
                .redrawing(Redraw::Contents),
            custom<G>(
                "drawingStroke",
                [](G& g, const QVariant* v) {
                    if (v && isNumber(*v))
                        g.setDrawingStroke(v->toDouble() != 0.0);
                },
                [](G& g) { return QVariant(g.isDrawingStroke()); })
                .accessedBy(&G::isDrawingStroke, &G::setDrawingStroke)
                .undoable("Stroking")
                .redrawing(Redraw::Contents),
            custom<G>(
                "strokeWidth",
                [](G& g, const QVariant* v) {
                    if (v && isNumber(*v))
                        g.setStrokeWidth(v->toDouble());
                },
                [](G& g) { return QVariant(g.strokeWidth()); })
                .accessedBy(&G::strokeWidth, &G::setStrokeWidth)
                .undoable("Stroke Width")
                .redrawing(Redraw::Bounds),
            text<G>("borderStyle", &G::borderStyle, &G::setBorderStyle, QStringLiteral("none")),
            custom<G>(
                "fillColor",
                [](G& g, const QVariant* v) { g.setFillColor(v ? unarchivedColor(*v) : Qt::transparent); },
                [](G& g) {
                    return isClearColor(g.fillColor()) ? QVariant(QStringLiteral(""))
                                                       : QVariant(archivedColor(g.fillColor()));
                })
                .accessedBy(&G::fillColor, &G::setFillColor)
                .undoable("Fill Color")
                .redrawing(Redraw::Contents),
            // Written with decimals, read back whole.
            custom<G>(
                "cornerRadius", [](G& g, const QVariant* v) { g.setCornerRadius(v ? integerValue(*v) : 0); },
                [](G& g) { return realText(g.cornerRadius()); })
                .accessedBy(&G::cornerRadius, &G::setCornerRadius)
                .redrawing(Redraw::Bounds),
            text<G>("fontFamily", &G::fontFamily, &G::setFontFamily, QString(), Write::Never),
            integer<G>("fontSize", &G::fontSize, &G::setFontSize, 0, Write::Never),
            // The text colour is the outline colour as well.
            custom<G>(
                "fontColor",
                [](G& g, const QVariant* v) {
                    const QColor color =
                        DataCentre::colorWithHexString(v && isText(*v) ? v->toString() : QString());
                    g.setFontColor(color);
                    g.setStrokeColor(color);
                },
                [](G& g) { return fontColorString(g); })
                .accessedBy(&G::fontColor, &G::setFontColor)
                .redrawing(Redraw::Contents),
            real<G, double>("opacity", &G::opacity, &G::setOpacity, 0.0),
            integer<G>("shadowFlag", &G::shadowFlag, &G::setShadowFlag, 0),
            integer<G>("fontAlignment", &G::fontAlignment, &G::setFontAlignment, 0, Write::Never),
            integer<G>("verticalAlignment", &G::verticalAlignment, &G::setVerticalAlignment, 0),
            integer<G>("moveLock", &G::moveLock, &G::setMoveLock, 0, Write::Never),
            text<G>("link", &G::link, &G::setLink, QStringLiteral(""), Write::Always, emptyWhenNone),
            text<G>("textType", &G::textType, &G::setTextType, QStringLiteral("")),
            integer<G>("slideShowNumber", &G::slideShowNumber, &G::setSlideShowNumber, 0, Write::Never),
            integer<G>("shapeFlag", &G::shapeFlag, &G::setShapeFlag, 0, Write::Never),
            text<G>("backgroundHexColorString", &G::backgroundHexColorString, &G::setBackgroundHexColorString,
                    DataCentre::kClearColorString, Write::UnlessNone),
            text<G>("textHexColorString", &G::textHexColorString, &G::setTextHexColorString,
                    QStringLiteral("000000")),
            text<G>("linkOption", &G::linkOption, &G::setLinkOption, QStringLiteral("_self")),
            text<G>("altText", &G::altText, &G::setAltText, QStringLiteral("")),
            integer<G>("groupNumber", &G::groupNumber, &G::setGroupNumber, kNoNumber, Write::Never),
            integer<G>("imageEnlargeFlag", &G::imageEnlargeFlag, &G::setImageEnlargeFlag, kNoNumber,
                       Write::Never),
            integer<G>("slideShowAutomaticFlag", &G::slideShowAutomaticFlag, &G::setSlideShowAutomaticFlag, 0,
                       Write::Never),
            integer<G>("galleryNumber", &G::galleryNumber, &G::setGalleryNumber, kNoNumber),
            text<G>("templateName", &G::templateName, &G::setTemplateName, QString(), Write::Always,
                    emptyWhenNone),
            text<G>("hoverColorString", &G::hoverColorString, &G::setHoverColorString, QStringLiteral(""),
                    Write::Always, emptyWhenNone),
            text<G>("hoverTextColorString", &G::hoverTextColorString, &G::setHoverTextColorString,
                    QStringLiteral(""), Write::Always, emptyWhenNone),
            integer<G>("backdropLightingFlag", &G::backdropLightingFlag, &G::setBackdropLightingFlag, 0),
            text<G>("linkType", &G::linkType, &G::setLinkType, QStringLiteral("text"), Write::Always,
                    shapeWhenNone),
            text<G>("formType", &G::formType, &G::setFormType, QStringLiteral(""), Write::Always,
                    emptyWhenNoFormType),
            integer<G>("formTag", &G::formTag, &G::setFormTag, 0),
            integer<G>("formRequiredFlag", &G::formRequiredFlag, &G::setFormRequiredFlag, 0),
            integer<G>("formOptionTag", &G::formOptionTag, &G::setFormOptionTag, kNoNumber),
            // Only a scroll flag of exactly 1 survives the dictionary.
            custom<G>(
                "scrollFlag", [](G& g, const QVariant* v) { g.setScrollFlag(v ? integerValue(*v) : 0); },
                [](G& g) { return flagText(g.scrollFlag() == 1); })
                .accessedBy(&G::scrollFlag, &G::setScrollFlag),
            integerFlag<G>("matchScreenFlag", &G::matchScreenFlag, &G::setMatchScreenFlag, false),
            integer<G>("manualLayerIndex", &G::manualLayerIndex, &G::setManualLayerIndex, 0, Write::Never),
            integerFlag<G>("snippetFormatFlag", &G::snippetFormatFlag, &G::setSnippetFormatFlag, false),
            // Always rewritten from the border colour, which is what the inspector edits.
            custom<G>(
                "borderHexColorString",
                [](G& g, const QVariant* v) {
                    g.setBorderHexColorString(v && isText(*v) ? v->toString() : QStringLiteral("000000"));
                },
                [](G& g) {
                    const QString hex = borderColorString(g);
                    if (g.borderHexColorString() != hex || g.borderHexColorString().isNull())
                        g.setBorderHexColorString(hex);
                    return hex;
                })
                .accessedBy(&G::borderHexColorString, &G::setBorderHexColorString),
            custom<G>(
                "borderColor",
                [](G& g, const QVariant* v) { g.setBorderColor(v ? unarchivedColor(*v) : Qt::transparent); },
                [](G& g) { return archivedColor(g.borderColor()); })
                .accessedBy(&G::borderColor, &G::setBorderColor),
            custom<G>(
                "borderWidth", [](G& g, const QVariant* v) { g.setBorderWidth(v ? integerValue(*v) : 0); },
                [](G& g) { return QVariant(double(g.borderWidth())); })
                .accessedBy(&G::borderWidth, &G::setBorderWidth),
            real<G, float>("lineSpacing", &G::lineSpacing, &G::setLineSpacing, 1.25f),
            real<G, float>("shadowRadius", &G::shadowRadius, &G::setShadowRadius, 0.0f),
            real<G, float>("shadowHorizontalOffset", &G::shadowHorizontalOffset,
                           &G::setShadowHorizontalOffset, 0.0f),
            real<G, float>("shadowVerticalOffset", &G::shadowVerticalOffset, &G::setShadowVerticalOffset,
                           0.0f),
            real<G, float>("rotationAngle", &G::rotationAngle, &G::setRotationAngle, 0.0f),
            integer<G>("responsiveResizeFlag", &G::responsiveResizeFlag, &G::setResponsiveResizeFlag, 0),
            integer<G>("responsiveAlignment", &G::responsiveAlignment, &G::setResponsiveAlignment, 0),
            integer<G>("sectionNumber", &G::sectionNumber, &G::setSectionNumber, kNoNumber),
            integer<G>("sectionRowSpot", &G::sectionRowSpot, &G::setSectionRowSpot, kNoNumber),
            integer<G>("sectionColumnSpot", &G::sectionColumnSpot, &G::setSectionColumnSpot, kNoNumber),
            integer<G>("markAsReplyToEmailFlag", &G::markAsReplyToEmailFlag, &G::setMarkAsReplyToEmailFlag,
                       0),
        };
        addBoxModelKeys(t);
        t << text<G>("sectionIDString", &G::sectionIDString, &G::setSectionIDString, QStringLiteral(""),
                     Write::Never)
          << text<G>("onClickHideString", &G::onClickHideString, &G::setOnClickHideString, QStringLiteral(""),
                     Write::Never)
          << text<G>("onClickShowString", &G::onClickShowString, &G::setOnClickShowString, QStringLiteral(""),
                     Write::Never)
          << integer<G>("initialLaunchStateFlag", &G::initialLaunchStateFlag, &G::setInitialLaunchStateFlag,
                        0, Write::Never)
          // Read by images only.
          << custom<G>("retinaFlag", {}, [](G& g) { return flagText(g.retinaFlag()); })
                 .accessedBy(&G::retinaFlag, &G::setRetinaFlag)
          << value("strokeColor", &G::strokeColor, &G::setStrokeColor)
                 .undoable("Stroke Color")
                 .redrawing(Redraw::Contents);
        return t;
    }();
    return table;
}

const GraphicPropertyTable& SKTGraphic::propertyTable() const
{
    return basePropertyTable();
}

bool SKTGraphic::initWithProperties(const GraphicPropertyDictionary& properties)
{
    propertyTable().read(*this, properties);
    // Objects of the website's base template can be selected only on the base template page itself; a
    // graphic made for no document yet learns its page when a document inserts it (applyBaseTemplateLock).
    setSelectable(true);
    applyBaseTemplateLock();
    return true;
}

void SKTGraphic::applyBaseTemplateLock()
{
    const GraphicContext* context = graphicContext();
    if (templateName() == DataCentre::kBaseTemplateName && context &&
        context->getDocumentPageName() != DataCentre::kBaseTemplateName)
        setSelectable(false);
}

GraphicPropertyDictionary SKTGraphic::properties()
{
    GraphicPropertyDictionary dictionary;
    propertyTable().write(*this, dictionary);
    return dictionary;
}
