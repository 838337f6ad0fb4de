#include "canvas/view/DrawingCache.h"

#include "model/SKTGraphic.h"
#include "model/drawing/DrawingView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// A graphic whose picture would take more than this share of the budget is drawn in place every time.
constexpr qsizetype kLargestShare = 4;
constexpr qsizetype kBytesPerPixel = 4;

void blit(QPainter& painter, const QImage& image, const QPoint& origin)
{
    painter.save();
    painter.resetTransform();
    painter.drawImage(QPointF(origin) / image.devicePixelRatio(), image);
    painter.restore();
}

} // namespace

DrawingCache::DrawingCache(qsizetype budgetBytes)
    : m_budget(budgetBytes)
{}

void DrawingCache::drawGraphic(SKTGraphic& graphic, const QRectF& drawingBounds, bool beingEdited,
                               DrawingView& view)
{
    QPainter& painter = view.painter();
    const qreal ratio = painter.device()->devicePixelRatio();
    const QTransform toPixels = painter.transform() * QTransform::fromScale(ratio, ratio);
    // Whole pixels around the drawing, so the picture's pixels are the canvas's pixels.
    const QRectF pixelBounds = toPixels.mapRect(drawingBounds);
    const QRect area(
        QPoint(int(std::floor(pixelBounds.left())), int(std::floor(pixelBounds.top()))),
        QPoint(int(std::ceil(pixelBounds.right())) - 1, int(std::ceil(pixelBounds.bottom())) - 1));
    if (area.isEmpty())
        return;
    const qsizetype bytes = qsizetype(area.width()) * area.height() * kBytesPerPixel;
    const auto it = m_pictures.find(&graphic);
    const bool unchanged = it != m_pictures.end() && it->toPixels == toPixels &&
                           it->drawingBounds == drawingBounds && it->beingEdited == beingEdited;
    if (unchanged && !it->image.isNull()) {
        it->lastPaint = m_paint;
        blit(painter, it->image, it->origin);
        return;
    }
    // A graphic is drawn in place the first time it shows in a new state: most graphics that change once
    // change again (while dragged, say) before they are drawn again. Drawn a second time unchanged, it gets
    // its picture.
    if (!unchanged || bytes > m_budget / kLargestShare || !makeRoom(bytes)) {
        forget(&graphic);
        drawWatched(graphic, beingEdited, view);
        if (!m_changedWhileRendering)
            m_pictures.insert(&graphic,
                              {QImage(), area.topLeft(), toPixels, drawingBounds, beingEdited, m_paint});
        return;
    }
    QImage image = render(graphic, drawingBounds, beingEdited, toPixels, area);
    image.setDevicePixelRatio(ratio);
    blit(painter, image, area.topLeft());
    // A graphic that changed while it drew (settling its own layout, say) has let go of its entry.
    const auto kept = m_pictures.find(&graphic);
    if (kept != m_pictures.end()) {
        m_bytes += image.sizeInBytes();
        kept->image = std::move(image);
        kept->lastPaint = m_paint;
    }
}

void DrawingCache::drawWatched(SKTGraphic& graphic, bool beingEdited, DrawingView& view)
{
    m_rendering = &graphic;
    m_changedWhileRendering = false;
    graphic.drawContentsInView(view, beingEdited);
    m_rendering = nullptr;
}

QImage DrawingCache::render(SKTGraphic& graphic, const QRectF& drawingBounds, bool beingEdited,
                            const QTransform& toPixels, const QRect& area)
{
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setTransform(toPixels * QTransform::fromTranslate(-area.x(), -area.y()));
    painter.setClipRect(drawingBounds);
    DrawingView view(painter);
    drawWatched(graphic, beingEdited, view);
    painter.end();
    return image;
}

void DrawingCache::forget(const SKTGraphic* graphic)
{
    if (graphic == m_rendering)
        m_changedWhileRendering = true;
    const auto it = m_pictures.find(graphic);
    if (it == m_pictures.end())
        return;
    m_bytes -= it->image.sizeInBytes();
    m_pictures.erase(it);
}

void DrawingCache::clear()
{
    m_pictures.clear();
    m_bytes = 0;
}

bool DrawingCache::makeRoom(qsizetype bytes)
{
    if (m_bytes + bytes <= m_budget)
        return true;
    std::vector<std::pair<quint64, const SKTGraphic*>> older;
    for (auto it = m_pictures.cbegin(); it != m_pictures.cend(); ++it) {
        if (!it->image.isNull() && it->lastPaint < m_paint)
            older.emplace_back(it->lastPaint, it.key());
    }
    std::sort(older.begin(), older.end());
    for (const auto& [paint, graphic] : older) {
        if (m_bytes + bytes <= m_budget)
            break;
        forget(graphic);
    }
    return m_bytes + bytes <= m_budget;
}
