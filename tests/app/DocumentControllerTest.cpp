#include "AppTestSupport.h"

#include "app/documents/RecentDocuments.h"
#include "app/launch/ApplicationLaunch.h"
#include "canvas/drop/DragCodePasteboard.h"
#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "inspector/library/DragIconView.h"
#include "inspector/library/ObjectLibraryView.h"
#include "model/SKTText.h"
#include "platform/Format.h"
#include "profile/LaunchInitialisation.h"
#include "window/SKTWindowController.h"
#include "window/source/SourceCodeWindowController.h"

#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
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

    QList<SKTWindowController*> documentWindows() const
    {
        QList<SKTWindowController*> windows;
        for (QWidget* window : visibleWindows()) {
            if (auto* documentWindow = qobject_cast<SKTWindowController*>(window))
                windows << documentWindow;
        }
        return windows;
    }

    // Makes the window the active one and chooses View > Style Editor.
    void openInspector(SKTWindowController& window)
    {
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        delegate->validateAllMenuItems();
        QAction* styleEditor = delegate->mainMenu().item(QStringLiteral("styleEditorMenuItem"));
        ASSERT_TRUE(styleEditor->isEnabled());
        styleEditor->trigger();
        ASSERT_TRUE(window.isInspectorShown());
    }

    QString pagePath;
    std::unique_ptr<SKTAppDelegate> delegate;
};

} // namespace

TEST_F(DocumentControllerTest, APageGivenAtStartUpOpensInADocumentWindowShowingItsCanvas)
{
    DataCentre::mutableProfile().dragInspector = true;
    launchApplication(*delegate, {pagePath});

    ASSERT_EQ(delegate->documentController().documents().size(), 1);
    SKTDocument* document = delegate->documentController().documents().first();
    ASSERT_EQ(document->graphics().size(), 1);
    const QList<SKTWindowController*> windows = documentWindows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(delegate->documentController().windowForDocument(document), windows.first());
    // The document reaches its window, and the window shows the page with the menus and the library.
    EXPECT_EQ(document->windowController(), static_cast<DocumentWindow*>(windows.first()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.first()));
    auto* canvas = windows.first()->findChild<SKTGraphicView*>(QStringLiteral("graphicView"));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->graphics().size(), 1);
    EXPECT_TRUE(canvas->isVisible());
    EXPECT_EQ(windows.first()->menuBar()->actions().size(),
              delegate->mainMenu().overAllTopMenu()->actions().size());
    // The product starts with the inspector closed; View > Style Editor opens it on the object library.
    auto* library = windows.first()->findChild<ObjectLibraryView*>();
    ASSERT_NE(library, nullptr);
    EXPECT_FALSE(library->isVisible());
    openInspector(*windows.first());
    EXPECT_TRUE(library->isVisible());
    EXPECT_EQ(library->objectCatalogue().size(), 17);
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

namespace {

// Drops the drag data on the canvas at the widget point, as the platform delivers a drop.
bool dropOn(SKTGraphicView& canvas, const QMimeData& data, const QPoint& at)
{
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&canvas, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&canvas, &drop);
    return drop.isAccepted();
}

} // namespace

TEST_F(DocumentControllerTest, AnItemDraggedFromTheLibraryOntoTheCanvasBecomesItsObjectAndUndoTakesItBack)
{
    DataCentre::mutableProfile().dragInspector = true;
    launchApplication(*delegate, {pagePath});
    SKTWindowController* window = documentWindows().first();
    openInspector(*window);
    SKTGraphicView* canvas = window->graphicView();
    auto* library = window->findChild<ObjectLibraryView*>();
    DragIconView* textBoxItem = nullptr;
    for (DragIconView* item : library->objectCatalogue()) {
        if (item->dragAndDropCodeName() == QLatin1String("velk_textbox"))
            textBoxItem = item;
    }
    ASSERT_NE(textBoxItem, nullptr);

    const std::unique_ptr<QMimeData> data(newDragCodeMimeData(textBoxItem->dragAndDropCodeName()));
    const QPoint at = canvas->canvasTransform().map(QPointF(120, 300)).toPoint();
    ASSERT_TRUE(dropOn(*canvas, *data, at));
    ASSERT_EQ(canvas->graphics().size(), 2);
    const std::shared_ptr<SKTGraphic> dropped = canvas->graphics().first();
    EXPECT_EQ(dropped->className(), QStringLiteral("SKTText"));
    EXPECT_EQ(dropped->textString(), QStringLiteral("New text box"));
    EXPECT_EQ(dropped->bounds(), QRectF(120, 300, 300, 150));

    // Edit > Undo reaches the window along the responder chain.
    QAction* undo = nullptr;
    for (QAction* item : delegate->mainMenu().menu(QStringLiteral("editMenu"))->actions()) {
        if (MainMenu::actionName(item) == QLatin1String("undo"))
            undo = item;
    }
    ASSERT_NE(undo, nullptr);
    delegate->validateAllMenuItems();
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(canvas->graphics().size(), 1);

    // Anything that is no library item is refused.
    QMimeData other;
    other.setText(QStringLiteral("velk_textbox"));
    EXPECT_FALSE(dropOn(*canvas, other, at));
    EXPECT_EQ(canvas->graphics().size(), 1);
}

TEST_F(DocumentControllerTest, AShortcutActsOnASelectionMadeWithoutMovingTheFocus)
{
    launchApplication(*delegate, {pagePath});
    SKTWindowController* window = documentWindows().first();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    SKTGraphicView* canvas = window->graphicView();
    canvas->setFocus();
    QApplication::processEvents();
    QAction* duplicate = nullptr;
    for (QAction* item : delegate->mainMenu().menu(QStringLiteral("editMenu"))->actions()) {
        if (MainMenu::actionName(item) == QLatin1String("duplicate"))
            duplicate = item;
    }
    ASSERT_NE(duplicate, nullptr);
    ASSERT_FALSE(duplicate->isEnabled() && duplicate->isVisible()) << "nothing selected yet";

    canvas->selectAll();
    QTest::keyClick(canvas, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(canvas->graphics().size(), 2);
}

TEST_F(DocumentControllerTest, TheCanvasSizeItemOpensTheWindowsSheet)
{
    launchApplication(*delegate, {pagePath});
    SKTWindowController* window = documentWindows().first();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QAction* canvasSize = delegate->mainMenu().item(QStringLiteral("canvasSizeMenuItem"));
    delegate->validateAllMenuItems();
    ASSERT_TRUE(canvasSize->isEnabled());
    canvasSize->trigger();
    ASSERT_NE(window->adjustCanvasSizeWindowController(), nullptr);
    EXPECT_TRUE(window->adjustCanvasSizeWindowController()->isVisible());
    window->cancelAdjustCanvasWindowControllerSheet();
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
