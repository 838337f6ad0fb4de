#include "document/RuleWriter.h"

#include "platform/Format.h"

namespace {

// Beyond what ends a property for the readers: a quote would open a CSS string and "<" could close the
// style element early.
const QString kAlsoUnsafeForBrowsers = QStringLiteral("\"<>\\");

} // namespace

RuleWriter::RuleWriter(const QString& selector)
    : m_text(selector + QLatin1Char('{'))
{}

RuleWriter& RuleWriter::text(PageFile::Text name, const QString& value)
{
    m_text += name + QLatin1Char(':') + value + QLatin1Char(';');
    return *this;
}

RuleWriter& RuleWriter::freeText(PageFile::Text name, const QString& value)
{
    return text(name, safeText(value));
}

RuleWriter& RuleWriter::quoted(PageFile::Text name, const QString& value)
{
    return text(name, QLatin1Char('"') + safeText(value) + QLatin1Char('"'));
}

RuleWriter& RuleWriter::integer(PageFile::Text name, long long value)
{
    return text(name, Format::integer(value));
}

RuleWriter& RuleWriter::pixels(PageFile::Text name, long long value)
{
    return text(name, Format::integer(value) + QLatin1String("px"));
}

RuleWriter& RuleWriter::real(PageFile::Text name, double value)
{
    return text(name, Format::decimal(value));
}

RuleWriter& RuleWriter::color(PageFile::Text name, const QString& colorString)
{
    return text(name, QLatin1Char('#') + colorString);
}

RuleWriter& RuleWriter::declarations(const QString& pieces)
{
    m_text += pieces;
    return *this;
}

QString RuleWriter::closed() const
{
    return m_text + QLatin1Char('}');
}

QString RuleWriter::safeText(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    const QString breaking = QString(PageFile::ruleBreakingCharacters) + kAlsoUnsafeForBrowsers;
    for (const QChar c : text) {
        if (!breaking.contains(c) && c != QChar(0x2028) && c != QChar(0x2029) && c != QChar(0x85))
            safe += c;
    }
    return safe;
}
