#include "platform/UserDefaults.h"
#include "profile/configurations/Configurations.h"
#include "profile/configurations/SharedLists.h"

#include <QCoreApplication>

#include <initializer_list>

namespace Configurations {

namespace {

constexpr qsizetype kNoteCategoryCount = 10;

// The named categories first; the remaining styles are left for the user to name.
QStringList noteCategories(std::initializer_list<const char*> named)
{
    QStringList names;
    for (const char* name : named)
        names << QString::fromUtf8(name);
    while (names.size() < kNoteCategoryCount)
        names << QStringLiteral("Note Category");
    return names;
}

QStringList patientNoteCategories(const ProductProfile&)
{
    return noteCategories(
        {"Visit Notes", "Allergy", "Diagnosis", "Prescription", "Medical Conditions", "Observations"});
}

// The English names are the keys of the translations; a name without one stays in English.
QStringList localisedPatientNoteCategories(const ProductProfile& profile)
{
    QStringList names = patientNoteCategories(profile);
    for (QString& name : names)
        name = QCoreApplication::translate("Localizable", name.toUtf8().constData());
    return names;
}

QStringList vetNoteCategories(const ProductProfile&)
{
    return noteCategories(
        {"Booster Shots", "Vaccines", "Annual Health Check", "Blood Test", "Surgeries", "Minor Procedures"});
}

QStringList studentNoteCategories(const ProductProfile&)
{
    return noteCategories({"Attendance", "Classes", "Grades and Assessment", "Discipline Records",
                           "Communications", "Special Notes"});
}

QStringList patientNoteFonts(const ProductProfile&)
{
    return QStringList(kNoteCategoryCount, QStringLiteral("Helvetica Neue"));
}

QStringList tintedNoteFonts(const ProductProfile&)
{
    return QStringList(kNoteCategoryCount, QStringLiteral("Heiti TC"));
}

QStringList tintedNoteTextColors(const ProductProfile&)
{
    return {"555555", "D2691E", "FFFFFF", "FFFFFF", "FFFFFF",
            "241301", "FFFFFF", "FFFFFF", "241301", "FFFFFF"};
}

QStringList tintedNoteFillColors(const ProductProfile&)
{
    return {"FFFFFF", "FDF5E6", "737274", "840808", "778899",
            "BDB76B", "8B4513", "D2691E", "F0F8FF", "000000"};
}

// The human and student records store their fields under the animal-patient names.
QStringList recordKeys(const ProductProfile&)
{
    return {"Owner First Name",
            "Owner Last Name",
            "Owner Home Phone Number",
            "Owner Cell Phone Number",
            "Owner Email",
            "Owner Address",
            "Pet Sex",
            "Pet Chart Number",
            "Pet Birth Date",
            "Notes",
            "Birth Date Status"};
}

// The viewer never reads the birth date status.
QStringList viewerRecordKeys(const ProductProfile& profile)
{
    return recordKeys(profile).first(10);
}

QStringList animalRecordKeys(const ProductProfile&)
{
    return {"Owner First Name",
            "Owner Last Name",
            "Owner Home Phone Number",
            "Owner Cell Phone Number",
            "Owner Email",
            "Owner Address",
            "Pet Name",
            "Pet Sex",
            "Pet Breed",
            "Pet Microchip Number",
            "Pet Chart Number",
            "Pet Birth Date",
            "Pet Color",
            "Pet Neuter Status",
            "Notes",
            "Birth Date Status"};
}

QStringList ownerAndChartTitle(const ProductProfile&)
{
    return {"Owner First Name", "Owner Last Name", "Pet Chart Number"};
}

QStringList ownerAndPetTitle(const ProductProfile&)
{
    return {"Owner First Name", "Owner Last Name", "Pet Name", "Pet Breed"};
}

void viewerWelcomeNote(ProductProfile& profile)
{
    static const char* const note = "Thanks for choosing %1!\n\nAll My Wendrils is a profile management app. "
                                    "On the Mac, you may use this viewer "
                                    "to open profile documents saved in dovrinprofile format.\n\nPlease note "
                                    "this App is a viewer, documents are "
                                    "opened in read-only mode.  While reviewing the profile content, you may "
                                    "arrange note layout as well as edit "
                                    "notes but please keep in mind changes \"can not\" be saved.";
    profile.welcomeNote = QString::fromUtf8(note).arg(profile.productDisplayName);
}

// The customise-categories sheet stores one name per style. A stored list that is missing or shorter keeps
// the built-in names for the styles it does not reach, so that every default text style has a name.
void applyCustomNoteCategories(ProductProfile& profile)
{
    const UserDefaults& defaults = UserDefaults::standard();
    const bool overridden = defaults.boolForKey(QStringLiteral("TextCategoryOverRide"));
    QStringList names = defaults.stringArrayForKey(QStringLiteral("CustomTextCategoryDescriptions"));
    if (!overridden)
        return;
    for (qsizetype i = names.size(); i < profile.textCategoryNames.size(); ++i)
        names << profile.textCategoryNames.at(i);
    profile.textCategoryNames = names;
}

constexpr const char* kInformationMailbox = "info@velk.app";
constexpr const char* kPatientRecordsSite = "https://www.velk.app/all-my-wendrils";

} // namespace

// Patient, animal-patient and student record databases, and the patient record viewer.
const ConfigurationTable& recordKeepingConfigurations()
{
    // clang-format off
    static const ConfigurationTable table{
        {"All My Wendrils", "All My Wendrils 2", "All My Wendrils Viewer", "All My Wendrils Vet Edition",
         "Student Varrows"},
        {
            {"productIcon",
             {ProfileCell::image("all_my_wendrils"), ProfileCell::image("all_my_wendrils2_mac"),
              ProfileCell::image("all_my_wendrils_viewer"), ProfileCell::image("all_my_wendrils_vet"),
              ProfileCell::image("student_varrows")}},
            {"documentExtension", {"dovrinprofile", "dovrinprofile", "dovrinprofile", "dovrinprofile", "profile"}},
            {"templateFolder",
             {"dovrin_human_templates", "dovrin2_templates", "dovrin_human_templates", "dovrin_templates",
              "student_varrows_templates"}},
            {"newDocumentName",
             {"New Patient Database", "New Patient Database", "New Patient Database", "New Patient Database",
              "New Student Database"}},
            {"pageNoun", {"profile", "profile", "profile", "profile", "profile"}},
            {"gettingStartedFile",
             {"basetemplate.dovrinprofile", "basetemplate.dovrinprofile", "basetemplate.dovrinprofile",
              "basetemplate.dovrinprofile", "basetemplate.profile"}},
            {"starterPages",
             {gettingStartedPageOnly, gettingStartedPageOnly, gettingStartedPageOnly, gettingStartedPageOnly,
              gettingStartedPageOnly}},
            {"samplePage",
             {"Jane Doe.dovrinprofile", "Jane Doe 10001.dovrinprofile", "Jane Doe.dovrinprofile", "Fetch.dovrinprofile",
              "Sam Taylor.profile"}},
            {"neverEdited", {none, none, 1, none, none}},
            {"keepUnnamedPage", {1, 1, none, none, 1}},
            {"useOfficialPageName", {1, 1, none, 1, 1}},
            {"refreshIconOnSave", {0, 0, 0, 0, 0}},
            {"refreshAllPagesInLoop", {0, 0, 0, 0, 0}},
            {"templateIconsPerRow", {4, 4, 4, 4, 4}},
            {"welcomeNote", {"", "", ProfileCell::run(viewerWelcomeNote), "", ""}},
            {"canvasWidth", {1500, 1500, 1500, 1500, 1500}},
            {"canvasHeight", {60000, 60000, 60000, 60000, 60000}},
            {"defaultPageWidth", {1000, 1000, 1000, 1000, 1000}},
            {"defaultPageHeight", {1000, 1000, 1000, 1000, 1000}},
            {"canvasScale", {1.0, 1.0, 1.0, 1.0, 1.0}},
            {"selectionHandleLineWidth", {3.0, 2.0, 3.0, 3.0, 3.0}},
            {"screenshotSize", {200, 200, 200, 200, 200}},
            {"inspectorInitiallyOpen", {0, 1, 0, 0, 0}},
            {"dragInspector", {none, 1, none, none, none}},
            {"pageListMinWidth", {120, 150, 120, 250, 120}},
            {"pageIconColumns", {1, 1, 1, 2, 1}},
            {"showPageExtensionInList", {0, 0, 0, 0, 0}},
            {"hideMainLaunchPageOption", {1, 1, 1, 1, 1}},
            {"pageTitlesEnabled", {1, 1, 1, 1, 1}},
            {"lockPageFileName", {1, 1, none, none, none}},
            {"lockPageTitle", {1, 1, none, none, none}},
            {"hideLinkControls", {1, 1, 1, 1, 1}},
            {"hideGrabPageLink", {1, 1, 1, 1, 1}},
            {"hidePositionSettings", {1, 1, 1, 1, 1}},
            {"hideTotalRefreshWebsite", {1, 1, 1, 1, 1}},
            {"hideClickToEnlarge", {1, 1, 1, 1, 1}},
            {"hideTooltipControls", {1, 1, 1, 1, 1}},
            {"objectCatalogName", {none, "AllMyWendrils2", none, none, none}},
            {"maxImportedImageWidth", {600, 600, 600, 600, 600}},
            {"originalImageMaxSize", {-999, -999, -999, -999, -999}},
            {"dateStampNewText", {1, 1, 1, 1, 1}},
            {"sameWidthTableColumns", {none, none, none, none, 1}},
            {"defaultFontSize", {15, 15, 15, 18, 18}},
            {"textCategoryNames",
             {localisedPatientNoteCategories, localisedPatientNoteCategories, patientNoteCategories, vetNoteCategories,
              studentNoteCategories}},
            {"textCategoryFonts", {patientNoteFonts, patientNoteFonts, none, tintedNoteFonts, tintedNoteFonts}},
            {"textCategoryForegroundColors",
             {standardTextStyleForegroundColors, standardTextStyleForegroundColors, none, tintedNoteTextColors,
              tintedNoteTextColors}},
            {"textCategoryFillColors",
             {standardTextStyleFillColors, standardTextStyleFillColors, none, tintedNoteFillColors,
              tintedNoteFillColors}},
            {"note categories chosen by the user",
             {ProfileCell::run(applyCustomNoteCategories), ProfileCell::run(applyCustomNoteCategories),
              ProfileCell::run(applyCustomNoteCategories), ProfileCell::run(applyCustomNoteCategories),
              ProfileCell::run(applyCustomNoteCategories)}},
            {"colorPalette", {standardPalette, standardPalette, standardPalette, standardPalette, standardPalette}},
            {"showColorView", {0, 0, 0, 0, 0}},
            {"hideStandardFonts", {none, 1, none, none, none}},
            {"fontMenuPreview", {none, 1, none, none, none}},
            {"showProfilePopoverOnOpen", {1, 1, none, 1, 1}},
            {"profileFieldKeys", {recordKeys, recordKeys, viewerRecordKeys, animalRecordKeys, recordKeys}},
            {"supportEmail",
             {kInformationMailbox, "support@velk.app", kInformationMailbox, kInformationMailbox, kInformationMailbox}},
            {"productWebsiteURL",
             {kPatientRecordsSite, kPatientRecordsSite, kPatientRecordsSite, "https://www.velk.app/all-my-wendrils-vet",
              "https://www.velk.app/student-varrows"}},
            {"rateAppURL",
             {"https://www.velk.app/all-my-wendrils/store", "", none, "https://www.velk.app/all-my-wendrils-vet/store",
              "https://www.velk.app/student-varrows/store"}},
            {"pageTileScreenshots", {none, 1, none, none, none}},
            {"pageTitleProfileKeys", {ownerAndChartTitle, ownerAndChartTitle, none, ownerAndPetTitle, ownerAndChartTitle}},
        }};
    // clang-format on
    return table;
}

} // namespace Configurations
