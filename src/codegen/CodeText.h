#pragma once

#include <QString>

// Safe forms of user text in generated markup.
namespace CodeText {

// "<" and ">" as "&lt;" and "&gt;", so typed text cannot open a tag. Nothing else changes: the page loader
// turns exactly these two back.
QString escapeAngleBrackets(const QString& text);

// Text of a text element as body markup on one line: "\r\n" becomes a line feed, typed "<" and ">" are
// escaped when asked (before any markup goes in, so nothing typed becomes a tag), a line feed becomes
// `<p class="tab">` with indent flag 2, and every remaining line end becomes "<br>".
QString bodyMarkup(QString text, int indentFlag, bool escape);

// A link target that cannot end the unquoted attribute or tag it stands in: blanks, line ends, quotes,
// "<" and ">" are percent-encoded; everything else, earlier percent escapes included, stays.
QString safeLinkTarget(const QString& link);

} // namespace CodeText
