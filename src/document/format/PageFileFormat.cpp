#include "document/format/PageFileFormat.h"

namespace DataCentre {

QString generateStartString(const QString& key)
{
    return PageFile::KeyedBlock::startOpen + key + PageFile::KeyedBlock::startClose;
}

QString generateEndString(const QString& key)
{
    return PageFile::KeyedBlock::endOpen + key + PageFile::KeyedBlock::endClose;
}

QString generateFullString(const QString& value, const QString& key)
{
    const QString written = value.isNull() ? QString(PageFile::KeyedBlock::missingValue) : value;
    return generateStartString(key) + written + generateEndString(key);
}

} // namespace DataCentre
