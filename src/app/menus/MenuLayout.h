#pragma once

#include <QList>

// The main menu as data: every menu and every item, in order. The per-product set-up and menu validation
// find the items by their outlet names; the responder chain finds what an item does by its action name.
namespace MenuLayout {

// The menu bar; its items open the top-level menus.
inline constexpr const char* kMenuBar = "overAllTopMenu";
// The application menu, titled after the product.
inline constexpr const char* kApplicationMenu = "mainAppMenu";
// The menu the recently opened documents are listed in.
inline constexpr const char* kRecentDocumentsMenu = "recentDocumentsMenu";
// In an item title, replaced by the product's display name.
inline constexpr const char* kProductNamePlaceholder = "%1";

struct Item {
    const char* menu;    // the menu holding the item
    const char* outlet;  // the name the set-up and validation use; empty when nothing addresses the item
    const char* title;   // empty for a separator
    const char* action;  // sent along the responder chain; empty for an item that opens a submenu
    const char* submenu; // the menu the item opens, by name
    const char* shortcut = "";
};

// The items of every menu, each menu's items after the item that opens it.
const QList<Item>& items();

} // namespace MenuLayout
