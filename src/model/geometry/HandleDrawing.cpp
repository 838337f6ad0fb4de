#include "model/SKTGraphic.h"

#include "model/drawing/DrawingView.h"
#include "model/geometry/Handles.h"
#include "model/geometry/Rects.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

namespace {

const QString kSectionBarColor = QStringLiteral("228B22");

// The middle-left and middle-right handles change the width, which a responsive page never does.
bool isHandleShown(int handle)
{
    return !DataCentre::profile().responsiveDesign || (handle != 4 && handle != 5);
}

// Qt measures dashes in pen widths; the outline's dashes are in points.
QPen dashedPen(const QColor& color, double width, double on, double off, double phase)
{
    QPen pen(color, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({on / width, off / width});
    pen.setDashOffset(phase / width);
    return pen;
}

} // namespace

void SKTGraphic::drawHandlesInView(DrawingView& view)
{
    if (!selectable() || formType() == QLatin1String("radio") || formType() == QLatin1String("checkbox"))
        return;
    const QRectF b = bounds();
    for (int handle = Handles::kFirst; handle <= Handles::kLast; ++handle) {
        if (isHandleShown(handle))
            drawHandleInView(view, Handles::point(b, handle));
    }
    const float width = std::max(DataCentre::profile().selectionHandleLineWidth / handleScale(), 1.0f);
    QPainterPath outline;
    outline.addRect(b);
    view.strokePath(outline, dashedPen(Qt::black, width, 7, 7, 5));
}

void SKTGraphic::drawHandleInView(DrawingView& view, const QPointF& point)
{
    // Handles cast no shadow, whatever the graphic drew before them.
    view.setShadow(Shadow::none());
    const double size = Handles::drawnSize(handleScale());
    const QRectF square = view.centerScanRect(Handles::area(point, size, false));
    QPainterPath oval;
    oval.addEllipse(square);
    view.strokePath(oval, QPen(Qt::red, 1.0));
    view.fillPath(oval, Qt::white);
    if (!isSectionContainer())
        return;
    QPainterPath bar;
    bar.addRect(view.centerScanRect(Handles::area(point, size, true)));
    view.strokePath(bar, QPen(Qt::white, 5.0));
    view.fillPath(bar, DataCentre::colorWithHexString(kSectionBarColor));
}

int SKTGraphic::handleUnderPoint(const QPointF& point)
{
    // All eight are tested on responsive pages too.
    const QRectF b = bounds();
    for (int handle = Handles::kFirst; handle <= Handles::kLast; ++handle) {
        if (isHandleAtPoint(Handles::point(b, handle), point))
            return handle;
    }
    return Handles::kNone;
}

bool SKTGraphic::isHandleAtPoint(const QPointF& handlePoint, const QPointF& point) const
{
    return Rects::pointIn(point,
                          Handles::area(handlePoint, Handles::hitSize(handleScale()), isSectionContainer()));
}
