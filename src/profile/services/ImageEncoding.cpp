#include "profile/services/ImageEncoding.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>

namespace DataCentre {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kMetersPerInch = 0.0254;
constexpr int kDefaultQuality = -1;

int dotsPerMeter(int pixels, double points)
{
    return qRound(kPointsPerInch * pixels / points / kMetersPerInch);
}

QByteArray encode(const QImage& image, const char* format, int quality)
{
    if (image.isNull())
        return {};
    // A shallow copy: only the resolution is detached, the pixels stay shared.
    QImage bitmap = image;
    const QSizeF points = image.deviceIndependentSize();
    bitmap.setDotsPerMeterX(dotsPerMeter(image.width(), points.width()));
    bitmap.setDotsPerMeterY(dotsPerMeter(image.height(), points.height()));

    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(bitmap))
        return {};
    return data;
}

} // namespace

QByteArray PNGRepresentationOfImage(const QImage& image)
{
    return encode(image, "png", kDefaultQuality);
}

QByteArray JPEGRepresentationOfImage(const QImage& image, float compressionFactor)
{
    const float factor = compressionFactor == 0.0f ? 1.0f : compressionFactor;
    const int quality = factor < 1.0f ? std::max(0, qRound(factor * 100.0f)) : kDefaultQuality;
    return encode(image, "jpeg", quality);
}

} // namespace DataCentre
