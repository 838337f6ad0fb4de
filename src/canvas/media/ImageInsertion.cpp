#include "canvas/view/SKTGraphicView.h"

#include "canvas/media/ImportedImageSize.h"
#include "canvas/media/PictureFile.h"
#include "model/NoNumber.h"
#include "platform/FilePanel.h"
#include "platform/PdfImageRep.h"
#include "profile/DataCentre.h"
#include "profile/services/ImageEncoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <functional>

// New images from picture files and PDF pages, chosen in open panels; each ends in the image factory.

namespace {

const QString kSelect = QStringLiteral("Select");
const QStringList kPictureTypes{"jpg", "JPG", "png", "PNG", "jpeg", "JPEG", "gif", "GIF"};
const QStringList kPNGExtensions{"png", "PNG", "gif", "GIF"};
const QString kNone = QStringLiteral("none");
const QString kWhite = QStringLiteral("FFFFFF");
const QString kTempPageFile = QStringLiteral("temp.jpg");
// How far each new image lies right of the one before.
constexpr int kPictureStep = 20;
constexpr int kPdfPageStep = 50;

QString pictureType(const QString& path)
{
    return kPNGExtensions.contains(QFileInfo(path).suffix()) ? QStringLiteral("PNG") : QStringLiteral("JPG");
}

// The open panel for pictures: the chosen files in the panel's order, none when cancelled.
QStringList choosePictures(QWidget* parent)
{
    FilePanelRequest request;
    request.prompt = kSelect;
    request.title = QCoreApplication::translate("SKTGraphicView", "Add one or multiple images");
    request.allowedFileTypes = kPictureTypes;
    request.allowsMultipleSelection = true;
    return FilePanel::runOpen(request, parent);
}

// One image per readable file, each 20 points right of the one before at the origin's height. A section
// fits the picture by its own proportion, or by that of its limited size when `fitLimitedSize`.
void placePictures(SKTGraphicView& view, const QStringList& paths, const std::function<QPointF()>& origin,
                   bool fitLimitedSize)
{
    int offset = 0;
    for (const QString& path : paths) {
        const QUrl url = QUrl::fromLocalFile(path);
        const QImage picture = url.isValid() ? PictureFile::read(url.toLocalFile()) : QImage();
        // A file without pixels adds nothing and takes no step.
        if (picture.isNull())
            continue;
        const QPointF at = origin();
        const QPointF point(int(offset + at.x()), int(at.y()));
        const QSizeF pixelSize = picture.size();
        const QSizeF size = importedImageSize(pixelSize);
        view.addImageIntoArray(picture, pictureType(path), point, false, QString(), pixelSize, kNoNumber,
                               fitLimitedSize ? size : pixelSize, 0, kNone, kWhite, 0, 0, 0, QString(),
                               QRectF(point, size));
        offset += kPictureStep;
    }
}

} // namespace

void SKTGraphicView::addNewImage()
{
    // The insertion point is asked anew for each file: placed at the end, each goes below the one before.
    placePictures(
        *this, choosePictures(window()), [this] { return calculateOriginPoint(); }, false);
}

void SKTGraphicView::addNewImage_drag(const QPointF& dropPoint)
{
    placePictures(
        *this, choosePictures(window()), [dropPoint] { return dropPoint; }, true);
}

void SKTGraphicView::addNewPDF_drag(const QPointF& dropPoint)
{
    FilePanelRequest request;
    request.prompt = kSelect;
    request.title = QCoreApplication::translate("SKTGraphicView", "Add PDF file");
    request.allowedFileTypes = {QStringLiteral("pdf"), QStringLiteral("PDF")};
    const QStringList paths = FilePanel::runOpen(request, window());
    if (paths.isEmpty())
        return;
    QFile file(paths.first());
    const std::unique_ptr<PdfImageRep> pdf =
        file.open(QIODevice::ReadOnly) ? PdfImageRep::imageRepWithData(file.readAll()) : nullptr;
    if (!pdf) {
        qWarning("The PDF file %s could not be read", qPrintable(file.fileName()));
        return;
    }
    const QString tempPath = QDir(DataCentre::profile().workingFolderPath).filePath(kTempPageFile);
    int offset = 0;
    // The last page first: each page goes in front of the one before, so the first ends in front.
    for (int page = pdf->pageCount() - 1; page >= 0; --page) {
        pdf->setCurrentPage(page);
        const QByteArray jpeg = DataCentre::JPEGRepresentationOfImage(pdf->image(), 1.0f);
        QSaveFile temp(tempPath);
        if (!temp.open(QIODevice::WriteOnly) || temp.write(jpeg) != jpeg.size() || !temp.commit())
            qWarning("The page picture %s could not be written", qPrintable(tempPath));
        const QImage picture = QImage::fromData(jpeg, "JPG");
        if (picture.isNull()) {
            qWarning("Page %d of the PDF file could not be drawn", page + 1);
            continue;
        }
        const QPointF point(int(offset + dropPoint.x()), int(dropPoint.y()));
        QRectF frame(point, QSizeF(picture.size()));
        if (DataCentre::profile().responsiveDesign) {
            // The page fits into the section cell under the point, first by height, then by width.
            const QRectF cell = grabSectionRect(point, frame);
            double w = frame.width();
            double h = frame.height();
            if (h > cell.height() && cell.height() > 0) {
                w = int(w / float(h / cell.height()));
                h = cell.height();
            }
            if (w > cell.width() && cell.width() > 0) {
                h = int(h / float(w / cell.width()));
                w = cell.width();
            }
            frame = QRectF(cell.topLeft(), QSizeF(w, h));
        }
        frame.setSize(importedImageSize(frame.size()));
        addImageIntoArray(picture, QStringLiteral("JPG"), point, false, QString(), QSizeF(picture.size()),
                          kNoNumber, frame.size(), 0, kNone, kWhite, 0, 0, 0, QString(), frame);
        offset += kPdfPageStep;
    }
}
