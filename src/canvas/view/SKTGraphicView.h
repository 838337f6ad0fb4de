#pragma once

#include "canvas/view/DrawingCache.h"
#include "document/core/GraphicSelection.h"
#include "document/core/SKTDocument.h"
#include "model/SKTGrid.h"

#include <QBrush>
#include <QHash>
#include <QPointer>
#include <QRectF>
#include <QSet>
#include <QSizeF>
#include <QTransform>
#include <QWidget>

#include <memory>
#include <optional>

class DrawingView;

// The page canvas of one document window. It holds no copy of the page: it is bound to the document's
// graphics (z-order, index 0 frontmost), to the window's selection and to the window's grid, follows
// their changes, and repaints only the areas that changed. It draws the page colour, the grid, the
// graphics back to front with the handles of the selected ones, and the marquee, all at its canvas scale;
// geometry is in canvas points, y growing downward. Changes the canvas makes go back through the same
// bindings: graphics through the document's list operations (which record undo), the selection through
// changeSelectionIndexes (which the inspector and the layer list follow).
class SKTGraphicView : public QWidget {
    Q_OBJECT

public:
    // Starts at the product's canvas size and scale.
    explicit SKTGraphicView(QWidget* parent = nullptr);
    ~SKTGraphicView() override;

    // ---- Bindings. Binding again first unbinds; each bind and unbind repaints the whole canvas.
    void bindGraphics(SKTDocument* document);
    void unbindGraphics();
    void bindSelectionIndexes(GraphicSelection* selection);
    void unbindSelectionIndexes();
    SKTGrid* grid() const { return m_grid; }
    void setGrid(SKTGrid* grid);

    // ---- The bound page. Unbound, the readers answer nothing and the writers throw
    // InternalInconsistencyError.
    GraphicList graphics() const;
    // The document every insertion and removal of graphics goes through.
    SKTDocument& mutableGraphics() const;
    IndexSet selectionIndexes() const;
    GraphicList selectedGraphics() const;
    // Sets the window's selection, then tells graphicTouched.
    void changeSelectionIndexes(const IndexSet& indexes);

    // ---- Page look. Plain setters: the caller repaints.
    QBrush pageColor() const { return m_pageColor; }
    void setPageColor(const QBrush& color) { m_pageColor = color; }
    QString pageColorHexString() const { return m_pageColorHexString; }
    void setPageColorHexString(const QString& hexString) { m_pageColorHexString = hexString; }
    bool clearBackground() const { return m_clearBackground; }
    void setClearBackground(bool clear) { m_clearBackground = clear; }
    // Background and grid only: no graphics and no handles.
    bool pauseDrawGraphicFlag() const { return m_pauseDrawGraphicFlag; }
    void setPauseDrawGraphicFlag(bool pause) { m_pauseDrawGraphicFlag = pause; }

    // ---- Size and scale. The widget is the page at the canvas scale. Setting a scale makes it the
    // product's canvas scale too, which keeps the handles at their screen size.
    QSizeF canvasSize() const { return m_canvasSize; }
    void setCanvasSize(const QSizeF& size);
    double canvasScale() const { return m_canvasScale; }
    void setCanvasScale(double scale);
    // From canvas points to the widget's pixels.
    QTransform canvasTransform() const { return QTransform::fromScale(m_canvasScale, m_canvasScale); }

    // ---- Repainting by area, in canvas points
    void setNeedsDisplayInRect(const QRectF& rect);

    // ---- What the drawing shows while a gesture runs
    bool isHidingHandles() const { return m_hidingHandles; }
    // Repaints the selected graphics.
    void setHidingHandles(bool hiding);
    // The zero rectangle when no marquee is shown.
    QRectF marqueeSelectionBounds() const { return m_marqueeSelectionBounds; }
    // Repaints the old and the new marquee.
    void setMarqueeSelectionBounds(const QRectF& bounds);

    // ---- Ruler echo: the rulers mark the edges and middle of the rectangle (canvas points)
    QRectF rulerEchoedBounds() const { return m_rulerEchoedBounds; }
    void beginEchoingMoveToRulers(const QRectF& rect);
    void continueEchoingMoveToRulers(const QRectF& rect);
    void stopEchoingMoveToRulers();

    // ---- In-place editing. A graphic without an editor is not edited; starting while one is edited throws
    // InternalInconsistencyError. Editing ends by itself when the edited graphic leaves the page.
    void startEditingGraphic(const std::shared_ptr<SKTGraphic>& graphic);
    void stopEditing();
    std::shared_ptr<SKTGraphic> editingGraphic() const { return m_editingGraphic; }
    QWidget* editingView() const { return m_editingView; }

    // ---- Undo and redo of the bound document that select what they touched: the graphics they insert,
    // move or change. Touching no graphic leaves the selection as it was.
    void undo();
    void redo();

Q_SIGNALS:
    // The canvas changed the selection; the window refreshes its layer list and inspector.
    void graphicTouched();
    // The rectangle the rulers echo changed; the zero rectangle erases the echo.
    void rulerEchoChanged(const QRectF& bounds);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the canvas keeps of each graphic it observes: the connection, and the drawing bounds it was last
    // known to draw in, which a change of drawing bounds repaints as the old area.
    struct Observation {
        std::shared_ptr<SKTGraphic> graphic;
        QMetaObject::Connection connection;
        QRectF drawingBounds;
    };

    void startObservingGraphics(const GraphicList& graphics);
    void stopObservingGraphics(const GraphicList& graphics);
    void graphicChanged(SKTGraphic* graphic, const QString& key);
    // The graphic's drawing bounds now, which are also remembered as those it was last drawn in.
    QRectF refreshedDrawingBounds(SKTGraphic& graphic);
    void graphicsInserted(const IndexSet& indexes);
    void graphicsRemoved(const GraphicList& removed);
    void graphicsMoved(const IndexSet& to);
    void selectionChanged();
    // Adds to the graphics an undo or redo has touched, while one runs.
    void noteTouchedByUndo(const std::shared_ptr<SKTGraphic>& graphic);
    void reselectAfter(void (DocumentUndoManager::*perform)());
    void setNeedsDisplayInGraphicBounds(const QSet<const SKTGraphic*>& graphics);
    void echoToRulers(const QRectF& rect);
    void resizeToCanvas();

    // Drawing, in paint order.
    void drawBackground(QPainter& painter, const QRegion& dirty);
    void drawGraphics(DrawingView& view, const QRegion& dirty);
    void drawMarquee(QPainter& painter);

    QPointer<SKTDocument> m_document;
    QPointer<GraphicSelection> m_selection;
    QPointer<SKTGrid> m_grid;
    QList<QMetaObject::Connection> m_documentConnections;
    QMetaObject::Connection m_selectionConnection;
    QMetaObject::Connection m_gridConnection;
    QHash<const SKTGraphic*, Observation> m_observations;
    // Enough for the pictures of a page of a thousand graphics at full size.
    DrawingCache m_drawingCache{qsizetype(128) << 20};
    // The graphics last painted as selected, so a selection change repaints only those that changed.
    QSet<const SKTGraphic*> m_selectionOnScreen;
    std::optional<GraphicList> m_undoTouchedGraphics;

    QBrush m_pageColor = QBrush(Qt::white);
    QString m_pageColorHexString;
    bool m_clearBackground = false;
    bool m_pauseDrawGraphicFlag = false;
    QSizeF m_canvasSize;
    double m_canvasScale = 1.0;
    bool m_hidingHandles = false;
    QRectF m_marqueeSelectionBounds;
    QRectF m_rulerEchoedBounds;

    std::shared_ptr<SKTGraphic> m_editingGraphic;
    QPointer<QWidget> m_editingView;
    // In the canvas widget's pixels.
    QRect m_editingViewFrame;
};
