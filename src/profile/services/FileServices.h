#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <algorithm>
#include <memory>

// Sizes of files and folders, the upload rule for page images, bundle text files, sorting records by key.
// Page images are stored as masters "<base>o.<ext>" beside double-density twins "<base>@2x.<ext>".
namespace DataCentre {

// Size in bytes of the item at the path (a link counts as itself); 0 when nothing exists there.
qint64 grabFileSize(const QString& path);
// The same size as byte-count text ("Zero KB", "12 bytes", "3 KB", "1.5 MB", "5.37 GB").
QString grabFileSizeStr(const QString& path);
// File-style byte-count text: decimal units, KB whole, MB with one decimal, larger units with two.
QString byteCountString(qint64 bytes);
// Sum of the sizes of the folder's direct entries, hidden ones included; a sub-folder adds the size of its
// own entry, not its content. 0 when the folder cannot be listed.
quint64 sizeOfFolder(const QString& folderPath);

// Whether a page image is uploaded on publishing: never the submit button images, always the twins,
// a master only when it has no twin beside it.
bool shouldUploadThisImage(const QString& imagePath);
// Whether the twin of the image exists in its folder: the name with every "o" removed and "@2x" put
// before each point.
bool isThere2xImage(const QString& imagePath);

// The text of the bundle resource "name.extension" read as UTF-8; a null string when the resource is
// missing or is not UTF-8 text.
QString readBundleFile(const QString& name, const QString& extension);

// Writes the current time "HH:mm:ss" to the log.
void printCurrentTime();

namespace detail {
QVariant valueForKeyPath(const QVariantMap& map, const QString& keyPath);
template <typename Record> QVariant valueForKeyPath(const Record& record, const QString& keyPath)
{
    return record.valueForKey(keyPath);
}
template <typename Record>
QVariant valueForKeyPath(const std::shared_ptr<Record>& record, const QString& keyPath)
{
    return record ? valueForKeyPath(*record, keyPath) : QVariant();
}
// A total order over values: absent values first, then by the values' own comparison; values of kinds
// that cannot be compared are ordered by kind, so sorting mixed lists stays well defined.
int compareValues(const QVariant& a, const QVariant& b);
} // namespace detail

// A new list of the elements sorted by the value at the key path, ascending or descending; equal keys keep
// their order. Elements are property dictionaries or records offering valueForKey(key) (also behind a
// shared pointer).
template <typename T> QList<T> sortArray(const QList<T>& list, const QString& keyPath, bool ascending)
{
    QList<T> sorted = list;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const T& a, const T& b) {
        const int order =
            detail::compareValues(detail::valueForKeyPath(a, keyPath), detail::valueForKeyPath(b, keyPath));
        return ascending ? order < 0 : order > 0;
    });
    return sorted;
}

} // namespace DataCentre
