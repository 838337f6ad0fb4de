#include "canvas/view/SKTZoomingScrollView.h"

#include "canvas/view/CanvasRuler.h"
#include "canvas/view/SKTGraphicView.h"
#include "model/geometry/Handles.h"

#include <QEvent>
#include <QScrollBar>

SKTZoomingScrollView::SKTZoomingScrollView(QWidget* parent)
    : QScrollArea(parent)
    , m_horizontalRuler(new CanvasRuler(Qt::Horizontal, this))
    , m_verticalRuler(new CanvasRuler(Qt::Vertical, this))
    , m_factor(Handles::canvasScale())
{
    setObjectName(QStringLiteral("zoomingScrollView"));
    m_horizontalRuler->setObjectName(QStringLiteral("horizontalRuler"));
    m_verticalRuler->setObjectName(QStringLiteral("verticalRuler"));
    setViewportMargins(CanvasRuler::kThickness, CanvasRuler::kThickness, 0, 0);
    placeRulers();
}

void SKTZoomingScrollView::setGraphicView(SKTGraphicView* view)
{
    m_graphicView = view;
    setWidget(view);
    view->setCanvasScale(m_factor);
    // The canvas moves inside the viewport when it scrolls and resizes when it zooms.
    view->installEventFilter(this);
    connect(view, &SKTGraphicView::rulerEchoChanged, this, [this](const QRectF& bounds) {
        m_horizontalRuler->echoRect(bounds);
        m_verticalRuler->echoRect(bounds);
    });
    updateRulers();
}

void SKTZoomingScrollView::setFactor(double factor)
{
    if (factor <= 0)
        return;
    m_factor = factor;
    if (m_graphicView)
        m_graphicView->setCanvasScale(factor);
    updateRulers();
}

void SKTZoomingScrollView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    placeRulers();
}

bool SKTZoomingScrollView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_graphicView && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        updateRulers();
    return QScrollArea::eventFilter(watched, event);
}

void SKTZoomingScrollView::placeRulers()
{
    const QRect port = viewport()->geometry();
    const int thickness = CanvasRuler::kThickness;
    m_horizontalRuler->setGeometry(port.x(), port.y() - thickness, port.width(), thickness);
    m_verticalRuler->setGeometry(port.x() - thickness, port.y(), thickness, port.height());
}

void SKTZoomingScrollView::updateRulers()
{
    const QPoint origin = m_graphicView ? m_graphicView->pos() : QPoint();
    m_horizontalRuler->setOriginOffset(origin.x());
    m_verticalRuler->setOriginOffset(origin.y());
    m_horizontalRuler->setScale(m_factor);
    m_verticalRuler->setScale(m_factor);
}
