#include "profile/services/ImageDrawing.h"
#include "platform/Bundle.h"
#include "profile/services/ImageEncoding.h"
#include "support/VelkTest.h"

#include <QFile>
#include <QPainter>

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// A width x height point image at the pixel ratio, red in the left half and blue in the right half.
QImage leftRightImage(int width, int height, qreal pixelRatio = 1.0)
{
    QImage image(qRound(width * pixelRatio), qRound(height * pixelRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(kBlue);
    QPainter(&image).fillRect(0, 0, image.width() / 2, image.height(), kRed);
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

// The same with red in the top half and blue in the bottom half.
QImage topBottomImage(int width, int height, qreal pixelRatio = 1.0)
{
    QImage image(qRound(width * pixelRatio), qRound(height * pixelRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(kBlue);
    QPainter(&image).fillRect(0, 0, image.width(), image.height() / 2, kRed);
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

TEST(ImageDrawingTest, RedrawsAtTheRequestedPixelsOfTheBackingScale)
{
    const QImage source = leftRightImage(50, 25);
    const QImage before = source.copy();

    const QImage doubled = DataCentre::imageWithImage(source, QSizeF(200, 100), 2);
    EXPECT_EQ(doubled.size(), QSize(200, 100));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(100, 50));
    EXPECT_EQ(doubled.pixel(10, 50), kRed);
    EXPECT_EQ(doubled.pixel(190, 50), kBlue);

    const QImage single = DataCentre::imageWithImage(source, QSizeF(30, 60), 1);
    EXPECT_EQ(single.size(), QSize(30, 60));
    EXPECT_EQ(single.devicePixelRatio(), 1.0);

    EXPECT_EQ(source, before);
    EXPECT_EQ(source.deviceIndependentSize(), QSizeF(50, 25));
}

TEST(ImageDrawingTest, ZeroSideUsesTheImagesOwnSize)
{
    const QImage source = leftRightImage(40, 30);
    EXPECT_EQ(DataCentre::imageWithImage(source, QSizeF(0, 100), 1).size(), QSize(40, 30));
    const QImage doubled = DataCentre::imageWithImage(source, QSizeF(100, 0), 2);
    EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(40, 30));
    EXPECT_EQ(doubled.size(), QSize(80, 60));
}

TEST(ImageDrawingTest, ScreenScaleOfTheOffscreenPlatformIsOne)
{
    EXPECT_EQ(DataCentre::imageWithImage(leftRightImage(10, 10), QSizeF(64, 32)).size(), QSize(64, 32));
}

TEST(ImageDrawingTest, NullImageGivesNoneAndAnUnmakeableImageTheClearIcon)
{
    EXPECT_TRUE(DataCentre::imageWithImage(QImage(), QSizeF(10, 10), 1).isNull());

    Bundle::main().load(Bundle::defaultResourcesPath());
    const QString iconPath = Bundle::main().pathForResource("clearicon", "png");
    ASSERT_FALSE(iconPath.isNull());
    const QImage icon(iconPath);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);

    const QImage source = leftRightImage(10, 10);
    EXPECT_EQ(DataCentre::imageWithImage(source, QSizeF(1e12, 1e12), 1), icon);
    EXPECT_EQ(DataCentre::imageWithImage(source, QSizeF(-5, 10), 1), icon);
}

TEST(ImageDrawingTest, CropHasTheDestinationSizeAndRectanglesCountFromTheBottom)
{
    const QImage source = topBottomImage(100, 50);
    const QImage topBand = DataCentre::cropImage(source, QRectF(0, 25, 100, 25), QRectF(0, 0, 100, 25));
    EXPECT_EQ(topBand.size(), QSize(100, 25));
    EXPECT_EQ(topBand.pixel(50, 0), kRed);
    EXPECT_EQ(topBand.pixel(50, 24), kRed);

    const QImage enlarged = DataCentre::cropImage(source, QRectF(0, 0, 20, 10), QRectF(0, 0, 60, 30));
    EXPECT_EQ(enlarged.size(), QSize(60, 30));
    EXPECT_EQ(enlarged.pixel(30, 15), kBlue);
}

TEST(ImageDrawingTest, CropKeepsTheSourcePixelRatio)
{
    const QImage source = topBottomImage(100, 50, 2.0);
    const QImage crop = DataCentre::cropImage(source, QRectF(50, 0, 50, 25), QRectF(0, 0, 50, 25));
    EXPECT_EQ(crop.deviceIndependentSize(), QSizeF(50, 25));
    EXPECT_EQ(crop.size(), QSize(100, 50));
    EXPECT_EQ(crop.pixel(0, 0), kBlue);
    EXPECT_EQ(crop.pixel(99, 49), kBlue);
}

TEST(ImageDrawingTest, RotationCanvasFollowsTheAngle)
{
    const QImage source = leftRightImage(100, 50);
    const struct {
        float angle;
        QSize size;
    } cases[] = {{90, {50, 100}},  {-90, {50, 100}}, {270, {50, 100}},  {-270, {50, 100}},
                 {450, {50, 100}}, {180, {100, 50}}, {-180, {100, 50}}, {540, {100, 50}},
                 {45, {120, 120}}, {0, {120, 120}},  {360, {120, 120}}, {-30.5f, {120, 120}}};
    for (const auto& c : cases)
        EXPECT_EQ(DataCentre::rotateImage(source, c.angle).size(), c.size) << c.angle;
}

TEST(ImageDrawingTest, RotationTurnsCounterClockwiseAboutTheCentre)
{
    const QImage source = leftRightImage(100, 50);
    const QImage quarter = DataCentre::rotateImage(source, 90);
    EXPECT_EQ(quarter.pixel(25, 90), kRed);
    EXPECT_EQ(quarter.pixel(25, 10), kBlue);
    EXPECT_EQ(DataCentre::rotateImage(source, 450), quarter);

    const QImage half = DataCentre::rotateImage(source, 180);
    EXPECT_EQ(half.pixel(10, 25), kBlue);
    EXPECT_EQ(half.pixel(90, 25), kRed);

    const QImage unturned = DataCentre::rotateImage(source, 0);
    EXPECT_EQ(unturned.pixel(20, 60), kRed);
    EXPECT_EQ(unturned.pixel(100, 60), kBlue);
    EXPECT_EQ(qAlpha(unturned.pixel(60, 5)), 0);
    EXPECT_EQ(qAlpha(unturned.pixel(60, 115)), 0);
}

TEST(ImageDrawingTest, TintCoversOnlyTheOpaqueParts)
{
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(255, 0, 0, 255));
    image.setPixel(2, 0, qRgba(0, 255, 0, 128));
    image.setPixel(3, 0, qRgba(0, 0, 0, 0));
    image.setDevicePixelRatio(2.0);

    QImage& result = DataCentre::imageTintedWithColor(image, QColor(255, 255, 255));
    EXPECT_EQ(&result, &image);
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.pixel(0, 0), qRgba(0, 0, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgba(255, 255, 255, 255));
    // Half-covered pixels keep their coverage and take the colour.
    EXPECT_EQ(image.pixelColor(2, 0), QColor(255, 255, 255, 128));
    EXPECT_EQ(image.pixel(3, 0), qRgba(0, 0, 0, 0));
}

TEST(ImageDrawingTest, TintWithoutColourLeavesTheImage)
{
    QImage image = leftRightImage(8, 8);
    const QImage before = image.copy();
    EXPECT_EQ(&DataCentre::imageTintedWithColor(image, QColor()), &image);
    EXPECT_EQ(image, before);
}

class ImageDrawingFilesTest : public VelkTest {};

// A tinted mask written to disk keeps its transparent parts transparent and its point size.
TEST_F(ImageDrawingFilesTest, TintedMaskSurvivesAPngRoundTrip)
{
    QImage mask(40, 40, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter(&mask).fillRect(10, 10, 20, 20, Qt::black);
    mask.setDevicePixelRatio(2.0);
    DataCentre::imageTintedWithColor(mask, Qt::white);

    const QString path = pathInHome("masks/mask.png");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(DataCentre::PNGRepresentationOfImage(mask));
    file.close();

    const QImage read(path);
    ASSERT_EQ(read.size(), QSize(40, 40));
    EXPECT_EQ(qRound(read.dotsPerMeterX() * 0.0254), 144);
    EXPECT_EQ(qAlpha(read.pixel(5, 5)), 0);
    EXPECT_EQ(read.pixel(20, 20), qRgba(255, 255, 255, 255));
}

} // namespace
