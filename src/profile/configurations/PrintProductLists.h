#pragma once

#include "profile/ProductProfile.h"

#include <memory>

// Lists and steps that the print products share: labels, cards, flyers, envelopes, markup and the PDF author.
namespace Configurations {

// A template for a sheet of the print catalogue that belongs to no vendor: brand and stock number are
// empty (not absent), so a template pop-up titles it by its description alone.
std::shared_ptr<LabelTemplateHelper> sheetTemplate(const char* description, const char* paperSize);

// Looks up the sheet that selectedPrintSheet names and sizes the canvas from it; without such a sheet the
// canvas keeps the values stored before.
void applySelectedPrintSheet(ProductProfile& profile);

// The merge tags of personalised documents; the label designers add the company name.
QStringList personalMergeTags(const ProductProfile&);
QStringList personalAndCompanyMergeTags(const ProductProfile&);

// Fonts of the default text styles of the PDF author and the label maker (names and colours are the
// standard text styles').
QStringList decorativeTextStyleFonts(const ProductProfile&);

// Fonts of the default text styles of the 30-per-sheet label designer and the business card designer, each
// font twice like the standard text styles.
QStringList fennickTextStyleFonts(const ProductProfile&);

// The template of a loaded design that names no sheet: a US Letter sheet in landscape.
void useUsLetterLandscapeTemplate(ProductProfile& profile);

} // namespace Configurations
