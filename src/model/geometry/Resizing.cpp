#include "model/SKTGraphic.h"

#include "model/GraphicContext.h"
#include "model/geometry/BoxModel.h"
#include "model/geometry/Handles.h"
#include "profile/DataCentre.h"

#include <QDebug>

namespace {

const QString kImageKind = QStringLiteral("SKTImage");

// The rectangle a drag proposes, worked on in steps; a refusal puts it back where it was.
struct Proposal {
    double x, y, w, h;
    void reset(const QRectF& r) { *this = {r.x(), r.y(), r.width(), r.height()}; }
    QRectF rect() const { return {x, y, w, h}; }
};

// A section's edge may move only where that crosses none of its members and no other graphic; a bottom
// edge dragged into the section below pushes that section down instead. Answers whether the drag is
// refused.
bool isSectionResizeRefused(SKTGraphic& section, GraphicContext& context, int handle, const QPointF& p,
                            const Proposal& proposal, const QRectF& current)
{
    section.drawBoxModel();
    const std::shared_ptr<SKTGraphic> topMost = context.grabTopMostObjectInSection(section);
    const std::shared_ptr<SKTGraphic> bottomMost = context.grabBottomMostObjectInSection(section);
    const bool topSide = Handles::isTopSide(handle);
    // The margin and padding strip at the dragged edge.
    const double topStrip = section.topMarginInPx() + section.topPaddingInPx();
    const double bottomStrip = section.bottomMarginInPx() + section.bottomPaddingInPx();
    const QRectF strip = topSide ? QRectF(proposal.x, p.y(), proposal.w, topStrip)
                                 : QRectF(proposal.x, p.y() - bottomStrip, proposal.w, bottomStrip);
    const QRectF edgeLine(proposal.x, p.y(), proposal.w, 1);
    const bool movingDown = p.y() > current.bottom() || (topSide && p.y() > current.top());

    if (topSide && movingDown)
        return context.isThereGraphicAtRect(strip) || (topMost && p.y() > topMost->bounds().top());
    if (topSide)
        return context.isThereGraphicAtNewLocation(section, strip);
    if (movingDown) {
        if (context.isThereGraphicAtNewLocation(section, strip))
            context.identifyAndPushSectionsDownwardByOnePixel(edgeLine);
        return false;
    }
    return context.isThereGraphicAtRect(strip) || (bottomMost && bottomMost->bounds().bottom() > p.y());
}

} // namespace

int SKTGraphic::resizeByMovingHandle(int handle, const QPointF& p)
{
    const bool responsive = DataCentre::profile().responsiveDesign;
    const bool image = className() == kImageKind;
    const QRectF current = bounds();
    Proposal r;
    r.reset(current);
    float ratio = float(r.w) / float(r.h);
    if (responsive && image) {
        const QSizeF picture = inputImageSize();
        ratio = float(picture.width()) / float(picture.height());
    }

    // Horizontal part; on a responsive page the x and width never change by a handle.
    if (!responsive) {
        if (Handles::isLeftSide(handle)) {
            r.w = (r.x + r.w) - p.x();
            r.x = p.x();
        } else if (Handles::isRightSide(handle)) {
            r.w = p.x() - r.x;
        }
        const bool sideDragged = Handles::isLeftSide(handle) || Handles::isRightSide(handle);
        if (r.w < 0) {
            handle = Handles::flippedHorizontally(handle);
            r.w = -r.w;
            r.x -= r.w;
            flipHorizontally();
        }
        // Taken from the width once it is positive again, so a flipped picture keeps a positive height.
        if (image && sideDragged)
            r.h = r.w / ratio;
        if (image)
            updateOriginalRect();
    }

    // Vertical part, in single precision; the middle handles 4 and 5 (and no handle) leave it alone.
    if (Handles::isTopSide(handle) || Handles::isBottomSide(handle)) {
        const bool topSide = Handles::isTopSide(handle);
        const float newH = topSide ? float((r.y + r.h) - p.y()) : float(p.y() - r.y);
        const float newY = topSide ? float(p.y()) : float(r.y);
        if (image && responsive) {
            // The box keeps the full width; the picture keeps its shape inside it by equal side paddings.
            const float extra = (float(r.w) - ratio * newH) / 2;
            if (extra <= 0) {
                r.reset(current);
            } else {
                const int percent = int(extra / float(r.w) * 100);
                setLeftPadding(percent);
                setLeftPaddingType(BoxModel::kPercentUnit);
                setRightPadding(percent);
                setRightPaddingType(BoxModel::kPercentUnit);
                r.h = newH;
                r.y = newY;
            }
        } else {
            r.h = newH;
            r.y = newY;
            if (image)
                r.w = ratio * r.h;
        }
        if (r.h < 0) {
            handle = Handles::flippedVertically(handle);
            r.h = -r.h;
            r.y -= r.h;
            flipVertically();
        }
    }

    GraphicContext* context = graphicContext();
    if (isSectionContainer()) {
        if (context && isSectionResizeRefused(*this, *context, handle, p, r, current))
            r.reset(current);
    } else if (DataCentre::profile().preventOverlap) {
        const QRectF proposed = r.rect();
        if (context && context->isThereGraphicAtNewLocation(*this, proposed)) {
            r.reset(current);
            qInfo().noquote() << "overlap";
        }
        if (isGraphicContainedWithinSection(*this, proposed)) {
            r.reset(current);
            qInfo().noquote() << "exceeded edge";
        }
    }

    // No minimum size: a drag through the opposite side flips the graphic instead.
    setBounds(r.rect());
    return handle;
}
