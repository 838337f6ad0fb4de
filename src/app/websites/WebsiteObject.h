#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One ready-made website of the bundle's collection: its title and description from its "site.velks", its
// folder in the collection and a preview per page.
struct WebsiteObject {
    QString websiteTitle;
    QString websiteDescription;
    QString websiteFolder;
    QList<QImage> pageIconArray;
    QString selectedWebsiteDirectoryPath;
};
