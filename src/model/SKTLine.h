#pragma once

#include "model/SKTGraphic.h"

class QPainterPath;

// A straight line between a begin and an end point inside its bounds, stroked solid, dashed or dotted in
// the border colour and opacity, with an optional arrow head at either end. Its end points are derived
// from the bounds and two direction flags, so every change goes through setBounds.
class SKTLine : public SKTGraphic {
    Q_OBJECT

public:
    QString className() const override;
    std::shared_ptr<SKTGraphic> copy() const override;

    bool pointsRight() const { return m_pointsRight; }
    void setPointsRight(bool pointsRight) { m_pointsRight = pointsRight; }
    bool pointsDown() const { return m_pointsDown; }
    void setPointsDown(bool pointsDown) { m_pointsDown = pointsDown; }

    // The rectangle spanned by two points, and whether the end lies right of and below the begin point.
    static QRectF boundsWithBeginPoint(const QPointF& begin, const QPointF& end, bool* pointsRight = nullptr,
                                       bool* pointsDown = nullptr);

    QPointF beginPoint() const override;
    void setBeginPoint(const QPointF& point) override;
    QPointF endPoint() const override;
    void setEndPoint(const QPointF& point) override;
    void setBounds(const QRectF& bounds) override;

    // The base keys less the bounds, then the end points and arrow flags; the end points are undoable, the
    // bounds are not.
    const GraphicPropertyTable& propertyTable() const override;
    bool initWithProperties(const GraphicPropertyDictionary& properties) override;

    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;
    void drawContentsInView(DrawingView& view, bool beingCreatedOrEdited) override;
    void drawHandlesInView(DrawingView& view) override;
    int handleUnderPoint(const QPointF& point) override;
    int resizeByMovingHandle(int handle, const QPointF& point) override;
    bool isContentsUnderPoint(const QPointF& point) const override;
    bool canMakeNaturalSize() const override { return false; }
    // A new line is drawn by dragging its end point.
    static int creationSizingHandle() { return 2; }

    // Euclidean distance, with the coordinate differences taken in single precision.
    static float distance(const QPointF& a, const QPointF& b);
    static double DegreesToRadians(double degrees);
    static double RadiansToDegrees(double radians);

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;

private:
    // The point `borderWidth` short of the tip, on the way from `from` to `tip`: where a stroke ends under
    // an arrow head.
    QPointF generateArrowBasePoint(const QPointF& from, const QPointF& tip) const;
    // The arrow head at `tip` pointing away from `from`: a right-angled triangle whose two sides of
    // 2 x borderWidth meet at the tip.
    QPainterPath generateArrowPath(const QPointF& from, const QPointF& tip) const;

    bool m_pointsRight = false;
    bool m_pointsDown = false;
};
