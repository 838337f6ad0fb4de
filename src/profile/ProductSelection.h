#pragma once

namespace DataCentre {

// Chooses the product configuration from the bundle's display name and fills the product profile:
// the print sheet catalogue and the bundle values first, then the configuration, then the common tail.
void runAppSpecificSetups();

} // namespace DataCentre
