#pragma once

#include <QString>

#include <optional>

class QAction;

// What the validation of a document window's menu items reads of the window, its document and the product.
struct WindowMenuState {
    QString documentDisplayName;
    bool gridUsable = false;
    bool gridConstraining = false;
    bool gridAlwaysShown = false;
    int pageTileCount = 0;
    // A page tile lay under the page list's last context click.
    bool pageClicked = false;
    // The page is a form page.
    bool formPage = false;
    bool selectedTableHasBackgroundPattern = false;
    bool canUndo = false;
    bool canRedo = false;
    bool hasSelection = false;
    // The unit the rulers show ("Points", "Centimeters", "Inches").
    QString rulerUnits;
    // Product flags
    bool showProfilePopoverOnOpen = false;
    bool hideDuplicatePage = false;
    bool hideRemoveTablePattern = false;
    bool hideTotalRefreshWebsite = false;
    bool hideGrabPageLink = false;
    bool allowInsertPage = false;
};

// The answer for one menu item: whether it is enabled, and what else it shows when the rule says so.
struct MenuItemValidation {
    bool enabled = true;
    std::optional<bool> hidden;
    std::optional<bool> checked;
    std::optional<QString> title;
};

namespace WindowMenuValidation {

// The rule of the item's action (its name without the trailing colon); an action no rule names is enabled.
MenuItemValidation validate(const QString& action, const WindowMenuState& state);

// Applies the answer to the action (enabled, visible, checked, text) and answers whether it is enabled.
bool apply(const MenuItemValidation& validation, QAction& action);

} // namespace WindowMenuValidation
