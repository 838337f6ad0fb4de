#include "AppTestSupport.h"

#include "app/launch/HelpMail.h"
#include "app/launch/WindowConvenience.h"
#include "app/menus/AdHocMenuDelegate.h"
#include "app/menus/AdHocViewController.h"
#include "app/menus/ResponderChain.h"
#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The delegate's menu validation, help and information actions, and the update menu.

namespace {

class HelpAndValidationTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        runAs(QStringLiteral("HTML Velk Pro"));
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.productDisplayName = QStringLiteral("HTML Velk Pro");
        profile.appVersion = QStringLiteral("1.0");
        profile.supportEmail = QStringLiteral("support@velk.app");
        profile.productWebsiteURL = QStringLiteral("https://www.velk.app/html-velk-pro");
        delegate = std::make_unique<SKTAppDelegate>();
    }
    void TearDown() override
    {
        delegate.reset();
        AppTest::TearDown();
    }

    QAction* item(const char* outlet) const { return delegate->mainMenu().item(QString::fromLatin1(outlet)); }

    std::unique_ptr<SKTAppDelegate> delegate;
};

} // namespace

TEST_F(HelpAndValidationTest, WithNothingStoredNewObjectsGoAtTheCurrentView)
{
    // The menu validates its items as it opens.
    QMenu* menu = delegate->mainMenu().menu(QStringLiteral("placementMenu"));
    Q_EMIT menu->aboutToShow();
    EXPECT_TRUE(item("insertNewAtCurrentViewMenuItem")->isChecked());
    EXPECT_FALSE(item("insertNewAtEndMenuItem")->isChecked());
    EXPECT_TRUE(item("insertNewAtEndMenuItem")->isEnabled());

    item("insertNewAtEndMenuItem")->trigger();
    EXPECT_TRUE(UserDefaults::standard().boolForKey(QStringLiteral("InsertNewAtEndFlag")));
    Q_EMIT menu->aboutToShow();
    EXPECT_FALSE(item("insertNewAtCurrentViewMenuItem")->isChecked());
    EXPECT_TRUE(item("insertNewAtEndMenuItem")->isChecked());

    item("insertNewAtCurrentViewMenuItem")->trigger();
    EXPECT_FALSE(UserDefaults::standard().boolForKey(QStringLiteral("InsertNewAtEndFlag")));
}

TEST_F(HelpAndValidationTest, AnItemIsEnabledOnlyWhenSomethingAlongTheChainTakesItsAction)
{
    delegate->validateAllMenuItems();
    EXPECT_TRUE(item("helpMenuItem")->isEnabled());             // the delegate's
    EXPECT_TRUE(item("openPageMenuItem")->isEnabled());         // the document controller's
    EXPECT_FALSE(item("saveMenuItem")->isEnabled());            // no document window is active
    EXPECT_FALSE(item("publishThisPageMenuItem")->isEnabled()); // nothing open takes it
    EXPECT_EQ(ResponderChain::targetForAction(delegate->responderChain(), QStringLiteral("showHelpAlert")),
              delegate.get());
}

TEST_F(HelpAndValidationTest, TheHelpMailNamesProductAndVersionWithBlanksWrittenAsPercentTwenty)
{
    const QString address = helpMailAddress(DataCentre::profile());
    EXPECT_EQ(address,
              QStringLiteral("mailto:support@velk.app?Subject=Help%20with%20HTML%20Velk%20Pro%201.0&body="
                             "Hello!%20%20I'm%20using%20HTML%20Velk%20Pro,%20version%201.0.%20%20Please%20"
                             "help%20me%20with%20the%20following%20questions%20/%20feedback:"));

    ProductProfile other = DataCentre::profile();
    other.supportEmail = QStringLiteral("help+mac@velk.app");
    other.appVersion = QStringLiteral("2.0&beta#1");
    EXPECT_TRUE(helpMailAddress(other).startsWith(QStringLiteral(
        "mailto:help+mac@velk.app?Subject=Help%20with%20HTML%20Velk%20Pro%202.0&beta#1&body=")));
}

TEST_F(HelpAndValidationTest, TheHelpAlertOpensTheWebsiteTheMailOrNothing)
{
    const struct {
        const char* answer;
        QString opened;
    } cases[] = {
        {"Support Website", QStringLiteral("https://www.velk.app/html-velk-pro")},
        {"Email",
         QStringLiteral("mailto:support@velk.app?Subject=Help%20with%20HTML%20Velk%20Pro%201.0&body=")},
        {"Cancel", QString()},
    };
    for (const auto& expected : cases) {
        openedURLs.clear();
        alerts.clear();
        alerts.answer(QString::fromLatin1(expected.answer));
        item("helpMenuItem")->trigger();
        ASSERT_EQ(alerts.records().size(), 1);
        EXPECT_EQ(alerts.records().first().message, QStringLiteral("Need help with this App?"));
        EXPECT_EQ(
            alerts.records().first().informative,
            QStringLiteral("Have questions with a feature?  Have suggestions for this App? We would love to "
                           "hear from you!"));
        EXPECT_EQ(alerts.records().first().buttons,
                  (QStringList{QStringLiteral("Support Website"), QStringLiteral("Email"),
                               QStringLiteral("Cancel")}));
        if (expected.opened.isNull()) {
            EXPECT_TRUE(openedURLs.isEmpty());
        } else {
            ASSERT_EQ(openedURLs.size(), 1);
            EXPECT_TRUE(openedURLs.first().toString(QUrl::FullyEncoded).startsWith(expected.opened))
                << openedURLs.first().toString().toStdString();
        }
    }
}

TEST_F(HelpAndValidationTest, TheMobileEditionAlertLeadsToTheProductWebsite)
{
    alerts.answer(QStringLiteral("iOS Edition"));
    item("iOSEditionMenuItem")->trigger();
    ASSERT_EQ(alerts.messages(), QStringList{QStringLiteral("iOS Edition")});
    EXPECT_EQ(openedURLs, QList<QUrl>{QUrl(QStringLiteral("https://www.velk.app/html-velk-pro"))});
}

TEST_F(HelpAndValidationTest, TheUserGuideOpensFromTheResourcesAndAMissingOneOpensNothing)
{
    QTemporaryDir bundle;
    const QString resources = Bundle::main().resourcesPath();
    ASSERT_TRUE(QFile::copy(QDir(resources).filePath(QStringLiteral("Info.json")),
                            bundle.filePath(QStringLiteral("Info.json"))));
    QFile guide(bundle.filePath(QStringLiteral("Guide-Mac.PDF")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.write("%PDF-1.4\n");
    guide.close();
    Bundle::main().load(bundle.path());

    DataCentre::mutableProfile().userGuideFile = QStringLiteral("Guide-Mac.PDF");
    delegate->launchUserGuide();
    DataCentre::mutableProfile().userGuideFile = QStringLiteral("Missing.PDF");
    delegate->launchUserGuide();
    Bundle::main().load(resources);

    ASSERT_EQ(openedURLs.size(), 1);
    EXPECT_EQ(openedURLs.first(), QUrl::fromLocalFile(bundle.filePath(QStringLiteral("Guide-Mac.PDF"))));
}

TEST_F(HelpAndValidationTest, HighlightingExactlyUpdatePostsUnbindEverything)
{
    const auto controller = AdHocViewController::initWithNibName(QStringLiteral("AdHoc"));
    ASSERT_TRUE(controller);
    QObject observer;
    QList<QObject*> senders;
    NotificationCenter::defaultCenter().addObserver(
        &observer, QStringLiteral("unbindEverything"),
        [&](const Notification& note) { senders << note.object; });
    QMenu* menu = controller->updateMenu();
    QAction* update = menu->actions().first();
    ASSERT_EQ(update->text(), QStringLiteral("Update"));
    update->hover(); // the menu highlights it
    EXPECT_EQ(senders, QList<QObject*>{controller->menuDelegate()});

    QAction trailingBlank(QStringLiteral("Update "));
    QAction lowerCase(QStringLiteral("update"));
    controller->menuDelegate()->menuWillHighlightItem(menu, &trailingBlank);
    controller->menuDelegate()->menuWillHighlightItem(menu, &lowerCase);
    controller->menuDelegate()->menuWillHighlightItem(menu, nullptr);
    EXPECT_EQ(senders.size(), 1);

    EXPECT_FALSE(AdHocViewController::initWithNibName(QStringLiteral("AppStore")));
}

TEST_F(HelpAndValidationTest, ShowOrHideWindowTwiceReturnsAPanelToItsFirstState)
{
    QWidget panel;
    for (bool shownFirst : {false, true}) {
        panel.setVisible(shownFirst);
        WindowConvenience::showOrHideWindow(&panel);
        EXPECT_EQ(WindowConvenience::isWindowShown(&panel), !shownFirst);
        WindowConvenience::showOrHideWindow(&panel);
        EXPECT_EQ(WindowConvenience::isWindowShown(&panel), shownFirst);
    }
}
