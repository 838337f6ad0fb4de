#include "profile/configurations/SharedLists.h"

#include "profile/Palettes.h"

namespace Configurations {

QStringList standardPalette(const ProductProfile&)
{
    return Palettes::standardPalette();
}
QStringList uniqueExtendedPalette(const ProductProfile&)
{
    return Palettes::uniqueExtendedPalette();
}
QStringList extendedPalette(const ProductProfile&)
{
    return Palettes::extendedPalette();
}

QStringList standardTextStyleNames(const ProductProfile&)
{
    return Palettes::standardTextStyles().names;
}
QStringList standardTextStyleFonts(const ProductProfile&)
{
    return Palettes::standardTextStyles().fonts;
}
QStringList standardTextStyleForegroundColors(const ProductProfile&)
{
    return Palettes::standardTextStyles().foregroundColors;
}
QStringList standardTextStyleFillColors(const ProductProfile&)
{
    return Palettes::standardTextStyles().fillColors;
}

QStringList gettingStartedPageOnly(const ProductProfile& profile)
{
    return {profile.gettingStartedFile};
}

} // namespace Configurations
