#pragma once

#include "codegen/CodeWidgetHelper.h"

class SKTTable;
class SKTText;
class myTextView;
struct PageCodeContext;

// The code of one text element of the responsive page: a free text box or button, or a cell of a table
// grid or widget. Its class rule carries the size, box model, colours and hover colours (the hover colours
// also as properties the page reader takes back), its div holds the text as HTML lines, and a click on it
// may show and hide other elements. This is the page document's generateTextViewCode.
class ResponsiveTextCode {
public:
    // A text box of the page, named "text" + its element number. A "CLEAR0" text or border colour is
    // written and stored back as "000000". A web-form field is written as its form markup.
    static CodeWidgetHelper generateTextViewCode(SKTText& text, const PageCodeContext& page);
    // A cell of `table`, named "tableGrid" + the table's element number + "text" + the cell's place in the
    // table's cells; the record is marked as part of a table.
    static CodeWidgetHelper generateTextViewCode(myTextView& cell, const SKTTable& table,
                                                 const PageCodeContext& page);
};
