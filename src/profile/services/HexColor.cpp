#include "profile/services/HexColor.h"

#include "profile/DataCentre.h"

namespace DataCentre {

namespace {

// Reads a pair from its first character up to the first character that is not a hexadecimal digit
// ("C7" is 199, "CL" is 12, "R0" is 0).
int leadingHexValue(QStringView pair)
{
    int value = 0;
    for (const QChar c : pair) {
        const char16_t u = c.unicode();
        const int digit = (u >= u'0' && u <= u'9') ? u - u'0' : (u >= u'A' && u <= u'F') ? u - u'A' + 10 : -1;
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

QString twoHexDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QColor colorWithHexString(const QString& text)
{
    QString digits = text.trimmed().toUpper();
    if (digits.size() <= 5)
        return QColor(0, 0, 0);
    if (digits.startsWith(QLatin1String("0X")))
        digits = digits.mid(2);
    if (digits.size() != 6)
        return QColor(0, 0, 0);

    float components[3];
    for (int i = 0; i < 3; ++i)
        components[i] = float(leadingHexValue(QStringView(digits).mid(i * 2, 2))) / 255.0f;
    return QColor::fromRgbF(components[0], components[1], components[2], 1.0f);
}

QString asHexString(const QColor& color)
{
    if (!color.isValid())
        return {};
    const QColor rgb = color.toRgb();
    // The largest single-precision value below 256: a full component gives FF, never 100.
    constexpr double kScale = 255.99998474121094;
    const QString candidate = twoHexDigits(int(rgb.redF() * kScale)) +
                              twoHexDigits(int(rgb.greenF() * kScale)) +
                              twoHexDigits(int(rgb.blueF() * kScale));
    if (profile().colorPalette.contains(candidate))
        return candidate;
    return twoHexDigits(int(rgb.redF() * 255.0)) + twoHexDigits(int(rgb.greenF() * 255.0)) +
           twoHexDigits(int(rgb.blueF() * 255.0));
}

} // namespace DataCentre
