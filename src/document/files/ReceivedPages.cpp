#include "document/files/ReceivedPages.h"

#include "profile/DataCentre.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace ReceivedPages {

namespace {
constexpr int kFirstNameCounter = 4;
// The calendar year, not the week-based one, and a 12-hour clock with its marker; digits and "AM"/"PM"
// only, so the name is safe in any file system.
const QString kStampPattern = QStringLiteral("MMddyyyyhhmmssAP");
} // namespace

QString stampFolderName(const QDateTime& moment)
{
    return QLocale::c().toString(moment, kStampPattern);
}

QString stampFolderPath(const QDateTime& moment)
{
    const ProductProfile& profile = DataCentre::profile();
    return QDir(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName))
        .filePath(stampFolderName(moment));
}

QString uniquePageName(const QString& stampFolder, const QString& baseName, const QString& extension)
{
    const QDir stamp(stampFolder);
    QString name = baseName;
    for (int counter = kFirstNameCounter;
         QFileInfo::exists(stamp.filePath(name + u'/' + name + u'.' + extension)); ++counter)
        name = baseName + QString::number(counter);
    return name;
}

} // namespace ReceivedPages
