#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QTextDocument;

// The look that every character of a text graphic shares.
struct TextStyle {
    // Sized in pixels: a canvas point is a pixel of the page, on the canvas, in the editor and in the code.
    QFont font;
    // Horizontal alignment of every paragraph.
    Qt::Alignment alignment = Qt::AlignLeft;
    // Invalid: the default text colour.
    QColor color;
    // Every line exactly this high, in points; 0 or less lets each line take its natural height.
    double lineHeight = 0;
};

// The characters of a text graphic, held in a QTextDocument with one style over the whole text. The in-place
// editor edits the document itself; measuring and drawing work on a copy (SharedTextLayout), so a document
// open in an editor keeps its layout.
class TextStorage {
public:
    // Glyphs start this far in from either side of their container, and new lines wrap this far before its
    // right edge.
    static constexpr double kLineFragmentPadding = 5.0;

    TextStorage();
    explicit TextStorage(const QString& text);
    ~TextStorage();
    TextStorage(const TextStorage&) = delete;
    TextStorage& operator=(const TextStorage&) = delete;

    QTextDocument& document() const { return *m_document; }
    QString string() const;
    bool isEmpty() const;
    // A new storage with the same characters and formats, without an editing observer.
    std::unique_ptr<TextStorage> copy() const;

    // Replaces all characters; the new ones take the storage's style.
    void setString(const QString& text);
    // Replaces the characters and their formats by those of the document.
    void setFormattedText(const QTextDocument& source);
    // Gives the whole text the style, replacing every character and paragraph format it had.
    void applyStyle(const TextStyle& style);

    // Called after each change of the characters or their formats, by an editor or by the calls above.
    void setEditingObserver(std::function<void()> observer);

    // ---- Readers that work on any text document (text graphics and the text records of table cells)
    // The font of the first character; none for an empty document.
    static std::optional<QFont> fontOfFirstCharacter(const QTextDocument& document);
    // The size of a font in canvas points: its pixel size, or its point size when it is sized in points.
    static double fontSize(const QFont& font);
    // The horizontal alignment of the first paragraph.
    static Qt::Alignment alignmentOfFirstParagraph(const QTextDocument& document);
    static void applyStyle(QTextDocument& document, const TextStyle& style);
    // Lays the document out as the text container does: no space above and below, the line fragment
    // padding on either side.
    static void applyContainerInsets(QTextDocument& document);

private:
    // Declared first so that it outlives the document, whose signals call it.
    std::function<void()> m_editingObserver;
    std::unique_ptr<QTextDocument> m_document;
};
