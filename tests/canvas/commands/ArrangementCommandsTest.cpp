#include "../view/CanvasTestSupport.h"

#include "canvas/view/SKTZoomingScrollView.h"

#include <QScopeGuard>
#include <QSignalSpy>

// Alignment, spacing, sizes, z-order and select all over the whole selection, each an undo step that
// selects what it moved when undone.

namespace {

class ArrangementCommandsTest : public CanvasTest {
protected:
    QList<std::shared_ptr<LoggedShape>> boxes(const QList<QRectF>& frames)
    {
        QList<std::shared_ptr<LoggedShape>> made;
        for (const QRectF& frame : frames)
            made << addShape(QStringLiteral("box%1").arg(made.size()), frame);
        document.undoManager().checkpoint();
        return made;
    }
    void select(const QList<std::shared_ptr<LoggedShape>>& shapes)
    {
        GraphicList graphics(shapes.cbegin(), shapes.cend());
        selection.setSelectedGraphics(graphics);
    }
    QStringList order() const
    {
        QStringList names;
        for (const std::shared_ptr<SKTGraphic>& graphic : document.graphics())
            names << std::static_pointer_cast<LoggedShape>(graphic)->name();
        return names;
    }
    void step() { document.undoManager().checkpoint(); }
};

TEST_F(ArrangementCommandsTest, HorizontalSpacingKeepsTheGapOfTheFirstTwo)
{
    const auto b = boxes({QRectF(400, 10, 80, 20), QRectF(0, 40, 100, 20), QRectF(150, 70, 50, 20)});
    select(b);
    view->alignHorizontalSpacing();
    EXPECT_EQ(b[1]->bounds(), QRectF(0, 40, 100, 20));
    EXPECT_EQ(b[2]->bounds(), QRectF(150, 70, 50, 20));
    EXPECT_EQ(b[0]->bounds(), QRectF(250, 10, 80, 20));
}

TEST_F(ArrangementCommandsTest, VerticalSpacingWorksOnTopsAndHeights)
{
    const auto b = boxes(
        {QRectF(10, 0, 20, 30), QRectF(10, 40, 20, 10), QRectF(10, 300, 20, 10), QRectF(10, 200, 20, 5)});
    select(b);
    view->alignVerticalSpacing();
    EXPECT_EQ(b[3]->bounds().y(), 60);
    EXPECT_EQ(b[2]->bounds().y(), 75);
}

TEST_F(ArrangementCommandsTest, AlignLeftFollowsTheBoxOfTheContextClick)
{
    const auto b = boxes({QRectF(10, 10, 50, 20), QRectF(100, 50, 40, 20), QRectF(200, 90, 30, 20)});
    select(b);
    view->menuForEvent(QPointF(120, 60));
    view->alignLeftEdges();
    for (const auto& box : b)
        EXPECT_EQ(box->bounds().x(), 100) << box->name().toStdString();
    EXPECT_EQ(document.undoManager().undoActionName(), QStringLiteral("Align Left Edges"));
}

TEST_F(ArrangementCommandsTest, AlignLeftWithoutABoxUnderTheClickGoesToZeroAndUndoSelectsTheMoved)
{
    const auto b = boxes({QRectF(10, 10, 50, 20), QRectF(100, 50, 40, 20), QRectF(200, 90, 30, 20)});
    select(b);
    view->setLastTouchPoint(QPointF(390, 290));
    view->alignLeftEdges();
    step();
    for (const auto& box : b)
        EXPECT_EQ(box->bounds().x(), 0);

    selection.setSelectedGraphics({});
    view->undo();
    EXPECT_EQ(b[1]->bounds(), QRectF(100, 50, 40, 20));
    EXPECT_EQ(selection.selectedGraphics().size(), 3);
}

TEST_F(ArrangementCommandsTest, EdgesAndSizesTakeTheReferenceBox)
{
    const auto b = boxes({QRectF(10, 10, 50, 20), QRectF(100, 50, 40, 30)});
    select(b);
    view->setLastTouchPoint(QPointF(100, 50)); // the top left corner is inside
    view->alignRightEdges();
    EXPECT_EQ(b[0]->bounds(), QRectF(90, 10, 50, 20));
    view->alignBottomEdges();
    EXPECT_EQ(b[0]->bounds(), QRectF(90, 60, 50, 20));
    view->alignTopEdges();
    EXPECT_EQ(b[0]->bounds().y(), 50);
    // Now both hold the corner: the first in the selection counts.
    EXPECT_EQ(view->lastSelectedGraphic(), b[0]);
    view->setLastTouchPoint(QPointF(120, 75));
    view->makeSameSize();
    step();
    EXPECT_EQ(b[0]->bounds(), QRectF(90, 50, 40, 30));
    // The right and bottom edges are outside.
    view->setLastTouchPoint(QPointF(140, 80));
    EXPECT_EQ(view->lastSelectedGraphic(), nullptr);
}

TEST_F(ArrangementCommandsTest, MakeSameHeightIsUndoneUnderItsOwnName)
{
    const auto b = boxes({QRectF(10, 10, 50, 20), QRectF(100, 50, 40, 30)});
    select(b);
    view->setLastTouchPoint(QPointF(110, 60));
    view->makeSameHeight();
    EXPECT_EQ(b[0]->bounds(), QRectF(10, 10, 50, 30));
    EXPECT_EQ(document.undoManager().undoActionName(), QStringLiteral("Make Same Height"));
    step();
    view->makeSameWidth();
    EXPECT_EQ(document.undoManager().undoActionName(), QStringLiteral("Make Same Width"));
}

TEST_F(ArrangementCommandsTest, CentresFollowTheFirstSelectedWhateverWasClicked)
{
    const auto b = boxes({QRectF(0, 0, 100, 100), QRectF(200, 200, 20, 10), QRectF(300, 10, 40, 40)});
    select(b);
    view->setLastTouchPoint(QPointF(210, 205));
    view->alignHorizontalCenters();
    EXPECT_EQ(b[1]->bounds().x(), 40);
    EXPECT_EQ(b[2]->bounds().x(), 30);
    view->alignVerticalCenters();
    EXPECT_EQ(b[1]->bounds().y(), 45);
    EXPECT_EQ(b[0]->bounds(), QRectF(0, 0, 100, 100));
}

TEST_F(ArrangementCommandsTest, OneSelectedBoxDoesNotMove)
{
    const auto b = boxes({QRectF(10, 10, 50, 20)});
    select(b);
    view->alignLeftEdges();
    view->makeSameWidth();
    EXPECT_EQ(b[0]->bounds(), QRectF(10, 10, 50, 20));
    EXPECT_NE(document.undoManager().undoActionName(), QStringLiteral("Align Left Edges"));
}

TEST_F(ArrangementCommandsTest, GridAlignmentSnapsTheSelection)
{
    const auto b = boxes({QRectF(13, 27, 31, 18)});
    SKTGrid grid;
    grid.setSpacing(10);
    view->setGrid(&grid);
    select(b);
    view->alignWithGrid();
    EXPECT_EQ(b[0]->bounds(), grid.alignedRect(QRectF(13, 27, 31, 18)));
    EXPECT_EQ(document.undoManager().undoActionName(), QStringLiteral("Grid Selected Graphics"));
    view->setGrid(nullptr);
}

TEST_F(ArrangementCommandsTest, ForwardAndBackwardStepPastTheOverlappingBox)
{
    const auto b = boxes({QRectF(0, 0, 50, 50), QRectF(10, 10, 50, 50), QRectF(20, 20, 50, 50)});
    select({b[2]});
    view->bringForward();
    EXPECT_EQ(order(), (QStringList{"box2", "box0", "box1"}));
    EXPECT_EQ(selection.selectedGraphics(), GraphicList{b[2]});

    select({b[2]});
    view->sendBackward();
    EXPECT_EQ(order(), (QStringList{"box0", "box2", "box1"}));
}

TEST_F(ArrangementCommandsTest, FrontAndBackMoveTheSelectionButNeverBehindUnselectableBoxes)
{
    const auto b =
        boxes({QRectF(0, 0, 10, 10), QRectF(0, 0, 10, 10), QRectF(0, 0, 10, 10), QRectF(0, 0, 10, 10)});
    b[3]->setSelectable(false);
    QSignalSpy layers(view.get(), &SKTGraphicView::refreshLayerListing);
    select({b[0], b[1]});
    view->sendToBack();
    EXPECT_EQ(order(), (QStringList{"box2", "box0", "box1", "box3"}));
    EXPECT_EQ(view->selectionIndexes(), (IndexSet{1, 2}));
    EXPECT_EQ(document.undoManager().undoActionName(), QStringLiteral("Send To Back"));

    select({b[1]});
    view->bringToFront();
    EXPECT_EQ(order(), (QStringList{"box1", "box2", "box0", "box3"}));
    EXPECT_EQ(view->selectionIndexes(), IndexSet{0});
    EXPECT_EQ(layers.count(), 2);
}

TEST_F(ArrangementCommandsTest, SelectAllTakesTheSelectableBoxesAndDeselectAllNone)
{
    const auto b = boxes({QRectF(0, 0, 10, 10), QRectF(20, 0, 10, 10), QRectF(40, 0, 10, 10)});
    b[2]->setSelectable(false);
    QSignalSpy touched(view.get(), &SKTGraphicView::graphicTouched);
    view->selectAll();
    EXPECT_EQ(view->selectionIndexes(), (IndexSet{0, 1}));
    EXPECT_EQ(touched.count(), 1);
    view->deselectAll();
    EXPECT_TRUE(view->selectionIndexes().empty());
}

TEST_F(ArrangementCommandsTest, TheRulerItemShowsAndHidesTheRulers)
{
    SKTZoomingScrollView scrollView;
    scrollView.setGraphicView(view.get());
    // The test's canvas stays the fixture's.
    const auto giveBack = qScopeGuard([&] { scrollView.takeWidget(); });
    scrollView.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&scrollView));
    EXPECT_TRUE(view->rulersShown());
    view->showOrHideRulers();
    EXPECT_FALSE(view->rulersShown());
    view->showOrHideRulers();
    EXPECT_TRUE(view->rulersShown());
}

} // namespace
