#include "canvas/view/SKTGraphicView.h"

#include "canvas/view/PageBackground.h"
#include "document/core/GraphicSelection.h"
#include "model/SKTGrid.h"
#include "model/drawing/DrawingView.h"

#include <QPaintEvent>
#include <QPainter>

void SKTGraphicView::paintEvent(QPaintEvent* event)
{
    const QRegion& dirty = event->region();
    QPainter painter(this);
    m_drawingCache.beginPaint();
    drawBackground(painter, dirty);
    painter.setTransform(canvasTransform());
    DrawingView view(painter);
    if (m_grid)
        m_grid->drawRect(canvasTransform().inverted().mapRect(QRectF(dirty.boundingRect())), view);
    if (!m_pauseDrawGraphicFlag)
        drawGraphics(view, dirty);
    drawMarquee(painter);
}

void SKTGraphicView::drawBackground(QPainter& painter, const QRegion& dirty)
{
    m_pageColor = PageBackground::pageBrush(m_pageColorHexString, m_pageColor, m_clearBackground);
    painter.save();
    // The page colour replaces what was there, so a clear page is see-through.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setBrushOrigin(PageBackground::patternOrigin(*this));
    for (const QRect& rect : dirty)
        painter.fillRect(rect, m_pageColor);
    painter.restore();
}

void SKTGraphicView::drawGraphics(DrawingView& view, const QRegion& dirty)
{
    const GraphicList graphics = this->graphics();
    const QTransform toWidget = canvasTransform();
    // Back to front: the frontmost graphic, index 0, comes last and covers the handles of those behind it.
    for (auto it = graphics.crbegin(); it != graphics.crend(); ++it) {
        SKTGraphic& graphic = **it;
        // The drawing bounds the graphics announced decide which to skip; asking each graphic anew costs
        // more than drawing the few in the dirty region. Those drawn are asked, which settles their box.
        const auto announced = m_observations.constFind(&graphic);
        if (announced == m_observations.constEnd() ||
            !dirty.intersects(toWidget.mapRect(announced->drawingBounds).toAlignedRect()))
            continue;
        const QRectF bounds = graphic.drawingBounds();
        const bool beingEdited = *it == m_editingGraphic;
        const bool showsHandles =
            !m_hidingHandles && !beingEdited && m_selection && m_selection->isSelected(graphic);
        view.save();
        view.painter().setClipRect(bounds, Qt::IntersectClip);
        m_drawingCache.drawGraphic(graphic, bounds, beingEdited, view);
        if (showsHandles)
            graphic.drawHandlesInView(view);
        view.restore();
    }
}

void SKTGraphicView::drawMarquee(QPainter& painter)
{
    if (m_marqueeSelectionBounds.isNull())
        return;
    // A one-point frame just inside the rectangle.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1.0));
    painter.drawRect(m_marqueeSelectionBounds.adjusted(0.5, 0.5, -0.5, -0.5));
}
