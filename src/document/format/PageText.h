#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Page files and their markers are stored as ASCII when the text allows it, else as UTF-16 with a
// byte-order mark; these read and write that form and split page text into lines.
namespace PageText {

// True when every character is below 128.
bool isAscii(const QString& text);

// ASCII bytes when the text is ASCII, else UTF-16 (little-endian) led by its byte-order mark.
QByteArray encoded(const QString& text);
// The text of stored bytes: ASCII when every byte is below 128, else UTF-16 in the order its byte-order
// mark gives. A null string when the bytes are neither (no mark, or an odd length), so
// nothing is ever rewritten from a misread text.
QString decoded(const QByteArray& bytes);

// The largest page file read: pages are text of a few hundred kilobytes, and a file beyond this comes
// from a damaged or crafted package.
inline constexpr qint64 kLargestPageFileBytes = 64LL * 1024 * 1024;
// The file's bytes; none when it cannot be opened or is larger than the limit (with a warning).
std::optional<QByteArray> readBytes(const QString& path);
// The file's text by the rule above; a null string when it cannot be read or decoded.
QString read(const QString& path);
// Replaces the file with the encoded text. The old file stays whole when writing fails.
bool write(const QString& path, const QString& text);

// The characters that end a line: the same set the generators keep out of rule values.
bool isNewline(QChar c);

// The lines of a text: every newline character ends a line, and a carriage return with its line feed
// counts as one break, so CRLF text has no empty line between its lines. "a\n" gives "a" and "".
QStringList lines(const QString& text);
// The lines as a scanner meets them: blanks and newlines before a line are skipped, so lines begin at
// their first non-blank character and blank lines are not seen.
QStringList scannedLines(const QString& text);
// The first of those lines, read without splitting the rest; empty when the text is blank.
QString firstScannedLine(const QString& text);

// The text without the blanks and tabs at either end; other white space stays.
QString trimmedOfBlanksAndTabs(const QString& text);

} // namespace PageText
