#include "canvas/view/SKTGraphicView.h"

#include "canvas/view/SKTZoomingScrollView.h"

namespace {

const char* const kBringToFront = "Bring To Front";
const char* const kSendToBack = "Send To Back";

IndexSet run(int first, int count)
{
    IndexSet indexes;
    for (int i = 0; i < count; ++i)
        indexes.insert(first + i);
    return indexes;
}

} // namespace

// ---- Z-order: index 0 is the front of the page

void SKTGraphicView::moveSelectionTo(const IndexSet& newIndexes, const char* undoKey)
{
    SKTDocument& document = mutableGraphics();
    DocumentUndoManager& undoManager = document.undoManager();
    undoManager.beginUndoGrouping();
    document.moveGraphicsAtIndexes(selectionIndexes(), newIndexes);
    if (undoKey)
        nameUndoStep(undoKey);
    undoManager.endUndoGrouping();
    changeSelectionIndexes(newIndexes);
    Q_EMIT refreshLayerListing();
}

void SKTGraphicView::bringToFront()
{
    const IndexSet selected = selectionIndexes();
    if (!selected.empty())
        moveSelectionTo(run(0, int(selected.size())), kBringToFront);
}

void SKTGraphicView::sendToBack()
{
    const IndexSet selected = selectionIndexes();
    if (selected.empty())
        return;
    // The selection goes just in front of the graphics that cannot be selected, which stay at the very back.
    int place = 0;
    const GraphicList all = graphics();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (selected.count(int(i)))
            continue;
        if (!all.at(i)->selectable())
            break;
        ++place;
    }
    moveSelectionTo(run(place, int(selected.size())), kSendToBack);
}

void SKTGraphicView::bringForward()
{
    const IndexSet selected = selectionIndexes();
    if (selected.empty())
        return;
    const int index = *selected.begin();
    const GraphicList all = graphics();
    const QRectF bounds = all.at(index)->bounds();
    for (int j = 0; j < index; ++j) {
        if (all.at(j)->bounds().intersects(bounds)) {
            moveGraphic(index, j);
            return;
        }
    }
}

void SKTGraphicView::sendBackward()
{
    const IndexSet selected = selectionIndexes();
    if (selected.empty())
        return;
    const int index = *selected.begin();
    const GraphicList all = graphics();
    const QRectF bounds = all.at(index)->bounds();
    for (int k = index + 1; k < all.size(); ++k) {
        const SKTGraphic& other = *all.at(k);
        if (other.selectable() && other.bounds().intersects(bounds)) {
            moveGraphic(index, k);
            return;
        }
    }
}

void SKTGraphicView::moveGraphic(int from, int to)
{
    SKTDocument& document = mutableGraphics();
    DocumentUndoManager& undoManager = document.undoManager();
    undoManager.beginUndoGrouping();
    document.moveGraphicsAtIndexes({from}, {to});
    undoManager.endUndoGrouping();
    Q_EMIT refreshLayerListing();
}

// ---- Selecting everything and nothing

void SKTGraphicView::selectAll()
{
    // The selectable graphics lie at the front of the list.
    const int count = int(selectableGraphics().size());
    if (count > 0)
        changeSelectionIndexes(run(0, count));
}

void SKTGraphicView::deselectAll()
{
    changeSelectionIndexes({});
}

// ---- Rulers

SKTZoomingScrollView* SKTGraphicView::enclosingScrollView() const
{
    for (QWidget* ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (auto* scrollView = qobject_cast<SKTZoomingScrollView*>(ancestor))
            return scrollView;
    }
    return nullptr;
}

void SKTGraphicView::showOrHideRulers()
{
    if (SKTZoomingScrollView* scrollView = enclosingScrollView())
        scrollView->setRulersVisible(!rulersShown());
}
