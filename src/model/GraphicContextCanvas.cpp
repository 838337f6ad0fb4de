#include "model/GraphicContext.h"

#include "model/SKTTable.h"
#include "model/geometry/Handles.h"
#include "model/sections/SectionLayout.h"

// What a document window without an inspector answers; the section questions go to the section rules
// over the context's page.

float GraphicContext::handleScale() const
{
    return Handles::canvasScale();
}

SectionLayout GraphicContext::sectionLayout() const
{
    return SectionLayout({});
}

bool GraphicContext::isThereGraphicAtNewLocation(const SKTGraphic& graphic, const QRectF& rect)
{
    return sectionLayout().isThereGraphicAtNewLocation(graphic, rect);
}

bool GraphicContext::isThereGraphicAtRect(const QRectF& rect)
{
    return sectionLayout().isThereGraphicAtRect(rect);
}

std::shared_ptr<SKTGraphic> GraphicContext::grabMySection(int sectionNumber)
{
    return sectionLayout().grabMySection(sectionNumber);
}

GraphicList GraphicContext::findObjectsInSection(const SKTGraphic& section)
{
    return sectionLayout().findObjectsInSection(section);
}

std::shared_ptr<SKTGraphic> GraphicContext::grabTopMostObjectInSection(const SKTGraphic& section)
{
    return sectionLayout().grabTopMostObjectInSection(section.sectionNumber());
}

std::shared_ptr<SKTGraphic> GraphicContext::grabBottomMostObjectInSection(const SKTGraphic& section)
{
    return sectionLayout().grabBottomMostObjectInSection(section.sectionNumber());
}

void GraphicContext::identifyAndPushSectionsDownwardByDifference(const QRectF& rect)
{
    sectionLayout().identifyAndPushSectionsDownward(rect);
}

void GraphicContext::identifyAndPushSectionsDownwardByOnePixel(const QRectF& rect)
{
    sectionLayout().identifyAndPushSectionsDownwardByOnePixel(rect);
}

void GraphicContext::isObjectStillInSameSectionGrid(SKTGraphic& graphic, const QPointF& point)
{
    sectionLayout().isObjectStillInSameSectionGrid(graphic, point);
}

void GraphicContext::reAlignSectionObjects(SKTGraphic& section)
{
    if (auto* table = dynamic_cast<SKTTable*>(&section))
        sectionLayout().reAlignSectionObjects(*table);
}

void GraphicContext::reAlignFormOptions() {}

void GraphicContext::setSelectedTextColor(const QColor&) {}
void GraphicContext::setSelectedShapeColor(const QColor&) {}
void GraphicContext::setSelectedHoverColor(const QColor&) {}
void GraphicContext::setSelectedHoverTextColor(const QColor&) {}
void GraphicContext::setSelectedBorderColor(const QColor&) {}
void GraphicContext::refreshColorButtons() {}
void GraphicContext::refreshInspectorPanel() {}
