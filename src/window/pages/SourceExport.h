#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// What the export of a project's sources works from, taken on the GUI thread before the file work starts.
struct SourceExportJob {
    QString destination;       // the folder to make: the chosen folder joined with the export folder name
    QString workingCopyFolder; // the project's working folder, every page unpacked in it
    QString tempFilesFolder;   // the publish versions written while every page was visited
    // Per page in page order: the page file's name in the working folder, and the name it is published
    // under.
    QList<std::pair<QString, QString>> pages;
    bool responsive = false;
};

namespace SourceExport {

// The file work of the export, safe on any thread: copies the working folder to the destination, puts the
// publish versions in place of the page files, and gives every page file its publish name. Answers what
// could not be written, one line each; empty when everything was.
QStringList run(const SourceExportJob& job);

} // namespace SourceExport
