#include "canvas/view/SKTGraphicView.h"

#include "canvas/media/ZoomBubble.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "profile/DataCentre.h"
#include "profile/services/ImageDrawing.h"

#include <cmath>

// A zoom bubble box over an image, or over a picture of a gallery, becomes a new image of the part of the
// picture under it, three times enlarged, at the box's place.

namespace {

const QString kZoomImageType = QStringLiteral("PNG");
const QString kZoomBorderStyle = QStringLiteral("solid");
const QString kZoomBorderColor = QStringLiteral("FFFFFF");
constexpr int kZoomBorderWidth = 3;
constexpr int kZoomShadow = 1;

} // namespace

std::optional<ZoomBubble::Picture> SKTGraphicView::grabImageUnderneath(const SKTGraphic& box) const
{
    const GraphicList page = graphics();
    const auto own = std::find_if(page.cbegin(), page.cend(),
                                  [&box](const std::shared_ptr<SKTGraphic>& g) { return g.get() == &box; });
    if (own == page.cend())
        return std::nullopt;
    // Only what lies behind the box shows through it.
    for (auto it = own; it != page.cend(); ++it) {
        if (const auto* image = dynamic_cast<const SKTImage*>(it->get())) {
            if (image->bounds().intersects(box.bounds()))
                return ZoomBubble::Picture{image->_contents(), image->bounds()};
        } else if (const auto* gallery = dynamic_cast<const SKTGalleryGrid*>(it->get())) {
            const std::shared_ptr<TransformView> picture = gallery->grabImageSelected(
                int(std::trunc(m_lastTouchPoint.x())), int(std::trunc(m_lastTouchPoint.y())));
            if (picture && picture->galleryDimension().intersects(box.bounds()))
                return ZoomBubble::Picture{picture->image(), picture->galleryDimension()};
        }
    }
    return std::nullopt;
}

bool SKTGraphicView::shouldShowCreateZoomBubble() const
{
    const GraphicList selection = selectedGraphics();
    if (selection.size() != 1)
        return false;
    const auto* box = dynamic_cast<const SKTText*>(selection.first().get());
    return box && box->zoomBubbleFlag() == 1 && grabImageUnderneath(*box);
}

void SKTGraphicView::createZoomBubble()
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return;
    const SKTGraphic& box = *selection.first();
    generateZoomBubble(box.cornerRadius() > 0 ? 1 : 0, box.bubbleShape());
}

void SKTGraphicView::generateZoomBubble(int bubbleFlag, const QString& bubbleShape)
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return;
    const QRectF box = selection.first()->bounds();
    const std::optional<ZoomBubble::Picture> picture = grabImageUnderneath(*selection.first());
    if (!picture)
        return;
    const QRectF source =
        ZoomBubble::sourceRect(box, picture->rect, picture->image.deviceIndependentSize().width());
    const QImage zoomed = DataCentre::cropImage(
        picture->image, source,
        QRectF(0, 0, ZoomBubble::kMagnification * box.width(), ZoomBubble::kMagnification * box.height()));
    const QSizeF size = zoomed.deviceIndependentSize();
    const QSizeF frame = ZoomBubble::frameSize(size, DataCentre::profile().maxImportedImageWidth);
    addImageIntoArray(zoomed, kZoomImageType, box.topLeft(), false, QString(), size, kNoNumber, size, 0,
                      kZoomBorderStyle, kZoomBorderColor, kZoomBorderWidth, kZoomShadow, bubbleFlag,
                      bubbleShape, QRectF(box.topLeft(), frame));
}
