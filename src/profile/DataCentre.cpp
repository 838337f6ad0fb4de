#include "profile/DataCentre.h"

namespace DataCentre {

ProductProfile& mutableProfile()
{
    static ProductProfile theProfile;
    return theProfile;
}

const ProductProfile& profile()
{
    return mutableProfile();
}

void resetProfile()
{
    mutableProfile() = ProductProfile{};
}

} // namespace DataCentre
