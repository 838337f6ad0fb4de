#include "document/core/PageGeometry.h"

#include "document/core/GraphicClasses.h"
#include "document/core/SKTDocument.h"
#include "model/NoNumber.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace PageGeometry {

namespace {

bool isSlideOrGalleryPicture(const SKTGraphic& graphic)
{
    return GraphicClasses::isKindOfClass(graphic, GraphicClasses::image) &&
           (graphic.slideShowNumber() != kNoNumber || graphic.galleryNumber() != kNoNumber);
}

bool isFullWidthText(const SKTGraphic& graphic)
{
    return GraphicClasses::isKindOfClass(graphic, GraphicClasses::text) && graphic.matchScreenFlag();
}

bool skippedByRightEdge(const SKTGraphic& graphic)
{
    return isSlideOrGalleryPicture(graphic) || isFullWidthText(graphic);
}

template <class Skip> bool anyMeasured(const GraphicList& graphics, Skip skip)
{
    return std::any_of(graphics.cbegin(), graphics.cend(), [&](const std::shared_ptr<SKTGraphic>& graphic) {
        return graphic && !skip(*graphic);
    });
}

// The extreme of the measure over the graphics the filter lets through.
template <class Measure, class Skip>
int extreme(const GraphicList& graphics, int whenNone, bool largest, Measure measure, Skip skip)
{
    std::optional<int> result;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (!graphic || skip(*graphic))
            continue;
        const int value = measure(graphic->bounds());
        if (!result || (largest ? value > *result : value < *result))
            result = value;
    }
    return result.value_or(whenNone);
}

} // namespace

int cut(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(std::trunc(value), double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

int maxRightEdge(const GraphicList& graphics, int whenNone)
{
    return extreme(
        graphics, whenNone, true, [](const QRectF& r) { return cut(r.x()) + cut(r.width()); },
        skippedByRightEdge);
}

int maxBottomEdge(const GraphicList& graphics, int whenNone)
{
    return extreme(
        graphics, whenNone, true, [](const QRectF& r) { return cut(r.y()) + cut(r.height()); },
        isSlideOrGalleryPicture);
}

int minLeftEdge(const GraphicList& graphics, int whenNone)
{
    return extreme(
        graphics, whenNone, false, [](const QRectF& r) { return cut(r.x()); }, isSlideOrGalleryPicture);
}

bool hasLeftEdge(const GraphicList& graphics)
{
    return anyMeasured(graphics, isSlideOrGalleryPicture);
}

bool hasRightEdge(const GraphicList& graphics)
{
    return anyMeasured(graphics, skippedByRightEdge);
}

void shiftLeft(int offset, const GraphicList& graphics)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (!graphic || isSlideOrGalleryPicture(*graphic))
            continue;
        const QRectF r = graphic->bounds();
        graphic->setBounds(QRectF(cut(r.x() - offset), cut(r.y()), cut(r.width()), cut(r.height())));
    }
}

} // namespace PageGeometry

namespace {

// What an empty page measures: room for a small page picture.
constexpr int kEmptyPageWidth = 200;
constexpr int kEmptyPageHeight = 50;

} // namespace

int SKTDocument::findMaxScreenWidth() const
{
    return PageGeometry::maxRightEdge(m_graphics, kEmptyPageWidth);
}

int SKTDocument::findMaxScreenHeight() const
{
    return PageGeometry::maxBottomEdge(m_graphics, kEmptyPageHeight);
}

int SKTDocument::findMinScreenX() const
{
    return PageGeometry::minLeftEdge(m_graphics, 0);
}

int SKTDocument::findMaxScreenWidthForArray(const GraphicList& graphics)
{
    const int width = PageGeometry::maxRightEdge(graphics, 0);
    return width == 0 ? 1 : width;
}

int SKTDocument::findMinScreenXForArray(const GraphicList& graphics)
{
    return PageGeometry::minLeftEdge(graphics, 0);
}

void SKTDocument::trimAllObjects(int offset, const GraphicList& graphics)
{
    PageGeometry::shiftLeft(offset, graphics);
}

void SKTDocument::trimAndCenter()
{
    trimAllObjects(findMinScreenX(), m_graphics);
}
