#pragma once

#include <QPointF>
#include <QWidget>

class QPainter;

// A plain container of the inspector lists, the object library and the page list, which remembers where it
// was last asked for a context menu: the page list reads that point to find the page clicked.
class FlippedNSView : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // In the view's own coordinates.
    QPointF lastTouchPoint() const { return m_lastTouchPoint; }
    void setLastTouchPoint(const QPointF& point) { m_lastTouchPoint = point; }

    // Strokes the red rounded frame that marks a highlighted row over the rectangle, inset from its
    // right and bottom edges; only when the view is no taller than the rectangle.
    void drawBorder(QPainter& painter, const QRectF& rect) const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPointF m_lastTouchPoint;
};
