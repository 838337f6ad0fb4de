#include "document/core/ImageFileLedger.h"

#include <QFileInfo>

bool ImageFileLedger::isCurrent(const QString& path, const QString& recipe) const
{
    const auto entry = m_files.constFind(path);
    if (entry == m_files.cend() || entry->recipe != recipe)
        return false;
    const QFileInfo file(path);
    return file.exists() && file.size() == entry->size && file.lastModified() == entry->modified;
}

void ImageFileLedger::record(const QString& path, const QString& recipe)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        m_files.remove(path);
        return;
    }
    m_files.insert(path, Entry{recipe, file.size(), file.lastModified()});
}

void ImageFileLedger::forget(const QString& path)
{
    m_files.remove(path);
}
