#include "canvas/view/SKTGraphicView.h"

#include "canvas/input/CanvasGesture.h"
#include "canvas/view/CanvasRuler.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "platform/StringsTable.h"
#include "profile/DataCentre.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

#include <cmath>

namespace {

const QString kUndoStrings = QStringLiteral("UndoStrings");

} // namespace

bool SKTGraphicView::isFormOption(const SKTGraphic& graphic)
{
    const QString type = graphic.formType();
    return type == QLatin1String("radio") || type == QLatin1String("checkbox");
}

// ---- Events

QPointF SKTGraphicView::canvasPointAt(const QPointF& widgetPoint) const
{
    // At a scale such as 0.8 the division leaves noise in the last digits (159.99999999 for 160), and the
    // page file keeps whole pixels by cutting the fraction: a millionth of a point is finer than any
    // placement and rounds the noise away.
    const auto clean = [](double value) { return std::round(value * 1e6) / 1e6; };
    const QPointF point = widgetPoint / m_canvasScale;
    return QPointF(clean(point.x()), clean(point.y()));
}

QPointF SKTGraphicView::canvasPoint(const QMouseEvent& event) const
{
    return canvasPointAt(event.position());
}

void SKTGraphicView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (!window()->isActiveWindow() && !acceptsFirstMouse()) {
        activateWindow();
        return;
    }
    mouseDown(canvasPoint(*event), 1, event->modifiers().testFlag(Qt::ShiftModifier));
}

void SKTGraphicView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    mouseDown(canvasPoint(*event), 2, event->modifiers().testFlag(Qt::ShiftModifier));
}

void SKTGraphicView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_gesture || !event->buttons().testFlag(Qt::LeftButton))
        return;
    const QPointF point = canvasPoint(*event);
    autoscroll(point);
    m_gesture->track(point);
}

void SKTGraphicView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_gesture || event->button() != Qt::LeftButton)
        return;
    m_gesture->track(canvasPoint(*event));
    endGesture();
}

void SKTGraphicView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = menuForEvent(canvasPointAt(QPointF(event->pos())));
    if (!menu)
        return;
    const QList<QAction*> items = menu->actions();
    // A menu with nothing to offer for the selection is not opened.
    if (std::any_of(items.cbegin(), items.cend(), [](const QAction* item) { return item->isVisible(); }))
        menu->popup(event->globalPos());
}

QMenu* SKTGraphicView::menuForEvent(const QPointF& point)
{
    m_lastTouchPoint = point;
    validateMenuItems();
    return m_menu;
}

// ---- The decision tree of a press

void SKTGraphicView::mouseDown(const QPointF& point, int clickCount, bool shift)
{
    // A release that never came (the mouse left the application) ends its gesture here.
    endGesture();
    m_lastTouchPoint = point;
    stopEditing();
    if (clickCount >= 2) {
        if (const std::shared_ptr<SKTGraphic> graphic = graphicUnderPoint(point)) {
            startEditingGraphic(graphic);
            return;
        }
    } else if (DataCentre::profile().tableCellSelection) {
        // Before the click selects, so that the marking sees the selection from before it.
        markSelectedTableCell();
    }
    selectAndTrackMouseWithEvent(point, shift);
}

void SKTGraphicView::selectAndTrackMouseWithEvent(const QPointF& point, bool shift)
{
    int index = -1;
    bool isSelected = false;
    int handle = 0;
    std::shared_ptr<SKTGraphic> graphic = graphicUnderPoint(point, &index, &isSelected, &handle);
    if (graphic && (!graphic->selectable() || isFormOption(*graphic)))
        graphic.reset();
    if (!graphic) {
        if (!shift)
            changeSelectionIndexes({});
        startGesture(std::make_unique<MarqueeGesture>(*this, point));
        return;
    }
    if (handle != 0) {
        startGesture(std::make_unique<ResizeGesture>(*this, graphic, handle));
        return;
    }
    IndexSet selection = selectionIndexes();
    if (shift) {
        if (isSelected)
            selection.erase(index);
        else
            selection.insert(index);
        isSelected = !isSelected;
        changeSelectionIndexes(selection);
    } else if (!isSelected) {
        isSelected = true;
        changeSelectionIndexes({index});
    }
    if (isSelected)
        startGesture(std::make_unique<MoveGesture>(*this, point));
    else
        startGesture(std::make_unique<CanvasGesture>());
}

void SKTGraphicView::startGesture(std::unique_ptr<CanvasGesture> gesture)
{
    // Everything the gesture changes, over however many events, is one undo step.
    if (m_document)
        m_document->undoManager().beginUndoGrouping();
    m_gesture = std::move(gesture);
}

void SKTGraphicView::endGesture()
{
    if (!m_gesture)
        return;
    const std::unique_ptr<CanvasGesture> gesture = std::move(m_gesture);
    gesture->finish();
    if (m_document)
        m_document->undoManager().endUndoGrouping();
}

void SKTGraphicView::autoscroll(const QPointF& point)
{
    for (QWidget* ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (auto* scrollArea = qobject_cast<QScrollArea*>(ancestor)) {
            const QPointF pixel = canvasTransform().map(point);
            scrollArea->ensureVisible(int(pixel.x()), int(pixel.y()), 0, 0);
            return;
        }
    }
}

bool SKTGraphicView::rulersShown() const
{
    const SKTZoomingScrollView* scrollView = enclosingScrollView();
    return scrollView &&
           (!scrollView->horizontalRuler()->isHidden() || !scrollView->verticalRuler()->isHidden());
}

void SKTGraphicView::nameUndoStep(const char* key)
{
    if (m_document) {
        m_document->undoManager().setActionName(
            StringsTable::localizedString(QString::fromLatin1(key), QString(), kUndoStrings));
    }
}

// ---- Hit testing

std::shared_ptr<SKTGraphic> SKTGraphicView::graphicUnderPoint(const QPointF& point, int* index,
                                                              bool* isSelected, int* handle) const
{
    const GraphicList graphics = this->graphics();
    for (qsizetype i = 0; i < graphics.size(); ++i) {
        const std::shared_ptr<SKTGraphic>& graphic = graphics.at(i);
        if (!graphic->drawingBounds().contains(point))
            continue;
        const bool selected = m_selection && m_selection->isSelected(*graphic);
        int hitHandle = selected ? graphic->handleUnderPoint(point) : 0;
        if (hitHandle == 0 && !graphic->isContentsUnderPoint(point))
            continue;
        if (index)
            *index = int(i);
        if (isSelected)
            *isSelected = selected;
        if (handle)
            *handle = hitHandle;
        return graphic;
    }
    return nullptr;
}

IndexSet SKTGraphicView::indexesOfGraphicsIntersectingRect(const QRectF& rect) const
{
    IndexSet hits;
    const GraphicList graphics = this->graphics();
    for (qsizetype i = 0; i < graphics.size(); ++i) {
        SKTGraphic& graphic = *graphics.at(i);
        if (graphic.drawingBounds().intersects(rect) && graphic.selectable() && !isFormOption(graphic))
            hits.insert(int(i));
    }
    return hits;
}
