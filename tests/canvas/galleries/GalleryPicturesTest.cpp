#include "GalleryTestSupport.h"

#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "support/LogCapture.h"

// The context menu's commands on gallery, table and slideshow pictures, and the two gallery objects of the
// object library.

namespace {

const QStringList kPictureTypes{"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"};

class GalleryPicturesTest : public GalleryCanvasTest {
protected:
    // A gallery of four 100-point cells in a row, picture i in column i.
    std::shared_ptr<SKTGalleryGrid> rowOfFour()
    {
        auto gallery = addGallery(4, 1, QRectF(0, 0, 400, 100));
        TransformViewList pictures;
        for (int column = 0; column < 4; ++column)
            pictures << cellPicture(QStringLiteral("image%1").arg(column), 0, column);
        gallery->setImageArray(pictures);
        return gallery;
    }

    static QString nameAt(const SKTGalleryGrid& gallery, int row, int column)
    {
        const std::shared_ptr<TransformView> picture = gallery.grabSelectedImageAtSpot(row, column);
        return picture ? picture->imageName() : QString();
    }

    std::shared_ptr<SKTGalleryGrid> galleryAt(int index) const
    {
        return std::dynamic_pointer_cast<SKTGalleryGrid>(document.graphics().value(index));
    }
};

TEST_F(GalleryPicturesTest, InARowOfFourOnlyTheFirstThreeMoveRightAndNoneMovesUpOrDown)
{
    const auto gallery = rowOfFour();
    for (int column = 0; column < 4; ++column) {
        SCOPED_TRACE(column);
        openMenuAt(gallery, QPointF(column * 100 + 50, 50));
        EXPECT_TRUE(offered("galleryEditMenu"));
        EXPECT_EQ(offered("moveImageRight"), column < 3);
        EXPECT_EQ(offered("moveImageLeft"), column > 0);
        EXPECT_FALSE(offered("moveImageUp"));
        EXPECT_FALSE(offered("moveImageDown"));
    }
}

TEST_F(GalleryPicturesTest, MovingLeftAndThenRightRestoresTheOrderAndAnEmptyCellTakesThePictureAlone)
{
    const auto gallery = rowOfFour();
    openMenuAt(gallery, QPointF(150, 50));
    choose("moveImageLeft");
    EXPECT_EQ(nameAt(*gallery, 0, 0), QStringLiteral("image1"));
    EXPECT_EQ(nameAt(*gallery, 0, 1), QStringLiteral("image0"));
    openMenuAt(gallery, QPointF(50, 50));
    choose("moveImageRight");
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(nameAt(*gallery, 0, column), QStringLiteral("image%1").arg(column));

    gallery->setNumOfRows(2);
    openMenuAt(gallery, QPointF(250, 25));
    choose("moveImageDown");
    EXPECT_EQ(nameAt(*gallery, 1, 2), QStringLiteral("image2"));
    EXPECT_TRUE(nameAt(*gallery, 0, 2).isNull());
    EXPECT_TRUE(document.isDocumentEdited());
}

TEST_F(GalleryPicturesTest, AReplacementTakesTheClickedCellAndADeletionLeavesTheOthers)
{
    const auto gallery = rowOfFour();
    openMenuAt(gallery, QPointF(250, 50));
    panels.choose({pictureFile(QStringLiteral("new.png"), 12, 10)});
    choose("replaceGalleryImage");
    const FilePanelRequest request = panels.lastRequest();
    EXPECT_TRUE(request.title.isEmpty());
    EXPECT_FALSE(request.allowsMultipleSelection);
    EXPECT_EQ(request.allowedFileTypes, kPictureTypes);
    EXPECT_EQ(nameAt(*gallery, 0, 2), QStringLiteral("image4"));
    EXPECT_EQ(gallery->imageArray().size(), 4);

    openMenuAt(gallery, QPointF(150, 50));
    choose("deleteGalleryImage");
    EXPECT_TRUE(nameAt(*gallery, 0, 1).isNull());
    EXPECT_EQ(gallery->imageArray().size(), 3);

    openMenuAt(gallery, QPointF(150, 50));
    EXPECT_FALSE(offered("deleteGalleryImage")) << "an empty cell has nothing to delete";
    EXPECT_FALSE(offered("replaceGalleryImage"));
}

TEST_F(GalleryPicturesTest, ABackgroundPictureTakesTheTablesWidthInItsProportionAndTheNextName)
{
    view->addTable_drag(QPointF(0, 0));
    const auto table = std::dynamic_pointer_cast<SKTTable>(document.graphics().first());
    ASSERT_TRUE(table);
    table->setBounds(QRectF(0, 0, 800, 200));
    ASSERT_EQ(int(table->bounds().width()), 800);
    auto old = cellPicture(QStringLiteral("image3"), kNoNumber, kNoNumber);
    table->setTableBackgroundImage(old);

    openMenuAt(table, QPointF(10, 10));
    panels.choose({pictureFile(QStringLiteral("wide.jpeg"), 1000, 500)});
    choose("addSectionBackgroundImage");
    EXPECT_EQ(panels.lastRequest().title, QStringLiteral("Select image"));
    EXPECT_FALSE(panels.lastRequest().allowsMultipleSelection);

    const std::shared_ptr<TransformView> background = table->tableBackgroundImage();
    ASSERT_TRUE(background && background != old);
    EXPECT_EQ(background->image().deviceIndependentSize(), QSizeF(800, 400));
    EXPECT_EQ(background->imageName(), QStringLiteral("image4"));
    EXPECT_EQ(background->imageType(), QStringLiteral("JPG"));
    EXPECT_TRUE(background->forceNonRetinaFlag());
    EXPECT_EQ(background->imageEnlargeFlag(), kNoNumber);
    EXPECT_EQ(background->slideShowNumber(), kNoNumber);
    EXPECT_EQ(background->rowSpot(), kNoNumber);
    EXPECT_EQ(background->columnSpot(), kNoNumber);
    EXPECT_FALSE(keptOriginal(QStringLiteral("image4o.JPG"))) << "a background keeps no original";
    // Backgrounds count when pictures are numbered.
    EXPECT_EQ(view->getNextImageName(), QStringLiteral("image5"));

    openMenuAt(table, QPointF(10, 10));
    choose("removeTableBackgroundImage");
    EXPECT_EQ(table->tableBackgroundImage(), nullptr);
}

TEST_F(GalleryPicturesTest, SlidesAddedAfterImageFourAreImageFiveAndSix)
{
    auto image = std::make_shared<SKTImage>();
    image->setImageName(QStringLiteral("image4"));
    document.insertGraphics({image}, {0});
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->setBounds(QRectF(0, 0, 300, 200));
    slideshow->setSlideNumber(3);
    document.insertGraphics({slideshow}, {0});

    openMenuAt(slideshow, QPointF(50, 50));
    panels.choose(
        {pictureFile(QStringLiteral("a.png"), 40, 30), pictureFile(QStringLiteral("b.jpg"), 50, 30)});
    choose("addSlideshowImage");
    EXPECT_EQ(panels.lastRequest().title, QStringLiteral("Add one or more images to slideshow"));
    EXPECT_TRUE(panels.lastRequest().allowsMultipleSelection);

    const TransformViewList slides = slideshow->imageArray();
    ASSERT_EQ(slides.size(), 2);
    EXPECT_EQ(slides.at(0)->imageName(), QStringLiteral("image5"));
    EXPECT_EQ(slides.at(1)->imageName(), QStringLiteral("image6"));
    EXPECT_EQ(slides.at(0)->imageType(), QStringLiteral("PNG"));
    EXPECT_EQ(slides.at(1)->imageType(), QStringLiteral("JPG"));
    EXPECT_EQ(slides.at(1)->originalWidth(), 50);
    EXPECT_EQ(slides.at(1)->slideNumber(), 3);
    EXPECT_EQ(slides.at(1)->imageEnlargeFlag(), 0);
    EXPECT_EQ(slides.at(1)->galleryNumber(), kNoNumber);
    EXPECT_EQ(slides.at(1)->tableNumber(), kNoNumber);
    EXPECT_TRUE(keptOriginal(QStringLiteral("image6o.JPG")));
    EXPECT_EQ(slideshow->currentImageIndex(), 1);
}

TEST_F(GalleryPicturesTest, SlidesWithoutASlideshowAreLoggedAndNothingIsWritten)
{
    const LogCapture log;
    view->addSlideshowImage();
    EXPECT_EQ(panels.requestCount(), 0);
    EXPECT_EQ(log.linesContaining(QStringLiteral("selected slideshow is nil")).size(), 1);
}

TEST_F(GalleryPicturesTest, TheLibraryGalleriesAreMadeAtTheDropPointInFrontAsOneUndoStep)
{
    const auto back = addShape(QStringLiteral("back"), QRectF(0, 0, 10, 10));
    selection.setSelectedGraphics({back});
    // Each turn of the event loop is an undo step of its own.
    flushRepaints();
    const struct {
        const char* code;
        QSizeF size;
        int columns;
        int shadow;
        int backdrop;
    } cases[] = {{"velk_gallery", {500, 200}, 4, 0, 1}, {"velk_enlargeable_photo", {100, 150}, 1, 1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        view->concludeDragOperation({QString::fromLatin1(c.code)}, QPointF(12.7, 30.2));
        const auto made = galleryAt(0);
        ASSERT_TRUE(made);
        EXPECT_EQ(made->bounds(), QRectF(QPointF(12, 30), c.size));
        EXPECT_EQ(made->numOfColumns(), c.columns);
        EXPECT_EQ(made->numOfRows(), 1);
        EXPECT_EQ(made->padding(), 5);
        EXPECT_EQ(made->shadowFlag(), c.shadow);
        EXPECT_EQ(made->backdropLightingFlag(), c.backdrop);
        EXPECT_TRUE(made->imageArray().isEmpty());
        EXPECT_TRUE(made->selectable());
        EXPECT_EQ(view->selectedGraphics(), GraphicList({back})) << "the selection stays";
        flushRepaints();
        document.undoManager().undo();
        EXPECT_EQ(document.graphics(), GraphicList({back}));
    }
}

TEST_F(GalleryPicturesTest, InTheResponsiveDesignerANewGalleryTakesTheWidthOfTheSectionCell)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    profile.sectionWidth = 1170;
    profile.sectionHeight = 300;
    view->setCanvasSize(QSizeF(1200, 800));
    view->concludeDragOperation({QStringLiteral("velk_section3")}, QPointF(0, 0));
    const QPointF drop(450, 50);
    const QRect cell = view->grabOverLappingSectionCell(drop);
    ASSERT_FALSE(cell.isEmpty());

    view->concludeDragOperation({QStringLiteral("velk_gallery")}, drop);
    const auto made = galleryAt(0);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->bounds().x(), cell.x());
    EXPECT_EQ(made->bounds().width(), cell.width());
    EXPECT_NE(made->sectionNumber(), kNoNumber);
}

} // namespace
