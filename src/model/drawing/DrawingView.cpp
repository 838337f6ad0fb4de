#include "model/drawing/DrawingView.h"

#include <QPainter>

#include <cmath>

DrawingView::DrawingView(QPainter& painter, bool flipped)
    : ShadowPainter(painter)
    , m_flipped(flipped)
{
    // Graphics are drawn smooth, as the desktop draws them; outlines meant to be crisp are lined up with
    // centerScanRect.
    painter.setRenderHint(QPainter::Antialiasing);
}

QRectF DrawingView::centerScanRect(const QRectF& rect) const
{
    const QTransform toDevice = painter().deviceTransform();
    if (!toDevice.isInvertible() || toDevice.isRotating())
        return rect;
    const QRectF device = toDevice.mapRect(rect);
    const QRectF aligned(QPointF(std::round(device.left()), std::round(device.top())),
                         QPointF(std::round(device.right()), std::round(device.bottom())));
    return toDevice.inverted().mapRect(aligned);
}
