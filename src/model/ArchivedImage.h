#pragma once

#include <QByteArray>
#include <QImage>
#include <QVariant>

// Pictures in property dictionaries ("contents", "maskImage") travel as data blocks wherever a dictionary
// may leave the process (pasteboard, undo). Between the page loader's records and the graphics they made
// they travel as the picture itself, which spares encoding every picture and decoding it again.
namespace GraphicProperties {

// A null image archives too, and reads back as null.
QByteArray archivedImage(const QImage& image);
// The picture of an archived block or the picture itself; null when the value is neither or holds no
// picture.
QImage unarchivedImage(const QVariant& value);

} // namespace GraphicProperties
