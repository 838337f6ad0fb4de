#include "model/drawing/Reflection.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace Drawing {

namespace {
// The strength of the reflection where it meets the picture.
constexpr double kReflectionStartAlpha = 0.2;
} // namespace

double clampedReflection(double fraction)
{
    return fraction > 0.0 ? std::min(fraction, 1.0) : 0.0;
}

QImage addReflection(const QImage& picture, double fraction)
{
    if (!(fraction > 0.0 && fraction <= 1.0))
        throw std::invalid_argument("Please use percentage between 0 and 1");
    const QSizeF size = picture.deviceIndependentSize();
    const double w = size.width();
    const double h = size.height();
    const double fullHeight = (fraction + 1.0) * h;
    const int pixelWidth = int(w);
    const int pixelHeight = int(fullHeight);
    if (picture.isNull() || pixelWidth <= 0 || pixelHeight <= 0)
        return {};

    QImage bitmap(pixelWidth, pixelHeight, QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::transparent);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF source(QPointF(), QSizeF(picture.size()));

    // The band below the picture fades out downwards; the mirrored picture takes over its alpha.
    const double bandTop = h;
    const QRectF band(0, bandTop, w, pixelHeight - bandTop);
    QLinearGradient fade(band.topLeft(), band.bottomLeft());
    fade.setColorAt(0, QColor::fromRgbF(1, 1, 1, float(kReflectionStartAlpha)));
    fade.setColorAt(1, Qt::transparent);
    painter.fillRect(band, fade);

    painter.save();
    // The picture's bottom edge meets the top of the band.
    painter.setTransform(QTransform(1, 0, 0, -1, 0, 2 * bandTop));
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.drawImage(QRectF(0, 0, w, h), picture, source);
    painter.restore();

    // The whole height may not fit in whole pixels; the picture is cut at its top then, as the band is.
    painter.drawImage(QRectF(0, pixelHeight - fullHeight, w, h), picture, source);
    return bitmap;
}

} // namespace Drawing
