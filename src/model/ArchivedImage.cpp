#include "model/ArchivedImage.h"

#include "model/DataBlock.h"

namespace GraphicProperties {

QByteArray archivedImage(const QImage& image)
{
    return archivedValue(image);
}

QImage unarchivedImage(const QVariant& value)
{
    return unarchivedValue(value, QImage());
}

} // namespace GraphicProperties
