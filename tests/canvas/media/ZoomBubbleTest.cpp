#include "ImageTestSupport.h"

#include "canvas/media/ZoomBubble.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTText.h"

#include <QMenu>
#include <QPainter>

// Create Zoom Bubble of the canvas's context menu: the part of the picture under a zoom bubble box,
// three times enlarged, becomes a new image at the box's place.

namespace {

TEST(ZoomBubbleGeometry, TheSourceFollowsThePicturesScaleAndTheFrameTheWidthLimit)
{
    // A 1200-pixel picture shown 600 wide and 400 high at (10, 20); the box 100 x 100 at offset (50, 40).
    EXPECT_EQ(ZoomBubble::sourceRect(QRectF(60, 60, 100, 100), QRectF(10, 20, 600, 400), 1200),
              QRectF(100, 520, 200, 200));
    // Offsets and sizes on the canvas are cut to whole points first.
    EXPECT_EQ(ZoomBubble::sourceRect(QRectF(60.7, 60.9, 100.5, 100.5), QRectF(10, 20, 600, 400), 1200),
              QRectF(100, 518, 200, 200));

    EXPECT_EQ(ZoomBubble::frameSize(QSizeF(900, 600), 0), QSizeF(600, 400));
    EXPECT_EQ(ZoomBubble::frameSize(QSizeF(300, 300), 0), QSizeF(300, 300));
    EXPECT_EQ(ZoomBubble::frameSize(QSizeF(700, 301), 350), QSizeF(350, 150));
}

class ZoomBubbleTest : public ImageCanvasTest {
protected:
    // Whether the context menu opened at the point offers the command.
    bool offered(const QPointF& at = QPointF())
    {
        const QAction* item =
            view->menuForEvent(at)->findChild<QAction*>(QStringLiteral("createZoomBubble"));
        return item && item->isVisible() && item->isEnabled();
    }
    // A grey picture 1200 x 800 with a green square where the box over it will lie, shown at half size.
    std::shared_ptr<SKTImage> addPhoto()
    {
        QImage photo(1200, 800, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        QPainter(&photo).fillRect(QRect(100, 80, 200, 200), Qt::green);
        auto image = std::make_shared<SKTImage>();
        image->set_contents(photo);
        image->setBounds(QRectF(10, 20, 600, 400));
        image->setSelectable(true);
        document.insertGraphics({image}, {int(document.graphics().size())});
        return image;
    }
    std::shared_ptr<SKTText> bubbleAt(int index) const
    {
        return std::dynamic_pointer_cast<SKTText>(document.graphics().value(index));
    }
};

TEST_F(ZoomBubbleTest, ABubbleOverAPictureBecomesTheEnlargedPartUnderIt)
{
    addPhoto();
    view->addZoomBubbleTextbox_drag(QPointF(60, 60), 10, QStringLiteral("circle"), 1);
    const std::shared_ptr<SKTText> box = bubbleAt(0);
    ASSERT_TRUE(box);
    selection.setSelectedGraphics({box});
    ASSERT_TRUE(offered());
    view->menu()->findChild<QAction*>(QStringLiteral("createZoomBubble"))->trigger();

    ASSERT_EQ(document.graphics().size(), 3);
    const std::shared_ptr<SKTImage> zoomed = imageAt(0);
    ASSERT_TRUE(zoomed);
    EXPECT_EQ(zoomed->bounds(), QRectF(60, 60, 300, 300));
    const QImage picture = zoomed->_contents();
    EXPECT_EQ(picture.size(), QSize(300, 300));
    for (const QPoint& at : {QPoint(4, 4), QPoint(150, 150), QPoint(295, 295)})
        EXPECT_EQ(QColor(picture.pixel(at)), QColor(Qt::green)) << at.x() << "," << at.y();
    EXPECT_EQ(zoomed->borderStyle(), QStringLiteral("solid"));
    EXPECT_EQ(zoomed->borderHexColorString(), QStringLiteral("FFFFFF"));
    EXPECT_EQ(zoomed->borderWidth(), 3);
    EXPECT_EQ(zoomed->bubbleFlag(), 1) << "a round bubble clips the new image";
    EXPECT_EQ(zoomed->bubbleShape(), QStringLiteral("circle"));
    EXPECT_EQ(document.graphics().at(1), box) << "the box stays on the page";
}

TEST_F(ZoomBubbleTest, ARectangularBubbleGivesAnUnclippedImageNoWiderThanTheLimit)
{
    DataCentre::mutableProfile().maxImportedImageWidth = 200;
    addPhoto();
    view->addZoomBubbleTextbox_drag(QPointF(60, 60), 0, QStringLiteral("rectangle"), 1);
    selection.setSelectedGraphics({bubbleAt(0)});
    view->createZoomBubble();
    const std::shared_ptr<SKTImage> zoomed = imageAt(0);
    ASSERT_TRUE(zoomed);
    EXPECT_EQ(zoomed->bounds(), QRectF(60, 60, 200, 200));
    EXPECT_EQ(zoomed->bubbleFlag(), 0);
}

TEST_F(ZoomBubbleTest, OnlyAZoomBubbleInFrontOfAPictureIsOffered)
{
    const auto photo = addPhoto();
    view->addZoomBubbleTextbox_drag(QPointF(60, 60), 0, QStringLiteral("rectangle"), 1);
    const std::shared_ptr<SKTText> box = bubbleAt(0);
    selection.setSelectedGraphics({box});
    EXPECT_TRUE(offered());

    // The picture brought in front of the box.
    document.removeGraphicsAtIndexes({1});
    document.insertGraphics({photo}, {0});
    selection.setSelectedGraphics({box});
    EXPECT_FALSE(offered());

    // A box beside the picture, and a grey shape box over it.
    view->addZoomBubbleTextbox_drag(QPointF(700, 20), 0, QStringLiteral("rectangle"), 1);
    selection.setSelectedGraphics({bubbleAt(0)});
    EXPECT_FALSE(offered());
    view->addZoomBubbleTextbox_drag(QPointF(60, 60), 0, QStringLiteral("rectangle"), 0);
    selection.setSelectedGraphics({bubbleAt(0)});
    EXPECT_FALSE(offered());
    selection.setSelectedGraphics({box, photo});
    EXPECT_FALSE(offered());
}

TEST_F(ZoomBubbleTest, OverAGalleryThePictureIsTheOneInTheCellOfTheLastClick)
{
    // Two cells side by side, a red picture left and a blue one right, each shown at its own size.
    auto gallery = std::make_shared<SKTGalleryGrid>();
    gallery->setBounds(QRectF(0, 0, 400, 200));
    gallery->setNumOfRows(1);
    gallery->setNumOfColumns(2);
    TransformViewList pictures;
    for (const auto& [column, color] : {std::pair{0, QColor(Qt::red)}, std::pair{1, QColor(Qt::blue)}}) {
        auto record = std::make_shared<TransformView>();
        record->setRowSpot(0);
        record->setColumnSpot(column);
        record->setImage(picture(200, 200, color));
        record->setGalleryDimension(QRectF(200 * column, 0, 200, 200));
        pictures << record;
    }
    gallery->setImageArray(pictures);
    gallery->setSelectable(true);
    document.insertGraphics({gallery}, {0});
    // The box straddles both pictures.
    view->addZoomBubbleTextbox_drag(QPointF(150, 50), 0, QStringLiteral("rectangle"), 1);
    selection.setSelectedGraphics({bubbleAt(0)});

    ASSERT_TRUE(offered(QPointF(100, 100)));
    view->createZoomBubble();
    EXPECT_EQ(QColor(imageAt(0)->_contents().pixel(30, 150)), QColor(Qt::red));

    ASSERT_TRUE(offered(QPointF(300, 100)));
    view->createZoomBubble();
    EXPECT_EQ(QColor(imageAt(0)->_contents().pixel(270, 150)), QColor(Qt::blue));
}

} // namespace
