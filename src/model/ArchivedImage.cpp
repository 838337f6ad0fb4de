#include "model/ArchivedImage.h"

#include "model/DataBlock.h"

namespace GraphicProperties {

QByteArray archivedImage(const QImage& image)
{
    return archivedValue(image);
}

QImage unarchivedImage(const QVariant& value)
{
    if (value.typeId() == QMetaType::QImage)
        return value.value<QImage>();
    return unarchivedValue(value, QImage());
}

} // namespace GraphicProperties
