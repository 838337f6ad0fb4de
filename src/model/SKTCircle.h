#pragma once

#include "model/SKTGraphic.h"

class QPainterPath;

// An ellipse filling its bounds. It supplies its outline and its hit test; everything else is the base
// class's.
class SKTCircle : public SKTGraphic {
    Q_OBJECT

public:
    QString className() const override;
    // The oval inscribed in the bounds, stroked strokeWidth wide.
    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;
    // Inside the oval: the corners of the bounds are a miss.
    bool isContentsUnderPoint(const QPointF& point) const override;
    // A click leaves the inspector's colours as they were.
    void contentsClickedAtPoint(const QPointF&) override {}

private:
    QPainterPath oval() const;

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;
};
