#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Numbers written into files and generated code always use the C locale, whatever the user's locale is,
// and numbers read from text follow the leading-prefix rules stored files rely on.
namespace Format {

// printf-style formatting in the C locale ("%d", "%f", "%0.2f", "%02X" ...).
QString printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

QString integer(long long value);  // "%d"
QString decimal(double value);     // "%f"
QString twoDecimals(double value); // "%0.2f"
QString shortest(double value);    // shortest text that reads back as the same double ("12", "12.5")

QString rect(const QRectF& r);              // "{{x, y}, {w, h}}"
QString point(const QPointF& p);            // "{x, y}"
QString size(const QSizeF& s);              // "{w, h}"
QRectF rectFromString(const QString& text); // lenient: numbers in order, missing ones are 0
QPointF pointFromString(const QString& text);
QSizeF sizeFromString(const QString& text);

// Leading-prefix readers: skip leading blanks, read as far as the text forms a number, 0 when nothing does.
// "12.5" reads as integer 12, "abc" as 0, " -3px" as -3.
int intValue(const QString& text);
long long longLongValue(const QString& text);
double doubleValue(const QString& text);
float floatValue(const QString& text);
// True when, after blanks, an optional sign and leading zeros, the text starts with Y, y, T, t or 1-9.
bool boolValue(const QString& text);

} // namespace Format
