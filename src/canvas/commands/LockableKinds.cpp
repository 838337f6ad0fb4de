#include "canvas/commands/LockableKinds.h"

#include "document/core/GraphicClasses.h"

#include <QStringList>

#include <algorithm>

namespace LockableKinds {

bool takesGroupsAndLocks(const SKTGraphic& graphic)
{
    return takesScrollLock(graphic) || GraphicClasses::isKindOfClass(graphic, GraphicClasses::line);
}

bool takesScrollLock(const SKTGraphic& graphic)
{
    static const QStringList kinds = {GraphicClasses::text, GraphicClasses::image, GraphicClasses::slideshow,
                                      GraphicClasses::gallery, GraphicClasses::table};
    return std::any_of(kinds.cbegin(), kinds.cend(),
                       [&](const QString& kind) { return GraphicClasses::isKindOfClass(graphic, kind); });
}

} // namespace LockableKinds
