#include "profile/ShapeSelectionView.h"

#include <QPainter>
#include <QPen>

namespace {

const QColor kShadowColor(0, 0, 0, 110);
// The drop shadow falls two points below the outline.
constexpr QPointF kShadowOffset(0, 2);

} // namespace

std::optional<ShapeSelectionView::Dashes> ShapeSelectionView::dashesForBorderStyle(const QString& style)
{
    if (style == u"solid")
        return Dashes{};
    if (style == u"dashed")
        return Dashes{{5, 5}, 5};
    if (style == u"dotted")
        return Dashes{{3, 1}, 3};
    return std::nullopt;
}

std::optional<QPen> ShapeSelectionView::borderPen() const
{
    const std::optional<Dashes> dashes = dashesForBorderStyle(m_borderStyle);
    if (!dashes)
        return std::nullopt;
    QPen pen(m_borderColor, m_borderWidth);
    if (!dashes->pattern.isEmpty()) {
        // The pen counts dashes in widths of its line; a hairline counts them in points.
        const qreal unit = m_borderWidth > 0 ? m_borderWidth : 1;
        QList<qreal> pattern;
        for (const qreal length : dashes->pattern)
            pattern << length / unit;
        pen.setDashPattern(pattern);
        pen.setDashOffset(dashes->phase / unit);
    }
    return pen;
}

QPainterPath ShapeSelectionView::bezierPathForDrawing(QPainter& painter) const
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), m_frame.size()), m_cornerRadius, m_cornerRadius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_shadowFlag)
        painter.fillPath(path.translated(kShadowOffset), kShadowColor);
    if (const std::optional<QPen> pen = borderPen())
        painter.strokePath(path, *pen);
    if (m_isDrawingFill) {
        QColor fill = m_fillColor;
        // A clear fill stays clear whatever the opacity.
        fill.setAlphaF(fill.alphaF() * m_opacity);
        painter.fillPath(path, fill);
    }
    painter.restore();
    return path;
}
