#include "platform/UserDefaults.h"

#include "platform/Format.h"

#include <QDataStream>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString defaultStorageFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() + "/.config/velk" : folder).filePath("defaults.ini");
}

bool isTextLike(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// QSettings keeps plain numbers and flags as text; read them back the way they were meant.
bool textIsFlagWord(const QString& text, bool* flag)
{
    if (text == QLatin1String("true") || text == QLatin1String("false")) {
        *flag = text == QLatin1String("true");
        return true;
    }
    return false;
}

// Lists and maps are kept as one serialised value: the INI format would otherwise turn a one-entry list
// into a string and an empty list into nothing.
const QByteArray kContainerTag = QByteArrayLiteral("velk-container:");

QVariant encodeForStore(const QVariant& value)
{
    const int type = value.typeId();
    if (type != QMetaType::QVariantList && type != QMetaType::QStringList && type != QMetaType::QVariantMap)
        return value;
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_0);
    stream << value;
    return QVariant(kContainerTag + bytes);
}

QVariant decodeFromStore(const QVariant& value)
{
    if (value.typeId() != QMetaType::QByteArray || !value.toByteArray().startsWith(kContainerTag))
        return value;
    QDataStream stream(value.toByteArray().mid(kContainerTag.size()));
    stream.setVersion(QDataStream::Qt_6_0);
    QVariant decoded;
    stream >> decoded;
    return decoded;
}

} // namespace

UserDefaults& UserDefaults::standard()
{
    static UserDefaults defaults;
    return defaults;
}

UserDefaults::UserDefaults()
{
    setStorageFile(defaultStorageFile());
}
UserDefaults::~UserDefaults() = default;

void UserDefaults::setStorageFile(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    if (m_settings)
        m_settings->sync();
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    m_registered.clear();
}

QString UserDefaults::storageFile() const
{
    QMutexLocker lock(&m_mutex);
    return m_settings->fileName();
}

QVariant UserDefaults::lookUp(const QString& key) const
{
    QMutexLocker lock(&m_mutex);
    QVariant value = decodeFromStore(m_settings->value(key));
    if (!value.isValid())
        value = m_registered.value(key);
    return value;
}

QVariant UserDefaults::objectForKey(const QString& key) const
{
    return lookUp(key);
}

QString UserDefaults::stringForKey(const QString& key) const
{
    const QVariant value = lookUp(key);
    return isTextLike(value) ? value.toString() : QString();
}

long long UserDefaults::integerForKey(const QString& key) const
{
    const QVariant value = lookUp(key);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? 1 : 0;
    if (value.typeId() == QMetaType::QString) {
        bool flag = false;
        if (textIsFlagWord(value.toString(), &flag))
            return flag ? 1 : 0;
        return Format::longLongValue(value.toString());
    }
    return isTextLike(value) ? value.toLongLong() : 0;
}

double UserDefaults::doubleForKey(const QString& key) const
{
    const QVariant value = lookUp(key);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? 1.0 : 0.0;
    if (value.typeId() == QMetaType::QString) {
        bool flag = false;
        if (textIsFlagWord(value.toString(), &flag))
            return flag ? 1.0 : 0.0;
        return Format::doubleValue(value.toString());
    }
    return isTextLike(value) ? value.toDouble() : 0.0;
}

bool UserDefaults::boolForKey(const QString& key) const
{
    const QVariant value = lookUp(key);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString)
        return Format::boolValue(value.toString());
    return isTextLike(value) && value.toDouble() != 0.0;
}

QVariantList UserDefaults::arrayForKey(const QString& key) const
{
    const QVariant value = lookUp(key);
    if (value.typeId() == QMetaType::QVariantList)
        return value.toList();
    if (value.typeId() == QMetaType::QStringList) {
        QVariantList list;
        for (const QString& entry : value.toStringList())
            list.append(entry);
        return list;
    }
    return {};
}

QStringList UserDefaults::stringArrayForKey(const QString& key) const
{
    const QVariant value = lookUp(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList();
    QStringList strings;
    for (const QVariant& entry : arrayForKey(key)) {
        if (entry.typeId() != QMetaType::QString)
            return {};
        strings.append(entry.toString());
    }
    return strings;
}

QVariantMap UserDefaults::dictionaryForKey(const QString& key) const
{
    const QVariant value = lookUp(key);
    return value.typeId() == QMetaType::QVariantMap ? value.toMap() : QVariantMap();
}

void UserDefaults::setObject(const QVariant& value, const QString& key)
{
    if (!value.isValid()) {
        removeObject(key);
        return;
    }
    QMutexLocker lock(&m_mutex);
    m_settings->setValue(key, encodeForStore(value));
}

void UserDefaults::removeObject(const QString& key)
{
    QMutexLocker lock(&m_mutex);
    m_settings->remove(key);
}

void UserDefaults::registerDefaults(const QVariantMap& defaults)
{
    QMutexLocker lock(&m_mutex);
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        m_registered.insert(it.key(), it.value());
}

void UserDefaults::synchronize()
{
    QMutexLocker lock(&m_mutex);
    m_settings->sync();
}
