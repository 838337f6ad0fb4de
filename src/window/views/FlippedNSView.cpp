#include "window/views/FlippedNSView.h"

#include <QContextMenuEvent>
#include <QPainter>

void FlippedNSView::drawBorder(QPainter& painter, const QRectF& rect) const
{
    if (height() > rect.height())
        return;
    painter.save();
    painter.setPen(QPen(Qt::red, 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect.x() + 2, rect.y() + 2, rect.width() - 3, rect.height() - 3), 10, 10);
    painter.restore();
}

void FlippedNSView::contextMenuEvent(QContextMenuEvent* event)
{
    m_lastTouchPoint = event->pos();
    QWidget::contextMenuEvent(event);
}
