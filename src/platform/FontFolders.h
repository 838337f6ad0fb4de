#pragma once

#include <QString>
#include <QStringList>

// Font folders handed to the system's font configuration before the application object exists. The font
// database then lists their families like installed ones, read from the configuration's cache, instead of
// opening every file at each launch.
namespace FontFolders {

// Only before the application object is created: once Qt has read the font configuration it no longer
// sees folders added to it. Answers the families the folder added (none for a missing folder).
QStringList addBeforeLaunch(const QString& folder);

// Whether the folder was added, and the families it added.
bool wasAdded(const QString& folder);
QStringList familiesAddedFrom(const QString& folder);

} // namespace FontFolders
