#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>

// Redrawing, cropping, rotating and tinting images.
//
// An image's size in points is its device-independent size: its pixels divided by its device pixel
// ratio (a 200 x 200 pixel image with ratio 2 is 100 x 100 points). New images are transparent ARGB
// bitmaps whose pixel size is the point size times their ratio, rounded up to whole pixels. Rectangles
// inside an image are in points with the y axis growing upward from the image's bottom edge, and
// positive rotation angles turn counter-clockwise as seen.
namespace DataCentre {

// A new image of `size` points divided by the main screen's backing scale (a whole number, 1 without a
// screen), with the image scaled into it smoothly; its pixel ratio is that scale, so on a double-density
// screen the result has `size` in pixels. When either side of the target is 0 the image's own size is
// used. A null image gives a null result; when the new image cannot be made, the result is the
// "clearicon.png" resource. The given image is left as it is.
QImage imageWithImage(const QImage& image, const QSizeF& size);
// The same with the backing scale given instead of read from the screen.
QImage imageWithImage(const QImage& image, const QSizeF& size, int backingScale);

// A new image of the destination's size (at the image's pixel ratio) holding the part of the image
// inside `source`, scaled into `destination`. Callers pass a destination at origin (0, 0).
QImage cropImage(const QImage& image, const QRectF& source, const QRectF& destination);

// A new image with the image turned by `angle` degrees about its centre, which lands on the new image's
// centre. The angle counts modulo 360; quarter turns swap width and height, half turns keep them, and
// every other angle (0 among them) gets a square whose side is the longer side plus 20 points.
QImage rotateImage(const QImage& image, float angle);

// Covers the opaque parts of the image with the colour in place, keeping its transparency, and returns
// the same image. An invalid colour (no colour) leaves the image untouched.
QImage& imageTintedWithColor(QImage& image, const QColor& color);

} // namespace DataCentre
