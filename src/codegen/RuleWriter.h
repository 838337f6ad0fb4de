#pragma once

#include "codegen/CodeVocabulary.h"

#include <QString>

// One element rule: the selector, "{", "name:value;" per property in the order given, "}". Numbers are
// written in the C locale. Free text (template names, section ids, font families, shape names) is made safe
// the way every generator of element code makes it (CodeText::safeRuleText).
//
// Stored pages carry every property of an element rule, empty or not, so that the page loader finds each
// in its place; generated element code leaves out a property without a value.
class RuleWriter {
public:
    enum class Absent { Written, LeftOut };

    // `selector` is written as it stands (".text3").
    explicit RuleWriter(const QString& selector, Absent absent = Absent::Written);

    // A value that is missing, empty, "(null)", "#(null)" or a lone "#".
    static bool isAbsent(const QString& value);

    RuleWriter& text(CodeVocabulary::Text name, const QString& value);      // a value the system chose
    RuleWriter& important(CodeVocabulary::Text name, const QString& value); // with " !important"
    RuleWriter& freeText(CodeVocabulary::Text name, const QString& value);  // a value the user typed
    RuleWriter& quoted(CodeVocabulary::Text name, const QString& value);    // free text in double quotes
    RuleWriter& integer(CodeVocabulary::Text name, long long value);        // "%d"
    RuleWriter& pixels(CodeVocabulary::Text name, long long value);         // "%dpx"
    RuleWriter& real(CodeVocabulary::Text name, double value);              // "%f"
    RuleWriter& twoDecimals(CodeVocabulary::Text name, double value);       // "%.2f"
    RuleWriter& color(CodeVocabulary::Text name,
                      const QString& colorString); // "#" + colour string, else black
    // "#" + colour string; a value that is no colour string leaves the property out, as a missing one does.
    RuleWriter& colorIfAny(CodeVocabulary::Text name, const QString& colorString);
    // A piece of ready declarations, written as it stands; empty writes nothing.
    RuleWriter& declarations(const QString& pieces);

    // The rule with its closing brace.
    QString closed() const;

private:
    RuleWriter& written(CodeVocabulary::Text name, const QString& value, bool important);

    QString m_text;
    Absent m_absent;
};
