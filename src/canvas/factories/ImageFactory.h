#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class SKTGraphicView;

// The one maker of image graphics on a page, and the rules of the files their pictures keep in the page
// folder (the page file's path without its extension): names "image" and a number, and the kept original
// of each picture, "<name>o.<type>". The canvas's operations of the same names forward here.
class ImageFactory {
public:
    explicit ImageFactory(SKTGraphicView& view)
        : m_view(view)
    {}

    // A new image graphic of the picture goes in front of every other graphic as one undo step; the
    // selection stays. `type` is "JPG" or "PNG" (it also becomes the type of the next pictures saved),
    // `copySourceFile` first copies the dropped file (the canvas's tempImagePath) as the kept original,
    // `pixelSize` is the picture's size in pixels, `sectionFitSize` gives the height's proportion when the
    // picture is fitted into the section cell under `point` on a responsive page, and `frame` is the
    // graphic's rectangle elsewhere. A bubble flag of 1 clips the picture to the `bubbleShape` outline.
    void addImageIntoArray(const QImage& image, const QString& type, const QPointF& point,
                           bool copySourceFile, const QString& link, const QSizeF& pixelSize, int groupNumber,
                           const QSizeF& sectionFitSize, int imageEnlargeFlag, const QString& borderStyle,
                           const QString& borderHexColorString, int borderWidth, int shadowRadius,
                           int bubbleFlag, const QString& bubbleShape, const QRectF& frame);

    // One more than the highest number among the page's picture names; image0 on a page without any.
    QString getNextImageName() const;

    // Writes the kept original of a picture, no wider than the product's limit (or the user's, when the
    // product sets none); without any limit it keeps its width. Failures are logged only.
    void saveOriginalImage(const QImage& image, const QString& imageName, const QString& imageType,
                           bool copySourceFile, const QSizeF& pixelSize);
    // Copies a kept original from the folder of the page graphics were last copied from into this page's
    // folder, replacing a file of the new name. Failures are logged only.
    void makeCopyOfOriginalImage(const QString& newFileName, const QString& oldFileName);

    // The page path, without its extension, of the document graphics were last copied from: the copy
    // command sets it for the whole process, and pastes find the kept originals there.
    static QString copySourcePagePath();
    static void setCopySourcePagePath(const QString& path);

    // The folder of the page's files; empty while the page has no file.
    QString pageFolder() const;
    // Replaces the file with the picture encoded by its type ("JPG" JPEG at full quality, else PNG) in one
    // step, so a reader never meets half a file. False when nothing could be written.
    static bool writePicture(const QString& path, const QImage& picture, const QString& type);

private:
    SKTGraphicView& m_view;
};
