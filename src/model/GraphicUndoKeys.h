#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <utility>

class SKTGraphic;

// The undoable properties of graphics (those of SKTGraphic::keysForValuesToObserveForUndo) read and set
// by key, as the page document's undo records and restores them. The core keys and the line's end points
// are known here; a kind registers the accessors of its own undoable keys. A graphic announces a change
// of its set of undoable keys under `undoKeysKey`.
namespace GraphicUndoKeys {

inline const QString undoKeysKey = QStringLiteral("keysForValuesToObserveForUndo");

// The value of an undoable key; invalid for a key that has no accessor.
QVariant valueForKey(const SKTGraphic& graphic, const QString& key);
// Sets an undoable key through the graphic's setter; keys without an accessor are left alone.
void setValueForKey(SKTGraphic& graphic, const QString& key, const QVariant& value);
void setValuesForKeysWithDictionary(SKTGraphic& graphic, const QVariantMap& values);

using Getter = std::function<QVariant(const SKTGraphic&)>;
using Setter = std::function<void(SKTGraphic&, const QVariant&)>;
struct Accessor {
    Getter get;
    Setter set;
};

// The accessor of a key over a kind's getter and setter: graphics of other kinds read as invalid and are
// left alone.
template <class Kind, class T, class Value>
Accessor accessorOf(T (Kind::*get)() const, void (Kind::*set)(Value))
{
    return {[get](const SKTGraphic& g) {
                const auto* kind = qobject_cast<const Kind*>(&g);
                return kind ? QVariant::fromValue((kind->*get)()) : QVariant();
            },
            [set](SKTGraphic& g, const QVariant& value) {
                if (auto* kind = qobject_cast<Kind*>(&g))
                    (kind->*set)(value.value<T>());
            }};
}

// A kind's own undoable key and how to read and set it.
void registerKey(const QString& key, Getter getter, Setter setter);
template <class Kind, class T, class Value>
void registerKey(const QString& key, T (Kind::*get)() const, void (Kind::*set)(Value))
{
    Accessor accessor = accessorOf(get, set);
    registerKey(key, std::move(accessor.get), std::move(accessor.set));
}

} // namespace GraphicUndoKeys
