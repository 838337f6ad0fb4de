#include "canvas/view/SKTGraphicView.h"

#include "model/SKTGrid.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace {

const char* const kAlignLeftEdges = "Align Left Edges";
const char* const kAlignRightEdges = "Align Right Edges";
const char* const kAlignTopEdges = "Align Top Edges";
const char* const kAlignBottomEdges = "Align Bottom Edges";
const char* const kAlignHorizontalCenters = "Align Horizontal Centers";
const char* const kAlignVerticalCenters = "Align Vertical Centers";
const char* const kGridSelectedGraphics = "Grid Selected Graphics";
const char* const kMakeSameWidth = "Make Same Width";
const char* const kMakeSameHeight = "Make Same Height";
const char* const kMakeNaturalSize = "Make Natural Size";

enum class Axis { Horizontal, Vertical };

// Whole points, truncated toward zero, as the spacing measures them.
qint64 whole(double value)
{
    return qint64(std::trunc(value));
}

double origin(const QRectF& r, Axis axis)
{
    return axis == Axis::Horizontal ? r.x() : r.y();
}

double extent(const QRectF& r, Axis axis)
{
    return axis == Axis::Horizontal ? r.width() : r.height();
}

QRectF withOrigin(QRectF r, Axis axis, double value)
{
    if (axis == Axis::Horizontal)
        r.moveLeft(value);
    else
        r.moveTop(value);
    return r;
}

void setBoundsIfChanged(SKTGraphic& graphic, const QRectF& bounds)
{
    if (graphic.bounds() != bounds)
        graphic.setBounds(bounds);
}

using Placement = SKTGraphicView::BoundsPlacement;

} // namespace

// ---- Reference and selectable graphics

std::shared_ptr<SKTGraphic> SKTGraphicView::lastSelectedGraphic() const
{
    // Left and top edges inside, right and bottom edges outside.
    const QPointF point = m_lastTouchPoint;
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
        const QRectF b = graphic->bounds();
        if (point.x() >= b.left() && point.x() < b.right() && point.y() >= b.top() && point.y() < b.bottom())
            return graphic;
    }
    return nullptr;
}

GraphicList SKTGraphicView::grabSelectableArray(const GraphicList& graphics)
{
    GraphicList selectable;
    std::copy_if(graphics.cbegin(), graphics.cend(), std::back_inserter(selectable),
                 [](const std::shared_ptr<SKTGraphic>& graphic) { return graphic->selectable(); });
    return selectable;
}

GraphicList SKTGraphicView::selectableGraphics() const
{
    return grabSelectableArray(graphics());
}

void SKTGraphicView::runSelectionChange(const char* undoKey,
                                        const std::function<void(const GraphicList&)>& change)
{
    const GraphicList selection = selectedGraphics();
    if (m_document) {
        DocumentUndoManager& undoManager = m_document->undoManager();
        undoManager.beginUndoGrouping();
        change(selection);
        if (undoKey)
            nameUndoStep(undoKey);
        undoManager.endUndoGrouping();
    }
    // Option buttons follow their labels, whatever the command did.
    if (m_document)
        m_document->reAlignFormOptions();
}

// ---- Edges and sizes on the graphic under the last click

namespace {

void placeOnReference(const GraphicList& selection, const QRectF& reference, Placement place)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : selection)
        setBoundsIfChanged(*graphic, place(reference, graphic->bounds()));
}

} // namespace

void SKTGraphicView::alignOnLastSelected(const char* undoKey, Placement place)
{
    runSelectionChange(undoKey, [this, place](const GraphicList& selection) {
        if (selection.size() < 2)
            return;
        const std::shared_ptr<SKTGraphic> reference = lastSelectedGraphic();
        placeOnReference(selection, reference ? reference->bounds() : QRectF(), place);
    });
}

void SKTGraphicView::alignLeftEdges()
{
    alignOnLastSelected(kAlignLeftEdges, [](const QRectF& r, const QRectF& b) {
        return QRectF(r.x(), b.y(), b.width(), b.height());
    });
}

void SKTGraphicView::alignRightEdges()
{
    alignOnLastSelected(kAlignRightEdges, [](const QRectF& r, const QRectF& b) {
        return QRectF(r.x() + r.width() - b.width(), b.y(), b.width(), b.height());
    });
}

void SKTGraphicView::alignTopEdges()
{
    alignOnLastSelected(kAlignTopEdges, [](const QRectF& r, const QRectF& b) {
        return QRectF(b.x(), r.y(), b.width(), b.height());
    });
}

void SKTGraphicView::alignBottomEdges()
{
    alignOnLastSelected(kAlignBottomEdges, [](const QRectF& r, const QRectF& b) {
        return QRectF(b.x(), r.y() + r.height() - b.height(), b.width(), b.height());
    });
}

void SKTGraphicView::makeSameWidth()
{
    alignOnLastSelected(kMakeSameWidth, [](const QRectF& r, const QRectF& b) {
        return QRectF(b.x(), b.y(), r.width(), b.height());
    });
}

void SKTGraphicView::makeSameHeight()
{
    alignOnLastSelected(kMakeSameHeight, [](const QRectF& r, const QRectF& b) {
        return QRectF(b.x(), b.y(), b.width(), r.height());
    });
}

void SKTGraphicView::makeSameSize()
{
    if (!m_document)
        return;
    // One undo step for both.
    DocumentUndoManager& undoManager = m_document->undoManager();
    undoManager.beginUndoGrouping();
    makeSameWidth();
    makeSameHeight();
    undoManager.endUndoGrouping();
}

// ---- Centres on the first selected graphic

void SKTGraphicView::alignHorizontalCenters()
{
    runSelectionChange(kAlignHorizontalCenters, [](const GraphicList& selection) {
        if (selection.size() < 2)
            return;
        placeOnReference(selection.mid(1), selection.first()->bounds(), [](const QRectF& r, const QRectF& b) {
            return withOrigin(b, Axis::Horizontal, r.x() + r.width() * 0.5 - b.width() * 0.5);
        });
    });
}

void SKTGraphicView::alignVerticalCenters()
{
    runSelectionChange(kAlignVerticalCenters, [](const GraphicList& selection) {
        if (selection.size() < 2)
            return;
        placeOnReference(selection.mid(1), selection.first()->bounds(), [](const QRectF& r, const QRectF& b) {
            return withOrigin(b, Axis::Vertical, r.y() + r.height() * 0.5 - b.height() * 0.5);
        });
    });
}

// ---- Even spacing

namespace {

// The first two graphics in order stay; each further one follows the one before at the gap the first two
// leave between them.
void spaceEvenly(GraphicList graphics, Axis axis)
{
    std::stable_sort(graphics.begin(), graphics.end(),
                     [axis](const std::shared_ptr<SKTGraphic>& a, const std::shared_ptr<SKTGraphic>& b) {
                         return whole(origin(a->bounds(), axis)) < whole(origin(b->bounds(), axis));
                     });
    if (graphics.size() < 2)
        return;
    const QRectF a = graphics.at(0)->bounds();
    const QRectF b = graphics.at(1)->bounds();
    const qint64 endA = whole(origin(a, axis) + extent(a, axis));
    const qint64 endB = whole(origin(b, axis) + extent(b, axis));
    qint64 gap;
    qint64 current;
    if (endB > endA) {
        gap = std::abs(whole(origin(b, axis)) - endA);
        current = endB;
    } else {
        gap = std::abs(whole(origin(a, axis)) - endB);
        current = endA;
    }
    for (qsizetype i = 2; i < graphics.size(); ++i) {
        SKTGraphic& graphic = *graphics.at(i);
        const QRectF placed = withOrigin(graphic.bounds(), axis, double(current + gap));
        graphic.setBounds(placed);
        current = whole(origin(placed, axis) + extent(placed, axis));
    }
}

} // namespace

void SKTGraphicView::alignHorizontalSpacing()
{
    runSelectionChange(nullptr,
                       [](const GraphicList& selection) { spaceEvenly(selection, Axis::Horizontal); });
}

void SKTGraphicView::alignVerticalSpacing()
{
    runSelectionChange(nullptr, [](const GraphicList& selection) { spaceEvenly(selection, Axis::Vertical); });
}

// ---- Grid, natural size and colour

void SKTGraphicView::alignWithGrid()
{
    if (!m_grid || !m_grid->canAlign() || !m_document)
        return;
    const SKTGrid& grid = *m_grid;
    DocumentUndoManager& undoManager = m_document->undoManager();
    undoManager.beginUndoGrouping();
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics())
        setBoundsIfChanged(*graphic, grid.alignedRect(graphic->bounds()));
    nameUndoStep(kGridSelectedGraphics);
    undoManager.endUndoGrouping();
}

void SKTGraphicView::makeNaturalSize()
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty() || !m_document)
        return;
    DocumentUndoManager& undoManager = m_document->undoManager();
    undoManager.beginUndoGrouping();
    for (const std::shared_ptr<SKTGraphic>& graphic : selection)
        graphic->makeNaturalSize();
    nameUndoStep(kMakeNaturalSize);
    undoManager.endUndoGrouping();
}

void SKTGraphicView::changeColor(const QColor& color)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics())
        graphic->setColor(color);
}
