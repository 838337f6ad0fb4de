#include "CanvasTestSupport.h"

#include "canvas/view/DrawingCache.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTText.h"
#include "platform/Format.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

// The largest difference of one colour channel between two pictures of the same size.
int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

using DrawingCacheCanvasTest = CanvasTest;

TEST_F(DrawingCacheCanvasTest, PicturesLookLikeTheGraphicsDrawnInPlace)
{
    const auto dictionary = [](const QRectF& bounds) {
        return GraphicPropertyDictionary{{QStringLiteral("bounds"), Format::rect(bounds)},
                                         {QStringLiteral("opacity"), QStringLiteral("1.0")},
                                         {QStringLiteral("slideShowNumber"), QStringLiteral("-99")}};
    };
    auto text = std::make_shared<SKTText>();
    GraphicPropertyDictionary textProperties = dictionary(QRectF(20.3, 30.6, 150.5, 60.2));
    textProperties.insert(QStringLiteral("textString"), QStringLiteral("Pictures\nof graphics"));
    textProperties.insert(QStringLiteral("fontFamily"), QStringLiteral("Lato"));
    textProperties.insert(QStringLiteral("fontSize"), QStringLiteral("17"));
    textProperties.insert(QStringLiteral("borderStyle"), QStringLiteral("solid"));
    textProperties.insert(QStringLiteral("shadowFlag"), QStringLiteral("1"));
    text->initWithProperties(textProperties);
    text->setFillColor(QColor(250, 230, 180, 200));
    auto image = std::make_shared<SKTImage>();
    image->initWithProperties(dictionary(QRectF(120.7, 80.25, 200.4, 130.9)));
    QImage photo(300, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter photoPainter(&photo);
    QLinearGradient sky(0, 0, 300, 200);
    sky.setColorAt(0, Qt::darkBlue);
    sky.setColorAt(1, Qt::yellow);
    photoPainter.fillRect(photo.rect(), sky);
    photoPainter.end();
    image->set_contents(photo);
    auto line = std::make_shared<SKTLine>();
    GraphicPropertyDictionary lineProperties = dictionary(QRectF(30.5, 150.5, 300.2, 90.1));
    lineProperties.insert(QStringLiteral("borderWidth"), QStringLiteral("3"));
    lineProperties.insert(QStringLiteral("borderStyle"), QStringLiteral("solid"));
    line->initWithProperties(lineProperties);
    line->setBeginPoint(QPointF(30.5, 150.5));
    line->setEndPoint(QPointF(330.7, 240.6));
    document.insertGraphics({text, line, image}, {0, 1, 2});
    // A text box settles its border on its first drawing.
    grabbed();

    for (double scale : {1.0, 0.5, 2.0, 0.37}) {
        view->setCanvasScale(scale);
        QImage inPlace(view->size(), QImage::Format_ARGB32_Premultiplied);
        inPlace.fill(Qt::white);
        QPainter painter(&inPlace);
        painter.setTransform(QTransform::fromScale(scale, scale));
        DrawingView drawing(painter);
        for (qsizetype i = document.graphics().size() - 1; i >= 0; --i) {
            SKTGraphic& graphic = *document.graphics().at(i);
            drawing.save();
            painter.setClipRect(graphic.drawingBounds());
            graphic.drawContentsInView(drawing, false);
            drawing.restore();
        }
        painter.end();

        grabbed();
        const QImage intoPictures = grabbed();
        const QImage fromPictures = grabbed();
        EXPECT_EQ(intoPictures, fromPictures) << "scale " << scale;
        EXPECT_LE(largestDifference(inPlace, fromPictures), 2) << "scale " << scale;
    }
}

TEST_F(DrawingCacheCanvasTest, AGraphicDrawsAgainOnlyAfterItAnnouncesAChange)
{
    const auto shape = addShape(QStringLiteral("shape"), QRectF(20, 20, 60, 60));
    grabbed();
    grabbed();
    drawLog.clear();

    grabbed();
    EXPECT_TRUE(drawLog.isEmpty());
    // Not a key of the drawing, yet it may show.
    shape->setAltText(QStringLiteral("a picture"));
    grabbed();
    EXPECT_EQ(drawLog, QStringList(QStringLiteral("shape")));
}

class DrawingCacheTest : public VelkTest {
protected:
    // Paints the shapes, back to front, onto a canvas picture through the cache.
    void paint(const QList<LoggedShape*>& shapes)
    {
        QPainter painter(&canvas);
        DrawingView view(painter);
        cache.beginPaint();
        for (LoggedShape* shape : shapes)
            cache.drawGraphic(*shape, shape->drawingBounds(), false, view);
    }

    std::unique_ptr<LoggedShape> shape(const QString& name, const QRectF& bounds)
    {
        auto made = std::make_unique<LoggedShape>(name, drawLog);
        made->setBounds(bounds);
        made->setFillColor(Qt::blue);
        return made;
    }

    QImage canvas{400, 300, QImage::Format_ARGB32_Premultiplied};
    QStringList drawLog;
    // Room for four pictures of the 30 x 30 shapes below, each 44 x 44 pixels with its handle margin.
    DrawingCache cache{4 * 44 * 44 * 4 + 100};
};

TEST_F(DrawingCacheTest, KeepsThePicturesOfThisPaintAndGivesUpTheLeastRecentlyDrawn)
{
    std::map<char, std::unique_ptr<LoggedShape>> shapes;
    for (char name : {'a', 'b', 'c', 'd', 'e'})
        shapes[name] = shape(QString(QLatin1Char(name)), QRectF(10 + (name - 'a') * 50, 10, 30, 30));
    const auto paintAndLog = [&](const char* names) {
        drawLog.clear();
        QList<LoggedShape*> painted;
        for (const char* name = names; *name; ++name)
            painted << shapes[*name].get();
        paint(painted);
        return drawLog.join(QString());
    };

    EXPECT_EQ(paintAndLog("abcde"), QStringLiteral("abcde"));
    EXPECT_EQ(cache.bytes(), 0) << "drawn once, drawn in place";
    EXPECT_EQ(paintAndLog("abcde"), QStringLiteral("abcde")) << "drawn again unchanged, drawn into pictures";
    EXPECT_EQ(paintAndLog("abcde"), QStringLiteral("e")) << "no room beside the four drawn in this paint";
    EXPECT_EQ(paintAndLog("bcd"), QString());
    EXPECT_EQ(paintAndLog("e"), QStringLiteral("e"));
    EXPECT_EQ(paintAndLog("bcde"), QString()) << "e took the place of a, the least recently drawn";
    EXPECT_EQ(paintAndLog("a"), QStringLiteral("a"));
    EXPECT_LE(cache.bytes(), cache.budget());
}

TEST_F(DrawingCacheTest, AGraphicThatChangesWhileDrawingIsDrawnAgain)
{
    const auto settling = shape(QStringLiteral("settling"), QRectF(10, 10, 30, 30));
    QObject::connect(settling.get(), &SKTGraphic::valueChanged, [&] { cache.forget(settling.get()); });
    settling->settlingDraws = 1;

    for (int i = 0; i < 4; ++i)
        paint({settling.get()});

    // Settling, settled, into its picture, from its picture.
    EXPECT_EQ(drawLog.size(), 3);
}

TEST_F(DrawingCacheTest, GraphicsTooLargeForTheBudgetAreDrawnInPlace)
{
    const auto large = shape(QStringLiteral("large"), QRectF(10, 10, 200, 200));
    paint({large.get()});
    paint({large.get()});
    EXPECT_EQ(drawLog.size(), 2);
    EXPECT_EQ(cache.bytes(), 0);
    EXPECT_EQ(canvas.pixelColor(100, 100), QColor(Qt::blue));
}

} // namespace
