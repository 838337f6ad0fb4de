#include "../view/CanvasTestSupport.h"

#include "model/SKTTable.h"
#include "platform/Format.h"

#include <QMenu>

// The canvas's context menu as it opens: each item validated by its action's name, on the real canvas.

namespace {

class CanvasContextMenuTest : public CanvasTest {
protected:
    QAction* item(const char* action)
    {
        QAction* found = view->menu()->findChild<QAction*>(QLatin1String(action));
        EXPECT_NE(found, nullptr) << action;
        return found;
    }
    std::shared_ptr<SKTTable> addTable(const QRectF& frame)
    {
        auto table = std::make_shared<SKTTable>();
        table->initWithProperties({{QStringLiteral("bounds"), Format::rect(frame)}});
        document.insertGraphics({table}, {0});
        return table;
    }
};

TEST_F(CanvasContextMenuTest, NothingSelectedHidesDeleteAndDisablesTheAlignItems)
{
    addShape(QStringLiteral("a"), QRectF(10, 10, 50, 50));
    view->menuForEvent(QPointF(200, 200));
    EXPECT_FALSE(item("delete")->isVisible());
    EXPECT_FALSE(item("bringToFront")->isVisible());
    EXPECT_FALSE(item("alignWithGrid")->isVisible());
    EXPECT_TRUE(item("alignTopEdges")->isVisible());
    EXPECT_FALSE(item("alignTopEdges")->isEnabled());
    EXPECT_FALSE(item("alignOptionsShown")->isVisible());
}

TEST_F(CanvasContextMenuTest, TwoSelectedEnableAlignmentAndDisableTheOneStepLayerItems)
{
    const auto a = addShape(QStringLiteral("a"), QRectF(10, 10, 50, 50));
    const auto b = addShape(QStringLiteral("b"), QRectF(100, 10, 50, 50));
    selection.setSelectedGraphics({a});
    view->menuForEvent(QPointF(20, 20));
    EXPECT_TRUE(item("bringForward")->isEnabled());
    EXPECT_FALSE(item("alignLeftEdges")->isEnabled());

    selection.setSelectedGraphics({a, b});
    view->menuForEvent(QPointF(20, 20));
    EXPECT_TRUE(item("delete")->isVisible());
    EXPECT_TRUE(item("alignOptionsShown")->isVisible());
    EXPECT_TRUE(item("alignLeftEdges")->isEnabled());
    EXPECT_FALSE(item("bringForward")->isEnabled());

    DataCentre::mutableProfile().hideAlignLeftEdges = true;
    view->menuForEvent(QPointF(20, 20));
    EXPECT_FALSE(item("alignLeftEdges")->isVisible());

    // The items send their commands to the canvas.
    item("delete")->trigger();
    EXPECT_TRUE(document.graphics().isEmpty());
}

TEST_F(CanvasContextMenuTest, ATableIsPickedForItsCommandsAndASectionShowsNone)
{
    const auto table = addTable(QRectF(10, 10, 200, 100));
    selection.setSelectedGraphics({table});
    view->menuForEvent(QPointF(20, 20));
    EXPECT_TRUE(item("configureTableGrid")->isVisible());
    EXPECT_EQ(view->selectedTable(), table);

    table->setGridType(QStringLiteral("section"));
    view->workingState().selectedTable.reset();
    view->menuForEvent(QPointF(20, 20));
    EXPECT_FALSE(item("configureTableGrid")->isVisible());
    EXPECT_FALSE(item("configureSectionWindowController")->isVisible());
    EXPECT_EQ(view->selectedTable(), nullptr);
}

} // namespace
