#pragma once

#include "GeometryTestSupport.h"

#include "model/SKTGraphic.h"
#include "model/drawing/DrawingView.h"
#include "model/records/TransformView.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>

// A picture of one colour.
inline QImage solidPicture(int width, int height, const QColor& color)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(color);
    return picture;
}

// A picture whose upper (or left) half is `first` and lower (or right) half `second`.
inline QImage splitPicture(int width, int height, const QColor& first, const QColor& second,
                           bool sideBySide = false)
{
    QImage picture = solidPicture(width, height, second);
    QPainter painter(&picture);
    painter.fillRect(sideBySide ? QRect(0, 0, width / 2, height) : QRect(0, 0, width, height / 2), first);
    return picture;
}

// The graphic drawn by itself onto a white canvas of the given size, as the canvas draws it.
inline QImage drawnOnWhite(SKTGraphic& graphic, int width, int height, bool beingEdited = false)
{
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    graphic.drawingBounds();
    QPainter painter(&canvas);
    DrawingView view(painter);
    graphic.drawContentsInView(view, beingEdited);
    return canvas;
}

// Close to the colour in every channel.
inline bool isNear(QRgb pixel, const QColor& color, int tolerance = 8)
{
    return std::abs(qRed(pixel) - color.red()) <= tolerance &&
           std::abs(qGreen(pixel) - color.green()) <= tolerance &&
           std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

// An image record as the page loader makes one for a gallery or a slideshow.
inline std::shared_ptr<TransformView> pictureRecord(int originalWidth, int originalHeight, int row = -99,
                                                    int column = -99, const QColor& color = Qt::red)
{
    auto record = TransformView::initWithFrame(QRectF(0, 0, originalWidth, originalHeight));
    record->setOriginalWidth(originalWidth);
    record->setOriginalHeight(originalHeight);
    record->setRowSpot(row);
    record->setColumnSpot(column);
    if (originalWidth > 0 && originalHeight > 0)
        record->setImage(solidPicture(originalWidth, originalHeight, color));
    return record;
}
