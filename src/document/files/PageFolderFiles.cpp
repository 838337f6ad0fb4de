#include "document/files/PageFolderFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace PageFolderFiles {

bool isPlainImageName(const QString& name)
{
    if (name.isEmpty())
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'-'; });
}

bool isKnownImageType(const QString& type)
{
    for (const char* known : {"PNG", "JPG", "JPEG", "GIF"}) {
        if (type.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString fileInside(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty() || fileName.isEmpty() || fileName == u"." || fileName == u".." ||
        fileName.contains(u'/') || fileName.contains(u'\\') || fileName.contains(QChar(0)))
        return {};
    const QString path = QDir(folder).filePath(fileName);
    if (QFileInfo(path).isSymLink())
        return {};
    return path;
}

} // namespace PageFolderFiles
