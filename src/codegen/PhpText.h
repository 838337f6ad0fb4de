#pragma once

#include <QString>

// User text written into the PHP and script of a form page, so that no typed character can end the
// literal, the comment or the mail header it stands in. Typographic quotes are escaped as the plain quotes
// the written page turns them into.
namespace PhpText {

// Every line end removed (each becomes nothing), so a value can add no line to a mail header or comment.
QString withoutLineEnds(const QString& text);

// Text for a PHP single-quoted literal: "\" and "'" escaped.
QString singleQuoted(const QString& text);
// Text for a PHP double-quoted literal: "\", '"' and "$" escaped, so nothing is interpolated.
QString doubleQuoted(const QString& text);

// A value of a mail header inside a PHP double-quoted literal: without line ends, then doubleQuoted.
QString headerValue(const QString& text);

// A form message or setting as a script's single-quoted literal and the comment marker that keeps it: line
// ends become blanks, "\" and "'" are escaped. unescapedScriptText reads it back.
QString scriptText(const QString& text);
QString unescapedScriptText(const QString& text);

// A value on a line of PHP comment: without line ends, and without a "?>" that would end the PHP block.
QString commentValue(const QString& text);

// Typed label text shown on a form page and in its mail: "&", "<" and ">" as entities, "'" as "&#39;" and
// '"' as "&#34;".
QString labelText(const QString& text);

} // namespace PhpText
