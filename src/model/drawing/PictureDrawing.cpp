#include "model/drawing/PictureDrawing.h"

#include "model/drawing/DrawingView.h"

#include <QPainter>
#include <QPainterPath>

namespace Drawing {

bool isDrawable(const QImage& picture)
{
    const QSizeF size = picture.deviceIndependentSize();
    return !picture.isNull() && size.width() > 0 && size.height() > 0;
}

void setPictureSize(QImage& picture, const QSizeF& size)
{
    if (!isDrawable(picture) || !(size.width() > 0))
        return;
    picture.setDevicePixelRatio(picture.width() / size.width());
}

void drawPictureUpright(DrawingView& view, const QRectF& target, const QImage& picture)
{
    if (!isDrawable(picture))
        return;
    if (view.isFlipped()) {
        view.drawImage(target, picture);
        return;
    }
    // In a view whose y axis grows upward a picture would stand on its head.
    view.save();
    view.painter().setTransform(QTransform(1, 0, 0, -1, 0, target.top() + target.bottom()), true);
    view.drawImage(target, picture);
    view.restore();
}

QImage pictureWithCoverage(const QImage& picture, const QImage& coverage)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qreal ratio = result.devicePixelRatio();
    result.setDevicePixelRatio(1);
    {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(QRectF(result.rect()), coverage, QRectF(coverage.rect()));
    }
    result.setDevicePixelRatio(ratio);
    return result;
}

QImage coverageOfMask(const QImage& mask, const QSize& pixelSize)
{
    // The mask is drawn over black, so its transparent parts count as black.
    QImage grey(pixelSize, QImage::Format_ARGB32_Premultiplied);
    grey.fill(Qt::black);
    {
        QPainter painter(&grey);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(grey.rect()), mask, QRectF(mask.rect()));
    }
    QImage coverage(pixelSize, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixelSize.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(grey.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(coverage.scanLine(y));
        for (int x = 0; x < pixelSize.width(); ++x)
            out[x] = qRgba(0, 0, 0, qGray(in[x]));
    }
    return coverage;
}

QImage coverageOfPath(const QPainterPath& path, const QSizeF& size, const QSize& pixelSize)
{
    QImage coverage(pixelSize, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    if (size.width() <= 0 || size.height() <= 0)
        return coverage;
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixelSize.width() / size.width(), pixelSize.height() / size.height());
    painter.fillPath(path, Qt::black);
    return coverage;
}

} // namespace Drawing
