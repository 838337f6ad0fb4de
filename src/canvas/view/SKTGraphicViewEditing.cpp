#include "canvas/view/SKTGraphicView.h"

#include "canvas/InternalInconsistencyError.h"

#include <QEvent>

#include <utility>

void SKTGraphicView::startEditingGraphic(const std::shared_ptr<SKTGraphic>& graphic)
{
    if (m_editingGraphic || m_editingView)
        throw InternalInconsistencyError("-[SKTGraphicView startEditingGraphic:] is being mis-invoked.");
    QWidget* view = graphic->newEditingViewWithSuperviewBounds(QRectF(QPointF(), m_canvasSize));
    if (!view)
        return;
    m_editingView = view;
    m_editingGraphic = graphic;
    view->setParent(this);
    view->show();
    view->setFocus();
    view->installEventFilter(this);
    m_editingViewFrame = view->geometry();
    // The graphic is drawn as being edited from now on, without handles.
    setNeedsDisplayInRect(graphic->drawingBounds());
}

void SKTGraphicView::stopEditing()
{
    if (!m_editingView) {
        // An editor destroyed from elsewhere leaves nothing to finalise.
        m_editingGraphic.reset();
        return;
    }
    QWidget* view = m_editingView;
    const std::shared_ptr<SKTGraphic> graphic = std::exchange(m_editingGraphic, nullptr);
    m_editingView = nullptr;
    view->removeEventFilter(this);
    const QWidget* focus = window()->focusWidget();
    const bool hadFocus = focus && (focus == view || view->isAncestorOf(focus));
    view->hide();
    if (hadFocus)
        setFocus();
    graphic->finalizeEditingView(view);
    // The editor may be in the middle of handling the event that ended the editing.
    view->deleteLater();
    setNeedsDisplayInRect(graphic->drawingBounds());
}

bool SKTGraphicView::eventFilter(QObject* watched, QEvent* event)
{
    const bool frameChanged = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (watched == m_editingView && frameChanged) {
        const QRect frame = m_editingView->geometry();
        update(m_editingViewFrame.united(frame));
        m_editingViewFrame = frame;
    }
    return QWidget::eventFilter(watched, event);
}
