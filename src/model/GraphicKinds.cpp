#include "model/GraphicKinds.h"

#include "model/SKTCircle.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTGraphic.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTRectangle.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"

#include <QHash>

namespace GraphicKinds {

namespace {

// The kinds of the page model, each registered by its own line. The base class is not among them: an
// object of no kind cannot be drawn, so a dictionary naming it makes nothing.
QHash<QString, Factory> builtInKinds()
{
    QHash<QString, Factory> kinds;
    kinds.insert(QStringLiteral("SKTLine"), [] { return std::make_shared<SKTLine>(); });
    kinds.insert(QStringLiteral("SKTRectangle"), [] { return std::make_shared<SKTRectangle>(); });
    kinds.insert(QStringLiteral("SKTCircle"), [] { return std::make_shared<SKTCircle>(); });
    kinds.insert(QStringLiteral("SKTText"), [] { return std::make_shared<SKTText>(); });
    kinds.insert(QStringLiteral("SKTImage"), [] { return std::make_shared<SKTImage>(); });
    kinds.insert(QStringLiteral("SKTSlideshow"), [] { return std::make_shared<SKTSlideshow>(); });
    kinds.insert(QStringLiteral("SKTGalleryGrid"), [] { return std::make_shared<SKTGalleryGrid>(); });
    kinds.insert(QStringLiteral("SKTTable"), [] { return std::make_shared<SKTTable>(); });
    return kinds;
}

QHash<QString, Factory>& registry()
{
    static QHash<QString, Factory> kinds = builtInKinds();
    return kinds;
}

} // namespace

void registerKind(const QString& className, Factory factory)
{
    registry().insert(className, std::move(factory));
}

bool isKind(const QString& className)
{
    return registry().contains(className);
}

QStringList names()
{
    return registry().keys();
}

std::shared_ptr<SKTGraphic> make(const QString& className)
{
    const auto it = registry().constFind(className);
    return it == registry().constEnd() || !*it ? nullptr : (*it)();
}

} // namespace GraphicKinds
