#include "app/menus/ProductMenuTable.h"

#include "profile/configurations/Configurations.h"

#include <QRegularExpression>

namespace ProductMenuTable {

namespace {

// Each row: an item and the configurations that hide it, written as ranges ("3-4, 8-11"), or as the
// configurations among 1 to 35 that keep it ("all except 5-6, 12").
struct HiddenRow {
    const char* outlet;
    const char* configurations;
};

// clang-format off
const HiddenRow kHiddenRows[] = {
    {"addBranchMenuItem", "all except 5-6, 12"},
    {"addInBaseTemplate", "all except 1-2, 12, 22"},
    {"addInNewBlankForm", "all except 1-2, 12-13, 26"},
    {"addInNewBlankPage", "3-4, 8-11, 13-15, 26-32"},
    {"addInNewFromTemplate", "8-11, 14-16, 19-20, 22, 27-32"},
    {"addIntoGroupMenuItem", "4, 8-11, 18, 20-21, 24, 26, 29, 32-35"},
    {"addNewBlankGroupMenuItem", "3-6, 13-15, 17-18, 21, 24, 26, 29, 32-35"},
    {"addNewDirectlyFromTemplateMenuItem", "all except 12, 14-15, 24"},
    {"addNewVelkLinkMenuItem", "all except 1-2, 12"},
    {"addNewFormObjectMenuItem", "all except 1-2, 12-13, 26"},
    {"addNewGalleryMenuItem", "all except 1-2, 7, 12"},
    {"addNewLineMenuItem", "1-4, 7-11, 13, 26-32"},
    {"addNewParentMenuItem", "all except 1-2, 5-8, 12-15, 27-28, 30-31"},
    {"addNewPatientMenuItem", "all except 12, 27-32"},
    {"addNewPersonalizationMenuItem", "1-2, 5-11, 13, 26-32"},
    {"addNewPhotoMenuItem", "8-11"},
    {"addNewShapeMenuItem", "3-4, 27-32"},
    {"addNewSlideshowMenuItem", "all except 1-2, 5-7, 12"},
    {"addNewSnippetMenuItem", "all except 1-2, 12"},
    {"addNewTableMenuItem", "3-4, 14"},
    {"addNewTableParentMenuItem", "14"},
    {"addNewTableSiteMapHMenuItem", "all except 1-4, 7-12, 14"},
    {"addNewTableSiteMapMenuItem", "all except 1-4, 7-12, 14"},
    {"addNewTemplateGroupMenuItem", "all except 3-6, 12-15, 17-18, 21, 24, 26, 33-35"},
    {"addressBookMenuItem", "1-4, 7-11, 13, 26-32"},
    {"canvasSizeMenuItem", "all except 1, 12"},
    {"createNewParentMenuItem", "29, 32"},
    {"customizeCategoriesMenuItem", "all except 12, 27-32"},
    {"displayColumnOptionMenuItem", "14-21, 23-25, 33-35"},
    {"exportAllToPDFMenuItem", "all except 12"},
    {"exportAllToRawFilesMenuItem", "all except 1-2, 7-8, 12-13, 29"},
    {"exportDifferentLabelMenuItem", "all except 12, 14-15, 23-25"},
    {"exportPDFSheetCopyMenuItem", "all except 12, 14-25, 33-35"},
    {"exportSingleLabelMenuItem", "all except 12, 14-15, 23-25"},
    {"exportSingleLabelRepeatMenuItem", "all except 12, 14-15, 23-25"},
    {"exportSourceFilesParentMenuItem", "all except 1-2, 8, 12-13, 23, 25-28, 30, 32"},
    {"exportToJPGMenuItem", "all except 5-6, 12"},
    {"exportToPDFMenuItem", "3-4, 14-25, 33-35"},
    {"exportToPNGMenuItem", "1-2, 7-11, 13, 22, 26-32"},
    {"exportToRawFilesMenuItem", "all except 1-2, 12-13, 26"},
    {"formPreferencesMenuItem", "all except 1-2, 12-13, 26"},
    {"formatMenuItem", "9-11"},
    {"ftpSettingsMenuItem", "all except 1-2, 7-13, 26"},
    {"gettingStartedMenuItem", "7-11, 21, 23, 25, 27-35"},
    {"iOSEditionMenuItem", "all except 1-2, 8, 12-13, 27-28, 30-32"},
    {"imageSettingsMenuItem", "all except 3-4, 12"},
    {"importMultiplePagesMenuItem", "all except 12"},
    {"importPageMenuItem", "all except 1-2, 12-13, 26"},
    {"insertNewDisplayOptionMenuItem", "all except 1-7, 12-13, 26-32"},
    {"mailCanvasSizeMenuItem", "all except 3-4, 12"},
    {"openFormMenuItem", "all except 1-2, 12-13, 26"},
    {"openGroupMenuItem", "4, 20, 24, 26, 29, 32-35"},
    {"openMenuItem", "9-11"},
    {"openPageMenuItem", "18, 22, 26"},
    {"tazmirLabelMakerMenuItem", "all except 12, 14"},
    {"pagePreferencesMenuItem", "all except 1-2, 5-6, 12-13, 26"},
    {"printMenuItem", "all except 12, 14-16, 23, 25"},
    {"printPageMenuItem", "9-11, 14-16, 23-25, 29, 32"},
    {"profileMenuItem", "all except 12, 27-31"},
    {"publishAllPagesMenuItem", "7, 26"},
    {"publishAllPagesNoImagesMenuItem", "7, 26"},
    {"publishMailMenuItem", "all except 12, 24"},
    {"publishMenuItem", "all except 1-2, 7-8, 12-13, 26"},
    {"publishThisPageNoImagesMenuItem", "7, 26"},
    {"rotateCanvasMenuItem", "all except 12, 16"},
    {"saveAsMenuItem", "9-11, 15-19, 21-22, 27-29, 32"},
    {"saveMenuItem", "9-11, 29, 32"},
    {"selectAllMenuItem", "2, 24"},
    {"selectPhotosInputFolderMenuItem", "all except 8, 12"},
    {"senderSMTPSettingsMenuItem", "all except 3-4, 12"},
    {"settingsMenuItem", "5-6, 9-11, 17-22, 24, 29, 33-35"},
    {"shareMenuItem", "1-2, 8, 13, 24, 26-28, 30"},
    {"showProfileBadgeMenuItem", "all except 12, 27-32"},
    {"sourcecodeMenuItem", "all except 1-6, 12-13, 26, 32"},
    {"styleEditorMenuItem", "24, 26-32, 34"},
    {"updateProfileMenuItem", "32"},
    {"uploadDocumentMenuItem", "7-11, 26"},
    {"viewMenuItem", "4, 9-11, 20, 26, 29, 32-35"},
    {"webPreviewMenuItem", "7, 13, 26"},
    {"websitePreferencesMenuItem", "all except 1-2, 5-6, 12, 27-28, 30"},
};
// clang-format on

struct ChangeRow {
    QList<int> configurations;
    QList<Change> changes;
};

const QList<ChangeRow>& changeRows()
{
    using enum Change::Kind;
    // clang-format off
    static const QList<ChangeRow> rows = {
        {{1},
         {{"openGroupMenuItem", Title, "Open Website"},
          {"openPageMenuItem", Title, "Open Single Page"},
          {"openFormMenuItem", Title, "Open Single Form"}}},
        {{3},
         {{"addIntoGroupMenuItem", Title, "Add New..."},
          {"addNewTemplateGroupMenuItem", Title, "New Project"},
          {"addInNewFromTemplate", Title, "Add From Template"},
          {"openPageMenuItem", Title, "Open single .plimsymails file"},
          {"openGroupMenuItem", Title, "Open Design Folder"},
          {"sourcecodeMenuItem", Action, "showMailSourceCode"}}},
        {{4},
         {{"addIntoGroupMenuItem", Title, "Add New..."},
          {"addNewTemplateGroupMenuItem", Title, "New Project"},
          {"addInNewFromTemplate", Title, "Add From Template"},
          {"openPageMenuItem", Title, "Open Design"},
          {"openGroupMenuItem", Title, "Open Design Folder"},
          {"sourcecodeMenuItem", Action, "showMailSourceCode"}}},
        {{5, 6},
         {{"addIntoGroupMenuItem", Title, "Add New..."},
          {"addInNewBlankPage", Title, "Add New Blank Chart"},
          {"addInNewFromTemplate", Title, "Add From Template"},
          {"addNewTemplateGroupMenuItem", Title, "New Project"},
          {"openPageMenuItem", Title, "Open Vintrosk Document"},
          {"openGroupMenuItem", Title, "Open Chart Database"}}},
        {{7},
         {{"addIntoGroupMenuItem", Title, "Add Into Collection"},
          {"addNewBlankGroupMenuItem", Title, "New Recipe Collection"},
          {"openPageMenuItem", Title, "Open Recipe"},
          {"openGroupMenuItem", Title, "Open Recipe Collection"},
          {"addInNewBlankPage", Title, "New Blank Recipe"},
          {"addInNewFromTemplate", Title, "New From Template"}}},
        {{8},
         {{"addNewBlankGroupMenuItem", Title, "New Collection"},
          {"openPageMenuItem", Title, "Open velkpage Document"},
          {"openGroupMenuItem", Title, "Open Collection"},
          {"exportAllToRawFilesMenuItem", Title, "Export Entire Collection"},
          {"exportSourceFilesParentMenuItem", Title, "Export Collection"}}},
        {{9, 10, 11},
         {{"addNewBlankGroupMenuItem", Title, "New"},
          {"openPageMenuItem", Title, "Open velkpage Document"},
          {"openGroupMenuItem", Title, "Open Collection"},
          {"exportAllToRawFilesMenuItem", Title, "Export Entire Collection"},
          {"exportSourceFilesParentMenuItem", Title, "Export Collection"}}},
        {{13},
         {{"openPageMenuItem", Title, "Open Velkpage Template"},
          {"pagePreferencesMenuItem", Title, "File Properties and Meta Tags"},
          {"addNewTemplateGroupMenuItem", Title, "New Project"},
          {"addIntoGroupMenuItem", Title, "Add New..."},
          {"openGroupMenuItem", Title, "Open..."},
          {"publishThisPageMenuItem", Title, "Publish This Form"},
          {"publishThisPageNoImagesMenuItem", Title, "Quick Refresh This Form (No Images)"},
          {"publishAllPagesMenuItem", Title, "Publish All Forms"},
          {"publishAllPagesNoImagesMenuItem", Title, "Quick Refresh All Forms (No Images)"},
          {"exportToRawFilesMenuItem", Title, "Export This Form"},
          {"exportAllToRawFilesMenuItem", Title, "Export All Forms in Group"}}},
        {{14},
         {{"addIntoGroupMenuItem", Title, "Add New..."},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewTemplateGroupMenuItem", Title, "New Project"},
          {"openGroupMenuItem", Title, "Open..."},
          {"openPageMenuItem", Title, "Open Single Document"},
          {"addNewDirectlyFromTemplateMenuItem", Title, "New Label"}}},
        {{15},
         {{"addIntoGroupMenuItem", Title, "Add New..."},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewTemplateGroupMenuItem", Title, "New Project"},
          {"openGroupMenuItem", Title, "Open..."},
          {"openPageMenuItem", Title, "Open Single Document"},
          {"addNewDirectlyFromTemplateMenuItem", Title, "New Card"}}},
        {{16},
         {{"addIntoGroupMenuItem", Title, "Add Label"},
          {"addInNewBlankPage", Title, "New Blank Label"},
          {"addInNewBlankPage", Action, "directlyAddBlankPage"},
          {"addInNewFromTemplate", Title, "New Label From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewBlankGroupMenuItem", Title, "New Design Project"},
          {"openGroupMenuItem", Title, "Open Design Project Folder"},
          {"openPageMenuItem", Title, "Open Single Document"},
          {"styleEditorMenuItem", Title, "Inspector"}}},
        {{17},
         {{"addIntoGroupMenuItem", Title, "Add"},
          {"addInNewBlankPage", Title, "New Blank Design"},
          {"addInNewFromTemplate", Title, "New From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewTemplateGroupMenuItem", Title, "New Project"},
          {"openGroupMenuItem", Title, "Open Design Project Folder"},
          {"openPageMenuItem", Title, "Open Single Document"},
          {"styleEditorMenuItem", Title, "Inspector"}}},
        {{18, 21},
         {{"printPageMenuItem", Action, "printCard"},
          {"addIntoGroupMenuItem", Title, "Add"},
          {"addInNewBlankPage", Title, "New Blank Design"},
          {"addInNewFromTemplate", Title, "New From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewTemplateGroupMenuItem", Title, "New Project"},
          {"openGroupMenuItem", Title, "Open Design"},
          {"openPageMenuItem", Title, "Open Single Document"},
          {"styleEditorMenuItem", Title, "Inspector"}}},
        {{19},
         {{"addIntoGroupMenuItem", Title, "Add New..."},
          {"addInNewBlankPage", Title, "New Blank Design"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewBlankGroupMenuItem", Title, "New Design Project"},
          {"openGroupMenuItem", Title, "Open Design Project Folder"},
          {"openPageMenuItem", Title, "Open Single Document"},
          {"styleEditorMenuItem", Title, "Inspector"}}},
        {{20},
         {{"addIntoGroupMenuItem", Title, "Add New..."},
          {"addInNewBlankPage", Title, "New Blank Design"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewBlankGroupMenuItem", Title, "New Design"},
          {"addNewBlankGroupMenuItem", Action, "directlyLaunchSingleDocBlank"},
          {"openPageMenuItem", Title, "Open Design"},
          {"styleEditorMenuItem", Title, "Inspector"}}},
        {{22},
         {{"addIntoGroupMenuItem", Title, "Add New..."},
          {"addInNewBlankPage", Title, "New Blank Page"},
          {"addInNewBlankPage", Action, "directlyAddBlankPage"},
          {"addNewBlankGroupMenuItem", Title, "New Project"},
          {"openGroupMenuItem", Title, "Open Project"},
          {"styleEditorMenuItem", Title, "Inspector"},
          {"printPageMenuItem", Action, "printManual"},
          {"exportToPDFMenuItem", Title, "Export This Page To PDF"}}},
        {{23},
         {{"addIntoGroupMenuItem", Title, "Add Label"},
          {"addInNewBlankPage", Title, "New Blank Label"},
          {"addInNewFromTemplate", Title, "New Label From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewBlankGroupMenuItem", Title, "New Design Project"},
          {"openGroupMenuItem", Title, "Open Design Project Folder"},
          {"openPageMenuItem", Title, "Open Single Document"},
          {"styleEditorMenuItem", Title, "Inspector"}}},
        {{24},
         {{"addInNewBlankPage", Title, "New Design"},
          {"addInNewFromTemplate", Title, "New From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewTemplateGroupMenuItem", Title, "New Email Design"},
          {"openGroupMenuItem", Title, "Open Design Project Folder"},
          {"openPageMenuItem", Title, "Open..."}}},
        {{25},
         {{"addIntoGroupMenuItem", Title, "Add Label"},
          {"addInNewBlankPage", Title, "New Blank Label"},
          {"addInNewFromTemplate", Title, "New Label From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewBlankGroupMenuItem", Title, "New Design Project"},
          {"openGroupMenuItem", Title, "Open Design Project Folder"},
          {"openPageMenuItem", Title, "Open Single Document"}}},
        {{26},
         {{"exportToRawFilesMenuItem", Title, "Export This Form"},
          {"pagePreferencesMenuItem", Title, "File Properties and Meta Tags"},
          {"addNewTemplateGroupMenuItem", Title, "New Form"},
          {"addIntoGroupMenuItem", Title, "Add New..."},
          {"publishThisPageMenuItem", Title, "Publish This Form"}}},
        {{27, 28},
         {{"websitePreferencesMenuItem", Title, "Database Index"},
          {"addNewBlankGroupMenuItem", Title, "New Database"},
          {"openPageMenuItem", Title, "Open Database"},
          {"openGroupMenuItem", Title, "Open"},
          {"addIntoGroupMenuItem", Title, "New Profile"},
          {"addNewPatientMenuItem", Action, "showAddNewHumanPatientWindow"},
          {"updateProfileMenuItem", Action, "showUpdateHumanPatientProfileWindow"}}},
        {{29},
         {{"openPageMenuItem", Title, "Open Patient Profile"},
          {"addNewPatientMenuItem", Action, "showAddNewPatientWindow"},
          {"updateProfileMenuItem", Action, "showUpdatePatientProfileWindow"}}},
        {{30},
         {{"websitePreferencesMenuItem", Title, "Database Index"},
          {"addNewBlankGroupMenuItem", Title, "New Patient Database"},
          {"openPageMenuItem", Title, "Open Patient Profile"},
          {"openGroupMenuItem", Title, "Open Patient Database"},
          {"addIntoGroupMenuItem", Title, "Add to Patient Database"},
          {"addNewPatientMenuItem", Action, "showAddNewPatientWindow"},
          {"updateProfileMenuItem", Action, "showUpdatePatientProfileWindow"}}},
        {{31},
         {{"addNewBlankGroupMenuItem", Title, "New Student Database"},
          {"openPageMenuItem", Title, "Open Student Profile"},
          {"openGroupMenuItem", Title, "Open Student Database"},
          {"addIntoGroupMenuItem", Title, "Add to Student Database"},
          {"addNewPatientMenuItem", Title, "Add New Student"},
          {"addNewPatientMenuItem", Action, "showAddNewHumanPatientWindow"},
          {"updateProfileMenuItem", Action, "showUpdateHumanPatientProfileWindow"}}},
        {{33},
         {{"printPageMenuItem", Action, "printCard"},
          {"addIntoGroupMenuItem", Title, "Add"},
          {"addInNewBlankPage", Title, "New Blank Design"},
          {"addInNewFromTemplate", Title, "New From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewTemplateGroupMenuItem", Title, "New Card"},
          {"openPageMenuItem", Title, "Open..."},
          {"styleEditorMenuItem", Title, "Inspector"}}},
        {{34},
         {{"addIntoGroupMenuItem", Title, "Add"},
          {"addInNewBlankPage", Title, "New Blank Design"},
          {"addInNewFromTemplate", Title, "New From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewTemplateGroupMenuItem", Title, "New Card"},
          {"openPageMenuItem", Title, "Open..."},
          {"styleEditorMenuItem", Title, "Inspector"}}},
        {{35},
         {{"printPageMenuItem", Action, "printSheetWithSameLabels"},
          {"addIntoGroupMenuItem", Title, "Add"},
          {"addInNewBlankPage", Title, "New Blank Design"},
          {"addInNewFromTemplate", Title, "New From Template"},
          {"exportToPNGMenuItem", Title, "Image"},
          {"addNewTemplateGroupMenuItem", Title, "New Envelope"},
          {"openPageMenuItem", Title, "Open..."},
          {"styleEditorMenuItem", Title, "Inspector"}}},
    };
    // clang-format on
    return rows;
}

bool listedIn(int configuration, const QString& ranges)
{
    for (const QString& range : ranges.split(u',', Qt::SkipEmptyParts)) {
        const QStringList ends = range.trimmed().split(u'-');
        const int first = ends.first().toInt();
        const int last = ends.last().toInt();
        if (configuration >= first && configuration <= last)
            return true;
    }
    return false;
}

bool hides(const HiddenRow& row, int configuration)
{
    static const QLatin1StringView kAllExcept("all except ");
    const QString configurations = QString::fromLatin1(row.configurations);
    if (configurations.startsWith(kAllExcept))
        return configuration <= 35 && !listedIn(configuration, configurations.mid(kAllExcept.size()));
    return listedIn(configuration, configurations);
}

} // namespace

int configurationNumber(const QString& displayName)
{
    const qsizetype index = Configurations::productChain().indexOf(displayName);
    return index < 0 ? kOtherProduct : int(index) + 1;
}

QStringList hiddenItems(int configuration)
{
    QStringList outlets;
    for (const HiddenRow& row : kHiddenRows) {
        if (hides(row, configuration))
            outlets << QString::fromLatin1(row.outlet);
    }
    return outlets;
}

QList<Change> changes(int configuration)
{
    for (const ChangeRow& row : changeRows()) {
        if (row.configurations.contains(configuration))
            return row.changes;
    }
    return {};
}

} // namespace ProductMenuTable
