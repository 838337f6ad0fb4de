#include "model/geometry/Rects.h"

namespace Rects {

bool isEmpty(const QRectF& r)
{
    return !(r.width() > 0 && r.height() > 0);
}

bool pointIn(const QPointF& point, const QRectF& r)
{
    return point.x() >= r.left() && point.x() < r.right() && point.y() >= r.top() && point.y() < r.bottom();
}

bool contains(const QRectF& outer, const QRectF& inner)
{
    return !isEmpty(inner) && inner.left() >= outer.left() && inner.top() >= outer.top() &&
           inner.right() <= outer.right() && inner.bottom() <= outer.bottom();
}

QRectF unite(const QRectF& a, const QRectF& b)
{
    if (isEmpty(a))
        return isEmpty(b) ? QRectF() : b;
    if (isEmpty(b))
        return a;
    return a.united(b);
}

} // namespace Rects
