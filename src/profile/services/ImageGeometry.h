#pragma once

#include <QPointF>
#include <QSizeF>
#include <QTransform>

// Sizes of scaled images and rotations of drawings: plain arithmetic, called in loops over every page
// image and thumbnail.
namespace DataCentre {

// Whole-number sizes: the width and height are truncated toward zero, a zero side counts as 1, and every
// division truncates toward zero.

// The longer side becomes `length` (the width on a tie), the other keeps the proportion.
QSizeF returnNewSizeWithWidth(const QSizeF& size, int length);
// The width becomes `width`, the height keeps the proportion, whatever the orientation.
QSizeF returnNewSizeMatchWidthRegardlessOfHeight(const QSizeF& size, int width);

// Makes `transform` rotate by `angle` degrees about `point` before what it did already, and returns it.
// On the y-down canvas a positive angle turns clockwise as seen.
QTransform& transformRotatingAroundPoint(const QPointF& point, double angle, QTransform& transform);

} // namespace DataCentre
