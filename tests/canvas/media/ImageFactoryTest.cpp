#include "ImageTestSupport.h"

#include "canvas/factories/ImageFactory.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "model/records/TransformView.h"
#include "platform/Format.h"
#include "support/LogCapture.h"

#include <QFile>

// The image factory of the canvas: names, kept originals, the new graphic and its place in a section.

namespace {

const QString kMaxImageSizeKey = QStringLiteral("SorrelMaxImageSize");

std::shared_ptr<TransformView> namedRecord(const QString& name)
{
    auto record = std::make_shared<TransformView>();
    record->setImageName(name);
    return record;
}

class ImageFactoryTest : public ImageCanvasTest {
protected:
    // The factory as the open panels call it: frame at the point, no border, no bubble.
    void add(const QImage& image, const QString& type, const QPointF& point = QPointF(10, 20),
             int bubbleFlag = 0)
    {
        const QSizeF size = image.size();
        view->addImageIntoArray(image, type, point, false, QString(), size, kNoNumber, size, 0,
                                QStringLiteral("none"), QStringLiteral("FFFFFF"), 0, 0, bubbleFlag, QString(),
                                QRectF(point, size));
    }

    void addNamedImage(const QString& name)
    {
        auto image = std::make_shared<SKTImage>();
        image->setImageName(name);
        document.insertGraphics({image}, {0});
    }

    QString original(const QString& fileName) const { return QDir(pageFolder).filePath(fileName); }
};

TEST_F(ImageFactoryTest, TheNextNameFollowsTheHighestNumberOfEveryPictureOnThePage)
{
    EXPECT_EQ(view->getNextImageName(), QStringLiteral("image0"));
    addNamedImage(QStringLiteral("image0"));
    addNamedImage(QStringLiteral("image1"));
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->setImageArray({namedRecord(QStringLiteral("image7")), namedRecord(QString())});
    document.insertGraphics({slideshow}, {0});
    EXPECT_EQ(view->getNextImageName(), QStringLiteral("image8"));

    auto gallery = std::make_shared<SKTGalleryGrid>();
    gallery->setImageArray({namedRecord(QStringLiteral("image9"))});
    document.insertGraphics({gallery}, {0});
    auto table = std::make_shared<SKTTable>();
    table->setImageArray({namedRecord(QStringLiteral("image12"))});
    table->setTableBackgroundImage(namedRecord(QStringLiteral("image20")));
    document.insertGraphics({table}, {0});
    // Table pictures count in every product, so a page read from another product never reuses a name.
    EXPECT_EQ(view->getNextImageName(), QStringLiteral("image21"));
}

TEST_F(ImageFactoryTest, TheNewImageGoesInFrontWithTheFactorysPropertiesAndLeavesTheSelection)
{
    addShape(QStringLiteral("back"), QRectF(0, 0, 50, 50));
    view->changeSelectionIndexes({0});
    UserDefaults::standard().setInteger(1, QStringLiteral("SorrelRetinaFlag"));
    const QImage image = picture(40, 30);
    view->addImageIntoArray(image, QStringLiteral("PNG"), QPointF(10, 20), false,
                            QStringLiteral("page2.html"), image.size(), 7, image.size(), 1,
                            QStringLiteral("solid"), QStringLiteral("FF0000"), 3, 1, 1,
                            QStringLiteral("star"), QRectF(10, 20, 40, 30));

    ASSERT_EQ(document.graphics().size(), 2);
    const std::shared_ptr<SKTImage> made = imageAt(0);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->bounds(), QRectF(10, 20, 40, 30));
    EXPECT_EQ(made->imageName(), QStringLiteral("image0"));
    EXPECT_EQ(made->imageType(), QStringLiteral("PNG"));
    EXPECT_EQ(made->_contents(), image);
    EXPECT_EQ(made->link(), QStringLiteral("page2.html"));
    EXPECT_EQ(made->groupNumber(), 7);
    EXPECT_EQ(made->imageEnlargeFlag(), 1);
    EXPECT_EQ(made->backdropLightingFlag(), 2);
    EXPECT_EQ(made->borderStyle(), QStringLiteral("solid"));
    EXPECT_EQ(made->borderWidth(), 3);
    EXPECT_EQ(made->borderHexColorString(), QStringLiteral("FF0000"));
    EXPECT_EQ(made->bubbleFlag(), 1);
    EXPECT_EQ(made->bubbleShape(), QStringLiteral("star"));
    EXPECT_TRUE(made->retinaFlag());
    EXPECT_EQ(made->slideShowNumber(), kNoNumber);
    EXPECT_DOUBLE_EQ(made->opacity(), 1.0);
    EXPECT_EQ(made->leftPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(made->topMarginType(), QStringLiteral("%"));
    EXPECT_EQ(document.documentChangedCounter(), 1);
    EXPECT_EQ(DataCentre::profile().retinaFlagSetting, 1);
    EXPECT_EQ(view->selectedGraphics(), GraphicList({document.graphics().at(1)})) << "the selection stays";
}

TEST_F(ImageFactoryTest, OnlyABubbleFlagOfOneClipsAndTheLastTypeAddedIsTheTypeOfThePage)
{
    add(picture(10, 10), QStringLiteral("JPG"), QPointF(0, 0), 1);
    EXPECT_EQ(DataCentre::profile().imageTypeSetting, QStringLiteral("JPG"));
    EXPECT_EQ(imageAt(0)->bubbleFlag(), 1);
    add(picture(10, 10), QStringLiteral("PNG"), QPointF(0, 0), 2);
    EXPECT_EQ(DataCentre::profile().imageTypeSetting, QStringLiteral("PNG"));
    EXPECT_EQ(imageAt(0)->bubbleFlag(), 0);
    EXPECT_EQ(imageAt(0)->imageName(), QStringLiteral("image1"));
    EXPECT_FALSE(imageAt(0)->retinaFlag()) << "no retina default stored";
}

TEST_F(ImageFactoryTest, AddingAnImageIsOneUndoStep)
{
    add(picture(10, 10), QStringLiteral("PNG"));
    flushRepaints();
    view->undo();
    EXPECT_TRUE(document.graphics().isEmpty());
}

TEST_F(ImageFactoryTest, KeptOriginalsAreNoWiderThanTheLimit)
{
    const struct {
        long long userLimit; // 0 for no stored default
        int productLimit;
        QSize picture;
        QSize kept;
    } cases[] = {
        {2000, 0, {3000, 1000}, {2000, 667}},  // 666.67 high, in whole pixels
        {2000, 0, {1000, 3000}, {1000, 3000}}, // only the width is limited
        {0, 0, {3000, 1000}, {3000, 1000}},    // no limit stored: the width stays
        {-5, 0, {3000, 1000}, {3000, 1000}},
        {2000, 1500, {3000, 1000}, {1500, 500}}, // the product's limit first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture.width() * 10000 + c.userLimit);
        UserDefaults::standard().setObject(c.userLimit == 0 ? QVariant() : QVariant(c.userLimit),
                                           kMaxImageSizeKey);
        DataCentre::mutableProfile().originalImageMaxSize = c.productLimit;
        const QString name = view->getNextImageName();
        add(picture(c.picture.width(), c.picture.height()), QStringLiteral("PNG"));
        const QImage kept = readFile(original(name + QStringLiteral("o.PNG")));
        EXPECT_EQ(kept.size(), c.kept);
        EXPECT_EQ(imageAt(0)->_contents().size(), c.picture) << "the graphic keeps the whole picture";
    }
}

TEST_F(ImageFactoryTest, TheOriginalIsEncodedByItsTypeInTheFolderOfThePageFile)
{
    setPage(QStringLiteral("my.page"));
    add(picture(30, 20), QStringLiteral("JPG"));
    add(picture(30, 20), QStringLiteral("PNG"));
    EXPECT_EQ(QImageReader(original(QStringLiteral("image0o.JPG"))).format(), QByteArray("jpeg"));
    EXPECT_TRUE(samePixels(readFile(original(QStringLiteral("image1o.PNG"))), picture(30, 20)))
        << "a dotted page name keeps its folder";
}

TEST_F(ImageFactoryTest, ADroppedFileIsCopiedAsTheOriginalThenRewritten)
{
    const QString dropped = pictureFile(QStringLiteral("dropped.png"), 16, 12, Qt::yellow);
    view->workingState().tempImagePath = dropped;
    const QImage image = readFile(dropped);
    view->addImageIntoArray(image, QStringLiteral("PNG"), QPointF(0, 0), true, QString(), image.size(),
                            kNoNumber, image.size(), 0, QStringLiteral("none"), QStringLiteral("FFFFFF"), 0,
                            0, 0, QString(), QRectF(0, 0, 16, 12));
    EXPECT_EQ(readFile(original(QStringLiteral("image0o.PNG"))).pixel(5, 5), qRgb(255, 255, 0));
}

TEST_F(ImageFactoryTest, APageWithoutAFileGetsTheImageButNoOriginal)
{
    document.setPagePath(QString());
    LogCapture log;
    add(picture(10, 10), QStringLiteral("PNG"));
    EXPECT_EQ(document.graphics().size(), 1);
    EXPECT_FALSE(log.linesContaining(QStringLiteral("image0")).isEmpty());
}

TEST_F(ImageFactoryTest, OriginalsCopiedFromTheSourcePageReplaceTheTarget)
{
    const QString source = pathInHome(QStringLiteral("other/my.page/x")).chopped(2);
    picture(8, 8, Qt::green).save(QDir(source).filePath(QStringLiteral("image3o.PNG")));
    QDir().mkpath(pageFolder);
    picture(4, 4).save(original(QStringLiteral("image9o.PNG")));
    // The path of the page copied from, without its extension: a page "my.page" keeps its dot.
    ImageFactory::setCopySourcePagePath(source);
    view->makeCopyOfOriginalImage(QStringLiteral("image9o.PNG"), QStringLiteral("image3o.PNG"));
    EXPECT_EQ(readFile(original(QStringLiteral("image9o.PNG"))).size(), QSize(8, 8));
    // A name that would lead out of the folder copies nothing.
    view->makeCopyOfOriginalImage(QStringLiteral("../escape.PNG"), QStringLiteral("image3o.PNG"));
    EXPECT_FALSE(QFileInfo::exists(QDir(pageFolder).filePath(QStringLiteral("../escape.PNG"))));
    ImageFactory::setCopySourcePagePath(QString());
}

TEST_F(ImageFactoryTest, InASectionCellThePictureTakesTheCellWidthCentredByPercentPaddings)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    profile.sectionWidth = 666; // a cell of 600 inside the section's paddings
    profile.sectionHeight = 400;
    view->setCanvasSize(QSizeF(1200, 1200));
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 100));
    const QPointF point(50, 150);
    const QRectF cell = view->grabSectionRect(point, QRectF(point, QSizeF(1200, 800)));
    ASSERT_EQ(cell.width(), 600);

    const QImage image = picture(1200, 800);
    add(image, QStringLiteral("JPG"), point);
    const std::shared_ptr<SKTImage> made = imageAt(0);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->bounds(), QRectF(cell.x(), cell.y(), 600, 300));
    EXPECT_EQ(made->leftPadding(), 12);
    EXPECT_EQ(made->rightPadding(), 12);
    EXPECT_EQ(made->leftPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(made->rightPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(made->topPadding(), 0);
    EXPECT_EQ(made->sectionNumber(), document.graphics().last()->sectionNumber());

    add(picture(100, 50), QStringLiteral("PNG"), QPointF(50, 900));
    ASSERT_EQ(document.graphics().size(), 3);
    EXPECT_EQ(imageAt(0)->bounds(), QRectF(50, 900, 100, 50)) << "under no cell the picture keeps its size";
}

} // namespace
