#include "WindowTestSupport.h"

#include "model/SKTGalleryGrid.h"

// The Add New menu's gallery, sent to the window whichever control has the focus.

namespace {

class GalleryMenuTest : public WindowTest {};

TEST_F(GalleryMenuTest, TheAddNewMenusGalleryGoesOnTheCanvasAtTheInsertionPoint)
{
    SKTWindowController& window = openWindow();
    const QPointF origin = window.graphicView()->calculateOriginPoint();
    ASSERT_TRUE(QMetaObject::invokeMethod(&window, "addNewGallery"));

    const GraphicList graphics = window.document()->graphics();
    ASSERT_EQ(graphics.size(), 1);
    const auto gallery = std::dynamic_pointer_cast<SKTGalleryGrid>(graphics.first());
    ASSERT_TRUE(gallery);
    EXPECT_EQ(gallery->bounds(), QRectF(int(origin.x()), int(origin.y()), 500, 200));
    EXPECT_EQ(gallery->numOfColumns(), 4);
}

} // namespace
