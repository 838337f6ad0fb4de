#include "document/files/ImageAssets.h"

#include "document/core/DocumentWindow.h"
#include "document/core/SKTDocument.h"
#include "document/files/PageFolderFiles.h"
#include "model/SKTGraphic.h"
#include "model/records/TransformView.h"
#include "platform/Bundle.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/services/FileServices.h"
#include "profile/services/ImageDrawing.h"
#include "profile/services/ImageEncoding.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cmath>

QSizeF ImageAsset::contentSize() const
{
    return QSizeF(bounds.width() - insets.left() - insets.right() - 2 * borderWidth,
                  bounds.height() - insets.top() - insets.bottom() - 2 * borderWidth);
}

ImageAsset ImageAsset::fromRecord(const TransformView& record)
{
    ImageAsset asset;
    asset.imageName = record.imageName();
    asset.imageType = record.imageType();
    asset.imageEnlargeFlag = record.imageEnlargeFlag();
    asset.forceNonRetinaFlag = record.forceNonRetinaFlag() != 0;
    asset.slideShowNumber = record.slideShowNumber();
    asset.picture = record.image();
    asset.maskImage = record.maskImage();
    asset.bounds = record.frame();
    asset.insets = QMarginsF(
        record.leftMargin() + record.leftPadding(), record.topMargin() + record.topPadding(),
        record.rightMargin() + record.rightPadding(), record.bottomMargin() + record.bottomPadding());
    asset.borderWidth = record.borderWidth();
    return asset;
}

ImageAsset ImageAsset::fromGraphic(const SKTGraphic& graphic)
{
    ImageAsset asset;
    asset.imageName = graphic.imageName();
    asset.imageType = graphic.imageType();
    asset.imageEnlargeFlag = graphic.imageEnlargeFlag();
    asset.slideShowNumber = graphic.slideShowNumber();
    asset.bounds = graphic.bounds();
    asset.borderWidth = graphic.borderWidth();
    const SKTGraphic& g = graphic;
    asset.insets =
        asset.isSlide()
            ? QMarginsF(g.leftMargin() + g.leftPadding(), g.topMargin() + g.topPadding(),
                        g.rightMargin() + g.rightPadding(), g.bottomMargin() + g.bottomPadding())
            : QMarginsF(g.leftMarginInPx() + g.leftPaddingInPx(), g.topMarginInPx() + g.topPaddingInPx(),
                        g.rightMarginInPx() + g.rightPaddingInPx(),
                        g.bottomMarginInPx() + g.bottomPaddingInPx());
    return asset;
}

namespace ImageFiles {

bool isJPEGType(const QString& type)
{
    return type.compare(QLatin1String("JPG"), Qt::CaseInsensitive) == 0;
}

QByteArray encoded(const QImage& image, const QString& type, float compressionFactor)
{
    return isJPEGType(type) ? DataCentre::JPEGRepresentationOfImage(image, compressionFactor)
                            : DataCentre::PNGRepresentationOfImage(image);
}

bool write(const QString& path, const QByteArray& data)
{
    if (data.isEmpty())
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QString retinaFileName(const ImageAsset& image)
{
    return image.imageName + QStringLiteral("@2x.") + image.imageType;
}

QString ownSizeFileName(const ImageAsset& image)
{
    return image.imageName + u'.' + image.imageType;
}

QString originalFileName(const ImageAsset& image)
{
    return image.imageName + QStringLiteral("o.") + image.imageType;
}

QString maskFileName(const ImageAsset& image)
{
    return image.imageName + QStringLiteral("_mask.png");
}

namespace {

bool fillsContentBox(const QString& picturePath, QSizeF contentSize)
{
    const QSize size = QImageReader(picturePath).size();
    if (size.isEmpty() || size.width() < contentSize.width() || size.height() < contentSize.height())
        return false;
    // Drawn at the box's width, the picture's height misses the box's by less than a pixel.
    return std::abs(size.height() * contentSize.width() / size.width() - contentSize.height()) < 1;
}

} // namespace

void keepSmallerCopy(const QString& retinaPath, const QString& originalPath, QSizeF contentSize)
{
    const qint64 retinaSize = DataCentre::grabFileSize(retinaPath);
    const qint64 originalSize = DataCentre::grabFileSize(originalPath);
    if (retinaSize <= originalSize || originalSize == 0 || !fillsContentBox(originalPath, contentSize))
        return;
    qInfo().noquote() << QStringLiteral("%1 REPLACE retina image: %2 original image:%3")
                             .arg(retinaPath, DataCentre::grabFileSizeStr(retinaPath),
                                  DataCentre::grabFileSizeStr(originalPath));
    // The copy is made beside the scaled file first, so a failed copy leaves the scaled file in place.
    const QString copyPath = retinaPath + QStringLiteral(".part");
    QFile::remove(copyPath);
    if (!QFile::copy(originalPath, copyPath))
        return;
    QFile::remove(retinaPath);
    QFile::rename(copyPath, retinaPath);
}

} // namespace ImageFiles

namespace {

const QString kBackgroundQualityKey = QStringLiteral("backgroundQualityPercentage");

// Pictures written to files get exactly the pixels of their size, whatever the screen.
constexpr int kFileBackingScale = 1;

// What an image file is made from: the picture (a picture keeps its key until its pixels change), the size
// it is drawn at and the type it is encoded in, and whatever else shapes that file.
QString recipeOf(const QImage& picture, QSizeF size, const QString& type, const QString& more = {})
{
    return QStringLiteral("%1 %2x%3 %4 %5")
        .arg(picture.cacheKey())
        .arg(size.width())
        .arg(size.height())
        .arg(type, more);
}

} // namespace

QString SKTDocument::pageFolderPath() const
{
    if (m_tempSavePathLocal.isEmpty())
        return {};
    return QDir(m_tempSavePathLocal).filePath(m_pageName);
}

QString SKTDocument::pageFilePath(const QString& fileName) const
{
    return PageFolderFiles::fileInside(pageFolderPath(), fileName);
}

QString SKTDocument::preparePageFolder()
{
    if (m_pageName.isEmpty())
        m_pageName = createFileName();
    const QString folder = pageFolderPath();
    if (folder.isEmpty()) {
        qWarning("The page has no folder to save into");
        return {};
    }
    if (!QFileInfo::exists(folder))
        QDir().mkdir(folder);
    return folder;
}

void SKTDocument::saveImage(const ImageAsset& image)
{
    if (DataCentre::profile().keepUnnamedPage)
        return;
    const QString folder = preparePageFolder();
    if (folder.isEmpty())
        return;
    if (image.imageEnlargeFlag == 1)
        QFile::remove(pageFilePath(ImageFiles::retinaFileName(image)));
    else
        createRetinaVersion(image);
    if (!image.isSlide() && image.forceNonRetinaFlag)
        createNonRetinaVersion(image);
    else
        QFile::remove(pageFilePath(ImageFiles::ownSizeFileName(image)));
    checkAndSaveOriginalImage(image);
}

void SKTDocument::createRetinaVersion(const ImageAsset& image)
{
    const QString path = pageFilePath(ImageFiles::retinaFileName(image));
    if (path.isNull())
        return;
    // A responsive slideshow shows the top band of each slide at the slideshow's height.
    const int number = image.slideShowNumber;
    const bool band = DataCentre::profile().responsiveDesign && image.isSlide() && number >= 0 &&
                      number < m_slideshowArray.size() && m_slideshowArray.at(number);
    const double bandHeight = band ? m_slideshowArray.at(number)->bounds().height() : -1;
    const QString originalPath = pageFilePath(ImageFiles::originalFileName(image));
    // The original takes the copy's place when it is the smaller file, so the copy depends on it too.
    const QString recipe = recipeOf(
        image.picture, image.contentSize() * 2, image.imageType,
        QStringLiteral("band %1 original %2").arg(bandHeight).arg(DataCentre::grabFileSize(originalPath)));
    if (m_writtenImageFiles.isCurrent(path, recipe))
        return;

    QImage scaled = DataCentre::imageWithImage(image.picture, image.contentSize() * 2, kFileBackingScale);
    if (band) {
        const QSizeF size = scaled.deviceIndependentSize();
        scaled =
            DataCentre::cropImage(scaled, QRectF(0, size.height() - bandHeight, size.width(), bandHeight),
                                  QRectF(0, 0, size.width(), bandHeight));
    }
    ImageFiles::write(path, ImageFiles::encoded(scaled, image.imageType));
    ImageFiles::keepSmallerCopy(path, originalPath, image.contentSize());
    m_writtenImageFiles.record(path, recipe);
}

void SKTDocument::createNonRetinaVersion(const ImageAsset& image)
{
    const QString path = pageFilePath(ImageFiles::ownSizeFileName(image));
    const QString recipe = recipeOf(image.picture, image.picture.size(), image.imageType);
    if (path.isNull() || m_writtenImageFiles.isCurrent(path, recipe))
        return;
    ImageFiles::write(path, ImageFiles::encoded(image.picture, image.imageType));
    m_writtenImageFiles.record(path, recipe);
}

void SKTDocument::checkAndSaveOriginalImage(const ImageAsset& image)
{
    const QString path = pageFilePath(ImageFiles::originalFileName(image));
    if (path.isNull() || DataCentre::grabFileSize(path) != 0)
        return;
    ImageFiles::write(path, ImageFiles::encoded(image.picture, image.imageType));
}

void SKTDocument::saveMaskImage(const ImageAsset& image)
{
    const QString path = pageFilePath(ImageFiles::maskFileName(image));
    const QString recipe = recipeOf(image.maskImage, image.maskImage.size(), QStringLiteral("png"));
    if (path.isNull() || m_writtenImageFiles.isCurrent(path, recipe))
        return;
    ImageFiles::write(path, DataCentre::PNGRepresentationOfImage(image.maskImage));
    m_writtenImageFiles.record(path, recipe);
}

void SKTDocument::saveBackgroundImage()
{
    const QString folder = preparePageFolder();
    if (folder.isEmpty())
        return;
    const bool jpeg = ImageFiles::isJPEGType(m_backgroundImageType);
    const QDir dir(folder);
    const QString mainPath =
        dir.filePath(jpeg ? QStringLiteral("background.JPG") : QStringLiteral("background.PNG"));
    const QString originalPath =
        dir.filePath(jpeg ? QStringLiteral("backgroundo.JPG") : QStringLiteral("backgroundo.PNG"));

    // The pattern of the canvas colour; a document without a window has its own background picture.
    const QImage pattern =
        m_windowController ? m_windowController->getDocumentColor().textureImage() : m_backgroundImage;
    QByteArray mainData;
    QByteArray originalData;
    if (jpeg) {
        mainData = DataCentre::JPEGRepresentationOfImage(
            pattern, UserDefaults::standard().floatForKey(kBackgroundQualityKey));
        originalData = DataCentre::JPEGRepresentationOfImage(pattern, 1.0f);
    } else {
        mainData = originalData = DataCentre::PNGRepresentationOfImage(pattern);
    }
    if (mainData.isEmpty()) {
        // A colour without a pattern: the page gets the clear grid and no original.
        const QString clearGrid =
            Bundle::main().pathForResource(QStringLiteral("clearGrid"), QStringLiteral("png"));
        mainData =
            clearGrid.isNull() ? QByteArray() : DataCentre::PNGRepresentationOfImage(QImage(clearGrid));
        originalData.clear();
    }
    if (mainData.isEmpty())
        qWarning("image data for background pattern is nil!");

    bool lastWriteSucceeded = ImageFiles::write(mainPath, mainData);
    if (!QFileInfo::exists(originalPath))
        lastWriteSucceeded = ImageFiles::write(originalPath, originalData);
    if (!lastWriteSucceeded)
        qWarning("background file creation failed");
}

bool SKTDocument::checkToMakeSureOriginalImagesAreSavedProperly() const
{
    const QString folder = pageFolderPath();
    if (folder.isEmpty())
        return false;
    int imageFiles = 0;
    qint64 totalSize = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const QString suffix = entry.suffix();
        if (suffix.compare(QLatin1String("PNG"), Qt::CaseInsensitive) != 0 && !ImageFiles::isJPEGType(suffix))
            continue;
        ++imageFiles;
        totalSize += entry.size();
    }
    return imageFiles != 0 && totalSize == 0;
}
