#pragma once

#include <QString>

#include <memory>

class myTextView;

// The cell record every section, section template and web component starts its cells from: the text at
// its spot, "4f4c4c" text on a clear background, a solid border line, no shadow, no link kind but "shape",
// no form field; the record's text view is set in "Actor" 14 while the record itself names "Helvetica Neue"
// 15, which is what the generators read.
std::shared_ptr<myTextView> newStandardCell(const QString& text, int row, int column);
