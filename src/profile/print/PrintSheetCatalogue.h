#pragma once

#include "profile/print/LabelHelper.h"

#include <QList>

#include <memory>

// Entries are shared and never changed once in the catalogue; a caller that needs another orientation
// swaps the canvas size itself.
using PrintSheetList = QList<std::shared_ptr<const LabelHelper>>;

namespace DataCentre {

// Every sheet the print products know, in a fixed order (post cards, business cards, labels, folded
// cards, flyers, envelopes). Empty until loadPrintLabels runs, then only read.
PrintSheetList& printSheetCatalogue();

// Builds the catalogue afresh; a second call replaces it rather than adding to it.
void loadPrintLabels();

} // namespace DataCentre
