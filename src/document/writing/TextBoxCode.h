#pragma once

#include <QString>

class PageAssembly;
class SKTGraphic;

// The text box rule and its companion rules, shared by text boxes and formatted HTML snippets.
namespace TextBoxCode {

enum class Form {
    TextBox,          // the full text rule
    FormattedSnippet, // the snippet's long form: no margin, box model and link flag after nlines
};

// The rule line of the box as element `number` of its kind ("text" or "snippet" prefix by the form), with
// the companion rules on the same line and the line feeds that follow it. The text and border colours
// "CLEAR0" become "000000" on the box, its template name loses its extension, and its font's web font is
// marked as used.
QString ruleLine(PageAssembly& page, SKTGraphic& box, int number, Form form);

// The plain characters of a text graphic, with "\r\n" as "\n".
QString plainText(const SKTGraphic& box);

} // namespace TextBoxCode
