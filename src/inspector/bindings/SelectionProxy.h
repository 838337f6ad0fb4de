#pragma once

#include "model/SKTGraphic.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

class GraphicSelection;
class SKTDocument;

// What a key reads over the selection: the one value all selected graphics share, or a marker.
struct SelectionValue {
    enum class Marker { None, MultipleValues, NoSelection };
    Marker marker = Marker::NoSelection;
    QVariant value;

    bool isMarker() const { return marker != Marker::None; }
};

// The selection of one document window seen as one object: reading a key answers the selected graphics'
// common value or a marker, writing a key sets it on every selected graphic as one undo step of the
// document, which counts as changed from then on. It tells of every change of a key on a selected graphic,
// whoever made it (the inspector, the canvas, an undo, another window on the same document), and of every
// change of the selection.
class SelectionProxy : public QObject {
    Q_OBJECT

public:
    // Over no selection or no document, nothing is ever selected.
    SelectionProxy(GraphicSelection* selection, SKTDocument* document, QObject* parent = nullptr);

    SelectionValue valueForKey(const QString& key) const;
    // The key's value type; invalid for a key no control binds.
    QMetaType typeOfKey(const QString& key) const;
    // Converts the value to the key's type and gives it to every selected graphic; nothing happens without a
    // selection, for a key no control binds, or for a value that does not convert.
    void setValueForKey(const QString& key, const QVariant& value);

Q_SIGNALS:
    // A selected graphic's key changed.
    void valueChanged(const QString& key);
    // Other graphics are selected now: every key may read differently.
    void selectionChanged();

private:
    GraphicList selectedGraphics() const;
    void observeSelection();

    QPointer<GraphicSelection> m_selection;
    QPointer<SKTDocument> m_document;
    QList<QMetaObject::Connection> m_graphicConnections;
};
