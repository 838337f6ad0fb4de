#pragma once

#include <QSlider>

// A horizontal slider over a range of real values in fixed steps (opacity from 0 to 1 in hundredths, a
// border width from 0 to 10 in whole points). Only the user's moves are told through valueMoved.
class ValueSlider : public QSlider {
    Q_OBJECT

public:
    explicit ValueSlider(QWidget* parent = nullptr);

    // The range with `ticks` tick marks spread over it.
    void setValueRange(double minimum, double maximum, double step, int ticks);
    double minimumValue() const { return m_minimum; }
    double maximumValue() const { return m_minimum + maximum() * m_step; }
    double doubleValue() const;
    // Moves the knob to the nearest step inside the range, silently.
    void setDoubleValue(double value);

Q_SIGNALS:
    void valueMoved(double value);

private:
    double m_minimum = 0;
    double m_step = 1;
    bool m_settingValue = false;
};
