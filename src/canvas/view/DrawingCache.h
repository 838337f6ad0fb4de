#pragma once

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QTransform>

class DrawingView;
class SKTGraphic;

// Pictures of the graphics as the canvas last drew them, so that an area is repainted by copying pictures
// instead of drawing the graphics again. A picture holds what one graphic draws within its drawing bounds,
// without handles, at the canvas's scale and lined up with the pixels as drawing in place would be. A
// graphic showing in a new state is drawn in place; drawn again unchanged, it is drawn into its picture,
// which is copied from then on while the graphic announces no change and its drawing bounds, the scale and
// whether it is being edited stay as they were. Pictures beyond the byte budget go, least recently drawn
// first.
class DrawingCache {
public:
    explicit DrawingCache(qsizetype budgetBytes);

    // Opens a paint: pictures drawn from here on are the ones kept when the budget runs short.
    void beginPaint() { ++m_paint; }
    // Draws the graphic's contents through the view, whose transform is the canvas's.
    void drawGraphic(SKTGraphic& graphic, const QRectF& drawingBounds, bool beingEdited, DrawingView& view);
    // The graphic announced a change: its picture goes, and one being drawn of it is not kept.
    void forget(const SKTGraphic* graphic);
    void clear();

    qsizetype bytes() const { return m_bytes; }
    qsizetype budget() const { return m_budget; }

private:
    struct Picture {
        QImage image;
        QPoint origin; // in device pixels of the canvas
        QTransform toPixels;
        QRectF drawingBounds;
        bool beingEdited = false;
        quint64 lastPaint = 0;
    };

    // Draws the graphic, noting whether it announces a change meanwhile.
    void drawWatched(SKTGraphic& graphic, bool beingEdited, DrawingView& view);
    QImage render(SKTGraphic& graphic, const QRectF& drawingBounds, bool beingEdited,
                  const QTransform& toPixels, const QRect& area);
    // Makes room for the bytes by letting go of pictures not drawn in this paint; false when that is not
    // enough.
    bool makeRoom(qsizetype bytes);

    qsizetype m_budget;
    qsizetype m_bytes = 0;
    quint64 m_paint = 0;
    QHash<const SKTGraphic*, Picture> m_pictures;
    const SKTGraphic* m_rendering = nullptr;
    bool m_changedWhileRendering = false;
};
