#include "canvas/view/SKTGraphicView.h"

#include "canvas/drop/DropDispatch.h"
#include "canvas/drop/LibraryDropCodes.h"
#include "profile/DataCentre.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

// ---- Drag events

void SKTGraphicView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void SKTGraphicView::dragMoveEvent(QDragMoveEvent* event)
{
    const QPointF point = canvasPointAt(event->position());
    const Qt::DropAction action = dragOperationForDraggingInfo(*event->mimeData(), point);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    // The generic operation takes what the source proposes.
    if (action == Qt::LinkAction)
        event->acceptProposedAction();
    else {
        event->setDropAction(action);
        event->accept();
    }
}

void SKTGraphicView::dropEvent(QDropEvent* event)
{
    const QPointF point = canvasPointAt(event->position());
    const Qt::DropAction action = dragOperationForDraggingInfo(*event->mimeData(), point);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    if (action == Qt::LinkAction)
        event->acceptProposedAction();
    else {
        event->setDropAction(action);
        event->accept();
    }
    concludeDragOperation(*event);
}

// ---- What a drag is offered and where it lands

Qt::DropAction SKTGraphicView::dragOperationForDraggingInfo(const QMimeData& data, const QPointF& point) const
{
    DropDispatch::PageAtPoint page;
    page.graphicUnderPoint = graphicUnderPoint(point) != nullptr;
    if (const std::shared_ptr<SKTGraphic> section = grabOverLappingSection(QRectF(point, QSizeF(1, 1)))) {
        section->drawBoxModel();
        page.insideSectionContent = section->contentRect().contains(point);
    }
    page.graphicAtPoint = isThereGraphicAtPoint(point);
    return DropDispatch::dragOperation(data, page, DataCentre::profile());
}

void SKTGraphicView::concludeDragOperation(const QDropEvent& drop)
{
    const QMimeData& data = *drop.mimeData();
    const QPointF point = canvasPointAt(drop.position());
    const ProductProfile& profile = DataCentre::profile();
    switch (DropDispatch::dragKindOf(data, profile)) {
    case DropDispatch::DragKind::Other:
        // The drag carries no picture position of its own here: the picture goes where the drop is.
        makeNewImageFromPasteboard(data, point);
        return;
    case DropDispatch::DragKind::Colour:
        if (const std::shared_ptr<SKTGraphic> graphic = graphicUnderPoint(point)) {
            QColor color = qvariant_cast<QColor>(data.colorData());
            color.setAlphaF(1.0f);
            graphic->setColor(color);
        }
        return;
    case DropDispatch::DragKind::FilePromises:
        for (int entry = DropDispatch::filePromiseCount(data); entry > 0; --entry)
            addVelkLink_drag(point);
        return;
    case DropDispatch::DragKind::FileNames:
        concludeDragOperation(DropDispatch::droppedNames(data), point);
        return;
    }
}

void SKTGraphicView::concludeDragOperation(const QStringList& names, const QPointF& point)
{
    DropDispatch::NameActions actions;
    actions.runLibraryCode = [this](const QString& code, const QPointF& at) {
        return runLibraryDropCode(*this, code, at);
    };
    actions.addImageFile = [this](const QString& path, const QPointF& at) {
        return makeNewImageFromContentsOfFile(path, at);
    };
    DropDispatch::dispatchNames(names, point, DataCentre::profile(), actions);
}
