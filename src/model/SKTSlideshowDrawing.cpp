#include "model/SKTSlideshow.h"

#include "model/drawing/BezierPath.h"
#include "model/drawing/CaptionLabel.h"
#include "model/drawing/DrawingView.h"
#include "model/drawing/PictureDrawing.h"
#include "model/geometry/Rects.h"
#include "model/records/MTextView.h"
#include "platform/Bundle.h"
#include "profile/services/ImageGeometry.h"

#include <QHash>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kArrowWidth = 40;
constexpr double kArrowHeight = 50;
constexpr double kCaptionTop = 5;
constexpr double kCaptionHeight = 15;
constexpr double kShadowFrameInset = 10;

// An outline style of the slideshow: width 1 with a dash pattern (none for "solid") at a phase.
struct OutlineStyle {
    const char* name;
    QList<qreal> dashes;
    double phase;
};

const QList<OutlineStyle>& outlineStyles()
{
    static const QList<OutlineStyle> styles{
        {"solid", {}, 0},
        {"dashed", {5, 5}, 5},
        {"dotted", {3, 1}, 3},
    };
    return styles;
}

QPen outlinePen(const QColor& color, const QList<qreal>& dashes, double phase)
{
    QPen pen(color, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!dashes.isEmpty()) {
        pen.setDashPattern(dashes);
        pen.setDashOffset(phase);
    }
    return pen;
}

// The arrow pictures of the bundle, read once per resource folder.
QImage arrowPicture(const QString& name)
{
    static QHash<QString, QImage> cache;
    const QString path = Bundle::main().pathForResource(name, QStringLiteral("png"));
    if (path.isNull())
        return {};
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.insert(path, QImage(path));
    return *it;
}

QPainterPath rectPath(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

} // namespace

QRectF SKTSlideshow::drawingBounds()
{
    return Rects::unite(SKTGraphic::drawingBounds(), bounds().adjusted(-1, -1, 1, 1));
}

void SKTSlideshow::grabTransformViewBounds()
{
    const QRectF b = bounds();
    const int width = int(b.width());
    for (qsizetype i = 0; i < m_imageArray.size(); ++i) {
        if (!m_imageArray[i])
            continue;
        TransformView& slide = *m_imageArray[i];
        slide.setSlideWidth(width);
        const QSizeF size =
            DataCentre::returnNewSizeWithWidth(QSizeF(slide.originalWidth(), slide.originalHeight()), width);
        const double x = std::trunc(std::max((b.width() - size.width()) * 0.5, 0.0)) + double(i) * b.width();
        const double y = std::trunc(std::max((b.height() - size.height()) * 0.5, 0.0));
        slide.setFrame(QRectF(x, y, size.width(), size.height()));
        QImage picture = slide.image();
        Drawing::setPictureSize(picture, size);
        slide.setImage(picture);
    }
}

BezierPath SKTSlideshow::bezierPathForDrawing(DrawingView* view)
{
    BezierPath outline;
    outline.path = rectPath(bounds());
    if (view && isDrawingStroke()) {
        for (const OutlineStyle& style : outlineStyles()) {
            if (borderStyle() == QLatin1String(style.name))
                view->strokePath(outline.path, outlinePen(fontColor(), style.dashes, style.phase));
        }
    }
    if (fillColor() != QColor(Qt::transparent))
        setFillColor(Qt::transparent);
    return outline;
}

void SKTSlideshow::drawCurrentSlide(DrawingView& view)
{
    if (m_currentImageIndex < 0 || m_currentImageIndex >= totalNumofSlides() ||
        !m_imageArray[m_currentImageIndex])
        return;
    TransformView& slide = *m_imageArray[m_currentImageIndex];
    slide.setTemplateName(templateName());
    slide.setSelectable(selectable());
    const QImage picture = slide.image();
    if (!Drawing::isDrawable(picture))
        return;
    const QRectF b = bounds();
    const QSizeF size = picture.deviceIndependentSize();
    const double w = std::trunc(size.width());
    const double h = std::trunc(size.height());
    const QRectF target(std::trunc(b.x()),
                        std::trunc(std::max((b.height() - h) * 0.5, 0.0)) + std::trunc(b.y()), w, h);
    view.save();
    if (shadowFlag() == 1)
        view.setShadow({Qt::gray, 1, QPointF(1, 0)});
    Drawing::drawPictureUpright(view, target, picture);
    view.restore();
}

void SKTSlideshow::drawArrows(DrawingView& view)
{
    const QRectF b = bounds();
    const double top = b.y() + b.height() * 0.5;
    if (showsPreviousArrow())
        Drawing::drawPictureUpright(view, QRectF(b.x(), top, kArrowWidth, kArrowHeight),
                                    arrowPicture(QStringLiteral("previousArrow")));
    if (showsNextArrow())
        Drawing::drawPictureUpright(view,
                                    QRectF(b.x() + b.width() - kArrowWidth, top, kArrowWidth, kArrowHeight),
                                    arrowPicture(QStringLiteral("nextArrow")));
}

void SKTSlideshow::drawContentsInView(DrawingView& view, bool beingCreatedOrEdited)
{
    view.save();
    grabTransformViewBounds();
    const QRectF b = bounds();
    view.strokePath(rectPath(b), outlinePen(Qt::lightGray, {5, 5}, 5));

    if (beingCreatedOrEdited) {
        bezierPathForDrawing(&view);
    } else {
        if (m_textView) {
            m_textView->setFrame(QRectF(b.x(), b.y() + kCaptionTop, b.width(), kCaptionHeight));
            m_textView->setString(
                captionText(std::min(m_currentImageIndex + 1, totalNumofSlides()), totalNumofSlides()));
        }
        if (shadowFlag() == 1) {
            view.setShadow({Qt::black, 3, QPointF(0, -2)});
            view.strokePath(rectPath(b.adjusted(kShadowFrameInset, kShadowFrameInset, -kShadowFrameInset,
                                                -kShadowFrameInset)),
                            outlinePen(Qt::lightGray, {}, 0));
        }
    }
    drawCurrentSlide(view);
    drawArrows(view);
    view.restore();
    // The caption lies over everything the slideshow draws.
    if (!beingCreatedOrEdited && m_textView)
        CaptionLabel::draw(view, *m_textView);
}
