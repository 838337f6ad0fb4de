#include "platform/StringsTable.h"

#include "platform/Bundle.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>

namespace StringsTable {

namespace {

using Entries = QHash<QString, QString>;

Entries readTable(const QString& path)
{
    Entries entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (it.value().isString())
            entries.insert(it.key(), it.value().toString());
    }
    return entries;
}

// Tables are read once per file; keying the cache by path lets a changed resource folder take effect.
Entries tableAt(const QString& path)
{
    static QMutex mutex;
    static QHash<QString, Entries> cache;
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(path);
    if (it == cache.constEnd())
        it = cache.insert(path, readTable(path));
    return *it;
}

} // namespace

QString entry(const QString& table, const QString& key)
{
    const QString path =
        Bundle::main().pathForResource(table, QStringLiteral("json"), QStringLiteral("strings"));
    if (path.isEmpty())
        return {};
    return tableAt(path).value(key);
}

QString localizedString(const QString& key, const QString& value, const QString& table)
{
    const QString found = entry(table, key);
    if (!found.isNull())
        return found;
    return value.isEmpty() ? key : value;
}

} // namespace StringsTable
