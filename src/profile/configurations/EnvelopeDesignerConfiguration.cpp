#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

void fillEnvelopeTemplates(ProductProfile& profile)
{
    profile.printTemplateList = {
        sheetTemplate("Envelope #10 4.125\" x 9.5\"", "na-number-10-envelope"),
        sheetTemplate("Envelope DL 4.4\" x 8.8\"", "iso-designated-long-envelope"),
        sheetTemplate("Monarch 3.875\" x 7.5\"", "monarch-envelope"),
        sheetTemplate("Envelope #9 3.875\" x 8.875\"", "na-number-9-envelope"),
    };
}

} // namespace

// The envelope designer: single designs on one of four envelope sheets, measured in inches.
const ConfigurationTable& envelopeDesignerConfiguration()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Blue Skellow Envelope Designer"},
        {
            {"productIcon", {ProfileCell::image("blue_skellow_envelope_designer")}},
            {"documentExtension", {"vintrosk"}},
            {"templateFolder", {"envelope_templates"}},
            {"newDocumentName", {"New Project"}},
            {"pageNoun", {"1"}},
            {"gettingStartedFile", {"blank/Blank.vintrosk"}},
            {"starterPages", {gettingStartedPageOnly}},
            {"singleDocumentMode", {1}},
            {"keepUnnamedPage", {1}},
            {"refreshIconOnSave", {1}},
            {"refreshAllPagesInLoop", {0}},
            {"templateIconsPerRow", {999}},
            {"welcomeNote", {""}},
            // Held only when the catalogue lacks the envelope sheet; otherwise the sheet replaces them below.
            {"canvasWidth", {1500}},
            {"canvasHeight", {30000}},
            {"defaultPageHeight", {1000}},
            {"defaultPageWidth", {1000}},
            {"canvasScale", {1.0}},
            {"selectionHandleLineWidth", {3.0}},
            {"screenshotSize", {200}},
            {"snapshotFullCanvas", {1}},
            {"inspectorInitiallyOpen", {1}},
            {"dragInspector", {1}},
            {"pageListMinWidth", {300}},
            {"pageIconColumns", {2}},
            {"showPageExtensionInList", {1}},
            {"hidePageSearchField", {1}},
            {"plainPageTileLabels", {1}},
            {"baseTemplateTileOption", {1}},
            {"pageTileExtraView", {1}},
            {"pageTitlesEnabled", {1}},
            {"fullWebsiteSettings", {1}},
            {"hideLinkControls", {1}},
            {"hideGrabPageLink", {1}},
            {"hidePositionSettings", {1}},
            {"objectCatalogName", {"QuorvikVirAvivu"}},
            {"maxImportedImageWidth", {600}},
            {"originalImageMaxSize", {-999}},
            {"dateStampNewText", {0}},
            {"tableCellSelection", {1}},
            {"sameWidthTableColumns", {1}},
            {"defaultFontSize", {15}},
            {"textCategoryNames", {standardTextStyleNames}},
            {"textCategoryFonts", {standardTextStyleFonts}},
            {"textCategoryForegroundColors", {standardTextStyleForegroundColors}},
            {"textCategoryFillColors", {standardTextStyleFillColors}},
            {"colorPalette", {uniqueExtendedPalette}},
            {"showColorView", {1}},
            {"wideBorderRange", {1}},
            {"hideStandardFonts", {1}},
            {"fontMenuPreview", {1}},
            {"printSheetDesign", {1}},
            {"printTemplateList", {ProfileCell::run(fillEnvelopeTemplates)}},
            {"selectedPrintSheet", {"Envelope #10 4.125\" x 9.5\""}},
            {"apply print sheet", {ProfileCell::run(applySelectedPrintSheet)}},
            {"paperSizeChoice", {0}},
            {"rulerUnits", {"Inches"}},
            {"supportEmail", {"support@velk.app"}},
            {"productWebsiteURL", {"https://www.velk.app"}},
            {"rateAppURL", {"https://www.velk.app/blue-skellow-envelope-designer/store"}},
            {"userGuideFile", {""}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
