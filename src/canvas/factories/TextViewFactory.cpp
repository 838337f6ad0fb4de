#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/TextBoxArguments.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTText.h"
#include "model/records/myTextView.h"
#include "model/text/TextStorage.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/ShapeSelectionView.h"
#include "profile/services/HexColor.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

// Text boxes and shapes from the palettes' presets, and the snippet box whose markup follows its size.

namespace {

const QString kWhite = QStringLiteral("FFFFFF");
const QString kShapeTextColor = QStringLiteral("4f4c4c");
const QString kShapeFont = QStringLiteral("Helvetica Neue");
const QString kSnippetTextType = QStringLiteral("HTMLSnippet");

std::shared_ptr<ShapeSelectionView> presetAt(const ShapePresetList& presets, int tag)
{
    return tag >= 0 && tag < presets.size() ? presets.at(tag) : nullptr;
}

// An attribute name not preceded by a word character or "-": "width=" but not "max-width=".
const QString kStandalone = QStringLiteral("(?<![\\w-])");

// The first standalone attribute of the name with its value, as it stands in the text; empty for none.
QString attributeToken(const QString& text, const QString& name)
{
    static const QString anyValue = QStringLiteral("(\"[^\"]*\"|'[^']*'|[^\\s>\"']*)");
    // The value is quoted, or runs up to a blank or the end of the tag.
    return QRegularExpression(kStandalone + name + u'=' + anyValue).match(text).captured(0);
}

// Every standalone occurrence of the attribute token becomes the new one; the rest of the text stays.
QString replaceAttribute(const QString& text, const QString& token, const QString& replacement)
{
    QString result = text;
    return result.replace(QRegularExpression(kStandalone + QRegularExpression::escape(token)), replacement);
}

} // namespace

void SKTGraphicView::addNewSelectedTextView(int tag)
{
    const std::shared_ptr<ShapeSelectionView> preset =
        presetAt(DataCentre::profile().defaultTextViewPresets, tag);
    if (!preset)
        return;
    const ProductProfile& profile = DataCentre::profile();
    TextBoxArguments a;
    a.text = QStringLiteral("New text box");
    if (profile.dateStampNewText) {
        a.text =
            preset->textString() + QStringLiteral(" - ") +
            QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("MMM dd yyyy,  dddd h:mm AP"));
    }
    const QPointF origin = calculateOriginPoint();
    a.frame = QRectF(int(origin.x()), int(origin.y()), preset->frame().width() * 1.5,
                     preset->frame().height() * 3.0);
    const QString fill = DataCentre::asHexString(preset->fillColor());
    a.fillColor = fill == kWhite ? QString(DataCentre::kClearColorString) : fill;
    a.textColor = DataCentre::asHexString(preset->textColor());
    a.font = QFont(preset->font().family());
    a.font.setPointSizeF(profile.defaultFontSize);
    addTextBox(a);
}

void SKTGraphicView::addNewShape(int tag)
{
    const std::shared_ptr<ShapeSelectionView> preset =
        presetAt(DataCentre::profile().defaultShapePresets, tag);
    if (!preset)
        return;
    const QPointF origin = calculateOriginPoint();
    const QRectF frame(int(origin.x()), int(origin.y()), preset->frame().width() * 2,
                       preset->frame().height() * 2);
    const QString fill = DataCentre::asHexString(preset->fillColor());
    const GraphicPropertyDictionary properties = {
        {QStringLiteral("bounds"), Format::rect(frame)},
        {QStringLiteral("fontAlignment"), QStringLiteral("0")},
        {QStringLiteral("cornerRadius"), Format::decimal(preset->cornerRadius())},
        {QStringLiteral("fontColor"), kShapeTextColor},
        {QStringLiteral("backgroundHexColorString"), fill},
        {QStringLiteral("fillColor"), GraphicProperties::archivedColor(preset->fillColor())},
        {QStringLiteral("fontSize"), Format::integer(DataCentre::profile().defaultFontSize)},
        {QStringLiteral("fontFamily"), kShapeFont},
        {QStringLiteral("borderStyle"), QStringLiteral("none")},
        {QStringLiteral("opacity"), Format::decimal(1.0)},
        {QStringLiteral("shadowFlag"), QStringLiteral("0")},
        {QStringLiteral("link"), QStringLiteral("")},
        {QStringLiteral("textString"), QStringLiteral(" ")},
        {QStringLiteral("textType"), QStringLiteral("Text")},
    };
    // A shape joins no section, also on responsive pages.
    auto shape = std::make_shared<SKTText>();
    shape->initWithProperties(properties);
    mutableGraphics().insertGraphics({shape}, {0});
}

bool SKTGraphicView::showAutoAdjustSnippetSize()
{
    if (DataCentre::profile().responsiveDesign)
        return false;
    const GraphicList selected = selectedGraphics();
    if (selected.size() != 1 || !std::dynamic_pointer_cast<SKTText>(selected.first()) ||
        selected.first()->textType() != kSnippetTextType)
        return false;
    m_workingState.selectedSnippet = selected.first();
    return true;
}

void SKTGraphicView::autoAdjustSnippetSize()
{
    auto* snippet = dynamic_cast<SKTText*>(m_workingState.selectedSnippet.get());
    if (!snippet)
        return;
    QString text = snippet->contents().string();
    const QString oldWidth = attributeToken(text, QStringLiteral("width"));
    const QString oldHeight = attributeToken(text, QStringLiteral("height"));
    if (oldWidth.isEmpty() || oldHeight.isEmpty())
        return;
    const QRectF b = snippet->bounds();
    text = replaceAttribute(text, oldWidth, QStringLiteral("width=%1").arg(int(b.width())));
    text = replaceAttribute(text, oldHeight, QStringLiteral("height=%1").arg(int(b.height())));
    snippet->contents().setString(text);
}

void SKTGraphicView::convertTextViewToSKTGraphic(myTextView& element)
{
    const MTextView& inner = *element.textView();
    if (element.link().isNull())
        element.setLink(QStringLiteral(""));
    if (element.familyName().isEmpty())
        element.setFamilyName(kShapeFont);
    if (element.formType().isNull())
        element.setFormType(QStringLiteral(""));
    const Qt::Alignment horizontal = inner.alignment() & Qt::AlignHorizontal_Mask;
    const int alignment = horizontal == Qt::AlignHCenter ? 1 : horizontal == Qt::AlignRight ? 2 : 0;
    const QString colour = element.colorString();
    // No colour, like the clear colour, is a transparent fill.
    const QColor fill = colour.isEmpty() || colour == DataCentre::kClearColorString
                            ? QColor(Qt::transparent)
                            : DataCentre::colorWithHexString(colour);
    const GraphicPropertyDictionary properties = {
        {QStringLiteral("bounds"), Format::rect(element.frame())},
        {QStringLiteral("fontAlignment"), Format::integer(alignment)},
        {QStringLiteral("cornerRadius"), Format::decimal(element.cornerRadius())},
        {QStringLiteral("textHexColorString"), element.textColorString()},
        {QStringLiteral("fontColor"), element.textColorString()},
        {QStringLiteral("fillColor"), GraphicProperties::archivedColor(fill)},
        {QStringLiteral("backgroundHexColorString"), colour},
        {QStringLiteral("fontSize"), Format::decimal(TextStorage::fontSize(inner.font()))},
        {QStringLiteral("fontFamily"), element.familyName()},
        {QStringLiteral("borderStyle"), inner.borderLine()},
        {QStringLiteral("opacity"), Format::decimal(element.alphaValue())},
        {QStringLiteral("shadowFlag"), Format::integer(element.shadowRadius() > 0 ? 1 : 0)},
        {QStringLiteral("link"), element.link()},
        {QStringLiteral("textString"), inner.string()},
        {QStringLiteral("textType"), element.textType()},
        {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
        {QStringLiteral("borderHexColorString"), element.borderHexColorString()},
        {QStringLiteral("borderWidth"), Format::integer(inner.borderWidth())},
        {QStringLiteral("formType"), element.formType()},
        {QStringLiteral("formTag"), Format::integer(element.formTag())},
        {QStringLiteral("formRequiredFlag"), Format::integer(element.formRequiredFlag())},
        {QStringLiteral("formOptionTag"), Format::integer(element.formOptionTag())},
        {QStringLiteral("groupNumber"), Format::integer(element.groupNumber())},
        {QStringLiteral("responsiveResizeFlag"), Format::integer(element.responsiveResizeFlag())},
        {QStringLiteral("responsiveAlignment"), Format::integer(element.responsiveAlignment())},
    };
    auto text = std::make_shared<SKTText>();
    text->initWithProperties(properties);
    // Under no section cell the text goes in as it is, outside every section.
    if (DataCentre::profile().responsiveDesign)
        applySection(text, element.frame().topLeft());
    mutableGraphics().insertGraphics({text}, {0});
}
