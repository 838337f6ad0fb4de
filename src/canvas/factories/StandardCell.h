#pragma once

#include <QString>

#include <memory>

class myTextView;

// The settings every new cell of a table, section or web component starts from: full opacity, no shadow,
// "4f4c4c" text on a clear background, a solid border line, "shape" as link kind, no form field, and
// "Helvetica Neue" 15 as the family and size the generators read.
void applyPlainCellStyle(myTextView& cell);

// The cell record every section, section template and web component starts its cells from: the text at
// its spot in the plain cell style; the record's text view is set in "Actor" 14 while the record itself
// names "Helvetica Neue" 15, which is what the generators read.
std::shared_ptr<myTextView> newStandardCell(const QString& text, int row, int column);
