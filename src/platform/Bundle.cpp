#include "platform/Bundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString kDisplayNameKey = QStringLiteral("CFBundleDisplayName");
}

Bundle& Bundle::main()
{
    static Bundle bundle;
    return bundle;
}

Bundle::Bundle()
{
    load(defaultResourcesPath());
}

QString Bundle::defaultResourcesPath()
{
    const QString fromEnvironment = qEnvironmentVariable("VELK_RESOURCES");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    if (QCoreApplication::instance()) {
        const QString besideExecutable = QCoreApplication::applicationDirPath() + "/../share/velk";
        if (QFileInfo::exists(besideExecutable + "/Info.json"))
            return QDir::cleanPath(besideExecutable);
    }
    return QStringLiteral(VELK_SOURCE_RESOURCES);
}

void Bundle::load(const QString& resourcesPath)
{
    m_resourcesPath = resourcesPath;
    m_info.clear();
    QFile file(QDir(resourcesPath).filePath(QStringLiteral("Info.json")));
    if (file.open(QIODevice::ReadOnly))
        m_info = QJsonDocument::fromJson(file.readAll()).object().toVariantMap();
}

QString Bundle::infoValue(const QString& key) const
{
    const auto it = m_info.constFind(key);
    return it == m_info.constEnd() ? QString() : it->toString();
}

void Bundle::setInfoValue(const QString& key, const QString& value)
{
    if (value.isNull())
        m_info.remove(key);
    else
        m_info.insert(key, value);
}

void Bundle::applyOverrides(const QStringList& arguments)
{
    const qsizetype flag = arguments.indexOf(QStringLiteral("--product"));
    if (flag >= 0 && flag + 1 < arguments.size()) {
        setInfoValue(kDisplayNameKey, arguments.at(flag + 1));
        return;
    }
    for (const QString& argument : arguments) {
        if (argument.startsWith(QStringLiteral("--product="))) {
            setInfoValue(kDisplayNameKey, argument.mid(10));
            return;
        }
    }
    if (qEnvironmentVariableIsSet("VELK_PRODUCT"))
        setInfoValue(kDisplayNameKey, qEnvironmentVariable("VELK_PRODUCT"));
}

QString Bundle::pathForResource(const QString& name, const QString& type, const QString& subdirectory) const
{
    const QString fileName = type.isEmpty() ? name : name + u'.' + type;
    if (fileName.isEmpty() || fileName.contains(QStringLiteral("..")))
        return {};
    QStringList candidates;
    if (!subdirectory.isEmpty())
        candidates << QDir(m_resourcesPath).filePath(subdirectory + u'/' + fileName);
    candidates << QDir(m_resourcesPath).filePath(fileName);
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return {};
}
