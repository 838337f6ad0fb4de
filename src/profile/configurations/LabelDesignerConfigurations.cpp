#include "profile/configurations/Configurations.h"
#include "profile/configurations/PrintFamilyAddresses.h"
#include "profile/configurations/PrintProductLists.h"
#include "profile/configurations/SharedLists.h"

#include "profile/services/FileServices.h"

#include <QRegularExpression>

namespace Configurations {

namespace {

constexpr const char* kDefaultLabelSheet = "Label - 30 Per Letter Sheet";

// Every kind of line end ends a line by itself, so a CR LF pair leaves an empty line between its halves.
const QRegularExpression& lineBreak()
{
    static const QRegularExpression pattern(
        QStringLiteral("[\\x{000A}-\\x{000D}\\x{0085}\\x{2028}\\x{2029}]"));
    return pattern;
}

// One vendor stock per line: brand, stock number, sheet description, paper. There is no quoting, and fields
// after the fourth are ignored.
LabelTemplateList labelTemplatesFromText(const QString& text)
{
    LabelTemplateList templates;
    for (const QString& line : text.split(lineBreak())) {
        const QStringList fields = line.split(u',');
        // Blank lines (also the one after a final line break) and cut-off lines name no stock.
        if (fields.size() < 4)
            continue;
        QString paper = fields[3].trimmed();
        if (paper == u"US Letter")
            paper = QStringLiteral("na-letter");
        auto entry = std::make_shared<LabelTemplateHelper>();
        entry->setBrand(fields[0].trimmed());
        entry->setTemplateNumber(fields[1].trimmed());
        entry->setPaperSize(paper);
        entry->setTemplateDescription(fields[2].trimmed());
        templates.append(entry);
    }
    // Stock numbers sort as text, as the template pop-up has always listed them.
    return DataCentre::sortArray(templates, QStringLiteral("templateNumber"), true);
}

void readLabelTemplateList(ProductProfile& profile)
{
    profile.printTemplateList =
        labelTemplatesFromText(DataCentre::readBundleFile(QStringLiteral("labels"), QStringLiteral("csv")));
}

void setDefaultLabelTemplate(ProductProfile& profile)
{
    auto entry = std::make_shared<LabelTemplateHelper>();
    entry->setBrand(QStringLiteral("Avery"));
    entry->setTemplateNumber(QStringLiteral("5160"));
    entry->setTemplateDescription(QString::fromUtf8(kDefaultLabelSheet));
    entry->setPaperSize(QStringLiteral("na-letter"));
    profile.defaultLabelTemplate = entry;
}

} // namespace

// The 30-per-sheet label designer, whose canvas is one label of its one sheet, and the label maker with a
// choice of vendor stocks read from the bundle's label list.
const ConfigurationTable& labelDesignerConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"Fennick Label Designer Pro", "Tazmir Label Maker"},
        {
            {"productIcon",
             {ProfileCell::image("fennick_label_designer_pro"), ProfileCell::image("label_gondrel")}},
            {"documentExtension", {"vintrosk", "vintrosk"}},
            {"templateFolder", {"labels_templates", "tazmirlabel_templates"}},
            {"newDocumentName", {"New Label Sheet", "New Design Project"}},
            {"pageNoun", {"label", "label"}},
            {"gettingStartedFile", {"blank/Blank.vintrosk", "blank/Blank.vintrosk"}},
            {"starterPages", {gettingStartedPageOnly, gettingStartedPageOnly}},
            {"keepUnnamedPage", {1, 1}},
            {"useOfficialPageName", {1, 1}},
            {"refreshIconOnSave", {1, 1}},
            {"refreshAllPagesInLoop", {1, 1}},
            {"templateIconsPerRow", {4, 4}},
            {"welcomeNote", {"", ""}},
            {"selectionHandleLineWidth", {2.0, 2.0}},
            {"snapshotFullCanvas", {1, 1}},
            {"inspectorInitiallyOpen", {none, 1}},
            {"dragInspector", {none, 1}},
            {"pageListMinWidth", {320, 150}},
            {"pageIconColumns", {3, 1}},
            {"showPageExtensionInList", {0, 0}},
            {"baseTemplateTileOption", {none, 1}},
            {"pageTileExtraView", {none, 1}},
            {"hideMainLaunchPageOption", {1, 1}},
            {"pageTitlesEnabled", {0, 0}},
            {"lockPageFileName", {1, 1}},
            {"hideLinkControls", {1, 1}},
            {"hideGrabPageLink", {1, 1}},
            {"hidePositionSettings", {1, 1}},
            {"hideClickToEnlarge", {1, 1}},
            {"hideTooltipControls", {1, 1}},
            {"objectCatalogName", {"Label", "Label"}},
            {"maxImportedImageWidth", {600, 600}},
            {"originalImageMaxSize", {-999, -999}},
            {"dateStampNewText", {0, 0}},
            {"tableCellSelection", {none, 1}},
            {"sameWidthTableColumns", {1, 1}},
            {"defaultFontSize", {60, 80}},
            {"cornerTextInset", {1, 1}},
            {"textCategoryNames", {standardTextStyleNames, standardTextStyleNames}},
            {"textCategoryFonts", {fennickTextStyleFonts, decorativeTextStyleFonts}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors}},
            {"textCategoryFillColors", {standardTextStyleFillColors, standardTextStyleFillColors}},
            {"colorPalette", {extendedPalette, extendedPalette}},
            {"showColorView", {0, 0}},
            {"wideBorderRange", {1, 1}},
            // The canvas, page and preview sizes and the scale come from the one sheet.
            {"selectedPrintSheet", {kDefaultLabelSheet, none}},
            {"apply print sheet", {ProfileCell::run(applySelectedPrintSheet), none}},
            {"hideStandardFonts", {1, 1}},
            {"fontMenuPreview", {1, 1}},
            {"transparentBackgroundAllowed", {1, 1}},
            {"printSheetDesign", {none, 1}},
            {"printTemplateList", {none, ProfileCell::run(readLabelTemplateList)}},
            {"defaultLabelTemplate", {none, ProfileCell::run(setDefaultLabelTemplate)}},
            {"paperSizeChoice", {none, 0}},
            {"personalizedTagList", {personalAndCompanyMergeTags, personalAndCompanyMergeTags}},
            {"supportEmail", {kLabelFamilyInfoMail, kLabelFamilyInfoMail}},
            {"productWebsiteURL",
             {"https://www.velk.app/fennick-label-designer-pro", "https://www.velk.app/tazmir-label-maker"}},
            {"videoTutorialsURL",
             {"https://www.velk.app/fennick-label-designer-pro/tutorials",
              "https://www.velk.app/tazmir-label-maker/tutorials"}},
            {"rateAppURL",
             {"https://www.velk.app/fennick-label-designer-pro/store",
              "https://www.velk.app/tazmir-label-maker/store"}},
            {"userGuideFile", {"FennickLabelDesignerPro.PDF", "TazmirLabelsUserGuide.PDF"}},
            {"pagesWithoutBaseTemplate", {none, 1}},
            {"raiseProgressWindow", {none, 1}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
