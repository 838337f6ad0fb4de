#pragma once

#include "model/GraphicPropertyDictionary.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// Values archived into the data blocks of property dictionaries, in one fixed stream format so that a block
// reads back the same under every Qt 6.
namespace GraphicProperties {

template <class T> QByteArray archivedValue(const T& value)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << value;
    return data;
}

// `fallback` when the value is no data block or the block holds no T.
template <class T> T unarchivedValue(const QVariant& value, const T& fallback)
{
    if (!isDataBlock(value))
        return fallback;
    const QByteArray data = value.toByteArray();
    QDataStream stream(data);
    stream.setVersion(QDataStream::Qt_6_0);
    T result;
    stream >> result;
    return stream.status() == QDataStream::Ok ? result : fallback;
}

} // namespace GraphicProperties
