#pragma once

#include <QString>

// How the canvas's small editors read what the user typed into them.
namespace PopoverTexts {

// The text before its first line feed; the whole text when it holds none.
QString firstLine(const QString& text);
// A link as it is stored: blanks and line breaks trimmed from both ends, every inner space written "%20",
// then cut before the first line feed that remains.
QString normalizedLink(const QString& text);
// The integer the text starts with (optional leading blanks and sign, then decimal digits), kept to 32
// bits; 0 when it starts with no number.
int integerValue(const QString& text);

// The window a link opens in, by segment of the window option control ("_self" for none or any other).
QString windowOptionWord(int segment);
int windowOptionSegment(const QString& word);
// The link kind, by segment of the link kind control ("text" for none or any other); any kind but "text"
// shows as segment 1.
QString linkKindWord(int segment);
int linkKindSegment(const QString& word);

} // namespace PopoverTexts
