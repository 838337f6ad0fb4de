#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

namespace {

TEST(NotificationCenterTest, DeliversByNameWithSenderAndUserInfo)
{
    NotificationCenter center;
    QObject observer;
    QStringList seen;
    center.addObserver(&observer, "websiteUpdated", [&](const Notification& n) {
        seen << n.name + ":" + n.userInfo.value("page").toString() + (n.object == &observer ? ":self" : "");
    });
    center.post("websiteUpdated", &observer, {{"page", "index"}});
    center.post("refreshDocIcon");
    EXPECT_EQ(seen, QStringList{"websiteUpdated:index:self"});
}

TEST(NotificationCenterTest, RemovedOrDestroyedObserversAreNeverCalled)
{
    NotificationCenter center;
    int calls = 0;
    auto destroyed = std::make_unique<QObject>();
    center.addObserver(destroyed.get(), "unbindEverything", [&](const Notification&) { ++calls; });
    destroyed.reset();

    QObject kept;
    const int token = center.addObserver(&kept, "unbindEverything", [&](const Notification&) { ++calls; });
    center.removeObserver(token);

    QObject byName;
    center.addObserver(&byName, "unbindEverything", [&](const Notification&) { ++calls; });
    center.removeObserver(&byName, "unbindEverything");

    center.post("unbindEverything");
    EXPECT_EQ(calls, 0);
}

TEST(NotificationCenterTest, AnObserverRemovedDuringDeliveryIsSkipped)
{
    NotificationCenter center;
    QObject first, second;
    int secondCalls = 0;
    center.addObserver(&first, "callRefreshTabs",
                       [&](const Notification&) { center.removeObserver(&second); });
    center.addObserver(&second, "callRefreshTabs", [&](const Notification&) { ++secondCalls; });
    center.post("callRefreshTabs");
    EXPECT_EQ(secondCalls, 0);
}

TEST(NotificationCenterTest, AnObserverWithoutANameSeesEveryNotification)
{
    NotificationCenter center;
    QStringList names;
    center.addObserver(nullptr, {}, [&](const Notification& n) { names << n.name; });
    center.post("contactUpdated");
    center.post("mailingListUpdated");
    EXPECT_EQ(names, (QStringList{"contactUpdated", "mailingListUpdated"}));
}

} // namespace
