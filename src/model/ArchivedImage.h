#pragma once

#include <QByteArray>
#include <QImage>
#include <QVariant>

// Pictures in property dictionaries ("contents", "maskImage") travel as data blocks wherever a dictionary
// may leave the process (pasteboard, undo). Between the page loader's records and the graphics they made
// they travel as the picture itself, which spares encoding every picture and decoding it again, or as the
// picture still decoding.
namespace GraphicProperties {

// A null image archives too, and reads back as null.
QByteArray archivedImage(const QImage& image);
// The picture of an archived block, the picture itself, or a pending picture once decoded; null when the
// value is none of these or holds no picture.
QImage unarchivedImage(const QVariant& value);

} // namespace GraphicProperties
