#pragma once

#include <QLatin1StringView>

namespace DataCentre {

// The page name of the site's base template; its page file is this name with the document extension.
inline constexpr QLatin1StringView kBaseTemplateName{"basetemplate"};

// Chooses the product configuration from the bundle's display name and fills the product profile:
// the print sheet catalogue and the bundle values first, then the configuration, then the common tail.
void runAppSpecificSetups();

} // namespace DataCentre
