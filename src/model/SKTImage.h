#pragma once

#include "model/PendingImage.h"
#include "model/SKTGraphic.h"

#include <QImage>
#include <QPainterPath>

// A page object that shows a picture. It keeps the picture the user placed (`inputImage`) apart from the
// picture it draws (`_contents`): the same picture, or the picture with a mirrored reflection below it.
// Flips, the callout ("bubble") outline and the mask picture act at drawing time only; the stored pictures
// are never changed by them.
class SKTImage : public SKTGraphic {
    Q_OBJECT

public:
    QString className() const override;
    // The base copy, with a copy of the drawn picture.
    std::shared_ptr<SKTGraphic> copy() const override;

    // ---- Making
    // The base keys, then the pictures, flips, names, reflection and callout keys; the flips are undoable.
    const GraphicPropertyTable& propertyTable() const override;
    // A reflection above 1 is read as 1.
    bool initWithProperties(const GraphicPropertyDictionary& properties) override;
    // The picture, at its own size, centred on the position.
    void initWithPosition(const QPointF& position, const QImage& picture);
    // The drawn picture becomes the picture read from the file; a null picture when it cannot be read.
    void setFilePath(const QString& path);

    // ---- Pictures
    QImage _contents() const;
    void set_contents(const QImage& picture);
    bool isFlippedHorizontally() const { return m_flippedHorizontally; }
    void setFlippedHorizontally(bool flipped);
    bool isFlippedVertically() const { return m_flippedVertically; }
    void setFlippedVertically(bool flipped);

    QImage inputImage() const;
    void setInputImage(const QImage& picture);
    // A picture still decoding: it becomes the source picture, and the drawn picture follows from it, when
    // either is first asked for.
    void setPendingInputImage(const PendingImage& picture);
    SKT_GRAPHIC_PROPERTY(QImage, maskImage, setMaskImage)
    // The bounds without the reflection band.
    SKT_GRAPHIC_PROPERTY(QRectF, originalImageRect, setOriginalImageRect)
    // Read from a dictionary, never written to one.
    SKT_GRAPHIC_PROPERTY(QRectF, focusRect, setFocusRect)
    // 1 clips the picture to the callout outline named by bubbleShape.
    SKT_GRAPHIC_PROPERTY(int, bubbleFlag, setBubbleFlag)
    // The outline last fetched for bubbleShape.
    SKT_GRAPHIC_PROPERTY(QPainterPath, bubbleShapeBezierPath, setBubbleShapeBezierPath)
    // Set for the moment of a save or publish that must not write a double-resolution copy.
    SKT_GRAPHIC_PROPERTY(bool, forceNonRetinaFlag, setForceNonRetinaFlag)

public:
    // ---- Reflection and geometry
    // Rebuilds the drawn picture from the source picture and the reflection, and the height around the
    // original picture rectangle.
    void applyReflection();
    // The base behaviour; without a reflection the original picture rectangle follows the bounds.
    void setBounds(const QRectF& bounds) override;
    void updateOriginalRect() override;
    QSizeF inputImageSize() const override;
    // The size of the drawn picture, both flips cleared.
    void makeNaturalSize() override;
    void flipHorizontally() override;
    void flipVertically() override;

    // ---- Drawing
    bool isDrawingFill() const override { return false; }
    bool isDrawingStroke() const override { return false; }
    // The outline on the drawing rectangle, or the callout outline; strokes the border and sets the shadow
    // for the picture drawn next when given a view.
    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;
    // The picture fitted into the content box, mirrored, clipped or masked, faded by the opacity, with its
    // border and shadow. A picture of a slideshow shows only its border and shadow here.
    void drawContentsInView(DrawingView& view, bool beingCreatedOrEdited) override;

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;

private:
    // The drawn picture for the current reflection.
    QImage reflectedInput() const;
    // Maps the drawn picture's points into the content box, mirrored by the flags.
    QTransform pictureTransform(const QSizeF& pictureSize, bool flippedView) const;
    // The callout outline in the points of a picture of `size`.
    QPainterPath bubbleClip(const QSizeF& size, bool flippedView);

    // Settles a pending picture into the source and drawn pictures; quietly, as nothing was changed.
    void settlePendingPicture() const;

    mutable QImage m_inputImage;
    mutable PendingImage m_pendingInputImage;
    mutable QImage m_contents;
    bool m_flippedHorizontally = false;
    bool m_flippedVertically = false;
};
