#include "LaunchTestSupport.h"
#include "platform/Bundle.h"
#include "platform/RulerUnits.h"
#include "profile/DataCentre.h"
#include "profile/Palettes.h"
#include "profile/ProductSelection.h"
#include "profile/configurations/Configurations.h"
#include "profile/print/PrintCanvas.h"
#include "profile/print/PrintSheetCatalogue.h"

#include <QSet>

namespace {

const QString kGondrel = QStringLiteral("VirAvivu Gondrel");
const QString kBusinessCards = QStringLiteral("Blue Skellow Business Card Designer");
const QString kECards = QStringLiteral("Blue Skellow eCard Designer");
const QString kFlyers = QStringLiteral("Tazmir Flyer Maker Pro");
const QString kGreetingCards = QStringLiteral("Tazmir Greeting Card Designer");

class CardAndFlyerConfigurationsTest : public LaunchTest {};

struct ProductCase {
    const char* name;
    const char* catalogName;
    const char* templateFolder;
    const char* newDocumentName;
    const char* pageNoun;
    QStringList starterPages;
    int canvasWidth, canvasHeight;
    float canvasScale;
    const char* selectedSheet; // null when none is chosen at launch
    int templateCount;
    int defaultFontSize;
    int paletteSize;
    int mergeTagCount;
    bool singleDocument;
    const char* userGuide;
};

const ProductCase kProducts[] = {
    {"VirAvivu Gondrel",
     "Cards",
     "viravivu_templates",
     "New Design Project",
     "card",
     {"blank/Blank.vintrosk"},
     1050,
     600,
     0.7f,
     "Business Card - 10 Per Letter Sheet",
     0,
     70,
     551,
     12,
     false,
     "VirAvivuGondrelForMac.PDF"},
    {"Blue Skellow Business Card Designer",
     "QuorvikVirAvivu",
     "quorvikcards_templates",
     "New Business Card Project",
     "1",
     {"blank/Blank.vintrosk"},
     1050,
     600,
     0.7f,
     "Business Card - 10 Per Letter Sheet",
     4,
     15,
     544,
     0,
     true,
     ""},
    {"Blue Skellow eCard Designer",
     "QuorvikVirAvivu",
     "ecard_templates",
     "New Business Card Project",
     "1",
     {"blank/Blank.vintrosk"},
     1800,
     1200,
     0.4f,
     "Post Card - 4\" x 6\"",
     4,
     15,
     544,
     0,
     true,
     ""},
    {"Tazmir Flyer Maker Pro",
     "Flyer",
     "flyers_templates",
     "New Design Project",
     "flyer",
     {"blank/Blank.vintrosk"},
     0,
     0,
     0.0f,
     nullptr,
     20,
     100,
     551,
     11,
     false,
     "TazmirFlyerMakerPro.PDF"},
    {"Tazmir Greeting Card Designer",
     "GreetingCard",
     "folding_card_templates",
     "New Design Project",
     "1",
     {"blank/2.vintrosk", "blank/3.vintrosk", "blank/4.vintrosk"},
     0,
     0,
     0.0f,
     nullptr,
     12,
     100,
     551,
     11,
     false,
     "TazmirFoldingCardDesigner.PDF"},
};

TEST_F(CardAndFlyerConfigurationsTest, EachProductLaunchesWithItsOwnProfile)
{
    for (const ProductCase& c : kProducts) {
        SCOPED_TRACE(c.name);
        const ProductProfile p = launchAs(c.name);
        EXPECT_EQ(p.documentExtension, "vintrosk");
        EXPECT_EQ(p.baseTemplateFile, "basetemplate.vintrosk");
        expectPrintProductBasics(p, c);
        EXPECT_EQ(p.starterPages, c.starterPages);
        EXPECT_EQ(p.gettingStartedFile, c.starterPages.first());
        EXPECT_EQ(p.singleDocumentMode, c.singleDocument);
        EXPECT_FALSE(p.userGuideFile.isNull());
        EXPECT_EQ(p.welcomeNote, "");
        EXPECT_FALSE(p.welcomeNote.isNull());
        EXPECT_EQ(p.originalImageMaxSize, -999);
        EXPECT_EQ(p.maxImportedImageWidth, 600);
        EXPECT_TRUE(p.snapshotFullCanvas && p.keepUnnamedPage && p.refreshIconOnSave && p.wideBorderRange);
        EXPECT_TRUE(p.hideLinkControls && p.hideGrabPageLink && p.hidePositionSettings);
        EXPECT_EQ(p.textCategoryNames, QStringList(10, "abc"));
        EXPECT_EQ(p.textCategoryForegroundColors, Palettes::standardTextStyles().foregroundColors);
        EXPECT_EQ(p.textCategoryFillColors, Palettes::standardTextStyles().fillColors);
        EXPECT_FALSE(p.supportEmail.isEmpty());
        EXPECT_FALSE(p.productWebsiteURL.isEmpty());
        EXPECT_FALSE(p.rateAppURL.isEmpty());
    }
}

TEST_F(CardAndFlyerConfigurationsTest, NamesDifferingInAnyCharacterFallThroughToTheDefault)
{
    for (const QString& name :
         {QStringLiteral("viravivu gondrel"), QStringLiteral("VirAvivu Gondrel "),
          QStringLiteral("Blue Skellow eCard"), QStringLiteral("Blue Skellow Ecard Designer"),
          QStringLiteral("Tazmir Flyer Maker"), QStringLiteral("Tazmir Greeting Card designer")}) {
        const ProductProfile p = launchAs(name);
        EXPECT_EQ(p.documentExtension, "velkpage") << name.toStdString();
        EXPECT_EQ(p.canvasWidth, 1500);
        EXPECT_TRUE(p.printTemplateList.isEmpty());
        EXPECT_TRUE(p.selectedPrintSheet.isNull());
    }
}

TEST_F(CardAndFlyerConfigurationsTest, GondrelLaysOutOneCardOfTheTenCardLetterSheet)
{
    const ProductProfile p = launchAs(kGondrel, 144.0f);
    EXPECT_EQ(p.printColumnsPerSheet, 2);
    EXPECT_EQ(p.printRowsPerSheet, 5);
    EXPECT_FLOAT_EQ(p.printLabelWidthInch, 3.5f);
    EXPECT_FLOAT_EQ(p.printLabelHeightInch, 2.0f);
    EXPECT_FLOAT_EQ(p.printSheetWidthPoints, 2 * 3.5f * 144);
    EXPECT_FLOAT_EQ(p.printSheetHeightPoints, 5 * 2.0f * 144);
    const auto inches = RulerUnits::unitNamed("Inches");
    ASSERT_TRUE(inches.has_value());
    EXPECT_DOUBLE_EQ(inches->pointsPerUnit, 300.0);

    EXPECT_TRUE(p.paperSizeChoice);
    EXPECT_FALSE(p.printSheetDesign);
    EXPECT_TRUE(p.printTemplateList.isEmpty());
    EXPECT_EQ(p.defaultLabelTemplate, nullptr);
    EXPECT_FALSE(p.inspectorInitiallyOpen || p.dragInspector || p.singleDocumentMode);
    EXPECT_EQ(p.pageListMinWidth, 320);
    EXPECT_FLOAT_EQ(p.selectionHandleLineWidth, 4.0f);
    EXPECT_TRUE(p.cornerTextInset && p.transparentBackgroundAllowed && p.lockPageFileName);
    EXPECT_EQ(p.textCategoryFonts, launchAs("Fennick Label Designer Pro").textCategoryFonts);
    EXPECT_EQ(p.textCategoryFonts.value(0), "Helvetica Neue");
    EXPECT_EQ(p.colorPalette, Palettes::extendedPalette());
    EXPECT_EQ(p.personalizedTagList, kPersonalTags + QStringList{"[COMPANY_NAME]"});
    EXPECT_EQ(p.supportEmail, launchAs("Fennick Label Designer Pro").supportEmail);
    EXPECT_EQ(p.supportEmail, launchAs("Tazmir Label Maker").supportEmail);
    EXPECT_TRUE(p.videoTutorialsURL.isNull());
}

// The two designers differ only in what their table says: icon, template folder, store page and sheet list.
TEST_F(CardAndFlyerConfigurationsTest, BlueSkellowDesignersDifferOnlyInIconFolderStoreAndSheets)
{
    const Configurations::ConfigurationTable& table = Configurations::businessCardConfigurations();
    const size_t cards = size_t(table.displayNames.indexOf(kBusinessCards));
    const size_t eCards = size_t(table.displayNames.indexOf(kECards));
    QStringList differing;
    for (const Configurations::ConfigurationRow& row : table.rows) {
        const Configurations::ProfileCell& a = row.cells.at(cards);
        const Configurations::ProfileCell& b = row.cells.at(eCards);
        if (a.kind != b.kind || a.integer != b.integer || a.real != b.real || QByteArray(a.text) != b.text ||
            a.list != b.list || a.step != b.step)
            differing << row.field;
    }
    EXPECT_EQ(differing, QStringList({"productIcon", "templateFolder", "printTemplateList", "rateAppURL"}));

    const ProductProfile business = launchAs(kBusinessCards);
    const ProductProfile post = launchAs(kECards);
    EXPECT_EQ(business.supportEmail, post.supportEmail);
    EXPECT_EQ(business.productWebsiteURL, post.productWebsiteURL);
    EXPECT_NE(business.rateAppURL, post.rateAppURL);
    EXPECT_NE(business.rateAppURL, launchAs(kGondrel).rateAppURL);
    EXPECT_EQ(business.templateIconsPerRow, 999);
    EXPECT_EQ(business.textCategoryFonts, Palettes::standardTextStyles().fonts);
    EXPECT_EQ(business.colorPalette, Palettes::uniqueExtendedPalette());
    EXPECT_EQ(business.colorPalette.last(), "505050");
    EXPECT_TRUE(business.personalizedTagList.isEmpty());
    EXPECT_TRUE(business.printSheetDesign && business.plainPageTileLabels && business.fullWebsiteSettings);
    EXPECT_FALSE(business.paperSizeChoice || business.transparentBackgroundAllowed ||
                 business.cornerTextInset);
    EXPECT_EQ(business.pageListMinWidth, 300);
    EXPECT_FLOAT_EQ(business.selectionHandleLineWidth, 3.0f);
}

TEST_F(CardAndFlyerConfigurationsTest, BlueSkellowDesignersOpenOnTheFirstSheetOfTheirPopUp)
{
    struct {
        const QString& name;
        QStringList papers;
    } cases[] = {
        {kBusinessCards, {"na-letter", "na-letter", "A4", "A4"}},
        {kECards, {"na-letter", "na-letter", "A4", "A4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const ProductProfile p = launchAs(c.name);
        ASSERT_EQ(p.printTemplateList.size(), 4);
        EXPECT_EQ(popupTitle(*p.printTemplateList.first()), p.selectedPrintSheet);
        for (int i = 0; i < 4; ++i) {
            const LabelTemplateHelper& entry = *p.printTemplateList[i];
            EXPECT_TRUE(!entry.brand().isNull() && entry.brand().isEmpty());
            EXPECT_TRUE(!entry.templateNumber().isNull() && entry.templateNumber().isEmpty());
            EXPECT_EQ(entry.paperSize(), c.papers[i]);
            const auto sheet = DataCentre::grabLabelHelper(popupTitle(entry));
            ASSERT_NE(sheet, nullptr) << i;
            EXPECT_EQ(sheet->paperSize(), entry.paperSize());
        }
    }
    const ProductProfile post = launchAs(kECards);
    EXPECT_EQ(post.printTemplateList[2]->templateDescription(), "Post Card - 6\" x 9\"");
    EXPECT_EQ(post.printTemplateList[3]->templateDescription(), "Post Card - 6\" x 11\"");
    EXPECT_EQ(post.printColumnsPerSheet, 1);
    EXPECT_EQ(post.printRowsPerSheet, 1);
}

TEST_F(CardAndFlyerConfigurationsTest, WithoutItsLaunchSheetACardDesignerKeepsTheCanvasItHad)
{
    DataCentre::printSheetCatalogue().clear();
    for (const QString& name : {kGondrel, kECards}) {
        SCOPED_TRACE(name.toStdString());
        DataCentre::resetProfile();
        ProductProfile& p = DataCentre::mutableProfile();
        ASSERT_TRUE(Configurations::businessCardConfigurations().apply(name, p));
        EXPECT_EQ(p.selectedPrintSheet,
                  name == kGondrel ? "Business Card - 10 Per Letter Sheet" : "Post Card - 4\" x 6\"");
        EXPECT_EQ(p.canvasWidth, 0);
        EXPECT_EQ(p.canvasHeight, 0);
        EXPECT_EQ(p.screenshotSize, 0);
        EXPECT_FLOAT_EQ(p.canvasScale, 0.0f);
        EXPECT_EQ(p.printRowsPerSheet, 0);
    }
}

TEST_F(CardAndFlyerConfigurationsTest, FlyerSheetsKeepTheFlyersOwnPaperNames)
{
    const ProductProfile p = launchAs(kFlyers);
    ASSERT_EQ(p.printTemplateList.size(), 20);
    QSet<QString> descriptions;
    for (int i = 0; i < 20; ++i) {
        const LabelTemplateHelper& entry = *p.printTemplateList[i];
        SCOPED_TRACE(entry.templateDescription().toStdString());
        descriptions.insert(entry.templateDescription());
        EXPECT_TRUE(!entry.brand().isNull() && entry.brand().isEmpty());
        EXPECT_TRUE(!entry.templateNumber().isNull() && entry.templateNumber().isEmpty());
        const auto sheet = DataCentre::grabLabelHelper(popupTitle(entry));
        ASSERT_NE(sheet, nullptr);
        // Landscape before portrait, paper by paper.
        if (i < 16) {
            EXPECT_TRUE(entry.templateDescription().endsWith(i % 2 == 0 ? " - Landscape" : " - Portrait"));
            EXPECT_EQ(sheet->canvasWidth() > sheet->canvasHeight(), i % 2 == 0);
        }
    }
    EXPECT_EQ(descriptions.size(), 20);
    EXPECT_EQ(p.printTemplateList[6]->templateDescription(), "Tabloid Oversize - Landscape");
    EXPECT_EQ(p.printTemplateList[6]->paperSize(), "Tabloid-Oversize");
    EXPECT_EQ(p.printTemplateList[7]->paperSize(), "Tabloid-Oversize");
    const QStringList postCardPapers{"4 x 6", "5 x 7", "6 x 9", "6 x 11"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(p.printTemplateList[16 + i]->templateDescription().startsWith("Post Card - "));
        EXPECT_EQ(p.printTemplateList[16 + i]->paperSize(), postCardPapers[i]);
    }
    EXPECT_EQ(p.printTemplateList[14]->paperSize(), "B5");

    EXPECT_TRUE(p.tableImages && p.lockPageFileName);
    EXPECT_FALSE(p.templateIconCounterReset || p.hidePageSearchField || p.hideRemoveTablePattern ||
                 p.hideDuplicatePage || p.baseTemplateTileOption || p.pageTileExtraView);
    EXPECT_FALSE(p.pageTitlesEnabled);
}

TEST_F(CardAndFlyerConfigurationsTest, FoldedCardSheetsPrintOnTheirCataloguePaper)
{
    const ProductProfile p = launchAs(kGreetingCards);
    ASSERT_EQ(p.printTemplateList.size(), 12);
    const QStringList papers{"na-letter", "A4", "A5"};
    for (int i = 0; i < 12; ++i) {
        const LabelTemplateHelper& entry = *p.printTemplateList[i];
        SCOPED_TRACE(entry.templateDescription().toStdString());
        EXPECT_TRUE(entry.templateDescription().startsWith("Card - "));
        EXPECT_EQ(entry.paperSize(), papers[i / 4]);
        const auto sheet = DataCentre::grabLabelHelper(popupTitle(entry));
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->paperSize(), entry.paperSize());
    }
    EXPECT_EQ(p.printTemplateList.last()->templateDescription(),
              "Card - A5 Sheet Vertical Quarter Fold (2.9\" x 4.15\")");

    EXPECT_TRUE(p.templateIconCounterReset && p.hidePageSearchField && p.hideRemoveTablePattern &&
                p.hideDuplicatePage && p.baseTemplateTileOption && p.pageTileExtraView &&
                p.pageTitlesEnabled);
    EXPECT_FALSE(p.plainPageTileLabels || p.lockPageFileName || p.tableImages);
    EXPECT_EQ(p.templateIconsPerRow, 2);
}

TEST_F(CardAndFlyerConfigurationsTest, FlyerAndGreetingCardShareTheirPrintFamilyValues)
{
    const ProductProfile flyer = launchAs(kFlyers);
    const ProductProfile card = launchAs(kGreetingCards);
    const ProductProfile markup = launchAs("Tazmir Markup");
    for (const ProductProfile* p : {&flyer, &card}) {
        EXPECT_EQ(p->textCategoryFonts, kDecorativeFonts);
        EXPECT_EQ(p->colorPalette, Palettes::extendedPalette());
        EXPECT_EQ(p->personalizedTagList, kPersonalTags);
        EXPECT_FLOAT_EQ(p->selectionHandleLineWidth, 2.0f);
        EXPECT_FALSE(p->paperSizeChoice);
        EXPECT_TRUE(p->printSheetDesign && p->dragInspector && p->inspectorInitiallyOpen);
        ASSERT_NE(p->defaultLabelTemplate, nullptr);
        EXPECT_EQ(p->defaultLabelTemplate->templateDescription(), "US Letter - Landscape");
        EXPECT_EQ(p->defaultLabelTemplate->paperSize(), "na-letter");
        EXPECT_TRUE(!p->defaultLabelTemplate->brand().isNull() && p->defaultLabelTemplate->brand().isEmpty());
        EXPECT_EQ(p->supportEmail, markup.supportEmail);
        EXPECT_EQ(p->productWebsiteURL, markup.productWebsiteURL);
        EXPECT_NE(p->videoTutorialsURL, markup.videoTutorialsURL);
        EXPECT_FALSE(p->videoTutorialsURL.isEmpty());
        EXPECT_NE(p->rateAppURL, markup.rateAppURL);
    }
    EXPECT_NE(flyer.videoTutorialsURL, card.videoTutorialsURL);
    EXPECT_NE(flyer.rateAppURL, card.rateAppURL);
}

} // namespace
