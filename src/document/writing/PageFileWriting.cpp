#include "document/core/SKTDocument.h"
#include "document/writing/PageAssembly.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QtConcurrent/QtConcurrentMap>

// The files a generated page refers to, written beside it by the save and publish paths.

namespace {

const QStringList kStyleSheetNames = {QStringLiteral("full.css"), QStringLiteral("mobile.css")};

// Files of the website's page folder that no image of the page uses any more; the style sheets stay.
void removeUnusedFiles(SKTDocument& document, const PageImageList& images)
{
    if (document.openWebsiteFolderTempPath().isEmpty())
        return;
    const QDir folder(QDir(document.openWebsiteFolderTempPath()).filePath(document.pageName()));
    if (!folder.exists())
        return;
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (kStyleSheetNames.contains(file.fileName()))
            continue;
        if (document.isImageInUse(file.completeBaseName(), file.suffix(), images)) {
            qDebug("%s is in use", qPrintable(file.fileName()));
            continue;
        }
        qDebug("%s is NOT in use", qPrintable(file.fileName()));
        QFile::remove(file.filePath());
    }
}

} // namespace

bool SKTDocument::writePageFiles(const QString& pageName, bool storeImages)
{
    // Without a generation there is no list of the images in use, and every file would look unused.
    if (!m_generatedLists)
        return true;
    const PageImageList& images = m_generatedLists->imageViewArray;
    if (storeImages && !m_loopThroughFlag) {
        const bool writesImages = !DataCentre::profile().keepUnnamedPage;
        struct Picture {
            ImageAsset asset;
            bool hasMask;
        };
        // Pictures that share a name share their files, so they are written one after another, in page
        // order; the files of different names are apart.
        QList<QList<Picture>> byName;
        QHash<QString, qsizetype> nameIndex;
        for (const PageImage& image : images) {
            if (!image.selectable())
                continue;
            Picture picture{image.asset(), image.hasMask()};
            const auto found = nameIndex.constFind(picture.asset.imageName);
            if (found == nameIndex.cend()) {
                nameIndex.insert(picture.asset.imageName, byName.size());
                byName.append({picture});
            } else {
                byName[*found].append(picture);
            }
        }
        if (writesImages && !byName.isEmpty())
            preparePageFolder();
        // Encoding is most of a save that writes pictures: the names are written side by side.
        QtConcurrent::blockingMap(byName, [this, writesImages](const QList<Picture>& pictures) {
            for (const Picture& picture : pictures) {
                // A picture has its original from the moment it is added to a page; one that has none yet
                // gets it first, so that its double-resolution copy is measured against it.
                if (writesImages)
                    checkAndSaveOriginalImage(picture.asset);
                saveImage(picture.asset);
                if (picture.hasMask)
                    saveMaskImage(picture.asset);
            }
        });
    }
    const bool styleSheetWritten = saveCSSFile();
    transferJquery();
    if (m_backgroundImageFlag > 0 &&
        (m_useBaseTemplateFlag == 0 || pageName == DataCentre::kBaseTemplateName))
        saveBackgroundImage();
    removeUnusedFiles(*this, images);
    return styleSheetWritten;
}
