#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What each product makes of the main menu: the items it hides, and the titles and actions it gives items.
// Products are numbered 1 to 35 in the order the product profile tries their display names; 36 is any
// other display name.
namespace ProductMenuTable {

inline constexpr int kOtherProduct = 36;

// The product's number for a display name, compared exactly.
int configurationNumber(const QString& displayName);

// The outlets of the items the product hides.
QStringList hiddenItems(int configuration);

struct Change {
    enum Kind { Title, Action };
    QString outlet;
    Kind kind;
    QString value;
};
// The product's titles and actions, in the order they are applied.
QList<Change> changes(int configuration);

} // namespace ProductMenuTable
