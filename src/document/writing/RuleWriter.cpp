#include "document/writing/RuleWriter.h"

#include "codegen/CodeText.h"
#include "platform/Format.h"

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
    return text(name, CodeText::safeRuleText(value));
}

RuleWriter& RuleWriter::quoted(PageFile::Text name, const QString& value)
{
    return text(name, QLatin1Char('"') + CodeText::safeRuleText(value) + QLatin1Char('"'));
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
    return text(name, QLatin1Char('#') + CodeText::safeColor(colorString, QStringLiteral("000000")));
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
