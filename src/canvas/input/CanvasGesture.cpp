#include "canvas/input/CanvasGesture.h"

#include "canvas/view/SKTGraphicView.h"
#include "model/SKTGrid.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const char* const kMoveUndoKey = "Move";
const char* const kResizeUndoKey = "Resize";

} // namespace

// ---- Move

MoveGesture::MoveGesture(SKTGraphicView& view, const QPointF& pressPoint)
    : m_view(view)
    , m_selection(view.selectedGraphics())
    , m_bounds(SKTGraphic::boundsOfGraphics(m_selection))
    , m_pressPoint(pressPoint)
    , m_offset(pressPoint - m_bounds.topLeft())
    , m_last(pressPoint)
    , m_rulers(view.rulersShown())
{
    if (m_rulers)
        m_view.beginEchoingMoveToRulers(m_bounds);
}

void MoveGesture::track(const QPointF& location)
{
    if (!m_started) {
        const QPointF distance = location - m_pressPoint;
        if (std::abs(distance.x()) < kStartDistance && std::abs(distance.y()) < kStartDistance)
            return;
        m_started = true;
        m_view.setHidingHandles(true);
    }
    QPointF point = location;
    // The grid snaps the origin of the selection's bounds, not the mouse.
    if (const SKTGrid* grid = m_view.grid())
        point = grid->constrainedPoint(point - m_offset) + m_offset;
    if (point == m_last)
        return;
    const QPointF step = point - m_last;
    SKTGraphic::translateGraphics(m_view.graphicsWithGroupMembers(m_selection), step.x(), step.y());
    if (m_rulers)
        m_view.continueEchoingMoveToRulers(QRectF(point - m_offset, m_bounds.size()));
    m_view.setPasteCascadeDelta(m_view.pasteCascadeDelta() + step);
    m_last = point;
    m_moved = true;
}

void MoveGesture::finish()
{
    m_view.setLastTouchPoint(m_last);
    if (m_rulers)
        m_view.stopEchoingMoveToRulers();
    if (!m_started)
        return;
    m_view.setHidingHandles(false);
    m_view.setNeedsDisplayInRect(SKTGraphic::drawingBoundsOfGraphics(m_selection));
    if (m_moved)
        m_view.nameUndoStep(kMoveUndoKey);
}

// ---- Resize

ResizeGesture::ResizeGesture(SKTGraphicView& view, std::shared_ptr<SKTGraphic> graphic, int handle)
    : m_view(view)
    , m_graphic(std::move(graphic))
    , m_handle(handle)
    , m_rulers(view.rulersShown())
{
    if (m_rulers)
        m_view.beginEchoingMoveToRulers(m_graphic->bounds());
}

void ResizeGesture::track(const QPointF& location)
{
    QPointF point = location;
    if (const SKTGrid* grid = m_view.grid())
        point = grid->constrainedPoint(point);
    m_handle = m_graphic->resizeByMovingHandle(m_handle, point);
    if (m_rulers)
        m_view.continueEchoingMoveToRulers(m_graphic->bounds());
}

void ResizeGesture::finish()
{
    if (m_rulers)
        m_view.stopEchoingMoveToRulers();
    m_view.nameUndoStep(kResizeUndoKey);
}

// ---- Marquee

MarqueeGesture::MarqueeGesture(SKTGraphicView& view, const QPointF& pressPoint)
    : m_view(view)
    , m_initialSelection(view.selectionIndexes())
    , m_pressPoint(pressPoint)
{}

void MarqueeGesture::track(const QPointF& point)
{
    const QRectF marquee(
        QPointF(std::min(m_pressPoint.x(), point.x()), std::min(m_pressPoint.y(), point.y())),
        QSizeF(std::abs(point.x() - m_pressPoint.x()), std::abs(point.y() - m_pressPoint.y())));
    if (marquee == m_view.marqueeSelectionBounds())
        return;
    m_view.setMarqueeSelectionBounds(marquee);
    IndexSet selection = m_initialSelection;
    for (int hit : m_view.indexesOfGraphicsIntersectingRect(marquee)) {
        if (!selection.erase(hit))
            selection.insert(hit);
    }
    m_view.changeSelectionIndexes(selection);
}

void MarqueeGesture::finish()
{
    m_view.setMarqueeSelectionBounds(QRectF());
}
