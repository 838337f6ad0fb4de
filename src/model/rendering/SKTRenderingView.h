#pragma once

#include "model/SKTGraphic.h"

#include <QByteArray>
#include <QRectF>

class DrawingView;
struct GraphicError;

// Draws a list of graphics without a window, for the copy command, which puts the renderings beside the
// graphics' own pasteboard form. The list is front-most first, so the graphics are drawn from the last
// entry to the first and the first ends up on top. Geometry is in canvas points, y growing downward.
class SKTRenderingView {
public:
    SKTRenderingView(const QRectF& frame, GraphicList graphics);

    // A PDF of one page as large as the graphics' drawing bounds, on white. The graphics covering no area
    // give no data: a page of no size cannot be written.
    static QByteArray pdfDataWithGraphics(const GraphicList& graphics);
    // A TIFF picture of the graphics' drawing bounds, transparent where no graphic draws. When those bounds
    // are empty, no data and, when `error` is given, the error of code 3.
    static QByteArray tiffDataWithGraphics(const GraphicList& graphics, GraphicError* error = nullptr);

    QRectF frame() const { return m_frame; }
    const GraphicList& graphics() const { return m_graphics; }
    // Fills the rectangle with white and draws, back to front, the graphics whose drawing bounds meet it,
    // each clipped to its drawing bounds.
    void drawRect(DrawingView& view, const QRectF& rect) const;
    // The PDF of the part of the view inside the rectangle: one page of the rectangle's size.
    QByteArray dataWithPDFInsideRect(const QRectF& rect) const;

private:
    QRectF m_frame;
    GraphicList m_graphics;
};
