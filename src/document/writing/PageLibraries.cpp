#include "document/writing/PageLibraries.h"

#include "document/format/PageFileFormat.h"
#include "platform/Bundle.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kDefaultFolder = QStringLiteral("/usr/share/javascript");
const char* const kFolderVariable = "VELK_JAVASCRIPT_DIR";

struct Library {
    PageFile::Text localName;
    const char* packagedPath; // below the folder
};

constexpr Library kLibraries[] = {
    {PageFile::Head::localJquery, "jquery/jquery.min.js"},
    {PageFile::Head::localBootstrapScript, "bootstrap/js/bootstrap.min.js"},
    {PageFile::Head::localBootstrapStyleSheet, "bootstrap/css/bootstrap.min.css"},
};

QString& chosenFolder()
{
    static QString folder;
    return folder;
}

} // namespace

namespace PageLibraries {

QString folder()
{
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    const QString fromEnvironment = qEnvironmentVariable(kFolderVariable);
    return fromEnvironment.isEmpty() ? kDefaultFolder : fromEnvironment;
}

void setFolder(const QString& path)
{
    chosenFolder() = path;
}

QStringList localNames()
{
    QStringList names;
    for (const Library& library : kLibraries)
        names.append(QString(library.localName));
    return names;
}

QString sourceOf(const QString& localName)
{
    for (const Library& library : kLibraries) {
        if (localName != library.localName)
            continue;
        const QFileInfo name(localName);
        const QString resource = Bundle::main().pathForResource(name.completeBaseName(), name.suffix());
        if (!resource.isNull())
            return resource;
        const QString packaged = QDir(folder()).filePath(QString::fromLatin1(library.packagedPath));
        return QFileInfo(packaged).isFile() ? packaged : QString();
    }
    return {};
}

} // namespace PageLibraries
