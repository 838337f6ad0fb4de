#pragma once

#include "codegen/CodeWidgetHelper.h"

class SKTTable;
struct PageCodeContext;

// The code of a plain table grid: an HTML table in a numbered "tableGrid" division, each cell showing the
// picture placed in it or its text as a cell snippet. This is the page document's generateTableCode.
class TableGridCode {
public:
    // `responsiveOutput` goes on unchanged to the picture of every cell. Writing a table changes its cells
    // for good: every cell picture becomes opaque and loses its pop-up, every text cell takes the table's
    // opacity; the table's box-model units that are unset become "%".
    static CodeWidgetHelper generateTableCode(SKTTable& table, bool responsiveOutput,
                                              const PageCodeContext& page);
};
