#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <functional>

class SKTGraphic;

// A property of every graphic that an inspector control shows and edits: its value type and the getter and
// setter that reach it. The four views of the bounds (xPosition, yPosition, width, height) are keys too.
struct InspectorKey {
    QString key;
    QMetaType type;
    std::function<QVariant(const SKTGraphic&)> get;
    std::function<void(SKTGraphic&, const QVariant&)> set;
};

// The key's accessors; null for a key that no inspector control binds.
const InspectorKey* inspectorKey(const QString& key);
