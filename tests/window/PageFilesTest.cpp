#include "WebsiteTestSupport.h"

#include "platform/UserDefaults.h"
#include "platform/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QUrl>

namespace {

using PageFilesTest = WebsiteTest;

const QString kDuplicated = QStringLiteral("<!--BASE TEMPLATE DUPLICATED-->");
const QString kNeedsOneFileText = QStringLiteral(
    "You have deleted all the files in this folder.\n\nAn active project needs to have at least "
    "one file, a default starter document has been added.");

QString fileIn(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name);
}

TEST_F(PageFilesTest, DeletingTheOnlyPageAddsAStarterPageFirst)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    SKTWindowController& window = openWebsite();
    contextClickTile(window, 0);
    ASSERT_TRUE(window.determinePageClicked());

    alerts.answer(QStringLiteral("Delete"));
    window.deletePage();

    EXPECT_FALSE(QFileInfo::exists(fileIn(site, QStringLiteral("index.velkpage"))));
    EXPECT_EQ(tileNames(window), QStringList({"page2.velkpage"}));
    EXPECT_EQ(orderFile(site), QStringLiteral("page2.velkpage,0\n"));
    EXPECT_EQ(window.document()->fileLocation(), fileIn(site, QStringLiteral("page2.velkpage")));
    ASSERT_EQ(alerts.messages(),
              QStringList({"Confirm File Deletion", "Active project needs at least one file"}));
    EXPECT_EQ(alerts.records()[0].informative, QStringLiteral("Are you sure you want to delete selected?\n") +
                                                   fileIn(site, QStringLiteral("index.velkpage")) +
                                                   QStringLiteral("\n\n"));
    EXPECT_EQ(alerts.records()[0].buttons, QStringList({"Delete", "Cancel"}));
    EXPECT_EQ(alerts.records()[1].informative, kNeedsOneFileText);
}

TEST_F(PageFilesTest, DeletingTheBaseTemplateWarnsAndCancelKeepsEverything)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("basetemplate"), QStringLiteral("Base"));
    SKTWindowController& window = openWebsite();
    ASSERT_EQ(tileNames(window).first(), QStringLiteral("basetemplate.velkpage"));
    contextClickTile(window, 0);
    ASSERT_TRUE(window.determinePageClicked());

    alerts.answer(QStringLiteral("Cancel"));
    window.deletePage();
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_TRUE(alerts.records()[0].informative.endsWith(QStringLiteral(
        "\n\nThis is the base template, deleting this file will also impact any documents that "
        "are inheriting content from the base template.")));
    EXPECT_EQ(tileNames(window).size(), 2);

    alerts.answer(QStringLiteral("Delete"));
    window.deletePage();
    EXPECT_EQ(tileNames(window), QStringList({"index.velkpage"}));
    EXPECT_EQ(orderFile(site), QStringLiteral("index.velkpage,0\n"));
    EXPECT_EQ(alerts.messages().size(), 2);
}

TEST_F(PageFilesTest, DeletingEveryPageAtOnceKeepsAStarterPage)
{
    page(QStringLiteral("a"), QStringLiteral("A"));
    page(QStringLiteral("b"), QStringLiteral("B"));
    SKTWindowController& window = openWebsite();
    window.deletePageArray(window.siteIconArray());
    EXPECT_EQ(tileNames(window), QStringList({"page3.velkpage"}));
    EXPECT_EQ(alerts.messages(), QStringList({"Active project needs at least one file"}));

    // Without a starter page to add, nothing is deleted.
    QDir(QDir(bundle).filePath(QStringLiteral("templates"))).removeRecursively();
    alerts.clear();
    window.deletePageArray(window.siteIconArray());
    EXPECT_EQ(tileNames(window), QStringList({"page3.velkpage"}));
    EXPECT_EQ(alerts.messages(), QStringList({"Could Not Add Page"}));
}

TEST_F(PageFilesTest, DuplicatingOpensTheCopyUnderAGeneratedName)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    makePageDocument(site, QStringLiteral("contact"), QStringLiteral("Contact"), {},
                     QStringLiteral("quarnel"));
    ProjectFolder::writeOrderIndex(site, {"index.velkpage", "contact.quarnel"});
    SKTWindowController& window = openWebsite();

    contextClickTile(window, 0);
    ASSERT_TRUE(window.determinePageClicked());
    alerts.answer(QStringLiteral("Cancel"));
    window.duplicatePage();
    EXPECT_EQ(tileNames(window).size(), 2);
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records()[0].message, QStringLiteral("Confirm File Duplication"));
    EXPECT_EQ(alerts.records()[0].informative,
              QStringLiteral(
                  "Are you sure you wish to duplicate \"index.velkpage\"?\n\nThis file is located at\n") +
                  fileIn(site, QStringLiteral("index.velkpage")));

    alerts.answer(QStringLiteral("Copy"));
    window.duplicatePage();
    const QString copy = fileIn(site, QStringLiteral("page3.velkpage"));
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_EQ(window.document()->fileLocation(), copy);
    EXPECT_TRUE(pageFileOf(copy).contains(QStringLiteral("PAGETITLESTART==Home==")));
    // The copy takes the place the rescan gives a page the order file does not list.
    EXPECT_TRUE(tileNames(window).contains(QStringLiteral("page3.velkpage")));
    EXPECT_EQ(orderFile(site), ProjectFolder::orderIndexText(tileNames(window)));

    // A form page stays a form page.
    contextClickTile(window, int(tileNames(window).indexOf(QStringLiteral("contact.quarnel"))));
    ASSERT_TRUE(window.determinePageClicked());
    alerts.answer(QStringLiteral("Copy"));
    window.duplicatePage();
    EXPECT_TRUE(QFileInfo::exists(fileIn(site, QStringLiteral("page4.quarnel"))));
}

TEST_F(PageFilesTest, OnlyTheCopyOfTheBaseTemplateIsMarkedAsDuplicated)
{
    page(QStringLiteral("basetemplate"), QStringLiteral("Base"));
    page(QStringLiteral("index"), QStringLiteral("Home"));
    SKTWindowController& window = openWebsite();
    const QString base = fileIn(site, QStringLiteral("basetemplate.velkpage"));
    contextClickTile(window, 0);
    ASSERT_TRUE(window.determinePageClicked());

    alerts.answer(QStringLiteral("Cancel"));
    window.duplicatePage();
    window.launchSelected(window.grabVelkButtonWithPageName(QStringLiteral("basetemplate.velkpage")));
    window.launchSelected(window.grabVelkButtonWithPageName(QStringLiteral("index.velkpage")));
    EXPECT_FALSE(pageFileOf(base).contains(kDuplicated));

    contextClickTile(window, 0);
    ASSERT_TRUE(window.determinePageClicked());
    alerts.answer(QStringLiteral("Copy"));
    window.duplicatePage();
    const QString copy = fileIn(site, QStringLiteral("page3.velkpage"));
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_TRUE(pageFileOf(copy).contains(kDuplicated));
    EXPECT_FALSE(pageFileOf(base).contains(kDuplicated));
    EXPECT_EQ(window.document()->fileLocation(), copy);
}

TEST_F(PageFilesTest, MovingAPageTakesTheTargetsPlace)
{
    const QStringList order = {"a.velkpage", "b.velkpage", "c.velkpage", "d.velkpage"};
    for (const char* name : {"a", "b", "c", "d"})
        page(QString::fromLatin1(name), QString::fromLatin1(name).toUpper());
    struct Case {
        const char* dragged;
        const char* target;
        QStringList expected;
    };
    const Case cases[] = {
        {"a.velkpage", "c.velkpage", {"b.velkpage", "c.velkpage", "a.velkpage", "d.velkpage"}},
        {"d.velkpage", "b.velkpage", {"a.velkpage", "d.velkpage", "b.velkpage", "c.velkpage"}},
    };
    for (const Case& c : cases) {
        ProjectFolder::writeOrderIndex(site, order);
        SKTWindowController& window = openWebsite();
        window.movePage({QString::fromLatin1(c.dragged)}, QString::fromLatin1(c.target));
        EXPECT_EQ(tileNames(window), c.expected) << c.dragged;
        EXPECT_EQ(orderFile(site), ProjectFolder::orderIndexText(c.expected));
    }

    // A drop on the dragged page itself, or where no page lies, changes nothing.
    ProjectFolder::writeOrderIndex(site, order);
    SKTWindowController& window = openWebsite();
    const QPointF onA = QRectF(window.pageListingIconViews()[0]->geometry()).center();
    window.rearrangePageOrder(onA, QStringLiteral("a.velkpage"));
    window.rearrangePageOrder(QPointF(5, 9000), QStringLiteral("a.velkpage"));
    EXPECT_EQ(tileNames(window), order);
    const QPointF onC = QRectF(window.pageListingIconViews()[2]->geometry()).center();
    window.rearrangePageOrder(onC, QStringLiteral("a.velkpage"));
    EXPECT_EQ(tileNames(window), cases[0].expected);
}

TEST_F(PageFilesTest, TheLinkOfAPageGoesToTheClipboard)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    makePageDocument(site, QStringLiteral("contact"), QStringLiteral("Contact"), {},
                     QStringLiteral("quarnel"));
    ProjectFolder::writeOrderIndex(site, {"index.velkpage", "contact.quarnel"});
    SKTWindowController& window = openWebsite();

    contextClickTile(window, 1);
    ASSERT_TRUE(window.determinePageClicked());
    window.grabPageLink();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("/contact.php"));

    UserDefaults::standard().setObject(QStringLiteral("http://example.com/100%"), QStringLiteral("baseurl"));
    contextClickTile(window, 0);
    ASSERT_TRUE(window.determinePageClicked());
    window.grabPageLink();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("http://example.com/100%/index.html"));
    ASSERT_EQ(alerts.messages(), QStringList({"Copied to Clipboard", "Copied to Clipboard"}));
    EXPECT_EQ(alerts.records()[1].informative, QStringLiteral("http://example.com/100%/index.html"));
}

class SourceExportTest : public WebsiteTest {
protected:
    // Runs the export into the folder and waits for its closing alert.
    void exportTo(SKTWindowController& window, const QString& folder)
    {
        panels.choose({folder});
        window.exportAllFileTo();
        QTRY_VERIFY_WITH_TIMEOUT(!window.isExporting(), 20000);
        QCoreApplication::processEvents();
    }
};

TEST_F(SourceExportTest, TheSourcesGoToAFolderNamedWithoutBlanksUnderTheirPublishNames)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("mail"), QStringLiteral("Mail"),
         {QStringLiteral("<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->")});
    SKTWindowController& window = openWebsite();
    const QString chosen = pathInHome(QStringLiteral("exports"));
    QDir().mkpath(chosen);
    QList<QUrl> opened;
    Workspace::setResponder([&](const QUrl& url) {
        opened.append(url);
        return true;
    });

    exportTo(window, chosen);
    const QString destination = fileIn(chosen, QStringLiteral("MySite_SourceFiles"));
    EXPECT_TRUE(QFileInfo::exists(fileIn(destination, QStringLiteral("index.html"))));
    EXPECT_TRUE(QFileInfo(fileIn(destination, QStringLiteral("index"))).isDir());
    EXPECT_TRUE(QFileInfo::exists(fileIn(destination, QStringLiteral("mail.php"))));
    EXPECT_FALSE(QFileInfo::exists(fileIn(destination, QStringLiteral("mail.html"))));
    ASSERT_EQ(alerts.messages(), QStringList({"Export Complete"}));
    EXPECT_EQ(alerts.records()[0].buttons, QStringList({"Show Exported Folder", "OK"}));
    EXPECT_EQ(opened, QList<QUrl>({QUrl::fromLocalFile(destination)}));

    // A second export asks before replacing; "Cancel" leaves the first one.
    QFile::remove(fileIn(destination, QStringLiteral("index.html")));
    alerts.clear();
    alerts.answer(QStringLiteral("Cancel"));
    exportTo(window, chosen);
    ASSERT_EQ(alerts.messages(), QStringList({"File Name Conflict"}));
    EXPECT_EQ(
        alerts.records()[0].informative,
        QStringLiteral("File or folder with the same name exists already, would you like to replace?\n\n"
                       "Export will output a folder named \"MySite_SourceFiles\" containing all files"));
    EXPECT_FALSE(QFileInfo::exists(fileIn(destination, QStringLiteral("index.html"))));

    alerts.clear();
    alerts.answer(QStringLiteral("Replace"));
    alerts.answer(QStringLiteral("OK"));
    exportTo(window, chosen);
    EXPECT_EQ(alerts.messages(), QStringList({"File Name Conflict", "Export Complete"}));
    EXPECT_TRUE(QFileInfo::exists(fileIn(destination, QStringLiteral("index.html"))));
    Workspace::setResponder({});
}

TEST_F(SourceExportTest, ANameConflictIsReportedInsteadOfCompletion)
{
    // Published as "shot.png", where the page's own picture lies.
    page(QStringLiteral("shot"), QStringLiteral("Shot"),
         {QStringLiteral("<!--PUBLISHEXTSTART==png==PUBLISHEXTEND-->")});
    SKTWindowController& window = openWebsite();
    const QString chosen = pathInHome(QStringLiteral("exports"));
    QDir().mkpath(chosen);
    exportTo(window, chosen);
    ASSERT_EQ(alerts.messages(), QStringList({"Export Incomplete"}));
    EXPECT_TRUE(alerts.records()[0].informative.contains(
        QStringLiteral("shot.html could not be renamed to shot.png: a file of that name exists")));
}

TEST_F(PageFilesTest, TheContextMenuOffersThePageOperationsOnATileOnly)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("about"), QStringLiteral("About"));
    ProjectFolder::writeOrderIndex(site, {"index.velkpage", "about.velkpage"});
    SKTWindowController& window = openWebsite();
    QMenu* menu = window.pageListingMenu();
    const auto rightClick = [&](const QPoint& at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.pageListingClipView()->mapToGlobal(at));
        QApplication::sendEvent(window.pageListingClipView(), &event);
        menu->hide();
    };
    const auto item = [&](const char* name) { return menu->findChild<QAction*>(QString::fromLatin1(name)); };
    for (const char* name :
         {"duplicatePage", "deletePage", "grabPageLink", "exportAllFileTo", "showAddNewPageWindow"})
        ASSERT_NE(item(name), nullptr) << name;

    rightClick(QPoint(5, 9000));
    EXPECT_FALSE(item("deletePage")->isEnabled());
    EXPECT_FALSE(item("duplicatePage")->isEnabled());
    EXPECT_TRUE(item("exportAllFileTo")->isEnabled());

    rightClick(window.pageListingIconViews()[1]->geometry().center());
    EXPECT_TRUE(item("deletePage")->isEnabled());
    EXPECT_EQ(window.selectedPageName(), QStringLiteral("about.velkpage"));
    alerts.answer(QStringLiteral("Delete"));
    item("deletePage")->trigger();
    EXPECT_EQ(tileNames(window), QStringList({"index.velkpage"}));

    item("showAddNewPageWindow")->trigger();
    ASSERT_NE(window.addNewPageViewController(), nullptr);
    EXPECT_TRUE(window.addNewPageViewController()->isVisible());
    window.cancelAddNewPageWindowControllerSheet();
}

TEST_F(PageFilesTest, ForwardersActOnTheWindowsDocument)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    SKTWindowController& window = openWebsite();
    EXPECT_EQ(window.getDocumentPageName(), QStringLiteral("index"));
    EXPECT_EQ(window.grabCurrentDocPath(), window.document()->grabCurrentDocPath());
    window.definePageName(QStringLiteral("renamed"));
    window.defineMainTemplateName(QStringLiteral("basetemplate"));
    EXPECT_EQ(window.document()->pageName(), QStringLiteral("renamed"));
    EXPECT_EQ(window.document()->mainTemplateName(), QStringLiteral("basetemplate"));
}

} // namespace
