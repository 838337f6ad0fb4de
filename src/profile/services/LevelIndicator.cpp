#include "profile/services/LevelIndicator.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

LevelIndicator::LevelIndicator(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void LevelIndicator::setDoubleValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    update();
    Q_EMIT valueChanged(value);
}

void LevelIndicator::setMaxValue(double maxValue)
{
    m_maxValue = maxValue;
    update();
}

void LevelIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(frame);
    // A total of 0 or less shows an empty bar rather than dividing by it.
    const double fraction = m_maxValue > 0.0 ? std::clamp(m_value / m_maxValue, 0.0, 1.0) : 0.0;
    if (fraction <= 0.0)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawRect(
        QRectF(frame.topLeft(), QSizeF(frame.width() * fraction, frame.height())).adjusted(1, 1, 0, -1));
}
