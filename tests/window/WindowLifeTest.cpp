#include "WindowTestSupport.h"

#include "document/core/GraphicSelection.h"
#include "platform/NotificationCenter.h"

#include <QMouseEvent>

namespace {

const QStringList kObservedNotifications = {
    "refreshDocIcon",         "updateCurrentButtonColor", "websiteUpdated",        "totalWebsiteUpdated",
    "displayProfilePopover",  "hideProfilePopover",       "displayToolbars",       "clearDragAndDropIcons",
    "clearLayerListingIcons", "callRefreshTabs",          "refreshInspectorPanel", "unbindEverything",
};

int observers()
{
    int count = 0;
    for (const QString& name : kObservedNotifications)
        count += NotificationCenter::defaultCenter().observerCount(name);
    return count;
}

void edit(SKTDocument& document)
{
    auto graphic = std::make_shared<SKTGraphic>();
    graphic->setBounds(QRectF(10, 10, 50, 50));
    document.insertGraphics({graphic}, {0});
}

class WindowLifeTest : public WindowTest {};

TEST_F(WindowLifeTest, DocumentNotificationsReachOnlyTheWindowOfTheirDocument)
{
    SKTWindowController& first = openWindow();
    SKTWindowController& second = openWindow();
    QSignalSpy firstTile(&first, &SKTWindowController::updateCurrentlySelectedVelkButton);
    QSignalSpy secondTile(&second, &SKTWindowController::updateCurrentlySelectedVelkButton);
    QSignalSpy firstSite(&first, &SKTWindowController::websiteRefreshed);
    QSignalSpy secondSite(&second, &SKTWindowController::websiteRefreshed);

    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.post(QStringLiteral("refreshDocIcon"), second.document());
    EXPECT_EQ(firstTile.count(), 0);
    EXPECT_EQ(secondTile.count(), 1);
    center.post(QStringLiteral("refreshDocIcon"));
    EXPECT_EQ(firstTile.count() + secondTile.count(), 1);

    center.post(QStringLiteral("websiteUpdated"), first.document());
    EXPECT_EQ(firstSite.count(), 1);
    EXPECT_EQ(secondSite.count(), 1);
}

TEST_F(WindowLifeTest, EachWindowHasItsOwnSelectionAndGridBoundToItsCanvas)
{
    SKTWindowController& first = openWindow();
    SKTWindowController& second = openWindow();
    edit(*first.document());
    first.graphicsController()->changeSelectionIndexes({0});
    EXPECT_EQ(first.graphicView()->selectionIndexes(), IndexSet({0}));
    EXPECT_NE(first.graphicsController(), second.graphicsController());
    EXPECT_EQ(first.graphicView()->grid(), first.grid());
    EXPECT_EQ(first.graphicView()->graphics(), first.document()->graphics());

    QSignalSpy touched(&first, &SKTWindowController::graphicTouched);
    // A click beside the page empties the selection.
    first.setZoomFactor(0.05);
    const QPoint beside = first.graphicView()->geometry().bottomRight() + QPoint(20, 20);
    QTest::mouseClick(first.zoomingScrollView()->viewport(), Qt::LeftButton, {}, beside);
    EXPECT_TRUE(first.graphicView()->selectionIndexes().empty());
    EXPECT_EQ(touched.count(), 1);
}

TEST_F(WindowLifeTest, CancellingTheCloseQuestionKeepsTheWindowObserving)
{
    SKTWindowController& window = openWindow();
    SKTDocument* document = window.document();
    edit(*document);
    const int before = observers();
    QList<SKTDocument*> closed;
    QObject::connect(&window, &SKTWindowController::documentWindowClosed,
                     [&](SKTDocument* released) { closed.append(released); });

    alerts.answer(QStringLiteral("Cancel"));
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(observers(), before);
    EXPECT_EQ(alerts.messages(), QStringList({"This file has changed"}));
    EXPECT_TRUE(closed.isEmpty());

    alerts.answer(QStringLiteral("No"));
    EXPECT_TRUE(window.close());
    EXPECT_EQ(closed, QList<SKTDocument*>({document}));
    EXPECT_EQ(window.document(), nullptr);
    EXPECT_EQ(observers(), before - int(kObservedNotifications.size()));
    // The closed window lets its document and canvas go.
    EXPECT_TRUE(window.graphicView()->graphics().isEmpty());
    QSignalSpy refreshed(&window, &SKTWindowController::websiteRefreshed);
    NotificationCenter::defaultCenter().post(QStringLiteral("websiteUpdated"));
    EXPECT_EQ(refreshed.count(), 0);
}

TEST_F(WindowLifeTest, TwentyWindowsOpenedAndClosedLeaveNoObserverBehind)
{
    SKTWindowController::installAsWindowMaker();
    const int before = observers();
    for (int i = 0; i < 20; ++i) {
        auto document = std::make_unique<SKTDocument>();
        document->makeWindowControllers();
        auto* window = dynamic_cast<SKTWindowController*>(document->windowController());
        ASSERT_NE(window, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(observers(), before + int(kObservedNotifications.size()));
        edit(*document);
        alerts.answer(QStringLiteral("No"));
        ASSERT_TRUE(window->close());
        EXPECT_EQ(observers(), before);
    }
    // Every window and document is gone: what is posted now reaches nothing destroyed.
    for (const QString& name : kObservedNotifications)
        NotificationCenter::defaultCenter().post(name);
    EXPECT_EQ(observers(), before);
}

} // namespace
