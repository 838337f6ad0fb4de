#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

constexpr const char* kMakerMailbox = "info@velk.app";
constexpr const char* kFormDesignersSite = "https://www.velk.app/quarnel";

} // namespace

// The two web form designers of the page designer family; the second works on single documents.
const ConfigurationTable& formDesignerConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Quarnel Pro", "Quarnel Pro 2"},
        {
            {"productIcon", {ProfileCell::image("quarnel_mac_pro"), ProfileCell::image("tazmir_forms")}},
            {"documentExtension", {"velkpage", "velkpage"}},
            {"templateFolder", {"form_templates", "form_templates"}},
            {"newDocumentName", {"New Form Group", "New Design Project"}},
            {"pageNoun", {"form", "form"}},
            {"gettingStartedFile", {"blank/Blank.quarnel", "blank/Blank.quarnel"}},
            {"starterPages", {gettingStartedPageOnly, gettingStartedPageOnly}},
            {"singleDocumentMode", {none, 1}},
            {"useOfficialPageName", {none, 1}},
            {"refreshIconOnSave", {1, 1}},
            {"refreshAllPagesInLoop", {0, 1}},
            {"templateIconsPerRow", {4, 4}},
            {"welcomeNote", {"", ""}},
            {"canvasWidth", {1500, 1200}},
            {"canvasHeight", {30000, 10000}},
            {"defaultPageWidth", {1000, 1000}},
            {"defaultPageHeight", {1000, 1000}},
            {"canvasScale", {1.0, 1.0}},
            {"selectionHandleLineWidth", {2.0, 2.0}},
            {"screenshotSize", {200, 200}},
            {"inspectorInitiallyOpen", {0, 1}},
            {"dragInspector", {none, 1}},
            {"pageListMinWidth", {200, 150}},
            {"pageIconColumns", {1, 1}},
            {"showPageExtensionInList", {1, 0}},
            {"hideMainLaunchPageOption", {1, 1}},
            {"pageTitlesEnabled", {1, 0}},
            {"hideLinkControls", {none, 1}},
            {"hideGrabPageLink", {none, 1}},
            {"hidePositionSettings", {none, 1}},
            {"hideClickToEnlarge", {none, 1}},
            {"hideTooltipControls", {none, 1}},
            {"objectCatalogName", {"Forms", "Forms"}},
            {"maxImportedImageWidth", {600, 600}},
            {"originalImageMaxSize", {-999, -999}},
            {"dateStampNewText", {0, 0}},
            {"defaultFontSize", {15, 100}},
            {"cornerTextInset", {none, 1}},
            {"textCategoryNames", {standardTextStyleNames, standardTextStyleNames}},
            {"textCategoryFonts", {standardTextStyleFonts, decorativeTextStyleFonts}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors}},
            {"textCategoryFillColors", {standardTextStyleFillColors, standardTextStyleFillColors}},
            {"colorPalette", {extendedPalette, extendedPalette}},
            {"showColorView", {1, 0}},
            {"wideBorderRange", {none, 1}},
            {"paperSizeChoice", {none, 0}},
            {"personalizedTagList", {none, personalMergeTags}},
            {"supportEmail", {kMakerMailbox, kMakerMailbox}},
            {"productWebsiteURL", {kFormDesignersSite, kFormDesignersSite}},
            {"videoTutorialsURL", {"https://www.velk.app/quarnel-pro/tutorials", none}},
            {"rateAppURL",
             {"https://www.velk.app/quarnel-pro/store", "https://www.velk.app/quarnel-pro-2/store"}},
            {"userGuideFile", {"QuarnelPro.PDF", "QuarnelPro2.PDF"}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
