#pragma once

#include <QString>

// What each product makes of the welcome window: the titles and actions of its two main buttons and the
// promotion of another product of the family it shows. Products not listed keep the window's own buttons
// and show no promotion.
namespace WelcomeProductTable {

// A title or action left empty keeps the window's own.
struct MainButton {
    QString title;
    QString action;
};

struct Promotion {
    QString title;
    QString message;
    QString imageName; // resource name of the promoted product's logo
    QString url;
};

struct Entry {
    MainButton newButton;
    MainButton openButton;
    Promotion promotion; // empty title: none
};

// The entry of the product with this display name (compared exactly); an empty entry for any other name.
Entry entryFor(const QString& displayName);

// The version text of the label designer that only prints one sheet kind: it replaces the version line.
QString labelSheetVersionText(const QString& appVersion);

} // namespace WelcomeProductTable
