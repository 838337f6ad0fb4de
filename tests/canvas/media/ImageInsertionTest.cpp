#include "ImageTestSupport.h"

#include "canvas/dialogs/CropImageWindowController.h"
#include "canvas/view/CanvasContextMenu.h"
#include "model/SKTText.h"
#include "support/LogCapture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSpinBox>

// Pictures and PDF pages chosen in open panels, and the commands on a selected image: replace, crop and
// click-to-enlarge.

namespace {

const QStringList kPictureTypes{"jpg", "JPG", "png", "PNG", "jpeg", "JPEG", "gif", "GIF"};
const QList<QColor> kPageColors{Qt::red, Qt::green, Qt::blue, Qt::yellow};

class ImageInsertionTest : public ImageCanvasTest {
protected:
    // A PDF of 200 x 100 point pages, each filled with its colour.
    QString pdfFile(const QList<QColor>& pages) const
    {
        const QString path = pathInHome(QStringLiteral("pictures/pages.pdf"));
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QSizeF(200, 100), QPageSize::Point));
        writer.setPageMargins(QMarginsF());
        writer.setResolution(72);
        QPainter painter(&writer);
        for (qsizetype page = 0; page < pages.size(); ++page) {
            if (page > 0)
                writer.newPage();
            painter.fillRect(QRect(0, 0, 200, 100), pages.at(page));
        }
        return path;
    }

    // An image graphic of the picture at the bounds, selected alone.
    std::shared_ptr<SKTImage> selectedImage(const QRectF& bounds, const QImage& contents)
    {
        view->addImageIntoArray(contents, QStringLiteral("JPG"), bounds.topLeft(), false, QString(),
                                contents.size(), kNoNumber, contents.size(), 0, QStringLiteral("none"),
                                QStringLiteral("FFFFFF"), 0, 0, 0, QString(), bounds);
        view->changeSelectionIndexes({0});
        EXPECT_TRUE(view->cropShown());
        return imageAt(0);
    }

    static bool closeTo(QRgb pixel, const QColor& color)
    {
        return std::abs(qRed(pixel) - color.red()) < 8 && std::abs(qGreen(pixel) - color.green()) < 8 &&
               std::abs(qBlue(pixel) - color.blue()) < 8;
    }
};

TEST_F(ImageInsertionTest, PicturesDroppedFromTheLibraryLandTwentyPointsApartInThePanelsOrder)
{
    panels.choose({pictureFile(QStringLiteral("a.png"), 30, 10), pictureFile(QStringLiteral("b.jpg"), 31, 10),
                   pictureFile(QStringLiteral("c.gif"), 32, 10)});
    view->concludeDragOperation({QStringLiteral("velk_photo")}, QPointF(50, 60));

    const FilePanelRequest request = panels.lastRequest();
    EXPECT_EQ(request.title, QStringLiteral("Add one or multiple images"));
    EXPECT_EQ(request.prompt, QStringLiteral("Select"));
    EXPECT_EQ(request.allowedFileTypes, kPictureTypes);
    EXPECT_TRUE(request.allowsMultipleSelection);
    EXPECT_FALSE(request.canChooseDirectories);
    ASSERT_EQ(document.graphics().size(), 3);
    // Each goes in front: the last file is the frontmost.
    EXPECT_EQ(imageAt(2)->bounds(), QRectF(50, 60, 30, 10));
    EXPECT_EQ(imageAt(1)->bounds(), QRectF(70, 60, 31, 10));
    EXPECT_EQ(imageAt(0)->bounds(), QRectF(90, 60, 32, 10));
    EXPECT_EQ(imageAt(2)->imageType(), QStringLiteral("PNG"));
    EXPECT_EQ(imageAt(1)->imageType(), QStringLiteral("JPG"));
    EXPECT_EQ(imageAt(0)->imageType(), QStringLiteral("PNG")) << "a GIF is kept as PNG";
    EXPECT_EQ(imageAt(0)->imageName(), QStringLiteral("image2"));
}

TEST_F(ImageInsertionTest, WidePicturesAreInsertedAtTheWidthLimitAndTallOnesAsTheyAre)
{
    panels.choose({pictureFile(QStringLiteral("wide.png"), 1200, 900),
                   pictureFile(QStringLiteral("tall.png"), 500, 2000)});
    view->addNewImage();
    ASSERT_EQ(document.graphics().size(), 2);
    const QPointF origin = view->calculateOriginPoint();
    EXPECT_EQ(imageAt(1)->bounds(), QRectF(origin, QSizeF(600, 450)));
    EXPECT_EQ(imageAt(0)->bounds(), QRectF(origin + QPointF(20, 0), QSizeF(500, 2000)));
    EXPECT_EQ(imageAt(1)->_contents().size(), QSize(1200, 900)) << "the picture itself keeps its pixels";

    DataCentre::mutableProfile().maxImportedImageWidth = 300;
    panels.choose({pictureFile(QStringLiteral("wide.png"), 1200, 900)});
    view->addNewImage();
    EXPECT_EQ(imageAt(0)->bounds().size(), QSizeF(300, 225));
}

TEST_F(ImageInsertionTest, UnreadableAndEmptyFilesAreSkippedAndLogged)
{
    const QString empty = pathInHome(QStringLiteral("pictures/empty.png"));
    QFile(empty).open(QIODevice::WriteOnly);
    const QString text = pathInHome(QStringLiteral("pictures/text.jpg"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    panels.choose({empty, pictureFile(QStringLiteral("a.png"), 10, 10), text,
                   pictureFile(QStringLiteral("b.png"), 11, 10)});
    LogCapture log;
    view->concludeDragOperation({QStringLiteral("velk_photo")}, QPointF(0, 0));
    ASSERT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(imageAt(1)->bounds(), QRectF(0, 0, 10, 10));
    EXPECT_EQ(imageAt(0)->bounds(), QRectF(20, 0, 11, 10));
    EXPECT_EQ(log.linesContaining(QStringLiteral("could not be read")).size(), 2);
}

TEST_F(ImageInsertionTest, CancellingAnOpenPanelChangesNothing)
{
    panels.cancel();
    view->addNewImage();
    panels.cancel();
    view->concludeDragOperation({QStringLiteral("velk_pdf")}, QPointF(0, 0));
    const std::shared_ptr<SKTImage> image = selectedImage(QRectF(0, 0, 30, 20), picture(30, 20));
    const int changes = document.documentChangedCounter();
    panels.cancel();
    view->launchReplaceImage();
    EXPECT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(image->bounds(), QRectF(0, 0, 30, 20));
    EXPECT_EQ(document.documentChangedCounter(), changes);
    EXPECT_EQ(panels.requestCount(), 3);
}

TEST_F(ImageInsertionTest, APdfPutsItsFirstPageInFrontFiftyPointsRightPerPage)
{
    panels.choose({pdfFile(kPageColors)});
    view->concludeDragOperation({QStringLiteral("velk_pdf")}, QPointF(30, 40));

    EXPECT_EQ(panels.lastRequest().title, QStringLiteral("Add PDF file"));
    EXPECT_EQ(panels.lastRequest().allowedFileTypes, QStringList({"pdf", "PDF"}));
    EXPECT_FALSE(panels.lastRequest().allowsMultipleSelection);
    ASSERT_EQ(document.graphics().size(), 4);
    for (int index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        const std::shared_ptr<SKTImage> page = imageAt(index);
        EXPECT_EQ(page->bounds(), QRectF(30 + 50 * (3 - index), 40, 200, 100));
        EXPECT_EQ(page->imageType(), QStringLiteral("JPG"));
        EXPECT_TRUE(closeTo(page->_contents().pixel(100, 50), kPageColors.at(index)));
    }
    EXPECT_TRUE(QFileInfo::exists(
        QDir(DataCentre::profile().workingFolderPath).filePath(QStringLiteral("temp.jpg"))));
}

TEST_F(ImageInsertionTest, AFileThatIsNoPdfAddsNothing)
{
    panels.choose({pictureFile(QStringLiteral("a.png"), 10, 10)});
    view->concludeDragOperation({QStringLiteral("velk_pdf")}, QPointF(0, 0));
    EXPECT_TRUE(document.graphics().isEmpty());
}

TEST_F(ImageInsertionTest, ReplacingKeepsThePlaceAndWidthAndTakesTheNewProportion)
{
    const std::shared_ptr<SKTImage> image = selectedImage(QRectF(10, 20, 300, 200), picture(300, 200));
    const int changes = document.documentChangedCounter();
    panels.choose({pictureFile(QStringLiteral("square.png"), 50, 50, Qt::magenta)});
    view->launchReplaceImage();

    EXPECT_EQ(panels.lastRequest().prompt, QStringLiteral("Select"));
    EXPECT_EQ(panels.lastRequest().allowedFileTypes,
              QStringList({"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"}));
    EXPECT_EQ(image->bounds(), QRectF(10, 20, 300, 300));
    EXPECT_EQ(image->imageType(), QStringLiteral("PNG"));
    EXPECT_EQ(image->imageName(), QStringLiteral("image0"));
    EXPECT_EQ(image->_contents().size(), QSize(50, 50));
    EXPECT_EQ(image->inputImage().size(), QSize(50, 50));
    EXPECT_EQ(document.documentChangedCounter(), changes + 1);
    EXPECT_TRUE(samePixels(readFile(QDir(pageFolder).filePath(QStringLiteral("image0o.PNG"))),
                           picture(50, 50, Qt::magenta)));
}

TEST_F(ImageInsertionTest, TheCropSheetReplacesThePictureByTheChosenPart)
{
    QImage contents = picture(60, 40);
    contents.setPixel(10, 5, qRgb(0, 0, 255));
    const std::shared_ptr<SKTImage> image = selectedImage(QRectF(0, 0, 120, 80), contents);
    view->launchCropImagePanel();
    CropImageWindowController* sheet = view->cropImageWindowController();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->findChild<QLabel*>(QStringLiteral("informationalTextLabel"))->text(),
              QStringLiteral("Drop an Image Here"));
    EXPECT_EQ(sheet->cropRect(), QRect(0, 0, 60, 40)) << "the whole picture to start with";

    sheet->findChild<QSpinBox*>(QStringLiteral("cropXField"))->setValue(10);
    sheet->findChild<QSpinBox*>(QStringLiteral("cropYField"))->setValue(5);
    sheet->findChild<QSpinBox*>(QStringLiteral("cropWidthField"))->setValue(20);
    sheet->findChild<QSpinBox*>(QStringLiteral("cropHeightField"))->setValue(30);
    EXPECT_EQ(sheet->cropRect(), QRect(10, 5, 20, 30));
    QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("setButton")), Qt::LeftButton);

    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(image->_contents().size(), QSize(20, 30));
    EXPECT_EQ(image->_contents().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image->bounds(), QRectF(0, 0, 120, 180)) << "the width stays";
    EXPECT_EQ(image->imageType(), QStringLiteral("JPG")) << "cropping keeps the type";
    EXPECT_TRUE(QFileInfo::exists(QDir(pageFolder).filePath(QStringLiteral("image0o.JPG"))));
}

TEST_F(ImageInsertionTest, CancellingTheCropSheetOrDraggingOutsideThePictureChangesNothing)
{
    const std::shared_ptr<SKTImage> image = selectedImage(QRectF(0, 0, 60, 40), picture(60, 40));
    view->launchCropImagePanel();
    CropImageWindowController* sheet = view->cropImageWindowController();
    ASSERT_TRUE(sheet);
    QWidget* cropView = sheet->findChild<QWidget*>(QStringLiteral("cropImageView"));
    ASSERT_TRUE(cropView);
    // A drag across the view draws a crop rectangle, kept inside the picture.
    QTest::mousePress(cropView, Qt::LeftButton, {}, QPoint(1, 1));
    QMouseEvent move(QEvent::MouseMove, QPointF(cropView->width() / 2, cropView->height() / 2),
                     cropView->mapToGlobal(QPointF(cropView->width() / 2, cropView->height() / 2)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(cropView, &move);
    EXPECT_EQ(sheet->cropRect().topLeft(), QPoint(0, 0));
    EXPECT_EQ(sheet->cropRect().size(), QSize(30, 20));
    sheet->findChild<QComboBox*>(QStringLiteral("effectPopUpButton"))->setCurrentIndex(1);
    EXPECT_TRUE(sheet->outputImage().allGray());
    QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
    EXPECT_EQ(image->_contents().size(), QSize(60, 40));
    EXPECT_EQ(image->bounds(), QRectF(0, 0, 60, 40));
}

TEST_F(ImageInsertionTest, ClickToEnlargeActsOnTheSelectedImagesOnly)
{
    selectedImage(QRectF(0, 0, 20, 20), picture(20, 20));
    auto text = std::make_shared<SKTText>();
    document.insertGraphics({text}, {1});
    view->changeSelectionIndexes({0, 1});
    view->setClickToEnlargeDark();
    EXPECT_EQ(imageAt(0)->imageEnlargeFlag(), 1);
    EXPECT_EQ(imageAt(0)->backdropLightingFlag(), 1);
    EXPECT_EQ(text->imageEnlargeFlag(), 0);
    view->disableClickToEnlarge();
    EXPECT_EQ(imageAt(0)->imageEnlargeFlag(), 0);
    EXPECT_EQ(imageAt(0)->backdropLightingFlag(), 1) << "the backdrop stays";
    view->setClickToEnlargeLight();
    EXPECT_EQ(imageAt(0)->backdropLightingFlag(), 0);
}

TEST_F(ImageInsertionTest, TheContextMenuOffersTheImageCommandsForImagesOnly)
{
    QWidget owner;
    QMenu* menu = CanvasContextMenu::build(*view, &owner);
    const auto item = [menu](const char* name) { return menu->findChild<QAction*>(QLatin1String(name)); };
    const char* const commands[] = {"launchCropImagePanel", "launchReplaceImage",
                                    "showClickToEnlargeOptions"};

    selectedImage(QRectF(0, 0, 20, 20), picture(20, 20));
    CanvasContextMenu::validate(*menu, *view);
    for (const char* command : commands) {
        ASSERT_TRUE(item(command)) << command;
        EXPECT_TRUE(item(command)->isVisible()) << command;
    }
    for (const char* command : {"setClickToEnlargeLight", "setClickToEnlargeDark", "setClickToEnlargeClear",
                                "disableClickToEnlarge"})
        EXPECT_TRUE(item(command)) << command;

    auto text = std::make_shared<SKTText>();
    document.insertGraphics({text}, {0});
    view->changeSelectionIndexes({0});
    CanvasContextMenu::validate(*menu, *view);
    for (const char* command : commands)
        EXPECT_FALSE(item(command)->isVisible()) << command;

    DataCentre::mutableProfile().hideClickToEnlarge = true;
    view->changeSelectionIndexes({1});
    CanvasContextMenu::validate(*menu, *view);
    EXPECT_TRUE(item("launchCropImagePanel")->isVisible());
    EXPECT_FALSE(item("showClickToEnlargeOptions")->isVisible());

    // The menu bar's image command reaches the canvas by its name.
    EXPECT_GE(view->metaObject()->indexOfMethod("addNewImage()"), 0);
}

} // namespace
