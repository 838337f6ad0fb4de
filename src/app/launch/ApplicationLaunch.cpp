#include "app/launch/ApplicationLaunch.h"

#include "app/documents/DocumentController.h"
#include "app/launch/PlainWelcomeWindow.h"
#include "app/launch/SKTAppDelegate.h"
#include "app/menus/MainMenu.h"
#include "document/core/SKTDocument.h"
#include "inspector/panel/InspectorPanel.h"
#include "window/SKTWindowController.h"

#include <QMenuBar>
#include "window/source/SourceCodeWindowController.h"

void launchApplication(SKTAppDelegate& delegate, const QStringList& documents)
{
    SourceCodeWindowController::install();
    delegate.setWelcomeWindowMaker([](SKTAppDelegate& owner) { return new PlainWelcomeWindow(owner); });
    SKTWindowController::installAsWindowMaker();
    InspectorPanel::installInDocumentWindows();
    const MainMenu& menu = delegate.mainMenu();
    delegate.documentController().setWindowMaker([&menu](SKTDocument& document) {
        document.makeWindowControllers();
        auto* window = dynamic_cast<SKTWindowController*>(document.windowController());
        if (!window)
            return window;
        menu.installInto(window->menuBar());
        return window;
    });
    delegate.applicationWillFinishLaunching();
    delegate.applicationDidFinishLaunching();
    for (const QString& path : documents)
        delegate.documentController().openDocumentWithContentsOfURL(path);
}
