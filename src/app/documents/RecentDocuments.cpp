#include "app/documents/RecentDocuments.h"

#include "platform/UserDefaults.h"

#include <QFileInfo>

namespace RecentDocuments {

namespace {
const QString kRecentDocumentsKey = QStringLiteral("VelkRecentDocuments");
}

QStringList paths()
{
    return UserDefaults::standard().stringArrayForKey(kRecentDocumentsKey);
}

void noteDocument(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList recent = paths();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    UserDefaults::standard().setObject(recent.mid(0, kMaximumCount), kRecentDocumentsKey);
}

void clear()
{
    UserDefaults::standard().removeObject(kRecentDocumentsKey);
}

} // namespace RecentDocuments
