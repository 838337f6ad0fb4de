#include "WindowTestSupport.h"

#include <QScrollArea>
#include <QSplitter>

namespace {

class WindowLayoutTest : public WindowTest {
protected:
    static int paneWidth(const SKTWindowController& window) { return window.zoomingScrollView()->width(); }
    // The split view's width less the page list and the inspector, each with its divider.
    static int available(const SKTWindowController& window)
    {
        const QSplitter& split = *window.splitView();
        int rest = split.width() - split.widget(0)->width() - split.handle(1)->width();
        if (window.isInspectorShown())
            rest -= window.inspectorView()->width() + split.handle(2)->width();
        return rest;
    }
};

TEST_F(WindowLayoutTest, TheCanvasPaneIsTheRoomLeftButNeverWiderThanTheCanvas)
{
    SKTWindowController& window = openWindow(true);
    EXPECT_EQ(window.sidebarSplitView()->width(), kPageListWidth);
    EXPECT_EQ(window.inspectorView()->width(), SKTWindowController::inspectorPanelWidth);
    // 1400 wide: less room than the 1000-point canvas.
    ASSERT_LT(available(window), kCanvasWidth);
    EXPECT_EQ(paneWidth(window), available(window));

    window.collapseInspector();
    QTest::qWait(20);
    EXPECT_GT(available(window), kCanvasWidth);
    EXPECT_EQ(paneWidth(window), kCanvasWidth);

    window.resize(1100, 900);
    QTest::qWait(20);
    EXPECT_EQ(paneWidth(window), std::min(available(window), kCanvasWidth));
    EXPECT_EQ(window.zoomingScrollView()->height(), window.mainCanvasView()->height());
}

TEST_F(WindowLayoutTest, APageOpenedOnItsOwnShowsNoPageListAndAFullCanvasPane)
{
    SKTWindowController& window = openWindow(false);
    EXPECT_EQ(window.sidebarSplitView()->width(), 0);
    EXPECT_EQ(window.splitView()->handleWidth(), 1);
    EXPECT_EQ(window.zoomingScrollView()->geometry(), window.mainCanvasView()->rect());
}

TEST_F(WindowLayoutTest, OnlyTheDividerBetweenPageListAndCanvasMoves)
{
    SKTWindowController& window = openWindow(true);
    EXPECT_TRUE(window.splitView()->handle(1)->isEnabled());
    EXPECT_FALSE(window.splitView()->handle(2)->isEnabled());
    EXPECT_FALSE(window.sidebarSplitView()->handle(1)->isEnabled());
    EXPECT_EQ(window.topSidebarView()->height(), SKTWindowController::topSidebarHeight);
    EXPECT_EQ(window.pageListingView()->y(), SKTWindowController::topSidebarHeight);

    // A wider window widens only the canvas pane.
    const int list = window.sidebarSplitView()->width();
    const int pane = window.mainCanvasView()->width();
    QSignalSpy popoverPlaced(&window, &SKTWindowController::resetProfilePopoverPosition);
    window.resize(1500, 900);
    QTest::qWait(20);
    EXPECT_EQ(window.sidebarSplitView()->width(), list);
    EXPECT_EQ(window.inspectorView()->width(), SKTWindowController::inspectorPanelWidth);
    EXPECT_EQ(window.mainCanvasView()->width(), pane + 100);
    EXPECT_EQ(popoverPlaced.count(), 1);
}

TEST_F(WindowLayoutTest, TheInspectorTogglesWithItsBindings)
{
    SKTWindowController& window = openWindow(true);
    QSignalSpy unbound(&window, &SKTWindowController::unbindEverything);
    QSignalSpy built(&window, &SKTWindowController::createInspectorPanel);
    window.toggleInspector();
    EXPECT_FALSE(window.isInspectorShown());
    EXPECT_EQ(unbound.count(), 1);
    window.toggleSidebarDrawer();
    EXPECT_TRUE(window.isInspectorShown());
    EXPECT_EQ(built.count(), 1);
}

TEST_F(WindowLayoutTest, AProductWhoseInspectorStartsClosedCollapsesIt)
{
    DataCentre::mutableProfile().inspectorInitiallyOpen = false;
    SKTWindowController& window = openWindow(true);
    EXPECT_FALSE(window.isInspectorShown());
    EXPECT_EQ(paneWidth(window), kCanvasWidth);
}

TEST_F(WindowLayoutTest, RapidResizesOfThePageListRebuildThePageIconsOnce)
{
    SKTWindowController& window = openWindow(true);
    QTest::qWait(150);
    window.searchField()->setText(QStringLiteral("contact"));
    QSignalSpy rebuilt(&window, &SKTWindowController::pageIconsPlaced);
    for (const QSize size : {QSize(1300, 860), QSize(1250, 870), QSize(1200, 880)}) {
        window.resize(size);
        QTest::qWait(10);
    }
    EXPECT_EQ(rebuilt.count(), 0);
    ASSERT_TRUE(rebuilt.wait(500));
    QTest::qWait(150);
    ASSERT_EQ(rebuilt.count(), 1);
    EXPECT_EQ(rebuilt.first().first().toString(), QStringLiteral("contact"));
}

TEST_F(WindowLayoutTest, ThePageColourIsTheCanvasBackground)
{
    SKTWindowController& window = openWindow();
    window.document()->setPageColor(QColor(0x12, 0x34, 0x56));
    window.document()->setPageColorHexString(QStringLiteral("123456"));
    window.refreshPageBackgroundColor();
    EXPECT_EQ(window.getDocumentColorHexString(), QStringLiteral("123456"));
    EXPECT_EQ(window.getDocumentColor().color(), QColor(0x12, 0x34, 0x56));
    const QImage picture = window.renderCanvas(QRectF(0, 0, 40, 30));
    EXPECT_EQ(picture.size(), QSize(40, 30));
    EXPECT_EQ(picture.pixelColor(20, 15), QColor(0x12, 0x34, 0x56));
}

} // namespace
