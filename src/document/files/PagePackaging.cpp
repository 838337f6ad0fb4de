#include "document/files/PagePackaging.h"

#include "platform/transfer/UploadFTPS.h"
#include "profile/DataCentre.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QString kFormDocumentExtension = QStringLiteral("quarnel");
const QString kStyleSheet = QStringLiteral("full.css");
// Page names are counted on from 4 when a folder already holds a page of that name.
constexpr int kFirstCounter = 4;

// The extension of the page file inside a document of that extension; empty for any other document.
QString pageFileExtensionOf(const QString& documentExtension)
{
    if (documentExtension == kFormDocumentExtension)
        return QStringLiteral("php");
    if (documentExtension == DataCentre::profile().documentExtension)
        return QStringLiteral("html");
    return {};
}

QString withExtension(const QString& name, const QString& extension)
{
    return extension.isEmpty() ? name : name + u'.' + extension;
}

void moveFile(const QDir& from, const QString& fromName, const QDir& to, const QString& toName)
{
    // A missing screenshot is simply not moved.
    QFile::rename(from.filePath(fromName), to.filePath(toName));
}

} // namespace

namespace DataCentre {

QString pageFileIn(const QString& folder, const QString& baseName, const QStringList& extensions)
{
    const QDir dir(folder);
    for (const QString& extension : extensions) {
        const QString named = baseName + u'.' + extension;
        if (QFileInfo(dir.filePath(named)).isFile())
            return named;
    }
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Name)) {
        if (extensions.contains(file.suffix()))
            return file.fileName();
    }
    return {};
}

bool moveReplacing(const QString& from, const QString& to)
{
    if (!QFileInfo::exists(from))
        return false;
    if (QFileInfo::exists(to))
        QFile::remove(to);
    return QFile::rename(from, to);
}

bool packageDocument(const QString& pageFolderPath, const QString& pageDocumentPath)
{
    UploadFTPS transfer;
    const bool packed = transfer.zipDocument(pageFolderPath, pageDocumentPath);
    if (!packed)
        qWarning("%s", qPrintable(transfer.textLog().join(u' ')));
    return packed;
}

QString migrateWebsitePage(const QString& pageDocumentPath, const QString& unpackFolderPath)
{
    const QFileInfo document(pageDocumentPath);
    const QString name = document.completeBaseName();
    const QDir unpackFolder(unpackFolderPath);
    const QString parentPath = QFileInfo(QDir::cleanPath(unpackFolderPath)).absolutePath();
    const QDir parent(parentPath);
    UploadFTPS transfer;

    if (profile().responsiveDesign) {
        transfer.unzipDocument(pageDocumentPath, parentPath);
        return parent.filePath(name + QStringLiteral("@2x.png"));
    }
    const QString extension = pageFileExtensionOf(document.suffix());
    if (!transfer.unzipDocument(pageDocumentPath, unpackFolderPath))
        return {};

    // A name is taken by a page file of either kind or by a page folder: "a.velkpage" and "a.quarnel" of
    // one folder must not share their pictures.
    const auto taken = [&](const QString& candidate) {
        return QFileInfo::exists(parent.filePath(withExtension(candidate, extension))) ||
               QFileInfo::exists(parent.filePath(candidate + QStringLiteral(".html"))) ||
               QFileInfo::exists(parent.filePath(candidate + QStringLiteral(".php"))) ||
               (parent.filePath(candidate) != unpackFolder.absolutePath() &&
                QFileInfo(parent.filePath(candidate)).isDir());
    };
    QString base = name;
    for (int counter = kFirstCounter; taken(base); ++counter)
        base = name + QString::number(counter);

    const QStringList pageFiles =
        extension.isEmpty()
            ? unpackFolder.entryList(QDir::Files, QDir::Name)
            : unpackFolder.entryList({QStringLiteral("*.") + extension}, QDir::Files, QDir::Name);
    const QString pageFile = pageFiles.value(0);
    const QString original = QFileInfo(pageFile).completeBaseName();
    if (!pageFile.isEmpty())
        moveFile(unpackFolder, pageFile, parent, withExtension(base, extension));
    moveFile(unpackFolder, original + QStringLiteral(".png"), parent, base + QStringLiteral(".png"));
    moveFile(unpackFolder, original + QStringLiteral("@2x.png"), parent, base + QStringLiteral("@2x.png"));
    // What is left of the unpacked document is the page folder.
    QDir().rename(unpackFolder.absolutePath(), parent.filePath(base));

    const QString retina = parent.filePath(base + QStringLiteral("@2x.png"));
    return QFileInfo::exists(retina) ? retina : parent.filePath(base + QStringLiteral(".png"));
}

QString renameUnpackedPage(const QString& pageFilePath, const QString& newName)
{
    const QFileInfo source(pageFilePath);
    const QString oldName = source.completeBaseName();
    if (oldName == newName)
        return pageFilePath;
    QDir folder(source.path());
    const QString renamed = folder.filePath(newName + u'.' + source.suffix());
    if (!moveReplacing(pageFilePath, renamed))
        return {};
    for (const QString& screenshot : {QStringLiteral(".png"), QStringLiteral("@2x.png")})
        moveReplacing(folder.filePath(oldName + screenshot), folder.filePath(newName + screenshot));
    QFile::remove(QDir(folder.filePath(oldName)).filePath(kStyleSheet));
    QDir(folder.filePath(newName)).removeRecursively();
    if (!folder.rename(oldName, newName))
        folder.mkpath(newName);
    return renamed;
}

bool copyPageDocument(const QString& sourcePath, const QString& targetPath)
{
    if (!profile().responsiveDesign)
        return QFile::copy(sourcePath, targetPath);
    if (QFileInfo::exists(targetPath))
        return false;
    const QTemporaryDir unpacking;
    UploadFTPS transfer;
    if (!unpacking.isValid() || !transfer.unzipDocument(sourcePath, unpacking.path()))
        return false;
    const QString page = pageFileIn(unpacking.path(), QFileInfo(sourcePath).completeBaseName(),
                                    {QStringLiteral("html"), QStringLiteral("php")});
    if (page.isEmpty())
        return false;
    const QFileInfo renamed(renameUnpackedPage(QDir(unpacking.path()).filePath(page),
                                               QFileInfo(targetPath).completeBaseName()));
    if (renamed.fileName().isEmpty())
        return false;
    return transfer.zipDocument_mailchimp(QDir(renamed.path()).filePath(renamed.completeBaseName()),
                                          targetPath);
}

} // namespace DataCentre
