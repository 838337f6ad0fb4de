#include "model/SKTGraphic.h"

#include "model/GraphicContext.h"
#include "model/geometry/Rects.h"
#include "profile/DataCentre.h"

#include <QTimer>

namespace {

const QString kOverlapCheckTimer = QStringLiteral("checkforOverlap");
constexpr int kOverlapCheckDelayMs = 200;

template <class Extent> QRectF unionOf(const GraphicList& graphics, Extent extent)
{
    if (graphics.isEmpty())
        return {};
    QRectF united = extent(*graphics.first());
    for (qsizetype i = 1; i < graphics.size(); ++i)
        united = Rects::unite(united, extent(*graphics.at(i)));
    return united;
}

// One pending check per graphic: a further move restarts it, so the check runs 0.2 s after the last move.
// The timer belongs to the graphic and goes away with it.
void scheduleOverlapCheck(SKTGraphic& graphic)
{
    auto* timer = graphic.findChild<QTimer*>(kOverlapCheckTimer, Qt::FindDirectChildrenOnly);
    if (!timer) {
        timer = new QTimer(&graphic);
        timer->setObjectName(kOverlapCheckTimer);
        timer->setSingleShot(true);
        timer->setInterval(kOverlapCheckDelayMs);
        SKTGraphic* target = &graphic;
        QObject::connect(timer, &QTimer::timeout, target, [target] { SKTGraphic::checkforOverlap(*target); });
    }
    timer->start();
}

// The section's content rectangle as the graphic stands now.
QRectF sectionContent(SKTGraphic& section)
{
    section.drawBoxModel();
    return section.contentRect();
}

} // namespace

bool SKTGraphic::isSectionContainer() const
{
    const QString type = gridType();
    return type == QLatin1String("section") || type == QLatin1String("sectionTemplate");
}

QRectF SKTGraphic::boundsOfGraphics(const GraphicList& graphics)
{
    return unionOf(graphics, [](SKTGraphic& g) { return g.bounds(); });
}

QRectF SKTGraphic::drawingBoundsOfGraphics(const GraphicList& graphics)
{
    return unionOf(graphics, [](SKTGraphic& g) { return g.drawingBounds(); });
}

void SKTGraphic::translateGraphics(const GraphicList& graphics, double dx, double dy)
{
    const ProductProfile& profile = DataCentre::profile();
    // Once a rule zeroes a distance it stays zero for the rest of the list.
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        GraphicContext* context = graphic->graphicContext();
        if (profile.preventOverlap) {
            if (!context || !context->isThereGraphicAtNewLocation(*graphic, graphic->bounds()))
                graphic->setLastNoOverlapRect(graphic->bounds());
            if (isGraphicOutsideOfSection(*graphic, int(dy)))
                dy = 0;
        }
        if (profile.responsiveDesign) {
            dx = 0;
            if (dy < 0 && graphic->bounds().y() < 0)
                dy = 0;
        }
        if (graphic->moveLock() != 1 && graphic->selectable())
            graphic->setBounds(graphic->bounds().translated(dx, dy));
        // A locked section still drags its members.
        if (graphic->isSectionContainer()) {
            if (context) {
                for (const std::shared_ptr<SKTGraphic>& member : context->findObjectsInSection(*graphic)) {
                    if (member->movingAsPartOfSection())
                        member->setBounds(member->bounds().translated(0, dy));
                }
            }
            dx = 0;
        }
        if (profile.preventOverlap)
            scheduleOverlapCheck(*graphic);
        if (context)
            context->reAlignFormOptions();
    }
}

bool SKTGraphic::isGraphicOutsideOfSection(SKTGraphic& graphic, int dy)
{
    GraphicContext* context = graphic.graphicContext();
    const std::shared_ptr<SKTGraphic> section =
        context ? context->grabMySection(graphic.sectionNumber()) : nullptr;
    if (!section || section.get() == &graphic)
        return false;
    const QRectF content = sectionContent(*section);
    // The content band less 2 at the top and at the bottom.
    const double top = content.y() + 2;
    const double bottom = content.y() + 2 + (content.height() - 4);
    const QRectF b = graphic.bounds();
    return top > b.y() + dy || b.y() + b.height() + dy > bottom;
}

bool SKTGraphic::isGraphicContainedWithinSection(SKTGraphic& graphic, const QRectF& rect)
{
    GraphicContext* context = graphic.graphicContext();
    const std::shared_ptr<SKTGraphic> section =
        context ? context->grabMySection(graphic.sectionNumber()) : nullptr;
    const QRectF content = section ? sectionContent(*section) : QRectF();
    return !Rects::contains(content.adjusted(-2, -2, 2, 2), rect);
}

void SKTGraphic::checkforOverlap(SKTGraphic& graphic)
{
    GraphicContext* context = graphic.graphicContext();
    if (context && context->isThereGraphicAtNewLocation(graphic, graphic.bounds())) {
        const int shift = int(graphic.lastNoOverlapRect().y() - graphic.bounds().y());
        graphic.setBounds(graphic.lastNoOverlapRect());
        // A section that goes back takes its dragged members with it.
        for (const std::shared_ptr<SKTGraphic>& member : context->findObjectsInSection(graphic)) {
            if (member->movingAsPartOfSection())
                member->setBounds(member->bounds().translated(0, shift));
        }
    }
    if (!DataCentre::profile().responsiveDesign)
        return;
    if (graphic.gridType() == QLatin1String("section")) {
        if (context)
            context->reAlignSectionObjects(graphic);
    } else if (!graphic.movingAsPartOfSection() && context) {
        context->isObjectStillInSameSectionGrid(graphic, graphic.getLastTouchPoint());
    }
    graphic.setMovingAsPartOfSection(false);
}
