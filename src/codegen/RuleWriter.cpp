#include "codegen/RuleWriter.h"

#include "codegen/CodeText.h"
#include "platform/Format.h"

RuleWriter::RuleWriter(const QString& selector, Absent absent)
    : m_text(selector + QLatin1Char('{'))
    , m_absent(absent)
{}

bool RuleWriter::isAbsent(const QString& value)
{
    return value.isEmpty() || value == QLatin1String("#(null)") || value == QLatin1String("(null)") ||
           value == QLatin1String("#");
}

RuleWriter& RuleWriter::written(CodeVocabulary::Text name, const QString& value, bool important)
{
    if (m_absent == Absent::LeftOut && isAbsent(value))
        return *this;
    m_text +=
        name + QLatin1Char(':') + value + (important ? QLatin1String(" !important;") : QLatin1String(";"));
    return *this;
}

RuleWriter& RuleWriter::text(CodeVocabulary::Text name, const QString& value)
{
    return written(name, value, false);
}

RuleWriter& RuleWriter::important(CodeVocabulary::Text name, const QString& value)
{
    return written(name, value, true);
}

RuleWriter& RuleWriter::freeText(CodeVocabulary::Text name, const QString& value)
{
    return text(name, CodeText::safeRuleText(value));
}

RuleWriter& RuleWriter::quoted(CodeVocabulary::Text name, const QString& value)
{
    return text(name, QLatin1Char('"') + CodeText::safeRuleText(value) + QLatin1Char('"'));
}

RuleWriter& RuleWriter::integer(CodeVocabulary::Text name, long long value)
{
    return text(name, Format::integer(value));
}

RuleWriter& RuleWriter::pixels(CodeVocabulary::Text name, long long value)
{
    return text(name, Format::integer(value) + QLatin1String("px"));
}

RuleWriter& RuleWriter::real(CodeVocabulary::Text name, double value)
{
    return text(name, Format::decimal(value));
}

RuleWriter& RuleWriter::twoDecimals(CodeVocabulary::Text name, double value)
{
    return text(name, Format::twoDecimals(value));
}

RuleWriter& RuleWriter::color(CodeVocabulary::Text name, const QString& colorString)
{
    return text(name, QLatin1Char('#') + CodeText::safeColor(colorString, QStringLiteral("000000")));
}

RuleWriter& RuleWriter::colorIfAny(CodeVocabulary::Text name, const QString& colorString)
{
    return text(name, QLatin1Char('#') + CodeText::safeColor(colorString, QString()));
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
