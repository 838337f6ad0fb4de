#pragma once

#include <QPainterPath>

// An outline with the line width it is meant to be stroked with, as a graphic hands it to its callers.
struct BezierPath {
    // The width an outline has unless its maker sets one.
    static constexpr double kDefaultLineWidth = 1.0;

    QPainterPath path;
    double lineWidth = kDefaultLineWidth;
};
