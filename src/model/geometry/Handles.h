#pragma once

#include <QPointF>
#include <QRectF>

// Selection handles. The numbers are shared with the canvas: 1 upper left, 2 upper middle, 3 upper right,
// 4 middle left, 5 middle right, 6 lower left, 7 lower middle, 8 lower right, 0 none. A line has 1 at its
// begin point and 2 at its end point.
namespace Handles {

constexpr int kNone = 0;
constexpr int kFirst = 1;
constexpr int kLast = 8;

// The handle's point on the rectangle; the rectangle's origin for 0 or a number out of range.
QPointF point(const QRectF& bounds, int handle);

// The handle that takes the place of `handle` once a drag crossed the opposite side.
int flippedHorizontally(int handle);
int flippedVertically(int handle);

bool isLeftSide(int handle);   // 1, 4, 6
bool isRightSide(int handle);  // 3, 5, 8
bool isTopSide(int handle);    // 1, 2, 3
bool isBottomSide(int handle); // 6, 7, 8

// The canvas scale of the profile, which a new window starts at; a profile that was never configured
// (scale 0) draws at scale 1.
float canvasScale();
// The same scale as a window zooms by: the float's nearest short decimal (0.4, not 0.4000000059604645), so
// a whole number of pixels maps back to a whole number of points.
double canvasZoomFactor();
// Side of the square a handle is drawn as, in canvas points at the canvas's scale: 10 screen points, never
// below 5. A scale of 0 or less counts as 1.
float drawnSize(float scale);
// Side of the square that answers a click on a handle: 10 screen points, with no lower bound, so at a
// canvas scale above 2 it is smaller than the drawn square.
float hitSize(float scale);

// Where a handle is drawn and hit: a square of side `size` centred on the point; for a section container
// a long bar reaching to the right, which is easier to catch.
QRectF area(const QPointF& handlePoint, double size, bool sectionBar);

} // namespace Handles
