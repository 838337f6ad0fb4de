#pragma once

#include <QList>
#include <QString>

// One page of the website as the page list shows it, for the objects that link to every page: its title
// (may be empty) and the file name it is published under.
struct SitePage {
    QString pageTitle;
    QString pagePublishFileName;
};

using SitePageList = QList<SitePage>;
