#include "profile/VelkFileHelper.h"

#include <QHash>

QVariant VelkFileHelper::valueForKey(const QString& key) const
{
    using Reader = QVariant (*)(const VelkFileHelper&);
    static const QHash<QString, Reader> readers = {
        {QStringLiteral("fileModDate"), [](const VelkFileHelper& r) { return QVariant(r.m_fileModDate); }},
        {QStringLiteral("filePath"), [](const VelkFileHelper& r) { return QVariant(r.m_filePath); }},
        {QStringLiteral("updatedFilePath"),
         [](const VelkFileHelper& r) { return QVariant(r.m_updatedFilePath); }},
        {QStringLiteral("fileModDateString"),
         [](const VelkFileHelper& r) { return QVariant(r.m_fileModDateString); }},
        {QStringLiteral("fileModDateString_fileNameFormat"),
         [](const VelkFileHelper& r) { return QVariant(r.m_fileModDateString_fileNameFormat); }},
        {QStringLiteral("fileSize"), [](const VelkFileHelper& r) { return QVariant(r.m_fileSize); }},
        {QStringLiteral("fileSizeBytes"),
         [](const VelkFileHelper& r) { return QVariant(r.m_fileSizeBytes); }},
    };
    const Reader reader = readers.value(key);
    return reader ? reader(*this) : QVariant();
}
