#include "GeometryTestSupport.h"

#include "model/SKTLine.h"
#include "model/geometry/Handles.h"

#include <gtest/gtest.h>

namespace {

TEST(HandlesTest, HandlePointsAndFlipTables)
{
    const QRectF b(10, 20, 100, 50);
    const struct {
        int handle;
        QPointF point;
        int horizontalFlip, verticalFlip;
    } cases[] = {
        {1, {10, 20}, 3, 6},  {2, {60, 20}, 2, 7}, {3, {110, 20}, 1, 8}, {4, {10, 45}, 5, 4},
        {5, {110, 45}, 4, 5}, {6, {10, 70}, 8, 1}, {7, {60, 70}, 7, 2},  {8, {110, 70}, 6, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Handles::point(b, c.handle), c.point) << c.handle;
        EXPECT_EQ(Handles::flippedHorizontally(c.handle), c.horizontalFlip) << c.handle;
        EXPECT_EQ(Handles::flippedVertically(c.handle), c.verticalFlip) << c.handle;
    }
    EXPECT_EQ(Handles::flippedHorizontally(0), 0);
}

TEST(HandlesTest, HandleSizesFollowTheCanvasScale)
{
    const struct {
        float scale, drawn, hit;
    } cases[] = {{1, 10, 10}, {0.5f, 20, 20}, {2, 5, 5}, {4, 5, 2.5f}, {0, 10, 10}};
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(Handles::drawnSize(c.scale), c.drawn) << c.scale;
        EXPECT_FLOAT_EQ(Handles::hitSize(c.scale), c.hit) << c.scale;
    }
}

TEST(HandlesTest, HandleUnderPointUsesTheHitSquareOfTheScale)
{
    const struct {
        float scale;
        QPointF point;
        int handle;
    } cases[] = {
        {1, {104, 4}, 3},  {1, {95, 4}, 3},  {1, {94, 4}, 0},  {1, {105, 0}, 0},
        {1, {50, 50}, 7},  {1, {-5, 25}, 4}, {4, {101, 1}, 3}, {4, {98.75, 0}, 3},
        {4, {98.7, 0}, 0}, {4, {102, 0}, 0}, {1, {50, 25}, 0},
    };
    for (const auto& c : cases) {
        ScopedProfile profile;
        profile->canvasScale = c.scale;
        auto g = placedGraphic(QRectF(0, 0, 100, 50));
        EXPECT_EQ(g->handleUnderPoint(c.point), c.handle)
            << c.scale << " " << c.point.x() << "," << c.point.y();
    }
}

TEST(HandlesTest, AllEightHandlesAnswerOnResponsivePagesAndSectionsHaveLongBars)
{
    ScopedProfile profile;
    profile->responsiveDesign = true;
    auto g = placedGraphic(QRectF(0, 0, 100, 50));
    EXPECT_EQ(g->handleUnderPoint(QPointF(100, 25)), 5);

    auto section = placedSection(QRectF(0, 0, 400, 200), 1);
    // The bar of handle 1 runs from 50 left of it to 450 right of it, 10 high.
    EXPECT_EQ(section->handleUnderPoint(QPointF(300, 2)), 1);
    EXPECT_EQ(section->handleUnderPoint(QPointF(-49, -4)), 1);
    EXPECT_EQ(section->handleUnderPoint(QPointF(-51, 0)), 0);
}

struct ResizeCase {
    const char* name;
    bool responsive;
    QRectF start;
    int handle;
    QPointF to;
    QRectF expected;
    int answer;
};

TEST(ResizingTest, DraggingAHandleResizesAndFlipsAcrossTheOppositeSide)
{
    const ResizeCase cases[] = {
        {"handle 1 across the right side", false, {0, 0, 100, 50}, 1, {150, 20}, {100, 20, 50, 30}, 3},
        {"handle 8 above the top", false, {0, 0, 100, 50}, 8, {100, -20}, {0, -20, 100, 20}, 3},
        {"handle 8 out", false, {0, 0, 100, 50}, 8, {120, 70}, {0, 0, 120, 70}, 8},
        {"handle 4 only the width", false, {0, 0, 100, 50}, 4, {-10, 999}, {-10, 0, 110, 50}, 4},
        {"handle 2 only the height", false, {0, 0, 100, 50}, 2, {999, 10}, {0, 10, 100, 40}, 2},
        {"handle 6 through both sides", false, {0, 0, 100, 50}, 6, {130, -10}, {100, -10, 30, 10}, 3},
        {"down to nothing", false, {0, 0, 100, 50}, 7, {50, 0}, {0, 0, 100, 0}, 7},
        {"responsive handle 5 changes nothing", true, {0, 0, 100, 50}, 5, {150, 90}, {0, 0, 100, 50}, 5},
        {"responsive handle 7 only the height", true, {0, 0, 100, 50}, 7, {150, 90}, {0, 0, 100, 90}, 7},
        {"responsive handle 1 only top", true, {0, 0, 100, 50}, 1, {150, 20}, {0, 20, 100, 30}, 1},
    };
    for (const ResizeCase& c : cases) {
        ScopedProfile profile;
        profile->responsiveDesign = c.responsive;
        auto g = placedGraphic(c.start);
        EXPECT_EQ(g->resizeByMovingHandle(c.handle, c.to), c.answer) << c.name;
        EXPECT_EQ(g->bounds(), c.expected) << c.name;
    }
}

TEST(ResizingTest, ImagesKeepTheirProportions)
{
    ScopedProfile profile;
    auto image = std::make_shared<TestImage>();
    image->setBounds(QRectF(0, 0, 100, 50));
    image->resizeByMovingHandle(5, QPointF(200, 0));
    EXPECT_EQ(image->bounds(), QRectF(0, 0, 200, 100));
    EXPECT_EQ(image->originalRectUpdates, 1);

    image->resizeByMovingHandle(8, QPointF(0, 50));
    EXPECT_EQ(image->bounds(), QRectF(0, 0, 100, 50));

    image->resizeByMovingHandle(4, QPointF(150, 0));
    EXPECT_EQ(image->bounds(), QRectF(100, 0, 50, 25));
    EXPECT_EQ(image->horizontalFlips, 1);
    EXPECT_EQ(image->verticalFlips, 0);
}

TEST(ResizingTest, OnResponsivePagesAnImageKeepsItsShapeBySidePaddings)
{
    ScopedProfile profile;
    profile->responsiveDesign = true;
    auto image = std::make_shared<TestImage>();
    image->pictureSize = QSizeF(200, 100);
    image->setBounds(QRectF(0, 0, 400, 100));

    // 100 high, the picture is 200 wide: 100 spare on each side of the 400, 25 %.
    EXPECT_EQ(image->resizeByMovingHandle(7, QPointF(0, 100)), 7);
    EXPECT_EQ(image->bounds(), QRectF(0, 0, 400, 100));
    EXPECT_EQ(image->leftPadding(), 25);
    EXPECT_EQ(image->rightPadding(), 25);
    EXPECT_EQ(image->leftPaddingType(), QStringLiteral("%"));
    EXPECT_EQ(image->rightPaddingType(), QStringLiteral("%"));

    EXPECT_EQ(image->resizeByMovingHandle(7, QPointF(0, 150)), 7);
    EXPECT_EQ(image->bounds(), QRectF(0, 0, 400, 150));
    EXPECT_EQ(image->leftPadding(), 12);

    // Taller than the width allows: refused.
    image->resizeByMovingHandle(7, QPointF(0, 200));
    EXPECT_EQ(image->bounds(), QRectF(0, 0, 400, 150));
    EXPECT_EQ(image->leftPadding(), 12);
    EXPECT_EQ(image->originalRectUpdates, 0);
}

TEST(ResizingTest, WithoutOverlapAResizeIntoAnotherGraphicOrOutOfTheSectionIsRefused)
{
    ScopedProfile profile;
    profile->preventOverlap = true;
    RecordingContext context;
    auto section = placedSection(QRectF(0, 0, 400, 200), 1);
    auto g = placedGraphic(QRectF(10, 10, 50, 50), 1);
    auto other = placedGraphic(QRectF(100, 10, 50, 50), 1);
    context.setGraphics({section, g, other});

    LogCapture log;
    EXPECT_EQ(g->resizeByMovingHandle(5, QPointF(120, 30)), 5);
    EXPECT_EQ(g->bounds(), QRectF(10, 10, 50, 50));
    EXPECT_EQ(log.captured(), QStringList{QStringLiteral("overlap")});

    log.clear();
    g->resizeByMovingHandle(7, QPointF(30, 210));
    EXPECT_EQ(g->bounds(), QRectF(10, 10, 50, 50));
    EXPECT_EQ(log.captured(), QStringList{QStringLiteral("exceeded edge")});

    log.clear();
    g->resizeByMovingHandle(7, QPointF(30, 150));
    EXPECT_EQ(g->bounds(), QRectF(10, 10, 50, 140));
    EXPECT_TRUE(log.captured().isEmpty());
}

TEST(ResizingTest, ASectionEdgeStopsAtItsMembersAndPushesTheSectionBelow)
{
    ScopedProfile profile;
    RecordingContext context;
    auto upper = placedSection(QRectF(0, 0, 400, 200), 1);
    upper->setBottomPadding(10);
    upper->setBottomPaddingType(QStringLiteral("pixel"));
    auto member = placedGraphic(QRectF(10, 50, 50, 100), 1);
    auto lower = placedSection(QRectF(0, 200, 400, 100), 2);
    auto lowerMember = placedGraphic(QRectF(10, 220, 20, 20), 2);
    context.setGraphics({upper, member, lower, lowerMember});

    const struct {
        const char* name;
        int handle;
        QPointF to;
        QRectF expected;
    } refusals[] = {
        {"bottom up into the member", 7, {0, 155}, {0, 0, 400, 200}},
        {"top down past the member", 2, {0, 60}, {0, 0, 400, 200}},
    };
    for (const auto& r : refusals) {
        upper->resizeByMovingHandle(r.handle, r.to);
        EXPECT_EQ(upper->bounds(), r.expected) << r.name;
    }

    upper->resizeByMovingHandle(7, QPointF(0, 170));
    EXPECT_EQ(upper->bounds(), QRectF(0, 0, 400, 170)) << "bottom up, clear of the member";

    upper->resizeByMovingHandle(2, QPointF(0, 30));
    EXPECT_EQ(upper->bounds(), QRectF(0, 30, 400, 140)) << "top down, clear of the member";

    // Dragged into the section below, the bottom edge pushes that section down to start at the edge.
    upper->resizeByMovingHandle(7, QPointF(0, 250));
    EXPECT_EQ(upper->bounds(), QRectF(0, 30, 400, 220));
    EXPECT_EQ(lower->bounds(), QRectF(0, 250, 400, 100));
    EXPECT_EQ(lowerMember->bounds(), QRectF(10, 270, 20, 20));
}

} // namespace
