#pragma once

#include "document/format/PageFileFormat.h"

#include <QString>

// One element rule as stored pages carry it: the selector, "{", "name:value;" per property in the order
// given, "}". Numbers are written in the C locale. Free text (template names, section ids, font families,
// shape names) is made safe the way every generator of element code makes it (CodeText::safeRuleText).
class RuleWriter {
public:
    // `selector` is written as it stands (".text3").
    explicit RuleWriter(const QString& selector);

    RuleWriter& text(PageFile::Text name, const QString& value);        // a value the system chose
    RuleWriter& freeText(PageFile::Text name, const QString& value);    // a value the user typed
    RuleWriter& quoted(PageFile::Text name, const QString& value);      // free text in double quotes
    RuleWriter& integer(PageFile::Text name, long long value);          // "%d"
    RuleWriter& pixels(PageFile::Text name, long long value);           // "%dpx"
    RuleWriter& real(PageFile::Text name, double value);                // "%f"
    RuleWriter& color(PageFile::Text name, const QString& colorString); // "#" + colour string, else black
    // A piece of ready declarations, written as it stands; empty writes nothing.
    RuleWriter& declarations(const QString& pieces);

    // The rule with its closing brace.
    QString closed() const;

private:
    QString m_text;
};
