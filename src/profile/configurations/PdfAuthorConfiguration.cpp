#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintFamilyAddresses.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

namespace Configurations {

namespace {

QStringList pdfAuthorStarterPages(const ProductProfile& profile)
{
    return {profile.gettingStartedFile, QStringLiteral("blank/1.yux"), QStringLiteral("blank/2.yux"),
            QStringLiteral("blank/3.yux")};
}

struct PageSize {
    const char* description; // a sheet of the print catalogue
    const char* paperSize;
};

// In the order the page-size pop-up offers them.
constexpr PageSize kPageSizes[] = {
    {"US Letter - Portrait HD", "na-letter"},
    {"US Letter - Landscape HD", "na-letter"},
    {"US Legal - Portrait HD", "na-legal"},
    {"US Legal - Landscape HD", "na-legal"},
    {"A4 - Portrait HD", "A4"},
    {"A4 - Landscape HD", "A4"},
    {"US Letter - Portrait - 72 DPI", "na-letter"},
    {"US Letter - Landscape - 72 DPI", "na-letter"},
    {"US Legal - Portrait - 72 DPI", "na-legal"},
    {"US Legal - Landscape - 72 DPI", "na-legal"},
    {"A4 - Portrait - 72 DPI", "A4"},
    {"A4 - Landscape - 72 DPI", "A4"},
    {"3.5\" x 4.3\" HD", "na-letter"},
    {"4.3\" x 3.5\" HD", "na-letter"},
    {"4.25\" x 5.5\" HD", "na-letter"},
    {"5.5\" x 4.25\" HD", "na-letter"},
    {"4.15\" x 5.85\" HD", "A4"},
    {"5.85\" x 4.15\" HD", "A4"},
    {"5\" x 7\" HD", "na-letter"},
    {"7\" x 5\" HD", "na-letter"},
    {"5.5\" x 8.5\" HD", "na-letter"},
    {"8.5\" x 5.5\" HD", "na-letter"},
    {"6\" x 11\" HD", "na-letter"},
    {"11\" x 6\" HD", "na-letter"},
    {"4.75\" x 4.75\" HD", "na-letter"},
    {"6\" x 6\" HD", "na-letter"},
    {"7\" x 7\" HD", "na-letter"},
    {"8\" x 8\" HD", "na-letter"},
    {"12\" x 12\" HD", "na-letter"},
};

void fillPageSizeList(ProductProfile& profile)
{
    profile.printTemplateList.clear();
    for (const PageSize& size : kPageSizes)
        profile.printTemplateList.append(sheetTemplate(size.description, size.paperSize));
}

// Alike in values to the first page size, but an object of its own.
void setDefaultPageSize(ProductProfile& profile)
{
    profile.defaultLabelTemplate = sheetTemplate(kPageSizes[0].description, kPageSizes[0].paperSize);
}

} // namespace

// The PDF manual author: pages of a shared base template, each sized by a sheet of the print catalogue.
const ConfigurationTable& pdfAuthorConfiguration()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Tazmir PDF Author"},
        {
            {"productIcon", {ProfileCell::image("tazmir_manual")}},
            {"documentExtension", {"yux"}},
            {"templateFolder", {"manual_templates"}},
            {"newDocumentName", {"New PDF Author Project"}},
            {"pageNoun", {""}},
            {"gettingStartedFile", {"blank/basetemplate.yux"}},
            {"starterPages", {pdfAuthorStarterPages}},
            {"usePageOrderIndex", {1}},
            {"keepUnnamedPage", {1}},
            {"useOfficialPageName", {1}},
            {"refreshIconOnSave", {1}},
            {"refreshAllPagesInLoop", {1}},
            {"templateIconsPerRow", {4}},
            {"welcomeNote", {""}},
            {"canvasScale", {1.0}},
            {"selectionHandleLineWidth", {2.0}},
            {"snapshotFullCanvas", {1}},
            {"inspectorInitiallyOpen", {1}},
            {"dragInspector", {1}},
            {"pageListMinWidth", {150}},
            {"pageIconColumns", {1}},
            {"showPageExtensionInList", {0}},
            {"plainPageTileLabels", {1}},
            {"baseTemplateTileOption", {1}},
            {"pageTileExtraView", {1}},
            {"headerFooterTileLabel", {1}},
            {"pageTileFrameOption", {1}},
            {"hideMainLaunchPageOption", {1}},
            {"pageTitlesEnabled", {1}},
            {"lockPageFileName", {1}},
            {"hideLinkControls", {1}},
            {"hideGrabPageLink", {1}},
            {"hidePositionSettings", {1}},
            {"hideClickToEnlarge", {1}},
            {"hideTooltipControls", {1}},
            {"hideGalleryCaptionEdit", {1}},
            {"allowInsertPage", {1}},
            {"objectCatalogName", {"Manual"}},
            {"maxImportedImageWidth", {400}},
            {"originalImageMaxSize", {-999}},
            {"dateStampNewText", {0}},
            {"tableCellSelection", {1}},
            {"tableImages", {1}},
            {"sameWidthTableColumns", {1}},
            {"defaultFontSize", {100}},
            {"cornerTextInset", {1}},
            {"dashedTextOutline", {1}},
            {"snippetFormattingEnabled", {1}},
            {"textCategoryNames", {standardTextStyleNames}},
            {"textCategoryFonts", {decorativeTextStyleFonts}},
            {"textCategoryForegroundColors", {standardTextStyleForegroundColors}},
            {"textCategoryFillColors", {standardTextStyleFillColors}},
            {"colorPalette", {extendedPalette}},
            {"showColorView", {0}},
            {"wideBorderRange", {1}},
            {"hideStandardFonts", {1}},
            {"fontMenuPreview", {1}},
            {"transparentBackgroundAllowed", {1}},
            {"printSheetDesign", {1}},
            {"printTemplateList", {ProfileCell::run(fillPageSizeList)}},
            {"defaultLabelTemplate", {ProfileCell::run(setDefaultPageSize)}},
            {"paperSizeChoice", {0}},
            {"personalizedTagList", {personalMergeTags}},
            {"supportEmail", {kPrintFamilySupportMail}},
            {"productWebsiteURL", {kPrintFamilySite}},
            {"videoTutorialsURL", {"https://www.velk.app/tazmir-pdf-author/tutorials"}},
            {"rateAppURL", {"https://www.velk.app/tazmir-pdf-author/store"}},
            {"userGuideFile", {"TazmirPDFAuthor.PDF"}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
