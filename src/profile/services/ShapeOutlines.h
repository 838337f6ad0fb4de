#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

// Named shape outlines (stars, polygons, triangles, squares, rectangles, a circle) that text boxes and
// images can take, drawn in a 100 x 100 unit square.
namespace DataCentre {

// The outline of the named shape in the unit square, flipped vertically (every y becomes 100 - y), as a
// new path. Names are compared exactly; any other name gives an empty path.
QPainterPath grabShapeBezierPath(const QString& name);

// The outline mapped from the unit square onto the rectangle: x and y are scaled by the rectangle's
// width / 100 and height / 100 and moved to its origin.
QPainterPath fitShapeOutline(const QPainterPath& outline, const QRectF& rect);

} // namespace DataCentre
