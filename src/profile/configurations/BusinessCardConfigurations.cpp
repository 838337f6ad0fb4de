#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintFamilyAddresses.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

constexpr const char* kTenPerLetterSheet = "Business Card - 10 Per Letter Sheet";
constexpr const char* kBlueSkellowSupportMail = "support@velk.app";
constexpr const char* kMakerHomePage = "https://www.velk.app";

void fillBusinessCardSheets(ProductProfile& profile)
{
    profile.printTemplateList = {
        sheetTemplate(kTenPerLetterSheet, "na-letter"),
        sheetTemplate("Business Card - 8 Per Letter Sheet", "na-letter"),
        sheetTemplate("Business Card - 10 Per A4 Sheet", "A4"),
        sheetTemplate("Business Card - 8 Per A4 Sheet", "A4"),
    };
}

void fillPostCardSheets(ProductProfile& profile)
{
    profile.printTemplateList = {
        sheetTemplate("Post Card - 4\" x 6\"", "na-letter"),
        sheetTemplate("Post Card - 5\" x 7\"", "na-letter"),
        sheetTemplate("Post Card - 6\" x 9\"", "A4"),
        sheetTemplate("Post Card - 6\" x 11\"", "A4"),
    };
}

// The designer opens on the sheet its card pop-up offers first.
void selectFirstTemplateSheet(ProductProfile& profile)
{
    if (!profile.printTemplateList.isEmpty())
        profile.selectedPrintSheet = profile.printTemplateList.first()->templateDescription();
}

} // namespace

// Business card and post card designers: the canvas is one card of the sheet chosen at launch.
const ConfigurationTable& businessCardConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"VirAvivu Gondrel", "Blue Skellow Business Card Designer", "Blue Skellow eCard Designer"},
        {
            {"productIcon",
             {ProfileCell::image("business_cards_blorvin"),
              ProfileCell::image("quorvik_business_card_designer"),
              ProfileCell::image("blue_skellow_ecard_designer")}},
            {"documentExtension", {"vintrosk", "vintrosk", "vintrosk"}},
            {"templateFolder", {"viravivu_templates", "quorvikcards_templates", "ecard_templates"}},
            {"newDocumentName",
             {"New Design Project", "New Business Card Project", "New Business Card Project"}},
            {"pageNoun", {"card", "1", "1"}},
            {"gettingStartedFile", {"blank/Blank.vintrosk", "blank/Blank.vintrosk", "blank/Blank.vintrosk"}},
            {"starterPages", {gettingStartedPageOnly, gettingStartedPageOnly, gettingStartedPageOnly}},
            {"singleDocumentMode", {none, 1, 1}},
            {"keepUnnamedPage", {1, 1, 1}},
            {"useOfficialPageName", {1, none, none}},
            {"refreshIconOnSave", {1, 1, 1}},
            {"refreshAllPagesInLoop", {1, 0, 0}},
            {"templateIconsPerRow", {4, 999, 999}},
            {"welcomeNote", {"", "", ""}},
            {"selectionHandleLineWidth", {4.0, 3.0, 3.0}},
            {"snapshotFullCanvas", {1, 1, 1}},
            {"inspectorInitiallyOpen", {none, 1, 1}},
            {"dragInspector", {none, 1, 1}},
            {"pageListMinWidth", {320, 300, 300}},
            {"pageIconColumns", {2, 2, 2}},
            {"showPageExtensionInList", {0, 1, 1}},
            {"hidePageSearchField", {none, 1, 1}},
            {"plainPageTileLabels", {none, 1, 1}},
            {"baseTemplateTileOption", {none, 1, 1}},
            {"pageTileExtraView", {none, 1, 1}},
            {"hideMainLaunchPageOption", {1, none, none}},
            {"pageTitlesEnabled", {0, 1, 1}},
            {"fullWebsiteSettings", {none, 1, 1}},
            {"lockPageFileName", {1, none, none}},
            {"hideLinkControls", {1, 1, 1}},
            {"hideGrabPageLink", {1, 1, 1}},
            {"hidePositionSettings", {1, 1, 1}},
            {"hideClickToEnlarge", {1, none, none}},
            {"hideTooltipControls", {1, none, none}},
            {"objectCatalogName", {"Cards", "QuorvikVirAvivu", "QuorvikVirAvivu"}},
            {"maxImportedImageWidth", {600, 600, 600}},
            {"originalImageMaxSize", {-999, -999, -999}},
            {"dateStampNewText", {0, 0, 0}},
            {"tableCellSelection", {none, 1, 1}},
            {"sameWidthTableColumns", {1, 1, 1}},
            {"defaultFontSize", {70, 15, 15}},
            {"cornerTextInset", {1, none, none}},
            {"textCategoryNames", {standardTextStyleNames, standardTextStyleNames, standardTextStyleNames}},
            {"textCategoryFonts", {fennickTextStyleFonts, standardTextStyleFonts, standardTextStyleFonts}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors,
              standardTextStyleForegroundColors}},
            {"textCategoryFillColors",
             {standardTextStyleFillColors, standardTextStyleFillColors, standardTextStyleFillColors}},
            {"colorPalette", {extendedPalette, uniqueExtendedPalette, uniqueExtendedPalette}},
            {"showColorView", {0, 1, 1}},
            {"wideBorderRange", {1, 1, 1}},
            {"hideStandardFonts", {1, 1, 1}},
            {"fontMenuPreview", {1, 1, 1}},
            {"transparentBackgroundAllowed", {1, none, none}},
            {"printSheetDesign", {none, 1, 1}},
            {"printTemplateList",
             {none, ProfileCell::run(fillBusinessCardSheets), ProfileCell::run(fillPostCardSheets)}},
            // The canvas, page and preview sizes and the scale come from the launch sheet.
            {"selectedPrintSheet",
             {kTenPerLetterSheet, ProfileCell::run(selectFirstTemplateSheet),
              ProfileCell::run(selectFirstTemplateSheet)}},
            {"apply print sheet",
             {ProfileCell::run(applySelectedPrintSheet), ProfileCell::run(applySelectedPrintSheet),
              ProfileCell::run(applySelectedPrintSheet)}},
            {"paperSizeChoice", {1, 0, 0}},
            {"personalizedTagList", {personalAndCompanyMergeTags, none, none}},
            {"supportEmail", {kLabelFamilyInfoMail, kBlueSkellowSupportMail, kBlueSkellowSupportMail}},
            {"productWebsiteURL", {"https://www.velk.app/viravivu-gondrel", kMakerHomePage, kMakerHomePage}},
            {"rateAppURL",
             {"https://www.velk.app/viravivu-gondrel/store",
              "https://www.velk.app/blue-skellow-business-card-designer/store",
              "https://www.velk.app/blue-skellow-ecard-designer/store"}},
            {"userGuideFile", {"VirAvivuGondrelForMac.PDF", "", ""}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
