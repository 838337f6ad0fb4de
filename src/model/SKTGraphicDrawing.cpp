#include "model/SKTGraphic.h"

#include "model/GraphicContext.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/DrawingView.h"
#include "model/geometry/Handles.h"
#include "model/geometry/Rects.h"
#include "platform/Bundle.h"
#include "profile/services/HexColor.h"
#include "profile/services/ImageGeometry.h"

#include <QCursor>
#include <QPainterPath>
#include <QPixmap>

#include <stdexcept>

namespace {

// "CLEAR0" and the empty string stand for the clear colour.
QColor colorOfString(const QString& text)
{
    if (text.isEmpty() || text == DataCentre::kClearColorString)
        return Qt::transparent;
    return DataCentre::colorWithHexString(text);
}

} // namespace

QRectF SKTGraphic::drawingBounds()
{
    // A line's arrow heads and thick strokes reach far past its bounds.
    const double outset =
        className() == QLatin1String("SKTLine") ? 50.0 : Handles::drawnSize(handleScale()) / 2.0;
    const QRectF grown = bounds().adjusted(-outset - 2, -outset - 2, outset + 2, outset + 2);
    QPainterPath path;
    path.addRect(grown);
    QTransform rotation;
    DataCentre::transformRotatingAroundPoint(grown.center(), rotationAngle(), rotation);
    const QRectF rotated = rotation.map(path).boundingRect();
    drawBoxModel();
    return rotated;
}

void SKTGraphic::drawContentsInView(DrawingView&, bool) {}

BezierPath SKTGraphic::bezierPathForDrawing(DrawingView*)
{
    throw std::logic_error("Neither -drawContentsInView: nor -bezierPathForDrawing has been overridden.");
}

bool SKTGraphic::canMakeNaturalSize() const
{
    const QRectF b = bounds();
    return b.width() != b.height();
}

bool SKTGraphic::isContentsUnderPoint(const QPointF& point) const
{
    return Rects::pointIn(point, bounds());
}

void SKTGraphic::contentsClickedAtPoint(const QPointF&)
{
    refreshSelectedColors();
}

void SKTGraphic::refreshSelectedColors()
{
    QColor shapeColor = fillColor();
    if (backgroundHexColorString().isEmpty() || backgroundHexColorString() == DataCentre::kClearColorString) {
        shapeColor = Qt::transparent;
        setBackgroundHexColorString(DataCentre::kClearColorString);
    }
    GraphicContext* context = graphicContext();
    if (!context)
        return;
    context->setSelectedTextColor(colorOfString(textHexColorString()));
    context->setSelectedShapeColor(shapeColor);
    context->setSelectedHoverColor(colorOfString(hoverColorString()));
    context->setSelectedHoverTextColor(colorOfString(hoverTextColorString()));
    context->setSelectedBorderColor(colorOfString(borderHexColorString()));
    context->refreshColorButtons();
    context->refreshInspectorPanel();
}

void SKTGraphic::setColor(const QColor& color)
{
    if (!canSetDrawingFill())
        return;
    if (!isDrawingFill())
        setDrawingFill(true);
    setFillColor(color);
}

QWidget* SKTGraphic::newEditingViewWithSuperviewBounds(const QRectF&)
{
    return nullptr;
}

void SKTGraphic::finalizeEditingView(QWidget*) {}

const QCursor& SKTGraphic::creationCursor()
{
    static const QCursor cursor = [] {
        const QPixmap cross(Bundle::main().pathForResource(QStringLiteral("Cross"), QStringLiteral("png")));
        if (cross.isNull())
            return QCursor(Qt::CrossCursor);
        return QCursor(cross, cross.width() / 2, cross.height() / 2);
    }();
    return cursor;
}
