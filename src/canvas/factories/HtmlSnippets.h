#pragma once

#include <QSizeF>
#include <QString>

class QWidget;

// The three ready-made HTML snippet boxes the menus and the object library add: their markup and size,
// and the notice that follows a buy button.
namespace HtmlSnippets {

struct Snippet {
    QString html;
    QSizeF size;
    // The buy-button notice follows the insertion.
    bool buyButtonNotice = false;
};

// A bold placeholder for the user's own code.
const Snippet& freeSnippet();
// A 4:3 responsive embed whose address the user replaces.
const Snippet& video();
// A single-item payment form.
const Snippet& buyButton();

// Points to the payment service's button generator for more styles; one "OK".
void showBuyButtonNotice(QWidget* parent);

} // namespace HtmlSnippets
