#include "model/SKTText.h"

#include "model/ColorTarget.h"
#include "model/GraphicPropertyTable.h"
#include "model/NoNumber.h"
#include "model/text/SharedTextLayout.h"
#include "model/text/TextStorage.h"

#include <QTextDocument>
#include <QTimer>

#include <algorithm>

using namespace GraphicProperties;

namespace {

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

QString textWhenNone(const QString& value)
{
    return value.isNull() ? QStringLiteral("text") : value;
}

} // namespace

struct SKTText::PendingText {
    QString text;
    TextStyle style;
};

SKTText::SKTText() = default;

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
    if (m_contents || m_pendingText)
        text->contents().setFormattedText(storage().document());
    return graphic;
}

QString SKTText::textString() const
{
    return m_contents || m_pendingText ? storage().string() : QString();
}

// ---- Text storage

TextStorage& SKTText::contents()
{
    return storage();
}

TextStorage& SKTText::storage() const
{
    if (!m_contents) {
        if (m_pendingText) {
            m_contents = std::make_unique<TextStorage>(m_pendingText->text);
            m_contents->applyStyle(m_pendingText->style);
            m_pendingText.reset();
        } else {
            m_contents = std::make_unique<TextStorage>();
        }
        const_cast<SKTText*>(this)->observeEdits(*m_contents);
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
    m_pendingText.reset();
    m_contents = std::make_unique<TextStorage>(string);
    refreshStyle();
}

void SKTText::textStorageDidProcessEditing()
{
    QTimer::singleShot(0, this, [this] { setHeightToMatchContents(); });
}

// ---- Property table

const GraphicPropertyTable& SKTText::propertyTable() const
{
    using T = SKTText;
    using namespace PropertyRows;
    static const GraphicPropertyTable table = [] {
        GraphicPropertyTable t = basePropertyTable();
        t.redraw(Redraw::Contents, {"opacity", "shadowFlag", "borderStyle", "borderWidth",
                                    "borderHexColorString", "lineSpacing"});
        t.replace(text<T>("linkType", &T::linkType, &T::setLinkType, QStringLiteral("text"), Write::Always,
                          textWhenNone));
        // The font and the paragraph of the first character stand for the whole text.
        t.writeAs<T>("fontFamily",
                     [](T& g) {
                         const std::optional<QFont> font =
                             TextStorage::fontOfFirstCharacter(g.contents().document());
                         return QVariant(font ? font->family() : kEmptyTextFontFamily);
                     })
            .writeAs<T>("fontAlignment",
                        [](T& g) {
                            const TextStorage& storage = g.contents();
                            return QVariant(integerText(
                                storage.isEmpty() ? 0
                                                  : fontAlignmentOf(TextStorage::alignmentOfFirstParagraph(
                                                        storage.document()))));
                        })
            .writeAs<T>("fontSize",
                        [](T& g) {
                            const std::optional<QFont> font =
                                TextStorage::fontOfFirstCharacter(g.contents().document());
                            return QVariant(realText(font ? TextStorage::fontSize(*font) : 0.0));
                        })
            .writeAs<T>("slideShowNumber", [](T&) { return QVariant(integerText(kNoNumber)); });
        // The text takes the style of the keys read before it; a dictionary without text makes an empty box.
        t << custom<T>(
                 "textString",
                 [](T& g, const QVariant* value) {
                     if (g.m_contents)
                         g.m_contents->setEditingObserver(nullptr);
                     g.m_contents.reset();
                     g.applyTextPaletteRule();
                     g.m_pendingText = std::make_unique<PendingText>(
                         PendingText{value && isText(*value) ? value->toString() : QString(), g.textStyle()});
                 },
                 [](T& g) { return QVariant(g.contents().string()); })
          << integer<T>("zoomBubbleFlag", &T::zoomBubbleFlag, &T::setZoomBubbleFlag, 0)
          // Kept with the text, so that a page's indented text stays indented when it is opened again.
          << integer<T>("indentFlag", &T::indentFlag, &T::setIndentFlag, 0)
          << text<T>("bubbleShape", &T::bubbleShape, &T::setBubbleShape, QStringLiteral(""))
          << value("reflection", &T::reflection, &T::setReflection).redrawing(Redraw::Contents)
          << value("undoContents", &T::undoContents, &T::setUndoContents).namedForUndo("Text");
        return t;
    }();
    return table;
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
    didChangeValueForKey(kUndoKeysKey);
    setBounds(bounds());
    m_boundsBeingChangedToMatchContents = false;
    didChangeValueForKey(kUndoKeysKey);
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
    didChangeValueForKey(kUndoKeysKey);
}

void SKTText::didChangeScriptingContents()
{
    m_contentsBeingChangedByScripting = false;
    didChangeValueForKey(kUndoKeysKey);
}

QString SKTText::undoContents() const
{
    return textString();
}

void SKTText::setUndoContents(const QString& text)
{
    if (text != undoContents())
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
