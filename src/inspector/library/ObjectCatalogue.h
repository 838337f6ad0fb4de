#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One item of the object library as the catalogue lists it: what it drags, how it is labelled, how its
// icon is made and for which products it shows.
struct ObjectCatalogueItem {
    QString dragAndDropCodeName;
    QString objectTitle; // English; shown through the bundle's localisation
    QString objectDescription;
    QString imageName; // a bundle image, or the shape outline of a drawn icon
    // The catalogue keys the item shows for; an item without a list never shows.
    std::optional<QStringList> typeArray;
    bool createOwnImageFlag = false;
    bool shapeFlag = false;
    bool zoomBubbleImageFlag = false;
};

// The whole catalogue of the product family, in display order.
const QList<ObjectCatalogueItem>& objectCatalogueItems();

// Whether the library shows the item for the product's catalogue key on a page with the given file
// extension: its keys must hold the catalogue key (or "All"), and form items stay off "html" pages.
bool isShownInLibrary(const ObjectCatalogueItem& item, const QString& objectCatalogName,
                      const QString& pageFileExtension);
