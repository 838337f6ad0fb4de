#include "WebsiteTestSupport.h"

#include "support/LogCapture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>

namespace {

using PageListTest = WebsiteTest;

TEST_F(PageListTest, AWebsiteShowsOneTilePerPageInTheOrderOfItsOrderFile)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("about"), QStringLiteral("About Us"));
    page(QStringLiteral("contact"), QStringLiteral("Contact"));
    ProjectFolder::writeOrderIndex(site, {"index.velkpage", "about.velkpage", "contact.velkpage"});

    SKTWindowController& window = openWebsite();
    EXPECT_EQ(tileNames(window), QStringList({"index.velkpage", "about.velkpage", "contact.velkpage"}));
    EXPECT_EQ(window.websiteSummaryLabel()->text(), QStringLiteral("3 Documents\nMy Site"));
    EXPECT_TRUE(window.searchField()->isVisible());
    EXPECT_TRUE(window.sidebarSplitView()->isVisible());
    ASSERT_EQ(window.pageListingIconViews().size(), 3);
    const VelkNSButton* about = window.siteIconArray()[1];
    EXPECT_EQ(about->pageTitleLabel()->text(), QStringLiteral("About Us"));
    EXPECT_EQ(about->pageNameLabel()->text(), QStringLiteral("about"));
    EXPECT_FALSE(about->image().isNull());
    EXPECT_TRUE(about->isVisible());
    // The tiles stack in one column, each cell below the one before.
    const QList<ListingIconView*> cells = window.pageListingIconViews();
    EXPECT_LT(cells[0]->geometry().bottom(), cells[1]->geometry().top());
    // The first page document of the folder opens, marked on its tile.
    const QString first = ProjectFolder::grabPathOfFirstFile(site);
    EXPECT_EQ(window.document()->fileLocation(), first);
    EXPECT_TRUE(window.grabVelkButtonWithPageName(QFileInfo(first).fileName())->borderFlag());
    EXPECT_FALSE(window.document()->pageLoadFailed());
}

TEST_F(PageListTest, OnePageAndNoPages)
{
    SKTWindowController& empty = openWebsite();
    EXPECT_TRUE(empty.siteIconArray().isEmpty());
    EXPECT_FALSE(empty.sidebarSplitView()->isVisible());
    EXPECT_FALSE(empty.searchField()->isVisible());

    page(QStringLiteral("index"), QStringLiteral("Home"));
    SKTWindowController& one = openWebsite();
    EXPECT_EQ(one.websiteSummaryLabel()->text(), QStringLiteral("1 Document\nMy Site"));
    EXPECT_TRUE(one.sidebarSplitView()->isVisible());
}

TEST_F(PageListTest, TheSearchFieldFiltersTilesByTitleAndName)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("menu"), QStringLiteral("Café Menu"));
    SKTWindowController& window = openWebsite();

    QTest::keyClicks(window.searchField(), QStringLiteral("cafe"));
    ASSERT_EQ(window.siteIconArrayLocal().size(), 1);
    EXPECT_EQ(window.siteIconArrayLocal().first()->documentName(), QStringLiteral("menu.velkpage"));
    EXPECT_EQ(window.pageListingIconViews().size(), 1);

    window.searchField()->setText(QStringLiteral("nothing like it"));
    EXPECT_TRUE(window.pageListingIconViews().isEmpty());
    window.searchField()->clear();
    EXPECT_EQ(window.pageListingIconViews().size(), 2);
}

TEST_F(PageListTest, ClickingATileOpensItsPageInTheSameWindow)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("about"), QStringLiteral("About Us"));
    ProjectFolder::writeOrderIndex(site, {"index.velkpage", "about.velkpage"});
    SKTWindowController& window = openWebsite();

    VelkNSButton* about = window.siteIconArray()[1];
    QTest::mouseClick(about, Qt::LeftButton);
    EXPECT_EQ(window.document()->fileLocation(), QDir(site).filePath(QStringLiteral("about.velkpage")));
    EXPECT_EQ(window.document()->pageOfficialName(), QStringLiteral("About Us"));
    EXPECT_TRUE(about->borderFlag());
    EXPECT_FALSE(window.siteIconArray()[0]->borderFlag());
}

TEST_F(PageListTest, APageThatCannotBeOpenedLeavesThePreviousPageOpen)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    QFile broken(QDir(site).filePath(QStringLiteral("broken.velkpage")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is no page document");
    broken.close();
    ProjectFolder::writeOrderIndex(site, {"index.velkpage", "broken.velkpage"});
    SKTWindowController& window = openWebsite();
    ASSERT_EQ(tileNames(window), QStringList({"index.velkpage", "broken.velkpage"}));
    EXPECT_EQ(window.siteIconArray()[1]->pageTitle(), QString());

    LogCapture log;
    window.launchSelected(window.siteIconArray()[1]);
    EXPECT_TRUE(log.captured().contains(QStringLiteral("could not open page")));
    EXPECT_EQ(window.document()->fileLocation(), QDir(site).filePath(QStringLiteral("index.velkpage")));
    EXPECT_FALSE(window.document()->pageLoadFailed());
    EXPECT_EQ(window.document()->pageOfficialName(), QStringLiteral("Home"));
    EXPECT_TRUE(window.siteIconArray()[0]->borderFlag());
}

TEST_F(PageListTest, SortActionsOrderByNameOrByDate)
{
    const QString older = page(QStringLiteral("b"), QStringLiteral("B"));
    page(QStringLiteral("a"), QStringLiteral("A"));
    page(QStringLiteral("c"), QStringLiteral("C"));
    QFile file(older);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime);
    file.close();
    DataCentre::mutableProfile().usePageOrderIndex = false;
    SKTWindowController& window = openWebsite();

    ASSERT_TRUE(QMetaObject::invokeMethod(&window, "sortByFileName"));
    EXPECT_EQ(tileNames(window), QStringList({"a.velkpage", "b.velkpage", "c.velkpage"}));
    ASSERT_TRUE(QMetaObject::invokeMethod(&window, "sortByDate"));
    EXPECT_EQ(tileNames(window).first(), QStringLiteral("b.velkpage"));
}

TEST_F(PageListTest, TheContextMenuFindsTheTileUnderTheClick)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("about"), QStringLiteral("About"));
    ProjectFolder::writeOrderIndex(site, {"index.velkpage", "about.velkpage"});
    DataCentre::mutableProfile().allowInsertPage = true;
    SKTWindowController& window = openWebsite();

    contextClickTile(window, 1);
    EXPECT_TRUE(window.determinePageClicked());
    EXPECT_EQ(window.selectedPageName(), QStringLiteral("about.velkpage"));
    auto* insert = window.pageListingMenu()->findChild<QAction*>(QStringLiteral("insertBlankPage"));
    ASSERT_NE(insert, nullptr);
    EXPECT_TRUE(window.validateMenuItem(*insert));

    // Below every tile: no page, and the selection stays.
    window.pageListingClipView()->setLastTouchPoint(QPointF(5, 5000));
    EXPECT_FALSE(window.determinePageClicked());
    EXPECT_EQ(window.selectedPageName(), QStringLiteral("about.velkpage"));
}

TEST_F(PageListTest, ColumnsFollowTheColumnCountAction)
{
    for (int i = 1; i <= 5; ++i)
        page(QStringLiteral("p%1").arg(i), QStringLiteral("Page %1").arg(i));
    SKTWindowController& window = openWebsite();
    window.view2Column();
    const QList<ListingIconView*> cells = window.pageListingIconViews();
    ASSERT_EQ(cells.size(), 5);
    EXPECT_EQ(cells[0]->x(), 0);
    EXPECT_EQ(cells[2]->x(), 0);
    EXPECT_GT(cells[3]->x(), 0);
    EXPECT_EQ(cells[3]->y(), cells[0]->y());
    EXPECT_EQ(cells[4]->x(), cells[3]->x());
}

} // namespace
