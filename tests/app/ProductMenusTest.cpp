#include "AppTestSupport.h"

#include "app/menus/MenuSetup.h"
#include "app/menus/ProductMenuTable.h"
#include "profile/configurations/Configurations.h"
#include "window/SKTWindowController.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The main menu fitted to each of the 36 product configurations.

namespace {

struct ItemState {
    bool visible;
    QString title;
    QString action;
    bool operator==(const ItemState&) const = default;
};
using MenuState = QMap<QString, ItemState>;

// Every item named by the set-up, after the set-up for that product ran.
MenuState fittedMenu(int configuration,
                     const QString& videoTutorialsURL = QStringLiteral("https://tutorials"))
{
    const QStringList& products = Configurations::productChain();
    const QString name =
        configuration <= products.size() ? products[configuration - 1] : QStringLiteral("Some Other App");
    Bundle::main().setInfoValue(QStringLiteral("CFBundleDisplayName"), name);
    DataCentre::resetProfile();
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.videoTutorialsURL = videoTutorialsURL;
    MainMenu menu(name);
    MenuSetup::runAppSpecificMenuSetups(menu, profile);
    MenuState state;
    for (auto it = menu.outlets().constBegin(); it != menu.outlets().constEnd(); ++it)
        state.insert(it.key(),
                     {it.value()->isVisible(), it.value()->text(), MainMenu::actionName(it.value())});
    return state;
}

QStringList hiddenIn(const MenuState& state)
{
    QStringList hidden;
    for (auto it = state.constBegin(); it != state.constEnd(); ++it) {
        if (!it->visible)
            hidden << it.key();
    }
    return hidden;
}

QList<int> configurationsShowing(const QString& outlet)
{
    QList<int> showing;
    for (int configuration = 1; configuration <= 36; ++configuration) {
        if (fittedMenu(configuration).value(outlet).visible)
            showing << configuration;
    }
    return showing;
}

class ProductMenusTest : public AppTest {};

} // namespace

TEST_F(ProductMenusTest, TheMenuHoldsTheNinetyNineItemsOfTheSetUpEachFoundByItsOutlet)
{
    const MainMenu menu(QStringLiteral("HTML Velk Pro"));
    EXPECT_EQ(menu.outlets().size(), 99);
    for (auto it = menu.outlets().constBegin(); it != menu.outlets().constEnd(); ++it)
        EXPECT_EQ(MainMenu::outletName(it.value()), it.key());
    // An item that sends an action is found by the action's name.
    EXPECT_EQ(menu.item(QStringLiteral("saveMenuItem"))->objectName(), QStringLiteral("saveDocument"));
}

TEST_F(ProductMenusTest, FolderSizeOmbrelHidesSixtyItemsAndRetitlesNew)
{
    const MenuState state = fittedMenu(11);
    const QStringList hidden = hiddenIn(state);
    EXPECT_EQ(hidden.size(), 60);
    for (const char* outlet :
         {"saveMenuItem", "saveAsMenuItem", "openMenuItem", "formatMenuItem", "printPageMenuItem"})
        EXPECT_TRUE(hidden.contains(QString::fromLatin1(outlet))) << outlet;
    EXPECT_EQ(state.value(QStringLiteral("addNewBlankGroupMenuItem")).title, QStringLiteral("New"));
    // Without tutorials the video item goes too.
    EXPECT_EQ(hiddenIn(fittedMenu(11, QString())).size(), 61);
}

TEST_F(ProductMenusTest, ProductsOfOneSharedCaseGetIdenticalMenus)
{
    const QList<QList<int>> sharedCases = {{9, 10, 11}, {5, 6}, {27, 28}};
    for (const QList<int>& sharedCase : sharedCases) {
        const MenuState first = fittedMenu(sharedCase.first());
        for (int configuration : sharedCase)
            EXPECT_EQ(fittedMenu(configuration), first) << configuration;
    }
    EXPECT_NE(fittedMenu(27), fittedMenu(29));
}

TEST_F(ProductMenusTest, ItemsKeptByOneProductAreHiddenInEveryOther)
{
    const struct {
        const char* outlet;
        QList<int> showing;
    } cases[] = {
        {"exportAllToPDFMenuItem", {12, 36}},       {"importMultiplePagesMenuItem", {12, 36}},
        {"tazmirLabelMakerMenuItem", {12, 14, 36}}, {"rotateCanvasMenuItem", {12, 16, 36}},
        {"publishMailMenuItem", {12, 24, 36}},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(configurationsShowing(QString::fromLatin1(expected.outlet)), expected.showing)
            << expected.outlet;
}

TEST_F(ProductMenusTest, ProductsWithoutACaseKeepTheMenuAsBuilt)
{
    const MainMenu plain(QStringLiteral("Water Snibbet"));
    for (int configuration : {12, 36}) {
        const MenuState state = fittedMenu(configuration);
        for (auto it = state.constBegin(); it != state.constEnd(); ++it) {
            EXPECT_TRUE(it->visible) << it.key().toStdString();
            EXPECT_EQ(it->title, plain.item(it.key())->text()) << it.key().toStdString();
        }
        EXPECT_EQ(hiddenIn(fittedMenu(configuration, QString())),
                  QStringList{QStringLiteral("videoTutorialMenuItem")});
    }
}

TEST_F(ProductMenusTest, TitlesAndActionsFollowTheProduct)
{
    const struct {
        int configuration;
        const char* outlet;
        const char* title;
        const char* action;
    } cases[] = {
        {24, "openPageMenuItem", "Open...", "openDocument"},
        {1, "openGroupMenuItem", "Open Website", "openWebsite"},
        {16, "addInNewBlankPage", "New Blank Label", "directlyAddBlankPage"},
        {20, "addNewBlankGroupMenuItem", "New Design", "directlyLaunchSingleDocBlank"},
        {22, "printPageMenuItem", "Print...", "printManual"},
        {35, "printPageMenuItem", "Print...", "printSheetWithSameLabels"},
        {3, "sourcecodeMenuItem", "Source Code", "showMailSourceCode"},
        {31, "addNewPatientMenuItem", "Add New Student", "showAddNewHumanPatientWindow"},
        {30, "updateProfileMenuItem", "Update Profile", "showUpdatePatientProfileWindow"},
        {13, "publishAllPagesNoImagesMenuItem", "Quick Refresh All Forms (No Images)",
         "publishAllPagesNoImages"},
    };
    for (const auto& expected : cases) {
        const ItemState item = fittedMenu(expected.configuration).value(QString::fromLatin1(expected.outlet));
        EXPECT_EQ(item.title, QString::fromUtf8(expected.title)) << expected.configuration << expected.outlet;
        EXPECT_EQ(item.action, QString::fromLatin1(expected.action))
            << expected.configuration << expected.outlet;
    }
}

TEST_F(ProductMenusTest, TheAddPageItemsReachTheDocumentWindow)
{
    const MenuState menu = fittedMenu(1);
    const struct {
        const char* outlet;
        const char* action;
    } cases[] = {
        {"addInNewBlankPage", "showAddNewPageWindow"},
        {"addInNewFromTemplate", "showAddNewFromTemplateWindow"},
        {"addInBaseTemplate", "showAddBaseTemplateWindow"},
        {"addInNewBlankForm", "showAddNewFormWindow"},
        {"addNewDirectlyFromTemplateMenuItem", "addNewDirectlyFromTemplate"},
    };
    for (const auto& expected : cases) {
        const QString action = menu.value(QString::fromLatin1(expected.outlet)).action;
        EXPECT_EQ(action, QString::fromLatin1(expected.action)) << expected.outlet;
        EXPECT_GE(SKTWindowController::staticMetaObject.indexOfMethod(action.toLatin1() + "()"), 0)
            << expected.outlet;
    }
}

TEST_F(ProductMenusTest, SeventeenItemsAreTheSameInEveryProduct)
{
    const QStringList unchanged = {"addNewTextboxMenuItem",
                                   "displayListingPanelMenuItem",
                                   "editMenuItem",
                                   "feedbackMenuItem",
                                   "helpMenuItem",
                                   "insertNewAtCurrentViewMenuItem",
                                   "insertNewAtEndMenuItem",
                                   "personalizationFirstNameMenuItem",
                                   "personalizationLastNameMenuItem",
                                   "personalizationTitleMenuItem",
                                   "personalizationEmailMenuItem",
                                   "personalizationAddressMenuItem",
                                   "personalizationAddressStreetMenuItem",
                                   "personalizationAddressCityMenuItem",
                                   "personalizationAddressStateMenuItem",
                                   "personalizationAddressZipCodeMenuItem",
                                   "personalizationAddressCountryMenuItem"};
    ASSERT_EQ(unchanged.size(), 17);
    const MenuState plain = fittedMenu(36);
    for (int configuration = 1; configuration <= 35; ++configuration) {
        const MenuState state = fittedMenu(configuration);
        for (const QString& outlet : unchanged)
            EXPECT_EQ(state.value(outlet), plain.value(outlet)) << configuration << outlet.toStdString();
    }
}

TEST_F(ProductMenusTest, ConfigurationsAreNumberedByExactDisplayName)
{
    EXPECT_EQ(ProductMenuTable::configurationNumber(QStringLiteral("HTML Velk Pro")), 1);
    EXPECT_EQ(ProductMenuTable::configurationNumber(QStringLiteral("Blue Skellow Envelope Designer")), 35);
    EXPECT_EQ(ProductMenuTable::configurationNumber(QStringLiteral("html velk pro")), 36);
    EXPECT_EQ(ProductMenuTable::configurationNumber(QStringLiteral("HTML Velk Pro ")), 36);
}

TEST_F(ProductMenusTest, TheLocalisationPassLooksUpEveryTitleIncludingTheProductsOwn)
{
    // A bundle whose default strings table translates a menu title, an item title and a product title.
    const QString resources = Bundle::main().resourcesPath();
    QTemporaryDir bundle;
    ASSERT_TRUE(QFile::copy(QDir(resources).filePath(QStringLiteral("Info.json")),
                            bundle.filePath(QStringLiteral("Info.json"))));
    QDir(bundle.path()).mkdir(QStringLiteral("strings"));
    QFile table(bundle.filePath(QStringLiteral("strings/Localizable.json")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write(
        R"({"File": "Fichier", "Select All": "Tout sélectionner", "Open Website": "Ouvrir le site"})");
    table.close();
    Bundle::main().load(bundle.path());

    runAs(QStringLiteral("HTML Velk Pro"));
    MainMenu menu(QStringLiteral("HTML Velk Pro"));
    MenuSetup::runAppSpecificMenuSetups(menu, DataCentre::mutableProfile());
    Bundle::main().load(resources);

    EXPECT_EQ(menu.menu(QStringLiteral("fileMenu"))->title(), QStringLiteral("Fichier"));
    EXPECT_EQ(menu.item(QStringLiteral("selectAllMenuItem"))->text(), QStringLiteral("Tout sélectionner"));
    EXPECT_EQ(menu.item(QStringLiteral("openGroupMenuItem"))->text(), QStringLiteral("Ouvrir le site"));
    // Titles without an entry stay as set.
    EXPECT_EQ(menu.item(QStringLiteral("openPageMenuItem"))->text(), QStringLiteral("Open Single Page"));
    EXPECT_EQ(menu.menu(QStringLiteral("publishMenu"))->title(), QStringLiteral("Publish"));
}
