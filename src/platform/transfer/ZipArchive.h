#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class QFileInfo;
struct zip;

// A ZIP archive on disk, either being put together and written in one go (newZip, appendFiles,
// writeZipAndClose) or opened for unpacking (openZip, unzip). Every failing operation leaves a readable
// reason in lastErrorText().
class ZipArchive {
public:
    ZipArchive() = default;
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Starts an empty archive that writeZipAndClose() will write at path. The folder of path must exist.
    bool newZip(const QString& path);

    // Folder that relative paths are read from and that entry names are made relative to.
    void setAppendFromDir(const QString& folder);
    QString appendFromDir() const { return m_appendFromDir; }

    // Adds a file, a folder, or the items matched by a wildcard ("*", "?") in the last path component
    // ("folder/*"). A path inside the append-from folder is named relative to it; any other path is named
    // relative to the folder it lies in, so "F/*" gives the content of F and "F.png" gives "F.png".
    // Folders are added with everything below them only when recurse is on. Symbolic links are skipped.
    // Fails when the file, folder or pattern folder does not exist; a pattern matching nothing succeeds.
    bool appendFiles(const QString& pathOrPattern, bool recurse);

    // Writes the archive to a temporary file beside its path and renames it into place, so an existing
    // archive there stays untouched when writing fails. The archive is closed either way.
    bool writeZipAndClose();

    bool openZip(const QString& path);
    // Unpacks the opened archive below destination (created as needed) and answers the number of files
    // written, or -1 on failure. An archive holding any entry that could land outside destination (absolute
    // path, ".." component, symbolic link, or a link already in destination on the way), or that declares
    // more than the archive limits allow, is refused as a whole before anything is written. An entry
    // whose data differs from its declared size fails the unpacking, and a failed unpacking removes every
    // file and folder it made.
    int unzip(const QString& destination);
    void closeZip();

    QString lastErrorText() const { return m_lastError; }

private:
    struct Entry {
        QString name;       // entry name, ending in "/" for a folder
        QString sourcePath; // file read when writing; empty for a folder
    };

    bool fail(const QString& text);
    void addEntry(const QString& name, const QString& sourcePath);
    void addItems(const QList<QFileInfo>& items, const QString& prefix, bool recurse);
    void addFolder(const QString& name, const QString& folderPath); // with everything below it
    QString entryName(const QString& absolutePath, const QString& namingRoot) const;
    bool writeEntries(const QString& archivePath);
    struct PlannedEntry {
        quint64 index;
        QString target;
        bool isFolder;
        qint64 size; // as the archive declares it
    };
    class UnpackedItems;
    // The entries to unpack below root, or none (with the reasons) when the archive is refused.
    std::optional<QList<PlannedEntry>> plannedEntries(const QString& root);
    bool unzipEntry(const PlannedEntry& entry, UnpackedItems& created);

    // Archive being put together.
    bool m_writing = false;
    QString m_targetPath;
    QString m_appendFromDir;
    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_entryIndex;

    // Archive opened for unpacking.
    zip* m_opened = nullptr;

    QString m_lastError;
};
