#include "app/documents/PlainDocumentWindow.h"

#include "app/menus/MainMenu.h"
#include "canvas/view/SKTGraphicView.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "document/core/GraphicSelection.h"
#include "document/core/SKTDocument.h"

#include <QMenuBar>

PlainDocumentWindow::PlainDocumentWindow(SKTDocument& document, const MainMenu& menu)
    : m_selection(new GraphicSelection(document, this))
{
    setObjectName(QStringLiteral("documentWindow"));
    menu.installInto(menuBar());
    auto* scrollView = new SKTZoomingScrollView(this);
    scrollView->setObjectName(QStringLiteral("scrollView"));
    auto* canvas = new SKTGraphicView;
    canvas->setObjectName(QStringLiteral("graphicView"));
    canvas->setCanvasSize(document.canvasSize());
    canvas->bindGraphics(&document);
    canvas->bindSelectionIndexes(m_selection);
    scrollView->setGraphicView(canvas);
    setCentralWidget(scrollView);
    connect(&document, &SKTDocument::windowTitleChanged, this, &QWidget::setWindowTitle);
    document.updateWindowTitle();
    if (windowTitle().isEmpty())
        setWindowTitle(document.createFileName());
    resize(1024, 720);
}

PlainDocumentWindow::~PlainDocumentWindow()
{
    // The canvas lets go of the selection before the selection goes.
    if (auto* canvas = findChild<SKTGraphicView*>())
        canvas->unbindSelectionIndexes();
}
