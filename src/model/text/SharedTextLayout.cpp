#include "model/text/SharedTextLayout.h"

#include "model/drawing/ShadowPainter.h"
#include "model/text/TextStorage.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

SharedTextLayout::SharedTextLayout() = default;

SharedTextLayout::~SharedTextLayout() = default;

void SharedTextLayout::setContainerSize(const QSizeF& size)
{
    m_containerSize = size;
    if (m_document) {
        m_document->setTextWidth(size.width());
        placeLines();
    }
}

void SharedTextLayout::attach(const QTextDocument& text)
{
    m_document.reset(text.clone());
    TextStorage::applyContainerInsets(*m_document);
    m_document->setTextWidth(m_containerSize.width());
    placeLines();
}

void SharedTextLayout::detach()
{
    m_document.reset();
    m_placedLines = 0;
    m_usedRect = QRectF();
}

void SharedTextLayout::placeLines()
{
    m_placedLines = 0;
    m_usedRect = QRectF();
    if (m_document->isEmpty())
        return;
    m_document->documentLayout(); // lays the text out
    double widest = 0;
    double bottom = 0;
    // Where the text that does not fit begins; -1 when all of it fits.
    int overflow = -1;
    for (QTextBlock block = m_document->begin(); block.isValid() && overflow < 0; block = block.next()) {
        const QTextLayout* lines = block.layout();
        const QTextBlockFormat format = block.blockFormat();
        const bool fixedHeight = format.lineHeightType() == QTextBlockFormat::FixedHeight;
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const double lineBottom = lines->position().y() + (fixedHeight ? (i + 1) * format.lineHeight()
                                                                           : line.y() + line.height());
            // A line that does not fit whole ends the text in this container.
            if (lineBottom > m_containerSize.height()) {
                overflow = block.position() + line.textStart();
                break;
            }
            bottom = lineBottom;
            widest = std::max(widest, line.naturalTextWidth());
            ++m_placedLines;
        }
    }
    if (m_placedLines == 0)
        return;
    const double width = widest + 2 * TextStorage::kLineFragmentPadding;
    m_usedRect = QRectF(0, 0, std::min(width, m_containerSize.width()), bottom);
    // Only the placed lines are drawn: the rest leaves the copy, which changes none of the lines before it.
    if (overflow > 0) {
        QTextCursor rest(m_document.get());
        rest.setPosition(overflow);
        rest.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        rest.removeSelectedText();
    }
}

void SharedTextLayout::draw(ShadowPainter& painter, const QPointF& origin) const
{
    if (!m_document || !hasGlyphs())
        return;
    // Glyphs may reach past the lines they stand on, by less than a line; nothing is clipped, as only the
    // placed lines are left.
    const QRectF lines = QRectF(QPointF(), m_document->documentLayout()->documentSize()).united(m_usedRect);
    const double reach = lines.height() / m_placedLines;
    painter.draw(lines.translated(origin).adjusted(-reach, -reach, reach, reach), [&](QPainter& p) {
        p.save();
        p.translate(origin);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        m_document->documentLayout()->draw(&p, context);
        p.restore();
    });
}
