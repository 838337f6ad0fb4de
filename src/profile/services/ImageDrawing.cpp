#include "profile/services/ImageDrawing.h"

#include "platform/Bundle.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace DataCentre {

namespace {

constexpr double kRotationMargin = 20.0;

int mainScreenBackingScale()
{
    const bool hasScreens = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    const QScreen* screen = hasScreens ? QGuiApplication::primaryScreen() : nullptr;
    const int scale = screen ? int(screen->devicePixelRatio()) : 1;
    return std::max(scale, 1);
}

// A transparent image of `points` at the pixel ratio `scale`; null when the size is empty or too large.
QImage newCanvas(const QSizeF& points, qreal scale)
{
    constexpr double kLargest = std::numeric_limits<int>::max();
    // A sliver below the next pixel keeps sizes like 100.0000001 from growing a whole pixel.
    const double width = std::ceil(points.width() * scale - 5e-7);
    const double height = std::ceil(points.height() * scale - 5e-7);
    if (!(width >= 1 && height >= 1 && width <= kLargest && height <= kLargest))
        return {};
    QImage canvas(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull())
        return canvas;
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::transparent);
    return canvas;
}

// A rectangle whose y axis grows upward, in the y-down coordinates of an area of the given height.
QRectF fromBottomEdge(const QRectF& rect, double height)
{
    return QRectF(rect.x(), height - rect.y() - rect.height(), rect.width(), rect.height());
}

QRectF inPixels(const QRectF& rect, qreal scale)
{
    return QRectF(rect.topLeft() * scale, rect.size() * scale);
}

void beginCopying(QPainter& painter)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(1.0);
}

QSizeF rotationCanvasSize(const QSizeF& size, float angle)
{
    if (angle == 90.0f || angle == -90.0f || angle == 270.0f || angle == -270.0f)
        return size.transposed();
    if (angle == 180.0f || angle == -180.0f)
        return size;
    const double side = std::max(size.width(), size.height()) + kRotationMargin;
    return QSizeF(side, side);
}

} // namespace

QImage imageWithImage(const QImage& image, const QSizeF& size)
{
    return imageWithImage(image, size, mainScreenBackingScale());
}

QImage imageWithImage(const QImage& image, const QSizeF& size, int backingScale)
{
    const double scale = std::max(backingScale, 1);
    QSizeF target(float(size.width() / scale), float(size.height() / scale));
    if (target.width() == 0 || target.height() == 0) {
        const QSizeF own = image.deviceIndependentSize();
        target = QSizeF(float(own.width()), float(own.height()));
    }
    if (image.isNull())
        return {};

    QImage result = newCanvas(target, scale);
    if (result.isNull())
        return QImage(Bundle::main().pathForResource(QStringLiteral("clearicon"), QStringLiteral("png")));
    QPainter painter(&result);
    beginCopying(painter);
    painter.drawImage(QRectF(QPointF(0, 0), target), image);
    return result;
}

QImage cropImage(const QImage& image, const QRectF& source, const QRectF& destination)
{
    const qreal scale = image.isNull() ? 1.0 : image.devicePixelRatio();
    QImage result = newCanvas(destination.size(), scale);
    if (result.isNull() || image.isNull())
        return result;
    const QRectF from = inPixels(fromBottomEdge(source, image.deviceIndependentSize().height()), scale);
    QPainter painter(&result);
    beginCopying(painter);
    painter.drawImage(fromBottomEdge(destination, destination.height()), image, from);
    return result;
}

QImage rotateImage(const QImage& image, float angle)
{
    const float turn = std::isfinite(angle) ? float(std::fmod(double(angle), 360.0)) : 0.0f;
    const QSizeF size = image.deviceIndependentSize();
    const QSizeF canvasSize = rotationCanvasSize(size, turn);
    QImage result = newCanvas(canvasSize, image.isNull() ? 1.0 : image.devicePixelRatio());
    if (result.isNull() || image.isNull())
        return result;
    QPainter painter(&result);
    beginCopying(painter);
    painter.translate(canvasSize.width() / 2.0, canvasSize.height() / 2.0);
    // The canvas grows downward, so a counter-clockwise turn is a negative rotation here.
    painter.rotate(-turn);
    painter.drawImage(QRectF(QPointF(-size.width() / 2.0, -size.height() / 2.0), size), image);
    return result;
}

QImage& imageTintedWithColor(QImage& image, const QColor& color)
{
    if (!color.isValid() || image.isNull())
        return image;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(QRectF(QPointF(0, 0), image.deviceIndependentSize()), color);
    return image;
}

} // namespace DataCentre
