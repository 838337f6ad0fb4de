#pragma once

#include "model/SKTGraphic.h"

#include <QColor>
#include <QString>

// What a picked swatch does to the selection. A colour string is six hexadecimal digits or "CLEAR0".
namespace ColorApplication {

// The colour of a swatch's string: the clear colour for "CLEAR0".
QColor colorOfSwatch(const QString& colorString);

// Gives the colour to every graphic of the list that takes colours of the target (ColorTarget; a value
// outside Text..Border other than Canvas counts as the shape fill): text boxes and tables take every
// target, lines and images only the border; the canvas target touches no graphic. Text and border take
// black for "CLEAR0" while their colour string keeps "CLEAR0". Answers the graphics changed, in list order.
GraphicList applyPickedColor(int target, const QString& colorString, const GraphicList& graphics);

} // namespace ColorApplication
