#include "model/PlainGraphicContext.h"

#include "model/SKTGraphic.h"

bool PlainGraphicContext::isThereGraphicAtNewLocation(const SKTGraphic& graphic, const QRectF& rect)
{
    const bool section = graphic.isSectionContainer();
    for (const std::shared_ptr<SKTGraphic>& other : m_graphics) {
        if (other.get() != &graphic && other->isSectionContainer() == section &&
            other->bounds().intersects(rect))
            return true;
    }
    return false;
}

bool PlainGraphicContext::isThereGraphicAtRect(const QRectF& rect)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (!graphic->isSectionContainer() && graphic->bounds().intersects(rect))
            return true;
    }
    return false;
}

std::shared_ptr<SKTGraphic> PlainGraphicContext::grabMySection(int sectionNumber)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (graphic->gridType() == QLatin1String("section") && graphic->sectionNumber() == sectionNumber)
            return graphic;
    }
    return nullptr;
}

GraphicList PlainGraphicContext::membersOf(const SKTGraphic& section) const
{
    GraphicList members;
    if (!section.isSectionContainer())
        return members;
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (!graphic->isSectionContainer() && graphic->sectionNumber() == section.sectionNumber())
            members.append(graphic);
    }
    return members;
}

GraphicList PlainGraphicContext::findObjectsInSection(const SKTGraphic& section)
{
    const GraphicList members = membersOf(section);
    for (const std::shared_ptr<SKTGraphic>& member : members)
        member->setMovingAsPartOfSection(!m_selectedGraphics.contains(member));
    return members;
}

std::shared_ptr<SKTGraphic> PlainGraphicContext::grabTopMostObjectInSection(const SKTGraphic& section)
{
    std::shared_ptr<SKTGraphic> topMost;
    for (const std::shared_ptr<SKTGraphic>& member : membersOf(section)) {
        if (!topMost || member->bounds().top() < topMost->bounds().top())
            topMost = member;
    }
    return topMost;
}

std::shared_ptr<SKTGraphic> PlainGraphicContext::grabBottomMostObjectInSection(const SKTGraphic& section)
{
    std::shared_ptr<SKTGraphic> bottomMost;
    for (const std::shared_ptr<SKTGraphic>& member : membersOf(section)) {
        if (!bottomMost || member->bounds().bottom() > bottomMost->bounds().bottom())
            bottomMost = member;
    }
    return bottomMost;
}

void PlainGraphicContext::pushDown(SKTGraphic& section, const GraphicList& members, double dy)
{
    section.setBounds(section.bounds().translated(0, dy));
    for (const std::shared_ptr<SKTGraphic>& member : members)
        member->setBounds(member->bounds().translated(0, dy));
}

void PlainGraphicContext::identifyAndPushSectionsDownwardByDifference(const QRectF& rect)
{
    const GraphicList graphics = m_graphics;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (graphic->isSectionContainer() && graphic->bounds().top() >= rect.top())
            pushDown(*graphic, membersOf(*graphic), rect.height());
    }
}

void PlainGraphicContext::identifyAndPushSectionsDownwardByOnePixel(const QRectF& rect)
{
    std::shared_ptr<SKTGraphic> overlapped;
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (graphic->isSectionContainer() && graphic->bounds().intersects(rect)) {
            overlapped = graphic;
            break;
        }
    }
    if (!overlapped)
        return;
    const int dy = int(rect.top() - overlapped->bounds().top());
    // Every section is chosen before any moves, so none is moved twice.
    GraphicList moving{overlapped};
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (graphic != overlapped && graphic->isSectionContainer() && graphic->bounds().top() > rect.top())
            moving.append(graphic);
    }
    for (const std::shared_ptr<SKTGraphic>& section : moving)
        pushDown(*section, membersOf(*section), dy);
}
