#include "profile/services/FolderScan.h"

#include "profile/DataCentre.h"
#include "profile/services/FileServices.h"
#include "profile/services/ProgressWindow.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace DataCentre {

namespace {

const QStringList kPhotoExtensions = {"jpg", "JPG", "jpeg", "JPEG", "png", "PNG", "gif", "GIF"};
const QStringList kVideoExtensions = {"mp4", "MP4", "ogg", "OGG", "webm", "WEBM", "MOV", "mov", "AVI", "avi"};

// Every entry at every depth, hidden ones included; links to folders are listed, not entered.
constexpr QDir::Filters kEveryEntry = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// Long scans report less often so the window does not slow them down.
int progressInterval(qsizetype count)
{
    return count > 1000 ? 50 : 10;
}

QString joinedPath(const QString& folder, const QString& name)
{
    return folder.isEmpty() ? name : folder + u'/' + name;
}

void setDates(VelkFileHelper& record, const QDateTime& date)
{
    record.setFileModDate(date);
    if (!date.isValid())
        return;
    record.setFileModDateString(QLocale().toString(date, QStringLiteral("MMM dd yyyy")));
    // Part of file names: digits of the C locale whatever the user's locale is.
    record.setFileModDateString_fileNameFormat(QLocale::c().toString(date, QStringLiteral("yyyyMMdd")));
}

std::shared_ptr<VelkFileHelper> folderRecord(const QFileInfo& folder)
{
    auto record = std::make_shared<VelkFileHelper>();
    record->setFilePath(folder.absoluteFilePath());
    setDates(*record, folder.lastModified());
    const quint64 size = sizeOfFolder(folder.absoluteFilePath());
    record->setFileSize(byteCountString(qint64(size)));
    record->setFileSizeBytes(size);
    return record;
}

// A copied photo gets a new creation date but keeps its modification date: the earlier is nearer the shot.
std::shared_ptr<VelkFileHelper> mediaRecord(const QFileInfo& file)
{
    auto record = std::make_shared<VelkFileHelper>();
    record->setFilePath(file.absoluteFilePath());
    const QDateTime created = file.birthTime();
    const QDateTime modified = file.lastModified();
    setDates(*record, created.isValid() && (!modified.isValid() || created < modified) ? created : modified);
    return record;
}

QString foundText(const char* noun, qsizetype count)
{
    return QStringLiteral("Found %1 %2").arg(count).arg(QLatin1String(noun));
}

// A copy made by an earlier run under the same name is stale: replace it, unless it is the source itself.
void copyReplacing(const QString& source, const QString& target)
{
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && targetInfo.canonicalFilePath() == QFileInfo(source).canonicalFilePath())
        return;
    if (targetInfo.exists() || targetInfo.isSymLink())
        QFile::remove(target);
    QFile file(source);
    if (!file.copy(target))
        qWarning().noquote()
            << QStringLiteral("Could not copy %1 to %2: %3").arg(source, target, file.errorString());
}

} // namespace

VelkFileHelperList& catalogFileList()
{
    static VelkFileHelperList list;
    return list;
}

void countNumberOfFiles(const QUrl& folder)
{
    VelkFileHelperList& list = catalogFileList();
    list = {};
    if (!folder.isLocalFile())
        return;
    const QString root = folder.toLocalFile();

    int total = 0;
    for (QDirIterator entries(root, kEveryEntry, QDirIterator::Subdirectories); entries.hasNext();
         entries.next())
        ++total;
    const int interval = progressInterval(total);
    const ProductProfile& settings = profile();

    int item = 0;
    QDirIterator entries(root, kEveryEntry, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        ++item;
        if (!entry.exists() && !entry.isSymLink())
            continue; // gone or unreadable since it was listed
        if (entry.isDir() && !entry.isSymLink()) {
            if (!settings.fileCatalogMode)
                continue;
            list.append(folderRecord(entry));
            if (item % interval == 0)
                updateProgressBar(item, total, foundText("folders", list.size()));
        } else if (settings.photoCatalogMode) {
            if (!kPhotoExtensions.contains(entry.suffix()))
                continue;
            list.append(mediaRecord(entry));
            if (item % interval == 0)
                updateProgressBar(item, total, foundText("supported files", list.size()));
        } else if (settings.videoCatalogMode) {
            if (!kVideoExtensions.contains(entry.suffix()))
                continue;
            list.append(mediaRecord(entry));
            updateProgressBar(item, total, foundText("supported files", list.size()));
        }
    }
}

void duplicatePhotoRepository(const QString& outputFolder)
{
    const QString noun = profile().pageNoun;
    QDir(outputFolder).mkdir(noun); // an existing folder is fine; a failure shows in the copies' log lines
    const QString gallery = joinedPath(outputFolder, noun);

    const VelkFileHelperList& list = catalogFileList();
    const int count = int(list.size());
    const int interval = progressInterval(count);
    for (int index = 0; index < count; ++index) {
        if (index % interval == 0)
            updateProgressBar(index, count, QStringLiteral("Step 1: Preparing to generate grid"));
        VelkFileHelper& record = *list.at(index);
        const QString name = noun + QString::number(index) + u'.' + QFileInfo(record.filePath()).suffix();
        copyReplacing(record.filePath(), joinedPath(gallery, name));
        record.setUpdatedFilePath(joinedPath(noun, name));
    }
}

} // namespace DataCentre
