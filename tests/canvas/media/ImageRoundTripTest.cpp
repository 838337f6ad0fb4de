#include "ImageTestSupport.h"

// An image inserted from a file, saved into a page document and opened again.

namespace {

using ImageRoundTripTest = SavedPageCanvasTest;

TEST_F(ImageRoundTripTest, AnInsertedImageAndItsOriginalSurviveSavingAndOpeningWithTheSamePixels)
{
    QImage pixels = picture(64, 48, Qt::darkCyan);
    for (int x = 0; x < 64; ++x)
        pixels.setPixel(x, x % 48, qRgb(x * 4, 255 - x * 4, 90));
    const QString file = pathInHome(QStringLiteral("pictures/photo.png"));
    ASSERT_TRUE(pixels.save(file));
    panels.choose({file});
    view->concludeDragOperation({QStringLiteral("velk_photo")}, QPointF(40, 30));
    ASSERT_EQ(document.graphics().size(), 1);

    const QString location = pathInHome(QStringLiteral("documents/home.velk"));
    ASSERT_TRUE(document.saveThisPage(location, 0));
    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());

    ASSERT_EQ(opened.graphics().size(), 1);
    const auto image = std::dynamic_pointer_cast<SKTImage>(opened.graphics().first());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->imageName(), QStringLiteral("image0"));
    EXPECT_EQ(image->imageType(), QStringLiteral("PNG"));
    EXPECT_EQ(image->bounds(), QRectF(40, 30, 64, 48));
    EXPECT_TRUE(samePixels(image->_contents(), pixels));
    const QString original = QDir(opened.grabCurrentDocPath()).filePath(QStringLiteral("image0o.PNG"));
    EXPECT_TRUE(samePixels(readFile(original), pixels));
}

} // namespace
