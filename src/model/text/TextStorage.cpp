#include "model/text/TextStorage.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>

TextStorage::TextStorage()
    : TextStorage(QString())
{}

TextStorage::TextStorage(const QString& text)
    : m_document(std::make_unique<QTextDocument>())
{
    applyContainerInsets(*m_document);
    m_document->setPlainText(text);
    // Only the user's edits are theirs to undo.
    m_document->clearUndoRedoStacks();
    QObject::connect(m_document.get(), &QTextDocument::contentsChanged, [this] {
        if (m_editingObserver)
            m_editingObserver();
    });
}

TextStorage::~TextStorage()
{
    QObject::disconnect(m_document.get(), nullptr, nullptr, nullptr);
}

QString TextStorage::string() const
{
    return m_document->toPlainText();
}

bool TextStorage::isEmpty() const
{
    return m_document->isEmpty();
}

std::unique_ptr<TextStorage> TextStorage::copy() const
{
    auto storage = std::make_unique<TextStorage>();
    storage->setFormattedText(*m_document);
    storage->document().clearUndoRedoStacks();
    return storage;
}

void TextStorage::setString(const QString& text)
{
    // The new characters take the formats of the first character and paragraph, so the style goes on.
    QTextCursor cursor(m_document.get());
    const QTextCharFormat format = cursor.charFormat();
    const QTextBlockFormat paragraph = cursor.blockFormat();
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(paragraph);
    cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
    cursor.endEditBlock();
}

void TextStorage::setFormattedText(const QTextDocument& source)
{
    QTextCursor cursor(m_document.get());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    // The first paragraph of the fragment goes into the block that is already there, which keeps its own
    // formats unless given the source's.
    cursor.setBlockFormat(source.begin().blockFormat());
    cursor.setBlockCharFormat(source.begin().charFormat());
    cursor.insertFragment(QTextDocumentFragment(&source));
    cursor.endEditBlock();
    m_document->setDefaultFont(source.defaultFont());
}

void TextStorage::applyStyle(const TextStyle& style)
{
    applyStyle(*m_document, style);
}

void TextStorage::setEditingObserver(std::function<void()> observer)
{
    m_editingObserver = std::move(observer);
}

std::optional<QFont> TextStorage::fontOfFirstCharacter(const QTextDocument& document)
{
    if (document.isEmpty())
        return std::nullopt;
    // At the start of a block that holds text the cursor answers the format of the character after it.
    const QTextCursor cursor(const_cast<QTextDocument*>(&document));
    return cursor.charFormat().font().resolve(document.defaultFont());
}

double TextStorage::fontSize(const QFont& font)
{
    return font.pixelSize() > 0 ? double(font.pixelSize()) : font.pointSizeF();
}

Qt::Alignment TextStorage::alignmentOfFirstParagraph(const QTextDocument& document)
{
    return document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

void TextStorage::applyStyle(QTextDocument& document, const TextStyle& style)
{
    QTextBlockFormat paragraph;
    paragraph.setAlignment(style.alignment);
    if (style.lineHeight > 0)
        paragraph.setLineHeight(style.lineHeight, QTextBlockFormat::FixedHeight);

    QTextCharFormat characters;
    characters.setFont(style.font, QTextCharFormat::FontPropertiesAll);
    if (style.color.isValid())
        characters.setForeground(style.color);

    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.setBlockFormat(paragraph);
    cursor.setBlockCharFormat(characters);
    cursor.setCharFormat(characters);
    cursor.endEditBlock();
    // What an editor types into an emptied text looks the same.
    document.setDefaultFont(style.font);
}

void TextStorage::applyContainerInsets(QTextDocument& document)
{
    document.setDocumentMargin(0);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setTopMargin(0);
    frame.setBottomMargin(0);
    frame.setLeftMargin(kLineFragmentPadding);
    frame.setRightMargin(kLineFragmentPadding);
    document.rootFrame()->setFrameFormat(frame);
}
