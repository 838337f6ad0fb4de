#pragma once

#include "model/SKTGraphic.h"
#include "model/records/TransformView.h"

class TextViewRecord;

// A slideshow on the page: image records shown one at a time inside the frame, with a previous and a next
// arrow to step through them and a caption bar over them. Its slides travel as records in the dictionary
// the page loader builds; its own dictionary is the base one.
class SKTSlideshow : public SKTGraphic {
    Q_OBJECT

public:
    QString className() const override;

    // The base keys, then the slides under "imageArray"; made from a dictionary, it shows the first slide
    // under a new caption.
    const GraphicPropertyTable& propertyTable() const override;
    bool initWithProperties(const GraphicPropertyDictionary& properties) override;

    // ---- Slides
    TransformViewList imageArray() const { return m_imageArray; }
    void setImageArray(const TransformViewList& images);
    // Appends the slide and shows it.
    void addIntoImageArray(const std::shared_ptr<TransformView>& image);
    int currentImageIndex() const { return m_currentImageIndex; }
    void setCurrentImageIndex(int index);
    // The number of slides, whatever was stored.
    int totalNumofSlides() const { return int(m_imageArray.size()); }
    void setTotalNumofSlides(int total) { m_totalNumofSlides = total; }
    std::shared_ptr<TextViewRecord> textView() const { return m_textView; }
    void setTextView(std::shared_ptr<TextViewRecord> textView) { m_textView = std::move(textView); }
    QRectF slideshowSize() const { return m_slideshowSize; }
    void setSlideshowSize(const QRectF& size) { m_slideshowSize = size; }
    std::shared_ptr<TransformView> currentImage() const { return m_currentImage; }
    void setCurrentImage(std::shared_ptr<TransformView> image) { m_currentImage = std::move(image); }

    // ---- Stepping: the index stays on a slide, or at 0 without slides
    void moveSlideForward();
    void moveSlideBackward();
    // Whether the point lies on the next arrow (right edge) or the previous arrow (left edge), 40 wide and
    // 50 high from half the height down.
    bool nextButtonClicked(const QPointF& point) const;
    bool previousButtonClicked(const QPointF& point) const;
    // A click on an arrow steps the slides and redraws; the inspector's colours stay as they were.
    void contentsClickedAtPoint(const QPointF& point) override;

    // ---- Drawing
    QRectF drawingBounds() override;
    // Lays the slides side by side, one bounds width apart, each scaled so its longer side is the width
    // and centred in its own cell.
    void grabTransformViewBounds();
    void drawContentsInView(DrawingView& view, bool beingCreatedOrEdited) override;
    // The bounds, stroked by the border style in the text colour when stroking.
    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;
    void makeNaturalSize() override {}

    // "Right click to edit slideshow (n/total)", or without the numbers when there are no slides.
    static QString captionText(int shownNumber, int total);

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;

private:
    // Which arrows the current slide has.
    bool showsPreviousArrow() const { return m_currentImageIndex > 0; }
    bool showsNextArrow() const { return m_currentImageIndex < totalNumofSlides() - 1; }
    void drawCurrentSlide(DrawingView& view);
    void drawArrows(DrawingView& view);

    TransformViewList m_imageArray;
    int m_totalNumofSlides = 0;
    QRectF m_slideshowSize;
    std::shared_ptr<TransformView> m_currentImage;
    int m_currentImageIndex = 0;
    std::shared_ptr<TextViewRecord> m_textView;
};
