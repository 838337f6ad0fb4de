#include "ModelTestSupport.h"
#include "PictureTestSupport.h"

#include "model/ArchivedImage.h"
#include "model/GraphicKinds.h"
#include "model/SKTImage.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/Reflection.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace GraphicProperties;

namespace {

// The dictionary of a picture placed on a page, as the page loader's conversion writes it.
GraphicPropertyDictionary imageDictionary(const QImage& picture, const QRectF& bounds, double reflection = 0)
{
    return {{QStringLiteral("className"), QStringLiteral("SKTImage")},
            {QStringLiteral("bounds"), Format::rect(bounds)},
            {QStringLiteral("reflection"), realText(reflection)},
            {QStringLiteral("opacity"), realText(1)},
            {QStringLiteral("contents"), archivedImage(picture)},
            {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
            {QStringLiteral("imageName"), QStringLiteral("image3")},
            {QStringLiteral("imageType"), QStringLiteral("png")}};
}

std::shared_ptr<SKTImage> loadedImage(const GraphicPropertyDictionary& dictionary)
{
    auto image = std::make_shared<SKTImage>();
    EXPECT_TRUE(image->initWithProperties(dictionary));
    return image;
}

// A picture placed on the canvas at `bounds`, outside any slideshow.
std::shared_ptr<SKTImage> placedImage(const QImage& picture, const QRectF& bounds)
{
    auto image = std::make_shared<SKTImage>();
    image->setSlideShowNumber(-99);
    image->setInputImage(picture);
    image->set_contents(picture);
    image->setBounds(bounds);
    return image;
}

} // namespace

TEST(ReflectionTest, HalfAReflectionMakesA100By80Picture120High)
{
    const QImage reflected = Drawing::addReflection(solidPicture(100, 80, Qt::blue), 0.5);
    EXPECT_EQ(reflected.deviceIndependentSize(), QSizeF(100, 120));
    EXPECT_EQ(Drawing::addReflection(solidPicture(100, 80, Qt::blue), 1.0).size(), QSize(100, 160));
}

TEST(ReflectionTest, FractionsOutsideZeroToOneAreRefusedWithTheirText)
{
    for (const double fraction : {0.0, -0.5, 1.5}) {
        try {
            Drawing::addReflection(solidPicture(10, 10, Qt::blue), fraction);
            ADD_FAILURE() << "no failure for " << fraction;
        } catch (const std::invalid_argument& failure) {
            EXPECT_STREQ(failure.what(), "Please use percentage between 0 and 1");
        }
    }
}

TEST(ReflectionTest, FractionsAreClampedFromNoneToTheFullHeight)
{
    const struct {
        double given;
        double clamped;
    } cases[] = {{0.25, 0.25},
                 {1.0, 1.0},
                 {1.5, 1.0},
                 {0.0, 0.0},
                 {-1.0, 0.0},
                 {std::nan(""), 0.0},
                 {std::numeric_limits<double>::infinity(), 1.0}};
    for (const auto& c : cases)
        EXPECT_EQ(Drawing::clampedReflection(c.given), c.clamped) << c.given;
}

TEST(ReflectionTest, TheBandBelowMirrorsThePictureAndFadesOut)
{
    // Red above green: the row next to the picture mirrors its bottom edge, so it is green.
    const QImage reflected = Drawing::addReflection(splitPicture(10, 20, Qt::red, Qt::green), 1.0);
    ASSERT_EQ(reflected.size(), QSize(10, 40));
    EXPECT_EQ(reflected.pixel(5, 2), qRgb(255, 0, 0));
    EXPECT_EQ(reflected.pixel(5, 18), qRgb(0, 255, 0));
    const QRgb first = qUnpremultiply(reflected.pixel(5, 20));
    EXPECT_NEAR(qAlpha(first), 51, 4) << "a fifth of full strength at the picture";
    EXPECT_EQ(qGreen(first), 255);
    EXPECT_EQ(qRed(first), 0);
    EXPECT_GT(qRed(reflected.pixel(5, 32)), 0) << "the mirrored top half further down is red";
    EXPECT_LT(qAlpha(reflected.pixel(5, 39)), 4) << "nothing left at the bottom";
}

TEST(SKTImageTest, LoadingAReflectedPictureKeepsItsOriginalRectangle)
{
    const auto image =
        loadedImage(imageDictionary(solidPicture(100, 80, Qt::blue), QRectF(10, 20, 100, 120), 0.5));
    EXPECT_EQ(image->_contents().deviceIndependentSize(), QSizeF(100, 120));
    EXPECT_EQ(image->inputImage().size(), QSize(100, 80));
    EXPECT_EQ(image->originalImageRect(), QRectF(10, 20, 100, 80));

    const auto plain = loadedImage(imageDictionary(solidPicture(100, 80, Qt::blue), QRectF(10, 20, 100, 80)));
    EXPECT_EQ(plain->_contents().size(), QSize(100, 80));
    EXPECT_EQ(plain->originalImageRect(), QRectF(10, 20, 100, 80));
}

TEST(SKTImageTest, AReflectionIsKeptBetweenNoneAndTheFullHeight)
{
    // A pasted picture with too large a reflection arrives, reflected by its full height.
    const auto pasted = loadedImage(imageDictionary(solidPicture(10, 10, Qt::blue), QRectF(0, 0, 10, 20), 2));
    EXPECT_EQ(pasted->reflection(), 1.0);
    EXPECT_EQ(pasted->_contents().size(), QSize(10, 20));
    EXPECT_EQ(pasted->originalImageRect(), QRectF(0, 0, 10, 10));
    const auto negative =
        loadedImage(imageDictionary(solidPicture(10, 10, Qt::blue), QRectF(0, 0, 10, 10), -0.5));
    EXPECT_EQ(negative->reflection(), 0.0);
    EXPECT_EQ(negative->_contents().size(), QSize(10, 10));

    const auto placed = loadedImage(imageDictionary(solidPicture(10, 10, Qt::blue), QRectF(0, 0, 10, 10)));
    placed->setReflection(2);
    placed->applyReflection();
    EXPECT_EQ(placed->reflection(), 1.0);
    EXPECT_EQ(placed->_contents().size(), QSize(10, 20));
    EXPECT_EQ(placed->bounds(), QRectF(0, 0, 10, 20));
    placed->setReflection(std::nan(""));
    EXPECT_EQ(placed->reflection(), 0.0);
}

TEST(SKTImageTest, TheDictionaryKeepsTheSourcePictureAndItsImageKeys)
{
    GraphicPropertyDictionary dictionary =
        imageDictionary(solidPicture(100, 80, Qt::blue), QRectF(0, 0, 100, 120), 0.5);
    dictionary.insert(QStringLiteral("flippedHorizontally"), true);
    dictionary.insert(QStringLiteral("focusRect"), QStringLiteral("{{1, 2}, {3, 4}}"));
    dictionary.insert(QStringLiteral("bubbleFlag"), QStringLiteral("1"));
    dictionary.insert(QStringLiteral("retinaFlag"), QStringLiteral("1"));
    const auto image = loadedImage(dictionary);
    EXPECT_TRUE(image->isFlippedHorizontally());
    EXPECT_EQ(image->focusRect(), QRectF(1, 2, 3, 4));
    EXPECT_TRUE(image->retinaFlag());
    EXPECT_EQ(image->bubbleShape(), QStringLiteral(""));

    const GraphicPropertyDictionary written = image->properties();
    EXPECT_EQ(unarchivedImage(written.value(QStringLiteral("contents"))).size(), QSize(100, 80));
    EXPECT_EQ(written.value(QStringLiteral("reflection")), QStringLiteral("0.500000"));
    EXPECT_EQ(written.value(QStringLiteral("flippedHorizontally")), QVariant(true));
    EXPECT_EQ(written.value(QStringLiteral("flippedVertically")), QVariant(false));
    EXPECT_EQ(written.value(QStringLiteral("slideShowNumber")), QStringLiteral("-99"));
    EXPECT_EQ(written.value(QStringLiteral("bubbleFlag")), QStringLiteral("1"));
    EXPECT_EQ(written.value(QStringLiteral("imageName")), QStringLiteral("image3"));
    EXPECT_EQ(written.value(QStringLiteral("imageLastModDate")), QStringLiteral(""));
    EXPECT_EQ(written.value(QStringLiteral("retinaFlag")), QStringLiteral("1"));
    EXPECT_FALSE(written.contains(QStringLiteral("focusRect")));

    // Through the pasteboard and back, the same picture.
    const auto pasted =
        SKTGraphic::graphicsWithPasteboardData(SKTGraphic::pasteboardDataWithGraphics({image}));
    ASSERT_TRUE(pasted && pasted->size() == 1);
    const auto copy = qobject_cast<SKTImage*>(pasted->first().get());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->inputImage().size(), QSize(100, 80));
    EXPECT_EQ(copy->_contents().size(), QSize(100, 120));
}

TEST(SKTImageTest, EntriesOfTheWrongKindAreSkipped)
{
    GraphicPropertyDictionary dictionary = imageDictionary(QImage(), QRectF(0, 0, 10, 10));
    dictionary.insert(QStringLiteral("contents"), QStringLiteral("not a picture"));
    dictionary.insert(QStringLiteral("maskImage"), QByteArray("no picture"));
    dictionary.insert(QStringLiteral("flippedVertically"), QStringLiteral("1"));
    const auto image = loadedImage(dictionary);
    EXPECT_TRUE(image->inputImage().isNull());
    EXPECT_TRUE(image->maskImage().isNull());
    EXPECT_EQ(image->maskFlag(), 0);
    EXPECT_FALSE(image->isFlippedVertically()) << "a flip that is not a number stays off";

    dictionary.insert(QStringLiteral("maskImage"), archivedImage(solidPicture(4, 4, Qt::white)));
    EXPECT_EQ(loadedImage(dictionary)->maskFlag(), 1);
}

TEST(SKTImageTest, TheReflectionGrowsTheHeightAroundTheOriginalPicture)
{
    const auto image = loadedImage(imageDictionary(solidPicture(100, 80, Qt::blue), QRectF(5, 5, 100, 80)));
    image->setReflection(0.25);
    image->applyReflection();
    EXPECT_EQ(image->bounds(), QRectF(5, 5, 100, 100));
    EXPECT_EQ(image->_contents().size(), QSize(100, 100));
    EXPECT_EQ(image->originalImageRect(), QRectF(5, 5, 100, 80)) << "bounds with a reflection leave it alone";

    image->setBounds(QRectF(5, 5, 50, 50));
    image->updateOriginalRect();
    EXPECT_EQ(image->originalImageRect(), QRectF(5, 5, 50, 40));

    image->setReflection(0);
    image->applyReflection();
    EXPECT_EQ(image->_contents().size(), QSize(100, 80));
    image->setBounds(QRectF(1, 1, 30, 30));
    EXPECT_EQ(image->originalImageRect(), QRectF(1, 1, 30, 30));
}

TEST(SKTImageTest, NaturalSizeIsTheDrawnPictureWithoutFlips)
{
    const auto image = placedImage(solidPicture(60, 40, Qt::blue), QRectF(7, 8, 10, 10));
    image->flipHorizontally();
    image->flipVertically();
    EXPECT_TRUE(image->isFlippedHorizontally() && image->isFlippedVertically());
    image->makeNaturalSize();
    EXPECT_EQ(image->bounds(), QRectF(7, 8, 60, 40));
    EXPECT_FALSE(image->isFlippedHorizontally() || image->isFlippedVertically());
}

TEST(SKTImageTest, PlacingAndCopyingAPicture)
{
    SKTImage image;
    image.initWithPosition(QPointF(100, 100), solidPicture(40, 20, Qt::blue));
    EXPECT_EQ(image.bounds(), QRectF(80, 90, 40, 20));

    const auto copy = std::static_pointer_cast<SKTImage>(image.copy());
    EXPECT_EQ(copy->_contents(), image._contents());
    EXPECT_NE(copy->_contents().constBits(), image._contents().constBits()) << "a picture of its own";

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(solidPicture(12, 9, Qt::green).save(path));
    image.setFilePath(dir.path() + QStringLiteral("/./picture.png"));
    EXPECT_EQ(image._contents().size(), QSize(12, 9));
    image.setFilePath(dir.filePath(QStringLiteral("missing.png")));
    EXPECT_TRUE(image._contents().isNull());
}

TEST(SKTImageTest, FlipsAreUndoableAndNamed)
{
    ScopedResources resources;
    SKTImage image;
    EXPECT_TRUE(image.keysForValuesToObserveForUndo().contains(QStringLiteral("flippedHorizontally")));
    EXPECT_TRUE(image.keysForValuesToObserveForUndo().contains(QStringLiteral("bounds")));
    image.setValueForKey(QStringLiteral("flippedVertically"), true);
    EXPECT_TRUE(image.isFlippedVertically());
    EXPECT_EQ(image.valueForKey(QStringLiteral("flippedVertically")), QVariant(true));
    EXPECT_EQ(image.presentablePropertyNameForKey(QStringLiteral("flippedHorizontally")),
              QStringLiteral("Horizontal Flipping"));
    EXPECT_EQ(image.presentablePropertyNameForKey(QStringLiteral("flippedVertically")),
              QStringLiteral("Vertical Flipping"));
    EXPECT_TRUE(image.keyPathsForValuesAffectingDrawingContents().contains(QStringLiteral("reflection")));
    EXPECT_TRUE(std::dynamic_pointer_cast<SKTImage>(GraphicKinds::make(QStringLiteral("SKTImage"))));
}

TEST(SKTImageDrawingTest, ABorderWithStyleNoneBecomesSolid)
{
    const auto image = placedImage(solidPicture(20, 20, Qt::blue), QRectF(10, 10, 20, 20));
    image->setBorderWidth(3);
    image->setBorderStyle(QStringLiteral("none"));
    image->setBorderColor(Qt::red);
    const QImage drawn = drawnOnWhite(*image, 50, 50);
    EXPECT_EQ(image->borderStyle(), QStringLiteral("solid"));
    EXPECT_TRUE(isNear(drawn.pixel(11, 20), Qt::red)) << "the border is stroked";

    const auto thin = placedImage(solidPicture(20, 20, Qt::blue), QRectF(10, 10, 20, 20));
    thin->bezierPathForDrawing();
    EXPECT_EQ(thin->borderStyle(), QStringLiteral("none")) << "no width, no border";
}

TEST(SKTImageDrawingTest, APictureOfASlideshowDrawsNothingOfItsOwn)
{
    const auto image = placedImage(solidPicture(20, 20, Qt::blue), QRectF(10, 10, 20, 20));
    image->setSlideShowNumber(2);
    const QImage drawn = drawnOnWhite(*image, 50, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_TRUE(isWhite(drawn, x, y)) << x << "," << y;

    image->setSlideShowNumber(-99);
    EXPECT_EQ(drawnOnWhite(*image, 50, 50).pixel(20, 20), qRgb(0, 0, 255));
}

TEST(SKTImageDrawingTest, TheReflectionIsDrawnBelowThePicture)
{
    const auto image =
        loadedImage(imageDictionary(splitPicture(20, 20, Qt::red, Qt::green), QRectF(0, 0, 20, 40), 1.0));
    const QImage drawn = drawnOnWhite(*image, 20, 40);
    EXPECT_TRUE(isNear(drawn.pixel(10, 5), Qt::red));
    EXPECT_TRUE(isNear(drawn.pixel(10, 15), Qt::green));
    // Green at a fifth of its strength over white just below the picture, fading to white.
    const QRgb below = drawn.pixel(10, 20);
    EXPECT_NEAR(qRed(below), 204, 8);
    EXPECT_EQ(qGreen(below), 255);
    EXPECT_TRUE(isWhite(drawn, 10, 39) || isNear(drawn.pixel(10, 39), Qt::white, 3));
}

TEST(SKTImageDrawingTest, TheMaskKeepsThePictureWhereItIsWhite)
{
    const auto image = placedImage(solidPicture(20, 20, Qt::red), QRectF(0, 0, 20, 20));
    image->setMaskImage(splitPicture(20, 20, Qt::white, Qt::black, true));
    const QImage drawn = drawnOnWhite(*image, 20, 20);
    EXPECT_EQ(drawn.pixel(4, 10), qRgb(255, 0, 0));
    EXPECT_TRUE(isWhite(drawn, 15, 10));
    EXPECT_EQ(image->maskFlag(), 1);

    image->setMaskImage(QImage());
    EXPECT_EQ(drawnOnWhite(*image, 20, 20).pixel(15, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image->maskFlag(), 0);
}

TEST(SKTImageDrawingTest, ACalloutClipsThePictureAndIgnoresTheMask)
{
    const auto image = placedImage(solidPicture(40, 40, Qt::red), QRectF(0, 0, 40, 40));
    image->setMaskImage(solidPicture(40, 40, Qt::black));
    image->setBubbleFlag(1);
    const QImage drawn = drawnOnWhite(*image, 40, 40);
    EXPECT_EQ(image->bubbleShape(), QStringLiteral("circle"));
    EXPECT_EQ(drawn.pixel(20, 20), qRgb(255, 0, 0)) << "the black mask would hide this";
    EXPECT_TRUE(isWhite(drawn, 2, 2)) << "outside the ellipse";

    image->setBubbleShape(QStringLiteral("square"));
    const QImage square = drawnOnWhite(*image, 40, 40);
    EXPECT_EQ(square.pixel(20, 20), qRgb(255, 0, 0));
}

TEST(SKTImageDrawingTest, FlipsMirrorThePictureInItsBox)
{
    const auto image = placedImage(splitPicture(20, 20, Qt::red, Qt::blue, true), QRectF(0, 0, 20, 20));
    EXPECT_EQ(drawnOnWhite(*image, 20, 20).pixel(3, 10), qRgb(255, 0, 0));
    image->setFlippedHorizontally(true);
    EXPECT_EQ(drawnOnWhite(*image, 20, 20).pixel(3, 10), qRgb(0, 0, 255));
}

TEST(SKTImageDrawingTest, APictureWithoutPixelsIsPassedOver)
{
    const auto image = placedImage(QImage(), QRectF(0, 0, 20, 20));
    const QImage drawn = drawnOnWhite(*image, 20, 20);
    EXPECT_TRUE(isWhite(drawn, 10, 10));
    image->set_contents(QImage(0, 5, QImage::Format_ARGB32));
    EXPECT_TRUE(isWhite(drawnOnWhite(*image, 20, 20), 10, 10));
}
