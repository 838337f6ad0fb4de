#include "WebsiteTestSupport.h"

#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"

#include <QAction>
#include <QMenu>

namespace {

using NewPagesTest = WebsiteTest;

const QString kUseBaseTemplate = QStringLiteral("<!--USE BASE TEMPLATE-->");
const QString kInheritMetadata = QStringLiteral("<!--INHERIT METADATA-->");
const QString kInheritHeader = QStringLiteral("<!--INHERIT CUSTOM HEADER-->");

TEST_F(NewPagesTest, ABlankPageFromTheMenuFollowsTheBaseTemplateWithAnEmptyTitleAtTheEnd)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("about"), QStringLiteral("About"));
    ProjectFolder::writeOrderIndex(site, {"index.velkpage", "about.velkpage"});
    SKTWindowController& window = openWebsite();

    // The menus reach the action by name, and enable it once the list holds tiles.
    QAction refresh;
    refresh.setObjectName(QStringLiteral("refreshWebsite"));
    bool enabled = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(&window, "validateMenuItem", Q_RETURN_ARG(bool, enabled),
                                          Q_ARG(QAction*, &refresh)));
    EXPECT_TRUE(enabled);
    ASSERT_TRUE(QMetaObject::invokeMethod(&window, "directlyAddBlankPage"));

    const QString added = QDir(site).filePath(QStringLiteral("page3.velkpage"));
    ASSERT_TRUE(QFileInfo::exists(added));
    const QString source = pageFileOf(added);
    EXPECT_TRUE(source.contains(kUseBaseTemplate));
    EXPECT_FALSE(source.contains(kInheritMetadata));
    EXPECT_FALSE(source.contains(kInheritHeader));
    EXPECT_TRUE(source.contains(QStringLiteral("<!--PAGETITLESTART====PAGETITLEEND-->")));
    EXPECT_EQ(tileNames(window), QStringList({"index.velkpage", "about.velkpage", "page3.velkpage"}));
    EXPECT_EQ(orderFile(site), QStringLiteral("index.velkpage,0\nabout.velkpage,1\npage3.velkpage,2\n"));
    EXPECT_EQ(window.document()->fileLocation(), added);
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(NewPagesTest, InsertingOnTheThirdTilePutsTheNewPageAtIndexTwo)
{
    for (const char* name : {"a", "b", "c", "d"})
        page(QString::fromLatin1(name), QString::fromLatin1(name).toUpper());
    ProjectFolder::writeOrderIndex(site, {"a.velkpage", "b.velkpage", "c.velkpage", "d.velkpage"});
    SKTWindowController& window = openWebsite();

    contextClickTile(window, 2);
    window.insertBlankPage();
    EXPECT_EQ(tileNames(window),
              QStringList({"a.velkpage", "b.velkpage", "page5.velkpage", "c.velkpage", "d.velkpage"}));
    EXPECT_EQ(orderFile(site),
              QStringLiteral("a.velkpage,0\nb.velkpage,1\npage5.velkpage,2\nc.velkpage,3\nd.velkpage,4\n"));

    // Below every tile the page goes to the end.
    window.pageListingClipView()->setLastTouchPoint(QPointF(5, 9000));
    window.insertBlankPage();
    EXPECT_EQ(tileNames(window).last(), QStringLiteral("page6.velkpage"));
}

TEST_F(NewPagesTest, NamesWithCommasAreRefusedAndAFailedPackingKeepsTheOpenPage)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    SKTWindowController& window = openWebsite();
    const QString open = window.document()->fileLocation();

    UserDefaults::standard().setObject(QStringLiteral("a,"), QStringLiteral("devicePrefix"));
    window.directlyAddBlankPage();
    ASSERT_EQ(alerts.messages(), QStringList({"Invalid Page Name"}));
    EXPECT_EQ(tileNames(window), QStringList({"index.velkpage"}));
    UserDefaults::standard().removeObject(QStringLiteral("devicePrefix"));

    // No starter page to make the page from.
    QDir(QDir(bundle).filePath(QStringLiteral("templates"))).removeRecursively();
    window.directlyAddBlankPage();
    EXPECT_EQ(alerts.messages().last(), QStringLiteral("Could Not Add Page"));
    EXPECT_EQ(window.document()->fileLocation(), open);
    EXPECT_FALSE(window.document()->pageLoadFailed());
    EXPECT_EQ(tileNames(window), QStringList({"index.velkpage"}));
}

TEST_F(NewPagesTest, ATemplatePageTakesTheSheetsMarkersAndTitle)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    makePageDocument(QDir(bundle).filePath(QStringLiteral("templates/business")), QStringLiteral("Shop"),
                     QStringLiteral("Shop Template"));
    SKTWindowController& window = openWebsite();

    SKTWindowController::NewPageChoice choice;
    choice.selectedTemplateCategoryFolder = QStringLiteral("business");
    choice.selectedTemplateName = QStringLiteral("Shop.velkpage");
    choice.pageFileType = kExtension;
    choice.pageFileName = QStringLiteral("store");
    choice.applyBaseTemplate = true;
    choice.pageTitle = QStringLiteral("Our Store");
    window.launchUsingBaseTemplate(choice);

    const QString added = QDir(site).filePath(QStringLiteral("store.velkpage"));
    const QString source = pageFileOf(added);
    EXPECT_TRUE(source.contains(kUseBaseTemplate));
    EXPECT_TRUE(source.contains(kInheritMetadata));
    EXPECT_TRUE(source.contains(kInheritHeader));
    EXPECT_TRUE(source.contains(QStringLiteral("<!--PAGETITLESTART==Our Store==PAGETITLEEND-->")));
    EXPECT_EQ(window.document()->fileLocation(), added);
    EXPECT_TRUE(window.existInSiteIconArray(QStringLiteral("store.velkpage")));
}

TEST_F(NewPagesTest, WithoutAProjectATemplateOpensAsAnUntitledCopyUnderAFreeName)
{
    makePageDocument(QDir(bundle).filePath(QStringLiteral("templates/business")), QStringLiteral("Shop"),
                     QStringLiteral("Shop Template"));
    SKTWindowController& window = openWindow();
    QStringList opened;
    SKTWindowController::setDocumentOpener([&](const QString& path) {
        opened.append(path);
        return &newDocument();
    });
    SKTWindowController::NewPageChoice choice;
    choice.selectedTemplateCategoryFolder = QStringLiteral("business");
    choice.selectedTemplateName = QStringLiteral("Shop.velkpage");
    choice.pageFileType = kExtension;
    choice.directlySelectFileName = QStringLiteral("Shop");
    choice.applyBaseTemplate = true;
    for (int i = 0; i < 3; ++i)
        window.launchUsingBaseTemplate(choice);

    const QDir received(
        QDir(DataCentre::profile().workingFolderPath).filePath(QStringLiteral("0000Received_Pages")));
    EXPECT_EQ(opened, QStringList({received.filePath(QStringLiteral("Shop.velkpage")),
                                   received.filePath(QStringLiteral("Shop0.velkpage")),
                                   received.filePath(QStringLiteral("Shop1.velkpage"))}));
    SKTDocument& last = *documents.back();
    EXPECT_TRUE(last.fileLocation().isEmpty());
    EXPECT_EQ(last.useBaseTemplateFlag(), 1);
    EXPECT_FALSE(last.openingFromWebsiteFlag());
}

TEST_F(NewPagesTest, RenamingATemporaryPageMovesItsFilesAndFolder)
{
    const QString dir = pathInHome(QStringLiteral("temp"));
    QDir().mkpath(dir + QStringLiteral("/old"));
    for (const char* name : {"old.html", "old.png", "old@2x.png", "old/full.css", "old/image1o.png"}) {
        QFile file(QDir(dir).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    SKTWindowController& window = openWindow();
    const QString source = QDir(dir).filePath(QStringLiteral("old.html"));
    EXPECT_EQ(window.prepAndRenameDoc(source, QStringLiteral("old.kyv")), source);
    EXPECT_TRUE(QFileInfo::exists(source));

    EXPECT_EQ(window.prepAndRenameDoc(source, QStringLiteral("new.kyv")),
              QDir(dir).filePath(QStringLiteral("new.html")));
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"new", "new.html", "new.png", "new@2x.png"}));
    EXPECT_EQ(QDir(dir + QStringLiteral("/new")).entryList(QDir::Files), QStringList({"image1o.png"}));
    // A source that is gone renames nothing.
    EXPECT_EQ(window.prepAndRenameDoc(source, QStringLiteral("third.kyv")), QString());
}

TEST_F(NewPagesTest, ThePageLoopReopensThePagesThatFollowANewerBaseTemplate)
{
    const QString base = page(QStringLiteral("basetemplate"), QStringLiteral("Base"));
    const QString follows = page(QStringLiteral("follows"), QStringLiteral("Follows"), {kUseBaseTemplate});
    const QString own = page(QStringLiteral("own"), QStringLiteral("Own"));
    const QString newer = page(QStringLiteral("newer"), QStringLiteral("Newer"), {kUseBaseTemplate});
    SKTWindowController& window = openWebsite();
    ASSERT_EQ(tileNames(window).first(), QStringLiteral("basetemplate.velkpage"));
    // Leaving the base template saves it; the times are set once it is left.
    window.launchSelected(window.grabVelkButtonWithPageName(QStringLiteral("own.velkpage")));
    const QDateTime moment = QDateTime::currentDateTime().addSecs(-600);
    for (const auto& [path, time] : {std::pair{base, moment}, std::pair{follows, moment},
                                     std::pair{own, moment}, std::pair{newer, moment.addSecs(60)}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }

    EXPECT_TRUE(window.needToForceRefresh());
    QStringList reopened;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(
        &observer, QStringLiteral("updateCurrentButtonColor"), [&](const Notification&) {
            reopened.append(QFileInfo(window.document()->fileLocation()).fileName());
        });
    window.loopThroughPages(false);
    EXPECT_EQ(reopened, QStringList({"follows.velkpage"}));
    EXPECT_FALSE(window.loopThroughFlag());

    reopened.clear();
    window.loopThroughPages(true);
    EXPECT_EQ(reopened.size(), 4);
    NotificationCenter::defaultCenter().removeObserver(&observer);
    // Every page was saved again, with the style sheets of the product.
    window.refreshWebsite();
    EXPECT_FALSE(window.needToForceRefresh());
}

} // namespace
