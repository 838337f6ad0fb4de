#include "inspector/bindings/InspectorBindings.h"

#include "document/core/GraphicSelection.h"
#include "inspector/bindings/ControlBinding.h"
#include "inspector/bindings/SelectionProxy.h"

#include <QWidget>

InspectorBindings::InspectorBindings(QWidget& window)
    : QObject(&window)
    , m_window(window)
{
}

void InspectorBindings::restoreBinding(GraphicSelection* selection, SKTDocument* document)
{
    // Binding again replaces every earlier binding, each by the same row's new one.
    unbindEverything();
    m_proxy = new SelectionProxy(selection, document, this);
    for (const InspectorBindingRow& row : inspectorBindingTable()) {
        auto* control = m_window.findChild<QWidget*>(row.control);
        if (control && ControlBinding::canBind(*control, row.binding))
            m_bindings.append(new ControlBinding(*control, row, *m_proxy, this));
    }
}

void InspectorBindings::unbindEverything()
{
    for (const QPointer<ControlBinding>& binding : std::as_const(m_bindings))
        delete binding;
    m_bindings.clear();
    delete m_proxy;
}

int InspectorBindings::boundCount() const
{
    return int(std::count_if(m_bindings.begin(), m_bindings.end(),
                             [](const QPointer<ControlBinding>& binding) { return !binding.isNull(); }));
}
