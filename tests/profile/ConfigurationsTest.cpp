#include "profile/configurations/Configurations.h"
#include "LaunchTestSupport.h"
#include "platform/Bundle.h"
#include "profile/DataCentre.h"
#include "profile/Palettes.h"
#include "profile/ProductSelection.h"

namespace {

using namespace Configurations;

// Applies the configuration of a display name (or of none) as launch does.
class ConfigurationsTest : public LaunchTest {};

bool sameCell(const ProfileCell& a, const ProfileCell& b)
{
    return a.kind == b.kind && a.integer == b.integer && a.real == b.real &&
           QByteArray(a.text) == QByteArray(b.text) && a.list == b.list && a.step == b.step;
}

// The rows in which the columns of two products of one table differ (icons compare by resource name).
QStringList differingRows(const QString& first, const QString& second)
{
    for (const ConfigurationTable* table : allConfigurationTables()) {
        const qsizetype a = table->displayNames.indexOf(first);
        const qsizetype b = table->displayNames.indexOf(second);
        if (a < 0 || b < 0)
            continue;
        QStringList rows;
        for (const ConfigurationRow& row : table->rows) {
            if (!sameCell(row.cells[size_t(a)], row.cells[size_t(b)]))
                rows << row.field;
        }
        return rows;
    }
    ADD_FAILURE() << "no table holds both products";
    return {};
}

TEST_F(ConfigurationsTest, EveryCellOfEveryTableFitsItsField)
{
    for (const ConfigurationTable* table : allConfigurationTables()) {
        for (const ConfigurationRow& row : table->rows) {
            ASSERT_EQ(qsizetype(row.cells.size()), table->displayNames.size())
                << row.field.toStdString() << " in " << table->displayNames.first().toStdString();
            for (size_t column = 0; column < row.cells.size(); ++column) {
                ProductProfile scratch;
                EXPECT_TRUE(assignProfileField(scratch, row.field, row.cells[column]))
                    << row.field.toStdString() << " of "
                    << table->displayNames[qsizetype(column)].toStdString();
            }
        }
    }
}

TEST_F(ConfigurationsTest, EveryNameOfTheChainHasExactlyOneColumn)
{
    EXPECT_EQ(productChain().size(), 35);
    QStringList columns;
    for (const ConfigurationTable* table : allConfigurationTables()) {
        if (table != &defaultConfiguration())
            columns << table->displayNames;
    }
    QStringList sortedChain = productChain();
    sortedChain.sort();
    columns.sort();
    EXPECT_EQ(columns, sortedChain);
}

TEST_F(ConfigurationsTest, NamesMustMatchWholeAndCaseSensitively)
{
    const ProductProfile velk = launchAs("HTML Velk Pro");
    EXPECT_EQ(velk.starterPages, (QStringList{"GettingStarted.velkpage", "index.velkpage"}));
    EXPECT_EQ(velk.colorPalette.size(), 544);
    EXPECT_EQ(velk.objectCatalogName, "Velk");

    for (const QString& name : {QStringLiteral("html velk pro"), QStringLiteral("HTML Velk Pro "),
                                QStringLiteral("HTML Velk"), QString()}) {
        const ProductProfile p = launchAs(name);
        EXPECT_EQ(p.canvasWidth, 1500) << name.toStdString();
        EXPECT_EQ(p.canvasHeight, 5000);
        EXPECT_EQ(p.starterPages, QStringList{"blank/Blank.velkpage"});
        EXPECT_EQ(p.originalImageMaxSize, -999);
        EXPECT_EQ(p.colorPalette.size(), 140);
        EXPECT_EQ(p.baseTemplateFile, "basetemplate.velkpage");
        EXPECT_TRUE(p.templateFolder.isNull());
        EXPECT_TRUE(p.inspectorInitiallyOpen);
        EXPECT_TRUE(p.textCategoryNames.isEmpty());
    }
    EXPECT_TRUE(launchAs(QString()).productDisplayName.isNull());
}

TEST_F(ConfigurationsTest, TheShippedBundleIsTheFolderCatalogue)
{
    Bundle::main().load(Bundle::defaultResourcesPath());
    DataCentre::runAppSpecificSetups();
    const ProductProfile& p = DataCentre::profile();
    EXPECT_EQ(p.productDisplayName, "Folder Size Ombrel");
    EXPECT_EQ(p.pageNoun, "catalog");
    EXPECT_EQ(p.canvasWidth, 1500);
    EXPECT_EQ(p.canvasHeight, 60000);
    EXPECT_TRUE(p.fileCatalogMode);
    EXPECT_FALSE(p.photoCatalogMode);
    EXPECT_TRUE(p.simplifiedWindow);
    EXPECT_EQ(p.colorPalette.size(), 140);
}

TEST_F(ConfigurationsTest, EveryConfigurationEndsWithItsBaseTemplate)
{
    for (const QString& name : productChain()) {
        const ProductProfile p = launchAs(name);
        EXPECT_FALSE(p.documentExtension.isEmpty()) << name.toStdString();
        EXPECT_EQ(p.baseTemplateFile, "basetemplate." + p.documentExtension) << name.toStdString();
        EXPECT_EQ(p.productDisplayName, name);
    }
}

// The whole chain in the order it is tried: each name must reach its own configuration, recognisable by
// its document extension and type key (empty where the configuration sets none).
struct ChainEntry {
    int position;
    const char* displayName;
    const char* documentExtension;
    const char* objectCatalogName;
};

// clang-format off
constexpr ChainEntry kChain[] = {
    {1, "HTML Velk Pro", "velkpage", "Velk"},
    {2, "Brevold Responsive Website Designer", "kyv", "Tazmir"},
    {3, "Plimsy Mails Pro 2", "plimsymails", "Crovane"},
    {4, "Plimsy Mails Express", "plimsymails", "Crovane"},
    {5, "Tamble Chart Designer Pro", "vintrosk", "Chart"},
    {6, "Tamble Chart Designer Pro 2", "vintrosk", "Chart"},
    {7, "Crundle Rice Recipe Manager", "velkpage", ""},
    {8, "My Photos Drimble", "velkpage", ""},
    {9, "Kestrand Photo Grid", "velkpage", ""},
    {10, "Kestrand Video Grid", "velkpage", ""},
    {11, "Folder Size Ombrel", "velkpage", ""},
    {12, "Water Snibbet", "velkpage", ""},
    {13, "Quarnel Pro", "velkpage", "Forms"},
    {14, "Fennick Label Designer Pro", "vintrosk", "Label"},
    {15, "VirAvivu Gondrel", "vintrosk", "Cards"},
    {16, "Tazmir Label Maker", "vintrosk", "Label"},
    {17, "Tazmir Flyer Maker Pro", "vintrosk", "Flyer"},
    {18, "Tazmir Greeting Card Designer", "vintrosk", "GreetingCard"},
    {19, "Tazmir Markup", "vintrosk", "Markup"},
    {20, "Tazmir Markup Express", "vintrosk", "MarkupExpress"},
    {21, "Lummet Image Notes", "vintrosk", "LummetMarkup"},
    {22, "Tazmir PDF Author", "yux", "Manual"},
    {23, "Tazmir Family Tree Maker", "vintrosk", "familyTree"},
    {24, "Brevold Responsive Email Designer", "qz", "Mail"},
    {25, "Tazmir Responsive Form Designer", "quarnel", "ResponsiveForms"},
    {26, "Quarnel Pro 2", "velkpage", "Forms"},
    {27, "All My Wendrils", "dovrinprofile", ""},
    {28, "All My Wendrils 2", "dovrinprofile", "AllMyWendrils2"},
    {29, "All My Wendrils Viewer", "dovrinprofile", ""},
    {30, "All My Wendrils Vet Edition", "dovrinprofile", ""},
    {31, "Student Varrows", "profile", ""},
    {32, "Velkpage Web Design Document Viewer", "velkpage", ""},
    {33, "Blue Skellow Business Card Designer", "vintrosk", "QuorvikVirAvivu"},
    {34, "Blue Skellow eCard Designer", "vintrosk", "QuorvikVirAvivu"},
    {35, "Blue Skellow Envelope Designer", "vintrosk", "QuorvikVirAvivu"},
};
// clang-format on

TEST_F(ConfigurationsTest, EveryNameOfTheChainReachesItsOwnConfiguration)
{
    ASSERT_EQ(productChain().size(), qsizetype(std::size(kChain)));
    for (const ChainEntry& entry : kChain) {
        const QString name = QString::fromUtf8(entry.displayName);
        SCOPED_TRACE(entry.displayName);
        EXPECT_EQ(productChain().indexOf(name), entry.position - 1);
        const ProductProfile p = launchAs(name);
        EXPECT_EQ(p.productDisplayName, name);
        EXPECT_EQ(p.documentExtension, entry.documentExtension);
        EXPECT_EQ(p.baseTemplateFile, QStringLiteral("basetemplate.") + entry.documentExtension);
        if (*entry.objectCatalogName)
            EXPECT_EQ(p.objectCatalogName, entry.objectCatalogName);
        else
            EXPECT_TRUE(p.objectCatalogName.isEmpty()) << p.objectCatalogName.toStdString();
    }
}

TEST_F(ConfigurationsTest, SisterProductsDifferOnlyWhereTheirTablesSay)
{
    EXPECT_EQ(differingRows("Tamble Chart Designer Pro", "Tamble Chart Designer Pro 2").size(), 2);
    EXPECT_EQ(differingRows("Plimsy Mails Pro 2", "Plimsy Mails Express").size(), 7);
}

// The behaviours of single products come with their configurations, and with no other.
TEST_F(ConfigurationsTest, ProductBehavioursComeFromTheirTables)
{
    const QStringList chartTitle{"Owner First Name", "Owner Last Name", "Pet Chart Number"};
    const QStringList petTitle{"Owner First Name", "Owner Last Name", "Pet Name", "Pet Breed"};
    const QHash<QString, QStringList> titles{{"All My Wendrils", chartTitle},
                                             {"All My Wendrils 2", chartTitle},
                                             {"Student Varrows", chartTitle},
                                             {"All My Wendrils Vet Edition", petTitle}};
    const QStringList mailProducts{"Plimsy Mails Pro 2", "Plimsy Mails Express"};
    for (const QString& name : productChain()) {
        SCOPED_TRACE(name.toStdString());
        const ProductProfile p = launchAs(name);
        EXPECT_EQ(p.mailCanvasPresets, mailProducts.contains(name));
        EXPECT_EQ(p.pageTileScreenshots, name == u"All My Wendrils 2");
        EXPECT_EQ(p.pagesWithoutBaseTemplate, name == u"Tazmir Label Maker");
        EXPECT_EQ(p.raiseProgressWindow, name == u"Tazmir Label Maker");
        EXPECT_EQ(p.pageTitleProfileKeys, titles.value(name));
    }
}

TEST_F(ConfigurationsTest, PageDesignersSetTheirDistinguishingFields)
{
    const ProductProfile viewer = launchAs("Velkpage Web Design Document Viewer");
    EXPECT_TRUE(viewer.neverEdited);
    EXPECT_EQ(viewer.samplePage, "SamplePage.velkpage");
    EXPECT_EQ(viewer.selectionHandleLineWidth, 3.0f);
    EXPECT_TRUE(viewer.gettingStartedFile.isNull());
    EXPECT_TRUE(viewer.starterPages.isEmpty());
    EXPECT_TRUE(viewer.textCategoryFonts.isEmpty());
    EXPECT_TRUE(viewer.welcomeNote.startsWith("This viewer opens"));
    EXPECT_EQ(viewer.welcomeNote.count("\n\n"), 2);

    const ProductProfile recipes = launchAs("Crundle Rice Recipe Manager");
    EXPECT_EQ(recipes.starterPages, QStringList{"blank/Blank.velkpage"});
    EXPECT_EQ(recipes.textCategoryFonts, Palettes::standardTextStyles().fonts);

    const ProductProfile photos = launchAs("My Photos Drimble");
    EXPECT_TRUE(photos.photoCatalogMode);
    EXPECT_FALSE(photos.fileCatalogMode);
    EXPECT_EQ(photos.originalImageMaxSize, 99999);
    EXPECT_TRUE(launchAs("Kestrand Video Grid").videoCatalogMode);
}

} // namespace
