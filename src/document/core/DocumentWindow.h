#pragma once

#include "document/core/SitePage.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

class SKTGraphic;

// What the page document asks of its window (the window controller implements it). The document never
// sees the window's classes, so the arrow from the window to the document stays the only one.
class DocumentWindow {
public:
    virtual ~DocumentWindow() = default;

    // Ends editing in the page-settings and form-settings sheets of the document and orders them out.
    virtual void hideAllDocPanels() = 0;
    virtual void deSelectAllObjects() = 0;
    // The canvas's page colour: a texture brush when the page has a background picture.
    virtual QBrush getDocumentColor() const = 0;
    // The canvas drawn into a picture of the rectangle, in canvas points.
    virtual QImage renderCanvas(const QRectF& rect) = 0;
    // The picture of the page-list tile of the page file (the first tile when no tile has that name);
    // null when the list is empty.
    virtual QImage findCurrentlySelectedVelkButtonImage(const QString& pageFileName) = 0;
    virtual QString grabNextImageName() const = 0;
    virtual QPointF grabLastTouchPoint() const = 0;
    // Whether the window's selection holds the graphic; a window without a selection holds none.
    virtual bool isGraphicSelected(const SKTGraphic& graphic) const
    {
        Q_UNUSED(graphic);
        return false;
    }

    // What reading a page asks of the window; a window without the control concerned does nothing.
    // The working folder of the website shown in the window; none for a single page.
    virtual QString openWebsiteFolderTempPath() const { return {}; }
    // The name of the page file of the website's page document in that folder; empty when the window
    // lists no such page, which then goes by the document's own name.
    virtual QString websitePageFileName(const QString& documentFileName) const
    {
        Q_UNUSED(documentFileName);
        return {};
    }
    virtual void setConfirmedCanvasSize(int width, int height)
    {
        Q_UNUSED(width);
        Q_UNUSED(height);
    }
    virtual void adjustCanvasSizeType() {}
    virtual void setCurrentTemplateSelectionValue() {}
    virtual void refreshPageBackgroundColor() {}
    // The canvas takes the page colour (a texture brush for a background picture) with its hex string,
    // empty for a picture.
    virtual void updateDocumentColor(const QBrush& color, const QString& hexString)
    {
        Q_UNUSED(color);
        Q_UNUSED(hexString);
    }

    // The colours of the graphic last clicked or recoloured, by colour target (ColorTarget), for the
    // inspector's colour buttons, and the refreshes they ask of the inspector.
    virtual void setSelectedColor(int target, const QColor& color)
    {
        Q_UNUSED(target);
        Q_UNUSED(color);
    }
    virtual void refreshColorButtons() {}
    virtual void refreshInspectorPanel() {}
    // Lines the option buttons of the page's choices up with their labels again.
    virtual void reAlignFormOptions() {}

    // The pages of the website shown in the window, in page order; none for a single page.
    virtual SitePageList sitePages() const { return {}; }
};
