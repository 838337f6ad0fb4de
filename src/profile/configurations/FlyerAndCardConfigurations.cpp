#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintFamilyAddresses.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

QStringList greetingCardStarterPages(const ProductProfile& profile)
{
    return {profile.gettingStartedFile, QStringLiteral("blank/3.vintrosk"),
            QStringLiteral("blank/4.vintrosk")};
}

// The flyer's paper names are its own: "Tabloid-Oversize" with a hyphen, and post cards by their size.
void fillFlyerSheets(ProductProfile& profile)
{
    profile.printTemplateList = {
        sheetTemplate("US Letter - Landscape", "na-letter"),
        sheetTemplate("US Letter - Portrait", "na-letter"),
        sheetTemplate("US Legal - Landscape", "na-legal"),
        sheetTemplate("US Legal - Portrait", "na-legal"),
        sheetTemplate("Tabloid - Landscape", "Tabloid"),
        sheetTemplate("Tabloid - Portrait", "Tabloid"),
        sheetTemplate("Tabloid Oversize - Landscape", "Tabloid-Oversize"),
        sheetTemplate("Tabloid Oversize - Portrait", "Tabloid-Oversize"),
        sheetTemplate("A3 - Landscape", "A3"),
        sheetTemplate("A3 - Portrait", "A3"),
        sheetTemplate("A4 - Landscape", "A4"),
        sheetTemplate("A4 - Portrait", "A4"),
        sheetTemplate("A5 - Landscape", "A5"),
        sheetTemplate("A5 - Portrait", "A5"),
        sheetTemplate("B5 - Landscape", "B5"),
        sheetTemplate("B5 - Portrait", "B5"),
        sheetTemplate("Post Card - 4\" x 6\"", "4 x 6"),
        sheetTemplate("Post Card - 5\" x 7\"", "5 x 7"),
        sheetTemplate("Post Card - 6\" x 9\"", "6 x 9"),
        sheetTemplate("Post Card - 6\" x 11\"", "6 x 11"),
    };
}

void fillFoldedCardSheets(ProductProfile& profile)
{
    profile.printTemplateList = {
        sheetTemplate("Card - Letter Sheet Horizontal Half Fold (8.5\" x 5.5\")", "na-letter"),
        sheetTemplate("Card - Letter Sheet Vertical Half Fold (5.5\" x 8.5\")", "na-letter"),
        sheetTemplate("Card - Letter Sheet Horizontal Quarter Fold (5.5\" x 4.25\")", "na-letter"),
        sheetTemplate("Card - Letter Sheet Vertical Quarter Fold (4.25\" x 5.5\")", "na-letter"),
        sheetTemplate("Card - A4 Sheet Horizontal Half Fold (8.3\" x 5.85\")", "A4"),
        sheetTemplate("Card - A4 Sheet Vertical Half Fold (5.85\" x 8.3\")", "A4"),
        sheetTemplate("Card - A4 Sheet Horizontal Quarter Fold (5.85\" x 4.15\")", "A4"),
        sheetTemplate("Card - A4 Sheet Vertical Quarter Fold (4.15\" x 5.85\")", "A4"),
        sheetTemplate("Card - A5 Sheet Horizontal Half Fold (8.3\" x 2.9\")", "A5"),
        sheetTemplate("Card - A5 Sheet Vertical Half Fold (4.15\" x 5.8\")", "A5"),
        sheetTemplate("Card - A5 Sheet Horizontal Quarter Fold (4.15\" x 2.9\")", "A5"),
        sheetTemplate("Card - A5 Sheet Vertical Quarter Fold (2.9\" x 4.15\")", "A5"),
    };
}

} // namespace

// The flyer and folded greeting card designers: the canvas follows whichever sheet a design is laid out on,
// so neither sets a canvas size or scale of its own.
const ConfigurationTable& flyerAndCardConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Tazmir Flyer Maker Pro", "Tazmir Greeting Card Designer"},
        {
            {"productIcon",
             {ProfileCell::image("tazmir_flyer_maker"), ProfileCell::image("tazmir_card_designer2")}},
            {"documentExtension", {"vintrosk", "vintrosk"}},
            {"templateFolder", {"flyers_templates", "folding_card_templates"}},
            {"newDocumentName", {"New Design Project", "New Design Project"}},
            {"pageNoun", {"flyer", "1"}},
            {"gettingStartedFile", {"blank/Blank.vintrosk", "blank/2.vintrosk"}},
            {"starterPages", {gettingStartedPageOnly, greetingCardStarterPages}},
            {"keepUnnamedPage", {1, 1}},
            {"useOfficialPageName", {1, 1}},
            {"refreshIconOnSave", {1, 1}},
            {"refreshAllPagesInLoop", {1, 1}},
            {"templateIconsPerRow", {4, 2}},
            {"templateIconCounterReset", {none, 1}},
            {"welcomeNote", {"", ""}},
            {"selectionHandleLineWidth", {2.0, 2.0}},
            {"snapshotFullCanvas", {1, 1}},
            {"inspectorInitiallyOpen", {1, 1}},
            {"dragInspector", {1, 1}},
            {"pageListMinWidth", {150, 150}},
            {"pageIconColumns", {1, 1}},
            {"showPageExtensionInList", {0, 0}},
            {"hidePageSearchField", {none, 1}},
            {"plainPageTileLabels", {none, 0}},
            {"baseTemplateTileOption", {none, 1}},
            {"pageTileExtraView", {none, 1}},
            {"hideMainLaunchPageOption", {1, 1}},
            {"pageTitlesEnabled", {0, 1}},
            {"lockPageFileName", {1, none}},
            {"hideLinkControls", {1, 1}},
            {"hideGrabPageLink", {1, 1}},
            {"hideRemoveTablePattern", {none, 1}},
            {"hideDuplicatePage", {none, 1}},
            {"hidePositionSettings", {1, 1}},
            {"hideClickToEnlarge", {1, 1}},
            {"hideTooltipControls", {1, 1}},
            {"hideGalleryCaptionEdit", {1, 1}},
            {"objectCatalogName", {"Flyer", "GreetingCard"}},
            {"maxImportedImageWidth", {600, 600}},
            {"originalImageMaxSize", {-999, -999}},
            {"dateStampNewText", {0, 0}},
            {"tableCellSelection", {1, 1}},
            {"tableImages", {1, none}},
            {"sameWidthTableColumns", {1, 1}},
            {"defaultFontSize", {100, 100}},
            {"cornerTextInset", {1, 1}},
            {"textCategoryNames", {standardTextStyleNames, standardTextStyleNames}},
            {"textCategoryFonts", {decorativeTextStyleFonts, decorativeTextStyleFonts}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors}},
            {"textCategoryFillColors", {standardTextStyleFillColors, standardTextStyleFillColors}},
            {"colorPalette", {extendedPalette, extendedPalette}},
            {"showColorView", {0, 0}},
            {"wideBorderRange", {1, 1}},
            {"hideStandardFonts", {1, 1}},
            {"fontMenuPreview", {1, 1}},
            {"transparentBackgroundAllowed", {1, 1}},
            {"printSheetDesign", {1, 1}},
            {"printTemplateList",
             {ProfileCell::run(fillFlyerSheets), ProfileCell::run(fillFoldedCardSheets)}},
            {"defaultLabelTemplate",
             {ProfileCell::run(useUsLetterLandscapeTemplate),
              ProfileCell::run(useUsLetterLandscapeTemplate)}},
            {"paperSizeChoice", {0, 0}},
            {"personalizedTagList", {personalMergeTags, personalMergeTags}},
            {"supportEmail", {kPrintFamilySupportMail, kPrintFamilySupportMail}},
            {"productWebsiteURL", {kPrintFamilySite, kPrintFamilySite}},
            {"videoTutorialsURL",
             {"https://www.velk.app/tazmir-flyer-maker-pro/tutorials",
              "https://www.velk.app/tazmir-greeting-card-designer/tutorials"}},
            {"rateAppURL",
             {"https://www.velk.app/tazmir-flyer-maker-pro/store",
              "https://www.velk.app/tazmir-greeting-card-designer/store"}},
            {"userGuideFile", {"TazmirFlyerMakerPro.PDF", "TazmirFoldingCardDesigner.PDF"}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
