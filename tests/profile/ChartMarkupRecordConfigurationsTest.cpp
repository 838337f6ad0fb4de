#include "LaunchTestSupport.h"
#include "platform/Bundle.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "profile/print/PrintCanvas.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QTranslator>

namespace {

const QStringList kChartFonts = {"Helvetica Neue", "Helvetica Neue", "Impact", "Impact",    "Heiti TC",
                                 "Heiti TC",       "Futura",         "Futura", "Gill Sans", "Gill Sans"};
const QStringList kStyleTextColors = {"555555", "FFFFFF", "8B0000", "FFFFFF", "FF8C00",
                                      "FFFFFF", "4682B4", "FFFFFF", "228B22", "FFFFFF"};
const QStringList kStyleFillColors = {"FFFFFF", "555555", "FFFFFF", "8B0000", "FFFFFF",
                                      "FF8C00", "FFFFFF", "4682B4", "FFFFFF", "228B22"};

const QStringList kPatientNotes = {"Visit Notes",        "Allergy",      "Diagnosis",     "Prescription",
                                   "Medical Conditions", "Observations", "Note Category", "Note Category",
                                   "Note Category",      "Note Category"};
const QStringList kVetNotes = {"Booster Shots", "Vaccines",         "Annual Health Check", "Blood Test",
                               "Surgeries",     "Minor Procedures", "Note Category",       "Note Category",
                               "Note Category", "Note Category"};
const QStringList kStudentNotes = {
    "Attendance",    "Classes",       "Grades and Assessment", "Discipline Records", "Communications",
    "Special Notes", "Note Category", "Note Category",         "Note Category",      "Note Category"};
const QStringList kRecordKeys = {"Owner First Name",
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

const QStringList kRecordProducts = {"All My Wendrils", "All My Wendrils 2", "All My Wendrils Viewer",
                                     "All My Wendrils Vet Edition", "Student Varrows"};

class ChartMarkupRecordConfigurationsTest : public LaunchTest {
protected:
    static void storeCustomCategories(bool overridden, const QVariant& names)
    {
        UserDefaults::standard().setBool(overridden, "TextCategoryOverRide");
        UserDefaults::standard().setObject(names, "CustomTextCategoryDescriptions");
    }
};

struct ProductCase {
    const char* name;
    const char* extension;
    const char* templateFolder;
    const char* catalogKey; // nullptr: left unset
    const char* pageNoun;
    int canvasWidth;
    int canvasHeight;
    int defaultFontSize;
    float selectionHandleLineWidth;
    qsizetype paletteSize;
    const char* starterPage;
};

TEST_F(ChartMarkupRecordConfigurationsTest, EachProductSetsItsDistinguishingFields)
{
    const ProductCase cases[] = {
        {"Tamble Chart Designer Pro", "vintrosk", "tamblechart_templates", "Chart", "chart", 10000, 10000, 20,
         2.0f, 551, "GettingStarted.vintrosk"},
        {"Tamble Chart Designer Pro 2", "vintrosk", "tamblechart_templates2", "Chart", "chart", 10000, 10000,
         20, 2.0f, 551, "GettingStarted.vintrosk"},
        {"Tazmir Family Tree Maker", "vintrosk", "viravivu_templates", "familyTree", "label", 10000, 60000,
         100, 4.0f, 551, "blank/Blank.vintrosk"},
        {"Tazmir Markup", "vintrosk", "markup_templates", "Markup", "design", 10000, 60000, 100, 2.0f, 551,
         "blank/Blank.vintrosk"},
        {"Tazmir Markup Express", "vintrosk", "markup_templates", "MarkupExpress", "design", 10000, 60000, 20,
         2.0f, 551, "blank/Blank.vintrosk"},
        {"Lummet Image Notes", "vintrosk", "markup_templates", "LummetMarkup", "design", 10000, 60000, 100,
         2.0f, 551, "blank/Blank.vintrosk"},
        {"All My Wendrils", "dovrinprofile", "dovrin_human_templates", nullptr, "profile", 1500, 60000, 15,
         3.0f, 140, "basetemplate.dovrinprofile"},
        {"All My Wendrils 2", "dovrinprofile", "dovrin2_templates", "AllMyWendrils2", "profile", 1500, 60000,
         15, 2.0f, 140, "basetemplate.dovrinprofile"},
        {"All My Wendrils Viewer", "dovrinprofile", "dovrin_human_templates", nullptr, "profile", 1500, 60000,
         15, 3.0f, 140, "basetemplate.dovrinprofile"},
        {"All My Wendrils Vet Edition", "dovrinprofile", "dovrin_templates", nullptr, "profile", 1500, 60000,
         18, 3.0f, 140, "basetemplate.dovrinprofile"},
        {"Student Varrows", "profile", "student_varrows_templates", nullptr, "profile", 1500, 60000, 18, 3.0f,
         140, "basetemplate.profile"},
    };
    for (const ProductCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProductProfile p = launchAs(c.name);
        EXPECT_EQ(p.productDisplayName, c.name);
        EXPECT_EQ(p.documentExtension, c.extension);
        EXPECT_EQ(p.templateFolder, c.templateFolder);
        if (c.catalogKey)
            EXPECT_EQ(p.objectCatalogName, c.catalogKey);
        else
            EXPECT_TRUE(p.objectCatalogName.isNull());
        EXPECT_EQ(p.pageNoun, c.pageNoun);
        EXPECT_EQ(p.canvasWidth, c.canvasWidth);
        EXPECT_EQ(p.canvasHeight, c.canvasHeight);
        EXPECT_EQ(p.canvasScale, 1.0f);
        EXPECT_EQ(p.defaultFontSize, c.defaultFontSize);
        EXPECT_EQ(p.selectionHandleLineWidth, c.selectionHandleLineWidth);
        EXPECT_EQ(p.colorPalette.size(), c.paletteSize);
        EXPECT_EQ(p.colorPalette.value(0), "CLEAR0");
        EXPECT_EQ(p.starterPages, QStringList{c.starterPage});
        EXPECT_EQ(p.gettingStartedFile, c.starterPage);
        EXPECT_EQ(p.originalImageMaxSize, -999);
        EXPECT_EQ(p.textCategoryNames.size(), 10);
    }
}

TEST_F(ChartMarkupRecordConfigurationsTest, TheTwoChartDesignersDifferOnlyInInspectorAndTemplateFolder)
{
    const ProductProfile first = launchAs("Tamble Chart Designer Pro");
    ProductProfile second = launchAs("Tamble Chart Designer Pro 2");
    EXPECT_FALSE(first.dragInspector);
    EXPECT_TRUE(second.dragInspector);
    EXPECT_EQ(first.templateFolder, "tamblechart_templates");
    EXPECT_EQ(second.templateFolder, "tamblechart_templates2");

    second.productDisplayName = first.productDisplayName;
    second.dragInspector = first.dragInspector;
    second.templateFolder = first.templateFolder;
#define VELK_EXPECT_SAME_FIELD(type, name) EXPECT_TRUE(first.name == second.name) << #name;
    VELK_PROFILE_FIELDS(VELK_EXPECT_SAME_FIELD)
#undef VELK_EXPECT_SAME_FIELD

    EXPECT_TRUE(first.allowAddBranch);
    EXPECT_EQ(first.userGuideFile, "TambleChartDesignerProManual.PDF");
    EXPECT_FALSE(first.rateAppURL.isEmpty());
    EXPECT_FALSE(first.videoTutorialsURL.isEmpty());
    EXPECT_EQ(first.textCategoryFonts, kChartFonts);
    EXPECT_EQ(first.textCategoryForegroundColors, kStyleTextColors);
    EXPECT_EQ(first.textCategoryFillColors, kStyleFillColors);
    EXPECT_EQ(first.textCategoryNames, QStringList(10, "abc"));
    EXPECT_TRUE(first.personalizedTagList.isEmpty());
}

TEST_F(ChartMarkupRecordConfigurationsTest, TheFamilyTreeMakerBorrowsFromThePrintProducts)
{
    const ProductProfile chart = launchAs("Tamble Chart Designer Pro");
    const ProductProfile p = launchAs("Tazmir Family Tree Maker");
    EXPECT_EQ(p.personalizedTagList, kPersonalTags);
    EXPECT_FALSE(p.printSheetDesign);
    EXPECT_EQ(p.textCategoryFonts, kDecorativeFonts);
    EXPECT_EQ(p.textCategoryForegroundColors, kStyleTextColors);
    EXPECT_EQ(p.textCategoryFillColors, kStyleFillColors);
    EXPECT_EQ(p.newDocumentName, "New Design Project");
    EXPECT_EQ(p.defaultPageWidth, 1000);
    EXPECT_EQ(p.defaultPageHeight, 1000);
    EXPECT_EQ(p.screenshotSize, 200);
    EXPECT_TRUE(p.snapshotFullCanvas);
    EXPECT_TRUE(p.dragInspector);
    EXPECT_FALSE(p.pageTitlesEnabled);
    EXPECT_FALSE(p.paperSizeChoice);

    // Left at their start values.
    EXPECT_FALSE(p.keepUnnamedPage);
    EXPECT_EQ(p.templateIconsPerRow, 0);
    EXPECT_FALSE(p.lockPageFileName);
    EXPECT_FALSE(p.lockPageTitle);
    EXPECT_FALSE(p.allowAddBranch);
    EXPECT_FALSE(p.tableCellSelection);
    EXPECT_TRUE(p.videoTutorialsURL.isNull());
    EXPECT_TRUE(p.rateAppURL.isNull());
    EXPECT_TRUE(p.userGuideFile.isNull());

    EXPECT_EQ(p.supportEmail, chart.supportEmail);
    EXPECT_FALSE(p.productWebsiteURL.isEmpty());
    EXPECT_NE(p.productWebsiteURL, chart.productWebsiteURL);

    EXPECT_FALSE(p.welcomeNote.isNull());
    EXPECT_TRUE(p.welcomeNote.isEmpty());
    const QSet<QString> distinct(p.colorPalette.cbegin(), p.colorPalette.cend());
    EXPECT_EQ(distinct.size(), 544);
}

TEST_F(ChartMarkupRecordConfigurationsTest, MarkupProductsKeepOneLargeCanvasAndALetterTemplate)
{
    const ProductProfile chart = launchAs("Tamble Chart Designer Pro");
    for (const char* name : {"Tazmir Markup", "Tazmir Markup Express", "Lummet Image Notes"}) {
        SCOPED_TRACE(name);
        const ProductProfile p = launchAs(name);
        ASSERT_TRUE(p.defaultLabelTemplate);
        EXPECT_EQ(p.defaultLabelTemplate->templateDescription(), "US Letter - Landscape");
        EXPECT_EQ(p.defaultLabelTemplate->paperSize(), "na-letter");
        EXPECT_FALSE(p.defaultLabelTemplate->brand().isNull());
        EXPECT_TRUE(p.defaultLabelTemplate->brand().isEmpty());
        EXPECT_FALSE(p.defaultLabelTemplate->templateNumber().isNull());
        EXPECT_TRUE(p.defaultLabelTemplate->templateNumber().isEmpty());
        EXPECT_TRUE(DataCentre::grabLabelHelper(p.defaultLabelTemplate->templateDescription()));

        EXPECT_FALSE(p.printSheetDesign);
        EXPECT_TRUE(p.printTemplateList.isEmpty());
        EXPECT_FALSE(p.tableCellSelection);
        EXPECT_FALSE(p.tableImages);
        EXPECT_FALSE(p.snapshotFullCanvas);
        EXPECT_EQ(p.defaultPageWidth, 0);
        EXPECT_EQ(p.defaultPageHeight, 0);
        EXPECT_EQ(p.personalizedTagList, kPersonalTags);
        EXPECT_EQ(p.textCategoryFonts, kDecorativeFonts);
        EXPECT_EQ(p.maxImportedImageWidth, 500);
        EXPECT_EQ(p.supportEmail, chart.supportEmail);
        EXPECT_TRUE(p.welcomeNote.isEmpty() && !p.welcomeNote.isNull());
    }

    const ProductProfile markup = launchAs("Tazmir Markup");
    const ProductProfile express = launchAs("Tazmir Markup Express");
    const ProductProfile notes = launchAs("Lummet Image Notes");
    EXPECT_FALSE(markup.singleDocumentMode);
    EXPECT_TRUE(express.singleDocumentMode);
    EXPECT_TRUE(notes.singleDocumentMode);
    EXPECT_EQ(markup.productWebsiteURL, express.productWebsiteURL);
    EXPECT_EQ(markup.productWebsiteURL, notes.productWebsiteURL);
    EXPECT_EQ(markup.videoTutorialsURL, express.videoTutorialsURL);
    EXPECT_NE(markup.rateAppURL, express.rateAppURL);
    EXPECT_EQ(markup.userGuideFile, "TazmirMarkupForMac.PDF");
    EXPECT_EQ(express.userGuideFile, "TazmirMarkup2ForMac.PDF");

    EXPECT_TRUE(notes.videoTutorialsURL.isNull());
    EXPECT_TRUE(notes.rateAppURL.isEmpty() && !notes.rateAppURL.isNull());
    EXPECT_TRUE(notes.userGuideFile.isEmpty() && !notes.userGuideFile.isNull());
}

TEST_F(ChartMarkupRecordConfigurationsTest, ImageNotesShowTheMarkupIcon)
{
    QDir bundle(pathInHome("bundle"));
    bundle.mkpath(".");
    QImage markupIcon(4, 4, QImage::Format_ARGB32);
    markupIcon.fill(Qt::red);
    ASSERT_TRUE(markupIcon.save(bundle.filePath("tazmir_markup.png")));
    QImage expressIcon(6, 6, QImage::Format_ARGB32);
    expressIcon.fill(Qt::blue);
    ASSERT_TRUE(expressIcon.save(bundle.filePath("tazmir_markup2.png")));
    Bundle::main().load(bundle.path());

    const ProductProfile markup = launchAs("Tazmir Markup");
    const ProductProfile express = launchAs("Tazmir Markup Express");
    const ProductProfile notes = launchAs("Lummet Image Notes");
    EXPECT_EQ(markup.productIcon.size(), QSize(4, 4));
    EXPECT_EQ(express.productIcon.size(), QSize(6, 6));
    EXPECT_EQ(notes.productIcon.size(), QSize(4, 4));
    // Without its image the chart designer still launches, with no icon.
    EXPECT_TRUE(launchAs("Tamble Chart Designer Pro").productIcon.isNull());
}

TEST_F(ChartMarkupRecordConfigurationsTest, RecordProductsKeepTheirOwnNotesAndKeys)
{
    struct RecordCase {
        const char* name;
        QStringList notes;
        QStringList fonts;
        qsizetype keyCount;
    };
    const QStringList helvetica(10, "Helvetica Neue");
    const QStringList heiti(10, "Heiti TC");
    const RecordCase cases[] = {
        {"All My Wendrils", kPatientNotes, helvetica, 11},
        {"All My Wendrils 2", kPatientNotes, helvetica, 11},
        {"All My Wendrils Viewer", kPatientNotes, {}, 10},
        {"All My Wendrils Vet Edition", kVetNotes, heiti, 16},
        {"Student Varrows", kStudentNotes, heiti, 11},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProductProfile p = launchAs(c.name);
        EXPECT_EQ(p.textCategoryNames, c.notes);
        EXPECT_EQ(p.textCategoryFonts, c.fonts);
        EXPECT_EQ(p.textCategoryForegroundColors.size(), c.fonts.size());
        EXPECT_EQ(p.textCategoryFillColors.size(), c.fonts.size());
        EXPECT_EQ(p.profileFieldKeys.size(), c.keyCount);
        EXPECT_EQ(p.profileFieldKeys.first(2), (QStringList{"Owner First Name", "Owner Last Name"}));
        EXPECT_TRUE(p.dateStampNewText);
        EXPECT_TRUE(p.hideTotalRefreshWebsite);
        EXPECT_FALSE(p.refreshIconOnSave);
    }

    const ProductProfile patients = launchAs("All My Wendrils");
    EXPECT_EQ(patients.profileFieldKeys, kRecordKeys);
    EXPECT_EQ(patients.textCategoryForegroundColors, kStyleTextColors);
    EXPECT_EQ(patients.textCategoryFillColors, kStyleFillColors);
    EXPECT_EQ(launchAs("Student Varrows").profileFieldKeys, kRecordKeys);

    const ProductProfile vet = launchAs("All My Wendrils Vet Edition");
    EXPECT_EQ(vet.profileFieldKeys,
              (QStringList{"Owner First Name", "Owner Last Name", "Owner Home Phone Number",
                           "Owner Cell Phone Number", "Owner Email", "Owner Address", "Pet Name", "Pet Sex",
                           "Pet Breed", "Pet Microchip Number", "Pet Chart Number", "Pet Birth Date",
                           "Pet Color", "Pet Neuter Status", "Notes", "Birth Date Status"}));
    EXPECT_EQ(vet.textCategoryForegroundColors,
              (QStringList{"555555", "D2691E", "FFFFFF", "FFFFFF", "FFFFFF", "241301", "FFFFFF", "FFFFFF",
                           "241301", "FFFFFF"}));
    EXPECT_EQ(vet.textCategoryFillColors, (QStringList{"FFFFFF", "FDF5E6", "737274", "840808", "778899",
                                                       "BDB76B", "8B4513", "D2691E", "F0F8FF", "000000"}));
    EXPECT_EQ(vet.samplePage, "Fetch.dovrinprofile");
    EXPECT_EQ(vet.pageIconColumns, 2);

    const ProductProfile second = launchAs("All My Wendrils 2");
    EXPECT_TRUE(second.dragInspector);
    EXPECT_TRUE(second.rateAppURL.isEmpty() && !second.rateAppURL.isNull());
    EXPECT_NE(second.supportEmail, patients.supportEmail);
    EXPECT_NE(second.samplePage, patients.samplePage);
}

TEST_F(ChartMarkupRecordConfigurationsTest, TheViewerGreetsByNameAndNeverEdits)
{
    const ProductProfile viewer = launchAs("All My Wendrils Viewer");
    EXPECT_TRUE(viewer.neverEdited);
    EXPECT_FALSE(viewer.showProfilePopoverOnOpen);
    EXPECT_TRUE(viewer.rateAppURL.isNull());
    EXPECT_EQ(viewer.profileFieldKeys, kRecordKeys.first(10));
    EXPECT_FALSE(viewer.profileFieldKeys.contains("Birth Date Status"));
    EXPECT_EQ(
        viewer.welcomeNote,
        "Thanks for choosing All My Wendrils Viewer!\n\nAll My Wendrils is a profile management app. On the "
        "Mac, you may use this viewer to open profile documents saved in dovrinprofile format.\n\nPlease "
        "note "
        "this App is a viewer, documents are opened in read-only mode.  While reviewing the profile content, "
        "you may arrange note layout as well as edit notes but please keep in mind changes \"can not\" be "
        "saved.");
}

TEST_F(ChartMarkupRecordConfigurationsTest, StoredCategoriesCountOnlyWhenTheOverrideIsOn)
{
    const QStringList custom = {"One", "Two",   "Three", "Four", "Five",
                                "Six", "Seven", "Eight", "Nine", "Ten"};
    storeCustomCategories(false, custom);
    EXPECT_EQ(launchAs("All My Wendrils").textCategoryNames, kPatientNotes);
    EXPECT_EQ(launchAs("Student Varrows").textCategoryNames, kStudentNotes);

    storeCustomCategories(true, custom);
    for (const QString& name : kRecordProducts)
        EXPECT_EQ(launchAs(name).textCategoryNames, custom) << name.toStdString();
    // Fonts and colours stay built in.
    EXPECT_EQ(launchAs("All My Wendrils Vet Edition").textCategoryFonts, QStringList(10, "Heiti TC"));
    // Other products never read the stored names.
    EXPECT_EQ(launchAs("Tazmir Markup").textCategoryNames, QStringList(10, "abc"));
}

TEST_F(ChartMarkupRecordConfigurationsTest, AShortOrMissingStoredListKeepsTheBuiltInNamesItLacks)
{
    storeCustomCategories(true, QStringList{"Checkups", "Labs", "Referrals"});
    QStringList expected = kVetNotes;
    expected.replace(0, "Checkups");
    expected.replace(1, "Labs");
    expected.replace(2, "Referrals");
    EXPECT_EQ(launchAs("All My Wendrils Vet Edition").textCategoryNames, expected);

    storeCustomCategories(true, QStringList{"Only"});
    const QStringList names = launchAs("All My Wendrils Viewer").textCategoryNames;
    EXPECT_EQ(names.size(), 10);
    EXPECT_EQ(names.value(0), "Only");
    EXPECT_EQ(names.mid(1), kPatientNotes.mid(1));

    storeCustomCategories(true, QVariant());
    EXPECT_EQ(launchAs("Student Varrows").textCategoryNames, kStudentNotes);
}

// Translates one note name, as a German strings table would.
class GermanNoteNames : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArrayView(context) == "Localizable" && QByteArrayView(sourceText) == "Allergy")
            return QStringLiteral("Allergie");
        return {};
    }
    bool isEmpty() const override { return false; }
};

TEST_F(ChartMarkupRecordConfigurationsTest, PatientRecordsTranslateTheBuiltInNamesOnly)
{
    GermanNoteNames german;
    QCoreApplication::installTranslator(&german);

    EXPECT_EQ(launchAs("All My Wendrils").textCategoryNames.value(1), "Allergie");
    EXPECT_EQ(launchAs("All My Wendrils 2").textCategoryNames.value(1), "Allergie");
    EXPECT_EQ(launchAs("All My Wendrils 2").textCategoryNames.value(0), "Visit Notes");
    EXPECT_EQ(launchAs("All My Wendrils Viewer").textCategoryNames.value(1), "Allergy");

    // Stored names are taken as written; the ones a short list lacks stay translated.
    storeCustomCategories(true, QStringList{"Allergy"});
    const QStringList names = launchAs("All My Wendrils").textCategoryNames;
    EXPECT_EQ(names.value(0), "Allergy");
    EXPECT_EQ(names.value(1), "Allergie");
    EXPECT_EQ(names.size(), 10);

    QCoreApplication::removeTranslator(&german);
}

} // namespace
