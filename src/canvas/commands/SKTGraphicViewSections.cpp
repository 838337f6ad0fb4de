#include "canvas/view/SKTGraphicView.h"

#include "model/records/myTextView.h"

GraphicList SKTGraphicView::findObjectsInSection(const SKTGraphic& section) const
{
    GraphicList members;
    if (!section.isSectionContainer())
        return members;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics()) {
        if (graphic->isSectionContainer() || graphic->sectionNumber() != section.sectionNumber())
            continue;
        // A selected member moves with the selection, not a second time with its section.
        graphic->setMovingAsPartOfSection(!(m_selection && m_selection->isSelected(*graphic)));
        members.append(graphic);
    }
    return members;
}

GraphicList SKTGraphicView::findObjectsInSectionCell(const ElementRecord* record) const
{
    GraphicList members;
    const auto* cell = dynamic_cast<const myTextView*>(record);
    if (!cell)
        return members;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics()) {
        if (!graphic->isSectionContainer() && graphic->sectionNumber() == cell->sectionNumber() &&
            graphic->sectionRowSpot() == cell->rowSpot() &&
            graphic->sectionColumnSpot() == cell->columnSpot())
            members.append(graphic);
    }
    return members;
}
