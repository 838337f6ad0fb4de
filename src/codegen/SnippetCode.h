#pragma once

#include "codegen/CodeWidgetHelper.h"
#include "model/records/myTextView.h"

class SKTGraphic;
class SKTText;
struct PageCodeContext;

// The code of an HTML snippet: a text box whose text is HTML written by the user. Its CSS rule carries its
// style and its editor state, its div holds the HTML exactly as written (never escaped), and a script
// shows and hides other elements when it is clicked. This is the page document's generateSnippetCode.
class SnippetCode {
public:
    // A snippet text graphic of the page. Writes back into the element: "%" for unset box-model units, the
    // template name without path extension (the page's main template name when it has none), and "000000"
    // for a "CLEAR0" border colour of a formatted snippet.
    static CodeWidgetHelper generateSnippetCode(SKTText& snippet, const PageCodeContext& page);
    // The snippet of a table cell: `table` is the table graphic and `cellHelperArray` its cells, which number
    // the snippet; every class and id carries the table's "tableGrid" prefix.
    static CodeWidgetHelper generateSnippetCode(myTextView& cell, const SKTGraphic& table,
                                                const myTextViewList& cellHelperArray,
                                                const PageCodeContext& page);
};
