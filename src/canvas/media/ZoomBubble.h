#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

// The geometry of a zoom bubble: the part of a picture under a bubble box, drawn three times the box's
// size as a new image.
namespace ZoomBubble {

inline constexpr int kMagnification = 3;

// A picture and the rectangle it is shown in on the canvas.
struct Picture {
    QImage image;
    QRectF rect;
};

// The part of the picture under the box, in the picture's own points with the y axis growing upward from
// its bottom edge; the offsets and sizes on the canvas are cut to whole points before the picture's scale
// on the canvas (its width over the shown width) applies.
QRectF sourceRect(const QRectF& box, const QRectF& shownRect, double pictureWidth);
// The frame of the new image: its own size, or no wider than the limit (600 when the limit is 0) at the
// same proportion, the height cut to whole points.
QSizeF frameSize(const QSizeF& size, int maxImportedImageWidth);

} // namespace ZoomBubble
