#include "model/sections/SectionLayout.h"

#include "model/SKTTable.h"
#include "model/records/myTextView.h"
#include "profile/DataCentre.h"

#include <algorithm>

namespace {

// Form options that keep their place beside their labels.
bool isChoiceOption(const SKTGraphic& graphic)
{
    return graphic.formType() == QLatin1String("checkbox") || graphic.formType() == QLatin1String("radio");
}

// An option label of a form choice: indented in its cell. -99 and -11 mean no option.
bool isIndentedFormField(const SKTGraphic& graphic)
{
    const int tag = graphic.formOptionTag();
    return tag != kNoNumber && tag != -11 && graphic.formType() != QLatin1String("submit");
}

// A section container whose grid can be read.
std::shared_ptr<SKTTable> asSectionContainer(const std::shared_ptr<SKTGraphic>& graphic)
{
    if (!graphic->isSectionContainer())
        return nullptr;
    return std::dynamic_pointer_cast<SKTTable>(graphic);
}

// The cell rectangles are read from the section's current box and cell sizes, which drawing would
// otherwise refresh only at the next paint.
void refreshCells(SKTTable& section)
{
    section.layOutCells();
}

std::optional<QPoint> spotIn(SKTTable& section, const QPointF& point)
{
    refreshCells(section);
    const int row = section.grabRowSpot(point.x(), point.y());
    const int column = section.grabColumnSpot(point.x(), point.y());
    if (row < 0 || column < 0)
        return std::nullopt;
    return QPoint(column, row);
}

QRectF truncated(double x, double y, double width, double height)
{
    return QRectF(int(x), int(y), int(width), int(height));
}

void moveBy(SKTGraphic& graphic, int dy)
{
    const QRectF b = graphic.bounds();
    graphic.setBounds(QRectF(b.x(), b.y() + dy, b.width(), b.height()));
}

} // namespace

SectionLayout::SectionLayout(GraphicList graphics, SelectionTest isSelected)
    : m_graphics(std::move(graphics))
    , m_isSelected(std::move(isSelected))
{}

// ---- Lookup

SectionLayout::Cell SectionLayout::cellUnder(const QPointF& point) const
{
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        const std::shared_ptr<SKTTable> section = asSectionContainer(graphic);
        if (!section)
            continue;
        if (const std::optional<QPoint> spot = spotIn(*section, point))
            return {section, spot->y(), spot->x()};
    }
    return {};
}

std::shared_ptr<SKTGraphic> SectionLayout::grabOverLappingSection(const QRectF& rect) const
{
    GraphicList sorted = m_graphics;
    for (const std::shared_ptr<SKTGraphic>& graphic : sorted) {
        graphic->setOriginX(int(graphic->bounds().x()));
        graphic->setOriginY(int(graphic->bounds().y()));
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a->originY() < b->originY(); });
    for (const std::shared_ptr<SKTGraphic>& graphic : sorted) {
        if (graphic->isSectionContainer() && graphic->bounds().intersects(rect))
            return graphic;
    }
    return nullptr;
}

QRect SectionLayout::grabOverLappingSectionCell(const QPointF& point) const
{
    const Cell cell = cellUnder(point);
    return cell ? cellRect(cell) : QRect();
}

QRect SectionLayout::cellRect(const Cell& cell)
{
    const SKTTable& section = *cell.section;
    QRect rect = section.grabSelectedCellRect(cell.row, cell.column);
    if (DataCentre::profile().responsiveDesign) {
        rect.translate(0, int(section.topMarginInPx() + section.topPaddingInPx()));
        rect.setHeight(rect.height() - int(section.bottomPaddingInPx() + section.bottomMarginInPx()));
    }
    return rect;
}

std::shared_ptr<myTextView> SectionLayout::grabOverLappingSectionCellView(const QPointF& point) const
{
    const Cell cell = cellUnder(point);
    return cell ? cell.section->grabSelectedTableCellHelper(cell.row, cell.column) : nullptr;
}

QRectF SectionLayout::grabSectionRect(const QPointF& point, const QRectF& rect) const
{
    const Cell cell = cellUnder(point);
    if (!cell)
        return rect;
    const QRect r = cellRect(cell);
    return QRectF(r.x(), point.y(), r.width(), int(rect.height()));
}

std::shared_ptr<SKTGraphic> SectionLayout::grabMySection(int sectionNumber) const
{
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (graphic->gridType() == QLatin1String("section") && graphic->sectionNumber() == sectionNumber)
            return graphic;
    }
    return nullptr;
}

GraphicList SectionLayout::membersOf(int sectionNumber) const
{
    GraphicList members;
    if (sectionNumber == kNoNumber)
        return members;
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (!graphic->isSectionContainer() && graphic->sectionNumber() == sectionNumber)
            members.append(graphic);
    }
    return members;
}

GraphicList SectionLayout::findObjectsInSection(const SKTGraphic& section) const
{
    if (!section.isSectionContainer())
        return {};
    const GraphicList members = membersOf(section.sectionNumber());
    // A selected member moves with the selection, not a second time with its section.
    for (const std::shared_ptr<SKTGraphic>& member : members)
        member->setMovingAsPartOfSection(!(m_isSelected && m_isSelected(*member)));
    return members;
}

GraphicList SectionLayout::findObjectsInSectionCell(const myTextView& cell) const
{
    GraphicList members;
    for (const std::shared_ptr<SKTGraphic>& graphic : membersOf(cell.sectionNumber())) {
        if (graphic->sectionRowSpot() == cell.rowSpot() && graphic->sectionColumnSpot() == cell.columnSpot())
            members.append(graphic);
    }
    return members;
}

std::shared_ptr<SKTGraphic> SectionLayout::grabBottomMostObjectInSection(int sectionNumber) const
{
    std::shared_ptr<SKTGraphic> bottomMost;
    for (const std::shared_ptr<SKTGraphic>& member : membersOf(sectionNumber)) {
        const QRectF b = member->bounds();
        member->setBottomEdgeY(int(b.y() + b.height()));
        if (!bottomMost || member->bottomEdgeY() > bottomMost->bottomEdgeY())
            bottomMost = member;
    }
    return bottomMost;
}

std::shared_ptr<SKTGraphic> SectionLayout::grabTopMostObjectInSection(int sectionNumber) const
{
    std::shared_ptr<SKTGraphic> topMost;
    for (const std::shared_ptr<SKTGraphic>& member : membersOf(sectionNumber)) {
        member->setOriginY(int(member->bounds().y()));
        if (!topMost || member->originY() < topMost->originY())
            topMost = member;
    }
    return topMost;
}

int SectionLayout::findNextSectionNumber() const
{
    if (m_graphics.isEmpty())
        return 1;
    const auto highest =
        std::max_element(m_graphics.cbegin(), m_graphics.cend(), [](const auto& a, const auto& b) {
            return a->sectionNumber() < b->sectionNumber();
        });
    return (*highest)->sectionNumber() + 1;
}

// ---- Collisions

bool SectionLayout::isThereGraphicAtRect_includingSection(const QRectF& rect) const
{
    return std::any_of(m_graphics.cbegin(), m_graphics.cend(),
                       [&](const auto& graphic) { return graphic->bounds().intersects(rect); });
}

bool SectionLayout::isThereGraphicAtRect(const QRectF& rect) const
{
    return std::any_of(m_graphics.cbegin(), m_graphics.cend(), [&](const auto& graphic) {
        return !graphic->isSectionContainer() && graphic->bounds().intersects(rect);
    });
}

bool SectionLayout::isThereGraphicAtPoint(const QPointF& point) const
{
    return std::any_of(m_graphics.cbegin(), m_graphics.cend(), [&](const auto& graphic) {
        return !graphic->isSectionContainer() && graphic->bounds().contains(point);
    });
}

bool SectionLayout::isThereGraphicAtNewLocation(const SKTGraphic& graphic, const QRectF& rect) const
{
    const bool section = graphic.isSectionContainer();
    return std::any_of(m_graphics.cbegin(), m_graphics.cend(), [&](const auto& other) {
        return other.get() != &graphic && other->isSectionContainer() == section &&
               other->bounds().intersects(rect);
    });
}

// ---- Placement and layout

std::shared_ptr<SKTGraphic> SectionLayout::applySection(const std::shared_ptr<SKTGraphic>& graphic,
                                                        const QPointF& point) const
{
    const Cell cell = cellUnder(point);
    if (!cell)
        return nullptr;
    graphic->setSectionNumber(cell.section->sectionNumber());
    graphic->setSectionRowSpot(cell.row);
    graphic->setSectionColumnSpot(cell.column);
    return graphic;
}

void SectionLayout::isObjectStillInSameSectionGrid(SKTGraphic& graphic, const QPointF& point) const
{
    for (const std::shared_ptr<SKTGraphic>& candidate : m_graphics) {
        const std::shared_ptr<SKTTable> section = asSectionContainer(candidate);
        if (!section)
            continue;
        const std::optional<QPoint> spot = spotIn(*section, point);
        if (!spot)
            continue;
        const int number = section->sectionNumber();
        if (number == graphic.sectionNumber()) {
            if (graphic.sectionRowSpot() == spot->y() && graphic.sectionColumnSpot() == spot->x())
                return;
            // Another cell of its own section: a section further down the list may still claim it.
            continue;
        }
        graphic.setSectionNumber(number);
        graphic.setSectionRowSpot(spot->y());
        graphic.setSectionColumnSpot(spot->x());
        reAlignSectionObjects(*section);
        return;
    }
}

void SectionLayout::reAlignSectionObjects(SKTTable& section) const
{
    refreshCells(section);
    for (const std::shared_ptr<myTextView>& cell : section.cellHelperArray()) {
        if (!cell)
            continue;
        const QRect r = section.grabSelectedCellRect(cell->rowSpot(), cell->columnSpot());
        for (const std::shared_ptr<SKTGraphic>& graphic : findObjectsInSectionCell(*cell)) {
            if (isChoiceOption(*graphic))
                continue;
            const QRectF b = graphic->bounds();
            double width = b.width();
            double height = b.height();
            if (graphic->responsiveResizeFlag() != 1) {
                width = r.width();
                // Whatever stuck out above the cell is cut off; the bottom edge stays.
                height = b.height() - std::max(0.0, r.y() - b.y());
            }
            double x = r.x();
            if (isIndentedFormField(*graphic)) {
                x += 30;
                width -= 30;
            }
            graphic->setBounds(truncated(x, std::max(b.y(), double(r.y())), width, height));
        }
    }
}

void SectionLayout::shiftObjectsInSection(const QPointF& point, const QRectF& rect) const
{
    GraphicList moved;
    if (const std::shared_ptr<myTextView> cell = grabOverLappingSectionCellView(point)) {
        GraphicList objects = findObjectsInSectionCell(*cell);
        for (const std::shared_ptr<SKTGraphic>& object : objects)
            object->setOriginY(int(object->bounds().y()));
        std::stable_sort(objects.begin(), objects.end(),
                         [](const auto& a, const auto& b) { return a->originY() < b->originY(); });
        for (const std::shared_ptr<SKTGraphic>& object : objects) {
            if (object->bounds().y() > rect.y())
                moved.append(object);
        }
        if (!moved.isEmpty()) {
            const int shift = int(rect.y() + rect.height() - moved.first()->bounds().y());
            for (const std::shared_ptr<SKTGraphic>& object : moved)
                moveBy(*object, shift);
        }
    }

    const std::shared_ptr<SKTGraphic> section = grabOverLappingSection(rect);
    if (!section)
        return;
    section->drawBoxModel();
    const QRectF content = section->contentRect();
    const int contentBottom = int(content.y() + content.height());
    const QRectF last = moved.isEmpty() ? rect : moved.last()->bounds();
    const int overflow = int(last.y() + last.height() - contentBottom);
    if (overflow <= 0)
        return;
    const QRectF s = section->bounds();
    identifyAndPushSectionsDownward(QRectF(s.x(), s.y() + s.height(), s.width(), overflow + 50));
    section->setBounds(QRectF(s.x(), s.y(), s.width(), s.height() + overflow));
}

void SectionLayout::identifyAndPushSectionsDownward(const QRectF& rect) const
{
    pushSectionsDown(rect, true);
}

void SectionLayout::identifyAndPushSectionsDownwardByOnePixel(const QRectF& rect) const
{
    pushSectionsDown(rect, false);
}

void SectionLayout::pushSectionsDown(const QRectF& rect, bool toBottomEdge) const
{
    const std::shared_ptr<SKTGraphic> overlapped = grabOverLappingSection(rect);
    if (!overlapped)
        return;
    const double edge = toBottomEdge ? rect.y() + rect.height() : rect.y();
    const int amount = int(edge) - int(overlapped->bounds().y());
    // Every section is chosen before any moves, so none is moved twice and none for having been moved.
    GraphicList pushed;
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (graphic == overlapped || (graphic->isSectionContainer() && graphic->bounds().y() > rect.y()))
            pushed.append(graphic);
    }
    for (const std::shared_ptr<SKTGraphic>& section : pushed) {
        moveBy(*section, amount);
        pushSectionObjectsDown(section->sectionNumber(), amount);
    }
}

void SectionLayout::pushSectionObjectsDown(int sectionNumber, int amount) const
{
    for (const std::shared_ptr<SKTGraphic>& member : membersOf(sectionNumber))
        moveBy(*member, amount);
}
