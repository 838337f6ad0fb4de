#include "inspector/controls/ValueSlider.h"

#include <QTimer>

#include <cmath>

ValueSlider::ValueSlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    connect(this, &QSlider::valueChanged, this, [this] {
        if (m_settingValue)
            return;
        Q_EMIT valueMoved(doubleValue());
        if (m_settleTimer)
            m_settleTimer->start();
        else
            Q_EMIT valueSettled(doubleValue());
    });
}

void ValueSlider::setSettleDelay(int milliseconds)
{
    delete m_settleTimer;
    m_settleTimer = nullptr;
    if (milliseconds <= 0)
        return;
    m_settleTimer = new QTimer(this);
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(milliseconds);
    connect(m_settleTimer, &QTimer::timeout, this, [this] { Q_EMIT valueSettled(doubleValue()); });
}

void ValueSlider::setValueRange(double minimum, double maximum, double step, int ticks)
{
    m_minimum = minimum;
    m_step = step;
    const int steps = int(std::lround((maximum - minimum) / step));
    m_settingValue = true;
    setRange(0, steps);
    m_settingValue = false;
    setPageStep(std::max(1, steps / 10));
    if (ticks > 1) {
        setTickPosition(QSlider::TicksBelow);
        setTickInterval(std::max(1, steps / (ticks - 1)));
    }
}

double ValueSlider::doubleValue() const
{
    return m_minimum + value() * m_step;
}

void ValueSlider::setDoubleValue(double value)
{
    m_settingValue = true;
    setValue(int(std::lround((value - m_minimum) / m_step)));
    m_settingValue = false;
}
