#pragma once

class QImage;

namespace Drawing {

// Blurs a premultiplied ARGB image in place with three box passes each way, which come close to a
// Gaussian of the given standard deviation in pixels. Nothing happens for a deviation below half a pixel.
void gaussianBlur(QImage& image, double sigma);

} // namespace Drawing
