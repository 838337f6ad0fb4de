#pragma once

#include <QPointF>
#include <QRectF>

// Rectangle tests as the page geometry has always used them. They differ from QRectF's own: a rectangle
// with no width or no height is empty, the right and bottom edges lie outside, and an empty rectangle
// neither contains anything nor adds to a union.
namespace Rects {

bool isEmpty(const QRectF& r);
// The point lies in [left, right) x [top, bottom).
bool pointIn(const QPointF& point, const QRectF& r);
// `inner` is not empty and lies wholly inside `outer`.
bool contains(const QRectF& outer, const QRectF& inner);
// The smallest rectangle holding both; an empty one is ignored.
QRectF unite(const QRectF& a, const QRectF& b);

} // namespace Rects
