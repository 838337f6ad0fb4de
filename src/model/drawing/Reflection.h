#pragma once

class QImage;

namespace Drawing {

// A new picture of the same width and (1 + fraction) times the height: the picture on top and, below it,
// its mirror image fading from a fifth of full strength to nothing. Sizes are in points; the result has one
// pixel per point. A fraction outside (0, 1] throws std::invalid_argument with the text "Please use
// percentage between 0 and 1". A picture without pixels gives a null picture.
QImage addReflection(const QImage& picture, double fraction);

// The fraction a picture can be reflected by: from 0 (none) to 1 (its full height). A larger one is 1; a
// negative one, or one that is not a number, is 0.
double clampedReflection(double fraction);

} // namespace Drawing
