#include "model/SKTGalleryGrid.h"

#include "model/drawing/BezierPath.h"
#include "model/drawing/CaptionLabel.h"
#include "model/drawing/DrawingView.h"
#include "model/drawing/PictureDrawing.h"
#include "model/geometry/Rects.h"
#include "model/records/MTextView.h"

#include <QPen>

#include <cmath>

namespace {

constexpr double kHintTop = 5;
constexpr double kHintHeight = 15;

// Each empty cell is stroked in two passes whose dashes fall between each other, so the outline shows on
// light and dark pages alike.
struct OutlinePass {
    QColor color;
    double phase;
};

QPen dashedPen(const OutlinePass& pass)
{
    QPen pen(pass.color, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({3, 10});
    pen.setDashOffset(pass.phase);
    return pen;
}

// Integer division truncating toward zero, a negative result counting as 0.
int centringOffset(int free)
{
    const int offset = free / 2;
    return offset < 0 ? 0 : offset;
}

} // namespace

QRectF SKTGalleryGrid::drawingBounds()
{
    return Rects::unite(SKTGraphic::drawingBounds(), bounds().adjusted(-1, -1, 1, 1));
}

BezierPath SKTGalleryGrid::bezierPathForDrawing(DrawingView* view)
{
    if (!view || m_numOfColumns < 1)
        return {};
    static const OutlinePass passes[] = {{Qt::darkGray, 3}, {Qt::white, 5}};
    for (int column = 0; column < m_numOfColumns; ++column) {
        for (int row = 0; row < m_numOfRows; ++row) {
            QPainterPath cell;
            cell.addRect(cellRect(row, column));
            for (const OutlinePass& pass : passes)
                view->strokePath(cell, dashedPen(pass));
        }
    }
    return {};
}

void SKTGalleryGrid::drawPicture(DrawingView& view, TransformView& picture, int row, int column)
{
    // A picture that has no size cannot be fitted.
    if (picture.originalWidth() <= 0 || picture.originalHeight() <= 0)
        return;
    const QRectF cell = cellRect(row, column);
    const int cellWidth = int(cell.width());
    const int cellHeight = int(cell.height());
    const int pad = m_padding;
    const QRectF b = bounds();
    const int innerX = int(b.x() + column * cell.width() + pad);
    const int innerY = int(b.y() + row * cell.height() + pad);

    // Fitted to the width, or to the height when that is too tall; in single precision, as stored sizes are.
    const float ratio = float(picture.originalWidth()) / float(picture.originalHeight());
    const int availableWidth = cellWidth - 2 * pad;
    const int availableHeight = cellHeight - 2 * pad;
    int w = availableWidth;
    int h = int(float(availableWidth) / ratio);
    if (h > availableHeight) {
        w = int(ratio * float(availableHeight));
        h = availableHeight;
    }
    const QRectF placed(innerX + centringOffset(cellWidth - w - 2 * pad),
                        innerY + centringOffset(cellHeight - h - 2 * pad), w, h);

    QImage image = picture.image();
    if (w > 0 && h > 0 && Drawing::isDrawable(image)) {
        Drawing::setPictureSize(image, QSizeF(w, h));
        picture.setImage(image);
        view.save();
        if (shadowFlag() == 1)
            view.setShadow({Qt::gray, 1, QPointF(1, 0)});
        Drawing::drawPictureUpright(view, placed, image);
        view.restore();
    }
    // The canvas finds the picture under the mouse by where it was placed.
    picture.setGalleryDimension(placed);
    picture.setFrame(placed);
    picture.setBounds(placed);
}

void SKTGalleryGrid::drawContentsInView(DrawingView& view, bool)
{
    const QRectF b = bounds();
    if (m_textView)
        m_textView->setFrame(QRectF(b.x(), b.y() + kHintTop, b.width(), kHintHeight));
    bezierPathForDrawing(&view);
    if (hasCells()) {
        for (int row = 0; row < m_numOfRows; ++row) {
            for (int column = 0; column < m_numOfColumns; ++column) {
                for (const std::shared_ptr<TransformView>& picture : m_imageArray) {
                    if (!picture)
                        continue;
                    picture->setSelectable(selectable());
                    picture->setSectionNumber(sectionNumber());
                    picture->setSectionRowSpot(sectionRowSpot());
                    picture->setSectionColumnSpot(sectionColumnSpot());
                    picture->setManualLayerIndex(manualLayerIndex());
                    picture->setTemplateName(templateName());
                    if (picture->rowSpot() == row && picture->columnSpot() == column)
                        drawPicture(view, *picture, row, column);
                }
            }
        }
    }
    // The hint lies over the pictures.
    if (m_textView)
        CaptionLabel::draw(view, *m_textView);
}
