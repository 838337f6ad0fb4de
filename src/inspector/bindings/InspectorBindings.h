#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class ControlBinding;
class GraphicSelection;
class SelectionProxy;
class SKTDocument;

// The bindings of a window's inspector controls to the window's selection, made and removed together
// from the binding table. Controls are found by their object names under the window; a control that is not
// there (a row of a tab not shown) is skipped, and binding again replaces a control's earlier binding of the
// same name.
class InspectorBindings : public QObject {
    Q_OBJECT

public:
    explicit InspectorBindings(QWidget& window);

    // Makes the bindings of the table, in its order, over the selection of the document; without a
    // selection the controls show that nothing is selected.
    void restoreBinding(GraphicSelection* selection, SKTDocument* document);
    // Removes every binding; the controls keep what they show.
    void unbindEverything();
    int boundCount() const;

private:
    QWidget& m_window;
    QPointer<SelectionProxy> m_proxy;
    QList<QPointer<ControlBinding>> m_bindings;
};
