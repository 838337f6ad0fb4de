#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Files and archives on disk for the ZIP tests; archives are read and written with libzip directly, so the
// tests do not judge the archive code by itself.
namespace ZipTestFiles {

// Writes bytes to path, creating its parent folders.
void write(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);

// Every file below root, by path relative to root, with its content.
QMap<QString, QByteArray> filesBelow(const QString& root);
// Everything below root, relative, sorted; folders end in "/".
QStringList treeBelow(const QString& root);

// Entry names of an archive in stored order; empty when it cannot be opened.
QStringList entryNames(const QString& archivePath);
QByteArray entryData(const QString& archivePath, const QString& entryName);

struct RawEntry {
    QByteArray name;
    QByteArray data; // for a link: the link target
    bool symlink = false;
};
// An archive holding exactly these entries, their names taken as they are, stored uncompressed.
bool writeRawArchive(const QString& archivePath, const QList<RawEntry>& entries);

} // namespace ZipTestFiles
