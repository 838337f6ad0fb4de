#include "codegen/CodeTemplate.h"

#include "platform/Format.h"

#include <QList>

#include <cmath>

namespace CodeTemplate {

namespace {

struct Placeholder {
    const char* spelling;
    QString (*write)(const Value&);
};

QString asText(const Value& value)
{
    if (!value.isText())
        return Format::shortest(value.number());
    return value.text().isNull() ? QStringLiteral("(null)") : value.text();
}

QString asInteger(const Value& value)
{
    return value.isText() ? QString::number(Format::intValue(value.text()))
                          : Format::integer((long long)std::trunc(value.number()));
}

QString asDecimal(const Value& value)
{
    return Format::decimal(value.isText() ? Format::doubleValue(value.text()) : value.number());
}

QString asTwoDecimals(const Value& value)
{
    return Format::twoDecimals(value.isText() ? Format::doubleValue(value.text()) : value.number());
}

// Longer spellings first, so "%0.2f" is not read as something shorter.
constexpr Placeholder kPlaceholders[] = {
    {"%0.2f", asTwoDecimals}, {"%@", asText}, {"%d", asInteger}, {"%f", asDecimal}};

} // namespace

QString format(const char* tmpl, std::initializer_list<Value> values)
{
    const QString source = QString::fromUtf8(tmpl);
    const Value* next = values.begin();
    QString result;
    result.reserve(source.size() * 2);
    for (qsizetype i = 0; i < source.size();) {
        if (source[i] != QLatin1Char('%')) {
            result += source[i++];
            continue;
        }
        if (source.mid(i, 2) == QLatin1String("%%")) {
            result += QLatin1Char('%');
            i += 2;
            continue;
        }
        bool matched = false;
        for (const Placeholder& placeholder : kPlaceholders) {
            const QLatin1String spelling(placeholder.spelling);
            if (next != values.end() && source.mid(i, spelling.size()) == spelling) {
                result += placeholder.write(*next++);
                i += spelling.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            result += source[i++];
    }
    return result;
}

} // namespace CodeTemplate
