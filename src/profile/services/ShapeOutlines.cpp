#include "profile/services/ShapeOutlines.h"

#include <QList>
#include <QPointF>
#include <QTransform>

#include <algorithm>

namespace DataCentre {

namespace {

constexpr double kUnitSquare = 100.0;

struct PolygonOutline {
    const char* name;
    QList<QPointF> points;
};

struct RectangleOutline {
    const char* name;
    QRectF rect;
    double cornerRadius; // 0 for a plain rectangle
};

// Points as drawn before the flip; the lists, not the figures they approximate, are the outlines.
const QList<PolygonOutline>& polygonOutlines()
{
    // clang-format off
    static const QList<PolygonOutline> outlines = {
        {"star", {{50, 100}, {67.63, 74.27}, {97.55, 65.45}, {78.53, 40.73}, {79.39, 9.55}, {50, 20},
          {20.61, 9.55}, {21.47, 40.73}, {2.45, 65.45}, {32.37, 74.27}}},
        {"star2", {{50, 0}, {67.63, 25.73}, {97.55, 34.55}, {78.53, 59.27}, {79.39, 90.45}, {50, 80},
          {20.61, 90.45}, {21.47, 59.27}, {2.45, 34.55}, {32.37, 25.73}}},
        {"star4", {{50, 0}, {71.21, 28.79}, {100, 50}, {71.21, 71.21}, {50, 100}, {28.79, 71.21}, {0, 50},
          {28.79, 28.79}}},
        {"star4b", {{50, 0}, {63.38, 36.62}, {100, 50}, {63.38, 63.38}, {50, 100}, {36.62, 63.38}, {0, 50},
          {36.62, 36.62}}},
        {"star10", {{50, 0}, {62.27, 12.25}, {79.39, 9.55}, {82.11, 26.67}, {97.55, 34.55}, {89.69, 50},
          {97.55, 65.45}, {82.11, 73.33}, {79.39, 90.45}, {62.27, 87.75}, {50, 100}, {37.73, 87.75},
          {20.61, 90.45}, {17.89, 73.33}, {2.45, 65.45}, {10.31, 50}, {2.45, 34.55}, {17.89, 26.67},
          {20.61, 9.55}, {37.73, 12.25}}},
        {"star25", {{50, 0}, {55.47, 6.67}, {62.43, 1.57}, {66.08, 9.39}, {74.09, 6.18}, {75.67, 14.67},
          {84.23, 13.55}, {83.65, 22.16}, {92.22, 23.21}, {89.52, 31.4}, {97.55, 34.55}, {92.9, 41.82},
          {99.9, 46.86}, {93.59, 52.74}, {99.11, 59.37}, {91.54, 63.5}, {95.24, 71.29}, {86.88, 73.4},
          {88.53, 81.87}, {79.9, 81.84}, {79.39, 90.45}, {71.04, 88.27}, {68.41, 96.49}, {60.86, 92.3},
          {56.27, 99.61}, {50, 93.67}, {43.73, 99.61}, {39.14, 92.3}, {31.59, 96.49}, {28.96, 88.27},
          {20.61, 90.45}, {20.1, 81.84}, {11.47, 81.87}, {13.12, 73.4}, {4.76, 71.29}, {8.46, 63.5},
          {0.89, 59.37}, {6.41, 52.74}, {0.1, 46.86}, {7.1, 41.82}, {2.45, 34.55}, {10.48, 31.4},
          {7.78, 23.21}, {16.35, 22.16}, {15.77, 13.55}, {24.33, 14.67}, {25.91, 6.18}, {33.92, 9.39},
          {37.57, 1.57}, {44.53, 6.67}}},
        {"octagon", {{51, 0}, {67.28, 10.69}, {86.36, 14.64}, {90.31, 33.72}, {101, 50}, {90.31, 66.28},
          {86.36, 85.36}, {67.28, 89.31}, {51, 100}, {34.72, 89.31}, {15.64, 85.36}, {11.69, 66.28}, {1, 50},
          {11.69, 33.72}, {15.64, 14.64}, {34.72, 10.69}}},
        {"triangle", {{50, 100}, {93.3, 25}, {6.7, 25}}},
        {"triangle2", {{50, 20}, {93.3, 95}, {6.7, 95}}},
        {"pyramid", {{50, 0}, {67.27, 40.03}, {93.3, 75}, {50, 69.94}, {6.7, 75}, {32.73, 40.03}}},
        {"polygon5", {{50, 0}, {97.55, 34.55}, {79.39, 90.45}, {20.61, 90.45}, {2.45, 34.55}}},
        {"polygon6", {{50, 0}, {93.3, 25}, {93.3, 75}, {50, 100}, {6.7, 75}, {6.7, 25}}},
        {"polygon7", {{50, 0}, {89.09, 18.83}, {98.75, 61.13}, {71.69, 95.05}, {28.31, 95.05}, {1.25, 61.13},
          {10.91, 18.83}}},
        {"polygon10", {{50, 0}, {79.39, 9.55}, {97.55, 34.55}, {97.55, 65.45}, {79.39, 90.45}, {50, 100},
          {20.61, 90.45}, {2.45, 65.45}, {2.45, 34.55}, {20.61, 9.55}}},
        {"polygon12", {{50, 0}, {75, 6.7}, {93.3, 25}, {100, 50}, {93.3, 75}, {75, 93.3}, {50, 100},
          {25, 93.3}, {6.7, 75}, {0, 50}, {6.7, 25}, {25, 6.7}}},
    };
    // clang-format on
    return outlines;
}

const QList<RectangleOutline>& rectangleOutlines()
{
    // clang-format off
    static const QList<RectangleOutline> outlines = {
        {"square", {10, 10, 80, 80}, 0},
        {"square_roundcorners", {10, 10, 80, 80}, 10},
        {"circle", {10, 10, 80, 80}, 100},
        {"rectangle", {10, 20, 80, 60}, 0},
        {"rectangle_roundcorners", {10, 20, 80, 60}, 10},
    };
    // clang-format on
    return outlines;
}

QPainterPath polygonPath(const QList<QPointF>& points)
{
    QPainterPath path(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        path.lineTo(points.at(i));
    path.closeSubpath();
    return path;
}

QPainterPath rectanglePath(const RectangleOutline& outline)
{
    QPainterPath path;
    if (outline.cornerRadius <= 0) {
        path.addRect(outline.rect);
        return path;
    }
    // One radius for both axes, never more than half the shorter side (so a large radius on a square
    // gives its inscribed circle).
    const double shorterSide = std::min(outline.rect.width(), outline.rect.height());
    const double radius = std::min(outline.cornerRadius, shorterSide / 2.0);
    path.addRoundedRect(outline.rect, radius, radius);
    return path;
}

QPainterPath unflippedOutline(const QString& name)
{
    for (const PolygonOutline& outline : polygonOutlines()) {
        if (name == QLatin1String(outline.name))
            return polygonPath(outline.points);
    }
    for (const RectangleOutline& outline : rectangleOutlines()) {
        if (name == QLatin1String(outline.name))
            return rectanglePath(outline);
    }
    return {};
}

} // namespace

QPainterPath grabShapeBezierPath(const QString& name)
{
    const QTransform flip(1, 0, 0, -1, 0, kUnitSquare);
    return flip.map(unflippedOutline(name));
}

QPainterPath fitShapeOutline(const QPainterPath& outline, const QRectF& rect)
{
    QTransform fit;
    fit.translate(rect.x(), rect.y());
    fit.scale(rect.width() / kUnitSquare, rect.height() / kUnitSquare);
    return fit.map(outline);
}

} // namespace DataCentre
