#include "canvas/view/CanvasRuler.h"

#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"

#include <QPainter>

#include <cmath>

namespace {

const QString kPointsUnit = QStringLiteral("Points");
const QString kRulerUnitsDefault = QStringLiteral("RulerUnits");

// Numbered marks stand at least this far apart, finer marks at least kMinMarkSpacing (ruler pixels).
constexpr double kMinLabelSpacing = 50;
constexpr double kMinMarkSpacing = 5;
// Levels of finer marks below the numbered ones, each shorter than the one above.
constexpr int kMarkLevels = 3;
// The numbers' size and their baseline's distance from the ruler's outer edge, in pixels.
constexpr int kNumberSize = 9;
constexpr int kNumberBaseline = 10;

RulerUnit unitNamed(const QString& name)
{
    if (std::optional<RulerUnit> unit = RulerUnits::unitNamed(name))
        return *unit;
    return *RulerUnits::unitNamed(kPointsUnit);
}

} // namespace

CanvasRuler::CanvasRuler(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , m_orientation(orientation)
    , m_unit(unitNamed(defaultMeasurementUnits()))
{
    setAutoFillBackground(true);
    QFont numbers = font();
    numbers.setPixelSize(kNumberSize);
    setFont(numbers);
}

QString CanvasRuler::defaultMeasurementUnits()
{
    const QString chosen = UserDefaults::standard().stringForKey(kRulerUnitsDefault);
    if (!chosen.isEmpty())
        return chosen;
    const QString product = DataCentre::profile().rulerUnits;
    return product.isEmpty() ? kPointsUnit : product;
}

void CanvasRuler::setMeasurementUnits(const QString& name)
{
    m_unit = unitNamed(name);
    update();
}

void CanvasRuler::setOriginOffset(double offset)
{
    m_originOffset = offset;
    update();
}

void CanvasRuler::setScale(double scale)
{
    m_scale = scale;
    update();
}

void CanvasRuler::echoRect(const QRectF& rect)
{
    if (rect.isNull())
        m_echo.reset();
    else if (m_orientation == Qt::Horizontal)
        m_echo = std::pair(rect.left(), rect.right());
    else
        m_echo = std::pair(rect.top(), rect.bottom());
    update();
}

QList<double> CanvasRuler::echoPositions() const
{
    if (!m_echo)
        return {};
    const auto [low, high] = *m_echo;
    return {position(low), position((low + high) / 2), position(high)};
}

QSize CanvasRuler::sizeHint() const
{
    return m_orientation == Qt::Horizontal ? QSize(100, kThickness) : QSize(kThickness, 100);
}

double CanvasRuler::length() const
{
    return m_orientation == Qt::Horizontal ? width() : height();
}

void CanvasRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    drawMarks(painter);
    drawEcho(painter);
}

void CanvasRuler::drawMarks(QPainter& painter) const
{
    const double pixelsPerUnit = m_unit.pointsPerUnit * m_scale;
    if (pixelsPerUnit <= 0)
        return;
    // Numbered marks: whole units, made coarser through the unit's step-up cycle until they fit.
    double labelStep = 1;
    for (int i = 0; labelStep * pixelsPerUnit < kMinLabelSpacing && !m_unit.stepUpCycle.isEmpty(); ++i) {
        const double factor = m_unit.stepUpCycle.at(i % m_unit.stepUpCycle.size());
        if (factor <= 1)
            break;
        labelStep *= factor;
    }
    drawMarksEvery(painter, labelStep * pixelsPerUnit, kThickness, labelStep);
    // Finer marks through the step-down cycle while they stay apart.
    double step = labelStep;
    for (int level = 0; level < kMarkLevels && !m_unit.stepDownCycle.isEmpty(); ++level) {
        step *= m_unit.stepDownCycle.at(level % m_unit.stepDownCycle.size());
        if (step * pixelsPerUnit < kMinMarkSpacing)
            break;
        drawMarksEvery(painter, step * pixelsPerUnit, kThickness / (level + 2), 0);
    }
}

void CanvasRuler::drawMarksEvery(QPainter& painter, double spacing, int markLength, double numberStep) const
{
    const double first = std::floor(-m_originOffset / spacing);
    const double last = std::ceil((length() - m_originOffset) / spacing);
    for (double k = first; k <= last; ++k) {
        const double at = m_originOffset + k * spacing;
        drawMark(painter, at, markLength);
        if (numberStep > 0)
            drawNumber(painter, at, QString::number(k * numberStep, 'g', 6));
    }
}

void CanvasRuler::drawNumber(QPainter& painter, double at, const QString& number) const
{
    if (m_orientation == Qt::Horizontal) {
        painter.drawText(QPointF(at + 2, kNumberBaseline), number);
        return;
    }
    // Along the vertical ruler the numbers read downward, as far from the outer edge as across the other.
    painter.save();
    painter.translate(kNumberBaseline - painter.fontMetrics().ascent(), at + 2);
    painter.rotate(90);
    painter.drawText(QPointF(), number);
    painter.restore();
}

void CanvasRuler::drawMark(QPainter& painter, double at, int markLength) const
{
    // Marks grow from the edge that faces the canvas.
    if (m_orientation == Qt::Horizontal)
        painter.drawLine(QPointF(at, kThickness - markLength), QPointF(at, kThickness));
    else
        painter.drawLine(QPointF(kThickness - markLength, at), QPointF(kThickness, at));
}

void CanvasRuler::drawEcho(QPainter& painter) const
{
    painter.setPen(palette().color(QPalette::Highlight));
    for (double at : echoPositions())
        drawMark(painter, at, kThickness);
}
