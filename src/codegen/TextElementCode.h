#pragma once

#include "codegen/CodeWidgetHelper.h"
#include "codegen/GenerateSourceCodeObject.h"

#include <QList>
#include <QString>

class SKTText;
class myTextView;
struct PageCodeContext;

// The code of a text element on the page of absolutely placed elements: a div in the body and five rules in
// the header (the element's rule, its link, visited, hover and link-hover rules). Beside the visible style,
// the element's rule carries the editor state that the page loader reads back. These are the page
// document's generateTextViewCodeStatic, combineSourceCodeString and calculateNumOfLines.
class TextElementCode {
public:
    // The code of a text graphic, or of the text record of a table cell, as element `elementNumber`; only
    // the header and body strings of the result are set. `responsiveOutput` is the page assembler's flag:
    // on for publishing, export and the live source view. The element keeps its template name without path
    // extension (the page's main template name when it has none) and "%" for its unset box-model units; the
    // web font of its text is marked as used.
    static CodeWidgetHelper generateTextViewCodeStatic(SKTText& text, int elementNumber,
                                                       bool responsiveOutput, const PageCodeContext& page);
    static CodeWidgetHelper generateTextViewCodeStatic(myTextView& cell, int elementNumber,
                                                       bool responsiveOutput, const PageCodeContext& page);

    // The declarations in order as "property:value;", with " !important" before the semicolon when flagged.
    // Values that are missing, empty, "(null)", "#(null)" or a lone "#" are left out.
    static QString combineSourceCodeString(const QList<GenerateSourceCodeObject>& declarations);

    // The number of lines of the text: a line ends at a line feed, a carriage return (alone or before a line
    // feed) or a line or paragraph separator, and a last line needs no end. An empty text has none.
    static int calculateNumOfLines(const QString& text);
};
