#include "app/menus/MenuSetup.h"

#include "app/launch/DefaultStrings.h"
#include "app/menus/MainMenu.h"
#include "app/menus/ProductMenuTable.h"
#include "platform/Bundle.h"
#include "profile/ProductProfile.h"

#include <QAction>
#include <QMenu>

namespace MenuSetup {

namespace {

struct MenuTitle {
    const char* menu;
    const char* key;
};

const MenuTitle kMenuTitles[] = {
    {"fileMenu", "File"},         {"publishMenu", "Publish"}, {"photoMenu", "Photos"},
    {"settingsMenu", "Settings"}, {"helpMenu", "Help"},       {"viewMenu", "View"},
    {"formatMenu", "Format"},     {"insertMenu", "Add New"},  {"printMenu", "Print"},
    {"windowsMenu", "Windows"},   {"editMenu", "Edit"},       {"exportPDFMenu", "Export"},
};

void localizeItems(QMenu* menu, int levelsLeft)
{
    for (QAction* item : menu->actions()) {
        if (item->isSeparator())
            continue;
        item->setText(localizedDefaultString(item->text()));
        if (levelsLeft > 1 && item->menu())
            localizeItems(item->menu(), levelsLeft - 1);
    }
}

} // namespace

void runAppSpecificMenuSetups(MainMenu& menu, ProductProfile& profile)
{
    const Bundle& bundle = Bundle::main();
    profile.appVersion = bundle.infoValue(QStringLiteral("CFBundleVersion"));
    profile.productDisplayName = bundle.infoValue(QStringLiteral("CFBundleDisplayName"));
    profile.bundleIdentifier = bundle.infoValue(QStringLiteral("CFBundleIdentifier"));

    const int configuration = ProductMenuTable::configurationNumber(profile.productDisplayName);
    for (const QString& outlet : ProductMenuTable::hiddenItems(configuration))
        menu.item(outlet)->setVisible(false);
    for (const ProductMenuTable::Change& change : ProductMenuTable::changes(configuration)) {
        QAction* item = menu.item(change.outlet);
        if (change.kind == ProductMenuTable::Change::Title)
            item->setText(change.value);
        else
            MainMenu::setActionName(item, change.value);
    }
    // The code of the page as placed, beside the responsive code, only where the page has both.
    if (auto* staticSource = menu.menu(QStringLiteral("viewMenu"))
                                 ->findChild<QAction*>(QStringLiteral("showOrHideSourceCodeStatic")))
        staticSource->setVisible(profile.responsiveDesign &&
                                 menu.item(QStringLiteral("sourcecodeMenuItem"))->isVisible());
    if (profile.videoTutorialsURL.isEmpty())
        menu.item(QStringLiteral("videoTutorialMenuItem"))->setVisible(false);
    prepareToLocalizeMenuItems(menu);
}

void prepareToLocalizeMenuItems(MainMenu& menu)
{
    for (const MenuTitle& title : kMenuTitles)
        menu.menu(QString::fromLatin1(title.menu))
            ->setTitle(localizedDefaultString(QString::fromLatin1(title.key)));
    menu.item(QStringLiteral("publishMenuItem"))->setText(localizedDefaultString(QStringLiteral("Publish")));
    // The menu bar, its menus and their submenus.
    localizeItems(menu.overAllTopMenu(), 3);
}

} // namespace MenuSetup
