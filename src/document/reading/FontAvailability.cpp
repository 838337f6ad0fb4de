#include "document/reading/FontAvailability.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QMutex>
#include <QSet>

namespace {

// Asking the font database for every text box of a page is slow, so the family list is kept until the
// application's fonts change.
struct FamilyCache {
    QMutex mutex;
    QSet<QString> families;
    bool valid = false;
    bool watching = false;
};

FamilyCache& cache()
{
    static FamilyCache instance;
    return instance;
}

} // namespace

namespace FontAvailability {

bool isInstalled(const QString& family)
{
    FamilyCache& c = cache();
    QMutexLocker lock(&c.mutex);
    if (!c.watching && qGuiApp) {
        c.watching = true;
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, [] {
            QMutexLocker relock(&cache().mutex);
            cache().valid = false;
        });
    }
    if (!c.valid) {
        const QStringList families = QFontDatabase::families();
        c.families = QSet<QString>(families.begin(), families.end());
        c.valid = true;
    }
    return c.families.contains(family);
}

} // namespace FontAvailability
