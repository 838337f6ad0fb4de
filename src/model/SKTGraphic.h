#pragma once

#include "model/GraphicPropertyDictionary.h"
#include "model/NoNumber.h"
#include "model/drawing/Reflection.h"
#include "model/records/ElementRecord.h"

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>

class DrawingView;
class GraphicContext;
class QCursor;
class QImage;
class QWidget;
class SKTGraphic;
struct BezierPath;
struct GraphicError;
class GraphicPropertyTable;

// Documents own their graphics; everything else holds them through these shared pointers.
using GraphicList = QList<std::shared_ptr<SKTGraphic>>;

// Whether a set would store what a member holds already: numbers and geometry compare exactly, a null text
// differs from an empty one, and pictures are the same only when they share their data (comparing their
// pixels costs more than the redraw it would spare).
namespace GraphicValues {
template <class T> bool same(const T& stored, const T& value)
{
    return stored == value;
}
bool same(const QString& stored, const QString& value);
bool same(const QRectF& stored, const QRectF& value);
bool same(const QPointF& stored, const QPointF& value);
bool same(const QImage& stored, const QImage& value);
} // namespace GraphicValues

// A plain stored property: getter `name()` and setter `setter(value)`, which stores the value and tells
// observers of the key "name" (and of the keys that depend on it) when it changed.
#define SKT_GRAPHIC_SETTER(Type, name, setter)                                                               \
    void setter(Type value)                                                                                  \
    {                                                                                                        \
        storeValue(m_##name, std::move(value), QStringLiteral(#name));                                       \
    }
#define SKT_GRAPHIC_PROPERTY(Type, name, setter, ...)                                                        \
public:                                                                                                      \
    Type name() const                                                                                        \
    {                                                                                                        \
        return m_##name;                                                                                     \
    }                                                                                                        \
    SKT_GRAPHIC_SETTER(Type, name, setter)                                                                   \
                                                                                                             \
private:                                                                                                     \
    Type m_##name{__VA_ARGS__};

// The root of every object on a page. It carries the union of the properties that any kind, the
// inspector, the page file and the code generators use; each kind uses the ones that concern it.
// Observers connect to valueChanged and filter on the key, the way the inspector and the document's
// undo watch individual properties.
class SKTGraphic : public QObject {
    Q_OBJECT

Q_SIGNALS:
    // Sent after a set that changed the property `key`, and for each key that depends on it ("width" and
    // "xPosition" depend on "bounds", "drawingBounds" and "drawingContents" on the drawing state). A set
    // that stores the value already held is silent, but for the keys of announcesEverySet.
    void valueChanged(const QString& key);

public:
    SKTGraphic();
    ~SKTGraphic() override;

    // The kind's name as stored under "className" ("SKTText", "SKTImage", ...).
    virtual QString className() const;

    // A new object of the same kind that shares only the core drawing state (bounds, fill, stroke);
    // kinds copy their own fields as well.
    virtual std::shared_ptr<SKTGraphic> copy() const;

    // ---- Geometry and core drawing state
    virtual QRectF bounds() const { return m_bounds; }
    virtual void setBounds(const QRectF& bounds);

    virtual bool isDrawingFill() const { return m_drawingFill; }
    SKT_GRAPHIC_SETTER(bool, drawingFill, setDrawingFill)
    virtual QColor fillColor() const { return m_fillColor; }
    SKT_GRAPHIC_SETTER(QColor, fillColor, setFillColor)
    virtual bool isDrawingStroke() const { return m_drawingStroke; }
    SKT_GRAPHIC_SETTER(bool, drawingStroke, setDrawingStroke)
    virtual QColor strokeColor() const { return m_strokeColor; }
    SKT_GRAPHIC_SETTER(QColor, strokeColor, setStrokeColor)
    virtual double strokeWidth() const { return m_strokeWidth; }
    SKT_GRAPHIC_SETTER(double, strokeWidth, setStrokeWidth)
    virtual QString textString() const { return m_textString; }

    // Kinds that can hold a page section answer their grid type ("section", "sectionTemplate", ...);
    // every other kind answers none.
    virtual QString gridType() const { return {}; }
    // A section container: its grid type is "section" or "sectionTemplate"; its members carry its
    // sectionNumber.
    bool isSectionContainer() const;

    SKT_GRAPHIC_PROPERTY(int, fillColorIndex, setFillColorIndex, kNoNumber)
    SKT_GRAPHIC_PROPERTY(float, rotationAngle, setRotationAngle)
    SKT_GRAPHIC_PROPERTY(double, opacity, setOpacity, 1.0)
    SKT_GRAPHIC_PROPERTY(double, cornerRadius, setCornerRadius)
    SKT_GRAPHIC_PROPERTY(QRectF, lastNoOverlapRect, setLastNoOverlapRect)

public:
    // Views of the bounds. Their setters replace one member and store the result through setBounds, so a
    // kind's resize rule runs and observers of all four hear of it once, through "bounds".
    double xPosition() const { return bounds().x(); }
    double yPosition() const { return bounds().y(); }
    double width() const { return bounds().width(); }
    double height() const { return bounds().height(); }
    void setXPosition(double x);
    void setYPosition(double y);
    void setWidth(double width);
    void setHeight(double height);

    // ---- Text style
    SKT_GRAPHIC_PROPERTY(QString, fontFamily, setFontFamily)
    SKT_GRAPHIC_PROPERTY(int, fontSize, setFontSize)
    SKT_GRAPHIC_PROPERTY(QColor, fontColor, setFontColor)
    SKT_GRAPHIC_PROPERTY(int, fontAlignment, setFontAlignment)
    SKT_GRAPHIC_PROPERTY(int, verticalAlignment, setVerticalAlignment)
    SKT_GRAPHIC_PROPERTY(float, lineSpacing, setLineSpacing)
    SKT_GRAPHIC_PROPERTY(QString, textType, setTextType)
    SKT_GRAPHIC_PROPERTY(int, textHeight, setTextHeight)
    SKT_GRAPHIC_PROPERTY(int, indentFlag, setIndentFlag)

    // ---- Colours as colour strings
    SKT_GRAPHIC_PROPERTY(QString, backgroundHexColorString, setBackgroundHexColorString)
    SKT_GRAPHIC_PROPERTY(QString, textHexColorString, setTextHexColorString)
    SKT_GRAPHIC_PROPERTY(QString, hoverColorString, setHoverColorString)
    SKT_GRAPHIC_PROPERTY(QString, hoverTextColorString, setHoverTextColorString)
    SKT_GRAPHIC_PROPERTY(QString, borderHexColorString, setBorderHexColorString)

    // ---- Border and shadow
    SKT_GRAPHIC_PROPERTY(QString, borderStyle, setBorderStyle, QStringLiteral("none"))
    SKT_GRAPHIC_PROPERTY(QColor, borderColor, setBorderColor)
    SKT_GRAPHIC_PROPERTY(int, borderWidth, setBorderWidth)
    SKT_GRAPHIC_PROPERTY(int, shadowFlag, setShadowFlag)
    SKT_GRAPHIC_PROPERTY(float, shadowRadius, setShadowRadius)
    SKT_GRAPHIC_PROPERTY(float, shadowHorizontalOffset, setShadowHorizontalOffset)
    SKT_GRAPHIC_PROPERTY(float, shadowVerticalOffset, setShadowVerticalOffset)

    // ---- Link
    SKT_GRAPHIC_PROPERTY(QString, link, setLink)
    SKT_GRAPHIC_PROPERTY(QString, linkOption, setLinkOption, QStringLiteral("_self"))
    SKT_GRAPHIC_PROPERTY(QString, linkType, setLinkType, QStringLiteral("text"))
    SKT_GRAPHIC_PROPERTY(QString, altText, setAltText)

    // ---- Image
    SKT_GRAPHIC_PROPERTY(QString, imageName, setImageName)
    SKT_GRAPHIC_PROPERTY(QString, imageType, setImageType)
    SKT_GRAPHIC_PROPERTY(QDateTime, imageLastModDate, setImageLastModDate)
    SKT_GRAPHIC_PROPERTY(bool, retinaFlag, setRetinaFlag)
    // Kept between 0 and 1 (Drawing::clampedReflection): a picture reflects at most its own height.
public:
    double reflection() const { return m_reflection; }
    void setReflection(double value)
    {
        storeValue(m_reflection, Drawing::clampedReflection(value), QStringLiteral("reflection"));
    }

private:
    double m_reflection{};

public:
    SKT_GRAPHIC_PROPERTY(int, maskFlag, setMaskFlag)
    SKT_GRAPHIC_PROPERTY(int, imageEnlargeFlag, setImageEnlargeFlag)
    SKT_GRAPHIC_PROPERTY(QString, bubbleShape, setBubbleShape)

    // ---- Slideshow and gallery membership (-99 is none)
    SKT_GRAPHIC_PROPERTY(int, slideShowNumber, setSlideShowNumber)
    SKT_GRAPHIC_PROPERTY(int, slideNumber, setSlideNumber)
    SKT_GRAPHIC_PROPERTY(int, slideShowAutomaticFlag, setSlideShowAutomaticFlag)
    SKT_GRAPHIC_PROPERTY(int, galleryNumber, setGalleryNumber)
    SKT_GRAPHIC_PROPERTY(int, backdropLightingFlag, setBackdropLightingFlag)

public:
    // ---- Line (the line kind derives its end points from its bounds instead of storing them)
    virtual QPointF beginPoint() const { return m_beginPoint; }
    virtual void setBeginPoint(const QPointF& point)
    {
        storeValue(m_beginPoint, point, QStringLiteral("beginPoint"));
    }
    virtual QPointF endPoint() const { return m_endPoint; }
    virtual void setEndPoint(const QPointF& point)
    {
        storeValue(m_endPoint, point, QStringLiteral("endPoint"));
    }
    SKT_GRAPHIC_PROPERTY(bool, drawBeginArrow, setDrawBeginArrow)
    SKT_GRAPHIC_PROPERTY(bool, drawEndArrow, setDrawEndArrow)

    // ---- Web form field
    SKT_GRAPHIC_PROPERTY(QString, formType, setFormType)
    SKT_GRAPHIC_PROPERTY(int, formTag, setFormTag)
    SKT_GRAPHIC_PROPERTY(int, formRequiredFlag, setFormRequiredFlag)
    SKT_GRAPHIC_PROPERTY(int, formOptionTag, setFormOptionTag)
    SKT_GRAPHIC_PROPERTY(int, markAsReplyToEmailFlag, setMarkAsReplyToEmailFlag)

    // ---- Page behaviour
    SKT_GRAPHIC_PROPERTY(bool, snippetFormatFlag, setSnippetFormatFlag)
    SKT_GRAPHIC_PROPERTY(bool, matchScreenFlag, setMatchScreenFlag)
    SKT_GRAPHIC_PROPERTY(int, scrollFlag, setScrollFlag)
    SKT_GRAPHIC_PROPERTY(QString, sectionIDString, setSectionIDString)
    SKT_GRAPHIC_PROPERTY(QString, onClickShowString, setOnClickShowString)
    SKT_GRAPHIC_PROPERTY(QString, onClickHideString, setOnClickHideString)
    SKT_GRAPHIC_PROPERTY(int, initialLaunchStateFlag, setInitialLaunchStateFlag)

    // ---- Section membership and responsive layout (-99 is none)
    SKT_GRAPHIC_PROPERTY(int, sectionNumber, setSectionNumber)
    SKT_GRAPHIC_PROPERTY(int, sectionRowSpot, setSectionRowSpot)
    SKT_GRAPHIC_PROPERTY(int, sectionColumnSpot, setSectionColumnSpot)
    SKT_GRAPHIC_PROPERTY(bool, movingAsPartOfSection, setMovingAsPartOfSection)
    SKT_GRAPHIC_PROPERTY(int, responsiveResizeFlag, setResponsiveResizeFlag)
    SKT_GRAPHIC_PROPERTY(int, responsiveAlignment, setResponsiveAlignment)
    SKT_GRAPHIC_PROPERTY(int, xsGridColumns, setXsGridColumns)
    SKT_GRAPHIC_PROPERTY(int, smallGridColumns, setSmallGridColumns)
    SKT_GRAPHIC_PROPERTY(int, mediumGridColumns, setMediumGridColumns)
    SKT_GRAPHIC_PROPERTY(int, largeGridColumns, setLargeGridColumns)
    SKT_GRAPHIC_PROPERTY(int, fixedWidthFlag, setFixedWidthFlag)
    SKT_GRAPHIC_PROPERTY(int, fixedHeightFlag, setFixedHeightFlag)
    SKT_GRAPHIC_PROPERTY(int, sameHeightForAllRowsFlag, setSameHeightForAllRowsFlag)
    SKT_GRAPHIC_PROPERTY(int, sameWidthForAllColumnsFlag, setSameWidthForAllColumnsFlag)
    SKT_GRAPHIC_PROPERTY(int, originX, setOriginX)
    SKT_GRAPHIC_PROPERTY(int, originY, setOriginY)
    SKT_GRAPHIC_PROPERTY(int, bottomEdgeY, setBottomEdgeY)

    // ---- Box model: values, units ("pixel" or "%"), levels ("None" ... "XXL"), values in pixels, rectangles
    SKT_GRAPHIC_PROPERTY(int, topPadding, setTopPadding)
    SKT_GRAPHIC_PROPERTY(int, bottomPadding, setBottomPadding)
    SKT_GRAPHIC_PROPERTY(int, leftPadding, setLeftPadding)
    SKT_GRAPHIC_PROPERTY(int, rightPadding, setRightPadding)
    SKT_GRAPHIC_PROPERTY(int, topMargin, setTopMargin)
    SKT_GRAPHIC_PROPERTY(int, bottomMargin, setBottomMargin)
    SKT_GRAPHIC_PROPERTY(int, leftMargin, setLeftMargin)
    SKT_GRAPHIC_PROPERTY(int, rightMargin, setRightMargin)
    SKT_GRAPHIC_PROPERTY(QString, topPaddingType, setTopPaddingType)
    SKT_GRAPHIC_PROPERTY(QString, bottomPaddingType, setBottomPaddingType)
    SKT_GRAPHIC_PROPERTY(QString, leftPaddingType, setLeftPaddingType)
    SKT_GRAPHIC_PROPERTY(QString, rightPaddingType, setRightPaddingType)
    SKT_GRAPHIC_PROPERTY(QString, topMarginType, setTopMarginType)
    SKT_GRAPHIC_PROPERTY(QString, bottomMarginType, setBottomMarginType)
    SKT_GRAPHIC_PROPERTY(QString, leftMarginType, setLeftMarginType)
    SKT_GRAPHIC_PROPERTY(QString, rightMarginType, setRightMarginType)
    SKT_GRAPHIC_PROPERTY(QString, topPaddingLevelString, setTopPaddingLevelString)
    SKT_GRAPHIC_PROPERTY(QString, bottomPaddingLevelString, setBottomPaddingLevelString)
    SKT_GRAPHIC_PROPERTY(QString, leftPaddingLevelString, setLeftPaddingLevelString)
    SKT_GRAPHIC_PROPERTY(QString, rightPaddingLevelString, setRightPaddingLevelString)
    SKT_GRAPHIC_PROPERTY(QString, topMarginLevelString, setTopMarginLevelString)
    SKT_GRAPHIC_PROPERTY(QString, bottomMarginLevelString, setBottomMarginLevelString)
    SKT_GRAPHIC_PROPERTY(QString, leftMarginLevelString, setLeftMarginLevelString)
    SKT_GRAPHIC_PROPERTY(QString, rightMarginLevelString, setRightMarginLevelString)
    SKT_GRAPHIC_PROPERTY(float, topPaddingInPx, setTopPaddingInPx)
    SKT_GRAPHIC_PROPERTY(float, bottomPaddingInPx, setBottomPaddingInPx)
    SKT_GRAPHIC_PROPERTY(float, leftPaddingInPx, setLeftPaddingInPx)
    SKT_GRAPHIC_PROPERTY(float, rightPaddingInPx, setRightPaddingInPx)
    SKT_GRAPHIC_PROPERTY(float, topMarginInPx, setTopMarginInPx)
    SKT_GRAPHIC_PROPERTY(float, bottomMarginInPx, setBottomMarginInPx)
    SKT_GRAPHIC_PROPERTY(float, leftMarginInPx, setLeftMarginInPx)
    SKT_GRAPHIC_PROPERTY(float, rightMarginInPx, setRightMarginInPx)
    SKT_GRAPHIC_PROPERTY(QRectF, drawRect, setDrawRect)
    SKT_GRAPHIC_PROPERTY(QRectF, noMarginRect, setNoMarginRect)
    SKT_GRAPHIC_PROPERTY(QRectF, noMarginNoBorderRect, setNoMarginNoBorderRect)
    SKT_GRAPHIC_PROPERTY(QRectF, noPaddingNoMarginRect, setNoPaddingNoMarginRect)
    SKT_GRAPHIC_PROPERTY(QRectF, contentRect, setContentRect)

    // ---- Layer, group, lock and template (-99 is no group)
    SKT_GRAPHIC_PROPERTY(int, groupNumber, setGroupNumber)
    SKT_GRAPHIC_PROPERTY(int, manualLayerIndex, setManualLayerIndex)
    SKT_GRAPHIC_PROPERTY(int, moveLock, setMoveLock)
    SKT_GRAPHIC_PROPERTY(bool, selectable, setSelectable)
    SKT_GRAPHIC_PROPERTY(QString, templateName, setTemplateName)
    SKT_GRAPHIC_PROPERTY(int, shapeFlag, setShapeFlag)

public:
    // ---- Property dictionary and pasteboard form
    // Reads the dictionary into this freshly made object through the kind's table; false when no object
    // should come of it. Kinds that do more once every key is read call the base first.
    virtual bool initWithProperties(const GraphicPropertyDictionary& properties);
    // The dictionary of this object, written through the kind's table. It corrects a few fields that are
    // none before writing them (the link, template name and hover colours become empty, the link type
    // "shape", ...).
    virtual GraphicPropertyDictionary properties();
    // The dictionary as readable text.
    QString description();

    // Each graphic's properties with its "className", in order.
    static QVariantList propertiesWithGraphics(const GraphicList& graphics);
    // The pasteboard form of the graphics; empty when a value cannot be serialised.
    static QByteArray pasteboardDataWithGraphics(const GraphicList& graphics);
    // The graphics of pasteboard data; none (with error code 2 in `error` when given) unless the data
    // holds a list.
    static std::optional<GraphicList> graphicsWithPasteboardData(const QByteArray& data,
                                                                 GraphicError* error = nullptr);
    // One new graphic per entry that is a dictionary naming a known kind; other entries are skipped.
    static GraphicList graphicsWithPropertiesPasted(const QVariantList& properties);
    // One dictionary per page object that the page loader's element records describe, with its "className"
    // and the template name; the members of slideshows, galleries and tables travel as records inside their
    // container's dictionary. Defaults of missing texts are written back into the records.
    static QList<GraphicPropertyDictionary> convertArrayToProperties(const ElementRecordList& records,
                                                                     const QString& templateName);
    // The graphics of the converted records, made as graphicsWithPropertiesPasted makes them.
    static GraphicList graphicsWithProperties(const ElementRecordList& records, const QString& templateName);

    // ---- Property table, undo and notification
    // The kind's properties: how each key travels in the dictionary, its value for the undo, the name of
    // its undo step and what its change redraws. Each kind's table starts from the base graphic's.
    virtual const GraphicPropertyTable& propertyTable() const;
    static const GraphicPropertyTable& basePropertyTable();
    // The value of a key as the document's undo records and restores it, through the kind's getter;
    // invalid for a key without one.
    QVariant valueForKey(const QString& key) const;
    // Sets a key through the kind's setter; a key without one is left alone.
    void setValueForKey(const QString& key, const QVariant& value);
    void setValuesForKeysWithDictionary(const QVariantMap& values);
    // The keys the document's undo watches on this graphic: those the table watches. A kind that varies
    // the set for a while announces each change of it under kUndoKeysKey.
    virtual QSet<QString> keysForValuesToObserveForUndo() const;
    inline static const QString kUndoKeysKey = QStringLiteral("keysForValuesToObserveForUndo");
    // The user-visible name of a changed property for the undo menu; null for keys without one.
    QString presentablePropertyNameForKey(const QString& key) const;
    // The keys whose change alters what the graphic draws, and the area it draws in.
    QSet<QString> keyPathsForValuesAffectingDrawingContents() const;
    QSet<QString> keyPathsForValuesAffectingDrawingBounds() const;

    // ---- The document the graphic belongs to
    // Set by the document that inserts the graphic and cleared when it removes it, so that graphics of
    // several open documents each ask their own. A loose graphic asks the current context, if any.
    void setDocumentContext(GraphicContext* context) { m_documentContext = context; }
    // An object of the website's base template is not selectable on any other page of the site.
    void applyBaseTemplateLock();
    GraphicContext* graphicContext() const;
    // The scale its canvas shows the graphic at, which sizes the handles in screen points.
    float handleScale() const;

    // ---- Questions to the document window (null or the zero point when there is none)
    QString getNextImageName() const;
    QString getCurrentDocPath() const;
    QPointF getLastTouchPoint() const;

    // ---- Geometry over groups of graphics
    // Unions of the bounds and of the drawing bounds; the zero rectangle for no graphics.
    static QRectF boundsOfGraphics(const GraphicList& graphics);
    static QRectF drawingBoundsOfGraphics(const GraphicList& graphics);
    // Moves the graphics by (dx, dy) under the move lock, the no-overlap and responsive rules; a section
    // container drags its members along.
    static void translateGraphics(const GraphicList& graphics, double dx, double dy);
    // Whether moving the graphic down by dy would take it out of its section's content band.
    static bool isGraphicOutsideOfSection(SKTGraphic& graphic, int dy);
    // True when `rect` is NOT wholly inside the graphic's section content grown by 2 on every side.
    static bool isGraphicContainedWithinSection(SKTGraphic& graphic, const QRectF& rect);
    // Undoes the last move when it ended on another object; runs 0.2 s after the last move.
    static void checkforOverlap(SKTGraphic& graphic);

    // ---- Drawing, box model, handles and resizing
    // The area drawing may touch: the bounds with room for the handles (50 for a line) and 2 more,
    // rotated with the graphic. Refreshes the box model as well.
    virtual QRectF drawingBounds();
    // Recomputes the margins and paddings in points and the five box rectangles; draws nothing.
    void drawBoxModel();
    virtual void drawContentsInView(DrawingView& view, bool beingCreatedOrEdited);
    // The outline of the graphic; a kind that draws while building it does so into `view` when given.
    // The base class has no outline and throws std::logic_error.
    virtual BezierPath bezierPathForDrawing(DrawingView* view = nullptr);
    virtual void drawHandlesInView(DrawingView& view);
    void drawHandleInView(DrawingView& view, const QPointF& point);
    virtual bool canSetDrawingFill() const { return true; }
    virtual bool canSetDrawingStroke() const { return true; }
    virtual bool canMakeNaturalSize() const;
    // The hit test of a click: whether the point lies on the contents (the bounds, left and top edges
    // inside). It changes nothing, so the canvas may ask it of every graphic under the mouse.
    virtual bool isContentsUnderPoint(const QPointF& point) const;
    // What a click on the contents does besides selecting, told by the canvas to the graphic its hit test
    // found: by default the graphic's colours go to the inspector.
    virtual void contentsClickedAtPoint(const QPointF& point);
    void refreshSelectedColors();
    virtual void autoConvertLeftMargins() {}
    // Sets the paddings and margins from their level names and rebuilds the height around the content.
    void applyPaddingAndMargin();
    // The handle (1 to 8) under the point, 0 for none.
    virtual int handleUnderPoint(const QPointF& point);
    bool isHandleAtPoint(const QPointF& handlePoint, const QPointF& point) const;
    // Drags the handle to the point; answers the handle now being dragged, which changes when the drag
    // crossed the opposite side.
    virtual int resizeByMovingHandle(int handle, const QPointF& point);
    virtual void flipHorizontally() {}
    virtual void flipVertically() {}
    virtual void makeNaturalSize() {}
    // Sets the fill colour and turns the fill on, where the kind has a fill.
    void setColor(const QColor& color);
    // The in-place editor of kinds that edit text; the canvas shows it. None by default.
    virtual QWidget* newEditingViewWithSuperviewBounds(const QRectF& superviewBounds);
    virtual void finalizeEditingView(QWidget* editingView);
    // The cursor shown while a new graphic is drawn, and the handle that sizes a new graphic.
    static const QCursor& creationCursor();
    static int creationSizingHandle() { return 8; }

    // What the resize rule needs of a picture kind: the size of its source picture (empty when it has
    // none) and the refresh of its picture rectangle after a horizontal change.
    virtual QSizeF inputImageSize() const { return {}; }
    virtual void updateOriginalRect() {}

protected:
    // A new object of the receiver's kind in its initial state; every kind returns its own type.
    virtual std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const;
    // Tells observers of the key and of every key that depends on it.
    void didChangeValueForKey(const QString& key);
    // Stores the value and tells observers when it differs from the value held, or when the key is
    // announced on every set.
    template <class T> void storeValue(T& member, T value, const QString& key)
    {
        const bool changed = !GraphicValues::same(member, value);
        member = std::move(value);
        if (changed || announcesEverySet(key))
            didChangeValueForKey(key);
    }
    static bool announcesEverySet(const QString& key);

    QString m_textString;

private:
    GraphicContext* m_documentContext = nullptr;
    QRectF m_bounds;
    QPointF m_beginPoint;
    QPointF m_endPoint;
    bool m_drawingFill = false;
    QColor m_fillColor = Qt::transparent;
    bool m_drawingStroke = true;
    QColor m_strokeColor;
    double m_strokeWidth = 1.0;
};
