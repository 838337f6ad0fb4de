#include "GalleryTestSupport.h"

#include "canvas/galleries/GalleryGridCaptionViewController.h"
#include "canvas/galleries/GalleryGridEditor.h"
#include "model/SKTTable.h"
#include "platform/SegmentedControl.h"
#include "support/LogCapture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

// The gallery grid window, the caption popover of a gallery picture and the bulk adding of picture files
// into consecutive cells of a gallery or a table.

namespace {

struct Spot {
    int row;
    int column;
    bool operator==(const Spot&) const = default;
};

QList<Spot> spotsOf(const TransformViewList& pictures)
{
    QList<Spot> spots;
    for (const std::shared_ptr<TransformView>& picture : pictures)
        spots.append({picture->rowSpot(), picture->columnSpot()});
    return spots;
}

void clickSegment(SegmentedControl& control, int segment)
{
    const QList<QToolButton*> buttons = control.findChildren<QToolButton*>();
    ASSERT_GT(buttons.size(), segment);
    QTest::mouseClick(buttons.at(segment), Qt::LeftButton);
}

class GalleryGridTest : public GalleryCanvasTest {
protected:
    // 4 columns and 3 rows of 100 x 100 cells.
    void SetUp() override
    {
        GalleryCanvasTest::SetUp();
        gallery = addGallery(4, 3, QRectF(0, 0, 400, 300));
    }

    GalleryGridEditorWindowController& openWindow()
    {
        openMenuAt(gallery, QPointF(50, 50));
        choose("configureGalleryGrid");
        GalleryGridEditorWindowController* window =
            view->galleryGridEditor().galleryGridEditorWindowController();
        EXPECT_TRUE(window && window->isVisible());
        return *window;
    }

    std::shared_ptr<SKTGalleryGrid> gallery;
};

TEST_F(GalleryGridTest, EightFilesClickedInCellOneTwoFillTheSixCellsToTheEnd)
{
    gallery->setImageArray(
        {cellPicture(QStringLiteral("image40"), 1, 2), cellPicture(QStringLiteral("image41"), 0, 0)});
    const struct {
        const char* name;
        const char* type;
    } files[] = {{"a.png", "PNG"},  {"b.PNG", "PNG"}, {"c.jpeg", "JPG"}, {"d.jpg", "JPG"},
                 {"e.JPEG", "JPG"}, {"f.png", "PNG"}, {"g.png", "PNG"},  {"h.png", "PNG"}};
    QStringList paths;
    for (const auto& file : files)
        paths << pictureFile(QString::fromLatin1(file.name), 20 + int(paths.size()), 10);
    UserDefaults::standard().setInteger(1, QStringLiteral("SorrelRetinaFlag"));

    openMenuAt(gallery, QPointF(250.9, 150.9));
    panels.choose(paths);
    choose("addGalleryImage");

    const FilePanelRequest request = panels.lastRequest();
    EXPECT_EQ(request.title, QStringLiteral("Add one or more images to gallery"));
    EXPECT_EQ(request.prompt, QStringLiteral("Select"));
    EXPECT_EQ(request.allowedFileTypes, QStringList({"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"}));
    EXPECT_TRUE(request.allowsMultipleSelection);
    EXPECT_FALSE(request.canChooseDirectories);

    const TransformViewList pictures = gallery->imageArray();
    // The picture in (1, 2) was replaced; the one in (0, 0) stays.
    EXPECT_EQ(spotsOf(pictures), QList<Spot>({{0, 0}, {1, 2}, {1, 3}, {2, 0}, {2, 1}, {2, 2}, {2, 3}}));
    for (qsizetype i = 1; i < pictures.size(); ++i) {
        const TransformView& p = *pictures.at(i);
        const int file = int(i - 1);
        SCOPED_TRACE(files[file].name);
        EXPECT_EQ(p.imageName(), QStringLiteral("image%1").arg(42 + file));
        EXPECT_EQ(p.imageType(), QLatin1String(files[file].type));
        EXPECT_EQ(p.originalWidth(), 20 + file);
        EXPECT_EQ(p.originalHeight(), 10);
        EXPECT_EQ(p.imageEnlargeFlag(), 1);
        EXPECT_EQ(p.slideShowNumber(), -66);
        EXPECT_EQ(p.tableNumber(), kNoNumber);
        EXPECT_EQ(p.groupNumber(), kNoNumber);
        EXPECT_TRUE(p.retinaFlag());
        EXPECT_TRUE(keptOriginal(p.imageName() + QStringLiteral("o.") + p.imageType()));
    }
    EXPECT_FALSE(keptOriginal(QStringLiteral("image48o.PNG"))) << "the surplus files are ignored";
    EXPECT_TRUE(document.isDocumentEdited());
}

TEST_F(GalleryGridTest, AClickOnNoCellStartsInTheFirstCellAndFillsTheWholeGrid)
{
    gallery->setBounds(QRectF(100, 100, 200, 100));
    gallery->setNumOfColumns(2);
    gallery->setNumOfRows(1);
    openMenuAt(gallery, QPointF(20, 20));
    panels.choose({pictureFile(QStringLiteral("a.png"), 10, 10), pictureFile(QStringLiteral("b.png"), 10, 10),
                   pictureFile(QStringLiteral("c.png"), 10, 10)});
    choose("addGalleryImage");

    EXPECT_EQ(spotsOf(gallery->imageArray()), QList<Spot>({{0, 0}, {0, 1}}));
    EXPECT_FALSE(keptOriginal(QStringLiteral("image2o.PNG"))) << "no original is written for a dropped file";
}

TEST_F(GalleryGridTest, AnUnreadableFileIsSkippedAndLoggedAndTakesNoCell)
{
    const LogCapture log;
    openMenuAt(gallery, QPointF(50, 50));
    panels.choose({pictureFile(QStringLiteral("a.png"), 10, 10), brokenFile(QStringLiteral("broken.png")),
                   pictureFile(QStringLiteral("c.jpg"), 10, 10)});
    choose("addGalleryImage");

    EXPECT_EQ(spotsOf(gallery->imageArray()), QList<Spot>({{0, 0}, {0, 1}}));
    EXPECT_EQ(gallery->imageArray().at(1)->imageName(), QStringLiteral("image1"));
    EXPECT_EQ(log.linesContaining(QStringLiteral("broken.png")).size(), 1);
}

TEST_F(GalleryGridTest, TablePicturesFillTheCellsFromTheClickedOneAndAreDeletedByCell)
{
    DataCentre::mutableProfile().tableImages = true;
    document.removeGraphicAtIndex(0);
    view->addTable_drag(QPointF(0, 0));
    const auto table = std::dynamic_pointer_cast<SKTTable>(document.graphics().first());
    ASSERT_TRUE(table);
    // One row of four cells.
    openMenuAt(table, table->grabSelectedCellRect(0, 2).center());
    panels.choose({pictureFile(QStringLiteral("a.png"), 30, 10), pictureFile(QStringLiteral("b.jpg"), 30, 10),
                   pictureFile(QStringLiteral("c.jpg"), 30, 10)});
    choose("addGalleryImageToTable");
    EXPECT_EQ(panels.lastRequest().title, QStringLiteral("Add one or more images"));
    const TransformViewList pictures = table->imageArray();
    ASSERT_EQ(spotsOf(pictures), QList<Spot>({{0, 2}, {0, 3}}));
    EXPECT_EQ(pictures.first()->slideShowNumber(), kNoNumber);
    EXPECT_EQ(pictures.first()->galleryNumber(), kNoNumber);
    EXPECT_EQ(pictures.first()->imageEnlargeFlag(), 1);

    openMenuAt(table, table->grabSelectedCellRect(0, 3).center());
    choose("deleteTableImage");
    EXPECT_EQ(table->imageArray(), TransformViewList({pictures.first()}));
    EXPECT_TRUE(keptOriginal(QStringLiteral("image1o.JPG"))) << "the files stay";
}

TEST_F(GalleryGridTest, TheWindowChangesTheGalleryAtOnceAndDropsOutsidePicturesOnlyOnSave)
{
    gallery->setImageArray(
        {cellPicture(QStringLiteral("image0"), 0, 3), cellPicture(QStringLiteral("image1"), 0, 2)});
    GalleryGridEditorWindowController& window = openWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Configure Gallery Grid"));
    EXPECT_EQ(window.numOfColumnsTextField()->text(), QStringLiteral("4"));
    EXPECT_EQ(window.numOfRowsTextField()->text(), QStringLiteral("3"));
    EXPECT_EQ(window.spacingTextField()->text(), QStringLiteral("5"));
    EXPECT_EQ(window.spacingSlider()->maximum(), 20);
    EXPECT_EQ(window.columnStepper()->minimum(), 1);

    window.columnStepper()->stepDown();
    EXPECT_EQ(gallery->numOfColumns(), 3);
    EXPECT_EQ(window.numOfColumnsTextField()->text(), QStringLiteral("3"));
    EXPECT_EQ(gallery->imageArray().size(), 2) << "until Save";

    QLineEdit* rows = window.numOfRowsTextField();
    rows->clear();
    QTest::keyClicks(rows, QStringLiteral("2"));
    EXPECT_EQ(gallery->numOfRows(), 2);
    EXPECT_EQ(window.rowStepper()->value(), 2);
    rows->clear();
    QTest::keyClick(rows, Qt::Key_Backspace);
    EXPECT_EQ(gallery->numOfRows(), 2) << "an empty field changes nothing";

    window.spacingSlider()->setValue(12);
    EXPECT_EQ(gallery->padding(), 12);
    EXPECT_EQ(window.spacingTextField()->text(), QStringLiteral("12"));
    clickSegment(*window.shadowSegmentedControl(), 1);
    EXPECT_EQ(gallery->shadowFlag(), 1);
    clickSegment(*window.backdropSegmentedControl(), 1);
    EXPECT_EQ(gallery->backdropLightingFlag(), 1);

    window.spacingTextField()->setText(QStringLiteral("7"));
    QTest::mouseClick(window.saveButton(), Qt::LeftButton);
    EXPECT_EQ(gallery->padding(), 7);
    EXPECT_EQ(spotsOf(gallery->imageArray()), QList<Spot>({{0, 2}}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(document.isDocumentEdited());

    // The window is kept and filled again from the gallery it opens on.
    EXPECT_EQ(&openWindow(), &window);
    EXPECT_EQ(window.shadowSegmentedControl()->selectedSegment(), 1);
    EXPECT_EQ(window.backdropSegmentedControl()->selectedSegment(), 1);
    EXPECT_EQ(window.numOfColumnsTextField()->text(), QStringLiteral("3"));
}

TEST_F(GalleryGridTest, TheCaptionPopoverStoresCaptionAndLinkOfThePictureUnderTheClick)
{
    const auto picture = cellPicture(QStringLiteral("image0"), 1, 1);
    gallery->setImageArray({picture});
    openMenuAt(gallery, QPointF(50, 50));
    EXPECT_FALSE(offered("configureGalleryImageCaption")) << "no picture under the click";

    openMenuAt(gallery, QPointF(150, 150));
    choose("configureGalleryImageCaption");
    GalleryGridCaptionViewController* caption = view->galleryGridCaptionViewController();
    ASSERT_TRUE(caption);
    ASSERT_TRUE(view->velkPopOver());
    EXPECT_TRUE(view->velkPopOver()->isVisible());
    EXPECT_EQ(view->velkPopOver()->content(), caption);
    EXPECT_TRUE(caption->captionTextField()->text().isEmpty());
    EXPECT_TRUE(caption->linkTextField()->text().isEmpty());
    EXPECT_FALSE(picture->altText().isNull());
    EXPECT_TRUE(picture->altText().isEmpty());
    EXPECT_FALSE(picture->link().isNull());

    QTest::keyClicks(caption->captionTextField(), QStringLiteral(" Sunset at sea "));
    QTest::keyClicks(caption->linkTextField(), QStringLiteral("page2.html"));
    QTest::mouseClick(caption->saveButton(), Qt::LeftButton);
    EXPECT_EQ(picture->altText(), QStringLiteral(" Sunset at sea "));
    EXPECT_EQ(picture->link(), QStringLiteral("page2.html"));
    EXPECT_FALSE(view->velkPopOver()->isVisible());

    DataCentre::mutableProfile().hideGalleryCaptionEdit = true;
    openMenuAt(gallery, QPointF(150, 150));
    EXPECT_FALSE(offered("configureGalleryImageCaption"));
}

} // namespace
