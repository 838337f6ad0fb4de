#include "model/SKTCircle.h"

#include "model/drawing/BezierPath.h"

QString SKTCircle::className() const
{
    return QStringLiteral("SKTCircle");
}

std::shared_ptr<SKTGraphic> SKTCircle::newGraphicOfSameKind() const
{
    return std::make_shared<SKTCircle>();
}

QPainterPath SKTCircle::oval() const
{
    QPainterPath path;
    path.addEllipse(bounds());
    return path;
}

BezierPath SKTCircle::bezierPathForDrawing(DrawingView*)
{
    BezierPath outline;
    outline.path = oval();
    outline.lineWidth = strokeWidth();
    return outline;
}

bool SKTCircle::isContentsUnderPoint(const QPointF& point) const
{
    return oval().contains(point);
}
