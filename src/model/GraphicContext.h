#pragma once

#include "platform/CurrentInstance.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>

class SectionLayout;
class SKTGraphic;
using GraphicList = QList<std::shared_ptr<SKTGraphic>>;

// What graphics ask of the document they belong to and its window. A document is the context of every
// graphic it holds (SKTGraphic::graphicContext); a loose graphic asks the current context, which tests and
// headless tools may install (a PlainGraphicContext). With no context the model behaves as without a
// window.
class GraphicContext : public CurrentInstance<GraphicContext> {
public:
    virtual ~GraphicContext() = default;

    // The scale the canvas shows the graphics at; by default the product's (Handles::canvasScale).
    virtual float handleScale() const;

    // The page name of the current page document; null when no document is current.
    virtual QString getDocumentPageName() const = 0;
    // The path of the current page file without its extension; null when no document is current.
    virtual QString grabCurrentDocPath() const = 0;
    // The next free image file name of the page.
    virtual QString grabNextImageName() const = 0;
    // The canvas point of the last mouse-down or context click.
    virtual QPointF grabLastTouchPoint() const = 0;

    // ---- Section and overlap questions, answered by the section rules over the context's page (see
    // SectionLayout). A context without a page answers as an empty page: no graphics, no sections, nothing
    // to line up.
    virtual SectionLayout sectionLayout() const;
    // Whether another graphic's bounds intersect the rectangle: for a section container only other
    // section containers count, for any other graphic only graphics that are not section containers.
    virtual bool isThereGraphicAtNewLocation(const SKTGraphic& graphic, const QRectF& rect);
    // Whether a graphic that is not a section container intersects the rectangle.
    virtual bool isThereGraphicAtRect(const QRectF& rect);
    // The section container numbered `sectionNumber`; null when there is none.
    virtual std::shared_ptr<SKTGraphic> grabMySection(int sectionNumber);
    // The members of a section container (none for any other graphic), each marked as moving with its
    // section unless it is selected: a selected member moves with the selection instead.
    virtual GraphicList findObjectsInSection(const SKTGraphic& section);
    // The member with the smallest top, and the member with the largest bottom; null for no members.
    virtual std::shared_ptr<SKTGraphic> grabTopMostObjectInSection(const SKTGraphic& section);
    virtual std::shared_ptr<SKTGraphic> grabBottomMostObjectInSection(const SKTGraphic& section);
    // A section grew by the rectangle's height at its top edge: the section under the rectangle moves down
    // to start at its bottom edge, with the sections below the rectangle's top and their members.
    virtual void identifyAndPushSectionsDownwardByDifference(const QRectF& rect);
    // Moves the section container under the rectangle, and those below, down to start at its top.
    virtual void identifyAndPushSectionsDownwardByOnePixel(const QRectF& rect);
    // Assigns the graphic to the section cell under the point and lines that section up again.
    virtual void isObjectStillInSameSectionGrid(SKTGraphic& graphic, const QPointF& point);
    // Lines the option buttons of each form group up again after a move.
    virtual void reAlignFormOptions();
    // Places the section's members in their section cells again.
    virtual void reAlignSectionObjects(SKTGraphic& section);

    // ---- Colours of the selection, shown by the inspector's colour buttons; nothing without an inspector
    virtual void setSelectedTextColor(const QColor& color);
    virtual void setSelectedShapeColor(const QColor& color);
    virtual void setSelectedHoverColor(const QColor& color);
    virtual void setSelectedHoverTextColor(const QColor& color);
    virtual void setSelectedBorderColor(const QColor& color);
    virtual void refreshColorButtons();
    virtual void refreshInspectorPanel();
};
