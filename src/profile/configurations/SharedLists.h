#pragma once

#include "profile/ProductProfile.h"

// Lists that several configuration tables name.
namespace Configurations {

QStringList standardPalette(const ProductProfile&);
QStringList uniqueExtendedPalette(const ProductProfile&);
QStringList extendedPalette(const ProductProfile&);

// The four index-parallel lists of the standard text styles.
QStringList standardTextStyleNames(const ProductProfile&);
QStringList standardTextStyleFonts(const ProductProfile&);
QStringList standardTextStyleForegroundColors(const ProductProfile&);
QStringList standardTextStyleFillColors(const ProductProfile&);

// One entry: the configuration's own gettingStartedFile, assigned just before.
QStringList gettingStartedPageOnly(const ProductProfile& profile);

} // namespace Configurations
