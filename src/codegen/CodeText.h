#pragma once

#include <QString>

// Safe forms of user text in generated markup.
namespace CodeText {

// "<" and ">" as "&lt;" and "&gt;", so typed text cannot open a tag. Nothing else changes: the page loader
// turns exactly these two back.
QString escapeAngleBrackets(const QString& text);

// A link target that cannot end the unquoted attribute or tag it stands in: blanks, line ends, quotes,
// "<" and ">" are percent-encoded; everything else, earlier percent escapes included, stays.
QString safeLinkTarget(const QString& link);

} // namespace CodeText
