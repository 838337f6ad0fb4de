#include "canvas/view/SKTGraphicView.h"

#include "document/core/GraphicClasses.h"
#include "document/core/PageGeometry.h"
#include "profile/DataCentre.h"

#include <optional>

namespace {

// Where a text box that spans the browser window's width stands on the canvas, and where it goes back to.
struct HorizontalPlace {
    double x;
    double width;
};
constexpr HorizontalPlace kScreenWidePlace{0, 9999};
constexpr HorizontalPlace kRestoredPlace{200, 200};

// The horizontal extent of graphics as the page document measures it, in whole points.
struct Span {
    qint64 left;
    qint64 right;
    qint64 centre() const { return left + (right - left) / 2; }
};

// None when the left or the right edge finds no graphic that counts.
std::optional<Span> spanOf(const GraphicList& graphics)
{
    if (!PageGeometry::hasLeftEdge(graphics) || !PageGeometry::hasRightEdge(graphics))
        return std::nullopt;
    return Span{SKTDocument::findMinScreenXForArray(graphics),
                SKTDocument::findMaxScreenWidthForArray(graphics)};
}

// Moves the selection sideways so that its centre comes to x = centre; a selection with nothing the
// centring measures stays.
void centreOn(const GraphicList& selection, qint64 centre)
{
    if (const std::optional<Span> span = spanOf(selection))
        SKTDocument::trimAllObjects(PageGeometry::cut(double(span->centre() - centre)), selection);
}

void spanScreenWidth(const GraphicList& selection, bool screenWide)
{
    const HorizontalPlace place = screenWide ? kScreenWidePlace : kRestoredPlace;
    for (const std::shared_ptr<SKTGraphic>& graphic : selection) {
        if (!GraphicClasses::isKindOfClass(*graphic, GraphicClasses::text))
            continue;
        graphic->setMatchScreenFlag(screenWide);
        const QRectF bounds = graphic->bounds();
        graphic->setBounds(QRectF(place.x, bounds.y(), place.width, bounds.height()));
    }
}

// The one selected graphic, when it is a text box.
std::shared_ptr<SKTGraphic> singleText(const GraphicList& selection)
{
    if (selection.size() != 1 || !GraphicClasses::isKindOfClass(*selection.first(), GraphicClasses::text))
        return nullptr;
    return selection.first();
}

} // namespace

// ---- Match screen width

bool SKTGraphicView::matchScreenWidthShown() const
{
    const std::shared_ptr<SKTGraphic> text = singleText(selectedGraphics());
    return text && !text->matchScreenFlag();
}

bool SKTGraphicView::unMatchScreenWidthShown() const
{
    const std::shared_ptr<SKTGraphic> text = singleText(selectedGraphics());
    return text && text->matchScreenFlag();
}

void SKTGraphicView::matchScreenWidth()
{
    spanScreenWidth(selectedGraphics(), true);
}

void SKTGraphicView::unMatchScreenWidth()
{
    spanScreenWidth(selectedGraphics(), false);
}

// ---- Centring

bool SKTGraphicView::centerGroupShown() const
{
    return !DataCentre::profile().hideCenterGroup && !selectedGraphics().isEmpty();
}

void SKTGraphicView::centerOnCanvas()
{
    centreOn(selectedGraphics(), DataCentre::profile().canvasWidth / 2);
}

void SKTGraphicView::centerGroup()
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return;
    // Half the width of the page's content, measured from the canvas's left edge.
    const SKTDocument& page = mutableGraphics();
    centreOn(selection, (qint64(page.findMaxScreenWidth()) - page.findMinScreenX()) / 2);
}

void SKTGraphicView::centerWithinGroup()
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return;
    const SKTGraphic& first = *selection.first();
    const GraphicList rest = findMatchingGroupObjects(first);
    std::optional<Span> target;
    if (!rest.isEmpty()) {
        target = spanOf(rest);
    } else {
        // Alone in its group, the graphic is its own target.
        const QRectF bounds = first.bounds();
        target = Span{PageGeometry::cut(bounds.x()), PageGeometry::cut(bounds.x() + bounds.width())};
    }
    if (target)
        centreOn(selection, target->centre());
}
