#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/TextBoxArguments.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTText.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QThread>

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

// The look of a box: colours, frame, font, border, text and link, the keys every made box writes.
void writeStyle(GraphicPropertyDictionary& p, const TextBoxArguments& a)
{
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
    writeStyle(p, a);
    for (const char* key : {"sectionNumber", "sectionRowSpot", "sectionColumnSpot"})
        p.insert(QString::fromLatin1(key), QStringLiteral("0"));
    return p;
}

// An empty 100 x 100 box with a solid outline of 2 in its text colour: red for a zoom bubble.
GraphicPropertyDictionary bubbleProperties(const QPointF& point, int cornerRadius, const QString& bubbleShape,
                                           int zoomFlag)
{
    TextBoxArguments a;
    a.frame = QRectF(point, QSizeF(100, 100));
    a.font = QFont(QStringLiteral("Helvetica Neue"));
    a.font.setPointSizeF(10);
    a.textColor = QString::fromLatin1(zoomFlag != 0 ? "EE0000" : "555555");
    a.cornerRadius = cornerRadius;
    a.borderStyle = QStringLiteral("solid");
    a.borderWidth = 2;
    a.borderColor = a.textColor;
    GraphicPropertyDictionary p;
    writeStyle(p, a);
    p.insert(QStringLiteral("bubbleShape"), bubbleShape);
    p.insert(QStringLiteral("zoomBubbleFlag"), Format::integer(zoomFlag));
    return p;
}

} // namespace

void SKTGraphicView::addTextBox(const TextBoxArguments& arguments)
{
    // Background jobs (the photo catalogue) add their boxes through the GUI thread, in the order they ask.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, arguments] { addTextBox(arguments); }, Qt::QueuedConnection);
        return;
    }
    auto box = std::make_shared<SKTText>();
    box->initWithProperties(textBoxProperties(arguments));
    // On a responsive page the box joins the section cell under its corner; under no cell it goes in as it
    // is, outside every section.
    if (DataCentre::profile().responsiveDesign)
        applySection(box, arguments.frame.topLeft());
    mutableGraphics().insertGraphics({box}, {0});
}

void SKTGraphicView::addZoomBubbleTextbox_drag(const QPointF& point, int cornerRadius,
                                               const QString& bubbleShape, int zoomFlag)
{
    // Bubbles belong to no section, also on responsive pages.
    auto bubble = std::make_shared<SKTText>();
    bubble->initWithProperties(bubbleProperties(point, cornerRadius, bubbleShape, zoomFlag));
    mutableGraphics().insertGraphics({bubble}, {0});
}
