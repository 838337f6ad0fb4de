#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintFamilyAddresses.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

// Each font serves an odd style (colour on white) and the even style after it (white on colour).
QStringList chartTextStyleFonts(const ProductProfile&)
{
    return {"Helvetica Neue", "Helvetica Neue", "Impact", "Impact",    "Heiti TC",
            "Heiti TC",       "Futura",         "Futura", "Gill Sans", "Gill Sans"};
}

constexpr const char* kChartSite = "https://www.velk.app/tamble-chart";
constexpr const char* kChartTutorials = "https://www.velk.app/tamble-chart/tutorials";
constexpr const char* kChartStore = "https://www.velk.app/tamble-chart/store";
constexpr const char* kChartUserGuide = "TambleChartDesignerProManual.PDF";
// The family tree maker borrows a label product's home page; no other product links to it.
constexpr const char* kFamilyTreeSite = "https://www.velk.app/label-gondrel";

} // namespace

// Organisation chart designers and the family tree maker.
const ConfigurationTable& chartConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Tamble Chart Designer Pro", "Tamble Chart Designer Pro 2", "Tazmir Family Tree Maker"},
        {
            {"productIcon",
             {ProfileCell::image("tamble_chart_designer_pro"), ProfileCell::image("tamble_chart_designer_pro"),
              ProfileCell::image("label_gondrel")}},
            {"documentExtension", {"vintrosk", "vintrosk", "vintrosk"}},
            {"templateFolder", {"tamblechart_templates", "tamblechart_templates2", "viravivu_templates"}},
            {"newDocumentName", {"New Tamble Chart Database", "New Tamble Chart Database", "New Design Project"}},
            {"pageNoun", {"chart", "chart", "label"}},
            {"gettingStartedFile", {"GettingStarted.vintrosk", "GettingStarted.vintrosk", "blank/Blank.vintrosk"}},
            {"starterPages", {gettingStartedPageOnly, gettingStartedPageOnly, gettingStartedPageOnly}},
            {"keepUnnamedPage", {1, 1, none}},
            {"useOfficialPageName", {1, 1, 1}},
            {"refreshIconOnSave", {1, 1, 1}},
            {"refreshAllPagesInLoop", {1, 1, 1}},
            {"templateIconsPerRow", {4, 4, none}},
            {"welcomeNote", {"", "", ""}},
            {"canvasWidth", {10000, 10000, 10000}},
            {"canvasHeight", {10000, 10000, 60000}},
            {"defaultPageWidth", {1000, 1000, 1000}},
            {"defaultPageHeight", {1000, 1000, 1000}},
            {"canvasScale", {1.0, 1.0, 1.0}},
            {"selectionHandleLineWidth", {2.0, 2.0, 4.0}},
            {"screenshotSize", {200, 200, 200}},
            {"snapshotFullCanvas", {none, none, 1}},
            {"inspectorInitiallyOpen", {0, 0, 1}},
            {"dragInspector", {none, 1, 1}},
            {"pageListMinWidth", {200, 200, 150}},
            {"pageIconColumns", {1, 1, 1}},
            {"showPageExtensionInList", {0, 0, 0}},
            {"hideMainLaunchPageOption", {1, 1, 1}},
            {"pageTitlesEnabled", {1, 1, 0}},
            {"lockPageFileName", {1, 1, none}},
            {"lockPageTitle", {1, 1, none}},
            {"hideLinkControls", {1, 1, 1}},
            {"hideGrabPageLink", {1, 1, 1}},
            {"hidePositionSettings", {1, 1, 1}},
            {"hideClickToEnlarge", {none, none, 1}},
            {"hideTooltipControls", {none, none, 1}},
            {"allowAddBranch", {1, 1, none}},
            {"objectCatalogName", {"Chart", "Chart", "familyTree"}},
            {"maxImportedImageWidth", {600, 600, 600}},
            {"originalImageMaxSize", {-999, -999, -999}},
            {"dateStampNewText", {0, 0, 0}},
            {"tableCellSelection", {1, 1, none}},
            {"sameWidthTableColumns", {1, 1, 1}},
            {"defaultFontSize", {20, 20, 100}},
            {"cornerTextInset", {1, 1, 1}},
            {"textCategoryNames", {standardTextStyleNames, standardTextStyleNames, standardTextStyleNames}},
            {"textCategoryFonts", {chartTextStyleFonts, chartTextStyleFonts, decorativeTextStyleFonts}},
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
            {"paperSizeChoice", {none, none, 0}},
            {"personalizedTagList", {none, none, personalMergeTags}},
            {"supportEmail", {kPrintFamilySupportMail, kPrintFamilySupportMail, kPrintFamilySupportMail}},
            {"productWebsiteURL", {kChartSite, kChartSite, kFamilyTreeSite}},
            {"videoTutorialsURL", {kChartTutorials, kChartTutorials, none}},
            {"rateAppURL", {kChartStore, kChartStore, none}},
            {"userGuideFile", {kChartUserGuide, kChartUserGuide, none}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
