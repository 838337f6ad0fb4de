#include "CanvasTestSupport.h"

#include "model/SKTGrid.h"

#include <functional>

namespace {

class SKTGraphicViewRedrawTest : public CanvasTest {
protected:
    // Four shapes 0 to 3 in two rows, none near another: 1 and 3 on top, 0 and 2 below.
    void addFourShapes()
    {
        const QPointF places[] = {{20, 180}, {20, 20}, {200, 180}, {200, 20}};
        for (int i = 0; i < 4; ++i)
            shapes << addShape(QString::number(i), QRectF(places[i], QSizeF(60, 60)));
    }

    bool painted(SKTGraphic& graphic) const { return recorder->painted.intersects(pixelArea(graphic)); }
    bool paintedWhole(const QRect& area) const { return (QRegion(area) - recorder->painted).isEmpty(); }
    // Nothing was painted beyond the areas and the pixel around each.
    bool paintedWithin(const QList<QRect>& areas) const
    {
        QRegion beyond = recorder->painted;
        for (const QRect& area : areas)
            beyond -= area.adjusted(-1, -1, 1, 1);
        return beyond.isEmpty();
    }

    QList<std::shared_ptr<LoggedShape>> shapes;
};

TEST_F(SKTGraphicViewRedrawTest, ASelectionChangeRepaintsOnlyTheGraphicsWhoseSelectionChanged)
{
    addFourShapes();
    selection.changeSelectionIndexes({1, 2});
    showCanvas();
    settle();

    selection.changeSelectionIndexes({2, 3});
    flushRepaints();

    EXPECT_FALSE(drawLog.contains(QStringLiteral("0")) || drawLog.contains(QStringLiteral("2")));
    EXPECT_TRUE(paintedWhole(pixelArea(*shapes[1])));
    EXPECT_TRUE(paintedWhole(pixelArea(*shapes[3])));
    EXPECT_FALSE(painted(*shapes[0]));
    EXPECT_FALSE(painted(*shapes[2]));
}

TEST_F(SKTGraphicViewRedrawTest, AChangeOfOneGraphicRepaintsItsOldAndNewAreaOnly)
{
    const struct {
        const char* change;
        std::function<void(SKTGraphic&)> apply;
    } cases[] = {
        {"move", [](SKTGraphic& g) { g.setBounds(QRectF(300, 100, 80, 50)); }},
        {"fill colour", [](SKTGraphic& g) { g.setFillColor(Qt::red); }},
        {"stroke width", [](SKTGraphic& g) { g.setStrokeWidth(12); }},
    };
    addFourShapes();
    showCanvas();
    for (const auto& c : cases) {
        SKTGraphic& changed = *shapes[1];
        changed.setBounds(QRectF(20, 20, 60, 60));
        settle();
        const QRect before = pixelArea(changed);

        c.apply(changed);
        flushRepaints();

        EXPECT_EQ(drawLog, QStringList(QStringLiteral("1"))) << c.change;
        EXPECT_TRUE(paintedWhole(before)) << c.change;
        EXPECT_TRUE(paintedWhole(pixelArea(changed))) << c.change;
        EXPECT_TRUE(paintedWithin({before, pixelArea(changed)})) << c.change;
        for (int other : {0, 2, 3})
            EXPECT_FALSE(painted(*shapes[other])) << c.change << " repainted shape " << other;
    }
}

TEST_F(SKTGraphicViewRedrawTest, GraphicsEnteringAndLeavingThePageRepaintTheirArea)
{
    addFourShapes();
    showCanvas();
    settle();

    const auto added = addShape(QStringLiteral("new"), QRectF(120, 100, 40, 40));
    flushRepaints();
    EXPECT_EQ(drawLog, QStringList(QStringLiteral("new")));
    EXPECT_TRUE(paintedWhole(pixelArea(*added)));
    EXPECT_FALSE(painted(*shapes[0]));

    settle();
    document.removeGraphicsAtIndexes({4});
    flushRepaints();
    EXPECT_TRUE(drawLog.isEmpty());
    EXPECT_TRUE(paintedWhole(pixelArea(*added)));

    settle();
    added->setFillColor(Qt::green);
    flushRepaints();
    EXPECT_TRUE(recorder->painted.isEmpty()) << "a graphic that left the page is no longer observed";
}

TEST_F(SKTGraphicViewRedrawTest, ReorderingRepaintsTheMovedGraphicsOnly)
{
    addFourShapes();
    showCanvas();
    settle();

    document.moveGraphicsAtIndexes({3}, {0});
    flushRepaints();

    EXPECT_TRUE(paintedWhole(pixelArea(*shapes[3])));
    EXPECT_TRUE(paintedWithin({pixelArea(*shapes[3])}));
}

TEST_F(SKTGraphicViewRedrawTest, AGridChangeRepaintsTheWholeCanvas)
{
    SKTGrid grid;
    addFourShapes();
    view->setGrid(&grid);
    showCanvas();
    settle();

    grid.setColor(Qt::red);
    flushRepaints();

    EXPECT_TRUE(paintedWhole(view->rect()));
}

TEST_F(SKTGraphicViewRedrawTest, AtHalfScaleTheRepaintCoversTheScaledArea)
{
    addFourShapes();
    view->setCanvasScale(0.5);
    showCanvas();
    settle();

    shapes[3]->setFillColor(Qt::red);
    flushRepaints();

    // Shape 3 stands at (200, 20) and is 60 points wide; its handles take 20 points, 10 on screen.
    const QRect scaled(94, 4, 42, 42);
    EXPECT_EQ(pixelArea(*shapes[3]), scaled);
    EXPECT_TRUE(paintedWhole(scaled));
    EXPECT_TRUE(paintedWithin({scaled}));
    EXPECT_EQ(drawLog, QStringList(QStringLiteral("3")));
}

} // namespace
