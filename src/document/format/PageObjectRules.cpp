#include "document/format/PageObjectRules.h"

#include "document/format/PageFileFormat.h"
#include "platform/Format.h"

#include <algorithm>
#include <cmath>

namespace {

// Stand-ins for the separators while the line is rewritten, so each token remembers what stood around
// it. They are Unicode noncharacters, which no stored page carries, and none of them is "p" or "x", so
// the removals find exactly what they find in the plain rewritten text.
constexpr QChar kSemicolonMark(0xFDD0);
constexpr QChar kEqualsMark(0xFDD1);
constexpr QChar kBraceMark(0xFDD2);
// Where a "}" stood: removed from the text, but it closes the element's own rule.
constexpr QChar kCloseMark(0xFDD3);

bool isSeparator(QChar c)
{
    return c == u':' || c == kSemicolonMark || c == kEqualsMark || c == kBraceMark;
}

// The line rewritten with the separators still told apart and the closing braces still marked.
QString markedText(const QString& line)
{
    QString text = line;
    text.replace(u';', kSemicolonMark);
    text.replace(u'=', kEqualsMark);
    text.replace(u'{', kBraceMark);
    text.replace(QLatin1String("px"), QString());
    text.remove(u'#');
    text.remove(u'"');
    text.replace(u'}', kCloseMark);
    return text;
}

QString plainText(QString marked)
{
    marked.replace(kSemicolonMark, u':');
    marked.replace(kEqualsMark, u':');
    marked.replace(kBraceMark, u':');
    marked.remove(kCloseMark);
    return marked;
}

} // namespace

PageObjectRule::PageObjectRule(const QString& line)
{
    const QString marked = markedText(line);
    m_text = plainText(marked);

    // Walk the marked text once: each token with the separators before and after it.
    QChar before = QChar();
    QString token;
    bool ownRuleClosed = false;
    m_ownRuleEnd = -1;
    const auto finishToken = [&](QChar after) {
        m_tokens.append(token);
        m_isName.append((before == kSemicolonMark || before == kBraceMark) && after == u':');
        token.clear();
        before = after;
    };
    for (const QChar c : marked) {
        if (c == kCloseMark) {
            if (!ownRuleClosed) {
                ownRuleClosed = true;
                m_ownRuleEnd = m_tokens.size();
            }
        } else if (isSeparator(c)) {
            finishToken(c);
        } else {
            token.append(c);
        }
    }
    finishToken(QChar());
    if (m_ownRuleEnd < 0)
        m_ownRuleEnd = m_tokens.size();
}

QString PageObjectRule::cleanedText(const QString& line)
{
    return plainText(markedText(line));
}

QStringList PageObjectRule::tokenised(const QString& line)
{
    return cleanedText(line).split(u':');
}

bool PageObjectRule::isNameAt(qsizetype index) const
{
    return index >= 0 && index < m_isName.size() && m_isName.at(index);
}

bool PageObjectRule::isInOwnRule(qsizetype index) const
{
    return index >= 0 && index < m_ownRuleEnd;
}

qsizetype PageObjectRule::nameIndex(const QString& key, Scope scope) const
{
    const qsizetype end = scope == Scope::OwnRule ? m_ownRuleEnd : m_tokens.size();
    for (qsizetype i = 1; i < end; ++i) {
        if (m_isName.at(i) && m_tokens.at(i) == key)
            return i;
    }
    return -1;
}

std::optional<QString> PageObjectRule::value(const QString& key, Scope scope) const
{
    const qsizetype index = nameIndex(key, scope);
    // A name always has a ":" after it, so its value token exists, if empty.
    if (index < 0 || index + 1 >= m_tokens.size())
        return std::nullopt;
    return m_tokens.at(index + 1);
}

QString PageObjectRule::requiredString(const QString& key) const
{
    const std::optional<QString> found = value(key);
    if (!found)
        throw PageReadError(QStringLiteral("The rule %1 has no %2").arg(selector(), key).toStdString());
    return *found;
}

int PageObjectRule::requiredInt(const QString& key) const
{
    return PageObjectRules::intOf(requiredString(key));
}

float PageObjectRule::requiredFloat(const QString& key) const
{
    return PageObjectRules::floatOf(requiredString(key));
}

QString PageObjectRule::string(const QString& key, const QString& fallback, Scope scope) const
{
    return value(key, scope).value_or(fallback);
}

int PageObjectRule::integer(const QString& key, int fallback, Scope scope) const
{
    const std::optional<QString> found = value(key, scope);
    return found ? PageObjectRules::intOf(*found) : fallback;
}

float PageObjectRule::real(const QString& key, float fallback, Scope scope) const
{
    const std::optional<QString> found = value(key, scope);
    return found ? PageObjectRules::floatOf(*found) : fallback;
}

int PageObjectRule::truncated(const QString& key, int fallback, Scope scope) const
{
    const std::optional<QString> found = value(key, scope);
    return found ? PageObjectRules::truncatedOf(*found) : fallback;
}

namespace PageObjectRules {

bool isRuleLine(const QString& line, QLatin1StringView selectorPrefix, bool positioned)
{
    qsizetype first = 0;
    while (first < line.size() && line.at(first).isSpace())
        ++first;
    if (!QStringView(line).mid(first).startsWith(selectorPrefix))
        return false;
    return !positioned || line.contains(PageFile::Rule::positioned);
}

int intOf(const QString& token)
{
    return std::clamp(Format::intValue(token), -kLargestRuleNumber, kLargestRuleNumber);
}

float floatOf(const QString& token)
{
    const double value = Format::doubleValue(token);
    if (std::isnan(value))
        return 0.0f;
    return float(std::clamp(value, double(-kLargestRuleNumber), double(kLargestRuleNumber)));
}

int truncatedOf(const QString& token)
{
    return int(std::trunc(floatOf(token)));
}

} // namespace PageObjectRules
