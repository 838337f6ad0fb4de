#include "canvas/view/SKTGraphicView.h"

#include "model/SKTTable.h"
#include "model/records/myTextView.h"
#include "model/sections/SectionLayout.h"

SectionLayout SKTGraphicView::sectionLayout() const
{
    return SectionLayout(graphics(), [selection = m_selection](const SKTGraphic& graphic) {
        return selection && selection->isSelected(graphic);
    });
}

// ---- Lookup

std::shared_ptr<SKTGraphic> SKTGraphicView::grabOverLappingSection(const QRectF& rect) const
{
    return sectionLayout().grabOverLappingSection(rect);
}

QRect SKTGraphicView::grabOverLappingSectionCell(const QPointF& point)
{
    const SectionLayout layout = sectionLayout();
    if (const SectionLayout::Cell cell = layout.cellUnder(point))
        m_workingState.selectedTable = cell.section;
    return layout.grabOverLappingSectionCell(point);
}

std::shared_ptr<myTextView> SKTGraphicView::grabOverLappingSectionCellView(const QPointF& point)
{
    const SectionLayout::Cell cell = sectionLayout().cellUnder(point);
    if (!cell)
        return nullptr;
    m_workingState.selectedTable = cell.section;
    return cell.section->grabSelectedTableCellHelper(cell.row, cell.column);
}

QRectF SKTGraphicView::grabSectionRect(const QPointF& point, const QRectF& rect)
{
    return sectionLayout().grabSectionRect(point, rect);
}

std::shared_ptr<SKTGraphic> SKTGraphicView::grabMySection(int sectionNumber) const
{
    return sectionLayout().grabMySection(sectionNumber);
}

std::shared_ptr<SKTGraphic> SKTGraphicView::grabBottomMostObjectInSection(int sectionNumber) const
{
    return sectionLayout().grabBottomMostObjectInSection(sectionNumber);
}

std::shared_ptr<SKTGraphic> SKTGraphicView::grabTopMostObjectInSection(int sectionNumber) const
{
    return sectionLayout().grabTopMostObjectInSection(sectionNumber);
}

int SKTGraphicView::findNextSectionNumber() const
{
    return sectionLayout().findNextSectionNumber();
}

bool SKTGraphicView::doesSelectedTableContainBackgroundPattern() const
{
    const auto* table = dynamic_cast<const SKTTable*>(m_workingState.selectedTable.get());
    return table && table->tableBackgroundImage();
}

GraphicList SKTGraphicView::findObjectsInSection(const SKTGraphic& section) const
{
    return sectionLayout().findObjectsInSection(section);
}

GraphicList SKTGraphicView::findObjectsInSectionCell(const ElementRecord* record) const
{
    const auto* cell = dynamic_cast<const myTextView*>(record);
    return cell ? sectionLayout().findObjectsInSectionCell(*cell) : GraphicList();
}

// ---- Collisions

bool SKTGraphicView::isThereGraphicAtRect_includingSection(const QRectF& rect) const
{
    return sectionLayout().isThereGraphicAtRect_includingSection(rect);
}

bool SKTGraphicView::isThereGraphicAtRect(const QRectF& rect) const
{
    return sectionLayout().isThereGraphicAtRect(rect);
}

bool SKTGraphicView::isThereGraphicAtPoint(const QPointF& point) const
{
    return sectionLayout().isThereGraphicAtPoint(point);
}

bool SKTGraphicView::isThereGraphicAtNewLocation(const SKTGraphic& graphic, const QRectF& rect) const
{
    return sectionLayout().isThereGraphicAtNewLocation(graphic, rect);
}

// ---- Placement and layout

std::shared_ptr<SKTGraphic> SKTGraphicView::applySection(const std::shared_ptr<SKTGraphic>& graphic,
                                                         const QPointF& point) const
{
    return sectionLayout().applySection(graphic, point);
}

void SKTGraphicView::isObjectStillInSameSectionGrid(SKTGraphic& graphic, const QPointF& point) const
{
    sectionLayout().isObjectStillInSameSectionGrid(graphic, point);
}

void SKTGraphicView::reAlignSectionObjects(SKTGraphic& section) const
{
    if (auto* table = dynamic_cast<SKTTable*>(&section))
        sectionLayout().reAlignSectionObjects(*table);
}

void SKTGraphicView::shiftObjectsInSection(const QPointF& point, const QRectF& rect)
{
    // The section of the cell is the one the commands that follow act on.
    grabOverLappingSectionCellView(point);
    sectionLayout().shiftObjectsInSection(point, rect);
}

void SKTGraphicView::identifyAndPushSectionsDownward(const QRectF& rect) const
{
    sectionLayout().identifyAndPushSectionsDownward(rect);
}

void SKTGraphicView::identifyAndPushSectionsDownwardByDifference(const QRectF& rect) const
{
    sectionLayout().identifyAndPushSectionsDownward(rect);
}

void SKTGraphicView::identifyAndPushSectionsDownwardByOnePixel(const QRectF& rect) const
{
    sectionLayout().identifyAndPushSectionsDownwardByOnePixel(rect);
}

void SKTGraphicView::pushSectionObjectsDown(int sectionNumber, int amount) const
{
    sectionLayout().pushSectionObjectsDown(sectionNumber, amount);
}
