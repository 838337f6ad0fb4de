#pragma once

#include "profile/ProductProfile.h"

// The shared services of the application. They keep no state of their own beyond the product profile
// and a few process-wide lists, so they are free functions grouped by concern, each concern in its
// own header adding to this namespace.
namespace DataCentre {

// The product profile of the running process. Launch sets it up; from then on it is only read, so every
// document and window sees the same product.
const ProductProfile& profile();
// The profile for launch to set up, and for tests to set up a product of their own.
ProductProfile& mutableProfile();
// Puts every field back to its start value (tests apply many configurations in one process).
void resetProfile();

} // namespace DataCentre
