#include "canvas/view/SKTGraphicView.h"

#include "canvas/drop/DragCodePasteboard.h"
#include "canvas/drop/LibraryDropCodes.h"
#include "profile/DataCentre.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include <cmath>

namespace {

const QString kSectionCodePrefix = QStringLiteral("velk_section");

bool isSectionCode(const QString& code)
{
    return code.size() > kSectionCodePrefix.size() && code.startsWith(kSectionCodePrefix);
}

} // namespace

// ---- Drag events

void SKTGraphicView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void SKTGraphicView::dragMoveEvent(QDragMoveEvent* event)
{
    const QPointF point = canvasTransform().inverted().map(event->position());
    const Qt::DropAction action = dragOperationForDraggingInfo(*event->mimeData(), point);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void SKTGraphicView::dropEvent(QDropEvent* event)
{
    const QPointF point = canvasTransform().inverted().map(event->position());
    const QString code = dragCodeFromMimeData(*event->mimeData());
    if (dragOperationForDraggingInfo(*event->mimeData(), point) == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    concludeDragOperation({code}, point);
}

// ---- What a drag is offered and where it lands

Qt::DropAction SKTGraphicView::dragOperationForDraggingInfo(const QMimeData& data, const QPointF& point) const
{
    const QString code = dragCodeFromMimeData(data);
    if (code.isNull())
        return Qt::IgnoreAction;
    if (isSectionCode(code) || !DataCentre::profile().responsiveDesign)
        return Qt::CopyAction;
    // On a responsive page everything else lands only on empty space inside a section.
    bool inSection = false;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics()) {
        if (!graphic->bounds().contains(point))
            continue;
        if (!graphic->isSectionContainer())
            return Qt::IgnoreAction;
        inSection = true;
    }
    return inSection ? Qt::CopyAction : Qt::IgnoreAction;
}

void SKTGraphicView::concludeDragOperation(const QStringList& names, const QPointF& dropPoint)
{
    if (names.isEmpty())
        return;
    QPointF point = dropPoint;
    const ProductProfile& profile = DataCentre::profile();
    if (profile.customTextBoxHeight && profile.textBoxDefaultHeight > 0) {
        const double h = profile.textBoxDefaultHeight;
        point = QPointF(int(std::round(point.x() / h) * h), int(std::round(point.y() / h) * h));
    }
    const QPointF whole(int(point.x()), int(point.y()));
    for (const QString& name : names) {
        // A name the canvas has no action for adds nothing and the next name is handled.
        if (runLibraryDropCode(*this, name, whole) == DropFlow::Ends)
            return;
    }
}
