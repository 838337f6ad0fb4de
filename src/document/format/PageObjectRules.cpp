#include "document/format/PageObjectRules.h"

#include "document/format/PageFileFormat.h"
#include "platform/Format.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {

// Stand-ins for the separators while the line is walked, so each token knows what stood around it. They
// are Unicode noncharacters, which no stored page carries; one that does stands for its separator.
constexpr char16_t kSemicolonMark = 0xFDD0;
constexpr char16_t kEqualsMark = 0xFDD1;
constexpr char16_t kBraceMark = 0xFDD2;
// Where a "}" stood: not in the text, but it closes the element's own rule.
constexpr char16_t kCloseMark = 0xFDD3;

char16_t marked(char16_t c)
{
    switch (c) {
    case u';':
        return kSemicolonMark;
    case u'=':
        return kEqualsMark;
    case u'{':
        return kBraceMark;
    case u'}':
        return kCloseMark;
    default:
        return c;
    }
}

bool isSeparator(char16_t c)
{
    return c == u':' || c == kSemicolonMark || c == kEqualsMark || c == kBraceMark;
}

// Whether the token is the key. Sizes tell most names apart before any comparison; a UTF-8 key counts
// bytes, not characters, so it is compared whole.
bool isNamed(const QString& token, QAnyStringView key)
{
    return key.visit([&token](auto view) {
        if constexpr (std::is_same_v<decltype(view), QUtf8StringView>)
            return QAnyStringView::equal(token, view);
        else
            return token.size() == view.size() && token == view;
    });
}

} // namespace

// One walk over the line does the whole rewriting: each "px" (taken left to right, as a replacement of the
// substring finds them), "#" and the double quote are dropped, the separators become ":" and "}" goes; the
// tokens are the pieces of the text between its ":".
PageObjectRule::PageObjectRule(const QString& line)
{
    const auto* in = reinterpret_cast<const char16_t*>(line.utf16());
    const qsizetype size = line.size();
    m_text.resize(size);
    char16_t* out = reinterpret_cast<char16_t*>(m_text.data());
    qsizetype length = 0;
    qsizetype tokenStart = 0;
    char16_t before = 0;
    m_ownRuleEnd = -1;
    const auto finishToken = [&](char16_t after) {
        const qsizetype tokenLength = length - tokenStart;
        m_tokens.append(tokenLength == 0 ? QString()
                                         : QString(reinterpret_cast<const QChar*>(out + tokenStart), tokenLength));
        const bool isName = (before == kSemicolonMark || before == kBraceMark) && after == u':';
        if (isName)
            m_names.append(m_isName.size());
        m_isName.append(isName);
        before = after;
    };
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = marked(in[i]);
        if (c == u'p' && i + 1 < size && in[i + 1] == u'x') {
            ++i;
            continue;
        }
        if (c == u'#' || c == u'"')
            continue;
        if (c == kCloseMark) {
            if (m_ownRuleEnd < 0)
                m_ownRuleEnd = m_tokens.size();
        } else if (isSeparator(c)) {
            finishToken(c);
            out[length++] = u':';
            tokenStart = length;
        } else {
            out[length++] = c;
        }
    }
    finishToken(0);
    m_text.truncate(length);
    if (m_ownRuleEnd < 0)
        m_ownRuleEnd = m_tokens.size();
}

QString PageObjectRule::cleanedText(const QString& line)
{
    return PageObjectRule(line).text();
}

QStringList PageObjectRule::tokenised(const QString& line)
{
    return PageObjectRule(line).tokens();
}

bool PageObjectRule::isNameAt(qsizetype index) const
{
    return index >= 0 && index < m_isName.size() && m_isName.at(index);
}

bool PageObjectRule::isInOwnRule(qsizetype index) const
{
    return index >= 0 && index < m_ownRuleEnd;
}

qsizetype PageObjectRule::nameIndex(QAnyStringView key, Scope scope) const
{
    const qsizetype end = scope == Scope::OwnRule ? m_ownRuleEnd : m_tokens.size();
    for (const qsizetype i : m_names) {
        if (i >= end)
            break;
        const QString& name = m_tokens.at(i);
        if (isNamed(name, key))
            return i;
    }
    return -1;
}

std::optional<QString> PageObjectRule::value(QAnyStringView key, Scope scope) const
{
    const qsizetype index = nameIndex(key, scope);
    // A name always has a ":" after it, so its value token exists, if empty.
    if (index < 0 || index + 1 >= m_tokens.size())
        return std::nullopt;
    return m_tokens.at(index + 1);
}

QString PageObjectRule::requiredString(QAnyStringView key) const
{
    const std::optional<QString> found = value(key);
    if (!found)
        throw PageReadError(QStringLiteral("The rule %1 has no %2").arg(selector(), key.toString()).toStdString());
    return *found;
}

int PageObjectRule::requiredInt(QAnyStringView key) const
{
    return PageObjectRules::intOf(requiredString(key));
}

float PageObjectRule::requiredFloat(QAnyStringView key) const
{
    return PageObjectRules::floatOf(requiredString(key));
}

QString PageObjectRule::string(QAnyStringView key, const QString& fallback, Scope scope) const
{
    return value(key, scope).value_or(fallback);
}

int PageObjectRule::integer(QAnyStringView key, int fallback, Scope scope) const
{
    const std::optional<QString> found = value(key, scope);
    return found ? PageObjectRules::intOf(*found) : fallback;
}

float PageObjectRule::real(QAnyStringView key, float fallback, Scope scope) const
{
    const std::optional<QString> found = value(key, scope);
    return found ? PageObjectRules::floatOf(*found) : fallback;
}

int PageObjectRule::truncated(QAnyStringView key, int fallback, Scope scope) const
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
