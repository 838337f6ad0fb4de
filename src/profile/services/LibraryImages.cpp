#include "profile/services/LibraryImages.h"

#include "profile/services/HexColor.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <numeric>

namespace {

using DataCentre::colorWithHexString;
using Painting = std::function<void(QPainter&)>;

constexpr int kSide = 100;

// The few colours the icons are drawn in.
QColor ink()
{
    return colorWithHexString(QStringLiteral("333333"));
}
QColor frame()
{
    return colorWithHexString(QStringLiteral("8A8A8A"));
}
QColor paper()
{
    return Qt::white;
}
QColor accent()
{
    return colorWithHexString(QStringLiteral("2F7FD8"));
}
QColor accentLight()
{
    return colorWithHexString(QStringLiteral("CFE2F8"));
}

struct NamedColour {
    const char* name;
    const char* hex;
};
const NamedColour kMarkupColours[] = {
    {"red", "EE0000"}, {"blue", "1E66D0"}, {"yellow", "F2C200"}, {"black", "000000"}, {"green", "2E9E3E"}};

QPen pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen p(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    return p;
}

// A sheet of paper: a white box with a grey frame.
void sheet(QPainter& p, const QRectF& rect)
{
    p.setPen(pen(frame(), 3));
    p.setBrush(paper());
    p.drawRoundedRect(rect, 6, 6);
}

// Lines of text as grey bars, top to bottom.
void textLines(QPainter& p, const QRectF& area, int lines, const QColor& colour)
{
    p.setPen(pen(colour, 5));
    const double step = area.height() / lines;
    for (int i = 0; i < lines; ++i) {
        const double y = area.top() + step * (i + 0.5);
        const double right = i == lines - 1 ? area.left() + area.width() * 0.6 : area.right();
        p.drawLine(QPointF(area.left(), y), QPointF(right, y));
    }
}

// Columns side by side in the given width proportions.
QList<QRectF> columns(const QRectF& area, const QList<int>& weights, double gap)
{
    const double total = std::accumulate(weights.begin(), weights.end(), 0);
    const double usable = area.width() - gap * (weights.size() - 1);
    QList<QRectF> boxes;
    double x = area.left();
    for (int weight : weights) {
        const double w = usable * weight / total;
        boxes.append(QRectF(x, area.top(), w, area.height()));
        x += w + gap;
    }
    return boxes;
}

Painting section(QList<int> weights)
{
    return [weights](QPainter& p) {
        sheet(p, QRectF(6, 22, 88, 56));
        p.setPen(Qt::NoPen);
        p.setBrush(accentLight());
        for (const QRectF& box : columns(QRectF(14, 30, 72, 40), weights, 5))
            p.drawRect(box);
    };
}

Painting table(QList<int> weights, int rows)
{
    return [weights, rows](QPainter& p) {
        const QRectF area(8, 20, 84, 60);
        p.setPen(pen(ink(), 3));
        p.setBrush(paper());
        const double rowHeight = area.height() / rows;
        for (int row = 0; row < rows; ++row) {
            const QRectF band(area.left(), area.top() + row * rowHeight, area.width(), rowHeight);
            for (const QRectF& cell : columns(band, weights, 0))
                p.drawRect(cell);
        }
    };
}

Painting textBox(const QColor& colour)
{
    return [colour](QPainter& p) {
        p.setPen(pen(colour, 4));
        p.setBrush(paper());
        p.drawRect(QRectF(8, 18, 84, 64));
        textLines(p, QRectF(20, 30, 60, 40), 3, colour);
    };
}

Painting selection(bool elliptical, const QColor& colour)
{
    return [elliptical, colour](QPainter& p) {
        p.setPen(pen(colour, 6, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        const QRectF rect(10, 18, 80, 64);
        elliptical ? p.drawEllipse(rect) : p.drawRect(rect);
    };
}

void centredText(QPainter& p, const QRectF& rect, const QString& text, int pixelSize, const QColor& colour)
{
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(rect, Qt::AlignCenter, text);
}

Painting numberTag(int digit)
{
    return [digit](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink());
        p.drawRoundedRect(QRectF(12, 12, 76, 76), 12, 12);
        centredText(p, QRectF(12, 12, 76, 76), QString::number(digit), 56, paper());
    };
}

void arrowHead(QPainter& p, QPointF tip, double direction)
{
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-direction * 18, -12));
    head.lineTo(tip + QPointF(-direction * 18, 12));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink());
    p.drawPath(head);
}

Painting arrow(double direction)
{
    return [direction](QPainter& p) {
        p.setPen(pen(ink(), 6));
        p.drawLine(QPointF(12, 50), QPointF(88, 50));
        arrowHead(p, QPointF(direction > 0 ? 92 : 8, 50), direction);
    };
}

void list(QPainter& p, bool numbered)
{
    for (int i = 0; i < 3; ++i) {
        const double y = 28 + i * 22;
        if (numbered) {
            centredText(p, QRectF(8, y - 10, 20, 20), QString::number(i + 1), 18, ink());
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(ink());
            p.drawEllipse(QPointF(18, y), 5, 5);
        }
        p.setPen(pen(ink(), 5));
        p.drawLine(QPointF(34, y), QPointF(90, y));
    }
}

void person(QPainter& p, const QPointF& centre, double size, bool filled)
{
    p.setPen(pen(ink(), 5));
    p.setBrush(filled ? QBrush(ink()) : QBrush(Qt::NoBrush));
    p.drawEllipse(centre + QPointF(0, -size * 0.35), size * 0.2, size * 0.2);
    QPainterPath shoulders;
    shoulders.moveTo(centre + QPointF(-size * 0.4, size * 0.45));
    shoulders.cubicTo(centre + QPointF(-size * 0.4, size * 0.0), centre + QPointF(size * 0.4, size * 0.0),
                      centre + QPointF(size * 0.4, size * 0.45));
    p.drawPath(shoulders);
}

void photo(QPainter& p)
{
    sheet(p, QRectF(8, 18, 84, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(colorWithHexString(QStringLiteral("F0B429")));
    p.drawEllipse(QPointF(70, 36), 8, 8);
    QPainterPath hills;
    hills.moveTo(12, 78);
    hills.lineTo(38, 44);
    hills.lineTo(56, 66);
    hills.lineTo(66, 56);
    hills.lineTo(88, 78);
    hills.closeSubpath();
    p.setBrush(colorWithHexString(QStringLiteral("4A9A4A")));
    p.drawPath(hills);
}

void page(QPainter& p)
{
    QPainterPath outline;
    outline.moveTo(22, 8);
    outline.lineTo(64, 8);
    outline.lineTo(80, 24);
    outline.lineTo(80, 92);
    outline.lineTo(22, 92);
    outline.closeSubpath();
    p.setPen(pen(frame(), 3));
    p.setBrush(paper());
    p.drawPath(outline);
}

void clock(QPainter& p)
{
    p.setPen(pen(ink(), 5));
    p.setBrush(paper());
    p.drawEllipse(QPointF(50, 50), 38, 38);
    p.drawLine(QPointF(50, 50), QPointF(50, 24));
    p.drawLine(QPointF(50, 50), QPointF(68, 58));
}

void calendar(QPainter& p)
{
    sheet(p, QRectF(14, 16, 72, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(colorWithHexString(QStringLiteral("EE0000")));
    p.drawRect(QRectF(15.5, 17.5, 69, 16));
    p.setBrush(ink());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            p.drawRect(QRectF(22 + column * 15, 42 + row * 14, 9, 8));
    }
}

void cart(QPainter& p)
{
    p.setPen(pen(ink(), 6));
    p.setBrush(Qt::NoBrush);
    QPainterPath basket;
    basket.moveTo(8, 20);
    basket.lineTo(22, 20);
    basket.lineTo(32, 64);
    basket.lineTo(80, 64);
    basket.lineTo(88, 32);
    basket.lineTo(26, 32);
    p.drawPath(basket);
    p.setBrush(ink());
    p.drawEllipse(QPointF(38, 80), 6, 6);
    p.drawEllipse(QPointF(74, 80), 6, 6);
}

void movie(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink());
    p.drawRoundedRect(QRectF(8, 22, 84, 56), 6, 6);
    p.setBrush(paper());
    for (int i = 0; i < 5; ++i) {
        p.drawRect(QRectF(14 + i * 16, 26, 8, 6));
        p.drawRect(QRectF(14 + i * 16, 68, 8, 6));
    }
    QPainterPath play;
    play.moveTo(42, 38);
    play.lineTo(62, 50);
    play.lineTo(42, 62);
    play.closeSubpath();
    p.drawPath(play);
}

void texture(QPainter& p)
{
    sheet(p, QRectF(8, 8, 84, 84));
    p.save();
    p.setClipRect(QRectF(10, 10, 80, 80));
    p.setPen(pen(accent(), 4));
    for (int i = -80; i < 100; i += 16)
        p.drawLine(QPointF(i, 100), QPointF(i + 100, 0));
    p.restore();
}

void tearOffTabs(QPainter& p)
{
    sheet(p, QRectF(10, 6, 80, 54));
    textLines(p, QRectF(20, 16, 60, 30), 3, frame());
    p.setPen(pen(frame(), 3, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    for (const QRectF& tab : columns(QRectF(10, 62, 80, 32), {1, 1, 1, 1}, 0))
        p.drawRect(tab);
}

void tableOfContents(QPainter& p)
{
    page(p);
    for (int i = 0; i < 4; ++i) {
        const double y = 30 + i * 15;
        p.setPen(pen(ink(), 4));
        p.drawLine(QPointF(30, y), QPointF(52, y));
        p.setPen(pen(ink(), 3, Qt::DotLine));
        p.drawLine(QPointF(56, y), QPointF(64, y));
        centredText(p, QRectF(64, y - 7, 12, 14), QString::number(i + 1), 12, ink());
    }
}

void watermark(QPainter& p)
{
    sheet(p, QRectF(8, 18, 84, 64));
    p.save();
    p.translate(50, 50);
    p.rotate(-30);
    centredText(p, QRectF(-50, -15, 100, 30), QStringLiteral("©"), 40, frame());
    p.restore();
}

void flowerSquare(QPainter& p)
{
    p.fillRect(QRectF(0, 0, kSide, kSide), colorWithHexString(QStringLiteral("8CC8F0")));
    p.fillRect(QRectF(0, 70, kSide, 30), colorWithHexString(QStringLiteral("4A9A4A")));
    p.setPen(pen(colorWithHexString(QStringLiteral("2E7D32")), 5));
    p.drawLine(QPointF(50, 50), QPointF(50, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(colorWithHexString(QStringLiteral("F29CC2")));
    for (int petal = 0; petal < 6; ++petal) {
        p.save();
        p.translate(50, 40);
        p.rotate(petal * 60);
        p.drawEllipse(QPointF(0, -17), 10, 16);
        p.restore();
    }
    p.setBrush(colorWithHexString(QStringLiteral("F0B429")));
    p.drawEllipse(QPointF(50, 40), 10, 10);
}

QHash<QString, Painting> buildPaintings()
{
    QHash<QString, Painting> paintings{
        {"form_checkbox",
         [](QPainter& p) {
             p.setPen(pen(ink(), 6));
             p.setBrush(paper());
             p.drawRoundedRect(QRectF(16, 16, 68, 68), 8, 8);
             p.setPen(pen(colorWithHexString(QStringLiteral("2E9E3E")), 9));
             p.drawPolyline(QList<QPointF>{{30, 50}, {44, 66}, {72, 32}});
         }},
        {"section1", section({1})},
        {"section2", section({1, 1})},
        {"section1_2", section({1, 2})},
        {"section2_1", section({2, 1})},
        {"section3", section({1, 1, 1})},
        {"section4", section({1, 1, 1, 1})},
        {"section1_5", section({1, 5})},
        {"section5_1", section({5, 1})},
        {"textbox_simple", textBox(ink())},
        {"photo_simple", photo},
        {"pdf_icon",
         [](QPainter& p) {
             page(p);
             p.setPen(Qt::NoPen);
             p.setBrush(colorWithHexString(QStringLiteral("EE0000")));
             p.drawRect(QRectF(14, 44, 58, 26));
             centredText(p, QRectF(14, 44, 58, 26), QStringLiteral("PDF"), 20, paper());
         }},
        {"texture", texture},
        {"button",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(accent());
             p.drawRoundedRect(QRectF(8, 30, 84, 40), 12, 12);
             p.setPen(pen(paper(), 5));
             p.drawLine(QPointF(30, 50), QPointF(70, 50));
         }},
        {"bullet_list", [](QPainter& p) { list(p, false); }},
        {"number_list", [](QPainter& p) { list(p, true); }},
        {"person_outline", [](QPainter& p) { person(p, QPointF(50, 50), 80, false); }},
        {"person_contacts",
         [](QPainter& p) {
             person(p, QPointF(34, 56), 56, true);
             person(p, QPointF(66, 46), 64, false);
         }},
        // The badge that links a page to its maker: a seal with the maker's initial.
        {"velk_pro_badge",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(accent());
             p.drawEllipse(QRectF(6, 6, 88, 88));
             p.setPen(pen(paper(), 3));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(14, 14, 72, 72));
             centredText(p, QRectF(14, 16, 72, 46), QStringLiteral("V"), 40, paper());
             centredText(p, QRectF(14, 58, 72, 20), QStringLiteral("PRO"), 15, paper());
         }},
        {"snippet_icon",
         [](QPainter& p) { centredText(p, QRectF(0, 0, kSide, kSide), QStringLiteral("</>"), 40, ink()); }},
        {"page_number",
         [](QPainter& p) {
             page(p);
             centredText(p, QRectF(22, 30, 58, 50), QStringLiteral("#"), 40, ink());
         }},
        {"tab_icon", tearOffTabs},
        {"table_of_contents", tableOfContents},
        {"table_simple", table({1, 1, 1}, 3)},
        {"table_2column", table({1, 1}, 1)},
        {"table_3column", table({1, 1, 1}, 1)},
        {"table_4column", table({1, 1, 1, 1}, 1)},
        {"table_5column", table({1, 1, 1, 1, 1}, 1)},
        {"table_6column", table({1, 1, 1, 1, 1, 1}, 1)},
        {"table_1_2column", table({1, 2}, 1)},
        {"table_1_3column", table({1, 3}, 1)},
        {"table_1_5column", table({1, 5}, 1)},
        {"table_2_3column", table({2, 3}, 1)},
        {"table_2_1column", table({2, 1}, 1)},
        {"table_3_1column", table({3, 1}, 1)},
        {"table_5_1column", table({5, 1}, 1)},
        {"table_3_2column", table({3, 2}, 1)},
        {"watermark", watermark},
        {"timestamp", clock},
        {"calendar", calendar},
        {"blackout",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::black);
             p.drawRect(QRectF(8, 26, 84, 48));
         }},
        {"horizontal_line",
         [](QPainter& p) {
             p.setPen(pen(ink(), 8, Qt::SolidLine));
             p.drawLine(QPointF(8, 50), QPointF(92, 50));
         }},
        {"line_icon",
         [](QPainter& p) {
             p.setPen(pen(ink(), 6));
             p.drawLine(QPointF(14, 86), QPointF(86, 14));
         }},
        {"arrow_backward", arrow(-1)},
        {"arrow_forward", arrow(1)},
        {"movie", movie},
        {"shopping_cart", cart},
        {"flower_square", flowerSquare},
    };
    for (const NamedColour& colour : kMarkupColours) {
        const QColor c = colorWithHexString(QString::fromLatin1(colour.hex));
        const QString name = QString::fromLatin1(colour.name);
        paintings.insert(QStringLiteral("text_box_") + name, textBox(c));
        paintings.insert(QStringLiteral("selection_rectangular_") + name, selection(false, c));
        paintings.insert(QStringLiteral("selection_elliptical_") + name, selection(true, c));
    }
    for (int digit = 1; digit <= 9; ++digit)
        paintings.insert(QStringLiteral("ic_looks_%1").arg(digit), numberTag(digit));
    return paintings;
}

} // namespace

QImage libraryBundleImage(const QString& name)
{
    static const QHash<QString, Painting> paintings = buildPaintings();
    const auto found = paintings.constFind(name);
    if (found == paintings.constEnd())
        return {};
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    (*found)(painter);
    return image;
}
