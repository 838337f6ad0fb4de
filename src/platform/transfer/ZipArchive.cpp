#include "platform/transfer/ZipArchive.h"

#include "platform/transfer/ArchiveLimits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace {

const QDir::Filters kEverything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// The smallest valid archive: an end-of-central-directory record for zero entries. libzip writes no file
// at all for an archive without entries, yet an empty archive must still be a readable archive.
const QByteArray kEmptyArchive = QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0');

// Files whose own format is compressed already: deflating them again takes time and saves next to nothing,
// so they are stored as they are.
bool isCompressedAlready(const QString& entryName)
{
    static const QStringList kSuffixes = {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                          QStringLiteral("gif"), QStringLiteral("zip")};
    const QString suffix = QFileInfo(entryName).suffix();
    return std::any_of(kSuffixes.begin(), kSuffixes.end(), [&](const QString& known) {
        return suffix.compare(known, Qt::CaseInsensitive) == 0;
    });
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

QString libzipText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QString libzipText(zip_t* archive)
{
    return QString::fromUtf8(zip_error_strerror(zip_get_error(archive)));
}

bool isPattern(const QString& name)
{
    return name.contains(u'*') || name.contains(u'?');
}

bool isSymlinkEntry(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

// Why an entry may not be unpacked below destination, or an empty text when it may. Backslashes count as
// separators here so that names made on other systems cannot slip a ".." past the check.
QString refusalReason(const QString& name, bool isSymlink, const QString& destination)
{
    if (isSymlink)
        return QStringLiteral("symbolic links are not unpacked");
    if (name.isEmpty())
        return QStringLiteral("the entry has no name");
    if (name.startsWith(u'/') || name.startsWith(u'\\'))
        return QStringLiteral("absolute paths are not unpacked");
    const QStringList parts = QString(name).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    if (parts.contains(QStringLiteral("..")))
        return QStringLiteral("\"..\" would leave the destination folder");
    QString path = destination;
    for (const QString& part : parts) {
        path += u'/' + part;
        if (QFileInfo(path).isSymLink())
            return QStringLiteral("the destination holds a symbolic link at ") + path;
    }
    return {};
}

struct EntryFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

// The files and folders one unpacking made, so that a failed unpacking can take them away again.
class ZipArchive::UnpackedItems {
public:
    // Makes the folder and those above it that are missing, remembering each one made.
    bool makeFolder(const QString& path)
    {
        QStringList missing;
        for (QString folder = QDir::cleanPath(path); !QFileInfo::exists(folder);) {
            missing.prepend(folder);
            const QString parent = QFileInfo(folder).path();
            if (parent == folder)
                break;
            folder = parent;
        }
        if (!QDir().mkpath(path))
            return false;
        m_folders.append(missing);
        return true;
    }
    void addFile(const QString& path) { m_files.append(path); }
    void removeAll()
    {
        for (const QString& file : std::as_const(m_files))
            QFile::remove(file);
        for (auto folder = m_folders.crbegin(); folder != m_folders.crend(); ++folder)
            QDir().rmdir(*folder);
        m_files.clear();
        m_folders.clear();
    }

private:
    QStringList m_files;
    QStringList m_folders; // outermost first
};

ZipArchive::~ZipArchive()
{
    closeZip();
}

bool ZipArchive::fail(const QString& text)
{
    m_lastError = text;
    return false;
}

bool ZipArchive::newZip(const QString& path)
{
    m_lastError.clear();
    m_writing = false;
    m_entries.clear();
    m_entryIndex.clear();
    m_appendFromDir.clear();
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir())
        return fail(QStringLiteral("Not a path for an archive: \"%1\"").arg(path));
    if (!target.dir().exists())
        return fail(
            QStringLiteral("The folder of the archive does not exist: %1").arg(target.absolutePath()));
    m_targetPath = target.absoluteFilePath();
    m_writing = true;
    return true;
}

void ZipArchive::setAppendFromDir(const QString& folder)
{
    m_appendFromDir = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString ZipArchive::entryName(const QString& absolutePath, const QString& namingRoot) const
{
    return QDir(namingRoot).relativeFilePath(absolutePath);
}

void ZipArchive::addEntry(const QString& name, const QString& sourcePath)
{
    const auto found = m_entryIndex.constFind(name);
    if (found != m_entryIndex.constEnd()) {
        m_entries[*found].sourcePath = sourcePath;
        return;
    }
    m_entryIndex.insert(name, m_entries.size());
    m_entries.append({name, sourcePath});
}

void ZipArchive::addItems(const QFileInfoList& items, const QString& prefix, bool recurse)
{
    for (const QFileInfo& item : items) {
        if (item.isSymLink())
            continue;
        if (!item.isDir())
            addEntry(prefix + item.fileName(), item.filePath());
        else if (recurse)
            addFolder(prefix + item.fileName(), item.filePath());
    }
}

void ZipArchive::addFolder(const QString& name, const QString& folderPath)
{
    if (!name.isEmpty())
        addEntry(name + u'/', {});
    const QString prefix = name.isEmpty() ? QString() : name + u'/';
    addItems(QDir(folderPath).entryInfoList(kEverything, QDir::Name), prefix, true);
}

bool ZipArchive::appendFiles(const QString& pathOrPattern, bool recurse)
{
    m_lastError.clear();
    if (!m_writing)
        return fail(QStringLiteral("No archive is being written"));
    const QString base = m_appendFromDir.isEmpty() ? QDir::currentPath() : m_appendFromDir;
    const QString path = QDir::cleanPath(QDir(base).absoluteFilePath(pathOrPattern));
    const QFileInfo info(path);
    const QString parent = info.absolutePath();
    const QString fromAppendDir = m_appendFromDir.isEmpty() ? QString() : entryName(path, m_appendFromDir);
    const bool insideAppendFrom = !fromAppendDir.isEmpty() && fromAppendDir != QStringLiteral(".") &&
                                  fromAppendDir != QStringLiteral("..") &&
                                  !fromAppendDir.startsWith(QStringLiteral("../"));
    const QString namingRoot = insideAppendFrom ? m_appendFromDir : parent;

    // A name that exists as written is never a pattern, so a page named "Why?" still finds "Why?.html".
    if (!isPattern(info.fileName()) || info.exists()) {
        if (info.isSymLink() || !info.exists())
            return fail(QStringLiteral("No such file or folder: %1").arg(path));
        const QString name = entryName(path, namingRoot);
        if (!info.isDir())
            addEntry(name, path);
        else if (recurse)
            addFolder(name, path);
        else
            addEntry(name + u'/', {});
        return true;
    }

    if (!QFileInfo(parent).isDir())
        return fail(QStringLiteral("No such folder: %1").arg(parent));
    // The pattern's own folder becomes an entry when it lies below the naming root, so that it comes back
    // on unpacking even when it is empty.
    const QString folderName = entryName(parent, namingRoot);
    const bool atRoot = folderName == QStringLiteral(".");
    if (!atRoot)
        addEntry(folderName + u'/', {});
    const QFileInfoList matches =
        QDir(parent).entryInfoList({info.fileName()}, kEverything | QDir::CaseSensitive, QDir::Name);
    addItems(matches, atRoot ? QString() : folderName + u'/', recurse);
    return true;
}

bool ZipArchive::writeEntries(const QString& archivePath)
{
    if (m_entries.isEmpty()) {
        QFile file(archivePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(kEmptyArchive) != kEmptyArchive.size() || !file.flush())
            return fail(QStringLiteral("Cannot write %1: %2").arg(archivePath, file.errorString()));
        return true;
    }
    int code = 0;
    zip_t* archive = zip_open(encoded(archivePath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return fail(QStringLiteral("Cannot create %1: %2").arg(archivePath, libzipText(code)));
    for (const Entry& entry : std::as_const(m_entries)) {
        const QByteArray name = entry.name.toUtf8();
        zip_int64_t added = -1;
        if (entry.sourcePath.isEmpty()) {
            added = zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8);
        } else if (zip_source_t* source =
                       zip_source_file(archive, encoded(entry.sourcePath).constData(), 0, -1)) {
            added = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
            if (added < 0)
                zip_source_free(source);
            else if (isCompressedAlready(entry.name) &&
                     zip_set_file_compression(archive, zip_uint64_t(added), ZIP_CM_STORE, 0) != 0)
                added = -1;
        }
        if (added < 0) {
            const QString reason = libzipText(archive);
            zip_discard(archive);
            return fail(QStringLiteral("Cannot add %1: %2").arg(entry.name, reason));
        }
    }
    if (zip_close(archive) != 0) {
        QString reason = libzipText(archive);
        zip_discard(archive);
        // libzip does not say which file it could not read; name the first one that is gone or unreadable.
        for (const Entry& entry : std::as_const(m_entries)) {
            if (!entry.sourcePath.isEmpty() && !QFileInfo(entry.sourcePath).isReadable()) {
                reason += QStringLiteral(" (%1)").arg(entry.sourcePath);
                break;
            }
        }
        return fail(QStringLiteral("Cannot write the archive %1: %2").arg(m_targetPath, reason));
    }
    return true;
}

bool ZipArchive::writeZipAndClose()
{
    m_lastError.clear();
    if (!m_writing)
        return fail(QStringLiteral("No archive is being written"));
    m_writing = false;
    const QFileInfo target(m_targetPath);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return fail(QStringLiteral("Cannot create a temporary file beside %1: %2")
                        .arg(m_targetPath, temporary.errorString()));
    temporary.close();
    const QString temporaryPath = temporary.fileName();
    const bool written = writeEntries(temporaryPath);
    m_entries.clear();
    m_entryIndex.clear();
    if (!written)
        return false;

    // The temporary file is private to its creator; the archive gets the permissions of the one it
    // replaces, or the usual ones of a new document.
    const QFileDevice::Permissions permissions =
        target.exists() ? QFile::permissions(m_targetPath)
                        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                              QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(temporaryPath, permissions);
    if (std::rename(encoded(temporaryPath).constData(), encoded(m_targetPath).constData()) != 0)
        return fail(QStringLiteral("Cannot move the archive into place at %1: %2")
                        .arg(m_targetPath, QString::fromLocal8Bit(std::strerror(errno))));
    temporary.setAutoRemove(false);
    return true;
}

bool ZipArchive::openZip(const QString& path)
{
    m_lastError.clear();
    closeZip();
    if (QFileInfo(path).isFile() && QFileInfo(path).size() == 0)
        return fail(QStringLiteral("Cannot open the archive %1: the file is empty").arg(path));
    int code = 0;
    m_opened = zip_open(encoded(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_opened)
        return fail(QStringLiteral("Cannot open the archive %1: %2").arg(path, libzipText(code)));
    return true;
}

void ZipArchive::closeZip()
{
    if (m_opened)
        zip_discard(m_opened);
    m_opened = nullptr;
}

int ZipArchive::unzip(const QString& destination)
{
    m_lastError.clear();
    if (!m_opened) {
        fail(QStringLiteral("No archive is open"));
        return -1;
    }
    const QString root = QDir::cleanPath(QDir(destination).absolutePath());
    const std::optional<QList<PlannedEntry>> plan = plannedEntries(root);
    if (!plan)
        return -1;

    // Whatever this unpacking creates goes again when it fails half-way, so a refused archive leaves
    // nothing behind.
    UnpackedItems created;
    if (!created.makeFolder(root)) {
        fail(QStringLiteral("Cannot create the folder %1").arg(destination));
        created.removeAll();
        return -1;
    }
    int files = 0;
    for (const PlannedEntry& entry : *plan) {
        if (!unzipEntry(entry, created)) {
            created.removeAll();
            return -1;
        }
        if (!entry.isFolder)
            ++files;
    }
    return files;
}

std::optional<QList<ZipArchive::PlannedEntry>> ZipArchive::plannedEntries(const QString& root)
{
    const zip_int64_t count = zip_get_num_entries(m_opened, 0);
    if (count > ArchiveLimits::kMostEntries) {
        fail(QStringLiteral("The archive holds %1 entries, more than the %2 an archive may hold")
                 .arg(count)
                 .arg(ArchiveLimits::kMostEntries));
        return std::nullopt;
    }
    QList<PlannedEntry> plan;
    QStringList refusals;
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* rawName = zip_get_name(m_opened, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = rawName ? QString::fromUtf8(rawName) : QString();
        QString reason = refusalReason(name, isSymlinkEntry(m_opened, zip_uint64_t(i)), root);
        zip_stat_t stat;
        zip_stat_init(&stat);
        const bool sized =
            zip_stat_index(m_opened, zip_uint64_t(i), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE);
        const qint64 size =
            sized
                ? qint64(std::min<zip_uint64_t>(stat.size, zip_uint64_t(std::numeric_limits<qint64>::max())))
                : 0;
        if (reason.isEmpty() && !sized)
            reason = QStringLiteral("its size is unknown");
        else if (reason.isEmpty() && size > ArchiveLimits::kLargestEntryBytes)
            reason = QStringLiteral("it unpacks to %1 bytes, more than %2")
                         .arg(size)
                         .arg(ArchiveLimits::kLargestEntryBytes);
        if (!reason.isEmpty()) {
            refusals << QStringLiteral("Refused entry \"%1\": %2").arg(name, reason);
            continue;
        }
        total += size;
        plan.append({zip_uint64_t(i), QDir::cleanPath(root + u'/' + name), name.endsWith(u'/'), size});
    }
    if (refusals.isEmpty() && total > ArchiveLimits::kLargestArchiveBytes)
        refusals << QStringLiteral("The archive unpacks to %1 bytes, more than %2")
                        .arg(total)
                        .arg(ArchiveLimits::kLargestArchiveBytes);
    if (!refusals.isEmpty()) {
        fail(refusals.join(u'\n'));
        return std::nullopt;
    }
    return plan;
}

bool ZipArchive::unzipEntry(const PlannedEntry& entry, UnpackedItems& created)
{
    const QString& targetPath = entry.target;
    if (entry.isFolder) {
        if (!created.makeFolder(targetPath))
            return fail(QStringLiteral("Cannot create the folder %1").arg(targetPath));
        return true;
    }
    if (!created.makeFolder(QFileInfo(targetPath).absolutePath()))
        return fail(QStringLiteral("Cannot create the folder %1").arg(QFileInfo(targetPath).absolutePath()));
    std::unique_ptr<zip_file_t, EntryFileCloser> file(zip_fopen_index(m_opened, entry.index, 0));
    if (!file)
        return fail(
            QStringLiteral("Cannot read %1 from the archive: %2").arg(targetPath, libzipText(m_opened)));
    QFile out(targetPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(targetPath, out.errorString()));
    created.addFile(targetPath);
    // Never more than one byte past the declared size is asked for: a stream that inflates beyond what
    // its header says is stopped there, not unpacked to the end.
    char buffer[64 * 1024];
    qint64 written = 0;
    zip_int64_t read = 0;
    while ((read = zip_fread(
                file.get(), buffer,
                zip_uint64_t(std::min<qint64>(qint64(sizeof buffer), entry.size - written + 1)))) > 0) {
        written += read;
        if (written > entry.size)
            return fail(QStringLiteral("%1 holds more than the %2 bytes the archive declares for it")
                            .arg(targetPath)
                            .arg(entry.size));
        if (out.write(buffer, read) != read)
            return fail(QStringLiteral("Cannot write %1: %2").arg(targetPath, out.errorString()));
    }
    if (read < 0)
        return fail(QStringLiteral("Cannot read %1 from the archive: %2")
                        .arg(targetPath, QString::fromUtf8(zip_file_strerror(file.get()))));
    if (written != entry.size)
        return fail(QStringLiteral("%1 holds %2 bytes, not the %3 the archive declares for it")
                        .arg(targetPath)
                        .arg(written)
                        .arg(entry.size));
    if (!out.flush())
        return fail(QStringLiteral("Cannot write %1: %2").arg(targetPath, out.errorString()));
    return true;
}
