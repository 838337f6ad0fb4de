#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "window/views/CustomSplitView.h"

#include <QSplitter>

#include <algorithm>

namespace {

// The divider of a single page's window, which shows no page list.
constexpr int kThinDividerWidth = 1;

// The width a pane takes from the split view: its own and that of the divider after it.
int paneExtent(const QSplitter& split, int index)
{
    const QSplitterHandle* divider = split.handle(index + 1);
    return split.widget(index)->width() + (divider && !divider->isHidden() ? divider->width() : 0);
}

} // namespace

QSplitter* SKTWindowController::splitView() const
{
    return m_splitView;
}

void SKTWindowController::resetZoomScrollViewSize()
{
    const QRect pane = m_mainCanvasView->rect();
    // A single page's canvas pane is not fitted: the scroll view fills it.
    if (m_openWebsiteFolder.isEmpty()) {
        m_zoomingScrollView->setGeometry(pane);
        return;
    }
    int available = m_splitView->width() - paneExtent(*m_splitView, 0);
    if (isInspectorShown())
        available -= paneExtent(*m_splitView, 2) + m_splitView->handle(2)->width();
    const int width = std::min(available, m_graphicView->width());
    m_zoomingScrollView->setGeometry(pane.x(), pane.y(), std::max(width, 0), pane.height());
    resetCanvasSize();
}

bool SKTWindowController::isInspectorShown() const
{
    return !m_inspectorView->isHidden();
}

void SKTWindowController::toggleInspector()
{
    if (isInspectorShown())
        collapseInspector();
    else
        reopenInspector();
}

void SKTWindowController::collapseInspector()
{
    Q_EMIT unbindEverything();
    m_inspectorView->hide();
    resetZoomScrollViewSize();
}

void SKTWindowController::reopenInspector()
{
    m_inspectorView->show();
    Q_EMIT createInspectorPanel();
    resetZoomScrollViewSize();
}

void SKTWindowController::prepSingleDocWindow()
{
    QList<int> sizes = m_splitView->sizes();
    sizes[1] += sizes[0];
    sizes[0] = 0;
    m_splitView->setSizes(sizes);
    m_splitView->setHandleWidth(kThinDividerWidth);
    m_splitView->update();
    m_sidebarSplitView->update();
}
