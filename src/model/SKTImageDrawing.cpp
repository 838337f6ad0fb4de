#include "model/SKTImage.h"

#include "model/NoNumber.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/DrawingView.h"
#include "model/drawing/PictureDrawing.h"
#include "profile/services/ImageGeometry.h"
#include "profile/services/ShapeOutlines.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

const QString kCircleShape = QStringLiteral("circle");
// Radii large enough to round a rectangle into an ellipse.
constexpr double kEllipseRadius = 1000;
constexpr double kShapeBox = 100;

QColor darkGray()
{
    return QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3);
}

// The border's pen by style; none for a style that strokes nothing. Dashes are counted in line widths.
std::optional<QPen> borderPen(const QString& style, const QColor& color, int width)
{
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    double dash = 0;
    if (style == QLatin1String("dashed"))
        dash = 3;
    else if (style == QLatin1String("dotted"))
        dash = 1;
    else if (style != QLatin1String("solid"))
        return std::nullopt;
    // A border of width 0 is the thinnest line the device draws, which has no dashes to measure.
    if (dash > 0 && width > 0) {
        pen.setDashPattern({dash, dash});
        pen.setDashOffset(1.0 / width);
    }
    return pen;
}

QTransform rotationAboutCentre(const QRectF& bounds, double angle)
{
    QTransform rotation;
    return DataCentre::transformRotatingAroundPoint(bounds.center(), angle, rotation);
}

} // namespace

BezierPath SKTImage::bezierPathForDrawing(DrawingView* view)
{
    if (borderWidth() > 0 && borderStyle() == QLatin1String("none"))
        setBorderStyle(QStringLiteral("solid"));

    const QRectF box = drawRect();
    const QTransform rotation = rotationAboutCentre(bounds(), rotationAngle());
    BezierPath outline;
    outline.lineWidth = borderWidth();
    QPainterPath path;
    path.addRect(box);
    outline.path = rotation.map(path);

    if (bubbleFlag() == 1) {
        if (bubbleShape().isEmpty())
            setBubbleShape(kCircleShape);
        if (bubbleShape() == kCircleShape) {
            outline.path = QPainterPath();
            outline.path.addRoundedRect(box, kEllipseRadius, kEllipseRadius);
        } else {
            setBubbleShapeBezierPath(DataCentre::grabShapeBezierPath(bubbleShape()));
            const QTransform fit = QTransform::fromScale(float(box.width()) / float(kShapeBox),
                                                         float(box.height()) / float(kShapeBox)) *
                                   QTransform::fromTranslate(box.x(), box.y());
            outline.path = rotation.map(fit.map(bubbleShapeBezierPath()));
        }
    }
    if (!view)
        return outline;

    if (shadowFlag() == 1)
        view->setShadow({darkGray(), 3.0, QPointF(0, -2.0)});
    else if (shadowRadius() != 0)
        view->setShadow(
            {darkGray(), shadowRadius(), QPointF(shadowHorizontalOffset(), shadowVerticalOffset())});

    QColor color = borderColor().isValid() ? borderColor() : QColor(Qt::black);
    color.setAlphaF(float(std::clamp(opacity(), 0.0, 1.0)));
    if (const std::optional<QPen> pen = borderPen(borderStyle(), color, borderWidth()))
        view->strokePath(outline.path, *pen);

    // Only the border casts the shadow then, not the picture as well.
    if (shadowFlag() == 1 && borderWidth() > 0)
        view->setShadow(Shadow::none());
    return outline;
}

QTransform SKTImage::pictureTransform(const QSizeF& size, bool flippedView) const
{
    const QRectF content = contentRect();
    const double dx = shadowHorizontalOffset();
    const double dy = shadowVerticalOffset();
    QTransform transform;
    // Qt draws pictures upright in a view whose y axis grows downward.
    if (!flippedView)
        transform *= QTransform(1, 0, 0, -1, 0, size.height());
    // The shadow's offset is kept free on both sides, so the shadow stays inside the box.
    transform *= QTransform::fromScale((content.width() - 2 * std::abs(std::trunc(dx))) / size.width(),
                                       (content.height() - 2 * std::abs(std::trunc(dy))) / size.height());
    if (m_flippedHorizontally)
        transform *= QTransform(-1, 0, 0, 1, bounds().width(), 0);
    if (m_flippedVertically)
        transform *= QTransform(1, 0, 0, -1, 0, bounds().height());
    transform *= QTransform::fromTranslate(content.x() + dx, content.y() + dy);
    return transform;
}

QPainterPath SKTImage::bubbleClip(const QSizeF& size, bool flippedView)
{
    const QRectF picture(QPointF(), size);
    QPainterPath clip;
    if (bubbleShape() == kCircleShape) {
        clip.addRoundedRect(picture, kEllipseRadius, kEllipseRadius);
        return clip;
    }
    QTransform toPicture = QTransform::fromScale(float(size.width()) / float(kShapeBox),
                                                 float(size.height()) / float(kShapeBox));
    // The outline is in canvas orientation; the picture's points are turned over in an upward view.
    if (!flippedView)
        toPicture *= QTransform(1, 0, 0, -1, 0, size.height());
    setBubbleShapeBezierPath(toPicture.map(bubbleShapeBezierPath()));
    return bubbleShapeBezierPath();
}

void SKTImage::drawContentsInView(DrawingView& view, bool)
{
    // The shadow set for the picture ends with this graphic.
    view.save();
    bezierPathForDrawing(&view);
    const QImage picture = _contents();
    if (slideShowNumber() == kNoNumber && Drawing::isDrawable(picture)) {
        const QSizeF size = picture.deviceIndependentSize();
        const QRectF pictureRect(QPointF(), size);
        view.save();
        view.painter().setTransform(
            pictureTransform(size, view.isFlipped()) * rotationAboutCentre(bounds(), rotationAngle()), true);
        view.painter().setRenderHint(QPainter::SmoothPixmapTransform);
        view.painter().setOpacity(view.painter().opacity() * std::clamp(opacity(), 0.0, 1.0));
        if (bubbleFlag() == 1) {
            const QPainterPath clip = bubbleClip(size, view.isFlipped());
            view.drawImage(pictureRect, Drawing::pictureWithCoverage(
                                            picture, Drawing::coverageOfPath(clip, size, picture.size())));
        } else if (!maskImage().isNull()) {
            view.drawImage(pictureRect, Drawing::pictureWithCoverage(
                                            picture, Drawing::coverageOfMask(maskImage(), picture.size())));
            if (maskFlag() != 1)
                setMaskFlag(1);
        } else {
            view.drawImage(pictureRect, picture);
            if (maskFlag() != 0)
                setMaskFlag(0);
        }
        view.restore();
    }
    view.restore();
}
