#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/TextBoxArguments.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTText.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

namespace {

const QString kClearFill{DataCentre::kClearColorString};
const QString kSnippetTextType = QStringLiteral("HTMLSnippet");
const char* const kSides[] = {"top", "bottom", "left", "right"};

// Paddings and margins (top, bottom, left, right) with their units, and the vertical alignment code.
struct BoxModel {
    int paddings[4] = {0, 0, 0, 0};
    QString paddingUnit = QStringLiteral("%");
    int margins[4] = {0, 0, 0, 0};
    int verticalAlignment = 0;
};

BoxModel boxModelFor(bool responsive, bool button)
{
    BoxModel box;
    if (!responsive)
        return box;
    box.paddingUnit = QStringLiteral("pixel");
    if (button) {
        box.paddings[2] = box.paddings[3] = 10;
        box.margins[2] = box.margins[3] = 10;
        box.verticalAlignment = 1;
    } else {
        std::fill(std::begin(box.paddings), std::end(box.paddings), 10);
    }
    return box;
}

QString fontAlignmentCode(const QString& alignment)
{
    if (alignment == QLatin1String("right"))
        return QStringLiteral("2");
    if (alignment == QLatin1String("center"))
        return QStringLiteral("1");
    return QStringLiteral("0");
}

GraphicPropertyDictionary textBoxProperties(const TextBoxArguments& a)
{
    GraphicPropertyDictionary p;
    const BoxModel box = boxModelFor(DataCentre::profile().responsiveDesign, a.button);
    for (int side = 0; side < 4; ++side) {
        const QString name = QString::fromLatin1(kSides[side]);
        p.insert(name + QStringLiteral("Padding"), Format::integer(box.paddings[side]));
        p.insert(name + QStringLiteral("Margin"), Format::integer(box.margins[side]));
        p.insert(name + QStringLiteral("PaddingType"), box.paddingUnit);
        p.insert(name + QStringLiteral("MarginType"), QStringLiteral("%"));
        p.insert(name + QStringLiteral("PaddingLevelString"), QStringLiteral("Small"));
        p.insert(name + QStringLiteral("MarginLevelString"), QStringLiteral("None"));
    }
    p.insert(QStringLiteral("verticalAlignment"), Format::integer(box.verticalAlignment));
    if (a.textType == kSnippetTextType)
        p.insert(QStringLiteral("snippetFormatFlag"), QStringLiteral("1"));
    const QColor fill =
        a.fillColor == kClearFill ? QColor(Qt::transparent) : DataCentre::colorWithHexString(a.fillColor);
    p.insert(QStringLiteral("fillColor"), GraphicProperties::archivedColor(fill));
    p.insert(QStringLiteral("borderColor"),
             GraphicProperties::archivedColor(DataCentre::colorWithHexString(a.borderColor)));
    p.insert(QStringLiteral("bounds"), Format::rect(a.frame));
    p.insert(QStringLiteral("fontAlignment"), fontAlignmentCode(a.alignment));
    p.insert(QStringLiteral("cornerRadius"), Format::decimal(a.cornerRadius));
    p.insert(QStringLiteral("fontColor"), a.textColor);
    p.insert(QStringLiteral("backgroundHexColorString"), a.fillColor);
    p.insert(QStringLiteral("fontSize"), Format::decimal(a.font.pointSizeF()));
    p.insert(QStringLiteral("fontFamily"), a.font.family());
    p.insert(QStringLiteral("borderStyle"), a.borderStyle);
    p.insert(QStringLiteral("opacity"), Format::decimal(a.opacity));
    p.insert(QStringLiteral("shadowFlag"), QStringLiteral("0"));
    p.insert(QStringLiteral("link"), a.link.isNull() ? QStringLiteral("") : a.link);
    p.insert(QStringLiteral("textString"), a.text);
    p.insert(QStringLiteral("textType"), a.textType);
    p.insert(QStringLiteral("slideShowNumber"), QStringLiteral("-99"));
    p.insert(QStringLiteral("textHexColorString"), a.textColor);
    p.insert(QStringLiteral("groupNumber"), Format::integer(a.groupNumber));
    p.insert(QStringLiteral("hoverColorString"), a.hoverColor);
    p.insert(QStringLiteral("hoverTextColorString"), a.hoverTextColor);
    p.insert(QStringLiteral("linkType"), a.linkType);
    p.insert(QStringLiteral("borderWidth"), Format::integer(a.borderWidth));
    p.insert(QStringLiteral("borderHexColorString"), a.borderColor);
    for (const char* key : {"sectionNumber", "sectionRowSpot", "sectionColumnSpot"})
        p.insert(QString::fromLatin1(key), QStringLiteral("0"));
    return p;
}

} // namespace

void SKTGraphicView::addTextBox(const TextBoxArguments& arguments)
{
    // Placing the box into the section cell under it is the section layout's; until then a box on a
    // responsive page keeps its frame and no section.
    auto box = std::make_shared<SKTText>();
    box->initWithProperties(textBoxProperties(arguments));
    mutableGraphics().insertGraphics({box}, {0});
}
