#include "model/GraphicUndoKeys.h"

#include "model/SKTGraphic.h"

#include <QHash>
#include <QMutex>

namespace GraphicUndoKeys {

namespace {

struct Accessor {
    Getter get;
    Setter set;
};

QHash<QString, Accessor> builtInAccessors()
{
    using G = SKTGraphic;
    return {
        {QStringLiteral("drawingFill"),
         {[](const G& g) { return QVariant(g.isDrawingFill()); },
          [](G& g, const QVariant& v) { g.setDrawingFill(v.toBool()); }}},
        {QStringLiteral("fillColor"),
         {[](const G& g) { return QVariant(g.fillColor()); },
          [](G& g, const QVariant& v) { g.setFillColor(v.value<QColor>()); }}},
        {QStringLiteral("drawingStroke"),
         {[](const G& g) { return QVariant(g.isDrawingStroke()); },
          [](G& g, const QVariant& v) { g.setDrawingStroke(v.toBool()); }}},
        {QStringLiteral("strokeColor"),
         {[](const G& g) { return QVariant(g.strokeColor()); },
          [](G& g, const QVariant& v) { g.setStrokeColor(v.value<QColor>()); }}},
        {QStringLiteral("strokeWidth"),
         {[](const G& g) { return QVariant(g.strokeWidth()); },
          [](G& g, const QVariant& v) { g.setStrokeWidth(v.toDouble()); }}},
        {QStringLiteral("bounds"),
         {[](const G& g) { return QVariant(g.bounds()); },
          [](G& g, const QVariant& v) { g.setBounds(v.toRectF()); }}},
        {QStringLiteral("beginPoint"),
         {[](const G& g) { return QVariant(g.beginPoint()); },
          [](G& g, const QVariant& v) { g.setBeginPoint(v.toPointF()); }}},
        {QStringLiteral("endPoint"),
         {[](const G& g) { return QVariant(g.endPoint()); },
          [](G& g, const QVariant& v) { g.setEndPoint(v.toPointF()); }}},
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
