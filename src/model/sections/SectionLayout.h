#pragma once

#include "model/NoNumber.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>

#include <functional>
#include <memory>

class SKTGraphic;
class SKTTable;
class myTextView;
using GraphicList = QList<std::shared_ptr<SKTGraphic>>;

// The section rules of a responsive page, over its graphics in list order (index 0 frontmost). Sections
// (tables of grid type "section" or "sectionTemplate") are horizontal bands stacked down the page, each a
// grid of cells; every other object lies in one cell and carries that cell's section number and spots.
// The rules find sections and cells, place objects in cells, fit them into their cells, make room in a
// cell and push the sections below a growing section down. Geometry is in whole points: coordinates and
// sizes are truncated toward zero before they are compared or set. A section container numbered -99 holds
// nothing: that number means none.
//
// A layout is made for one question over the page as it stands; it keeps no state beyond the sort keys it
// writes on the graphics. Movements go through the graphics' bounds setters, so a document records them.
class SectionLayout {
public:
    // Whether a graphic is selected in the page's window; none when the page has no window.
    using SelectionTest = std::function<bool(const SKTGraphic&)>;

    explicit SectionLayout(GraphicList graphics, SelectionTest isSelected = {});

    // The section that holds a point in its grid, with the spots of the cell.
    struct Cell {
        std::shared_ptr<SKTTable> section;
        int row = kNoNumber;
        int column = kNoNumber;
        explicit operator bool() const { return section != nullptr; }
    };

    // ---- Lookup
    // The first section container in list order whose grid holds the point (left and top cell edges
    // inside, right and bottom ones outside).
    Cell cellUnder(const QPointF& point) const;
    // The topmost section container whose bounds meet the rectangle (a shared edge is no meeting); sets
    // every graphic's originX and originY on the way.
    std::shared_ptr<SKTGraphic> grabOverLappingSection(const QRectF& rect) const;
    // The rectangle of the cell under the point; on the responsive designers it starts below the section's
    // top margin and padding and ends above its bottom ones. The zero rectangle under no section.
    QRect grabOverLappingSectionCell(const QPointF& point) const;
    // The cell record under the point; none under no section.
    std::shared_ptr<myTextView> grabOverLappingSectionCellView(const QPointF& point) const;
    // The frame of a new object of `rect` dropped at the point: the width and x of the cell under it, the
    // point's y and the rectangle's height; `rect` itself under no section.
    QRectF grabSectionRect(const QPointF& point, const QRectF& rect) const;
    // The first table of grid type "section" with the number; a "sectionTemplate" is not found.
    std::shared_ptr<SKTGraphic> grabMySection(int sectionNumber) const;
    // The members of the section numbered so, in list order; none for -99.
    GraphicList membersOf(int sectionNumber) const;
    // The members of a section container, each marked as moving with its section unless it is selected;
    // none for any other graphic.
    GraphicList findObjectsInSection(const SKTGraphic& section) const;
    // The graphics placed in the cell of a section's cell record.
    GraphicList findObjectsInSectionCell(const myTextView& cell) const;
    // The member whose bottom edge is lowest, and the one whose top is highest; none for no members.
    std::shared_ptr<SKTGraphic> grabBottomMostObjectInSection(int sectionNumber) const;
    std::shared_ptr<SKTGraphic> grabTopMostObjectInSection(int sectionNumber) const;
    // One more than the highest section number any graphic carries; 1 on an empty page.
    int findNextSectionNumber() const;

    // ---- Collisions
    bool isThereGraphicAtRect_includingSection(const QRectF& rect) const;
    // Graphics that are no section containers.
    bool isThereGraphicAtRect(const QRectF& rect) const;
    bool isThereGraphicAtPoint(const QPointF& point) const;
    // For a section container, whether another section container meets the rectangle; for any other
    // graphic, whether another graphic that is no section container does.
    bool isThereGraphicAtNewLocation(const SKTGraphic& graphic, const QRectF& rect) const;

    // ---- Placement and layout
    // Gives the graphic the section number and spots of the cell under the point and answers it; none,
    // the graphic unchanged, under no section. The bounds are not changed.
    std::shared_ptr<SKTGraphic> applySection(const std::shared_ptr<SKTGraphic>& graphic,
                                             const QPointF& point) const;
    // After a move: a graphic that came into another section takes its number and cell, and that section
    // is fitted again; a move within its own section changes nothing.
    void isObjectStillInSameSectionGrid(SKTGraphic& graphic, const QPointF& point) const;
    // Fits every member of the section into its cell: the cell's x and width (form options indented by
    // 30), no higher than the cell's top; members that keep their size keep it. Radio and checkbox
    // options stay where they are.
    void reAlignSectionObjects(SKTTable& section) const;
    // Makes room for a new object of `rect` in the cell under the point: the objects of the cell below
    // its top move so that the first starts at its bottom edge, and a section too short for them grows,
    // pushing the sections below it down.
    void shiftObjectsInSection(const QPointF& point, const QRectF& rect) const;
    // The topmost section under the rectangle moves down so that its top lands on the rectangle's bottom
    // edge, and every section below the rectangle's top moves with it, each with its members.
    void identifyAndPushSectionsDownward(const QRectF& rect) const;
    // The same, with the top of the section landing on the rectangle's top edge.
    void identifyAndPushSectionsDownwardByOnePixel(const QRectF& rect) const;
    // Moves the members of the section numbered so down by the amount.
    void pushSectionObjectsDown(int sectionNumber, int amount) const;

private:
    // The cell's rectangle as grabOverLappingSectionCell answers it.
    static QRect cellRect(const Cell& cell);
    void pushSectionsDown(const QRectF& rect, bool toBottomEdge) const;

    GraphicList m_graphics;
    SelectionTest m_isSelected;
};
