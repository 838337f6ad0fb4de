#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Which toolbar a product's document window carries, and the link and scroll controls the product does
// without. Products not in the table keep the window's own toolbar and hide nothing.
namespace ProductToolbars {

// What a product's toolbar choice hides besides choosing the toolbar.
enum Extra {
    HidePageLinkItem = 1,   // L: the copy-page-link menu item
    HideLinkFields = 2,     // F: the hyperlink and tooltip fields with their label, option and save button
    HideScrollControls = 4, // S: the scrolling switch and its note
    HideAltText = 8,        // A: only the tooltip field
};

struct Row {
    QString displayName;
    QString toolbarName;
    int extras = 0;
};

// The rows in the order they are compared.
const QList<Row>& table();
// The first row whose display name equals the name exactly; none for a product not listed.
std::optional<Row> rowFor(const QString& displayName);
// The object names of the inspector controls the extras hide (the menu item of L is not a control).
QStringList controlsHiddenBy(int extras);

// One item of a toolbar: an action sent to the window's responders, or one of the window's controls
// (a template pop-up, the canvas-size switch) put into the toolbar.
struct Item {
    QString name;
    QString label;
    QString action;
    QString control;
};
// The items of the named toolbar, in order.
QList<Item> itemsOf(const QString& toolbarName);

} // namespace ProductToolbars
