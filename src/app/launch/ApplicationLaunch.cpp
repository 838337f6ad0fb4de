#include "app/launch/ApplicationLaunch.h"

#include "app/documents/DocumentController.h"
#include "app/documents/PlainDocumentWindow.h"
#include "app/launch/PlainWelcomeWindow.h"
#include "app/launch/SKTAppDelegate.h"
#include "window/source/SourceCodeWindowController.h"

void launchApplication(SKTAppDelegate& delegate, const QStringList& documents)
{
    SourceCodeWindowController::install();
    delegate.setWelcomeWindowMaker([](SKTAppDelegate& owner) { return new PlainWelcomeWindow(owner); });
    const MainMenu& menu = delegate.mainMenu();
    delegate.documentController().setWindowMaker(
        [&menu](SKTDocument& document) { return new PlainDocumentWindow(document, menu); });
    delegate.applicationWillFinishLaunching();
    delegate.applicationDidFinishLaunching();
    for (const QString& path : documents)
        delegate.documentController().openDocumentWithContentsOfURL(path);
}
