#include "WindowTestSupport.h"

#include "window/menu/WindowMenuValidation.h"

#include <QAction>
#include "window/pages/VelkNSButton.h"

namespace {

const QStringList kPageListActions = {
    "showAddNewPageWindow",
    "refreshWebsite",
    "showAddNewFormWindow",
    "showAddNewFromTemplateWindow",
    "showAddBaseTemplateWindow",
    "showAddNewPatientWindow",
    "showAddNewHumanPatientWindow",
    "addIntoGroup",
    "showViewOptions",
    "exportAllFileTo",
    "showWebsitePreferences",
};

MenuItemValidation validate(const char* action, const WindowMenuState& state)
{
    return WindowMenuValidation::validate(QString::fromLatin1(action), state);
}

TEST(WindowMenuValidationTest, PageListItemsAreOfferedOnlyWhileThePageListHoldsATile)
{
    WindowMenuState empty;
    WindowMenuState withTiles;
    withTiles.pageTileCount = 3;
    for (const QString& action : kPageListActions) {
        SCOPED_TRACE(action.toStdString());
        const MenuItemValidation none = WindowMenuValidation::validate(action, empty);
        EXPECT_FALSE(none.enabled);
        EXPECT_EQ(none.hidden, true);
        const MenuItemValidation some = WindowMenuValidation::validate(action, withTiles);
        EXPECT_TRUE(some.enabled);
        EXPECT_EQ(some.hidden, false);
    }
}

TEST(WindowMenuValidationTest, EachRuleReadsItsOwnCondition)
{
    WindowMenuState s;
    s.gridUsable = true;
    s.gridConstraining = true;
    s.pageClicked = false;
    s.hideDuplicatePage = true;
    s.formPage = true;
    s.hideGrabPageLink = true;
    s.allowInsertPage = false;
    s.selectedTableHasBackgroundPattern = false;
    s.canUndo = true;
    s.canRedo = false;
    s.hasSelection = false;
    s.rulerUnits = QStringLiteral("Centimeters");
    const struct {
        const char* action;
        bool enabled;
        std::optional<bool> hidden;
        std::optional<bool> checked;
    } cases[] = {
        {"toggleGridConstraining", true, std::nullopt, true},
        {"toggleGridShowing", true, std::nullopt, false},
        {"showProfilePopOver", false, std::nullopt, std::nullopt},
        {"duplicatePage", false, true, std::nullopt},
        {"deletePage", false, false, std::nullopt},
        {"addFormObjects", true, false, std::nullopt},
        {"showFormPreferences", true, false, std::nullopt},
        {"totalRefreshWebsite", true, false, std::nullopt},
        {"grabPageLink", false, true, std::nullopt},
        {"insertBlankPage", false, true, std::nullopt},
        {"removeTableBackgroundPattern", false, true, std::nullopt},
        {"setMobileCanvasSize", true, std::nullopt, std::nullopt},
        {"toggleInspector", true, std::nullopt, std::nullopt},
        {"undo", true, std::nullopt, std::nullopt},
        {"redo", false, std::nullopt, std::nullopt},
        {"deleteSelection", false, std::nullopt, std::nullopt},
        {"updateRulers_points", true, std::nullopt, false},
        {"updateRulers_centimeters", true, std::nullopt, true},
        {"updateRulers_inches", true, std::nullopt, false},
        {"someOtherAction", true, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        const MenuItemValidation v = validate(c.action, s);
        EXPECT_EQ(v.enabled, c.enabled);
        EXPECT_EQ(v.hidden, c.hidden);
        EXPECT_EQ(v.checked, c.checked);
    }
    s.gridUsable = false;
    s.pageClicked = true;
    EXPECT_FALSE(validate("toggleGridShowing", s).enabled);
    EXPECT_TRUE(validate("duplicatePage", s).enabled);
}

class WindowMenuTest : public WindowTest {};

TEST_F(WindowMenuTest, TheNewWindowItemNamesTheDocument)
{
    SKTWindowController& window = openWindow();
    QAction item;
    item.setObjectName(QStringLiteral("newDocumentWindow"));
    EXPECT_TRUE(window.validateMenuItem(item));
    EXPECT_EQ(item.text(), QStringLiteral("New window for 'Untitled'"));

    window.document()->setFileLocation(pathInHome(QStringLiteral("site/Home Page.velkpage")));
    window.validateMenuItem(item);
    EXPECT_EQ(item.text(), QStringLiteral("New window for 'Home Page'"));
}

TEST_F(WindowMenuTest, AnItemHiddenForAWindowWithoutTilesShowsAgainForAWindowWithTiles)
{
    SKTWindowController& bare = openWindow(true);
    SKTWindowController& listed = openWindow(true);
    VelkNSButton tile;
    tile.setPageName(QStringLiteral("index"));
    listed.setSiteIconArray({&tile});

    QAction item;
    item.setObjectName(QStringLiteral("exportAllFileTo"));
    EXPECT_FALSE(bare.validateMenuItem(item));
    EXPECT_FALSE(item.isVisible());
    EXPECT_TRUE(listed.validateMenuItem(item));
    EXPECT_TRUE(item.isVisible());
    EXPECT_TRUE(item.isEnabled());
}

TEST_F(WindowMenuTest, FormItemsFollowThePageAndTheGridItemsTheWindowsGrid)
{
    SKTWindowController& window = openWindow();
    QAction form;
    form.setObjectName(QStringLiteral("showFormPreferences"));
    EXPECT_FALSE(window.validateMenuItem(form));
    window.document()->setPageFileExtension(QStringLiteral("php"));
    EXPECT_TRUE(window.validateMenuItem(form));
    EXPECT_TRUE(form.isVisible());

    QAction snap;
    snap.setObjectName(QStringLiteral("toggleGridConstraining"));
    window.grid()->setSpacing(8);
    window.grid()->setConstraining(false);
    window.toggleGridConstraining();
    EXPECT_TRUE(window.validateMenuItem(snap));
    EXPECT_TRUE(snap.isChecked());
}

TEST_F(WindowMenuTest, TilesAreFoundByPageNameAndDestroyedTilesLeaveTheList)
{
    SKTWindowController& window = openWindow(true);
    auto first = std::make_unique<VelkNSButton>();
    first->setPageName(QStringLiteral("index"));
    VelkNSButton second;
    second.setPageName(QStringLiteral("about"));
    window.setSiteIconArray({first.get(), &second});
    EXPECT_EQ(window.findCurrentlySelectedVelkButton(QStringLiteral("about")), &second);
    EXPECT_EQ(window.findCurrentlySelectedVelkButton(QStringLiteral("missing")), first.get());
    first.reset();
    EXPECT_EQ(window.siteIconArray(), QList<VelkNSButton*>({&second}));
}

} // namespace
