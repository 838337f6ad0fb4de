#pragma once

#include <QString>
#include <Qt>

// Small pieces that every writer of element code shares: the generators here and the page assembler.
namespace ElementCodeParts {

// The "text-align" word of a paragraph alignment: "right", "center", "justify", else "left".
QString alignmentWord(Qt::Alignment alignment);

// The name without the extension of its last path component ("home.html" gives "home"); a dot that opens
// a file name starts no extension.
QString withoutPathExtension(const QString& name);

// The element's template name loses its extension, and an element without one takes the page's main
// template name; the element is told only of a real change.
template <class Element> QString settleTemplateNameOrMain(Element& element, const QString& mainTemplateName)
{
    QString name = withoutPathExtension(element.templateName());
    if (name.isEmpty())
        name = mainTemplateName;
    if (name != element.templateName() || name.isNull() != element.templateName().isNull())
        element.setTemplateName(name);
    return name;
}

// The src of one of an image's files in its folder, "folder/name" + `variant` ("@2x" for the
// double-resolution copy, "o" for the original) + "." + type, as a safe URL path.
QString imageSource(const QString& folder, const QString& name, const char* variant, const QString& type);

// What the rules that follow an element's own rule tell.
struct CompanionRuleValues {
    QString selector;       // the element's, as ".text3"
    QString textColor;      // black when it is no colour string
    QString hoverColor;     // none when empty or no colour string
    QString hoverTextColor; // none when empty or no colour string
    QString formType;       // written made safe, like all free text in a rule
    int formTag = 0;
    int formOptionTag = 0;
    int formRequiredFlag = 0;
};

// The rules that follow a text element's own rule on its line: the editor rule that keeps its hover
// colours, its link rules, its visited rule with the form-field state, and the hover CSS, which ends with
// its own line feed. Hover colours that are none write no rule.
QString companionRules(const CompanionRuleValues& values);

// The shadow a text element's rule tells, from the element's own values: none without its shadow flag;
// else opaque (a shown shadow has no other strength), with the element's offsets and blur radius.
struct RuleShadow {
    double opacity = 0;
    // Never below 1 for a shown shadow: readers take a shadow from a radius above 0.
    double radius = 0;
    double horizontalOffset = 0;
    double verticalOffset = 0;
    // The CSS value "%dpx %dpx %fpx #000000"; empty for none.
    QString css;
};
RuleShadow ruleShadow(bool shown, double radius, double horizontalOffset, double verticalOffset);

// Whether the typed "&", "<" and ">" of text boxes are written as entities: on every page but those of the
// products whose text boxes hold raw HTML, and the published pages of the responsive products, which keep
// the boxes' HTML. The page loader decodes them exactly where they were written so.
bool escapesTypedMarkup(bool publishing);

// Marks the web fonts of that family as used by the page; an empty family marks none.
void markWebFontUsed(const QString& family);

} // namespace ElementCodeParts
