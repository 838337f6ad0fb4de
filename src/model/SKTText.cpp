#include "model/SKTText.h"

#include "model/ColorTarget.h"
#include "model/GraphicUndoKeys.h"
#include "model/NoNumber.h"
#include "model/text/SharedTextLayout.h"
#include "model/text/TextStorage.h"
#include "platform/StringsTable.h"

#include <QTextDocument>
#include <QTimer>

#include <algorithm>

using namespace GraphicProperties;

namespace {

const QString kTextStringKey = QStringLiteral("textString");
const QString kFontFamilyKey = QStringLiteral("fontFamily");
const QString kFontAlignmentKey = QStringLiteral("fontAlignment");
const QString kFontSizeKey = QStringLiteral("fontSize");
const QString kSlideShowNumberKey = QStringLiteral("slideShowNumber");
const QString kBubbleShapeKey = QStringLiteral("bubbleShape");
const QString kZoomBubbleFlagKey = QStringLiteral("zoomBubbleFlag");
// Kept with the text, so that a page's indented text stays indented when it is opened again.
const QString kIndentFlagKey = QStringLiteral("indentFlag");
const QString kUndoContentsKey = QStringLiteral("undoContents");
const QString kBoundsKey = QStringLiteral("bounds");

// Written for a text without characters, which has no font to name.
const QString kEmptyTextFontFamily = QStringLiteral("Helvetica Neue");
// The size of a font asked for at no size.
constexpr int kDefaultFontSize = 12;

// The paragraph alignments of `fontAlignment`: 0 left, 1 centred, 2 right, anything else justified.
Qt::Alignment alignmentOf(int fontAlignment)
{
    switch (fontAlignment) {
    case 0:
        return Qt::AlignLeft;
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignJustify;
    }
}

// The dictionary's "fontAlignment" of a paragraph alignment: justified text is written as left.
int fontAlignmentOf(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return 1;
    if (alignment & Qt::AlignRight)
        return 2;
    return 0;
}

void registerUndoContentsKey()
{
    static const bool registered = [] {
        GraphicUndoKeys::registerKey(kUndoContentsKey, &SKTText::undoContents, &SKTText::setUndoContents);
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

SKTText::SKTText()
{
    registerUndoContentsKey();
}

SKTText::~SKTText()
{
    if (m_contents)
        m_contents->setEditingObserver(nullptr);
}

QString SKTText::className() const
{
    return QStringLiteral("SKTText");
}

std::shared_ptr<SKTGraphic> SKTText::newGraphicOfSameKind() const
{
    return std::make_shared<SKTText>();
}

std::shared_ptr<SKTGraphic> SKTText::copy() const
{
    std::shared_ptr<SKTGraphic> graphic = SKTGraphic::copy();
    auto* text = static_cast<SKTText*>(graphic.get());
    if (m_contents)
        text->contents().setFormattedText(m_contents->document());
    return graphic;
}

QString SKTText::textString() const
{
    return m_contents ? m_contents->string() : QString();
}

// ---- Text storage

TextStorage& SKTText::contents()
{
    if (!m_contents) {
        m_contents = std::make_unique<TextStorage>();
        observeEdits(*m_contents);
    }
    return *m_contents;
}

void SKTText::observeEdits(TextStorage& storage)
{
    storage.setEditingObserver([this] { textStorageDidProcessEditing(); });
}

TextStyle SKTText::textStyle() const
{
    TextStyle style;
    if (!fontFamily().isEmpty())
        style.font.setFamilies({fontFamily()});
    style.font.setPixelSize(fontSize() > 0 ? fontSize() : kDefaultFontSize);
    style.alignment = alignmentOf(fontAlignment());
    if (fontColor().isValid()) {
        style.color = fontColor();
        style.color.setAlphaF(float(std::clamp(opacity(), 0.0, 1.0)));
    }
    style.lineHeight = double(lineSpacing() * float(fontSize()));
    return style;
}

void SKTText::refreshStyle()
{
    contents().applyStyle(textStyle());
    setBounds(bounds());
}

void SKTText::updateTextString(const QString& string)
{
    if (m_contents)
        m_contents->setEditingObserver(nullptr);
    m_contents = std::make_unique<TextStorage>(string);
    refreshStyle();
}

void SKTText::textStorageDidProcessEditing()
{
    QTimer::singleShot(0, this, [this] { setHeightToMatchContents(); });
}

// ---- Property dictionary

bool SKTText::initWithProperties(const GraphicPropertyDictionary& properties)
{
    if (!SKTGraphic::initWithProperties(properties))
        return false;
    const QVariant text = properties.value(kTextStringKey);
    if (m_contents)
        m_contents->setEditingObserver(nullptr);
    // A dictionary without text makes an empty text box.
    m_contents = std::make_unique<TextStorage>(isText(text) ? text.toString() : QString());
    applyTextPaletteRule();
    m_contents->applyStyle(textStyle());
    observeEdits(*m_contents);
    setZoomBubbleFlag(
        properties.contains(kZoomBubbleFlagKey) ? integerValue(properties.value(kZoomBubbleFlagKey)) : 0);
    setIndentFlag(properties.contains(kIndentFlagKey) ? integerValue(properties.value(kIndentFlagKey)) : 0);
    const QVariant shape = properties.value(kBubbleShapeKey);
    setBubbleShape(isText(shape) ? shape.toString() : QStringLiteral(""));
    return true;
}

GraphicPropertyDictionary SKTText::properties()
{
    if (linkType().isNull())
        setLinkType(QStringLiteral("text"));
    GraphicPropertyDictionary dictionary = SKTGraphic::properties();
    const TextStorage& storage = contents();
    const std::optional<QFont> font = TextStorage::fontOfFirstCharacter(storage.document());
    dictionary.insert(kTextStringKey, storage.string());
    dictionary.insert(kFontFamilyKey, font ? font->family() : kEmptyTextFontFamily);
    dictionary.insert(kFontAlignmentKey,
                      integerText(storage.isEmpty() ? 0
                                                    : fontAlignmentOf(TextStorage::alignmentOfFirstParagraph(
                                                          storage.document()))));
    dictionary.insert(kFontSizeKey, realText(font ? TextStorage::fontSize(*font) : 0.0));
    dictionary.insert(kSlideShowNumberKey, integerText(kNoNumber));
    dictionary.insert(kBubbleShapeKey, text(bubbleShape()));
    dictionary.insert(kZoomBubbleFlagKey, integerText(zoomBubbleFlag()));
    dictionary.insert(kIndentFlagKey, integerText(indentFlag()));
    return dictionary;
}

// ---- Geometry and measuring

QRectF SKTText::drawingBounds()
{
    return SKTGraphic::drawingBounds().united(bounds().adjusted(-1, -1, 1, 1));
}

void SKTText::setBounds(const QRectF& bounds)
{
    SKTGraphic::setBounds(bounds);
}

SharedTextLayout& SKTText::sharedLayoutManager()
{
    static SharedTextLayout* layout = new SharedTextLayout;
    return *layout;
}

QSizeF SKTText::naturalSize()
{
    SharedTextLayout& layout = sharedLayoutManager();
    layout.setContainerSize(QSizeF(bounds().width(), SharedTextLayout::kUnlimitedExtent));
    layout.attach(contents().document());
    const QSizeF size = layout.usedRect().size();
    layout.detach();
    return size;
}

void SKTText::setHeightToMatchContents()
{
    m_boundsBeingChangedToMatchContents = true;
    didChangeValueForKey(GraphicUndoKeys::undoKeysKey);
    setBounds(bounds());
    m_boundsBeingChangedToMatchContents = false;
    didChangeValueForKey(GraphicUndoKeys::undoKeysKey);
}

// ---- Scripting and undo of the text

TextStorage& SKTText::scriptingContents()
{
    willChangeScriptingContents();
    QTimer::singleShot(0, this, [this] { didChangeScriptingContents(); });
    return contents();
}

QVariant SKTText::coerceValueForScriptingContents(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QString)
        return value;
    return QVariant(value.toString());
}

void SKTText::setScriptingContents(const QString& text)
{
    willChangeScriptingContents();
    contents().setString(text);
    didChangeValueForKey(kUndoContentsKey);
    didChangeScriptingContents();
}

void SKTText::setScriptingContents(const QTextDocument& formattedText)
{
    willChangeScriptingContents();
    contents().setFormattedText(formattedText);
    didChangeValueForKey(kUndoContentsKey);
    didChangeScriptingContents();
}

void SKTText::willChangeScriptingContents()
{
    // The undo takes the text as it is now when the key joins the watched set.
    m_contentsBeingChangedByScripting = true;
    didChangeValueForKey(GraphicUndoKeys::undoKeysKey);
}

void SKTText::didChangeScriptingContents()
{
    m_contentsBeingChangedByScripting = false;
    didChangeValueForKey(GraphicUndoKeys::undoKeysKey);
}

QString SKTText::undoContents() const
{
    return textString();
}

void SKTText::setUndoContents(const QString& text)
{
    setScriptingContents(text);
}

QSet<QString> SKTText::keysForValuesToObserveForUndo() const
{
    QSet<QString> keys = SKTGraphic::keysForValuesToObserveForUndo();
    if (m_contentsBeingChangedByScripting)
        keys.insert(kUndoContentsKey);
    if (m_boundsBeingChangedToMatchContents)
        keys.remove(kBoundsKey);
    return keys;
}

QString SKTText::presentablePropertyNameForKey(const QString& key) const
{
    if (key == kUndoContentsKey)
        return StringsTable::localizedString(QStringLiteral("Text"), QString(),
                                             QStringLiteral("UndoStrings"));
    return SKTGraphic::presentablePropertyNameForKey(key);
}

QSet<QString> SKTText::keyPathsForValuesAffectingDrawingContents() const
{
    static const QSet<QString> keys =
        SKTGraphic::keyPathsForValuesAffectingDrawingContents() +
        QSet<QString>{QStringLiteral("opacity"),     QStringLiteral("shadowFlag"),
                      QStringLiteral("borderStyle"), QStringLiteral("borderWidth"),
                      QStringLiteral("reflection"),  QStringLiteral("borderHexColorString"),
                      QStringLiteral("lineSpacing")};
    return keys;
}
