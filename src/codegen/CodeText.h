#pragma once

#include <QString>

// Safe forms of user text in generated markup.
namespace CodeText {

// Line feed, carriage return, and the other characters a reader of a stored page ends a line at (vertical
// tab, form feed, next line, line and paragraph separators).
bool isLineEnd(QChar c);

// Typed text between tags: "&" as "&amp;" first, then "<" and ">" as "&lt;" and "&gt;", so typed text opens
// neither a tag nor an entity. The page loader turns them back, "&amp;" last.
QString escapedText(const QString& text);
// Typed text as a double-quoted attribute value or the one line of a head element (a title, an alternative
// text, a meta content): escaped as escapedText and '"' as "&quot;", and every line end as a blank, since
// the page loader reads such a value from its one line.
QString escapedLine(const QString& text);

// Text of a text element as body markup on one line: "\r\n" becomes a line feed, the four blanks that begin
// an indented paragraph (the first with indent flag 1, each with 2) are left to the indent, typed "&", "<"
// and ">" are escaped when asked (before any markup goes in, so nothing typed becomes a tag), a line feed
// becomes
// `<p class="tab">` with indent flag 2, and every remaining line end becomes "<br>".
QString bodyMarkup(QString text, int indentFlag, bool escape);

// A link target that cannot end the unquoted attribute or tag it stands in: blanks, line ends, quotes,
// "<" and ">" are percent-encoded; everything else, earlier percent escapes included, stays.
QString safeLinkTarget(const QString& link);

// The target window of a link: "_blank", "_self", "_parent", "_top", or a plain name of letters, digits, "-"
// and "_" that does not begin with "_"; anything else opens the link in its own window ("_self").
QString safeWindowTarget(const QString& target);

// The characters an element id may have here: ASCII letters, digits, "-" and "_". The others are dropped, so
// an id written into a script or a selector can end neither.
QString safeIdentifier(const QString& id);

// A colour string as pages write it after "#": six hexadecimal digits, or "CLEAR0" for none. Anything else
// (a colour name, a longer text, what a damaged page holds) is the fallback.
QString safeColor(const QString& color, const QString& fallback);

// A file path as a URL in src attributes and CSS url(): every character but ASCII letters, digits and
// "-._~/@" percent-encoded as UTF-8, so no file or folder name can end the value, the url() or the tag.
QString safeUrlPath(const QString& path);

// Free text (a template name, font family, shape name, ...) as a value of a generated CSS rule: every
// character that would end the property or the rule for the page readers (";", ":", "{", "}", "=", every
// line end they split lines at) or end the style element or open a CSS string for a browser ('"', "<",
// ">", "\\") is dropped, so a user's text can never shift the properties that follow it.
QString safeRuleText(const QString& text);

// An inline style as the value of a single-quoted style attribute: "&" and "'" become character
// references, so a typed apostrophe (a font family such as "Bob's Hand") cannot end the attribute.
QString singleQuotedAttribute(const QString& style);

} // namespace CodeText
