#include "DocumentTestSupport.h"

#include "document/core/DocumentAlerts.h"
#include "document/files/ImageAssets.h"
#include "model/records/TransformView.h"
#include "platform/Bundle.h"
#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"
#include "profile/services/ImageEncoding.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

QImage solid(int width, int height, const QColor& color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// Noise compresses badly, so a scaled copy of it is large.
QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The encoding of a file by its leading bytes, whatever its extension says.
QByteArray formatOf(const QString& path)
{
    const QByteArray bytes = fileBytes(path);
    if (bytes.startsWith("\x89PNG"))
        return "png";
    if (bytes.startsWith("\xFF\xD8"))
        return "jpeg";
    return {};
}

QSize pixelSize(const QString& path)
{
    return QImage(path).size();
}

class ImageAssetsTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        document.setTempSavePathLocal(pathInHome(QStringLiteral("site/x")).chopped(2));
        document.setPageName(QStringLiteral("about"));
        folder = QDir(document.tempSavePathLocal()).filePath(QStringLiteral("about"));
    }

    // A free image record of 100 x 80 with margins, paddings and a border that leave a 40 x 30 box.
    static ImageAsset record(const QString& name, const QString& type, const QImage& picture)
    {
        TransformView view(QRectF(10, 10, 100, 80));
        view.setImageName(name);
        view.setImageType(type);
        view.setImage(picture);
        view.setSlideShowNumber(-99);
        view.setLeftMargin(10);
        view.setLeftPadding(5);
        view.setRightMargin(20);
        view.setRightPadding(15);
        view.setTopMargin(10);
        view.setBottomPadding(30);
        view.setBorderWidth(5);
        return ImageAsset::fromRecord(view);
    }

    QStringList files() const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
    QString file(const QString& name) const { return QDir(folder).filePath(name); }

    SKTDocument document;
    QString folder;
};

TEST_F(ImageAssetsTest, APageWithTwoImagesStoresThemUnderTheirNames)
{
    ImageAsset plain = record(QStringLiteral("image1"), QStringLiteral("PNG"), solid(200, 150, Qt::red));
    ImageAsset enlarged = record(QStringLiteral("image2"), QStringLiteral("JPG"), solid(300, 200, Qt::blue));
    enlarged.imageEnlargeFlag = 1;
    enlarged.maskImage = solid(30, 30, Qt::black);
    document.saveImage(plain);
    document.saveImage(enlarged);
    document.saveMaskImage(enlarged);

    EXPECT_EQ(files(), QStringList({"image1@2x.PNG", "image1o.PNG", "image2_mask.png", "image2o.JPG"}));
    EXPECT_EQ(pixelSize(file("image1@2x.PNG")), QSize(80, 60));
    EXPECT_EQ(pixelSize(file("image1o.PNG")), QSize(200, 150));
    EXPECT_EQ(formatOf(file("image2o.JPG")), QByteArray("jpeg"));
    EXPECT_EQ(formatOf(file("image2_mask.png")), QByteArray("png"));
}

TEST_F(ImageAssetsTest, AnOwnSizeCopyIsWrittenOnlyWhenAskedForAndNotForSlides)
{
    ImageAsset image = record(QStringLiteral("image3"), QStringLiteral("PNG"), solid(50, 40, Qt::green));
    image.forceNonRetinaFlag = true;
    document.saveImage(image);
    EXPECT_TRUE(files().contains(QStringLiteral("image3.PNG")));
    EXPECT_EQ(pixelSize(file("image3.PNG")), QSize(50, 40));

    image.slideShowNumber = 0;
    document.saveImage(image);
    EXPECT_FALSE(files().contains(QStringLiteral("image3.PNG")));
}

TEST_F(ImageAssetsTest, JPGInAnyCaseIsStoredAsJPEGAndEverythingElseAsPNG)
{
    const struct {
        const char* type;
        const char* format;
    } cases[] = {{"JPG", "jpeg"}, {"jpg", "jpeg"}, {"Jpg", "jpeg"},
                 {"PNG", "png"},  {"jpeg", "png"}, {"gif", "png"}};
    for (const auto& c : cases) {
        const QString name = QStringLiteral("pic_") + QString::fromLatin1(c.type);
        document.saveImage(record(name, QString::fromLatin1(c.type), solid(20, 20, Qt::yellow)));
        for (const QString& suffix : {QStringLiteral("o."), QStringLiteral("@2x.")}) {
            const QString path = file(name + suffix + QString::fromLatin1(c.type));
            EXPECT_EQ(formatOf(path), QByteArray(c.format)) << path.toStdString();
        }
    }
}

TEST_F(ImageAssetsTest, ALargerScaledCopyIsReplacedByTheOriginal)
{
    // The original was written when the image was added: a tiny file of one colour.
    QDir().mkpath(folder);
    ASSERT_TRUE(
        ImageFiles::write(file("image4o.PNG"), DataCentre::PNGRepresentationOfImage(solid(40, 30, Qt::red))));
    document.saveImage(record(QStringLiteral("image4"), QStringLiteral("PNG"), noise(40, 30)));
    EXPECT_EQ(fileBytes(file("image4@2x.PNG")), fileBytes(file("image4o.PNG")));
    EXPECT_FALSE(QFile::exists(file("image4@2x.PNG.part")));
}

TEST_F(ImageAssetsTest, AnOriginalThatWouldNotFillTheFrameNeverReplacesTheScaledCopy)
{
    // The record's content box is 40 x 30; pages never draw a picture wider than its pixels, nor in other
    // proportions than its own.
    const struct {
        QSize original;
        QSize written;
    } cases[] = {{{20, 15}, {80, 60}}, {{40, 40}, {80, 60}}, {{60, 45}, {60, 45}}};
    QDir().mkpath(folder);
    for (const auto& c : cases) {
        ASSERT_TRUE(ImageFiles::write(file("image6o.PNG"), DataCentre::PNGRepresentationOfImage(
                                                               solid(c.original.width(), c.original.height(), Qt::red))));
        document.createRetinaVersion(record(QStringLiteral("image6"), QStringLiteral("PNG"), noise(40, 30)));
        EXPECT_EQ(pixelSize(file("image6@2x.PNG")), c.written) << c.original.width() << "x" << c.original.height();
    }
}

TEST_F(ImageAssetsTest, TheSizeGuardNeverDeletesTheOnlyCopy)
{
    QDir().mkpath(folder);
    const ImageAsset image = record(QStringLiteral("image5"), QStringLiteral("PNG"), noise(40, 30));
    document.createRetinaVersion(image);
    EXPECT_EQ(pixelSize(file("image5@2x.PNG")), QSize(80, 60));

    // An empty original is no copy either.
    QFile(file("image5o.PNG")).open(QIODevice::WriteOnly);
    document.createRetinaVersion(image);
    EXPECT_EQ(pixelSize(file("image5@2x.PNG")), QSize(80, 60));
}

TEST_F(ImageAssetsTest, ANonEmptyOriginalIsNeverRewrittenAnEmptyOneIs)
{
    QDir().mkpath(folder);
    const ImageAsset image = record(QStringLiteral("image6"), QStringLiteral("PNG"), solid(30, 30, Qt::red));
    QFile(file("image6o.PNG")).open(QIODevice::WriteOnly);
    document.checkAndSaveOriginalImage(image);
    const QByteArray written = fileBytes(file("image6o.PNG"));
    EXPECT_EQ(pixelSize(file("image6o.PNG")), QSize(30, 30));

    ImageAsset changed = image;
    changed.picture = solid(60, 60, Qt::blue);
    document.checkAndSaveOriginalImage(changed);
    EXPECT_EQ(fileBytes(file("image6o.PNG")), written);
}

TEST_F(ImageAssetsTest, PlainImageGraphicsUseTheirPixelMarginsAndPaddings)
{
    ImageStandIn graphic;
    graphic.setBounds(QRectF(0, 0, 100, 60));
    graphic.setImageName(QStringLiteral("image8"));
    graphic.setImageType(QStringLiteral("PNG"));
    graphic.setSlideShowNumber(-99);
    graphic.setLeftMarginInPx(10.5f);
    graphic.setRightPaddingInPx(9.5f);
    graphic.setTopPaddingInPx(5);
    graphic.setBottomMarginInPx(5);
    graphic.setLeftMargin(30); // whole-pixel values belong to slides
    graphic.setBorderWidth(2);
    ImageAsset image = ImageAsset::fromGraphic(graphic);
    EXPECT_EQ(image.contentSize(), QSizeF(76, 46));
    graphic.setSlideShowNumber(1);
    EXPECT_EQ(ImageAsset::fromGraphic(graphic).contentSize(), QSizeF(66, 56));
}

TEST_F(ImageAssetsTest, ResponsiveSlidesKeepTheTopBandAtTheSlideshowsHeight)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    auto slideshow = std::make_shared<SlideshowStandIn>();
    slideshow->setBounds(QRectF(0, 0, 200, 30));
    document.setSlideshowArray({slideshow});
    QImage picture = solid(40, 30, Qt::blue);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixelColor(x, y, Qt::red);
    ImageAsset image = record(QStringLiteral("image9"), QStringLiteral("PNG"), picture);
    image.slideShowNumber = 0;
    document.saveImage(image);
    const QImage band(file("image9@2x.PNG"));
    ASSERT_EQ(band.size(), QSize(80, 30));
    EXPECT_EQ(band.pixelColor(40, 2), QColor(Qt::red));
    EXPECT_EQ(band.pixelColor(40, 27), QColor(Qt::red));
}

TEST_F(ImageAssetsTest, ProductsThatKeepUnnamedPagesWriteNoImages)
{
    DataCentre::mutableProfile().keepUnnamedPage = true;
    document.saveImage(record(QStringLiteral("image1"), QStringLiteral("PNG"), solid(20, 20, Qt::red)));
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(ImageAssetsTest, AnEmptyPageNameIsFilledBeforeWriting)
{
    document.setPageName(QString());
    document.setFileLocation(QStringLiteral("/somewhere/welcome.dovrinprofile"));
    document.saveImage(record(QStringLiteral("image1"), QStringLiteral("PNG"), solid(20, 20, Qt::red)));
    EXPECT_EQ(document.pageName(), QStringLiteral("welcome"));
    EXPECT_TRUE(
        QFile::exists(QDir(document.tempSavePathLocal()).filePath(QStringLiteral("welcome/image1o.PNG"))));
}

TEST_F(ImageAssetsTest, TheBackgroundIsWrittenAtItsQualityAndItsOriginalOnce)
{
    UserDefaults::standard().setDouble(0.3, QStringLiteral("backgroundQualityPercentage"));
    document.setBackgroundImageType(QStringLiteral("JPG"));
    document.setBackgroundImage(noise(64, 64));
    document.saveBackgroundImage();
    EXPECT_EQ(formatOf(file("background.JPG")), QByteArray("jpeg"));
    EXPECT_EQ(formatOf(file("backgroundo.JPG")), QByteArray("jpeg"));
    EXPECT_LT(fileBytes(file("background.JPG")).size(), fileBytes(file("backgroundo.JPG")).size());

    const QByteArray original = fileBytes(file("backgroundo.JPG"));
    document.setBackgroundImage(solid(64, 64, Qt::green));
    document.saveBackgroundImage();
    EXPECT_EQ(fileBytes(file("backgroundo.JPG")), original);
    EXPECT_GT(QImage(file("background.JPG")).pixelColor(5, 5).green(), 200);
}

TEST_F(ImageAssetsTest, ABackgroundWithoutAPatternIsTheClearGrid)
{
    auto window = std::make_unique<PlainDocumentWindow>();
    window->pageBrush = QBrush(Qt::white);
    SKTDocument::setWindowControllerFactory([&](SKTDocument&) { return std::move(window); });
    document.makeWindowControllers();
    document.setBackgroundImageType(QStringLiteral("PNG"));
    document.saveBackgroundImage();
    const QImage clearGrid(
        Bundle::main().pathForResource(QStringLiteral("clearGrid"), QStringLiteral("png")));
    ASSERT_FALSE(clearGrid.isNull());
    EXPECT_EQ(QImage(file("background.PNG")).convertToFormat(QImage::Format_ARGB32),
              clearGrid.convertToFormat(QImage::Format_ARGB32));
    EXPECT_FALSE(QFileInfo::exists(file("backgroundo.PNG")));
}

TEST_F(ImageAssetsTest, TheWindowsPatternIsTheBackground)
{
    auto window = std::make_unique<PlainDocumentWindow>();
    window->pageBrush = QBrush(solid(8, 8, Qt::magenta));
    SKTDocument::setWindowControllerFactory([&](SKTDocument&) { return std::move(window); });
    document.makeWindowControllers();
    document.setBackgroundImageType(QStringLiteral("PNG"));
    document.saveBackgroundImage();
    EXPECT_EQ(fileBytes(file("background.PNG")), fileBytes(file("backgroundo.PNG")));
    EXPECT_EQ(QImage(file("background.PNG")).pixelColor(3, 3), QColor(Qt::magenta));
}

TEST_F(ImageAssetsTest, OnlyImageFilesThatAreAllEmptyLookUnsaved)
{
    const struct {
        QStringList emptyFiles;
        QStringList fullFiles;
        bool unsaved;
    } cases[] = {
        {{"image1o.PNG", "image1@2x.PNG", "image2o.JPG"}, {}, true},
        {{}, {}, false},
        {{"image1o.PNG"}, {"image2o.jpg"}, false},
        {{"notes.txt"}, {}, false},
    };
    for (const auto& c : cases) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        for (const QString& name : c.emptyFiles)
            QFile(file(name)).open(QIODevice::WriteOnly);
        for (const QString& name : c.fullFiles)
            ImageFiles::write(file(name), "data");
        EXPECT_EQ(document.checkToMakeSureOriginalImagesAreSavedProperly(), c.unsaved)
            << c.emptyFiles.join(' ').toStdString();
    }
}

TEST_F(ImageAssetsTest, TheEmptyImageAlertOffersTryAgainAndIgnore)
{
    DocumentResult saved;
    saved.imagesMayBeUnsaved = true;
    alerts.answer(QStringLiteral("Try again"));
    DocumentAlerts::showSaveResult(document, saved);
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records().first().message, QStringLiteral("Could not save image"));
    EXPECT_EQ(
        alerts.records().first().informative,
        QStringLiteral(
            "Sorry, images may not have saved properly, please review and try saving this file again."));
    EXPECT_EQ(alerts.records().first().buttons, QStringList({"Try again", "Ignore"}));
    EXPECT_EQ(document.documentChangedCounter(), 1);
    EXPECT_FALSE(document.ignoreImageSaveErrorFlag());

    alerts.answer(QStringLiteral("Ignore"));
    DocumentAlerts::showSaveResult(document, saved);
    EXPECT_EQ(document.documentChangedCounter(), 1);
    EXPECT_TRUE(document.ignoreImageSaveErrorFlag());
}

TEST_F(ImageAssetsTest, CustomScreenshotsAreScaledToTheScreenshotSizes)
{
    document.canvasState().screenshotSize = 200;
    QObject* posted = nullptr;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("refreshDocIcon"),
                                                    [&](const Notification& n) { posted = n.object; });
    document.saveCustomScreenshot(solid(400, 100, Qt::red));
    EXPECT_EQ(pixelSize(folder + QStringLiteral(".png")), QSize(200, 50));
    EXPECT_EQ(pixelSize(folder + QStringLiteral("@2x.png")), QSize(400, 100));
    EXPECT_EQ(posted, &document);
}

TEST_F(ImageAssetsTest, ScreenshotsComeFromTheRenderedPageTheIconOrThePageTile)
{
    document.canvasState().screenshotSize = 100;
    document.canvasState().defaultPageWidth = 300;
    document.canvasState().defaultPageHeight = 150;
    PlainDocumentWindow* window = nullptr;
    usePlainWindows(window);
    document.makeWindowControllers();
    document.saveScreenshot();
    EXPECT_EQ(window->calls, QStringList({"deSelectAllObjects"}));
    EXPECT_EQ(window->renderedRect, QRectF(0, 0, 300, 150));
    EXPECT_EQ(pixelSize(folder + QStringLiteral(".png")), QSize(100, 50));

    DataCentre::mutableProfile().hideTotalRefreshWebsite = true;
    DataCentre::mutableProfile().productIcon = solid(64, 128, Qt::blue);
    document.saveScreenshot();
    EXPECT_EQ(pixelSize(folder + QStringLiteral("@2x.png")), QSize(100, 200));

    DataCentre::mutableProfile().pageTileScreenshots = true;
    document.setFileLocation(QStringLiteral("/pets/rex.profile"));
    window->tileImage = solid(50, 50, Qt::green);
    document.saveScreenshot();
    EXPECT_TRUE(window->calls.contains(QStringLiteral("tile rex.profile")));
    EXPECT_EQ(pixelSize(folder + QStringLiteral(".png")), QSize(100, 100));
}

TEST_F(ImageAssetsTest, ThePagePictureSizeFollowsTheDocumentTheProfileOrTheGraphics)
{
    PlainDocumentWindow* window = nullptr;
    usePlainWindows(window);
    EXPECT_TRUE(document.imageWithSubviews().isNull());
    document.makeWindowControllers();
    document.addInGraphics(graphicAt(QRectF(10, 10, 500.5, 90.5)));
    EXPECT_EQ(document.imageWithSubviews().size(), QSize(510, 100));
    document.canvasState().defaultPageWidth = 320;
    document.canvasState().defaultPageHeight = 480;
    EXPECT_EQ(document.imageWithSubviews().size(), QSize(320, 480));
    document.setDocSpecificFixedCanvasFlag(1);
    document.setDocSpecificPageWidth(600);
    document.setDocSpecificPageHeight(200);
    EXPECT_EQ(document.imageWithSubviews().size(), QSize(600, 200));
    EXPECT_EQ(window->renderedRect, QRectF(0, 0, 600, 200));
}

TEST_F(ImageAssetsTest, WithoutASaveFolderNothingIsWritten)
{
    document.setTempSavePathLocal(QString());
    const QString before = QDir::currentPath();
    const QStringList filesBefore = QDir(before).entryList(QDir::Files);
    document.saveImage(record(QStringLiteral("image1"), QStringLiteral("PNG"), solid(20, 20, Qt::red)));
    document.saveCustomScreenshot(solid(20, 20, Qt::red));
    EXPECT_EQ(QDir(before).entryList(QDir::Files), filesBefore);
}

} // namespace
