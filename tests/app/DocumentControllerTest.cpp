#include "AppTestSupport.h"

#include "app/documents/PlainDocumentWindow.h"
#include "app/documents/RecentDocuments.h"
#include "app/launch/ApplicationLaunch.h"
#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "model/SKTText.h"
#include "platform/Format.h"
#include "profile/LaunchInitialisation.h"
#include "window/source/SourceCodeWindowController.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

// Page documents opened through the application: from the command line, the File menu and the recent list.

namespace {

class DocumentControllerTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        runAs(QStringLiteral("HTML Velk Pro"));
        DataCentre::initializeData();
        pagePath = savedPage(QStringLiteral("home"), QStringLiteral("Hello from the page"));
        delegate = std::make_unique<SKTAppDelegate>();
    }
    void TearDown() override
    {
        delegate.reset();
        AppTest::TearDown();
    }

    // A page of one text box, saved as a page document of the product.
    QString savedPage(const QString& name, const QString& text)
    {
        SKTDocument page;
        page.setTempSavePathLocal(pathInHome(QStringLiteral("pages/") + name));
        QDir().mkpath(page.tempSavePathLocal());
        page.setPageFileExtension(QStringLiteral("html"));
        GraphicPropertyDictionary properties = {
            {QStringLiteral("bounds"), Format::rect(QRectF(40, 40, 300, 60))},
            {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
            {QStringLiteral("opacity"), QStringLiteral("1.0")},
            {QStringLiteral("textString"), text},
            {QStringLiteral("textType"), QStringLiteral("Text")},
            {QStringLiteral("fontFamily"), QStringLiteral("Lato")},
            {QStringLiteral("fontSize"), QStringLiteral("18")},
        };
        auto box = std::make_shared<SKTText>();
        box->initWithProperties(properties);
        page.insertGraphics({box}, {0});
        const QString location =
            pathInHome(QStringLiteral("documents/") + name + QStringLiteral(".velkpage"));
        EXPECT_TRUE(page.saveThisPage(location, 0));
        return location;
    }

    // A file of the product's extension that is no page document.
    QString damagedPage()
    {
        const QString path = pathInHome(QStringLiteral("documents/damaged.velkpage"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("PK\x03\x04 this archive breaks off here");
        return path;
    }

    QList<PlainDocumentWindow*> documentWindows() const
    {
        QList<PlainDocumentWindow*> windows;
        for (QWidget* window : visibleWindows()) {
            if (auto* documentWindow = qobject_cast<PlainDocumentWindow*>(window))
                windows << documentWindow;
        }
        return windows;
    }

    QString pagePath;
    std::unique_ptr<SKTAppDelegate> delegate;
};

} // namespace

TEST_F(DocumentControllerTest, APageGivenAtStartUpOpensInADocumentWindowShowingItsCanvas)
{
    launchApplication(*delegate, {pagePath});

    ASSERT_EQ(delegate->documentController().documents().size(), 1);
    SKTDocument* document = delegate->documentController().documents().first();
    ASSERT_EQ(document->graphics().size(), 1);
    const QList<PlainDocumentWindow*> windows = documentWindows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(delegate->documentController().windowForDocument(document), windows.first());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.first()));
    auto* canvas = windows.first()->findChild<SKTGraphicView*>(QStringLiteral("graphicView"));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->graphics().size(), 1);
    EXPECT_TRUE(alerts.records().isEmpty());
    EXPECT_EQ(RecentDocuments::paths(), QStringList{QFileInfo(pagePath).absoluteFilePath()});
}

TEST_F(DocumentControllerTest, OpeningAnOpenDocumentAgainBringsItsWindowForward)
{
    launchApplication(*delegate, {pagePath});
    SKTDocument* first = delegate->documentController().documents().first();
    panels.choose({pagePath});
    delegate->mainMenu().item(QStringLiteral("openPageMenuItem"))->trigger();
    EXPECT_EQ(delegate->documentController().documents(), QList<SKTDocument*>{first});
    EXPECT_EQ(documentWindows().size(), 1);
}

TEST_F(DocumentControllerTest, FileOpenOfADamagedFileShowsTheLoadersAlertAndOpensNoWindow)
{
    launchApplication(*delegate, {});
    panels.choose({damagedPage()});
    delegate->mainMenu().item(QStringLiteral("openPageMenuItem"))->trigger();

    EXPECT_EQ(panels.lastAllowedTypes(), QStringList{QStringLiteral("velkpage")});
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records().first().message, QStringLiteral("Not able to open"));
    EXPECT_EQ(alerts.records().first().informative, QStringLiteral("This file can not be opened."));
    EXPECT_TRUE(delegate->documentController().documents().isEmpty());
    EXPECT_TRUE(documentWindows().isEmpty());
    EXPECT_TRUE(RecentDocuments::paths().isEmpty());
}

TEST_F(DocumentControllerTest, ClosingAnEditedDocumentAsksAndCancelKeepsItOpen)
{
    launchApplication(*delegate, {pagePath});
    SKTDocument* document = delegate->documentController().documents().first();
    document->setDocumentEdited(true);

    alerts.answer(QStringLiteral("Cancel"));
    EXPECT_FALSE(delegate->documentController().closeDocument(document));
    EXPECT_EQ(alerts.messages(), QStringList{QStringLiteral("This file has changed")});
    EXPECT_EQ(documentWindows().size(), 1);

    alerts.answer(QStringLiteral("No"));
    EXPECT_TRUE(delegate->documentController().closeDocument(document));
    EXPECT_TRUE(QTest::qWaitFor([this] { return delegate->documentController().documents().isEmpty(); }));
    EXPECT_TRUE(documentWindows().isEmpty());
}

TEST_F(DocumentControllerTest, AnOpenDocumentWindowKeepsTheWelcomeWindowAwayOnReactivation)
{
    launchApplication(*delegate, {pagePath});
    delegate->welcomeWindow()->close();
    QPointer<QWidget> closedWelcome = delegate->welcomeWindow();
    delegate->applicationDidBecomeActive();
    EXPECT_EQ(delegate->welcomeWindow(), closedWelcome.data());
    EXPECT_FALSE(closedWelcome->isVisible());
}

TEST_F(DocumentControllerTest, SaveAsWritesTheDocumentToTheChosenFile)
{
    launchApplication(*delegate, {pagePath});
    QWidget* window = documentWindows().first();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    const QString copy = pathInHome(QStringLiteral("documents/copy.velkpage"));
    panels.choose({copy});
    delegate->validateAllMenuItems();
    QAction* saveAs = delegate->mainMenu().item(QStringLiteral("saveAsMenuItem"));
    ASSERT_TRUE(saveAs->isEnabled());
    saveAs->trigger();

    EXPECT_TRUE(QFileInfo(copy).isFile());
    EXPECT_EQ(RecentDocuments::paths().first(), QFileInfo(copy).absoluteFilePath());
    SKTDocument* document = delegate->documentController().documents().first();
    EXPECT_EQ(document->fileLocation(), QFileInfo(copy).absoluteFilePath());
    // The copy reads back as the page.
    SKTDocument copyRead;
    copyRead.setFileLocation(copy);
    ASSERT_TRUE(copyRead.refreshDocument());
    EXPECT_EQ(copyRead.graphics().size(), 1);
}

TEST_F(DocumentControllerTest, TheSourceCodeItemShowsTheCodeOfTheActiveDocument)
{
    launchApplication(*delegate, {pagePath});
    QWidget* window = documentWindows().first();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    delegate->validateAllMenuItems();
    QAction* source = delegate->mainMenu().item(QStringLiteral("sourcecodeMenuItem"));
    ASSERT_TRUE(source->isEnabled());
    source->trigger();

    SourceCodeWindowController* viewer = nullptr;
    for (QWidget* shown : visibleWindows())
        viewer = viewer ? viewer : qobject_cast<SourceCodeWindowController*>(shown);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Source Code"));
    EXPECT_TRUE(viewer->code().contains(QStringLiteral("Hello from the page")));
}
