// Times the canvas redrawing a page of mixed graphics (text boxes, photos, shapes, lines) offscreen, at
// canvas scale 1 and 0.5: a full redraw of the canvas, and the redraw after one graphic moved. The canvas
// always shows width x height pixels; at scale 0.5 the page is twice as wide and high, so the whole page
// is drawn either way.
//
// Usage: CanvasRedrawBench [graphics=1000] [width=1920] [height=1080] [runs=30]
// Prints, per scale, the time of the first redraw, the minimum and median time of each later redraw,
// redraws per second from the median, and how many one-graphic redraws one full redraw costs.
#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "platform/Format.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

namespace {

// Distinct photos on the page; images beyond share them, as pictures placed twice do.
constexpr int kPhotos = 16;

struct Arguments {
    int graphics = 1000;
    int width = 1920;
    int height = 1080;
    int runs = 30;
};

Arguments parse(int argc, char** argv)
{
    Arguments arguments;
    int* const fields[] = {&arguments.graphics, &arguments.width, &arguments.height, &arguments.runs};
    for (int i = 1; i < argc && i <= 4; ++i)
        *fields[i - 1] = std::max(1, std::atoi(argv[i]));
    return arguments;
}

// A landscape photo as a camera scaled to the page's import width would give: sky, sun, hills, and the
// grain of a sensor.
QImage photo(int seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> hue(0, 359);
    QImage picture(600, 450, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor::fromHsv(hue(random) % 60 + 190, 160, 230));
    sky.setColorAt(1, QColor::fromHsv(30, 60, 250));
    painter.fillRect(picture.rect(), sky);
    QRadialGradient sun(420, 110, 60);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(1, QColor(255, 220, 150, 0));
    painter.fillRect(picture.rect(), sun);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        hill.moveTo(0, 450);
        for (int x = 0; x <= 600; x += 20)
            hill.lineTo(x, 250 + layer * 60 + 40 * std::sin(x / (70.0 + layer * 30) + seed + layer));
        hill.lineTo(600, 450);
        painter.fillPath(hill, QColor::fromHsv(hue(random) % 80 + 70, 140 + layer * 30, 170 - layer * 40));
    }
    painter.end();
    std::normal_distribution<double> grain(0, 6);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int noise = int(grain(random));
            line[x] =
                qRgb(std::clamp(qRed(line[x]) + noise, 0, 255), std::clamp(qGreen(line[x]) + noise, 0, 255),
                     std::clamp(qBlue(line[x]) + noise, 0, 255));
        }
    }
    return picture;
}

QString hex(std::mt19937& random)
{
    return QStringLiteral("%1").arg(random() & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

// Four kinds in turn by the graphic's number: text boxes take two in five, the others one each.
std::shared_ptr<SKTGraphic> makeGraphic(int number, const QRectF& bounds, std::mt19937& random,
                                        const QList<QImage>& photos)
{
    GraphicPropertyDictionary properties{{QStringLiteral("bounds"), Format::rect(bounds)},
                                         {QStringLiteral("opacity"), QStringLiteral("1.0")},
                                         {QStringLiteral("slideShowNumber"), QStringLiteral("-99")}};
    switch (number % 5) {
    case 0:
    case 1: {
        properties.insert(QStringLiteral("textString"),
                          QStringLiteral("Text box %1\nwith a second line of words").arg(number));
        properties.insert(QStringLiteral("fontFamily"), QStringLiteral("Lato"));
        properties.insert(QStringLiteral("fontSize"), QStringLiteral("14"));
        properties.insert(QStringLiteral("fontColor"), hex(random));
        auto text = std::make_shared<SKTText>();
        text->initWithProperties(properties);
        if (number % 2)
            text->setFillColor(QColor::fromRgb(random() | 0xFF000000));
        return text;
    }
    case 2: {
        properties.insert(QStringLiteral("imageName"), QStringLiteral("image%1").arg(number));
        properties.insert(QStringLiteral("imageType"), QStringLiteral("JPG"));
        auto image = std::make_shared<SKTImage>();
        image->initWithProperties(properties);
        image->set_contents(photos.at(number % photos.size()));
        return image;
    }
    case 3: {
        properties.insert(QStringLiteral("cornerRadius"), QString::number(random() % 30));
        properties.insert(QStringLiteral("borderStyle"), QStringLiteral("solid"));
        properties.insert(QStringLiteral("borderWidth"), QStringLiteral("2"));
        if (number % 4 == 3)
            properties.insert(QStringLiteral("bubbleShape"), QStringLiteral("circle"));
        auto shape = std::make_shared<SKTText>();
        shape->initWithProperties(properties);
        shape->setFillColor(QColor::fromRgb(random() | 0xFF000000));
        return shape;
    }
    default: {
        properties.insert(QStringLiteral("borderWidth"), QString::number(1 + random() % 4));
        properties.insert(QStringLiteral("borderHexColorString"), hex(random));
        properties.insert(QStringLiteral("borderStyle"), QStringLiteral("solid"));
        auto line = std::make_shared<SKTLine>();
        line->initWithProperties(properties);
        line->setBeginPoint(bounds.topLeft());
        line->setEndPoint(bounds.bottomRight());
        return line;
    }
    }
}

void fill(SKTDocument& document, const Arguments& arguments, const QSizeF& page)
{
    std::mt19937 random(24);
    QList<QImage> photos;
    for (int i = 0; i < kPhotos; ++i)
        photos << photo(i);
    std::uniform_real_distribution<double> width(60, 220), height(30, 160);
    GraphicList graphics;
    IndexSet indexes;
    for (int i = 0; i < arguments.graphics; ++i) {
        const QSizeF size(width(random), height(random));
        std::uniform_real_distribution<double> x(0, page.width() - size.width()),
            y(0, page.height() - size.height());
        graphics << makeGraphic(i, QRectF(QPointF(x(random), y(random)), size), random, photos);
        indexes.insert(i);
    }
    document.insertGraphics(graphics, indexes);
}

// Counts the canvas's paints, so every timed redraw is known to have painted.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct Timing {
    double min, median;
};

Timing timed(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(millisecondsOf(work));
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

bool benchmarkScale(const Arguments& arguments, double scale)
{
    const QSizeF page(arguments.width / scale, arguments.height / scale);
    SKTDocument document;
    fill(document, arguments, page);
    SKTGraphicView canvas;
    canvas.setCanvasSize(page);
    canvas.setCanvasScale(scale);
    canvas.show();
    QApplication::processEvents();
    PaintCounter counter;
    canvas.installEventFilter(&counter);
    canvas.bindGraphics(&document);
    // The first redraw draws every graphic; later ones copy the pictures of those that did not change.
    const double first = millisecondsOf([&] { canvas.repaint(); });

    const int paintsBefore = counter.paints;
    const Timing full = timed(arguments.runs, [&] { canvas.repaint(); });
    const int fullPaints = counter.paints - paintsBefore;
    // A text box in the middle of the page moves one point to the right and back, as a nudge does.
    const std::shared_ptr<SKTGraphic> moved = document.graphics().at(document.graphics().size() / 2);
    double step = 1;
    const Timing one = timed(arguments.runs, [&] {
        moved->setBounds(moved->bounds().translated(step, 0));
        step = -step;
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    });
    const int onePaints = counter.paints - paintsBefore - fullPaints;

    std::printf(
        "scale %.1f: first redraw %.1f ms; full redraw min %.2f ms, median %.2f ms (%.0f per second); "
        "one graphic min %.3f ms, median %.3f ms (%.0f per second); a full redraw costs %.1f "
        "one-graphic redraws\n",
        scale, first, full.min, full.median, 1000 / full.median, one.min, one.median, 1000 / one.median,
        full.median / one.median);
    if (fullPaints < arguments.runs || onePaints < arguments.runs) {
        std::fprintf(stderr, "the canvas painted %d and %d times for %d runs each\n", fullPaints, onePaints,
                     arguments.runs);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const Arguments arguments = parse(argc, argv);
    std::printf(
        "CanvasRedrawBench: %d graphics (text boxes, photos, shapes, lines), %d x %d pixels, %d runs\n",
        arguments.graphics, arguments.width, arguments.height, arguments.runs);
    bool painted = true;
    for (double scale : {1.0, 0.5})
        painted = benchmarkScale(arguments, scale) && painted;
    return painted ? 0 : 1;
}
