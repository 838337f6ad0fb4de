#include "document/ReceivedPages.h"

#include "profile/DataCentre.h"

#include <QDir>
#include <QFileInfo>

namespace ReceivedPages {

namespace {
constexpr int kFirstNameCounter = 4;
}

QString stampFolderName(const QDateTime& moment)
{
    int weekYear = moment.date().year();
    moment.date().weekNumber(&weekYear);
    const QTime time = moment.time();
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QString::asprintf("%02d%02d%02d%02d%02d%02d", time.minute(), moment.date().day(), weekYear % 100,
                             hour, time.minute(), time.second());
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
