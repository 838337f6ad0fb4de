#pragma once

#include <QByteArray>
#include <QImage>
#include <QVariant>

// Pictures in property dictionaries ("contents", "maskImage") travel as data blocks.
namespace GraphicProperties {

// A null image archives too, and reads back as null.
QByteArray archivedImage(const QImage& image);
// The picture of an archived block; null when the value is no data block or holds no picture.
QImage unarchivedImage(const QVariant& value);

} // namespace GraphicProperties
