#pragma once

#include <QBrush>
#include <QPoint>
#include <QString>

class QWidget;

// The fill of the page under the grid and the graphics.
namespace PageBackground {

// Side of one tile of the transparent-page checkerboard, in screen points at every canvas scale.
constexpr int kCheckerboardTile = 20;

// What the page of colour string `hexString` is filled with. A transparent page ("CLEAR0") shows the
// checkerboard where the product allows transparent pages, the clear colour instead with
// `clearBackground`, and white where the product does not allow them; any other page keeps `pageColor`.
QBrush pageBrush(const QString& hexString, const QBrush& pageColor, bool clearBackground);

// The checkerboard: the bundle picture "clearGrid" stretched over one tile.
QBrush checkerboard();

// Where the tiles of a pattern start, in the canvas's own coordinates: at the canvas's top left corner on
// the website designer "HTML Velk Pro", so the pattern scrolls with the page; for every other product at
// the height of the product's canvas above the bottom of the window, so it stays put in the window.
QPoint patternOrigin(const QWidget& canvas);

} // namespace PageBackground
