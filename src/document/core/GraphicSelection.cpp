#include "document/core/GraphicSelection.h"

GraphicSelection::GraphicSelection(SKTDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
{
    connect(&document, &SKTDocument::graphicsRemoved, this,
            [this](const IndexSet&, const GraphicList& removed) {
                QSet<const SKTGraphic*> remaining = m_selected;
                for (const std::shared_ptr<SKTGraphic>& graphic : removed)
                    remaining.remove(graphic.get());
                select(remaining);
            });
}

GraphicList GraphicSelection::selectedGraphics() const
{
    GraphicList selected;
    for (const std::shared_ptr<SKTGraphic>& graphic : m_document.graphics()) {
        if (m_selected.contains(graphic.get()))
            selected.append(graphic);
    }
    return selected;
}

IndexSet GraphicSelection::selectionIndexes() const
{
    IndexSet indexes;
    const GraphicList& graphics = m_document.graphics();
    for (qsizetype i = 0; i < graphics.size(); ++i) {
        if (m_selected.contains(graphics.at(i).get()))
            indexes.insert(int(i));
    }
    return indexes;
}

bool GraphicSelection::isSelected(const SKTGraphic& graphic) const
{
    return m_selected.contains(&graphic);
}

void GraphicSelection::changeSelectionIndexes(const IndexSet& indexes)
{
    const GraphicList& graphics = m_document.graphics();
    QSet<const SKTGraphic*> selected;
    for (int index : indexes) {
        if (index >= 0 && index < graphics.size())
            selected.insert(graphics.at(index).get());
    }
    select(selected);
}

void GraphicSelection::setSelectedGraphics(const GraphicList& graphics)
{
    QSet<const SKTGraphic*> wanted;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics)
        wanted.insert(graphic.get());
    QSet<const SKTGraphic*> selected;
    for (const std::shared_ptr<SKTGraphic>& graphic : m_document.graphics()) {
        if (wanted.contains(graphic.get()))
            selected.insert(graphic.get());
    }
    select(selected);
}

void GraphicSelection::select(QSet<const SKTGraphic*> graphics)
{
    if (graphics == m_selected)
        return;
    m_selected = std::move(graphics);
    Q_EMIT selectionChanged();
}
