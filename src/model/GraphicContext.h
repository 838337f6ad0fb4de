#pragma once

#include <QPointF>
#include <QString>

// What graphics ask of the document window they are shown in. The window controller of the main window
// provides it; headless runs and tests install a PlainGraphicContext. With no current context the model
// behaves as without a main window.
class GraphicContext {
public:
    virtual ~GraphicContext();

    // The page name of the current page document; null when no document is current.
    virtual QString getDocumentPageName() const = 0;
    // The path of the current page file without its extension; null when no document is current.
    virtual QString grabCurrentDocPath() const = 0;
    // The next free image file name of the page.
    virtual QString grabNextImageName() const = 0;
    // The canvas point of the last mouse-down or context click.
    virtual QPointF grabLastTouchPoint() const = 0;

    // The context of the main window; null when there is none. Set from the GUI thread only.
    static GraphicContext* current();
    static void setCurrent(GraphicContext* context);
};
