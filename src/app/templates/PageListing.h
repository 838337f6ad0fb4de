#pragma once

#include <QAbstractButton>
#include <QList>
#include <QPointer>
#include <QStringList>

// The page lists the application keeps for whichever chooser or website listing filled them last: page
// file names, their titles and modification times, and one button per page.
struct PageListing {
    QStringList pageNameArray;
    QStringList pageTitleArray;
    QStringList fileTimeArray;
    QList<QPointer<QAbstractButton>> siteIconArray;

    // Empties every list; the buttons go, except the one to keep (a selection that outlives a listing).
    void clear(const QAbstractButton* keep = nullptr)
    {
        pageNameArray.clear();
        pageTitleArray.clear();
        fileTimeArray.clear();
        for (const QPointer<QAbstractButton>& button : siteIconArray) {
            if (button && button != keep)
                button->deleteLater();
        }
        siteIconArray.clear();
    }
};
