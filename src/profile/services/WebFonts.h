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

// Called before the application object exists: the bundle's fonts folder joins the system's font
// configuration, whose cache spares reading every font file at each launch. loadCustomFont then finds the
// families there.
void loadCustomFontBeforeLaunch();

// Rebuilds webFontList from scratch: the 49 web fonts, none marked as used.
void prepCustomFont();

// The 49 web fonts as new entries, display name and source name paired, none marked as used; the shared
// webFontList is left alone.
QList<CustomFont> webFonts();

} // namespace DataCentre
