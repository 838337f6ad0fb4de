#include "ZipTestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <sys/stat.h>

namespace ZipTestFiles {

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> filesBelow(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), read(path));
    }
    return files;
}

QStringList treeBelow(const QString& root)
{
    QStringList tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        tree << QDir(root).relativeFilePath(path) + (it.fileInfo().isDir() ? "/" : "");
    }
    tree.sort();
    return tree;
}

QStringList entryNames(const QString& archivePath)
{
    QStringList names;
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, nullptr);
    if (!archive)
        return names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i)
        names << QString::fromUtf8(zip_get_name(archive, zip_uint64_t(i), 0));
    zip_discard(archive);
    return names;
}

QByteArray entryData(const QString& archivePath, const QString& entryName)
{
    QByteArray data;
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, nullptr);
    if (!archive)
        return data;
    if (zip_file_t* file = zip_fopen(archive, entryName.toUtf8().constData(), 0)) {
        char buffer[4096];
        zip_int64_t n = 0;
        while ((n = zip_fread(file, buffer, sizeof buffer)) > 0)
            data.append(buffer, n);
        zip_fclose(file);
    }
    zip_discard(archive);
    return data;
}

bool writeRawArchive(const QString& archivePath, const QList<RawEntry>& entries)
{
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    if (!archive)
        return false;
    for (const RawEntry& entry : entries) {
        // The entries outlive zip_close, so the sources may point into them.
        zip_source_t* source = zip_source_buffer(archive, entry.data.constData(), entry.data.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.constData(), source, 0);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
        if (entry.symlink)
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(S_IFLNK | 0777) << 16);
    }
    return zip_close(archive) == 0;
}

} // namespace ZipTestFiles
