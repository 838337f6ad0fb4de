#pragma once

class SKTGraphic;
class SKTTable;
class myTextView;

// What pasting a copied style writes: the look of a text box or table (font, colours, border, spacing) and,
// for a table, of each cell from the source cell at the same row and column. Position, size, text, links,
// groups, locks, sections and form settings stay.
namespace StylePaste {

// The text-box style of the source onto the target; the caller re-applies it to the target's text.
void copyTextBoxStyle(SKTGraphic& target, const SKTGraphic& source);
// The table style, then the cells of the rows and columns both tables have; the caller lays the target out.
void copyTableStyle(SKTTable& target, const SKTTable& source);
void copyCellStyle(myTextView& target, const myTextView& source);

} // namespace StylePaste
