#include "platform/FontFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <fontconfig/fontconfig.h>

namespace {

QHash<QString, QStringList>& addedFolders()
{
    static QHash<QString, QStringList> folders;
    return folders;
}

// The families of the application fonts whose files lie in the folder.
QStringList applicationFamiliesIn(const QString& folder)
{
    QSet<QString> families;
    FcFontSet* fonts = FcConfigGetFonts(nullptr, FcSetApplication);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8* file = nullptr;
        FcChar8* family = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch ||
            FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch)
            continue;
        if (QFileInfo(QString::fromUtf8(reinterpret_cast<const char*>(file))).absolutePath() == folder)
            families.insert(QString::fromUtf8(reinterpret_cast<const char*>(family)));
    }
    QStringList sorted(families.begin(), families.end());
    sorted.sort();
    return sorted;
}

} // namespace

namespace FontFolders {

QStringList addBeforeLaunch(const QString& folder)
{
    Q_ASSERT(!QCoreApplication::instance());
    const QString path = QDir(folder).absolutePath();
    if (!QFileInfo(path).isDir() || addedFolders().contains(path))
        return addedFolders().value(path);
    if (!FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(path.toUtf8().constData())))
        return {};
    const QStringList families = applicationFamiliesIn(path);
    addedFolders().insert(path, families);
    return families;
}

bool wasAdded(const QString& folder)
{
    return addedFolders().contains(QDir(folder).absolutePath());
}

QStringList familiesAddedFrom(const QString& folder)
{
    return addedFolders().value(QDir(folder).absolutePath());
}

} // namespace FontFolders
