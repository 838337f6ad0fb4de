#include "model/SKTLine.h"

#include "model/GraphicPropertyTable.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/BorderStroke.h"
#include "model/drawing/DrawingView.h"
#include "model/geometry/Rects.h"
#include "platform/Format.h"

#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QString kBeginPointKey = QStringLiteral("beginPoint");
const QString kEndPointKey = QStringLiteral("endPoint");

QPointF pointOf(const QVariant* value)
{
    return value && GraphicProperties::isText(*value) ? Format::pointFromString(value->toString())
                                                      : QPointF();
}

float directionTowards(const QPointF& from, const QPointF& tip)
{
    return std::atan2(float(tip.y() - from.y()), float(tip.x() - from.x()));
}

} // namespace

QString SKTLine::className() const
{
    return QStringLiteral("SKTLine");
}

std::shared_ptr<SKTGraphic> SKTLine::newGraphicOfSameKind() const
{
    return std::make_shared<SKTLine>();
}

std::shared_ptr<SKTGraphic> SKTLine::copy() const
{
    std::shared_ptr<SKTGraphic> graphic = SKTGraphic::copy();
    auto* line = static_cast<SKTLine*>(graphic.get());
    line->m_pointsRight = m_pointsRight;
    line->m_pointsDown = m_pointsDown;
    return graphic;
}

QRectF SKTLine::boundsWithBeginPoint(const QPointF& begin, const QPointF& end, bool* pointsRight,
                                     bool* pointsDown)
{
    if (pointsRight)
        *pointsRight = end.x() > begin.x();
    if (pointsDown)
        *pointsDown = end.y() > begin.y();
    return {std::min(begin.x(), end.x()), std::min(begin.y(), end.y()), std::abs(end.x() - begin.x()),
            std::abs(end.y() - begin.y())};
}

QPointF SKTLine::beginPoint() const
{
    const QRectF b = bounds();
    return {m_pointsRight ? b.left() : b.right(), m_pointsDown ? b.top() : b.bottom()};
}

QPointF SKTLine::endPoint() const
{
    const QRectF b = bounds();
    return {m_pointsRight ? b.right() : b.left(), m_pointsDown ? b.bottom() : b.top()};
}

void SKTLine::setBeginPoint(const QPointF& point)
{
    if (GraphicValues::same(point, beginPoint()))
        return;
    const QRectF newBounds = boundsWithBeginPoint(point, endPoint(), &m_pointsRight, &m_pointsDown);
    setBounds(newBounds);
}

void SKTLine::setEndPoint(const QPointF& point)
{
    if (GraphicValues::same(point, endPoint()))
        return;
    const QRectF newBounds = boundsWithBeginPoint(beginPoint(), point, &m_pointsRight, &m_pointsDown);
    setBounds(newBounds);
}

void SKTLine::setBounds(const QRectF& bounds)
{
    SKTGraphic::setBounds(bounds);
    // The end points are views of the bounds.
    didChangeValueForKey(kBeginPointKey);
    didChangeValueForKey(kEndPointKey);
}

// A line's geometry travels as its two points and is undone by them; each end point keeps the other where
// it is, so reading them one after the other places the line.
const GraphicPropertyTable& SKTLine::propertyTable() const
{
    using L = SKTLine;
    using namespace PropertyRows;
    static const GraphicPropertyTable table = [] {
        GraphicPropertyTable t = basePropertyTable();
        GraphicProperty& bounds = t.row(QStringLiteral("bounds"));
        bounds.write = {};
        bounds.watchedForUndo = false;
        t.redraw(Redraw::Contents,
                 {"opacity", "borderWidth", "borderStyle", "borderHexColorString", "borderColor"});
        t << custom<L>(
                 "beginPoint", [](L& l, const QVariant* v) { l.setBeginPoint(pointOf(v)); },
                 [](L& l) { return QVariant(Format::point(l.beginPoint())); })
                 .accessedBy(&L::beginPoint, &L::setBeginPoint)
                 .undoable("Beginpoint")
          << custom<L>(
                 "endPoint", [](L& l, const QVariant* v) { l.setEndPoint(pointOf(v)); },
                 [](L& l) { return QVariant(Format::point(l.endPoint())); })
                 .accessedBy(&L::endPoint, &L::setEndPoint)
                 .undoable("Endpoint")
          << integerFlag<L>("drawBeginArrow", &L::drawBeginArrow, &L::setDrawBeginArrow, false)
                 .redrawing(Redraw::Contents)
          << integerFlag<L>("drawEndArrow", &L::drawEndArrow, &L::setDrawEndArrow, false)
                 .redrawing(Redraw::Contents);
        return t;
    }();
    return table;
}

bool SKTLine::initWithProperties(const GraphicPropertyDictionary& properties)
{
    if (!SKTGraphic::initWithProperties(properties))
        return false;
    // Building the path once settles the width of a dashed or dotted line.
    bezierPathForDrawing();
    return true;
}

QPointF SKTLine::generateArrowBasePoint(const QPointF& from, const QPointF& tip) const
{
    const float angle = directionTowards(from, tip);
    const float w = float(borderWidth());
    return {tip.x() - std::cos(angle) * w, tip.y() - std::sin(angle) * w};
}

QPainterPath SKTLine::generateArrowPath(const QPointF& from, const QPointF& tip) const
{
    const float angle = directionTowards(from, tip);
    const float side = 2.0f * float(borderWidth());
    const float quarter = std::numbers::pi_v<float> / 4;
    QPainterPath arrow(tip);
    arrow.lineTo(tip.x() - std::cos(angle - quarter) * side, tip.y() - std::sin(angle - quarter) * side);
    arrow.lineTo(tip.x() - std::cos(angle + quarter) * side, tip.y() - std::sin(angle + quarter) * side);
    arrow.lineTo(tip);
    return arrow;
}

BezierPath SKTLine::bezierPathForDrawing(DrawingView* view)
{
    const QPointF begin = beginPoint();
    const QPointF end = endPoint();
    // The stroke stops short of each arrow tip.
    const QPointF start = drawBeginArrow() ? generateArrowBasePoint(end, begin) : begin;
    const QPointF finish = drawEndArrow() ? generateArrowBasePoint(begin, end) : end;

    BezierPath result;
    result.path.moveTo(start);
    result.path.lineTo(finish);
    QColor color = borderColor().isValid() ? borderColor() : QColor(Qt::black);
    color.setAlphaF(float(std::clamp(opacity(), 0.0, 1.0)));

    if (const BorderStroke::Style* style = BorderStroke::styleNamed(borderStyle())) {
        // A dashed or dotted line needs a width to measure its dashes by.
        if (style->dash > 0 && borderWidth() == 0)
            setBorderWidth(1);
        result.lineWidth = borderWidth();
        if (view)
            view->strokePath(result.path, BorderStroke::pen(color, result.lineWidth, *style));
    }
    result.path.closeSubpath();

    if (view && drawBeginArrow())
        view->fillPath(generateArrowPath(end, begin), color);
    if (view && drawEndArrow())
        view->fillPath(generateArrowPath(begin, end), color);
    return result;
}

void SKTLine::drawContentsInView(DrawingView& view, bool beingCreatedOrEdited)
{
    bezierPathForDrawing(&view);
    if (beingCreatedOrEdited)
        bezierPathForDrawing(&view);
}

void SKTLine::drawHandlesInView(DrawingView& view)
{
    drawHandleInView(view, beginPoint());
    drawHandleInView(view, endPoint());
}

int SKTLine::handleUnderPoint(const QPointF& point)
{
    if (isHandleAtPoint(beginPoint(), point))
        return 1;
    if (isHandleAtPoint(endPoint(), point))
        return 2;
    return 0;
}

int SKTLine::resizeByMovingHandle(int handle, const QPointF& point)
{
    if (handle == 1)
        setBeginPoint(point);
    else if (handle == 2)
        setEndPoint(point);
    return handle;
}

bool SKTLine::isContentsUnderPoint(const QPointF& point) const
{
    const int w = borderWidth();
    if (!Rects::pointIn(point, bounds().adjusted(-w, -w, w, w)))
        return false;
    // 10 points either way for a thin line, a little more for a thick one.
    const float tolerance = float(w) / 10 + 10;
    const QPointF b = beginPoint();
    const QPointF e = endPoint();
    if (e.x() == b.x())
        return std::abs(point.x() - b.x()) <= tolerance;
    // The vertical distance from the point to the line at the point's x.
    const double lineY = (point.x() - b.x()) * (e.y() - b.y()) / (e.x() - b.x());
    return std::abs(lineY - (point.y() - b.y())) <= tolerance;
}

float SKTLine::distance(const QPointF& a, const QPointF& b)
{
    const float dx = float(b.x() - a.x());
    const float dy = float(b.y() - a.y());
    return std::sqrt(dx * dx + dy * dy);
}

double SKTLine::DegreesToRadians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

double SKTLine::RadiansToDegrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}
