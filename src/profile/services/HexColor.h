#pragma once

#include <QColor>
#include <QLatin1StringView>
#include <QString>

// Colour strings: six hexadecimal digits for red, green and blue, without "#" ("FFFFFF" is white).
namespace DataCentre {

// The colour string of the clear colour, which stands where a colour may be transparent; it also opens
// every palette.
inline constexpr QLatin1StringView kClearColorString{"CLEAR0"};

// Reads a colour string, trimmed and case-insensitive, with an optional "0x" prefix; anything that is
// not six digits after that reads as opaque black. The result is always opaque.
QColor colorWithHexString(const QString& text);

// Writes a colour as six uppercase digits; palette colours of the product profile come back exactly.
// A null string for an invalid colour.
QString asHexString(const QColor& color);

} // namespace DataCentre
