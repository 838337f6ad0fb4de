#include "inspector/format/FormatIcons.h"

#include "profile/services/LibraryImages.h"
#include "profile/services/HexColor.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

using Painting = std::function<void(QPainter&)>;
constexpr int kSide = 100;

QColor ink()
{
    return DataCentre::colorWithHexString(QStringLiteral("333333"));
}

QColor accent()
{
    return DataCentre::colorWithHexString(QStringLiteral("2F7FD8"));
}

QPen pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
}

void lines(QPainter& p, const QList<QLineF>& segments, double width = 8)
{
    p.setPen(pen(ink(), width));
    for (const QLineF& segment : segments)
        p.drawLine(segment);
}

QHash<QString, Painting> buildPaintings()
{
    return {
        {"width_x_height",
         [](QPainter& p) {
             p.setPen(pen(ink(), 6));
             p.drawRect(QRectF(22, 22, 56, 56));
             lines(p, {{10, 92, 90, 92}, {92, 10, 92, 90}}, 4);
         }},
        {"rotate",
         [](QPainter& p) {
             p.setPen(pen(ink(), 8));
             p.drawArc(QRectF(18, 18, 64, 64), 30 * 16, 300 * 16);
             p.setBrush(ink());
             p.drawPolygon(QPolygonF({{70, 8}, {90, 30}, {62, 34}}));
         }},
        {"mask",
         [](QPainter& p) {
             p.setPen(pen(ink(), 6));
             p.setBrush(accent());
             p.drawEllipse(QRectF(20, 20, 60, 60));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(10, 10, 80, 80));
         }},
        {"scroll_lock",
         [](QPainter& p) {
             p.setPen(pen(ink(), 8));
             p.drawArc(QRectF(30, 10, 40, 44), 0, 180 * 16);
             lines(p, {{30, 32, 30, 44}, {70, 32, 70, 44}});
             p.setBrush(ink());
             p.drawRoundedRect(QRectF(20, 44, 60, 46), 6, 6);
         }},
        {"font_style",
         [](QPainter& p) {
             lines(p, {{20, 88, 50, 12}, {50, 12, 80, 88}, {32, 60, 68, 60}}, 10);
         }},
        {"alignment_left",
         [](QPainter& p) {
             lines(p, {{12, 20, 88, 20}, {12, 40, 62, 40}, {12, 60, 88, 60}, {12, 80, 62, 80}});
         }},
        {"color_paint",
         [](QPainter& p) {
             const char* colours[] = {"E53935", "FDD835", "43A047", "1E88E5"};
             for (int i = 0; i < 4; ++i) {
                 p.setPen(Qt::NoPen);
                 p.setBrush(DataCentre::colorWithHexString(QString::fromLatin1(colours[i])));
                 p.drawEllipse(QRectF(12 + (i % 2) * 40, 12 + (i / 2) * 40, 36, 36));
             }
         }},
        {"border_icon",
         [](QPainter& p) {
             p.setPen(pen(ink(), 12, Qt::DashLine));
             p.drawRect(QRectF(16, 16, 68, 68));
         }},
        {"lineSpacing",
         [](QPainter& p) {
             lines(p, {{34, 20, 90, 20}, {34, 50, 90, 50}, {34, 80, 90, 80}});
             lines(p, {{14, 14, 14, 86}, {6, 24, 14, 14}, {22, 24, 14, 14}, {6, 76, 14, 86}, {22, 76, 14, 86}},
                   4);
         }},
        {"corner_radius",
         [](QPainter& p) {
             p.setPen(pen(ink(), 8));
             QPainterPath corner;
             corner.moveTo(16, 90);
             corner.lineTo(16, 50);
             corner.quadTo(16, 16, 50, 16);
             corner.lineTo(90, 16);
             p.drawPath(corner);
         }},
        {"opacity_icon",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             for (int i = 0; i < 4; ++i) {
                 QColor c = ink();
                 c.setAlphaF(0.25 * (i + 1));
                 p.setBrush(c);
                 p.drawRect(QRectF(10 + i * 20, 20, 20, 60));
             }
         }},
        {"reflection",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(ink());
             p.drawPolygon(QPolygonF({{20, 50}, {50, 10}, {80, 50}}));
             QColor faded = ink();
             faded.setAlphaF(0.3);
             p.setBrush(faded);
             p.drawPolygon(QPolygonF({{20, 56}, {50, 90}, {80, 56}}));
         }},
        {"shadows",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0, 0, 0, 80));
             p.drawRect(QRectF(28, 28, 60, 60));
             p.setPen(pen(ink(), 6));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(14, 14, 60, 60));
         }},
        {"link_icon",
         [](QPainter& p) {
             p.setPen(pen(ink(), 8));
             p.drawRoundedRect(QRectF(8, 36, 50, 28), 14, 14);
             p.drawRoundedRect(QRectF(42, 36, 50, 28), 14, 14);
         }},
        {"photo_icon", [](QPainter& p) { p.drawImage(QRect(0, 0, kSide, kSide), libraryBundleImage("photo_simple")); }},
        {"shape_simple",
         [](QPainter& p) {
             p.setPen(pen(ink(), 6));
             p.setBrush(accent());
             p.drawPolygon(QPolygonF({{50, 8}, {92, 88}, {8, 88}}));
         }},
        {"gallery",
         [](QPainter& p) {
             p.setPen(pen(ink(), 5));
             for (int i = 0; i < 4; ++i)
                 p.drawRect(QRectF(10 + (i % 2) * 44, 10 + (i / 2) * 44, 36, 36));
         }},
    };
}

} // namespace

QImage formatBundleImage(const QString& name)
{
    static const QHash<QString, Painting> paintings = buildPaintings();
    const auto found = paintings.constFind(name);
    if (found == paintings.constEnd())
        return libraryBundleImage(name);
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    (*found)(painter);
    return image;
}
