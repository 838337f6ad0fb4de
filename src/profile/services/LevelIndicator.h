#pragma once

#include <QWidget>

// A bar that fills in proportion to a value between 0 and a maximum (steps done of a total).
class LevelIndicator : public QWidget {
    Q_OBJECT
public:
    explicit LevelIndicator(QWidget* parent = nullptr);

    double doubleValue() const { return m_value; }
    void setDoubleValue(double value);
    double maxValue() const { return m_maxValue; }
    void setMaxValue(double maxValue);

    QSize sizeHint() const override { return {240, 16}; }

Q_SIGNALS:
    void valueChanged(double value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_value = 0.0;
    double m_maxValue = 0.0;
};
