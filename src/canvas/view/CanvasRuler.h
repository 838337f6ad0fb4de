#pragma once

#include "platform/RulerUnits.h"

#include <QList>
#include <QRectF>
#include <QWidget>

#include <optional>
#include <utility>

// A ruler along one edge of the canvas: marks numbered in its measurement unit from the page's origin, at
// the canvas scale, and the echo of a rectangle being moved or resized, as lines at its two edges and its
// middle.
class CanvasRuler : public QWidget {
    Q_OBJECT

public:
    static constexpr int kThickness = 22;

    // Starts with defaultMeasurementUnits().
    explicit CanvasRuler(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return m_orientation; }
    QString measurementUnits() const { return m_unit.name; }
    // A name no unit is registered under shows points.
    void setMeasurementUnits(const QString& name);
    // What a new window's rulers show: the user's choice (user default "RulerUnits"), else the product's
    // unit, else "Points".
    static QString defaultMeasurementUnits();

    // Where the page's origin lies along the ruler, in the ruler's pixels, and how many pixels one canvas
    // point takes.
    void setOriginOffset(double offset);
    void setScale(double scale);

    // Echoes the rectangle (canvas points); the zero rectangle erases the echo.
    void echoRect(const QRectF& rect);
    // The echo lines' places along the ruler, in its pixels, low edge first; none without an echo.
    QList<double> echoPositions() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The place along the ruler of a canvas coordinate.
    double position(double canvasCoordinate) const { return m_originOffset + canvasCoordinate * m_scale; }
    double length() const;
    void drawMarks(QPainter& painter) const;
    // A mark every `spacing` pixels from the origin, numbered in steps of `numberStep` units unless 0.
    void drawMarksEvery(QPainter& painter, double spacing, int markLength, double numberStep) const;
    void drawNumber(QPainter& painter, double at, const QString& number) const;
    void drawMark(QPainter& painter, double at, int markLength) const;
    void drawEcho(QPainter& painter) const;

    Qt::Orientation m_orientation;
    RulerUnit m_unit;
    double m_originOffset = 0;
    double m_scale = 1;
    // The low and high canvas coordinates of the echoed rectangle along the ruler.
    std::optional<std::pair<double, double>> m_echo;
};
