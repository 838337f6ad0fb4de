#include "document/files/PagePackaging.h"

#include "platform/transfer/UploadFTPS.h"
#include "profile/DataCentre.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kFormDocumentExtension = QStringLiteral("quarnel");
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

} // namespace DataCentre
