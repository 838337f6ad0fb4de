#pragma once

#include "profile/CustomFont.h"

#include <QList>

#include <memory>

namespace DataCentre {

// The web fonts of the last prepCustomFont, in display-name order.
QList<std::shared_ptr<CustomFont>>& webFontList();

// Makes the font files of the bundle's "fonts" folder usable by this process; answers how many families
// were activated. Families without a file are simply not there.
int loadCustomFont();

// Rebuilds webFontList from scratch: the 49 web fonts, none marked as used.
void prepCustomFont();

} // namespace DataCentre
