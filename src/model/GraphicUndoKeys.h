#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>

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
// A kind's own undoable key and how to read and set it.
void registerKey(const QString& key, Getter getter, Setter setter);

} // namespace GraphicUndoKeys
