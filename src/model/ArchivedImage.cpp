#include "model/ArchivedImage.h"

#include "model/DataBlock.h"
#include "model/PendingImage.h"

namespace GraphicProperties {

QByteArray archivedImage(const QImage& image)
{
    return archivedValue(image);
}

QImage unarchivedImage(const QVariant& value)
{
    if (value.typeId() == QMetaType::QImage)
        return value.value<QImage>();
    if (value.metaType() == QMetaType::fromType<PendingImage>())
        return value.value<PendingImage>().image();
    return unarchivedValue(value, QImage());
}

} // namespace GraphicProperties
