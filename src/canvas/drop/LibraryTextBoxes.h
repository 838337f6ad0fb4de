#pragma once

#include "canvas/drop/DropDispatch.h"
#include "canvas/factories/TextBoxArguments.h"

#include <QPointF>


// The text boxes of the object library: texts, lists, placeholders, tags, stamps, buttons, markup
// outlines and plain shapes, each made of the common preset and the values of its item. Sizes marked
// zoom-scaled are divided by the zoom, so the object looks the same size on screen at any zoom.

// Where a library item is dropped: the point (whole canvas points) and the zoom the sizes are scaled by.
struct DropSpot {
    QPointF point;
    double zoom = 1;

    // n divided by the zoom, in whole points.
    int zs(int n) const { return int(n / zoom); }
    // A line or border width that stays visible when zoomed out: 2 / zoom, at least 1.
    int zoomStep() const { return DropDispatch::zoomStep(zoom); }
};

namespace LibraryTextBoxes {

// A box at the drop point in the family and size given, every other argument the preset's.
TextBoxArguments box(const DropSpot& at, const QString& text, int width, int height, const QString& family,
                     int fontSize);
// "New text box" in the text colour.
TextBoxArguments plainTextBox(const DropSpot& at, const QString& textColor);
// Three lines of a list, zoom-scaled.
TextBoxArguments list(const DropSpot& at, const QString& text);
// Five items of HTML list markup, "ul" or "ol".
TextBoxArguments htmlList(const DropSpot& at, const QString& tag);
// As wide as the canvas at the drop's height, white on grey.
TextBoxArguments divider(const DropSpot& at, const QString& text, int height, int fontSize);
// Placeholder body text, dated first where the product dates new text.
TextBoxArguments body(const DropSpot& at);
// Three quarters of the canvas each way, the font grown with the canvas width.
TextBoxArguments label(const DropSpot& at);
// The rich sample of the responsive products, written as HTML markup.
TextBoxArguments richSample(const DropSpot& at);

// One blank of text, zoom-scaled: a dashed outline in the colour, square or round.
TextBoxArguments dashedOutline(const DropSpot& at, int width, int height, const QString& colour, bool round);
// A filled cover of the markup products: black out, dim or whiten.
TextBoxArguments cover(const DropSpot& at, int width, int height, const char* fill, const char* text,
                       float opacity, bool round);
// A plain grey shape of the given corner radius.
TextBoxArguments shape(const DropSpot& at, int width, int height, int cornerRadius);
// A blue number tag holding the digit.
TextBoxArguments numberTag(const DropSpot& at, int digit);
// Today's date, or the date and time, on a rounded box.
TextBoxArguments dateStamp(const DropSpot& at);
TextBoxArguments timeStamp(const DropSpot& at);
// A centred white-on-colour button of the responsive products, written as HTML markup.
TextBoxArguments button(const DropSpot& at, const QString& text, const QString& fill);

} // namespace LibraryTextBoxes
