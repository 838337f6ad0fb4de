#pragma once

#include "model/SKTGraphic.h"

// The used area of a page, measured over its graphics in whole canvas points: every coordinate is cut
// towards zero on its own before any sum. Slides and gallery pictures (image graphics whose
// slideShowNumber or galleryNumber is not -99) are never measured nor moved; full-width texts
// (matchScreenFlag) do not count for the width.
namespace PageGeometry {

// Whole canvas points, cut towards zero (saturating at the ends of the int range).
int cut(double value);

// Largest right edge, cut(x) + cut(width); `whenNone` when no graphic is measured.
int maxRightEdge(const GraphicList& graphics, int whenNone);
// Largest bottom edge, cut(y) + cut(height); full-width texts count. `whenNone` when none is measured.
int maxBottomEdge(const GraphicList& graphics, int whenNone);
// Smallest cut(x); full-width texts count. `whenNone` when none is measured.
int minLeftEdge(const GraphicList& graphics, int whenNone);
// Whether one of the graphics counts for the smallest left edge, or for the largest right edge.
bool hasLeftEdge(const GraphicList& graphics);
bool hasRightEdge(const GraphicList& graphics);
// Moves every graphic that may move left by `offset`, giving it whole-number bounds in one change.
void shiftLeft(int offset, const GraphicList& graphics);

} // namespace PageGeometry
