#pragma once

#include "profile/print/LabelHelper.h"

#include <QString>

#include <memory>

// Turning a catalogue sheet into the print fields and canvas size of the product profile.
namespace DataCentre {

// The first catalogue sheet whose description is exactly this text, or null. On a match it remembers
// the description as selectedPrintSheet and registers the "Inches" and "Centimeters" ruler units so
// that the rulers count the sheet's real inches; without one it changes nothing.
std::shared_ptr<const LabelHelper> grabLabelHelper(const QString& description);

// The first catalogue sheet on this paper with rows x columns equal to the label count, or null.
// Records nothing and registers no units.
std::shared_ptr<const LabelHelper> grabLabelHelperBasedOnSelection(int labelCount, const QString& paperSize);

// Copies the sheet into the profile's print fields, canvas and page size, page image size, canvas scale
// and label grid size. The canvas is turned when canvasRotation is 90. A null sheet changes nothing.
void resetPrintCanvas(const std::shared_ptr<const LabelHelper>& sheet);

} // namespace DataCentre
