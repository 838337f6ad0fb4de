#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

constexpr const char* kMakerMailbox = "info@velk.app";
constexpr const char* kPlimsyMailsSite = "https://www.velk.app/plimsy-mails";
constexpr const char* kPlimsyMailsTutorials = "https://www.velk.app/plimsy-mails/tutorials";

} // namespace

// The two photo e-mail designers on a free-form canvas. Express opens single documents and has no store
// page; each has its own Dropbox application, whose keys the application shell reads to host mail images.
const ConfigurationTable& mailDesignerConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Plimsy Mails Pro 2", "Plimsy Mails Express"},
        {
            {"productIcon",
             {ProfileCell::image("plimsy_mails_mac_pro"), ProfileCell::image("plimsy_mails_express")}},
            {"documentExtension", {"plimsymails", "plimsymails"}},
            {"templateFolder", {"plimsymails_templates", "plimsymails_templates"}},
            {"newDocumentName", {"New Mail Design", "New Mail Design"}},
            {"pageNoun", {"mail", "mail"}},
            {"gettingStartedFile", {"blank/Blank.plimsymails", "blank/Blank.plimsymails"}},
            {"starterPages", {gettingStartedPageOnly, gettingStartedPageOnly}},
            {"singleDocumentMode", {none, 1}},
            {"keepUnnamedPage", {1, 1}},
            {"refreshIconOnSave", {1, 1}},
            {"refreshAllPagesInLoop", {1, 1}},
            {"templateIconsPerRow", {4, 10}},
            {"welcomeNote", {"", ""}},
            {"canvasWidth", {900, 900}},
            {"canvasHeight", {5000, 5000}},
            {"defaultPageWidth", {700, 700}},
            {"defaultPageHeight", {700, 700}},
            {"canvasScale", {1.0, 1.0}},
            {"selectionHandleLineWidth", {2.0, 2.0}},
            {"screenshotSize", {1000, 1000}},
            {"snapshotFullCanvas", {0, 0}},
            {"transparentSnapshotBackground", {1, 1}},
            {"noSnapshotMargin", {1, 1}},
            {"inspectorInitiallyOpen", {1, 1}},
            {"dragInspector", {1, 1}},
            {"pageListMinWidth", {200, 200}},
            {"pageIconColumns", {1, 1}},
            {"showPageExtensionInList", {0, 0}},
            {"hideMainLaunchPageOption", {1, 1}},
            {"pageTitlesEnabled", {1, 1}},
            {"lockPageFileName", {1, 1}},
            {"lockPageTitle", {1, 1}},
            {"hideGrabPageLink", {1, 1}},
            {"hidePositionSettings", {1, 1}},
            {"hideGalleryCaptionEdit", {1, 1}},
            {"hideLinkToPage", {1, 1}},
            {"objectCatalogName", {"Crovane", "Crovane"}},
            {"maxImportedImageWidth", {600, 600}},
            {"originalImageMaxSize", {-999, -999}},
            {"dateStampNewText", {0, 0}},
            {"tableCellSelection", {1, 1}},
            {"tableImages", {1, 1}},
            {"sameWidthTableColumns", {1, 1}},
            {"defaultFontSize", {15, 15}},
            {"cornerTextInset", {1, 1}},
            {"textCategoryNames", {standardTextStyleNames, standardTextStyleNames}},
            {"textCategoryFonts", {standardTextStyleFonts, standardTextStyleFonts}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors}},
            {"textCategoryFillColors", {standardTextStyleFillColors, standardTextStyleFillColors}},
            {"colorPalette", {extendedPalette, extendedPalette}},
            {"showColorView", {0, 0}},
            {"hideStandardFonts", {1, 1}},
            {"fontMenuPreview", {1, 1}},
            {"transparentBackgroundAllowed", {1, 1}},
            {"personalizedTagList", {personalMergeTags, personalMergeTags}},
            {"supportEmail", {kMakerMailbox, kMakerMailbox}},
            {"productWebsiteURL", {kPlimsyMailsSite, kPlimsyMailsSite}},
            {"videoTutorialsURL", {kPlimsyMailsTutorials, kPlimsyMailsTutorials}},
            {"rateAppURL", {"https://www.velk.app/plimsy-mails-pro-2/store", ""}},
            {"userGuideFile", {"PlimsyMailsPro2.PDF", "PlimsyMailsExpress.PDF"}},
            {"dropboxAppKey", {"k7vq2mzt9xw4rbn", "zr6nfk2bqyx8mtw"}},
            {"dropboxAppSecret", {"p3hd8wcy5tjqlsv", "w9gvlq4dxs7hkcp"}},
            {"mailCanvasPresets", {1, 1}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
