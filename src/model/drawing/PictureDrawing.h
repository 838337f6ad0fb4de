#pragma once

#include <QImage>
#include <QSizeF>

class DrawingView;
class QPainterPath;
class QRectF;

// Pictures as the page objects draw them. A picture's size is in points: its pixels divided by its device
// pixel ratio.
namespace Drawing {

// A picture that has pixels and a size of more than nothing; anything else is passed over in drawing.
bool isDrawable(const QImage& picture);

// Gives the picture the size in points by its pixel ratio, keeping its pixels, as galleries and slideshows
// size the pictures they lay out. Nothing happens for a picture that is not drawable or a size without width.
void setPictureSize(QImage& picture, const QSizeF& size);

// Draws the whole picture into the target upright, whichever way the view's y axis grows.
void drawPictureUpright(DrawingView& view, const QRectF& target, const QImage& picture);

// The picture kept only where the coverage is: the coverage is laid over the picture's whole area (in the
// picture's points) and the picture keeps as much of each pixel as the coverage has alpha there.
QImage pictureWithCoverage(const QImage& picture, const QImage& coverage);
// Coverage from the brightness of a mask picture scaled over the whole area: white keeps, black removes,
// and what the mask leaves transparent removes too.
QImage coverageOfMask(const QImage& mask, const QSize& pixelSize);
// Coverage of a shape given in the points of a picture of `size` points and `pixelSize` pixels.
QImage coverageOfPath(const QPainterPath& path, const QSizeF& size, const QSize& pixelSize);

} // namespace Drawing
