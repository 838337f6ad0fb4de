#include "model/SKTText.h"

#include "model/ColorTarget.h"
#include "model/NoNumber.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/BorderStroke.h"
#include "model/drawing/DrawingView.h"
#include "model/text/SharedTextLayout.h"
#include "model/text/TextStorage.h"
#include "profile/DataCentre.h"
#include "profile/services/ImageGeometry.h"
#include "profile/services/ShapeOutlines.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

const QString kCircleShape = QStringLiteral("circle");
const QString kRectangleShape = QStringLiteral("rectangle");

// The outlines and guides of the canvas: one point wide, dashes of 3 and gaps of 1 starting 3 in.
QPen guidePen(const QColor& color)
{
    QPen pen(color, 1.0);
    pen.setDashPattern({3.0, 1.0});
    pen.setDashOffset(3.0);
    return pen;
}

const QColor kDarkGray = QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3);
const QColor kGray = QColor::fromRgbF(0.5f, 0.5f, 0.5f);
const QColor kLightGray = QColor::fromRgbF(2.0f / 3, 2.0f / 3, 2.0f / 3);

bool sameColor(const QColor& a, const QColor& b)
{
    return a.isValid() == b.isValid() && a.rgba64() == b.rgba64();
}

QColor withOpacity(QColor color, double opacity)
{
    color.setAlphaF(float(std::clamp(opacity, 0.0, 1.0)));
    return color;
}

QPainterPath rectanglePath(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath ellipsePath(const QRectF& rect)
{
    // Corner radii larger than half the sides round the whole rectangle into an ellipse.
    QPainterPath path;
    path.addRoundedRect(rect, 1000, 1000);
    return path;
}

} // namespace

void SKTText::applyTextPaletteRule()
{
    if (fillColorIndex() <= kNoNumber || ColorTarget::selectedColorType() != ColorTarget::Text)
        return;
    // The transparent entry is no text colour.
    const std::optional<QColor> picked = ColorTarget::paletteColor(fillColorIndex());
    if (picked && !sameColor(fillColor(), *picked))
        setFontColor(*picked);
}

void SKTText::applyFillPaletteRule()
{
    if (fillColorIndex() <= kNoNumber || ColorTarget::selectedColorType() != ColorTarget::ShapeFill)
        return;
    // Drawing runs this every time: only a real change is set, or observers would redraw without end.
    if (fillColorIndex() == 0) {
        if (!GraphicProperties::isClearColor(fillColor()))
            setFillColor(Qt::transparent);
        return;
    }
    const std::optional<QColor> picked = ColorTarget::paletteColor(fillColorIndex());
    if (picked && !sameColor(fontColor(), *picked) && !sameColor(fillColor(), *picked))
        setFillColor(*picked);
}

std::optional<QPainterPath> SKTText::calloutOutline(const QTransform& rotation)
{
    const QString shape = bubbleShape();
    if (shape == kCircleShape)
        return ellipsePath(drawRect());
    if (shape == kRectangleShape)
        return rectanglePath(drawRect());
    if (!shape.isEmpty()) {
        setBubbleShapeBezierPath(DataCentre::grabShapeBezierPath(shape));
        const QRectF box(drawRect().topLeft(), bounds().size());
        return rotation.map(DataCentre::fitShapeOutline(bubbleShapeBezierPath(), box));
    }
    if (zoomBubbleFlag() != 1)
        return std::nullopt;
    // A zoom callout without a shape keeps the one its corners suggest from now on.
    const QString chosen = cornerRadius() > 0 ? kCircleShape : kRectangleShape;
    setBubbleShape(chosen);
    return chosen == kCircleShape ? ellipsePath(drawRect()) : rectanglePath(drawRect());
}

BezierPath SKTText::bezierPathForDrawing(DrawingView* view)
{
    drawBoxModel();
    const ProductProfile& profile = DataCentre::profile();
    const QRectF b = bounds();

    BezierPath result;
    result.path.addRoundedRect(noMarginNoBorderRect(), cornerRadius(), cornerRadius());
    QTransform rotation;
    DataCentre::transformRotatingAroundPoint(b.center(), rotationAngle(), rotation);
    result.path = rotation.map(result.path);
    if (std::optional<QPainterPath> callout = calloutOutline(rotation))
        result.path = *callout;

    const bool threeShadowValues =
        shadowRadius() != 0 && shadowHorizontalOffset() != 0 && shadowVerticalOffset() != 0;
    if (view) {
        if (shadowFlag() == 1 || zoomBubbleFlag() == 1)
            view->setShadow({kDarkGray, 3.0, QPointF()});
        else if (threeShadowValues)
            view->setShadow(
                {kDarkGray, shadowRadius(), QPointF(shadowHorizontalOffset(), shadowVerticalOffset())});
    }

    applyFillPaletteRule();
    if (view && isDrawingFill())
        view->fillPath(result.path, GraphicProperties::isClearColor(fillColor())
                                        ? fillColor()
                                        : withOpacity(fillColor(), opacity()));

    if (isDrawingStroke()) {
        if (const BorderStroke::Style* style = BorderStroke::styleNamed(borderStyle())) {
            if (borderWidth() == 0)
                setBorderWidth(1);
            result.lineWidth = borderWidth();
            const QColor color = borderColor().isValid() ? borderColor() : QColor(Qt::black);
            if (view)
                view->strokePath(result.path,
                                 BorderStroke::pen(withOpacity(color, opacity()), borderWidth(), *style));
        }
    }
    if (!view)
        return result;

    // The glyphs cast no shadow of a box's own shadow, nor on the responsive canvas.
    if (shadowFlag() == 1 || (profile.responsiveDesign && threeShadowValues))
        view->setShadow(Shadow::none());
    if (!selectable() && !profile.dashedTextOutline)
        view->strokePath(result.path, guidePen(Qt::blue));
    if (formType() == QLatin1String("checkbox") || formType() == QLatin1String("radio"))
        view->fillPath(result.path, Qt::white);
    if (profile.responsiveDesign) {
        view->strokePath(rectanglePath(noPaddingNoMarginRect()), guidePen(kLightGray));
        view->strokePath(rectanglePath(noMarginRect()), guidePen(kGray));
        view->strokePath(rectanglePath(b), guidePen(kDarkGray));
    }
    return result;
}

int SKTText::textCornerInset() const
{
    return DataCentre::profile().cornerTextInset ? int(cornerRadius() * 0.25) : 0;
}

QPointF SKTText::glyphOrigin(int inset) const
{
    const QRectF content = contentRect();
    switch (verticalAlignment()) {
    case 1:
        return {content.x(), content.y() + content.height() * 0.5 - textHeight() / 2};
    case 2: {
        const QRectF b = bounds();
        return {content.x(), b.y() + b.height() - textHeight() - bottomMarginInPx() - bottomPaddingInPx()};
    }
    default:
        return {inset + content.x() + borderWidth() + 5.0, content.y()};
    }
}

void SKTText::drawContentsInView(DrawingView& view, bool beingCreatedOrEdited)
{
    bezierPathForDrawing(&view);
    if (beingCreatedOrEdited || contents().isEmpty())
        return;

    SharedTextLayout& layout = sharedLayoutManager();
    const int inset = textCornerInset();
    QSizeF container = contentRect().size();
    if (DataCentre::profile().cornerTextInset)
        container = QSizeF(bounds().width() - 2 * inset, bounds().height() - 2 * inset);
    layout.setContainerSize(container);
    layout.attach(contents().document());
    if (!layout.hasGlyphs()) {
        layout.detach();
        return;
    }

    view.save();
    QTransform rotation;
    DataCentre::transformRotatingAroundPoint(contentRect().center(), rotationAngle(), rotation);
    view.painter().setTransform(rotation, true);
    const int height = int(layout.usedRect().height());
    if (textHeight() != height)
        setTextHeight(height);
    layout.draw(view, glyphOrigin(inset));
    view.restore();
    layout.detach();
}
