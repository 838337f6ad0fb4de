#include "document/core/GraphicClasses.h"

#include "model/SKTGraphic.h"

namespace GraphicClasses {

bool isKindOfClass(const SKTGraphic& graphic, const QString& className)
{
    if (graphic.className() == className)
        return true;
    for (const QMetaObject* meta = graphic.metaObject(); meta; meta = meta->superClass()) {
        if (className == QLatin1String(meta->className()))
            return true;
    }
    return false;
}

} // namespace GraphicClasses
