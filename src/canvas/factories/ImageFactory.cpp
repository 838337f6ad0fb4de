#include "canvas/factories/ImageFactory.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/files/ImageAssets.h"
#include "document/files/PageFolderFiles.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/SKTImage.h"
#include "model/records/TransformView.h"
#include "platform/Format.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"
#include "profile/services/ImageDrawing.h"
#include "profile/services/ImageGeometry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <limits>

namespace {

const QString kMaxImageSizeKey = QStringLiteral("SorrelMaxImageSize");
const QString kRetinaFlagKey = QStringLiteral("SorrelRetinaFlag");
const QString kPercent = QStringLiteral("%");
// The clear backdrop behind an image enlarged on a click.
const QString kClearBackdrop = QStringLiteral("2");
// A picture fitted into a section cell is at most this high.
constexpr int kSectionImageMaxHeight = 300;

QString& copySourcePage()
{
    static QString path;
    return path;
}

// The widest kept original: the product's limit, else the user's; 0 for none.
int originalWidthLimit()
{
    const int product = DataCentre::profile().originalImageMaxSize;
    if (product >= 1)
        return product;
    const long long user = UserDefaults::standard().integerForKey(kMaxImageSizeKey);
    return user >= 1 && user <= std::numeric_limits<int>::max() ? int(user) : 0;
}

struct BoxSide {
    const char* key;
    int (TransformView::*value)() const;
    QString (TransformView::*unit)() const;
    void (TransformView::*setUnit)(QString);
};

const BoxSide kBoxSides[] = {
    {"topPadding", &TransformView::topPadding, &TransformView::topPaddingType,
     &TransformView::setTopPaddingType},
    {"bottomPadding", &TransformView::bottomPadding, &TransformView::bottomPaddingType,
     &TransformView::setBottomPaddingType},
    {"rightPadding", &TransformView::rightPadding, &TransformView::rightPaddingType,
     &TransformView::setRightPaddingType},
    {"leftPadding", &TransformView::leftPadding, &TransformView::leftPaddingType,
     &TransformView::setLeftPaddingType},
    {"topMargin", &TransformView::topMargin, &TransformView::topMarginType, &TransformView::setTopMarginType},
    {"bottomMargin", &TransformView::bottomMargin, &TransformView::bottomMarginType,
     &TransformView::setBottomMarginType},
    {"leftMargin", &TransformView::leftMargin, &TransformView::leftMarginType,
     &TransformView::setLeftMarginType},
    {"rightMargin", &TransformView::rightMargin, &TransformView::rightMarginType,
     &TransformView::setRightMarginType},
};

// The dictionary a new image graphic is made from: the same shape as that of an image read back from a
// page file.
GraphicPropertyDictionary imageProperties(const TransformView& r, int shadowRadius, int bubbleFlag)
{
    using namespace GraphicProperties;
    GraphicPropertyDictionary p;
    for (const BoxSide& side : kBoxSides) {
        const QString key = QString::fromLatin1(side.key);
        p.insert(key, integerText((r.*side.value)()));
        p.insert(key + QStringLiteral("Type"), (r.*side.unit)());
    }
    p.insert(QStringLiteral("bounds"), Format::rect(r.frame()));
    p.insert(QStringLiteral("opacity"), realText(double(r.alpha())));
    p.insert(QStringLiteral("shadowFlag"), integerText(shadowRadius));
    p.insert(QStringLiteral("link"), text(r.link()));
    p.insert(QStringLiteral("imageName"), r.imageName());
    p.insert(QStringLiteral("imageType"), r.imageType());
    p.insert(QStringLiteral("imageLastModDate"), r.imageLastModDate());
    p.insert(QStringLiteral("textType"), QStringLiteral(""));
    p.insert(QStringLiteral("textHexColorString"), QStringLiteral("000000"));
    p.insert(QStringLiteral("backgroundHexColorString"), QStringLiteral("000000"));
    p.insert(QStringLiteral("imageEnlargeFlag"), integerText(r.imageEnlargeFlag()));
    p.insert(QStringLiteral("backdropLightingFlag"), kClearBackdrop);
    p.insert(QStringLiteral("retinaFlag"), flagText(r.retinaFlag() != 0));
    p.insert(QStringLiteral("slideShowNumber"), integerText(r.slideShowNumber()));
    // The picture itself: it never leaves the process on this way, so it is not encoded.
    p.insert(QStringLiteral("contents"), r.image());
    p.insert(QStringLiteral("groupNumber"), integerText(r.groupNumber()));
    p.insert(QStringLiteral("borderStyle"), text(r.borderStyle()));
    p.insert(QStringLiteral("borderWidth"), integerText(r.borderWidth()));
    p.insert(QStringLiteral("borderHexColorString"), text(r.borderHexColorString()));
    p.insert(QStringLiteral("borderColor"),
             archivedColor(DataCentre::colorWithHexString(r.borderHexColorString())));
    p.insert(QStringLiteral("bubbleShape"), text(r.bubbleShape()));
    p.insert(QStringLiteral("bubbleFlag"), flagText(bubbleFlag == 1));
    return p;
}

} // namespace

QString ImageFactory::copySourcePagePath()
{
    return copySourcePage();
}

void ImageFactory::setCopySourcePagePath(const QString& path)
{
    copySourcePage() = path;
}

QString ImageFactory::pageFolder() const
{
    // The page folder is the page file's path with its one extension removed: a page named "a.b" keeps
    // its folder "a.b".
    m_view.workingState().tempPagePath = m_view.mutableGraphics().grabCurrentDocPath();
    return m_view.workingState().tempPagePath;
}

bool ImageFactory::writePicture(const QString& path, const QImage& picture, const QString& type)
{
    const QByteArray data = ImageFiles::encoded(picture, type, 1.0f);
    QSaveFile file(path);
    if (data.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size() ||
        !file.commit()) {
        qWarning("The picture %s could not be written", qPrintable(path));
        return false;
    }
    return true;
}

QString ImageFactory::getNextImageName() const
{
    return m_view.getNextImageName();
}

void ImageFactory::saveOriginalImage(const QImage& image, const QString& imageName, const QString& imageType,
                                     bool copySourceFile, const QSizeF& pixelSize)
{
    const QString path =
        PageFolderFiles::fileInside(pageFolder(), imageName + QStringLiteral("o.") + imageType);
    if (path.isEmpty()) {
        qWarning("The page has no folder yet: the original of %s is kept when the page is saved",
                 qPrintable(imageName));
        return;
    }
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    QImage kept = image;
    const int limit = originalWidthLimit();
    if (limit >= 1 && float(pixelSize.width()) > float(limit)) {
        const float height = float(pixelSize.height()) / (float(pixelSize.width()) / float(limit));
        kept = DataCentre::imageWithImage(image, QSizeF(limit, height), 1);
    }
    const QString source = m_view.workingState().tempImagePath;
    if (copySourceFile && !QFile::copy(source, path))
        qWarning("The dropped file %s could not be copied beside the page", qPrintable(source));
    writePicture(path, kept, imageType);
}

void ImageFactory::makeCopyOfOriginalImage(const QString& newFileName, const QString& oldFileName)
{
    const QString source = PageFolderFiles::fileInside(copySourcePage(), oldFileName);
    const QString target = PageFolderFiles::fileInside(pageFolder(), newFileName);
    if (source.isEmpty() || target.isEmpty())
        return;
    QFile::remove(target);
    if (!QFile::copy(source, target))
        qWarning("The original %s could not be copied to %s", qPrintable(source), qPrintable(target));
}

void ImageFactory::addImageIntoArray(const QImage& image, const QString& type, const QPointF& point,
                                     bool copySourceFile, const QString& link, const QSizeF& pixelSize,
                                     int groupNumber, const QSizeF& sectionFitSize, int imageEnlargeFlag,
                                     const QString& borderStyle, const QString& borderHexColorString,
                                     int borderWidth, int shadowRadius, int bubbleFlag,
                                     const QString& bubbleShape, const QRectF& frame)
{
    SKTDocument& document = m_view.mutableGraphics();
    document.setDocumentChangedCounter(document.documentChangedCounter() + 1);

    TransformView record;
    record.setImage(image);
    record.setImageLastModDate(QDateTime::currentDateTime());
    record.setImageName(getNextImageName());
    record.setGroupNumber(groupNumber);
    saveOriginalImage(image, record.imageName(), type, copySourceFile, pixelSize);
    record.setFrame(frame);

    ProductProfile& settings = DataCentre::mutableProfile();
    settings.imageTypeSetting = type;
    record.setImageType(type);
    record.setBorderWidth(borderWidth);
    record.setBorderStyle(borderStyle);
    record.setBorderHexColorString(borderHexColorString);
    settings.retinaFlagSetting = int(UserDefaults::standard().integerForKey(kRetinaFlagKey));
    record.setRetinaFlag(settings.retinaFlagSetting != 0 ? 1 : 0);
    record.setAlpha(1.0f);
    record.setSlideShowNumber(kNoNumber);
    record.setLink(link);
    record.setImageEnlargeFlag(imageEnlargeFlag);
    record.setBubbleShape(bubbleShape);

    if (settings.responsiveDesign) {
        // The picture takes the whole cell under the point, at most 300 high, and is centred in it at its
        // own proportion by side paddings in percent.
        const QRectF cell = m_view.grabSectionRect(point, QRectF(point, pixelSize));
        const int height = int(std::min(double(int(std::min(double(kSectionImageMaxHeight), cell.height()))),
                                        pixelSize.height()));
        const float aspect =
            pixelSize.width() > 0 ? float(pixelSize.height()) / float(pixelSize.width()) : 0.0f;
        const int width = aspect > 0 ? int(float(height) / aspect) : int(cell.width());
        const int target = cell.width() > width ? width : int(cell.width());
        const QSizeF fitted = DataCentre::returnNewSizeMatchWidthRegardlessOfHeight(sectionFitSize, target);
        record.setFrame(QRectF(cell.x(), cell.y(), cell.width(), fitted.height()));
        m_view.shiftObjectsInSection(point, record.frame());
        if (cell.width() > 0) {
            const float half = std::max(0.0f, float(cell.width() - fitted.width()) * 0.5f);
            const int padding = int(double(half) / cell.width() * 100);
            record.setLeftPadding(padding);
            record.setRightPadding(padding);
            record.setLeftPaddingType(kPercent);
            record.setRightPaddingType(kPercent);
        }
    }
    for (const BoxSide& side : kBoxSides) {
        if ((record.*side.unit)().isEmpty())
            (record.*side.setUnit)(kPercent);
    }

    std::shared_ptr<SKTGraphic> graphic = std::make_shared<SKTImage>();
    graphic->initWithProperties(imageProperties(record, shadowRadius, bubbleFlag));
    // Under no section cell the image goes in as it is, outside every section.
    if (settings.responsiveDesign) {
        if (std::shared_ptr<SKTGraphic> placed = m_view.applySection(graphic, point))
            graphic = std::move(placed);
    }
    document.insertGraphics({graphic}, {0});
}

// ---- The canvas's operations of the same names

void SKTGraphicView::addImageIntoArray(const QImage& image, const QString& type, const QPointF& point,
                                       bool copySourceFile, const QString& link, const QSizeF& pixelSize,
                                       int groupNumber, const QSizeF& sectionFitSize, int imageEnlargeFlag,
                                       const QString& borderStyle, const QString& borderHexColorString,
                                       int borderWidth, int shadowRadius, int bubbleFlag,
                                       const QString& bubbleShape, const QRectF& frame)
{
    // Background jobs (the photo catalogue) add their images through the GUI thread, in the order they ask.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this,
            [=, this] {
                addImageIntoArray(image, type, point, copySourceFile, link, pixelSize, groupNumber,
                                  sectionFitSize, imageEnlargeFlag, borderStyle, borderHexColorString,
                                  borderWidth, shadowRadius, bubbleFlag, bubbleShape, frame);
            },
            Qt::QueuedConnection);
        return;
    }
    ImageFactory(*this).addImageIntoArray(image, type, point, copySourceFile, link, pixelSize, groupNumber,
                                          sectionFitSize, imageEnlargeFlag, borderStyle, borderHexColorString,
                                          borderWidth, shadowRadius, bubbleFlag, bubbleShape, frame);
}

QString SKTGraphicView::getNextImageName() const
{
    return mutableGraphics().getNextImageName({});
}

void SKTGraphicView::saveOriginalImage(const QImage& image, const QString& imageName,
                                       const QString& imageType, bool copySourceFile, const QSizeF& pixelSize)
{
    ImageFactory(*this).saveOriginalImage(image, imageName, imageType, copySourceFile, pixelSize);
}

void SKTGraphicView::makeCopyOfOriginalImage(const QString& newFileName, const QString& oldFileName)
{
    ImageFactory(*this).makeCopyOfOriginalImage(newFileName, oldFileName);
}

GraphicList SKTGraphicView::graphicsWithClass(const QString& className) const
{
    return m_document ? m_document->graphicsWithClass(className) : GraphicList();
}

GraphicList SKTGraphicView::textAreas() const
{
    return m_document ? m_document->textAreas() : GraphicList();
}

GraphicList SKTGraphicView::images() const
{
    return m_document ? m_document->images() : GraphicList();
}

GraphicList SKTGraphicView::slideshows() const
{
    return m_document ? m_document->slideshows() : GraphicList();
}

GraphicList SKTGraphicView::galleries() const
{
    return m_document ? m_document->galleries() : GraphicList();
}
