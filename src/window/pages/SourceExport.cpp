#include "window/pages/SourceExport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace SourceExport {

namespace {

// Copies the folder with everything below it; answers the items that could not be copied.
QStringList copyFolder(const QString& from, const QString& to)
{
    QStringList problems;
    if (!QFileInfo(from).isDir())
        return {QStringLiteral("The working folder %1 is missing").arg(from)};
    if (!QDir().mkpath(to))
        return {QStringLiteral("The folder %1 could not be made").arg(to)};
    const QDir source(from);
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const QString target = QDir(to).filePath(source.relativeFilePath(entry.filePath()));
        const bool copied = entry.isDir() && !entry.isSymLink() ? QDir().mkpath(target)
                                                                : QFile::copy(entry.filePath(), target);
        if (!copied)
            problems.append(QStringLiteral("%1 could not be copied").arg(target));
    }
    return problems;
}

} // namespace

QStringList run(const SourceExportJob& job)
{
    QStringList problems = copyFolder(job.workingCopyFolder, job.destination);
    const QDir destination(job.destination);
    const QDir tempFiles(job.tempFilesFolder);
    for (const auto& [local, published] : job.pages) {
        const QString target = destination.filePath(local);
        if (job.responsive && QFileInfo::exists(target) && !QFile::remove(target))
            problems.append(QStringLiteral("%1 could not be replaced").arg(target));
        const QString version = tempFiles.filePath(local);
        // A page file already in place stays: the publish version goes only where none is.
        if (QFileInfo::exists(version) && !QFileInfo::exists(target) && !QFile::rename(version, target))
            problems.append(QStringLiteral("%1 could not be moved to %2").arg(version, target));
    }
    for (const auto& [local, published] : job.pages) {
        if (local == published)
            continue;
        const QString from = destination.filePath(local);
        const QString to = destination.filePath(published);
        if (QFileInfo::exists(to))
            problems.append(QStringLiteral("%1 could not be renamed to %2: a file of that name exists")
                                .arg(local, published));
        else if (!QFile::rename(from, to))
            problems.append(QStringLiteral("%1 could not be renamed to %2").arg(local, published));
    }
    return problems;
}

} // namespace SourceExport
