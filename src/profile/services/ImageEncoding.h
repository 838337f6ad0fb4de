#pragma once

#include <QByteArray>
#include <QImage>

// PNG and JPEG data of images. An image's size in points is its device-independent size (pixels divided
// by its device pixel ratio); the encoded file carries the resolution that size implies, so a 200 x 200
// pixel image of 100 x 100 points is written at 144 dots per inch.
namespace DataCentre {

// Empty data for a null image or when encoding fails.
QByteArray PNGRepresentationOfImage(const QImage& image);

// A factor of 0 counts as 1.0; below 1.0 it is the compression quality (0.7 is quality 70 of 100), at
// 1.0 or more the encoder's default quality is used. Empty data for a null image or when encoding fails.
QByteArray JPEGRepresentationOfImage(const QImage& image, float compressionFactor);

} // namespace DataCentre
