#pragma once

#include <QString>

// The entities of stored pages: those the whole page text carries in place of typographic characters, and
// those its writers put in place of typed markup characters (CodeText::escapedText and escapedLine).
namespace PageEntities {

// "©", "®", "£", "¢", "¥", "€", "¿" as entities, curly quotes as straight ones and the long dash as "-".
QString withEntities(QString page);

// Text read from a page with its entities turned back into characters: the typographic ones, and with
// `markup` also "&lt;", "&gt;", "&quot;" and, last, "&amp;", so an entity the user typed comes back as
// typed. Curly quotes and the long dash stay straight.
QString decoded(QString text, bool markup = true);

} // namespace PageEntities
