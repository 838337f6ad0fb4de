#include "platform/Format.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cstdarg>

namespace Format {

QString printf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    // QString::vasprintf formats numbers in the C locale, unlike the C library after setlocale().
    QString result = QString::vasprintf(format, args);
    va_end(args);
    return result;
}

QString integer(long long value)
{
    return QString::number(value);
}
QString decimal(double value)
{
    return QString::asprintf("%f", value);
}
QString twoDecimals(double value)
{
    return QString::asprintf("%0.2f", value);
}

QString shortest(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // no "-0"
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString rect(const QRectF& r)
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}")
        .arg(shortest(r.x()), shortest(r.y()), shortest(r.width()), shortest(r.height()));
}

QString point(const QPointF& p)
{
    return QStringLiteral("{%1, %2}").arg(shortest(p.x()), shortest(p.y()));
}

QString size(const QSizeF& s)
{
    return QStringLiteral("{%1, %2}").arg(shortest(s.width()), shortest(s.height()));
}

static QList<double> numbersIn(const QString& text, int wanted)
{
    static const QRegularExpression number(QStringLiteral(R"([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)"));
    QList<double> values;
    auto it = number.globalMatch(text);
    while (it.hasNext() && values.size() < wanted)
        values.append(it.next().captured(0).toDouble());
    while (values.size() < wanted)
        values.append(0.0);
    return values;
}

QRectF rectFromString(const QString& text)
{
    const auto v = numbersIn(text, 4);
    return QRectF(v[0], v[1], v[2], v[3]);
}

QPointF pointFromString(const QString& text)
{
    const auto v = numbersIn(text, 2);
    return QPointF(v[0], v[1]);
}

QSizeF sizeFromString(const QString& text)
{
    const auto v = numbersIn(text, 2);
    return QSizeF(v[0], v[1]);
}

// The longest prefix of the text, after leading blanks, that forms a decimal number.
static QStringView numericPrefix(const QString& text, bool allowFraction)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    qsizetype digits = i - digitsStart;
    if (allowFraction) {
        if (i < n && text[i] == u'.') {
            qsizetype j = i + 1;
            while (j < n && text[j].isDigit() && text[j].unicode() < 128)
                ++j;
            digits += j - i - 1;
            i = j;
        }
        if (digits > 0 && i < n && (text[i] == u'e' || text[i] == u'E')) {
            qsizetype j = i + 1;
            if (j < n && (text[j] == u'+' || text[j] == u'-'))
                ++j;
            const qsizetype expStart = j;
            while (j < n && text[j].isDigit() && text[j].unicode() < 128)
                ++j;
            if (j > expStart)
                i = j;
        }
    }
    return digits > 0 ? QStringView(text).mid(start, i - start) : QStringView();
}

long long longLongValue(const QString& text)
{
    const QStringView prefix = numericPrefix(text, false);
    bool ok = false;
    const long long value = prefix.toLongLong(&ok);
    if (ok)
        return value;
    if (prefix.isEmpty())
        return 0;
    return prefix.startsWith(u'-') ? std::numeric_limits<long long>::min()
                                   : std::numeric_limits<long long>::max();
}

int intValue(const QString& text)
{
    return int(std::clamp<long long>(longLongValue(text), std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max()));
}

double doubleValue(const QString& text)
{
    const QStringView prefix = numericPrefix(text, true);
    if (prefix.isEmpty())
        return 0.0;
    // The prefix is ASCII; the common short number is parsed directly, as the C locale reads it. Anything
    // the direct parse does not take whole (too long, out of range) goes the locale's way.
    char ascii[64];
    if (prefix.size() < qsizetype(sizeof ascii)) {
        qsizetype skip = prefix.front() == u'+' ? 1 : 0;
        const qsizetype length = prefix.size() - skip;
        for (qsizetype i = 0; i < length; ++i)
            ascii[i] = char(prefix[skip + i].unicode());
        double value = 0.0;
        const auto [end, error] = std::from_chars(ascii, ascii + length, value);
        if (error == std::errc() && end == ascii + length)
            return value;
    }
    return QLocale::c().toDouble(prefix);
}

float floatValue(const QString& text)
{
    return float(doubleValue(text));
}

bool boolValue(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    while (i < n && text[i] == u'0')
        ++i;
    if (i >= n)
        return false;
    const QChar c = text[i];
    return c == u'Y' || c == u'y' || c == u'T' || c == u't' || (c >= u'1' && c <= u'9');
}

} // namespace Format
