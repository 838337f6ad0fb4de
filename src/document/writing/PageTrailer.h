#pragma once

#include <QString>

class SKTDocument;

// What follows the end of the stored page: the trailer markers, then the keyed blocks of the page's
// profile fields.
namespace PageTrailer {

// The ten trailer slots, one per line; an empty slot leaves an empty line. An unset mail canvas preset is
// written empty.
QString trailer(const SKTDocument& document);

// The page followed by one keyed block per profile value, in the order of the product's profile keys.
QString withKeyedBlocks(const QString& page, const SKTDocument& document);

} // namespace PageTrailer
