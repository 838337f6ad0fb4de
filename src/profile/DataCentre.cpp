#include "profile/DataCentre.h"

namespace DataCentre {

ProductProfile& profile()
{
    static ProductProfile theProfile;
    return theProfile;
}

void resetProfile()
{
    profile() = ProductProfile{};
}

} // namespace DataCentre
