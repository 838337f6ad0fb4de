#include "profile/services/ImageGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace DataCentre {

namespace {

// A side truncated toward zero and kept in the 32-bit range (not-a-number counts as zero); 1 for zero.
qint64 wholeSide(double side)
{
    constexpr double kLargest = std::numeric_limits<int>::max();
    const double truncated = std::isnan(side) ? 0.0 : std::trunc(std::clamp(side, -kLargest, kLargest));
    return truncated == 0.0 ? 1 : qint64(truncated);
}

} // namespace

QSizeF returnNewSizeWithWidth(const QSizeF& size, int length)
{
    const qint64 w = wholeSide(size.width());
    const qint64 h = wholeSide(size.height());
    if (w < h)
        return QSizeF(double(w * length / h), length);
    return QSizeF(length, double(h * length / w));
}

QSizeF returnNewSizeMatchWidthRegardlessOfHeight(const QSizeF& size, int width)
{
    const qint64 w = wholeSide(size.width());
    const qint64 h = wholeSide(size.height());
    return QSizeF(width, double(h * width / w));
}

QTransform& transformRotatingAroundPoint(const QPointF& point, double angle, QTransform& transform)
{
    transform.translate(point.x(), point.y());
    transform.rotate(angle);
    transform.translate(-point.x(), -point.y());
    return transform;
}

} // namespace DataCentre
