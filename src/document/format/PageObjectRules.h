#pragma once

#include <QAnyStringView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <stdexcept>

// A stored page whose text cannot be read back into objects (a rule without one of its required
// properties, a body line the reader depends on cut short). Readers throw it; opening a page catches it
// and reports the page as unreadable.
class PageReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One object rule of a stored page: a line of the page's style part that begins with an element
// selector, holding the element's own rule and, on the same line, its companion rules (link, hover and
// form-field rules). Readers take the line apart the way it has always been stored:
//
//   rule text: the line with ";", "=" and "{" turned into ":", then "px", "#", the double quote and "}"
//              removed, each everywhere in the line;
//   tokens:    the rule text split at every ":"; blanks stay part of their token and empty tokens are
//              kept. Token 0 is the selector.
//
// A property's value is the token after its name. Names are recognised only where a property name
// stands (after ";" or "{", before ":"), so a value that happens to equal a name ("position:fixed" and
// the move lock "fixed") is never taken for it, and a name only inside another token ("color" within
// "background-color") is not there at all. Unless asked for the whole line, look-ups see the element's
// own rule only (everything before its first "}"): a companion rule's "background-color" is the hover
// colour, never the element's background.
class PageObjectRule {
public:
    enum class Scope {
        OwnRule,   // the element's own rule
        WholeLine, // the own rule and its companions, in line order (hover colours, form-field keys)
    };

    explicit PageObjectRule(const QString& line);

    // The rewriting and splitting on their own.
    static QString cleanedText(const QString& line);
    static QStringList tokenised(const QString& line);

    const QString& text() const { return m_text; }
    QStringList tokens() const;
    QString selector() const { return token(0); }

    // Whether the token at the index stands where a property name is written.
    bool isNameAt(qsizetype index) const;
    // Whether the token at the index belongs to the element's own rule.
    bool isInOwnRule(qsizetype index) const;
    // The index of the first property name equal to the key; -1 when the rule has none.
    qsizetype nameIndex(QAnyStringView key, Scope scope = Scope::OwnRule) const;
    bool hasProperty(QAnyStringView key, Scope scope = Scope::OwnRule) const
    {
        return nameIndex(key, scope) >= 0;
    }
    // The value written after the key; none when the key is not a property of the rule.
    std::optional<QString> value(QAnyStringView key, Scope scope = Scope::OwnRule) const;

    // Properties every rule of a kind carries: a rule without one cannot be read (PageReadError).
    QString requiredString(QAnyStringView key) const;
    int requiredInt(QAnyStringView key) const;
    float requiredFloat(QAnyStringView key) const;

    // Properties with a default for rules that lack them. Numbers are read from the start of the value
    // ("12", "-99", "1.000000"); a value without a number reads as 0. `truncated` reads a real number
    // and drops its fraction toward zero, the form the move lock and group numbers are read in.
    QString string(QAnyStringView key, const QString& fallback, Scope scope = Scope::OwnRule) const;
    int integer(QAnyStringView key, int fallback, Scope scope = Scope::OwnRule) const;
    float real(QAnyStringView key, float fallback, Scope scope = Scope::OwnRule) const;
    int truncated(QAnyStringView key, int fallback, Scope scope = Scope::OwnRule) const;

private:
    // A token is a piece of the text; an empty one reads as a null string.
    struct Span {
        qsizetype start;
        qsizetype length;
    };
    QString token(qsizetype index) const;

    QString m_text;
    QList<Span> m_spans;
    QList<bool> m_isName;
    // The name tokens by a hash of their characters, then by index: a look-up halves its way to the few
    // names that can be its key instead of comparing every name of a long line.
    QList<std::pair<size_t, qsizetype>> m_namesByHash;
    // Tokens before this index belong to the element's own rule.
    qsizetype m_ownRuleEnd = 0;
};

namespace PageObjectRules {

// Whether the line is an object rule whose selector begins with the prefix: blanks before the selector
// are allowed, and a positioned kind must also carry "{position:" somewhere on the line.
bool isRuleLine(const QString& line, QLatin1StringView selectorPrefix, bool positioned);

// The largest magnitude a rule value reads as. Stored pages hold coordinates, sizes, counts and flags;
// a value beyond this comes from a damaged or crafted page, and clamping it here keeps every sum the
// readers make of a few such values inside an int.
inline constexpr int kLargestRuleNumber = 1 << 24;

// Leading-number readers of rule values, clamped to +/- kLargestRuleNumber (a real that is no number
// reads as 0).
int intOf(const QString& token);
float floatOf(const QString& token);
// The real number truncated toward zero.
int truncatedOf(const QString& token);

} // namespace PageObjectRules
