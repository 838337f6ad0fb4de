#include "inspector/bindings/SelectionProxy.h"

#include "document/core/GraphicSelection.h"
#include "document/core/SKTDocument.h"
#include "inspector/bindings/InspectorKeys.h"

SelectionProxy::SelectionProxy(GraphicSelection* selection, SKTDocument* document, QObject* parent)
    : QObject(parent)
    , m_selection(selection)
    , m_document(document)
{
    const auto changed = [this] {
        observeSelection();
        Q_EMIT selectionChanged();
    };
    if (selection) {
        connect(selection, &GraphicSelection::selectionChanged, this, changed);
        // A window that changes its document makes a new selection; the old one going leaves nothing
        // selected.
        connect(selection, &QObject::destroyed, this, [this, changed] {
            m_selection = nullptr;
            changed();
        });
    }
    observeSelection();
}

GraphicList SelectionProxy::selectedGraphics() const
{
    return m_selection && m_document ? m_selection->selectedGraphics() : GraphicList();
}

void SelectionProxy::observeSelection()
{
    for (const QMetaObject::Connection& connection : std::as_const(m_graphicConnections))
        disconnect(connection);
    m_graphicConnections.clear();
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics())
        m_graphicConnections.append(
            connect(graphic.get(), &SKTGraphic::valueChanged, this, &SelectionProxy::valueChanged));
}

SelectionValue SelectionProxy::valueForKey(const QString& key) const
{
    const InspectorKey* access = inspectorKey(key);
    const GraphicList graphics = selectedGraphics();
    if (!access || graphics.isEmpty())
        return {};
    const QVariant first = access->get(*graphics.first());
    for (qsizetype i = 1; i < graphics.size(); ++i) {
        if (access->get(*graphics.at(i)) != first)
            return {SelectionValue::Marker::MultipleValues, {}};
    }
    return {SelectionValue::Marker::None, first};
}

QMetaType SelectionProxy::typeOfKey(const QString& key) const
{
    const InspectorKey* access = inspectorKey(key);
    return access ? access->type : QMetaType();
}

void SelectionProxy::setValueForKey(const QString& key, const QVariant& value)
{
    const InspectorKey* access = inspectorKey(key);
    const GraphicList graphics = selectedGraphics();
    QVariant converted = value;
    if (!access || graphics.isEmpty() || !converted.convert(access->type))
        return;
    DocumentUndoManager& undo = m_document->undoManager();
    undo.beginUndoGrouping();
    bool changed = false;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        const QVariant before = access->get(*graphic);
        access->set(*graphic, converted);
        if (access->get(*graphic) == before)
            continue;
        changed = true;
        // Setting the bounds to themselves asks the canvas to draw the graphic again, also for keys whose
        // change the graphic does not announce as a change of its drawing.
        graphic->setBounds(graphic->bounds());
    }
    undo.endUndoGrouping();
    undo.checkpoint();
    // Keys the document's undo does not record still change the page.
    if (changed && !m_document->isDocumentEdited())
        m_document->setDocumentEdited(true);
}
