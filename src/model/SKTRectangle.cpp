#include "model/SKTRectangle.h"

#include "model/drawing/BezierPath.h"

QString SKTRectangle::className() const
{
    return QStringLiteral("SKTRectangle");
}

std::shared_ptr<SKTGraphic> SKTRectangle::newGraphicOfSameKind() const
{
    return std::make_shared<SKTRectangle>();
}

BezierPath SKTRectangle::bezierPathForDrawing(DrawingView*)
{
    BezierPath outline;
    outline.path.addRoundedRect(bounds(), cornerRadius(), cornerRadius());
    if (strokeWidth() > 0)
        outline.lineWidth = strokeWidth();
    return outline;
}
