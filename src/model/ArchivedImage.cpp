#include "model/ArchivedImage.h"

#include "model/GraphicPropertyDictionary.h"

#include <QDataStream>
#include <QIODevice>

namespace GraphicProperties {

QByteArray archivedImage(const QImage& image)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << image;
    return data;
}

QImage unarchivedImage(const QVariant& value)
{
    if (!isDataBlock(value))
        return {};
    const QByteArray data = value.toByteArray();
    QDataStream stream(data);
    stream.setVersion(QDataStream::Qt_6_0);
    QImage image;
    stream >> image;
    return stream.status() == QDataStream::Ok ? image : QImage();
}

} // namespace GraphicProperties
