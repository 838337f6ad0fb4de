#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Pictures {

namespace {

QColor at(const QList<QColor>& palette, int index)
{
    return palette.isEmpty() ? QColor(Qt::gray) : palette.at(index % palette.size());
}

void landscape(QPainter& p, const QSizeF& s, const QList<QColor>& c)
{
    QLinearGradient sky(0, 0, 0, s.height());
    sky.setColorAt(0, at(c, 0).lighter(160));
    sky.setColorAt(1, at(c, 1).lighter(130));
    p.fillRect(QRectF(QPointF(0, 0), s), sky);
    p.setBrush(QColor(255, 236, 170));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(s.width() * 0.75, s.height() * 0.3), s.height() * 0.14, s.height() * 0.14);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hills;
        const double base = s.height() * (0.55 + 0.15 * layer);
        hills.moveTo(0, s.height());
        hills.lineTo(0, base);
        for (int i = 0; i <= 6; ++i) {
            const double x = s.width() * i / 6.0;
            const double y = base - ((i + layer) % 2 ? s.height() * 0.12 : 0);
            hills.quadTo(x - s.width() / 12.0, y - s.height() * 0.08, x, y);
        }
        hills.lineTo(s.width(), s.height());
        hills.closeSubpath();
        p.setBrush(at(c, 2 + layer).darker(100 + 25 * layer));
        p.drawPath(hills);
    }
}

void bubbles(QPainter& p, const QSizeF& s, const QList<QColor>& c)
{
    QLinearGradient ground(0, 0, s.width(), s.height());
    ground.setColorAt(0, at(c, 0));
    ground.setColorAt(1, at(c, 1));
    p.fillRect(QRectF(QPointF(0, 0), s), ground);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        QColor fill = at(c, 2 + i);
        fill.setAlpha(110);
        p.setBrush(fill);
        const double r = s.height() * (0.08 + 0.05 * ((i * 7) % 5));
        p.drawEllipse(QPointF(s.width() * ((i * 37) % 100) / 100.0, s.height() * ((i * 53) % 100) / 100.0), r,
                      r);
    }
}

void stripes(QPainter& p, const QSizeF& s, const QList<QColor>& c)
{
    p.fillRect(QRectF(QPointF(0, 0), s), at(c, 0));
    p.setPen(Qt::NoPen);
    const double band = std::max(s.width(), s.height()) / 8.0;
    for (int i = -8; i < 16; ++i) {
        p.setBrush(at(c, 1 + (i + 8) % 3));
        QPainterPath path;
        path.moveTo(i * band, 0);
        path.lineTo(i * band + band / 2, 0);
        path.lineTo(i * band + band / 2 + s.height(), s.height());
        path.lineTo(i * band + s.height(), s.height());
        path.closeSubpath();
        p.drawPath(path);
    }
}

void gift(QPainter& p, const QSizeF& s, const QList<QColor>& c)
{
    QRadialGradient glow(QPointF(s.width() / 2, s.height() / 2), std::max(s.width(), s.height()) / 1.5);
    glow.setColorAt(0, at(c, 0).lighter(150));
    glow.setColorAt(1, at(c, 0));
    p.fillRect(QRectF(QPointF(0, 0), s), glow);
    const QRectF box(s.width() * 0.3, s.height() * 0.38, s.width() * 0.4, s.height() * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(at(c, 1));
    p.drawRoundedRect(box, 6, 6);
    p.setBrush(at(c, 1).darker(120));
    p.drawRect(QRectF(box.left() - 8, box.top() - s.height() * 0.1, box.width() + 16, s.height() * 0.12));
    p.setBrush(at(c, 2));
    p.drawRect(QRectF(box.center().x() - s.width() * 0.03, box.top() - s.height() * 0.1, s.width() * 0.06,
                      box.height() + s.height() * 0.1));
    p.drawEllipse(QPointF(box.center().x() - s.width() * 0.06, box.top() - s.height() * 0.14),
                  s.width() * 0.06, s.height() * 0.05);
    p.drawEllipse(QPointF(box.center().x() + s.width() * 0.06, box.top() - s.height() * 0.14),
                  s.width() * 0.06, s.height() * 0.05);
}

void leaf(QPainter& p, const QSizeF& s, const QList<QColor>& c)
{
    p.fillRect(QRectF(QPointF(0, 0), s), at(c, 0));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(s.width() * (0.3 + 0.2 * i), s.height() * 0.55);
        p.rotate(-30 + 30 * i);
        QPainterPath shape;
        const double h = s.height() * 0.35;
        shape.moveTo(0, h);
        shape.cubicTo(h * 0.8, h * 0.3, h * 0.5, -h * 0.8, 0, -h);
        shape.cubicTo(-h * 0.5, -h * 0.8, -h * 0.8, h * 0.3, 0, h);
        p.setBrush(at(c, 1 + i));
        p.drawPath(shape);
        p.setPen(QPen(at(c, 0), 3));
        p.drawLine(QPointF(0, h), QPointF(0, -h * 0.8));
        p.setPen(Qt::NoPen);
        p.restore();
    }
}

void skyline(QPainter& p, const QSizeF& s, const QList<QColor>& c)
{
    QLinearGradient dusk(0, 0, 0, s.height());
    dusk.setColorAt(0, at(c, 0));
    dusk.setColorAt(1, at(c, 1));
    p.fillRect(QRectF(QPointF(0, 0), s), dusk);
    p.setPen(Qt::NoPen);
    const int count = 12;
    const double w = s.width() / count;
    for (int i = 0; i < count; ++i) {
        const double h = s.height() * (0.25 + 0.05 * ((i * 5) % 9));
        const QRectF building(i * w + 2, s.height() - h, w - 4, h);
        p.setBrush(at(c, 2).darker(140 + 10 * (i % 3)));
        p.drawRect(building);
        p.setBrush(QColor(255, 230, 150));
        for (double y = building.top() + 8; y < s.height() - 10; y += 18) {
            for (double x = building.left() + 5; x < building.right() - 8; x += 12) {
                if ((int(x + y + i) / 7) % 3 == 0)
                    p.drawRect(QRectF(x, y, 5, 8));
            }
        }
    }
}

} // namespace

QImage draw(const QString& kind, const QSize& size, const QList<QColor>& palette)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF s(size);
    if (kind == QLatin1String("bubbles"))
        bubbles(painter, s, palette);
    else if (kind == QLatin1String("stripes"))
        stripes(painter, s, palette);
    else if (kind == QLatin1String("gift"))
        gift(painter, s, palette);
    else if (kind == QLatin1String("leaf"))
        leaf(painter, s, palette);
    else if (kind == QLatin1String("skyline"))
        skyline(painter, s, palette);
    else
        landscape(painter, s, palette);
    return image;
}

} // namespace Pictures
