#include "window/menu/WindowMenuValidation.h"

#include "platform/StringsTable.h"

#include <QAction>
#include <QSet>

#include <utility>

namespace {

const QString kNewWindowTitle = QStringLiteral("New window for '%@'");
const QString kMenuItemsTable = QStringLiteral("MenuItems");

// Items that act on the website's pages: only while the page list holds a tile.
const QSet<QString> kPageListActions = {
    QStringLiteral("showAddNewPageWindow"),
    QStringLiteral("refreshWebsite"),
    QStringLiteral("showAddNewFormWindow"),
    QStringLiteral("showAddNewFromTemplateWindow"),
    QStringLiteral("showAddBaseTemplateWindow"),
    QStringLiteral("showAddNewPatientWindow"),
    QStringLiteral("showAddNewHumanPatientWindow"),
    QStringLiteral("addIntoGroup"),
    QStringLiteral("showViewOptions"),
    QStringLiteral("exportAllFileTo"),
    QStringLiteral("showWebsitePreferences"),
};

// The ruler unit items tick the unit the rulers show.
const std::pair<QLatin1StringView, QLatin1StringView> kRulerUnitActions[] = {
    {QLatin1StringView("updateRulers_points"), QLatin1StringView("Points")},
    {QLatin1StringView("updateRulers_centimeters"), QLatin1StringView("Centimeters")},
    {QLatin1StringView("updateRulers_inches"), QLatin1StringView("Inches")},
};

MenuItemValidation enabledWhen(bool enabled)
{
    MenuItemValidation v;
    v.enabled = enabled;
    return v;
}

// Enabled when the condition holds, and hidden when it does not.
MenuItemValidation shownWhen(bool condition)
{
    MenuItemValidation v = enabledWhen(condition);
    v.hidden = !condition;
    return v;
}

QString newWindowTitle(const QString& displayName)
{
    QString title = StringsTable::localizedString(kNewWindowTitle, kNewWindowTitle, kMenuItemsTable);
    return title.replace(QLatin1String("%@"), displayName);
}

} // namespace

namespace WindowMenuValidation {

MenuItemValidation validate(const QString& action, const WindowMenuState& s)
{
    if (action == u"newDocumentWindow") {
        MenuItemValidation v;
        v.title = newWindowTitle(s.documentDisplayName);
        return v;
    }
    if (action == u"toggleGridConstraining" || action == u"toggleGridShowing") {
        MenuItemValidation v = enabledWhen(s.gridUsable);
        v.checked = action == u"toggleGridConstraining" ? s.gridConstraining : s.gridAlwaysShown;
        return v;
    }
    if (action == u"showProfilePopOver")
        return enabledWhen(s.showProfilePopoverOnOpen);
    // An item hidden for a window without tiles shows again for a window with tiles.
    if (kPageListActions.contains(action))
        return shownWhen(s.pageTileCount > 0);
    if (action == u"duplicatePage" || action == u"deletePage") {
        MenuItemValidation v = enabledWhen(s.pageClicked);
        v.hidden = action == u"duplicatePage" ? s.hideDuplicatePage : s.hideRemoveTablePattern;
        return v;
    }
    if (action == u"addFormObjects" || action == u"showFormPreferences")
        return shownWhen(s.formPage);
    if (action == u"totalRefreshWebsite")
        return shownWhen(!s.hideTotalRefreshWebsite);
    if (action == u"grabPageLink")
        return shownWhen(!s.hideGrabPageLink);
    if (action == u"insertBlankPage")
        return shownWhen(s.allowInsertPage);
    for (const auto& [rulerAction, unit] : kRulerUnitActions) {
        if (action == rulerAction) {
            MenuItemValidation v;
            v.checked = s.rulerUnits == unit;
            return v;
        }
    }
    if (action == u"undo")
        return enabledWhen(s.canUndo);
    if (action == u"redo")
        return enabledWhen(s.canRedo);
    if (action == u"deleteSelection")
        return enabledWhen(s.hasSelection);
    if (action == u"removeTableBackgroundPattern")
        return shownWhen(s.selectedTableHasBackgroundPattern);
    return {};
}

bool apply(const MenuItemValidation& validation, QAction& action)
{
    action.setEnabled(validation.enabled);
    if (validation.hidden)
        action.setVisible(!*validation.hidden);
    if (validation.checked) {
        action.setCheckable(true);
        action.setChecked(*validation.checked);
    }
    if (validation.title)
        action.setText(*validation.title);
    return validation.enabled;
}

} // namespace WindowMenuValidation
