#include "model/geometry/Handles.h"

#include "profile/DataCentre.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Handles {

namespace {

struct HandleInfo {
    double fx, fy; // position as a fraction of the width and height
    int horizontalFlip, verticalFlip;
};

// Indexed by handle number; entry 0 is no handle.
constexpr std::array<HandleInfo, 9> kHandles{{
    {0.0, 0.0, 0, 0},
    {0.0, 0.0, 3, 6},
    {0.5, 0.0, 2, 7},
    {1.0, 0.0, 1, 8},
    {0.0, 0.5, 5, 4},
    {1.0, 0.5, 4, 5},
    {0.0, 1.0, 8, 1},
    {0.5, 1.0, 7, 2},
    {1.0, 1.0, 6, 3},
}};

bool isHandle(int handle)
{
    return handle >= kFirst && handle <= kLast;
}

float positiveScale(float scale)
{
    return scale > 0 ? scale : 1.0f;
}

} // namespace

float canvasScale()
{
    return positiveScale(DataCentre::profile().canvasScale);
}

double canvasZoomFactor()
{
    return std::round(double(canvasScale()) * 1e6) / 1e6;
}

QPointF point(const QRectF& bounds, int handle)
{
    const HandleInfo& info = kHandles[isHandle(handle) ? handle : 0];
    return {bounds.x() + bounds.width() * info.fx, bounds.y() + bounds.height() * info.fy};
}

int flippedHorizontally(int handle)
{
    return isHandle(handle) ? kHandles[handle].horizontalFlip : handle;
}

int flippedVertically(int handle)
{
    return isHandle(handle) ? kHandles[handle].verticalFlip : handle;
}

bool isLeftSide(int handle)
{
    return isHandle(handle) && kHandles[handle].fx == 0.0;
}

bool isRightSide(int handle)
{
    return isHandle(handle) && kHandles[handle].fx == 1.0;
}

bool isTopSide(int handle)
{
    return isHandle(handle) && kHandles[handle].fy == 0.0;
}

bool isBottomSide(int handle)
{
    return isHandle(handle) && kHandles[handle].fy == 1.0;
}

float drawnSize(float scale)
{
    return float(std::max(10.0 / positiveScale(scale), 5.0));
}

float hitSize(float scale)
{
    return 10.0f / positiveScale(scale);
}

QRectF area(const QPointF& handlePoint, double size, bool sectionBar)
{
    if (sectionBar)
        return {handlePoint.x() - 5 * size, handlePoint.y() - size / 2, 50 * size, size};
    return {handlePoint.x() - size / 2, handlePoint.y() - size / 2, size, size};
}

} // namespace Handles
