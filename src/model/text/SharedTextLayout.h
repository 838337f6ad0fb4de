#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <memory>

class QTextDocument;
class ShadowPainter;

// The one layout that measures and draws every text graphic, one text at a time: set the container size,
// attach a text, read its used rectangle or draw it, detach. It lays out a copy of the text, so a document
// that an editor shows keeps its own layout. Main thread only.
class SharedTextLayout {
public:
    // The container of a text laid out without a height limit, and its starting size.
    static constexpr double kUnlimitedExtent = 10000000.0;

    SharedTextLayout();
    ~SharedTextLayout();

    QSizeF containerSize() const { return m_containerSize; }
    void setContainerSize(const QSizeF& size);

    // Lays the text out in the container: lines wrap at its width, and only the lines that fit its height
    // whole are placed, as a text container takes them.
    void attach(const QTextDocument& text);
    void detach();
    bool isAttached() const { return bool(m_document); }

    // Whether any line of the attached text fits the container.
    bool hasGlyphs() const { return m_placedLines > 0; }
    // The area the placed lines take, in container coordinates: from the top to the bottom of the last line
    // placed, and as wide as the widest line with the padding on both sides.
    QRectF usedRect() const { return m_usedRect; }

    // Draws the placed lines with the container's origin at `origin`: backgrounds of the characters first,
    // then the glyphs, casting the painter's current shadow.
    void draw(ShadowPainter& painter, const QPointF& origin) const;

private:
    void placeLines();

    QSizeF m_containerSize{kUnlimitedExtent, kUnlimitedExtent};
    std::unique_ptr<QTextDocument> m_document;
    int m_placedLines = 0;
    QRectF m_usedRect;
};
