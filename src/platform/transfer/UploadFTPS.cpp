#include "platform/transfer/UploadFTPS.h"

#include "platform/transfer/ZipArchive.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kZipCreated = QStringLiteral("Zip Created!");
const QString kUnzipSucceeded = QStringLiteral("Success!");
const QString kFormPageExtension = QStringLiteral("quarnel");
const QStringList kScreenshotSuffixes = {QStringLiteral(".png"), QStringLiteral("@2x.png")};

// The screenshots go in unchecked: a page whose screenshots were not made yet still packs.
void appendScreenshots(ZipArchive& archive, const QString& pageFolder)
{
    for (const QString& suffix : kScreenshotSuffixes)
        archive.appendFiles(pageFolder + suffix, false);
}

} // namespace

bool UploadFTPS::writeArchive(ZipArchive& archive)
{
    const bool written = archive.writeZipAndClose();
    log(written ? kZipCreated : archive.lastErrorText());
    return written;
}

bool UploadFTPS::zipDocument(const QString& pageFolder, const QString& archivePath)
{
    const QString folder = QDir::cleanPath(pageFolder);
    ZipArchive archive;
    if (!archive.newZip(archivePath) || !archive.appendFiles(folder + QStringLiteral("/*"), true)) {
        log(archive.lastErrorText());
        return false;
    }
    const bool formPage = QFileInfo(archivePath).suffix() == kFormPageExtension;
    // A missing companion simply stays out of the archive.
    archive.appendFiles(folder + (formPage ? QStringLiteral(".php") : QStringLiteral(".html")), false);
    appendScreenshots(archive, folder);
    return writeArchive(archive);
}

bool UploadFTPS::zipDocument_mailchimp(const QString& pageFolder, const QString& archivePath)
{
    const QString folder = QDir::cleanPath(pageFolder);
    const QFileInfo folderInfo(folder);
    ZipArchive archive;
    if (!archive.newZip(archivePath)) {
        log(archive.lastErrorText());
        return false;
    }
    archive.setAppendFromDir(folderInfo.absolutePath());
    if (!archive.appendFiles(folderInfo.fileName() + QStringLiteral("/*"), true)) {
        log(archive.lastErrorText());
        return false;
    }
    for (const QString& source : {folder + QStringLiteral(".html"), folder + QStringLiteral(".php")}) {
        if (QFileInfo::exists(source))
            archive.appendFiles(source, false);
    }
    appendScreenshots(archive, folder);
    return writeArchive(archive);
}

bool UploadFTPS::unzipDocument(const QString& archivePath, const QString& destinationFolder)
{
    ZipArchive archive;
    if (!archive.openZip(archivePath) || archive.unzip(destinationFolder) < 0) {
        log(archive.lastErrorText());
        return false;
    }
    log(kUnzipSucceeded);
    return true;
}
