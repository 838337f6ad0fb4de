#include "LaunchTestSupport.h"
#include "platform/Bundle.h"
#include "platform/RulerUnits.h"
#include "profile/DataCentre.h"
#include "profile/Palettes.h"
#include "profile/ProductSelection.h"
#include "profile/configurations/Configurations.h"
#include "profile/print/PrintCanvas.h"
#include "profile/print/PrintSheetCatalogue.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

const QString kPdfAuthor = QStringLiteral("Tazmir PDF Author");
const QString kFennick = QStringLiteral("Fennick Label Designer Pro");
const QString kLabelMaker = QStringLiteral("Tazmir Label Maker");
const QString kEnvelopes = QStringLiteral("Blue Skellow Envelope Designer");
const QString kTenEnvelope = QStringLiteral("Envelope #10 4.125\" x 9.5\"");

const QStringList kStandardForegrounds{"555555", "FFFFFF", "8B0000", "FFFFFF", "FF8C00",
                                       "FFFFFF", "4682B4", "FFFFFF", "228B22", "FFFFFF"};
const QStringList kStandardFills{"FFFFFF", "555555", "FFFFFF", "8B0000", "FFFFFF",
                                 "FF8C00", "FFFFFF", "4682B4", "FFFFFF", "228B22"};

class PrintProductConfigurationsTest : public LaunchTest {
protected:
    // Launches the label maker from a bundle folder of the test's own whose label list holds these bytes
    // (no label list at all when null).
    ProductProfile launchLabelMakerWithLabelList(const QByteArray& labelList)
    {
        const QString folder = pathInHome(QStringLiteral("bundle/Info.json"));
        QDir bundle = QFileInfo(folder).dir();
        writeFile(bundle.filePath("Info.json"), R"({"CFBundleDisplayName": "Tazmir Label Maker"})");
        QFile::remove(bundle.filePath("labels.csv"));
        if (!labelList.isNull())
            writeFile(bundle.filePath("labels.csv"), labelList);
        Bundle::main().load(bundle.path());
        DataCentre::resetProfile();
        DataCentre::runAppSpecificSetups();
        return DataCentre::profile();
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
};

struct ProductCase {
    const char* name;
    const char* extension;
    const char* catalogName;
    const char* templateFolder;
    const char* newDocumentName;
    const char* pageNoun;
    int canvasWidth, canvasHeight;
    float canvasScale;
    const char* selectedSheet; // null when no sheet is chosen at launch
    int templateCount;
    int defaultFontSize;
    int paletteSize;
    int mergeTagCount;
    const char* userGuide;
};

const ProductCase kProducts[] = {
    {"Fennick Label Designer Pro", "vintrosk", "Label", "labels_templates", "New Label Sheet", "label", 1575,
     600, 0.4f, "Label - 30 Per Letter Sheet", 0, 60, 551, 12, "FennickLabelDesignerPro.PDF"},
    {"Tazmir Label Maker", "vintrosk", "Label", "tazmirlabel_templates", "New Design Project", "label", 0, 0,
     0.0f, nullptr, 65, 80, 551, 12, "TazmirLabelsUserGuide.PDF"},
    {"Tazmir PDF Author", "yux", "Manual", "manual_templates", "New PDF Author Project", "", 0, 0, 1.0f,
     nullptr, 29, 100, 551, 11, "TazmirPDFAuthor.PDF"},
    {"Blue Skellow Envelope Designer", "vintrosk", "QuorvikVirAvivu", "envelope_templates", "New Project",
     "1", 684, 297, 1.0f, "Envelope #10 4.125\" x 9.5\"", 4, 15, 544, 0, ""},
};

TEST_F(PrintProductConfigurationsTest, EachProductLaunchesWithItsOwnProfile)
{
    for (const ProductCase& c : kProducts) {
        SCOPED_TRACE(c.name);
        const ProductProfile p = launchAs(c.name);
        EXPECT_EQ(p.documentExtension, c.extension);
        EXPECT_EQ(p.baseTemplateFile, QStringLiteral("basetemplate.") + c.extension);
        expectPrintProductBasics(p, c);
        EXPECT_FALSE(p.pageNoun.isNull());
        EXPECT_EQ(p.originalImageMaxSize, -999);
        EXPECT_EQ(p.textCategoryNames, QStringList(10, "abc"));
        EXPECT_EQ(p.textCategoryForegroundColors, kStandardForegrounds);
        EXPECT_EQ(p.textCategoryFillColors, kStandardFills);
        EXPECT_FALSE(p.supportEmail.isEmpty());
        EXPECT_FALSE(p.productWebsiteURL.isEmpty());
        EXPECT_FALSE(p.rateAppURL.isEmpty());
    }
}

TEST_F(PrintProductConfigurationsTest, NamesDifferingInAnyCharacterFallThroughToTheDefault)
{
    for (const QString& name :
         {QStringLiteral("tazmir pdf author"), QStringLiteral("Tazmir PDF Author "),
          QStringLiteral("Fennick Label Designer"), QStringLiteral("Tazmir label Maker"),
          QStringLiteral("Blue Skellow Envelope designer")}) {
        const ProductProfile p = launchAs(name);
        EXPECT_EQ(p.documentExtension, "velkpage") << name.toStdString();
        EXPECT_EQ(p.canvasWidth, 1500);
        EXPECT_TRUE(p.printTemplateList.isEmpty());
        EXPECT_TRUE(p.selectedPrintSheet.isNull());
    }
}

TEST_F(PrintProductConfigurationsTest, PdfAuthorOffersTwentyNineCatalogueSheetsAsPageSizes)
{
    const ProductProfile p = launchAs(kPdfAuthor);
    ASSERT_EQ(p.printTemplateList.size(), 29);
    EXPECT_EQ(p.printTemplateList.first()->templateDescription(), "US Letter - Portrait HD");
    EXPECT_EQ(p.printTemplateList.last()->templateDescription(), "12\" x 12\" HD");

    QSet<const LabelTemplateHelper*> entries;
    for (int i = 0; i < p.printTemplateList.size(); ++i) {
        const LabelTemplateHelper& entry = *p.printTemplateList[i];
        SCOPED_TRACE(entry.templateDescription().toStdString());
        entries.insert(&entry);
        EXPECT_TRUE(entry.brand().isEmpty() && !entry.brand().isNull());
        EXPECT_TRUE(entry.templateNumber().isEmpty() && !entry.templateNumber().isNull());
        // The pop-up title is the description alone, and looking it up finds the sheet of that paper.
        const auto sheet = DataCentre::grabLabelHelper(popupTitle(entry));
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->paperSize(), entry.paperSize());
        const bool a4Card = i == 16 || i == 17;
        if (i >= 12) {
            EXPECT_EQ(entry.paperSize(), a4Card ? "A4" : "na-letter");
        }
    }
    EXPECT_EQ(entries.size(), 29);

    ASSERT_NE(p.defaultLabelTemplate, nullptr);
    EXPECT_FALSE(entries.contains(p.defaultLabelTemplate.get()));
    EXPECT_EQ(p.defaultLabelTemplate->templateDescription(), "US Letter - Portrait HD");
    EXPECT_EQ(p.defaultLabelTemplate->paperSize(), "na-letter");
    EXPECT_EQ(p.defaultLabelTemplate->brand(), "");
}

TEST_F(PrintProductConfigurationsTest, PdfAuthorKeepsPagesOrderedUnderAHeaderAndFooterPage)
{
    const ProductProfile p = launchAs(kPdfAuthor);
    EXPECT_EQ(p.starterPages,
              QStringList({"blank/basetemplate.yux", "blank/1.yux", "blank/2.yux", "blank/3.yux"}));
    EXPECT_EQ(p.gettingStartedFile, p.starterPages.first());
    EXPECT_EQ(p.baseTemplateFile, "basetemplate.yux");
    EXPECT_TRUE(p.usePageOrderIndex && p.allowInsertPage && p.headerFooterTileLabel &&
                p.baseTemplateTileOption);
    EXPECT_TRUE(p.printSheetDesign);
    EXPECT_FALSE(p.paperSizeChoice);
    EXPECT_EQ(p.maxImportedImageWidth, 400);
    EXPECT_EQ(p.selectionHandleLineWidth, 2.0f);
    EXPECT_EQ(p.textCategoryFonts, kDecorativeFonts);
    EXPECT_EQ(QSet<QString>(p.colorPalette.begin(), p.colorPalette.end()).size(), 544);
    EXPECT_EQ(p.personalizedTagList.last(), "[PHONE]");
    EXPECT_FALSE(p.personalizedTagList.contains("[COMPANY_NAME]"));
}

TEST_F(PrintProductConfigurationsTest, FennickSizesItsCanvasFromTheThirtyLabelSheet)
{
    const ProductProfile p = launchAs(kFennick);
    EXPECT_EQ(p.printColumnsPerSheet, 3);
    EXPECT_EQ(p.printRowsPerSheet, 10);
    EXPECT_FLOAT_EQ(p.printLabelWidthInch, 2.625f);
    const auto inches = RulerUnits::unitNamed("Inches");
    ASSERT_TRUE(inches.has_value());
    EXPECT_DOUBLE_EQ(inches->pointsPerUnit, 600.0);

    EXPECT_FALSE(p.printSheetDesign);
    EXPECT_TRUE(p.printTemplateList.isEmpty());
    EXPECT_EQ(p.defaultLabelTemplate, nullptr);
    EXPECT_FALSE(p.inspectorInitiallyOpen);
    EXPECT_EQ(p.pageListMinWidth, 320);
    EXPECT_EQ(p.pageIconColumns, 3);
    EXPECT_EQ(p.textCategoryFonts,
              QStringList({"Helvetica Neue", "Helvetica Neue", "Impact", "Impact", "Heiti TC", "Heiti TC",
                           "Futura", "Futura", "Gill Sans", "Gill Sans"}));
    EXPECT_EQ(p.personalizedTagList.last(), "[COMPANY_NAME]");
    EXPECT_EQ(p.supportEmail, launchAs(kLabelMaker).supportEmail);
}

TEST_F(PrintProductConfigurationsTest, LabelMakerDefaultsToTheAveryThirtyLabelStock)
{
    const ProductProfile p = launchAs(kLabelMaker);
    ASSERT_NE(p.defaultLabelTemplate, nullptr);
    EXPECT_EQ(p.defaultLabelTemplate->brand(), "Avery");
    EXPECT_EQ(p.defaultLabelTemplate->templateNumber(), "5160");
    EXPECT_EQ(p.defaultLabelTemplate->templateDescription(), "Label - 30 Per Letter Sheet");
    EXPECT_EQ(p.defaultLabelTemplate->paperSize(), "na-letter");
    EXPECT_TRUE(p.printSheetDesign);
    EXPECT_TRUE(p.inspectorInitiallyOpen);
    EXPECT_EQ(p.textCategoryFonts, kDecorativeFonts);
}

TEST_F(PrintProductConfigurationsTest, TheShippedLabelListNamesLabelSheetsOfTheCatalogue)
{
    const ProductProfile p = launchAs(kLabelMaker);
    ASSERT_FALSE(p.printTemplateList.isEmpty());
    QString previousNumber;
    for (const auto& entry : p.printTemplateList) {
        SCOPED_TRACE(popupTitle(*entry).toStdString());
        EXPECT_FALSE(entry->brand().isEmpty());
        EXPECT_FALSE(entry->brand().contains("Label") || entry->templateNumber().contains("Label"));
        // The pop-up takes the sheet from the first "Label" of the title on.
        const QString title = popupTitle(*entry);
        const auto sheet = DataCentre::grabLabelHelper(title.mid(title.indexOf("Label")));
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->printObjectType(), "Label");
        EXPECT_EQ(sheet->paperSize(), entry->paperSize());
        EXPECT_LE(previousNumber, entry->templateNumber());
        previousNumber = entry->templateNumber();
    }
}

TEST_F(PrintProductConfigurationsTest, LabelListFieldsAreTrimmedAndSortedAsText)
{
    const ProductProfile p = launchLabelMakerWithLabelList(
        " \tAvery\t, 5160 ,  Label - 30 Per Letter Sheet\t,\tUS Letter \r\n"
        "Avery, 610, Label - 6 Per Letter Sheet, us letter, ignored fifth field\r\n"
        "\r\n"
        "Herma, 5160, Label - 14 Per A4 Sheet, A4\n"
        "Avery, 5161, Label - 20 Per Letter Sheet\n"
        "\"Quoted\", 15660, Label - 30 Per Letter Sheet, US  Letter\n"
        "Avery Zweckform, L7160, Label - 21 Per A4 Sheet, A4\n");
    struct Expected {
        const char* brand;
        const char* number;
        const char* description;
        const char* paper;
    };
    // Text order puts "15660" first and "610" after "5160"; equal numbers keep their file order.
    const Expected expected[] = {
        {"\"Quoted\"", "15660", "Label - 30 Per Letter Sheet", "US  Letter"},
        {"Avery", "5160", "Label - 30 Per Letter Sheet", "na-letter"},
        {"Herma", "5160", "Label - 14 Per A4 Sheet", "A4"},
        {"Avery", "610", "Label - 6 Per Letter Sheet", "us letter"},
        {"Avery Zweckform", "L7160", "Label - 21 Per A4 Sheet", "A4"},
    };
    ASSERT_EQ(p.printTemplateList.size(), qsizetype(std::size(expected)));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const LabelTemplateHelper& entry = *p.printTemplateList[qsizetype(i)];
        EXPECT_EQ(entry.brand(), expected[i].brand) << i;
        EXPECT_EQ(entry.templateNumber(), expected[i].number) << i;
        EXPECT_EQ(entry.templateDescription(), expected[i].description) << i;
        EXPECT_EQ(entry.paperSize(), expected[i].paper) << i;
    }
}

TEST_F(PrintProductConfigurationsTest, LabelListLinesWithoutFourFieldsAreSkipped)
{
    const QByteArray line = "Avery, 5160, Label - 30 Per Letter Sheet, US Letter";
    const struct {
        const char* what;
        QByteArray bytes;
        int entries;
    } cases[] = {
        {"no label list", QByteArray(), 0},
        {"empty file", QByteArray(""), 0},
        {"only a line break", "\n", 0},
        {"one line, no final line break", line, 1},
        {"final line break", line + "\n", 1},
        {"CRLF lines with a final CRLF", line + "\r\n" + line + "\r\n", 2},
        {"old Mac and Unicode line ends", line + "\r" + line + "\u2028" + line, 3},
        {"blank and cut-off lines between", "\n  \n" + line + "\nAvery, 5161\n\t\n" + line + "\n\n", 2},
        {"not UTF-8", line + "\n\xff\xfe, 5161, Label - 20 Per Letter Sheet, US Letter\n", 0},
    };
    for (const auto& c : cases) {
        const ProductProfile p = launchLabelMakerWithLabelList(c.bytes);
        EXPECT_EQ(p.printTemplateList.size(), c.entries) << c.what;
        EXPECT_NE(p.defaultLabelTemplate, nullptr) << c.what;
    }
}

TEST_F(PrintProductConfigurationsTest, EnvelopeDesignerStartsOnTheNumberTenEnvelope)
{
    const ProductProfile p = launchAs(kEnvelopes);
    EXPECT_EQ(p.rulerUnits, "Inches");
    EXPECT_TRUE(p.singleDocumentMode);
    EXPECT_TRUE(p.printSheetDesign);
    EXPECT_EQ(p.pageListMinWidth, 300);
    EXPECT_EQ(p.pageIconColumns, 2);
    EXPECT_EQ(p.templateIconsPerRow, 999);
    EXPECT_EQ(p.starterPages, QStringList{"blank/Blank.vintrosk"});
    EXPECT_EQ(p.textCategoryFonts, Palettes::standardTextStyles().fonts);
    EXPECT_EQ(p.colorPalette, Palettes::uniqueExtendedPalette());
    EXPECT_TRUE(p.samplePage.isNull());
    EXPECT_TRUE(p.profileFieldKeys.isEmpty());
    EXPECT_EQ(p.userGuideFile, "");
    EXPECT_FALSE(p.userGuideFile.isNull());

    ASSERT_EQ(p.printTemplateList.size(), 4);
    EXPECT_EQ(popupTitle(*p.printTemplateList.first()), p.selectedPrintSheet);
    const QStringList papers{"na-number-10-envelope", "iso-designated-long-envelope", "monarch-envelope",
                             "na-number-9-envelope"};
    for (int i = 0; i < 4; ++i) {
        const LabelTemplateHelper& entry = *p.printTemplateList[i];
        EXPECT_EQ(entry.paperSize(), papers[i]);
        const auto sheet = DataCentre::grabLabelHelper(popupTitle(entry));
        ASSERT_NE(sheet, nullptr) << i;
        EXPECT_EQ(sheet->printObjectType(), "Envelope");
        EXPECT_EQ(sheet->paperSize(), entry.paperSize());
    }
}

TEST_F(PrintProductConfigurationsTest, EnvelopeDesignerWithoutItsSheetKeepsItsOwnCanvas)
{
    DataCentre::printSheetCatalogue().clear();
    ProductProfile& p = DataCentre::mutableProfile();
    ASSERT_TRUE(Configurations::envelopeDesignerConfiguration().apply(kEnvelopes, p));
    EXPECT_EQ(p.selectedPrintSheet, kTenEnvelope);
    EXPECT_EQ(p.canvasWidth, 1500);
    EXPECT_EQ(p.canvasHeight, 30000);
    EXPECT_EQ(p.defaultPageWidth, 1000);
    EXPECT_EQ(p.defaultPageHeight, 1000);
    EXPECT_EQ(p.screenshotSize, 200);
    EXPECT_FLOAT_EQ(p.canvasScale, 1.0f);
    EXPECT_EQ(p.printRowsPerSheet, 0);
    DataCentre::loadPrintLabels();
}

} // namespace
