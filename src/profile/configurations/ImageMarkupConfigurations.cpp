#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintFamilyAddresses.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

constexpr const char* kMarkupTutorials = "https://www.velk.app/tazmir-markup/tutorials";

} // namespace

// Image markup and image notes: one large canvas, no print sheet.
const ConfigurationTable& imageMarkupConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Tazmir Markup", "Tazmir Markup Express", "Lummet Image Notes"},
        {
            {"productIcon",
             {ProfileCell::image("tazmir_markup"), ProfileCell::image("tazmir_markup2"),
              ProfileCell::image("tazmir_markup")}},
            {"documentExtension", {"vintrosk", "vintrosk", "vintrosk"}},
            {"templateFolder", {"markup_templates", "markup_templates", "markup_templates"}},
            {"newDocumentName", {"New Markup Folder", "New Markup Folder", "New Markup Folder"}},
            {"pageNoun", {"design", "design", "design"}},
            {"gettingStartedFile", {"blank/Blank.vintrosk", "blank/Blank.vintrosk", "blank/Blank.vintrosk"}},
            {"starterPages", {gettingStartedPageOnly, gettingStartedPageOnly, gettingStartedPageOnly}},
            {"singleDocumentMode", {none, 1, 1}},
            {"keepUnnamedPage", {1, 1, 1}},
            {"useOfficialPageName", {1, 1, 1}},
            {"refreshIconOnSave", {1, 1, 1}},
            {"refreshAllPagesInLoop", {1, 1, 1}},
            {"templateIconsPerRow", {4, 4, 4}},
            {"welcomeNote", {"", "", ""}},
            {"canvasWidth", {10000, 10000, 10000}},
            {"canvasHeight", {60000, 60000, 60000}},
            {"canvasScale", {1.0, 1.0, 1.0}},
            {"selectionHandleLineWidth", {2.0, 2.0, 2.0}},
            {"screenshotSize", {200, 200, 200}},
            {"inspectorInitiallyOpen", {1, 1, 1}},
            {"dragInspector", {1, 1, 1}},
            {"pageListMinWidth", {150, 150, 150}},
            {"pageIconColumns", {1, 1, 1}},
            {"showPageExtensionInList", {0, 0, 0}},
            {"hideMainLaunchPageOption", {1, 1, 1}},
            {"pageTitlesEnabled", {0, 0, 0}},
            {"lockPageFileName", {1, 1, 1}},
            {"hideLinkControls", {1, 1, 1}},
            {"hideGrabPageLink", {1, 1, 1}},
            {"hidePositionSettings", {1, 1, 1}},
            {"hideClickToEnlarge", {1, 1, 1}},
            {"hideTooltipControls", {1, 1, 1}},
            {"hideGalleryCaptionEdit", {1, 1, 1}},
            {"objectCatalogName", {"Markup", "MarkupExpress", "LummetMarkup"}},
            {"maxImportedImageWidth", {500, 500, 500}},
            {"originalImageMaxSize", {-999, -999, -999}},
            {"dateStampNewText", {0, 0, 0}},
            {"sameWidthTableColumns", {1, 1, 1}},
            {"defaultFontSize", {100, 20, 100}},
            {"cornerTextInset", {1, 1, 1}},
            {"textCategoryNames", {standardTextStyleNames, standardTextStyleNames, standardTextStyleNames}},
            {"textCategoryFonts", {decorativeTextStyleFonts, decorativeTextStyleFonts, decorativeTextStyleFonts}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors, standardTextStyleForegroundColors}},
            {"textCategoryFillColors",
             {standardTextStyleFillColors, standardTextStyleFillColors, standardTextStyleFillColors}},
            {"colorPalette", {extendedPalette, extendedPalette, extendedPalette}},
            {"showColorView", {0, 0, 0}},
            {"wideBorderRange", {1, 1, 1}},
            {"hideStandardFonts", {1, 1, 1}},
            {"fontMenuPreview", {1, 1, 1}},
            {"transparentBackgroundAllowed", {1, 1, 1}},
            {"defaultLabelTemplate",
             {ProfileCell::run(useUsLetterLandscapeTemplate), ProfileCell::run(useUsLetterLandscapeTemplate),
              ProfileCell::run(useUsLetterLandscapeTemplate)}},
            {"paperSizeChoice", {0, 0, 0}},
            {"personalizedTagList", {personalMergeTags, personalMergeTags, personalMergeTags}},
            {"supportEmail", {kPrintFamilySupportMail, kPrintFamilySupportMail, kPrintFamilySupportMail}},
            {"productWebsiteURL", {kPrintFamilySite, kPrintFamilySite, kPrintFamilySite}},
            {"videoTutorialsURL", {kMarkupTutorials, kMarkupTutorials, none}},
            {"rateAppURL",
             {"https://www.velk.app/tazmir-markup/store", "https://www.velk.app/tazmir-markup-express/store", ""}},
            {"userGuideFile", {"TazmirMarkupForMac.PDF", "TazmirMarkup2ForMac.PDF", ""}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
