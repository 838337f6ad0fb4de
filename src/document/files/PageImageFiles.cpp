#include "document/files/PageFolderFiles.h"
#include "document/core/SKTDocument.h"
#include "model/RecordConversion.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "profile/DataCentre.h"
#include "model/records/TransformView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>

#include <algorithm>

// The picture files of a page's images in the page folder (the page file's path without its extension),
// and the names of image files, which must not clash.

namespace {

QString withoutExtension(const QString& path)
{
    const QFileInfo info(path);
    return info.suffix().isEmpty() ? path : path.chopped(info.suffix().size() + 1);
}

// One picture of the page and the name of its files.
struct NamedImage {
    const void* object;
    QString imageName;
};

void addRecords(QList<NamedImage>& images, const TransformViewList& records)
{
    for (const std::shared_ptr<TransformView>& record : records) {
        if (record)
            images.append({record.get(), record->imageName()});
    }
}

// The page's images, the extra records, the pictures of its galleries and slideshows, and, in products
// whose tables hold pictures, the tables' pictures and backgrounds.
QList<NamedImage> gatherImages(const SKTDocument& document, const TransformViewList& extraImages)
{
    QList<NamedImage> images;
    for (const std::shared_ptr<SKTGraphic>& image : document.images())
        images.append({image.get(), image->imageName()});
    addRecords(images, extraImages);
    for (const std::shared_ptr<SKTGraphic>& graphic : document.galleries()) {
        if (const auto* gallery = dynamic_cast<const SKTGalleryGrid*>(graphic.get()))
            addRecords(images, gallery->imageArray());
    }
    for (const std::shared_ptr<SKTGraphic>& graphic : document.slideshows()) {
        if (const auto* slideshow = dynamic_cast<const SKTSlideshow*>(graphic.get()))
            addRecords(images, slideshow->imageArray());
    }
    if (DataCentre::profile().tableImages) {
        for (const std::shared_ptr<SKTGraphic>& graphic : document.tables()) {
            if (const auto* table = dynamic_cast<const SKTTable*>(graphic.get())) {
                addRecords(images, {table->tableBackgroundImage()});
                addRecords(images, table->imageArray());
            }
        }
    }
    return images;
}

QImage readPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

QImage SKTDocument::retrieveImageFile(const QString& pagePath, const QString& imageName,
                                      const QString& imageType)
{
    const QString folder = withoutExtension(pagePath);
    // The unscaled originals first, then the double-resolution copy: each only when it holds something.
    const QStringList preferred = {imageName + QStringLiteral("o.PNG"), imageName + QStringLiteral("o.JPG"),
                                   imageName + QStringLiteral("@2x.") + imageType};
    for (const QString& name : preferred) {
        const QFileInfo file(PageFolderFiles::fileInside(folder, name));
        if (file.isFile() && file.size() >= 1) {
            const QImage picture = readPicture(file.filePath());
            if (!picture.isNull())
                return picture;
        }
    }
    const QString plain = PageFolderFiles::fileInside(folder, imageName + QLatin1Char('.') + imageType);
    return plain.isEmpty() ? QImage() : readPicture(plain);
}

void SKTDocument::transferImageFilesForNewName(const QString& oldName, const QString& newName,
                                               const QString& extension)
{
    const QString folder = withoutExtension(pagePath());
    for (const char* pattern : {"%1.%2", "%1@2x.%2", "%1o.%2"}) {
        const QString from =
            PageFolderFiles::fileInside(folder, QString::fromLatin1(pattern).arg(oldName, extension));
        const QString to =
            PageFolderFiles::fileInside(folder, QString::fromLatin1(pattern).arg(newName, extension));
        if (!from.isEmpty() && !to.isEmpty() && QFileInfo::exists(from))
            QFile::copy(from, to);
    }
}

QString SKTDocument::getNextImageName(const TransformViewList& extraImages) const
{
    const QList<NamedImage> images = gatherImages(*this, extraImages);
    qint64 next = 0;
    if (!images.isEmpty()) {
        qint64 highest = RecordConversion::imageNameIndex(images.first().imageName);
        for (const NamedImage& image : images)
            highest = std::max<qint64>(highest, RecordConversion::imageNameIndex(image.imageName));
        next = highest + 1;
    }
    return QStringLiteral("image%1").arg(next);
}

void SKTDocument::settleImageNames(const TransformViewList& images)
{
    // One count of every name, kept up to date while names change, so that a page of thousands of
    // pictures settles in one pass.
    const QList<NamedImage> all = gatherImages(*this, images);
    if (all.isEmpty())
        return;
    QHash<QString, int> uses;
    QSet<const void*> counted;
    // 64 bits: a page may carry "image2147483647".
    qint64 highest = RecordConversion::imageNameIndex(all.first().imageName);
    for (const NamedImage& image : all) {
        highest = std::max<qint64>(highest, RecordConversion::imageNameIndex(image.imageName));
        if (!counted.contains(image.object)) {
            counted.insert(image.object);
            ++uses[image.imageName];
        }
    }
    for (const std::shared_ptr<TransformView>& image : images) {
        if (!image || uses.value(image->imageName()) < 2)
            continue;
        setDocumentChangedCounter(documentChangedCounter() + 1);
        const QString newName = QStringLiteral("image%1").arg(++highest);
        transferImageFilesForNewName(image->imageName(), newName, image->imageType());
        --uses[image->imageName()];
        ++uses[newName];
        image->setImageName(newName);
    }
}

bool SKTDocument::isImageNameAlreadyInUse(const TransformView& image,
                                          const TransformViewList& extraImages) const
{
    const QList<NamedImage> images = gatherImages(*this, extraImages);
    return std::any_of(images.begin(), images.end(), [&](const NamedImage& other) {
        return other.object != &image && other.imageName == image.imageName();
    });
}
