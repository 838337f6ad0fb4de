#include "model/GraphicContext.h"

#include "model/geometry/Handles.h"

// What a document window without a canvas or an inspector answers: an empty page.

float GraphicContext::handleScale() const
{
    return Handles::canvasScale();
}

bool GraphicContext::isThereGraphicAtNewLocation(const SKTGraphic&, const QRectF&)
{
    return false;
}

bool GraphicContext::isThereGraphicAtRect(const QRectF&)
{
    return false;
}

std::shared_ptr<SKTGraphic> GraphicContext::grabMySection(int)
{
    return nullptr;
}

GraphicList GraphicContext::findObjectsInSection(const SKTGraphic&)
{
    return {};
}

std::shared_ptr<SKTGraphic> GraphicContext::grabTopMostObjectInSection(const SKTGraphic&)
{
    return nullptr;
}

std::shared_ptr<SKTGraphic> GraphicContext::grabBottomMostObjectInSection(const SKTGraphic&)
{
    return nullptr;
}

void GraphicContext::identifyAndPushSectionsDownwardByDifference(const QRectF&) {}
void GraphicContext::identifyAndPushSectionsDownwardByOnePixel(const QRectF&) {}
void GraphicContext::isObjectStillInSameSectionGrid(SKTGraphic&, const QPointF&) {}
void GraphicContext::reAlignFormOptions() {}
void GraphicContext::reAlignSectionObjects(SKTGraphic&) {}

void GraphicContext::setSelectedTextColor(const QColor&) {}
void GraphicContext::setSelectedShapeColor(const QColor&) {}
void GraphicContext::setSelectedHoverColor(const QColor&) {}
void GraphicContext::setSelectedHoverTextColor(const QColor&) {}
void GraphicContext::setSelectedBorderColor(const QColor&) {}
void GraphicContext::refreshColorButtons() {}
void GraphicContext::refreshInspectorPanel() {}
