#pragma once

#include "model/NoNumber.h"

#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QString>

class SKTGraphic;
class TransformView;

// What the image files of one picture on a page are made from: an image graphic, or an image element
// record (a free image read from a page file, or a slide).
struct ImageAsset {
    QString imageName; // file base name, "image" and a number
    QString imageType; // file extension; "JPG" in any case means JPEG, anything else PNG
    int imageEnlargeFlag = 0;
    bool forceNonRetinaFlag = false;
    int slideShowNumber = kNoNumber;
    QImage picture;
    QImage maskImage;
    QRectF bounds;
    // Margin plus padding of each side.
    QMarginsF insets;
    int borderWidth = 0;

    bool isSlide() const { return slideShowNumber != kNoNumber; }
    // The box the picture fills: the bounds less the insets and the border on both sides.
    QSizeF contentSize() const;

    static ImageAsset fromRecord(const TransformView& record);
    // The graphic model's share of an image graphic, with pixel margins and paddings (whole-pixel ones
    // for a slide); the picture, the mask and forceNonRetinaFlag are the image kind's and set by the caller.
    static ImageAsset fromGraphic(const SKTGraphic& graphic);
};

// The files of a picture in the page folder and their encodings.
namespace ImageFiles {

bool isJPEGType(const QString& type);
// JPEG at the compression factor when the type is "JPG" (any case), else PNG; empty when encoding fails.
QByteArray encoded(const QImage& image, const QString& type, float compressionFactor = 1.0f);
// Replaces the file with the data; false (and nothing written) for empty data or when writing fails.
bool write(const QString& path, const QByteArray& data);

QString retinaFileName(const ImageAsset& image);   // N + "@2x." + T
QString ownSizeFileName(const ImageAsset& image);  // N + "." + T
QString originalFileName(const ImageAsset& image); // N + "o." + T
QString maskFileName(const ImageAsset& image);     // N + "_mask.png"

// When the scaled copy is larger in bytes than the original, the original takes its place, provided the
// page shows it the same way: pages draw the picture no wider than its own pixels and in its own
// proportions, so an original smaller than the content box, or of other proportions, would not fill the
// image's frame and the scaled copy stays. Without an original (or with an empty one) the scaled copy is
// the only good file and stays.
void keepSmallerCopy(const QString& retinaPath, const QString& originalPath, QSizeF contentSize);

} // namespace ImageFiles
