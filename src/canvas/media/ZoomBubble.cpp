#include "canvas/media/ZoomBubble.h"

#include <cmath>

namespace ZoomBubble {

namespace {

constexpr int kDefaultWidthLimit = 600;

} // namespace

QRectF sourceRect(const QRectF& box, const QRectF& shownRect, double pictureWidth)
{
    const double scale = shownRect.width() > 0 ? pictureWidth / shownRect.width() : 0.0;
    const double x = std::trunc(box.x() - shownRect.x());
    const double y = std::trunc(shownRect.height() - std::trunc(box.y() - shownRect.y()) - box.height());
    return {x * scale, y * scale, std::trunc(box.width()) * scale, std::trunc(box.height()) * scale};
}

QSizeF frameSize(const QSizeF& size, int maxImportedImageWidth)
{
    const int limit = maxImportedImageWidth != 0 ? maxImportedImageWidth : kDefaultWidthLimit;
    if (size.width() <= limit)
        return size;
    const float ratio = float(size.width()) / float(limit);
    return {double(limit), std::trunc(size.height() / double(ratio))};
}

} // namespace ZoomBubble
