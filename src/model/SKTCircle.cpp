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

BezierPath SKTCircle::bezierPathForDrawing(DrawingView*)
{
    BezierPath outline;
    outline.path.addEllipse(bounds());
    outline.lineWidth = strokeWidth();
    return outline;
}

bool SKTCircle::isContentsUnderPoint(const QPointF& point)
{
    return bezierPathForDrawing().path.contains(point);
}
