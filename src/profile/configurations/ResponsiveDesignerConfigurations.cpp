#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

constexpr const char* kMakerMailbox = "info@velk.app";
constexpr const char* kMakerHomePage = "https://www.velk.app";

} // namespace

// The responsive website, e-mail and form designers: pages are built of sections on the responsive path.
// The website and e-mail designers hide the free-form arrangement commands; the form designer keeps them.
const ConfigurationTable& responsiveDesignerConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Brevold Responsive Website Designer", "Brevold Responsive Email Designer",
         "Tazmir Responsive Form Designer"},
        {
            {"productIcon",
             {ProfileCell::image("brevold_website_designer"), ProfileCell::image("brevold_email_designer"),
              ProfileCell::image("tazmir_forms")}},
            {"documentExtension", {"kyv", "qz", "quarnel"}},
            {"templateFolder",
             {"responsive_page_templates", "responsive_mail_templates", "responsive_form_templates"}},
            {"newDocumentName", {"New Website", "New Design Project", "New Design Project"}},
            {"pageNoun", {"page", "mail", "form"}},
            {"gettingStartedFile", {"blank/Blank.kyv", "blank/Blank.qz", "blank/Blank.quarnel"}},
            {"starterPages", {gettingStartedPageOnly, gettingStartedPageOnly, gettingStartedPageOnly}},
            {"singleDocumentMode", {none, 1, none}},
            {"useOfficialPageName", {none, 1, 1}},
            {"refreshIconOnSave", {1, 1, 1}},
            {"refreshAllPagesInLoop", {0, 1, 1}},
            {"templateIconsPerRow", {4, 4, 4}},
            {"welcomeNote", {"", "", ""}},
            {"canvasWidth", {1200, 1200, 1300}},
            {"canvasHeight", {9000, 10000, 10000}},
            {"defaultPageWidth", {1000, 1200, 1000}},
            {"defaultPageHeight", {1000, 1200, 1000}},
            {"canvasScale", {0.6, 0.7, 0.5}},
            {"selectionHandleLineWidth", {2.0, 2.0, 2.0}},
            {"sectionWidth", {1200, 1200, 1200}},
            {"sectionHeight", {300, 300, 300}},
            {"screenshotSize", {200, 200, 200}},
            {"snapshotFullCanvas", {none, 1, 1}},
            {"inspectorInitiallyOpen", {1, 1, 1}},
            {"dragInspector", {1, 1, 1}},
            {"pageListMinWidth", {100, 150, 150}},
            {"pageIconColumns", {1, 1, 1}},
            {"showPageExtensionInList", {1, 0, 0}},
            {"hideMainLaunchPageOption", {none, 1, 1}},
            {"pageTitlesEnabled", {1, 0, 0}},
            {"hideLinkControls", {none, none, 1}},
            {"hideGrabPageLink", {none, none, 1}},
            {"hidePositionSettings", {none, 1, 1}},
            {"hideClickToEnlarge", {none, 1, 1}},
            {"hideTooltipControls", {none, none, 1}},
            {"hideLayerArrangement", {1, 1, none}},
            {"hideGroupCommand", {1, 1, none}},
            {"hideAlignLeftEdges", {1, 1, none}},
            {"hideAlignRightEdges", {1, 1, none}},
            {"hideMakeSameWidth", {1, 1, none}},
            {"hideMakeSameSize", {1, 1, none}},
            {"hideCenterGroup", {1, 1, none}},
            {"hideDuplicate", {1, 1, none}},
            {"hideAlignHorizontalSpacing", {1, 1, none}},
            {"hideAlignHorizontalCenters", {1, 1, none}},
            {"hideAlignVerticalCenters", {1, 1, none}},
            {"hideLockCommands", {1, 1, none}},
            {"responsiveDesign", {1, 1, 1}},
            {"preventOverlap", {1, 1, 1}},
            {"pasteInPlace", {1, 1, 1}},
            {"objectCatalogName", {"Tazmir", "Mail", "ResponsiveForms"}},
            {"maxImportedImageWidth", {600, 600, 600}},
            {"originalImageMaxSize", {-999, -999, -999}},
            {"dateStampNewText", {0, 0, 0}},
            {"tableCellSelection", {1, 1, 1}},
            {"tableImages", {1, 1, 1}},
            {"sameWidthTableColumns", {1, 1, 1}},
            {"dashedTableOutline", {1, 1, none}},
            {"defaultFontSize", {15, 100, 100}},
            // The website designer keeps new text boxes at the usual height; 50 still serves section tables.
            {"customTextBoxHeight", {0, none, none}},
            {"textBoxDefaultHeight", {50, none, none}},
            {"cornerTextInset", {none, none, 1}},
            {"snippetFormattingEnabled", {1, 1, 1}},
            {"textCategoryNames", {standardTextStyleNames, standardTextStyleNames, standardTextStyleNames}},
            {"textCategoryFonts",
             {standardTextStyleFonts, decorativeTextStyleFonts, decorativeTextStyleFonts}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors,
              standardTextStyleForegroundColors}},
            {"textCategoryFillColors",
             {standardTextStyleFillColors, standardTextStyleFillColors, standardTextStyleFillColors}},
            {"colorPalette", {extendedPalette, extendedPalette, extendedPalette}},
            {"showColorView", {1, 1, 0}},
            {"wideBorderRange", {none, none, 1}},
            {"hideStandardFonts", {none, none, 1}},
            {"fontMenuPreview", {none, 1, 1}},
            {"inlineStyleCode", {none, 1, none}},
            {"separateStyleSheet", {1, none, none}},
            {"transparentBackgroundAllowed", {none, none, 1}},
            {"paperSizeChoice", {none, 0, 0}},
            {"personalizedTagList", {none, personalMergeTags, personalMergeTags}},
            {"supportEmail", {kMakerMailbox, "support@velk.app", kMakerMailbox}},
            {"productWebsiteURL",
             {kMakerHomePage, "https://www.velk.app/brevold-email-designer", kMakerHomePage}},
            {"videoTutorialsURL", {none, "https://www.velk.app/brevold-email-designer/tutorials", none}},
            {"userGuideFile", {none, "BrevoldResponsiveEmailDesigner.PDF", none}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
