#include "inspector/library/WindowObjectLibrary.h"

#include "document/core/SKTDocument.h"
#include "inspector/library/ObjectLibraryView.h"
#include "window/SKTWindowController.h"

#include <QLayout>

namespace {

QString pageFileExtensionOf(const SKTWindowController& window)
{
    return window.document() ? window.document()->pageFileExtension() : QString();
}

} // namespace

ObjectLibraryView* showObjectsList(SKTWindowController& window)
{
    QWidget* pane = window.inspectorView();
    auto* library = pane->findChild<ObjectLibraryView*>();
    if (!library) {
        library = new ObjectLibraryView(pane);
        library->setObjectName(QStringLiteral("objectLibraryView"));
        pane->layout()->addWidget(library);
        QObject::connect(&window, &SKTWindowController::switchSideBarView, library,
                         [library, &window] { library->showObjectsList(pageFileExtensionOf(window)); });
    }
    library->showObjectsList(pageFileExtensionOf(window));
    return library;
}
