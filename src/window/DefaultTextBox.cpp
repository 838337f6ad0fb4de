#include "window/SKTWindowController.h"

#include "document/core/SKTDocument.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTGraphic.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

namespace {

// The inspector's default style of a new text box.
constexpr QLatin1StringView kFontFamily{"Actor"};
constexpr int kFontSize = 15;
constexpr QLatin1StringView kTextColor{"555555"};
constexpr QLatin1StringView kBorderColor{"000000"};

// A text box of the default style as the page loader would read it; boxes on responsive products keep
// their text off the edges by 10 points.
GraphicPropertyDictionary defaultTextBoxProperties(const QString& text, const QString& link, int groupNumber,
                                                   const QRectF& frame)
{
    using namespace GraphicProperties;
    const bool responsive = DataCentre::profile().responsiveDesign;
    const QString padding = integerText(responsive ? 10 : 0);
    const QString paddingUnit = responsive ? QStringLiteral("pixel") : QStringLiteral("%");
    const QString zero = integerText(0);
    GraphicPropertyDictionary d;
    for (const char* side : {"top", "bottom", "left", "right"}) {
        const QString name = QString::fromLatin1(side);
        d.insert(name + QLatin1String("Padding"), padding);
        d.insert(name + QLatin1String("Margin"), zero);
        d.insert(name + QLatin1String("PaddingType"), paddingUnit);
        d.insert(name + QLatin1String("MarginType"), QStringLiteral("%"));
        d.insert(name + QLatin1String("PaddingLevelString"), QStringLiteral("Small"));
        d.insert(name + QLatin1String("MarginLevelString"), QStringLiteral("None"));
    }
    d.insert(QStringLiteral("className"), QStringLiteral("SKTText"));
    d.insert(QStringLiteral("verticalAlignment"), zero);
    d.insert(QStringLiteral("fillColor"), archivedColor(Qt::transparent));
    d.insert(QStringLiteral("borderColor"), archivedColor(DataCentre::colorWithHexString(QString(kBorderColor))));
    d.insert(QStringLiteral("bounds"), Format::rect(frame));
    d.insert(QStringLiteral("fontAlignment"), zero);
    d.insert(QStringLiteral("cornerRadius"), realText(0));
    d.insert(QStringLiteral("fontColor"), QString(kTextColor));
    d.insert(QStringLiteral("backgroundHexColorString"), QString(DataCentre::kClearColorString));
    d.insert(QStringLiteral("fontSize"), realText(kFontSize));
    d.insert(QStringLiteral("fontFamily"), QString(kFontFamily));
    d.insert(QStringLiteral("borderStyle"), QStringLiteral("none"));
    d.insert(QStringLiteral("opacity"), realText(1.0));
    d.insert(QStringLiteral("shadowFlag"), zero);
    d.insert(QStringLiteral("link"), GraphicProperties::text(link));
    d.insert(QStringLiteral("textString"), text);
    d.insert(QStringLiteral("textType"), QStringLiteral("Text"));
    d.insert(QStringLiteral("slideShowNumber"), integerText(-99));
    d.insert(QStringLiteral("textHexColorString"), QString(kTextColor));
    d.insert(QStringLiteral("groupNumber"), integerText(groupNumber));
    d.insert(QStringLiteral("hoverColorString"), QStringLiteral(""));
    d.insert(QStringLiteral("hoverTextColorString"), QStringLiteral(""));
    d.insert(QStringLiteral("linkType"), QStringLiteral(""));
    d.insert(QStringLiteral("borderWidth"), zero);
    d.insert(QStringLiteral("borderHexColorString"), QString(kBorderColor));
    for (const char* key : {"sectionNumber", "sectionRowSpot", "sectionColumnSpot"})
        d.insert(QString::fromLatin1(key), zero);
    return d;
}

} // namespace

void SKTWindowController::addGraphicViewTextBox(const QString& text, const QString& link, int groupNumber,
                                                const QRectF& frame)
{
    if (!m_document)
        return;
    const GraphicList made =
        SKTGraphic::graphicsWithPropertiesPasted({defaultTextBoxProperties(text, link, groupNumber, frame)});
    if (!made.isEmpty())
        m_document->insertGraphics(made, {0});
}
