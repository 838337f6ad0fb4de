#include "profile/services/ImageEncoding.h"
#include "support/VelkTest.h"

#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>

namespace {

// Noise, so that the compression quality shows in the data.
QImage noiseImage(int pixels, qreal pixelRatio)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < pixels; ++y)
        for (int x = 0; x < pixels; ++x)
            image.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), (x * y) % 256));
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

class ImageEncodingTest : public VelkTest {
protected:
    QString writeFile(const QString& name, const QByteArray& data)
    {
        const QString path = pathInHome(QStringLiteral("images/") + name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(data), data.size());
        return path;
    }

    struct ReadBack {
        QByteArray format;
        QImage image;
        int dpiX, dpiY;
    };

    static ReadBack readBack(const QString& path)
    {
        QImageReader reader(path);
        ReadBack result{reader.format(), reader.read(), 0, 0};
        result.dpiX = qRound(result.image.dotsPerMeterX() * 0.0254);
        result.dpiY = qRound(result.image.dotsPerMeterY() * 0.0254);
        return result;
    }
};

TEST_F(ImageEncodingTest, PngFilesCarryTheResolutionOfThePointSize)
{
    const struct {
        qreal pixelRatio;
        int dpi;
    } cases[] = {{2.0, 144}, {1.0, 72}, {3.0, 216}};
    for (const auto& c : cases) {
        const QImage image = noiseImage(200, c.pixelRatio);
        const QString path = writeFile(QStringLiteral("ratio%1.png").arg(c.pixelRatio),
                                       DataCentre::PNGRepresentationOfImage(image));
        const ReadBack file = readBack(path);
        EXPECT_EQ(file.format, "png");
        EXPECT_EQ(file.image.size(), QSize(200, 200));
        EXPECT_EQ(file.dpiX, c.dpi) << c.pixelRatio;
        EXPECT_EQ(file.dpiY, c.dpi) << c.pixelRatio;
        EXPECT_EQ(file.image.convertToFormat(QImage::Format_ARGB32),
                  image.convertToFormat(QImage::Format_ARGB32));
    }
}

TEST_F(ImageEncodingTest, JpegFactorZeroIsFactorOne)
{
    const QImage image = noiseImage(120, 2.0);
    const QByteArray zero = DataCentre::JPEGRepresentationOfImage(image, 0.0f);
    const QByteArray one = DataCentre::JPEGRepresentationOfImage(image, 1.0f);
    const QByteArray above = DataCentre::JPEGRepresentationOfImage(image, 1.5f);
    ASSERT_FALSE(zero.isEmpty());
    EXPECT_EQ(zero, one);
    EXPECT_EQ(above, one);

    const ReadBack file = readBack(writeFile(QStringLiteral("page.jpg"), zero));
    EXPECT_EQ(file.format, "jpeg");
    EXPECT_EQ(file.image.size(), QSize(120, 120));
    EXPECT_EQ(file.dpiX, 144);
    EXPECT_EQ(file.dpiY, 144);
}

TEST_F(ImageEncodingTest, JpegFactorBelowOneCompresses)
{
    const QImage image = noiseImage(120, 1.0);
    const QByteArray standard = DataCentre::JPEGRepresentationOfImage(image, 1.0f);
    const QByteArray factor07 = DataCentre::JPEGRepresentationOfImage(image, 0.7f);
    const QByteArray factor01 = DataCentre::JPEGRepresentationOfImage(image, 0.1f);
    EXPECT_NE(factor07, standard);
    EXPECT_LT(factor01.size(), factor07.size());

    const ReadBack file = readBack(writeFile(QStringLiteral("small.jpg"), factor01));
    EXPECT_EQ(file.image.size(), QSize(120, 120));
    EXPECT_EQ(file.dpiX, 72);
}

TEST_F(ImageEncodingTest, ImageWithoutBitmapGivesNoData)
{
    EXPECT_TRUE(DataCentre::PNGRepresentationOfImage(QImage()).isEmpty());
    EXPECT_TRUE(DataCentre::JPEGRepresentationOfImage(QImage(), 0.5f).isEmpty());
}

} // namespace
