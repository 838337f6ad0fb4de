#include "model/rendering/SKTRenderingView.h"

#include "model/GraphicError.h"
#include "model/drawing/DrawingView.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtMath>

namespace {

// One graphic as every renderer draws it: alone in its drawing bounds, not being created or edited.
void drawGraphic(DrawingView& view, SKTGraphic& graphic, const QRectF& drawingBounds)
{
    view.save();
    view.painter().setClipRect(drawingBounds, Qt::IntersectClip);
    graphic.drawContentsInView(view, false);
    view.restore();
}

} // namespace

SKTRenderingView::SKTRenderingView(const QRectF& frame, GraphicList graphics)
    : m_frame(frame)
    , m_graphics(std::move(graphics))
{}

QByteArray SKTRenderingView::pdfDataWithGraphics(const GraphicList& graphics)
{
    const QRectF frame = SKTGraphic::drawingBoundsOfGraphics(graphics);
    return SKTRenderingView(frame, graphics).dataWithPDFInsideRect(frame);
}

void SKTRenderingView::drawRect(DrawingView& view, const QRectF& rect) const
{
    view.painter().fillRect(rect, Qt::white);
    for (auto it = m_graphics.crbegin(); it != m_graphics.crend(); ++it) {
        const QRectF drawingBounds = (*it)->drawingBounds();
        if (drawingBounds.intersects(rect))
            drawGraphic(view, **it, drawingBounds);
    }
}

QByteArray SKTRenderingView::dataWithPDFInsideRect(const QRectF& rect) const
{
    if (rect.isEmpty())
        return {};
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // One unit is one point, as on the canvas.
        writer.setResolution(72);
        writer.setPageLayout(QPageLayout(QPageSize(rect.size(), QPageSize::Point, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        painter.translate(-rect.topLeft());
        DrawingView view(painter);
        drawRect(view, rect);
    }
    return data;
}

QByteArray SKTRenderingView::tiffDataWithGraphics(const GraphicList& graphics, GraphicError* error)
{
    const QRectF frame = SKTGraphic::drawingBoundsOfGraphics(graphics);
    if (frame.isEmpty()) {
        if (error)
            *error = errorForGraphicCode(GraphicErrorNothingToRender);
        return {};
    }
    QImage picture(qCeil(frame.width()), qCeil(frame.height()), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.translate(-frame.topLeft());
        DrawingView view(painter);
        // Every graphic is drawn: the picture is exactly the graphics' extent.
        for (auto it = graphics.crbegin(); it != graphics.crend(); ++it)
            drawGraphic(view, **it, (*it)->drawingBounds());
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    if (!writer.write(picture)) {
        qWarning("The TIFF rendering could not be written: %s", qPrintable(writer.errorString()));
        return {};
    }
    return data;
}
