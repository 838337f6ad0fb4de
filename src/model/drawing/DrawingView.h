#pragma once

#include "model/drawing/ShadowPainter.h"

#include <QRectF>

// The view a graphic draws itself into: the canvas, an off-screen renderer or any paint device. Graphics
// draw through its shadow-aware painter, which the view switches to smooth (antialiased) drawing; the view
// tells whether y grows downward and lines rectangles up with device pixels.
class DrawingView : public ShadowPainter {
public:
    explicit DrawingView(QPainter& painter, bool flipped = true);

    bool isFlipped() const { return m_flipped; }
    // The rectangle with its edges moved to the nearest device pixel boundaries, so thin outlines and
    // small squares stay crisp at every scale.
    QRectF centerScanRect(const QRectF& rect) const;

private:
    bool m_flipped;
};
