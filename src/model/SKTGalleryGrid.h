#pragma once

#include "model/SKTGraphic.h"
#include "model/records/TransformView.h"

class TextViewRecord;

// A photo gallery: the bounds divided into rows x columns of equal whole-point cells, each holding at most
// one picture, drawn fitted into the cell less a padding. The pictures are image records that carry their
// own cell (`rowSpot`, `columnSpot`); the gallery never renumbers them, so a picture outside the grid stays
// in the list undrawn. -99 stands for no cell.
class SKTGalleryGrid : public SKTGraphic {
    Q_OBJECT

public:
    // A row and a column, both from 0.
    struct CellSpot {
        int row;
        int column;
        bool operator==(const CellSpot&) const = default;
    };

    QString className() const override;

    // The base keys, then "numOfColumns", "numOfRows", "padding" and the pictures under "imageArray"; a
    // gallery with pictures takes its responsive and section settings from the first one. Its own
    // dictionary is the base one.
    const GraphicPropertyTable& propertyTable() const override;
    bool initWithProperties(const GraphicPropertyDictionary& properties) override;

    TransformViewList imageArray() const { return m_imageArray; }
    void setImageArray(const TransformViewList& images);
    SKT_GRAPHIC_PROPERTY(int, numOfColumns, setNumOfColumns)
    SKT_GRAPHIC_PROPERTY(int, numOfRows, setNumOfRows)
    // Points between a cell's edge and its picture.
    SKT_GRAPHIC_PROPERTY(int, padding, setPadding)
    SKT_GRAPHIC_PROPERTY(int, tag, setTag)

public:
    // The hint label shown on the gallery.
    std::shared_ptr<TextViewRecord> textView() const { return m_textView; }
    void setTextView(std::shared_ptr<TextViewRecord> textView) { m_textView = std::move(textView); }

    // ---- Cells; no cell at all while a count is below 1
    QRectF cellRect(int row, int column) const;
    // The row and the column of the cell holding the point; -99 when none does.
    int grabRowSpot(int x, int y) const;
    int grabColumnSpot(int x, int y) const;
    // The first picture in the cell under the point, or at the spot; null when none.
    std::shared_ptr<TransformView> grabImageSelected(int x, int y) const;
    std::shared_ptr<TransformView> grabSelectedImageAtSpot(int row, int column) const;
    bool isSpotAlreadyPopulated(int row, int column) const;
    // The next cell in reading order; rows are not bounded.
    CellSpot grabNextSpot(int row, int column) const;
    // The number of cells from the one under the point to the end of the grid; 0 under no cell.
    int grabMaxNumToAdd(const QPointF& point) const;
    // Replaces the picture at the new picture's spot; a picture with no row or no column only removes.
    void addIntoImageArray(const std::shared_ptr<TransformView>& picture);
    // Where the picture under the point was last drawn; the zero rectangle when there is none.
    QRectF grabTransformViewBounds(int x, int y) const;

    // ---- Drawing
    QRectF drawingBounds() override;
    // Strokes the empty cell outlines into the view and answers no outline.
    BezierPath bezierPathForDrawing(DrawingView* view = nullptr) override;
    // Places every picture in its cell, fitted and centred, and stores where it went.
    void drawContentsInView(DrawingView& view, bool beingCreatedOrEdited) override;

protected:
    std::shared_ptr<SKTGraphic> newGraphicOfSameKind() const override;

private:
    bool hasCells() const { return m_numOfColumns >= 1 && m_numOfRows >= 1; }
    std::optional<CellSpot> spotAt(int x, int y) const;
    void drawPicture(DrawingView& view, TransformView& picture, int row, int column);

    TransformViewList m_imageArray;
    std::shared_ptr<TextViewRecord> m_textView;
};
