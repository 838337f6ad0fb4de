#include "canvas/view/SKTGraphicView.h"

#include "platform/UserDefaults.h"

// Where objects added from menus and sheets appear: near the top left of the part of the page in view, or
// below everything on the page, as the user chose in the application menu.

namespace {

const QString kInsertNewAtEndFlagKey = QStringLiteral("InsertNewAtEndFlag");
constexpr int kRightOfView = 100;
constexpr int kBelowView = 30;
constexpr int kBelowLowestObject = 30;

} // namespace

QPointF SKTGraphicView::visiblePageOrigin() const
{
    // Where the enclosing view's origin lies on the canvas.
    const QWidget* enclosing = parentWidget();
    return enclosing ? QPointF(mapFrom(enclosing, QPoint(0, 0))) / m_canvasScale : QPointF();
}

QPointF SKTGraphicView::calculateOriginPoint() const
{
    const QPointF visible = visiblePageOrigin();
    const int x = int(visible.x() + kRightOfView);
    int y = int(visible.y() + kBelowView);
    if (UserDefaults::standard().boolForKey(kInsertNewAtEndFlagKey) && m_document)
        y = m_document->findMaxScreenHeight() + kBelowLowestObject;
    return QPointF(x, y);
}
