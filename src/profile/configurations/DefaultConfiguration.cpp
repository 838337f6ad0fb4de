#include "profile/configurations/Configurations.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

// The plain page designer, for any display name outside the chain.
const ConfigurationTable& defaultConfiguration()
{
    // clang-format off
    static const ConfigurationTable table{
        {QString()},
        {
            {"documentExtension", {"velkpage"}},
            {"gettingStartedFile", {"blank/Blank.velkpage"}},
            {"starterPages", {gettingStartedPageOnly}},
            {"refreshAllPagesInLoop", {0}},
            {"templateIconsPerRow", {4}},
            {"canvasWidth", {1500}},
            {"canvasHeight", {5000}},
            {"defaultPageWidth", {500}},
            {"defaultPageHeight", {500}},
            {"canvasScale", {1.0}},
            {"selectionHandleLineWidth", {4.0}},
            {"screenshotSize", {200}},
            {"inspectorInitiallyOpen", {1}},
            {"pageListMinWidth", {200}},
            {"pageIconColumns", {1}},
            {"pageTitlesEnabled", {0}},
            {"maxImportedImageWidth", {600}},
            {"originalImageMaxSize", {-999}},
            {"defaultFontSize", {15}},
            {"colorPalette", {standardPalette}},
            {"supportEmail", {"info@velk.app"}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
