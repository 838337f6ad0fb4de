#pragma once

#include "profile/CustomFont.h"

#include <QList>
#include <QStringList>

class QComboBox;

// The entries of the inspector's font pop-up: the 49 web fonts sorted by name, then "Arial" and
// "Helvetica", then the installed families in the order given. With `hideStandardFonts` the first 51 are
// left out; an installed family that bears one of those 51 names is never listed again.
QList<CustomFont> inspectorFontList(bool hideStandardFonts, const QStringList& installedFamilies);

// One item per entry, titled with its name and drawn in its face at 15 points: always for web fonts, which
// are orange as well, and for installed families with `fontMenuPreview`.
void fillFontPopup(QComboBox& popup, const QList<CustomFont>& fonts, bool fontMenuPreview);
