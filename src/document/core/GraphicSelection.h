#pragma once

#include "document/core/SKTDocument.h"

#include <QObject>
#include <QSet>

// The selected graphics of one document window: always some of its document's graphics, answered in the
// order of the document's list. Each window has its own, so two windows, or a window and a tool without
// one, never share a selection. A graphic leaves the selection when it leaves the document; moving graphics
// keeps them selected. The selection must not outlive its document.
class GraphicSelection : public QObject {
    Q_OBJECT

public:
    explicit GraphicSelection(SKTDocument& document, QObject* parent = nullptr);

    // The selected graphics and their indexes, in list order.
    GraphicList selectedGraphics() const;
    IndexSet selectionIndexes() const;
    bool isSelected(const SKTGraphic& graphic) const;
    // Replaces the whole selection; indexes beyond the list and graphics not in the document select nothing.
    void changeSelectionIndexes(const IndexSet& indexes);
    void setSelectedGraphics(const GraphicList& graphics);

Q_SIGNALS:
    // Sent after the set of selected graphics changed, never for a change to the same set.
    void selectionChanged();

private:
    void select(QSet<const SKTGraphic*> graphics);

    SKTDocument& m_document;
    QSet<const SKTGraphic*> m_selected;
};
