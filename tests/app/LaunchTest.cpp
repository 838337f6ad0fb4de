#include "AppTestSupport.h"

#include "app/launch/ApplicationLaunch.h"
#include "app/menus/AdHocViewController.h"
#include "app/templates/PageListing.h"
#include "app/templates/TemplateChooser.h"
#include "app/templates/TemplateWindowController.h"
#include "platform/NotificationCenter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// From start-up to the first window, and back to a window when the application comes to the front.

namespace {

class LaunchTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        runAs(QStringLiteral("HTML Velk Pro"));
        delegate = std::make_unique<SKTAppDelegate>();
    }
    void TearDown() override
    {
        delegate.reset();
        AppTest::TearDown();
    }

    QString receivedPagesFolder() const
    {
        const ProductProfile& profile = DataCentre::profile();
        return profile.workingFolderPath + u'/' + profile.receivedPagesFolderName;
    }

    std::unique_ptr<SKTAppDelegate> delegate;
};

} // namespace

TEST_F(LaunchTest, LaunchShowsOnlyTheWelcomeWindowAndOpensNoUntitledDocument)
{
    launchApplication(*delegate, {});
    ASSERT_NE(delegate->welcomeWindow(), nullptr);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{delegate->welcomeWindow()});
    EXPECT_TRUE(delegate->documentController().documents().isEmpty());
    EXPECT_FALSE(delegate->applicationShouldOpenUntitledFile());
    EXPECT_FALSE(delegate->applicationOpenUntitledFile());
    // The welcome window carries the product's menus.
    const auto* window = qobject_cast<QMainWindow*>(delegate->welcomeWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->menuBar()->actions().contains(
        delegate->mainMenu().menu(QStringLiteral("fileMenu"))->menuAction()));
    EXPECT_EQ(DataCentre::profile().productDisplayName, QStringLiteral("HTML Velk Pro"));
    EXPECT_FALSE(delegate->mainMenu().item(QStringLiteral("exportAllToPDFMenuItem"))->isVisible());
}

TEST_F(LaunchTest, TheReceivedPagesFolderStartsEmptyAtEveryLaunch)
{
    delegate->applicationWillFinishLaunching();
    const QString folder = receivedPagesFolder();
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/Old Page")));
    QFile leftOver(folder + QStringLiteral("/Old Page/index.html"));
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    leftOver.write("<html></html>");
    leftOver.close();

    delegate->applicationDidFinishLaunching();
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

TEST_F(LaunchTest, AFileWhereTheReceivedPagesFolderBelongsMakesWayForTheFolder)
{
    delegate->applicationWillFinishLaunching();
    const QString folder = receivedPagesFolder();
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    delegate->applicationDidFinishLaunching();
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(LaunchTest, AdHocBuildsGainTheUpdateItemThirdFromTheEndOfTheApplicationMenu)
{
    delegate->applicationWillFinishLaunching();
    DataCentre::mutableProfile().distributionChannel = QStringLiteral("AdHoc");
    QMenu* appMenu = delegate->mainMenu().mainAppMenu();
    const QList<QAction*> before = appMenu->actions();
    delegate->applicationDidFinishLaunching();

    ASSERT_NE(delegate->adHocViewController(), nullptr);
    const QList<QAction*> after = appMenu->actions();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.at(after.size() - 3), delegate->adHocViewController()->updateMenuItem());
    EXPECT_EQ(after.mid(after.size() - 2), before.mid(before.size() - 2));
}

TEST_F(LaunchTest, AppStoreBuildsKeepTheApplicationMenuAsItIs)
{
    delegate->applicationWillFinishLaunching();
    DataCentre::mutableProfile().distributionChannel = QStringLiteral("AppStore");
    const QList<QAction*> before = delegate->mainMenu().mainAppMenu()->actions();
    delegate->applicationDidFinishLaunching();
    EXPECT_EQ(delegate->adHocViewController(), nullptr);
    EXPECT_EQ(delegate->mainMenu().mainAppMenu()->actions(), before);
}

TEST_F(LaunchTest, ComingToTheFrontWithNoWindowShowsANewWelcomeWindow)
{
    launchApplication(*delegate, {});
    QPointer<QWidget> first = delegate->welcomeWindow();
    // The first activation finds the welcome window up and changes nothing.
    delegate->applicationDidBecomeActive();
    EXPECT_EQ(delegate->welcomeWindow(), first.data());

    first->close();
    ASSERT_TRUE(visibleWindows().isEmpty());
    delegate->applicationDidBecomeActive();
    ASSERT_NE(delegate->welcomeWindow(), nullptr);
    EXPECT_TRUE(delegate->welcomeWindow()->isVisible());
    EXPECT_TRUE(first.isNull()); // replaced, not shown again
    EXPECT_TRUE(delegate->documentController().documents().isEmpty());
}

TEST_F(LaunchTest, AutosaveStaysOffAfterLaunch)
{
    launchApplication(*delegate, {});
    EXPECT_FALSE(delegate->autosaves());
    delegate->setAutosaves(true);
    EXPECT_FALSE(delegate->autosaves());
    delegate->setAutosavingDelay(30);
    EXPECT_EQ(delegate->autosavingDelay(), 30);
}

TEST_F(LaunchTest, RefreshingTheTemplateCollectionRebuildsOnlyAnOpenChooser)
{
    launchApplication(*delegate, {});
    QPointer<QPushButton> thumbnail = new QPushButton;
    delegate->pageListing().siteIconArray << thumbnail.data();
    NotificationCenter::defaultCenter().post(QStringLiteral("refreshTemplateCollection"));
    EXPECT_TRUE(delegate->pageListing().siteIconArray.isEmpty());
    EXPECT_EQ(delegate->templateChooser().window(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(thumbnail.isNull());

    QSignalSpy displayed(&delegate->templateChooser(), &TemplateChooser::templatesDisplayed);
    delegate->showTemplate();
    ASSERT_TRUE(displayed.wait(20000));
    const qsizetype shown = delegate->pageListing().siteIconArray.size();
    ASSERT_GT(shown, 0);
    NotificationCenter::defaultCenter().post(QStringLiteral("refreshTemplateCollection"));
    EXPECT_FALSE(delegate->templateChooser().window()->isVisible());
    ASSERT_TRUE(displayed.wait(20000));
    EXPECT_TRUE(delegate->templateChooser().window()->isVisible());
    EXPECT_EQ(delegate->pageListing().siteIconArray.size(), shown);
}
