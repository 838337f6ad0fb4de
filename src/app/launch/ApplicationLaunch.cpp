#include "app/launch/ApplicationLaunch.h"

#include "app/documents/DocumentController.h"
#include "app/launch/SKTAppDelegate.h"
#include "app/menus/MainMenu.h"
#include "app/welcome/WelcomeWindowController.h"
#include "canvas/TextEditingView.h"
#include "document/core/SKTDocument.h"
#include "inspector/panel/InspectorPanel.h"
#include "window/SKTWindowController.h"

#include "window/source/SourceCodeWindowController.h"
#include <QMenuBar>

void launchApplication(SKTAppDelegate& delegate, const QStringList& documents)
{
    SourceCodeWindowController::install();
    // A double click on a text box edits its text in place.
    TextEditingViewFactory::install();
    delegate.setWelcomeWindowMaker([](SKTAppDelegate& owner) { return new WelcomeWindowController(owner); });
    SKTWindowController::installAsWindowMaker();
    SKTWindowController::setDocumentOpener([&delegate](const QString& path) {
        return delegate.documentController().openDocumentWithContentsOfURL(path);
    });
    SKTWindowController::setActionSender(
        [&delegate](const QString& action) { delegate.sendActionNamed(action); });
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
