#pragma once

#include <QStringList>

// The colour palettes and default text styles that the product configurations share. Each call builds a
// new list, which the caller (the product profile) owns from then on. Every palette opens with the clear
// colour string.
namespace Palettes {

// 140 entries: whites, greys and black, then the named web colours by hue.
QStringList standardPalette();
// 544 entries, none repeated: 421 colours by hue, soft tones, greys and a 94-step grey ramp.
QStringList uniqueExtendedPalette();
// 551 entries: the unique extended palette with seven repeats put in, so that its grey ramp has every step
// from 99 down to 4 per cent.
QStringList extendedPalette();

// Four index-parallel lists, one entry per default text style, for the profile's text-category fields.
struct StandardTextStyles {
    QStringList names;
    QStringList fonts;
    QStringList foregroundColors;
    QStringList fillColors;
};
StandardTextStyles standardTextStyles();

} // namespace Palettes
