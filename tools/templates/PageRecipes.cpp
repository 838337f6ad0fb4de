#include "PageRecipes.h"

#include <QJsonArray>
#include <algorithm>

namespace PageRecipes {

namespace {

// The palette's roles: primary, accent, secondary, light ground and text.
struct Colours {
    QColor primary, accent, secondary, light, text;
};

Colours coloursOf(const QList<QColor>& p)
{
    const auto at = [&](int i) { return p.size() > i ? p.at(i) : QColor(Qt::darkGray); };
    return {at(0), at(1), at(2), at(3), at(4)};
}

struct Texts {
    QString title, subtitle, body, button;
    QStringList items;
    QString picture;
    QString layout;
};

Texts textsOf(const QJsonObject& d)
{
    Texts t{d.value(QStringLiteral("title")).toString(),
            d.value(QStringLiteral("subtitle")).toString(),
            d.value(QStringLiteral("body")).toString(),
            d.value(QStringLiteral("button")).toString(),
            {},
            d.value(QStringLiteral("picture")).toString(),
            d.value(QStringLiteral("layout")).toString()};
    for (const QJsonValue& item : d.value(QStringLiteral("items")).toArray())
        t.items << item.toString();
    return t;
}

Piece text(const QString& words, const QRectF& frame, int size, const QColor& colour,
           const QString& align = QStringLiteral("left"), const QString& font = QStringLiteral("Lato"))
{
    Piece p;
    p.kind = Piece::Text;
    p.text = words;
    p.frame = frame;
    p.size = size;
    p.color = colour;
    p.align = align;
    p.font = font;
    return p;
}

Piece box(const QRectF& frame, const QColor& fill, int radius = 0, const QColor& border = Qt::transparent)
{
    Piece p;
    p.kind = Piece::Box;
    p.frame = frame;
    p.fill = fill;
    p.radius = radius;
    p.border = border;
    return p;
}

Piece oval(const QRectF& frame, const QColor& fill)
{
    Piece p;
    p.kind = Piece::Oval;
    p.frame = frame;
    p.fill = fill;
    return p;
}

Piece line(const QPointF& from, const QPointF& to, const QColor& colour)
{
    Piece p;
    p.kind = Piece::Line;
    p.frame = QRectF(from, to);
    p.color = colour;
    return p;
}

Piece picture(const QRectF& frame, const QString& kind, const QList<QColor>& palette)
{
    Piece p;
    p.kind = Piece::Picture;
    p.frame = frame;
    p.picture = kind;
    p.palette = palette;
    return p;
}

QString item(const Texts& t, int i)
{
    return t.items.value(i);
}

void webHeader(PageDesign& page, const Texts& t, const Colours& c, double w)
{
    page.pieces << box(QRectF(0, 0, w, 80), c.primary);
    page.pieces << text(t.title, QRectF(40, 20, 400, 44), 26, Qt::white, QStringLiteral("left"),
                        QStringLiteral("Cabin"));
    for (int i = 0; i < 3; ++i)
        page.pieces << text(item(t, i), QRectF(w - 430 + 140 * i, 26, 130, 30), 15, Qt::white,
                            QStringLiteral("center"));
}

void webFooter(PageDesign& page, const Texts& t, const Colours& c, double w, double top)
{
    page.pieces << box(QRectF(0, top, w, 80), c.primary);
    page.pieces << text(QStringLiteral("© %1 · %2").arg(t.title, item(t, 2)),
                        QRectF(40, top + 25, w - 80, 30), 13, Qt::white, QStringLiteral("center"));
}

PageDesign web(const Texts& t, const Colours& c, const QList<QColor>& palette)
{
    const double w = 1000;
    PageDesign page;
    webHeader(page, t, c, w);
    if (t.layout == QLatin1String("contact")) {
        page.size = QSizeF(w, 900);
        page.pieces << picture(QRectF(0, 80, w, 180), t.picture, palette);
        page.pieces << text(t.subtitle, QRectF(60, 140, w - 120, 60), 34, Qt::white,
                            QStringLiteral("center"));
        page.pieces << text(t.body, QRectF(60, 290, 380, 200), 16, c.text);
        for (int i = 0; i < 3; ++i) {
            page.pieces << text(item(t, 3 + i), QRectF(500, 290 + 80 * i, 440, 24), 14, c.text);
            page.pieces << box(QRectF(500, 316 + 80 * i, 440, 40), Qt::white, 4, c.secondary);
        }
        page.pieces << box(QRectF(500, 540, 180, 48), c.accent, 8);
        page.pieces << text(t.button, QRectF(500, 551, 180, 30), 16, Qt::white, QStringLiteral("center"));
        page.pieces << oval(QRectF(120, 520, 200, 200), c.light);
        page.pieces << oval(QRectF(170, 570, 100, 100), c.accent);
        webFooter(page, t, c, w, 800);
        return page;
    }
    if (t.layout == QLatin1String("about")) {
        page.size = QSizeF(w, 1000);
        page.pieces << picture(QRectF(520, 120, 420, 320), t.picture, palette);
        page.pieces << text(t.subtitle, QRectF(60, 120, 420, 50), 32, c.primary, QStringLiteral("left"),
                            QStringLiteral("Cabin"));
        page.pieces << text(t.body, QRectF(60, 190, 420, 250), 16, c.text);
        page.pieces << line(QPointF(60, 480), QPointF(w - 60, 480), c.secondary);
        for (int i = 0; i < 3; ++i) {
            page.pieces << oval(QRectF(90 + 300 * i, 520, 90, 90), i == 1 ? c.accent : c.secondary);
            page.pieces << text(item(t, 3 + i), QRectF(60 + 300 * i, 630, 260, 120), 15, c.text);
        }
        webFooter(page, t, c, w, 900);
        return page;
    }
    page.size = QSizeF(w, 1100);
    page.pieces << picture(QRectF(0, 80, w, 380), t.picture, palette);
    page.pieces << text(t.subtitle, QRectF(60, 190, w - 120, 60), 40, Qt::white, QStringLiteral("center"),
                        QStringLiteral("Cabin"));
    page.pieces << box(QRectF(w / 2 - 100, 290, 200, 50), c.accent, 25);
    page.pieces << text(t.button, QRectF(w / 2 - 100, 302, 200, 30), 17, Qt::white, QStringLiteral("center"));
    for (int i = 0; i < 3; ++i) {
        const double x = 60 + 300 * i;
        page.pieces << box(QRectF(x, 500, 270, 260), c.light, 12);
        page.pieces << oval(QRectF(x + 105, 520, 60, 60), i == 1 ? c.accent : c.secondary);
        page.pieces << text(item(t, 3 + i), QRectF(x + 15, 595, 240, 30), 20, c.primary,
                            QStringLiteral("center"));
        page.pieces << text(item(t, 6 + i), QRectF(x + 15, 635, 240, 110), 14, c.text,
                            QStringLiteral("center"));
    }
    page.pieces << text(item(t, 9), QRectF(60, 800, w - 120, 40), 26, c.primary);
    page.pieces << text(t.body, QRectF(60, 850, w - 120, 140), 15, c.text);
    webFooter(page, t, c, w, 1020);
    return page;
}

PageDesign mail(const Texts& t, const Colours& c, const QList<QColor>& palette)
{
    const double w = 600;
    PageDesign page;
    page.size = QSizeF(w, 1000);
    page.background = c.light;
    page.pieces << box(QRectF(0, 0, w, 60), c.primary);
    page.pieces << text(item(t, 0), QRectF(20, 14, w - 40, 32), 22, Qt::white, QStringLiteral("center"),
                        QStringLiteral("Cabin"));
    page.pieces << picture(QRectF(0, 60, w, 260), t.picture, palette);
    page.pieces << box(QRectF(0, 320, w, 560), Qt::white);
    page.pieces << text(t.title, QRectF(30, 345, w - 60, 50), 30, c.primary, QStringLiteral("center"),
                        QStringLiteral("Cabin"));
    page.pieces << text(t.body, QRectF(40, 405, w - 80, 140), 15, c.text, QStringLiteral("center"));
    page.pieces << box(QRectF(w / 2 - 110, 560, 220, 50), c.accent, 25);
    page.pieces << text(t.button, QRectF(w / 2 - 110, 572, 220, 30), 16, Qt::white, QStringLiteral("center"));
    page.pieces << line(QPointF(40, 650), QPointF(w - 40, 650), c.secondary);
    for (int i = 0; i < 2; ++i) {
        page.pieces << oval(QRectF(60 + 260 * i, 680, 44, 44), c.secondary);
        page.pieces << text(item(t, 1 + i), QRectF(115 + 260 * i, 680, 200, 120), 14, c.text);
    }
    page.pieces << text(t.subtitle, QRectF(30, 900, w - 60, 60), 12, c.text, QStringLiteral("center"));
    return page;
}

PageDesign form(const Texts& t, const Colours& c, const QList<QColor>& palette)
{
    const double w = 800;
    PageDesign page;
    page.pieces << box(QRectF(0, 0, w, 120), c.primary);
    page.pieces << oval(QRectF(w - 170, -50, 200, 200), c.accent);
    page.pieces << text(t.title, QRectF(40, 25, w - 220, 44), 30, Qt::white, QStringLiteral("left"),
                        QStringLiteral("Cabin"));
    page.pieces << text(t.subtitle, QRectF(40, 72, w - 220, 30), 15, Qt::white);
    page.pieces << text(t.body, QRectF(60, 145, w - 120, 60), 15, c.text);
    double y = 220;
    for (const QString& label : t.items) {
        page.pieces << text(label, QRectF(60, y, w - 120, 24), 14, c.primary);
        page.pieces << box(QRectF(60, y + 26, w - 120, 40), Qt::white, 4, c.secondary);
        y += 80;
    }
    page.pieces << picture(QRectF(60, y + 10, 120, 120), t.picture, palette);
    page.pieces << box(QRectF(200, y + 10, w - 260, 120), Qt::white, 4, c.secondary);
    page.pieces << box(QRectF(60, y + 160, 200, 48), c.accent, 8);
    page.pieces << text(t.button, QRectF(60, y + 171, 200, 30), 16, Qt::white, QStringLiteral("center"));
    page.size = QSizeF(w, y + 250);
    return page;
}

PageDesign label(const Texts& t, const Colours& c, const QList<QColor>& palette, const QSizeF& size)
{
    PageDesign page;
    page.size = size;
    const double w = size.width();
    const double h = size.height();
    page.pieces << box(QRectF(0, 0, w * 0.05, h), c.primary);
    page.pieces << picture(QRectF(w * 0.08, h * 0.14, h * 0.72, h * 0.72), t.picture, palette);
    const double x = w * 0.08 + h * 0.8;
    const int big = std::max(6, int(h * 0.2));
    page.pieces << text(t.title, QRectF(x, h * 0.08, w - x - 4, h * 0.32), big, c.primary,
                        QStringLiteral("left"), QStringLiteral("Cabin"));
    for (int i = 0; i < t.items.size() && i < 3; ++i)
        page.pieces << text(t.items.at(i), QRectF(x, h * (0.4 + 0.18 * i), w - x - 4, h * 0.2),
                            std::max(5, int(h * 0.11)), c.text);
    return page;
}

PageDesign flyer(const Texts& t, const Colours& c, const QList<QColor>& palette, const QSizeF& size)
{
    PageDesign page;
    page.size = size;
    const double w = size.width();
    const double h = size.height();
    const bool folded = t.layout == QLatin1String("folded");
    // A folded flyer keeps its front on the right half of the sheet.
    const double x0 = folded ? w / 2 : 0;
    const double fw = folded ? w / 2 : w;
    if (folded) {
        page.pieces << box(QRectF(0, 0, w / 2, h), c.light);
        page.pieces << text(t.subtitle, QRectF(30, 40, w / 2 - 60, 40), 20, c.primary,
                            QStringLiteral("center"), QStringLiteral("Cabin"));
        page.pieces << text(t.body, QRectF(30, 100, w / 2 - 60, h * 0.5), 13, c.text);
        page.pieces << line(QPointF(w / 2, 0), QPointF(w / 2, h), c.secondary);
    }
    page.pieces << picture(QRectF(x0, 0, fw, h * 0.45), t.picture, palette);
    page.pieces << box(QRectF(x0, h * 0.45, fw, h * 0.12), c.primary);
    page.pieces << text(t.title, QRectF(x0 + 20, h * 0.465, fw - 40, h * 0.09),
                        int(std::min(fw * 0.07, h * 0.05)), Qt::white, QStringLiteral("center"),
                        QStringLiteral("Cabin"));
    if (!folded)
        page.pieces << text(t.subtitle, QRectF(x0 + 30, h * 0.6, fw - 60, h * 0.06), int(h * 0.028),
                            c.primary, QStringLiteral("center"));
    for (int i = 0; i < t.items.size() && i < 3; ++i) {
        const double y = h * (folded ? 0.62 : 0.68) + i * h * 0.07;
        page.pieces << oval(QRectF(x0 + fw * 0.1, y, h * 0.035, h * 0.035), c.accent);
        page.pieces << text(t.items.at(i), QRectF(x0 + fw * 0.1 + h * 0.05, y - 4, fw * 0.75, h * 0.05),
                            int(h * 0.022), c.text);
    }
    page.pieces << box(QRectF(x0, h * 0.9, fw, h * 0.1), c.secondary);
    page.pieces << text(t.button, QRectF(x0 + 20, h * 0.925, fw - 40, h * 0.05), int(h * 0.022), Qt::white,
                        QStringLiteral("center"));
    return page;
}

// A page to start from: only a title to type over, in a light grey.
PageDesign blank(const QSizeF& size)
{
    PageDesign page;
    page.size = size;
    const double h = std::min(size.height(), 120.0);
    page.pieces << text(QStringLiteral("Title"),
                        QRectF(size.width() * 0.05, h * 0.1, size.width() * 0.9, h * 0.5),
                        std::max(6, int(h * 0.25)), QColor(QStringLiteral("#B0B0B0")));
    return page;
}

} // namespace

PageDesign make(const QJsonObject& design, const QList<QColor>& palette, const QSizeF& pageSize)
{
    const Texts t = textsOf(design);
    const Colours c = coloursOf(palette);
    QSizeF size = pageSize;
    const QJsonArray given = design.value(QStringLiteral("size")).toArray();
    if (given.size() == 2)
        size = QSizeF(given.at(0).toDouble(), given.at(1).toDouble());
    const QString recipe = design.value(QStringLiteral("recipe")).toString();
    if (recipe == QLatin1String("web"))
        return web(t, c, palette);
    if (recipe == QLatin1String("mail"))
        return mail(t, c, palette);
    if (recipe == QLatin1String("form"))
        return form(t, c, palette);
    if (recipe == QLatin1String("label"))
        return label(t, c, palette, size);
    if (recipe == QLatin1String("flyer"))
        return flyer(t, c, palette, size);
    return blank(size);
}

} // namespace PageRecipes
