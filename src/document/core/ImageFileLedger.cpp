#include "document/core/ImageFileLedger.h"

#include <QFileInfo>

#include <optional>

bool ImageFileLedger::isCurrent(const QString& path, const QString& recipe) const
{
    std::optional<Entry> entry;
    {
        const QMutexLocker locked(&m_lock);
        const auto found = m_files.constFind(path);
        if (found != m_files.cend())
            entry = *found;
    }
    if (!entry || entry->recipe != recipe)
        return false;
    const QFileInfo file(path);
    return file.exists() && file.size() == entry->size && file.lastModified() == entry->modified;
}

void ImageFileLedger::record(const QString& path, const QString& recipe)
{
    const QFileInfo file(path);
    const QMutexLocker locked(&m_lock);
    if (!file.exists()) {
        m_files.remove(path);
        return;
    }
    m_files.insert(path, Entry{recipe, file.size(), file.lastModified()});
}

void ImageFileLedger::forget(const QString& path)
{
    const QMutexLocker locked(&m_lock);
    m_files.remove(path);
}
