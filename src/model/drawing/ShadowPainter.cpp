#include "model/drawing/ShadowPainter.h"

#include "model/drawing/GaussianBlur.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>

#include <cmath>

namespace {

// The area a stroke covers in the painter's coordinates. A cosmetic pen is a device pixel or so wide
// whatever the scale, so a small outset covers it.
QRectF strokeBounds(const QPainterPath& path, const QPen& pen)
{
    if (pen.isCosmetic())
        return path.boundingRect().adjusted(-1, -1, 1, 1);
    QPainterPathStroker stroker(pen);
    return stroker.createStroke(path).boundingRect();
}

} // namespace

ShadowPainter::ShadowPainter(QPainter& painter)
    : m_painter(painter)
{}

ShadowPainter::~ShadowPainter() = default;

void ShadowPainter::save()
{
    m_painter.save();
    m_savedShadows.append(m_shadow);
}

void ShadowPainter::restore()
{
    m_painter.restore();
    if (!m_savedShadows.isEmpty())
        m_shadow = m_savedShadows.takeLast();
}

void ShadowPainter::fillPath(const QPainterPath& path, const QBrush& brush)
{
    castShadow(path.boundingRect(), [&](QPainter& p) { p.fillPath(path, brush); });
    m_painter.fillPath(path, brush);
}

void ShadowPainter::strokePath(const QPainterPath& path, const QPen& pen)
{
    castShadow(strokeBounds(path, pen), [&](QPainter& p) { p.strokePath(path, pen); });
    m_painter.strokePath(path, pen);
}

void ShadowPainter::drawImage(const QRectF& target, const QImage& image)
{
    castShadow(target, [&](QPainter& p) { p.drawImage(target, image); });
    m_painter.drawImage(target, image);
}

void ShadowPainter::draw(const QRectF& userBounds, const std::function<void(QPainter&)>& drawing)
{
    castShadow(userBounds, drawing);
    drawing(m_painter);
}

void ShadowPainter::castShadow(const QRectF& userBounds, const std::function<void(QPainter&)>& drawShape)
{
    if (!m_shadow.isVisible() || !m_painter.device())
        return;
    const qreal ratio = m_painter.device()->devicePixelRatioF();
    const QTransform toDevice = m_painter.deviceTransform();
    const double sigma = m_shadow.blurRadius / 2 * ratio;
    const int spread = int(std::ceil(3 * sigma)) + 1;
    const QPoint offset(int(std::lround(m_shadow.offset.x() * ratio)),
                        int(std::lround(-m_shadow.offset.y() * ratio)));

    // Only the part of the shadow that lands on the device is worth drawing.
    const QRect deviceArea(0, 0, int(std::ceil(m_painter.device()->width() * ratio)),
                           int(std::ceil(m_painter.device()->height() * ratio)));
    const QRect shapeArea =
        toDevice.mapRect(userBounds).toAlignedRect().adjusted(-spread, -spread, spread, spread);
    const QRect target = shapeArea.translated(offset) & deviceArea.adjusted(-spread, -spread, spread, spread);
    if (target.isEmpty())
        return;
    const QRect source = target.translated(-offset);

    QImage layer(source.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHints(m_painter.renderHints());
        p.setTransform(toDevice * QTransform::fromTranslate(-source.x(), -source.y()));
        drawShape(p);
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(layer.rect(), m_shadow.color);
    }
    Drawing::gaussianBlur(layer, sigma);
    layer.setDevicePixelRatio(ratio);

    m_painter.save();
    m_painter.resetTransform();
    m_painter.drawImage(QPointF(target.x() / ratio, target.y() / ratio), layer);
    m_painter.restore();
}
