#include "window/views/CustomSplitView.h"

#include <QPaintEvent>
#include <QPainter>

void CustomSplitView::paintEvent(QPaintEvent* event)
{
    QSplitter::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRectF(event->rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
