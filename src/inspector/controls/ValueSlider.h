#pragma once

#include <QSlider>

class QTimer;

// A horizontal slider over a range of real values in fixed steps (opacity from 0 to 1 in hundredths, a
// border width from 0 to 10 in whole points). Only the user's moves are told through valueMoved, and through
// valueSettled once the knob rests: at once, or after the settle delay when one is set, so that a quick
// drag settles once.
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
    // Milliseconds the knob must rest before valueSettled; 0 (the default) settles every move.
    void setSettleDelay(int milliseconds);

Q_SIGNALS:
    void valueMoved(double value);
    void valueSettled(double value);

private:
    double m_minimum = 0;
    double m_step = 1;
    bool m_settingValue = false;
    QTimer* m_settleTimer = nullptr;
};
