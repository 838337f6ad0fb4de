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

// FNV-1a over the UTF-16 code units, so a Latin-1 key and the token it names hash alike.
template <class View> size_t nameHash(View view)
{
    size_t hash = 14695981039346656037ULL;
    for (const auto c : view) {
        if constexpr (std::is_same_v<std::decay_t<decltype(c)>, char>)
            hash ^= size_t(uchar(c));
        else
            hash ^= size_t(c.unicode());
        hash *= 1099511628211ULL;
    }
    return hash;
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
    // Stored rules hold a separator every eight or nine characters.
    m_spans.reserve(size / 6 + 1);
    m_isName.reserve(size / 6 + 1);
    const auto finishToken = [&](char16_t after) {
        const Span span{tokenStart, length - tokenStart};
        const bool isName = (before == kSemicolonMark || before == kBraceMark) && after == u':';
        if (isName)
            m_namesByHash.append({nameHash(QStringView(out + span.start, span.length)), m_spans.size()});
        m_isName.append(isName);
        m_spans.append(span);
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
                m_ownRuleEnd = m_spans.size();
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
        m_ownRuleEnd = m_spans.size();
    std::sort(m_namesByHash.begin(), m_namesByHash.end());
}

QString PageObjectRule::cleanedText(const QString& line)
{
    return PageObjectRule(line).text();
}

QStringList PageObjectRule::tokenised(const QString& line)
{
    return PageObjectRule(line).tokens();
}

QString PageObjectRule::token(qsizetype index) const
{
    if (index < 0 || index >= m_spans.size() || m_spans.at(index).length == 0)
        return {};
    return m_text.mid(m_spans.at(index).start, m_spans.at(index).length);
}

QStringList PageObjectRule::tokens() const
{
    QStringList list;
    list.reserve(m_spans.size());
    for (qsizetype i = 0; i < m_spans.size(); ++i)
        list.append(token(i));
    return list;
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
    const qsizetype end = scope == Scope::OwnRule ? m_ownRuleEnd : m_spans.size();
    return key.visit([this, scope, end](auto view) -> qsizetype {
        if constexpr (std::is_same_v<decltype(view), QUtf8StringView>) {
            const QString text = view.toString();
            return nameIndex(QStringView(text), scope);
        } else {
            const size_t hash = nameHash(view);
            auto it = std::lower_bound(m_namesByHash.cbegin(), m_namesByHash.cend(),
                                       std::pair<size_t, qsizetype>(hash, -1));
            // Names of one hash come in line order, so the first beyond the scope ends the search.
            for (; it != m_namesByHash.cend() && it->first == hash && it->second < end; ++it) {
                const Span& span = m_spans.at(it->second);
                if (QStringView(m_text).mid(span.start, span.length) == view)
                    return it->second;
            }
            return -1;
        }
    });
}

std::optional<QString> PageObjectRule::value(QAnyStringView key, Scope scope) const
{
    const qsizetype index = nameIndex(key, scope);
    // A name always has a ":" after it, so its value token exists, if empty.
    if (index < 0 || index + 1 >= m_spans.size())
        return std::nullopt;
    return token(index + 1);
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
