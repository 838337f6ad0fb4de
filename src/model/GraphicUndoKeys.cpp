#include "model/GraphicUndoKeys.h"

#include "model/SKTGraphic.h"

#include <QHash>
#include <QMutex>

namespace GraphicUndoKeys {

namespace {

QHash<QString, Accessor> builtInAccessors()
{
    using G = SKTGraphic;
    return {
        {QStringLiteral("drawingFill"), accessorOf(&G::isDrawingFill, &G::setDrawingFill)},
        {QStringLiteral("fillColor"), accessorOf(&G::fillColor, &G::setFillColor)},
        {QStringLiteral("drawingStroke"), accessorOf(&G::isDrawingStroke, &G::setDrawingStroke)},
        {QStringLiteral("strokeColor"), accessorOf(&G::strokeColor, &G::setStrokeColor)},
        {QStringLiteral("strokeWidth"), accessorOf(&G::strokeWidth, &G::setStrokeWidth)},
        {QStringLiteral("bounds"), accessorOf(&G::bounds, &G::setBounds)},
        {QStringLiteral("beginPoint"), accessorOf(&G::beginPoint, &G::setBeginPoint)},
        {QStringLiteral("endPoint"), accessorOf(&G::endPoint, &G::setEndPoint)},
    };
}

struct Registry {
    QMutex mutex;
    QHash<QString, Accessor> accessors = builtInAccessors();
};

Registry& registry()
{
    static Registry r;
    return r;
}

Accessor accessorFor(const QString& key)
{
    Registry& r = registry();
    QMutexLocker lock(&r.mutex);
    return r.accessors.value(key);
}

} // namespace

QVariant valueForKey(const SKTGraphic& graphic, const QString& key)
{
    const Accessor accessor = accessorFor(key);
    return accessor.get ? accessor.get(graphic) : QVariant();
}

void setValueForKey(SKTGraphic& graphic, const QString& key, const QVariant& value)
{
    const Accessor accessor = accessorFor(key);
    if (accessor.set)
        accessor.set(graphic, value);
}

void setValuesForKeysWithDictionary(SKTGraphic& graphic, const QVariantMap& values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        setValueForKey(graphic, it.key(), it.value());
}

void registerKey(const QString& key, Getter getter, Setter setter)
{
    Registry& r = registry();
    QMutexLocker lock(&r.mutex);
    r.accessors.insert(key, Accessor{std::move(getter), std::move(setter)});
}

} // namespace GraphicUndoKeys
