#include "profile/configurations/Configurations.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

QStringList twoPageList(const ProductProfile& profile)
{
    return {profile.gettingStartedFile, QStringLiteral("index.velkpage")};
}

constexpr const char* kMakerMailbox = "info@velk.app";
constexpr const char* kMakerHomePage = "https://www.velk.app";
constexpr const char* kVelkProSite = "https://www.velk.app/html-velk-pro";
constexpr const char* kViewerNote =
    "This viewer opens and reads web design documents saved in \"velkpage\" format, it is the only viewer "
    "that allows PDF export and interaction with all web design elements.\n\n"
    "Please note changes can not be saved.\n\n"
    "To edit and save changes, use the HTML Velk App, available for iPhone, iPad and Mac.";

} // namespace

// Website designer, recipe, photo, video and folder catalogues, entry collection and the document viewer.
const ConfigurationTable& pageDesignerConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"HTML Velk Pro", "Crundle Rice Recipe Manager", "My Photos Drimble", "Kestrand Photo Grid",
         "Kestrand Video Grid", "Folder Size Ombrel", "Water Snibbet", "Velkpage Web Design Document Viewer"},
        {
            {"productIcon",
             {ProfileCell::image("html_velk_pro"), ProfileCell::image("crundle_rice2"),
              ProfileCell::image("my_photos_drimble"), ProfileCell::image("kestrand_photo_grid"),
              ProfileCell::image("kestrand_video_grid"), ProfileCell::image("folder_size_ombrel"),
              ProfileCell::image("water_snibbet"), ProfileCell::image("velkpage_viewer")}},
            {"documentExtension",
             {"velkpage", "velkpage", "velkpage", "velkpage", "velkpage", "velkpage", "velkpage", "velkpage"}},
            {"templateFolder",
             {"templates", "crundlerice_templates", "my_photos_drimble_templates", "my_photos_drimble_templates",
              "my_photos_drimble_templates", "my_photos_drimble_templates", "crundlerice_templates", "templates"}},
            {"newDocumentName",
             {"New Website", "New Recipe Collection", "New Photo Collection", "New Photo Grid", "New Video Grid",
              "New Folder Size Ombrel", "New Recipe Collection", "New Document"}},
            {"pageNoun", {"page", "recipe", "photo", "photo", "video", "catalog", "entry", "page"}},
            {"gettingStartedFile",
             {"GettingStarted.velkpage", "blank/Blank.velkpage", "GettingStarted.velkpage",
              "GettingStarted.velkpage", "GettingStarted.velkpage", "GettingStarted.velkpage",
              "blank/Blank.velkpage", none}},
            {"starterPages",
             {twoPageList, gettingStartedPageOnly, gettingStartedPageOnly, gettingStartedPageOnly,
              gettingStartedPageOnly, gettingStartedPageOnly, gettingStartedPageOnly, none}},
            {"samplePage", {none, none, none, none, none, none, none, "SamplePage.velkpage"}},
            {"neverEdited", {none, none, none, none, none, none, none, 1}},
            {"refreshIconOnSave", {1, 1, none, none, none, none, 1, 0}},
            {"refreshAllPagesInLoop", {0, 0, 1, 1, 1, 1, 0, 0}},
            {"templateIconsPerRow", {4, 4, 4, 4, 4, 4, 4, 4}},
            {"welcomeNote", {"", "", "", "", "", "", "", kViewerNote}},
            {"canvasWidth", {1500, 2000, 1500, 1500, 1500, 1500, 2000, 1500}},
            {"canvasHeight", {30000, 5000, 60000, 60000, 60000, 60000, 5000, 60000}},
            {"defaultPageWidth", {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000}},
            {"defaultPageHeight", {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000}},
            {"canvasScale", {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0}},
            {"selectionHandleLineWidth", {2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 2.0, 3.0}},
            {"screenshotSize", {200, 200, 200, 200, 200, 200, 200, 200}},
            {"simplifiedWindow", {none, none, none, 1, 1, 1, none, none}},
            {"inspectorInitiallyOpen", {0, 0, 0, 0, 0, 0, 0, 0}},
            {"pageListMinWidth", {200, 200, 120, 120, 120, 120, 200, 120}},
            {"pageIconColumns", {1, 1, 1, 1, 1, 1, 1, 1}},
            {"showPageExtensionInList", {1, 0, 0, 0, 0, 0, 0, 0}},
            {"hideMainLaunchPageOption", {none, 1, 1, 1, 1, 1, 1, 1}},
            {"pageTitlesEnabled", {1, 1, 1, 1, 1, 1, 1, 1}},
            {"fullWebsiteSettings", {1, none, none, none, none, none, none, none}},
            {"hideTotalRefreshWebsite", {none, none, 1, 1, 1, 1, none, none}},
            {"hideClickToEnlarge", {none, none, none, none, none, none, none, 1}},
            {"hideTooltipControls", {none, none, none, none, none, none, none, 1}},
            {"objectCatalogName", {"Velk", none, none, none, none, none, none, none}},
            {"maxImportedImageWidth", {600, 600, 200, 200, 200, 200, 600, 600}},
            {"originalImageMaxSize", {-999, -999, 99999, 99999, 99999, 99999, -999, -999}},
            {"dateStampNewText", {0, 0, 0, 0, 0, 0, 0, none}},
            {"defaultFontSize", {15, 15, 15, 15, 15, 15, 15, 15}},
            {"textCategoryNames",
             {standardTextStyleNames, standardTextStyleNames, standardTextStyleNames, standardTextStyleNames,
              standardTextStyleNames, standardTextStyleNames, standardTextStyleNames, none}},
            {"textCategoryFonts",
             {standardTextStyleFonts, standardTextStyleFonts, standardTextStyleFonts, standardTextStyleFonts,
              standardTextStyleFonts, standardTextStyleFonts, standardTextStyleFonts, none}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors,
              standardTextStyleForegroundColors, standardTextStyleForegroundColors,
              standardTextStyleForegroundColors, standardTextStyleForegroundColors,
              standardTextStyleForegroundColors, none}},
            {"textCategoryFillColors",
             {standardTextStyleFillColors, standardTextStyleFillColors, standardTextStyleFillColors,
              standardTextStyleFillColors, standardTextStyleFillColors, standardTextStyleFillColors,
              standardTextStyleFillColors, none}},
            {"colorPalette",
             {uniqueExtendedPalette, standardPalette, standardPalette, standardPalette, standardPalette,
              standardPalette, standardPalette, standardPalette}},
            {"showColorView", {1, 0, 1, 1, 1, 1, 0, 0}},
            {"fileCatalogMode", {none, none, 0, 0, 0, 1, none, none}},
            {"photoCatalogMode", {none, none, 1, 1, 0, 0, none, none}},
            {"videoCatalogMode", {none, none, none, 0, 1, 0, none, none}},
            {"supportEmail",
             {"support@velk.app", kMakerMailbox, kMakerMailbox, kMakerMailbox, kMakerMailbox, kMakerMailbox,
              kMakerMailbox, kMakerMailbox}},
            {"productWebsiteURL",
             {kVelkProSite, "https://www.velk.app/crundle-rice", kMakerHomePage, "https://www.velk.app/photo-grid",
              "https://www.velk.app/video-grid", "https://www.velk.app/folder-size", kMakerHomePage, kVelkProSite}},
            {"videoTutorialsURL",
             {"https://www.velk.app/html-velk-pro/tutorials", none, none, none, none, none, none, none}},
            {"rateAppURL", {"https://www.velk.app/html-velk-pro/store", none, none, none, none, none, none, none}},
            {"userGuideFile", {"HTMLVelkProUserGuide-Mac.PDF", none, none, none, none, none, none, none}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
