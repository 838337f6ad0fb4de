#pragma once

#include "model/GraphicPropertyDictionary.h"

#include <QHash>
#include <QList>
#include <QSet>

#include <functional>
#include <initializer_list>
#include <type_traits>

class SKTGraphic;

// What the canvas redraws when a property changes; observers hear it as "drawingContents" or
// "drawingBounds" after the property's own key.
enum class Redraw { None, Contents, Bounds };

// One property of a graphic kind as every user of its key needs it: how the key is read from a property
// dictionary and written into one, the value the undo records and restores, the name of its undo step and
// what its change redraws. The makers in PropertyRows bind the key to the kind's getter and setter, so a
// key is spelled once per kind.
struct GraphicProperty {
    QString key;
    // Receives the dictionary's value, or null when the key is missing; empty for a key that is not read.
    std::function<void(SKTGraphic&, const QVariant*)> read;
    // Empty for a key that is not written.
    std::function<void(SKTGraphic&, GraphicPropertyDictionary&)> write;
    // The value through the kind's getter and setter; empty for a key without them.
    std::function<QVariant(const SKTGraphic&)> get;
    std::function<void(SKTGraphic&, const QVariant&)> set;
    // The key of the strings table "UndoStrings" that names a step changing the property; null for none.
    const char* undoName = nullptr;
    // Whether the document's undo watches the key from the start. A named key that is not watched from the
    // start is watched while a kind says so (keysForValuesToObserveForUndo).
    bool watchedForUndo = false;
    Redraw redraw = Redraw::None;

    // The row with an undo step of that name, watched from the start, or only while the kind says so.
    GraphicProperty undoable(const char* name) const;
    GraphicProperty namedForUndo(const char* name) const;
    GraphicProperty redrawing(Redraw what) const;
    // The row as it travels in the dictionary, with no value, undo step or redraw.
    GraphicProperty dictionaryOnly() const;
    // The row with the value of a getter and setter of the kind (or of a class it derives from).
    template <class Kind, class T, class V>
    GraphicProperty accessedBy(T (Kind::*getter)() const, void (Kind::*setter)(V)) const
    {
        using Value = std::decay_t<T>;
        GraphicProperty row = *this;
        row.get = [getter](const SKTGraphic& g) {
            return QVariant::fromValue((static_cast<const Kind&>(g).*getter)());
        };
        row.set = [setter](SKTGraphic& g, const QVariant& value) {
            (static_cast<Kind&>(g).*setter)(value.value<Value>());
        };
        return row;
    }
};

// The properties of one kind of graphic, in the order the dictionary is read. A kind's table starts from
// a copy of the base graphic's, changes rows of it and adds its own.
class GraphicPropertyTable {
public:
    GraphicPropertyTable(std::initializer_list<GraphicProperty> rows = {});

    // Adds a row; std::logic_error when the table has a row for the key already.
    GraphicPropertyTable& operator<<(const GraphicProperty& row);
    // The row of the key to change, and a row put in place of the one of its key; std::logic_error when the
    // table has no row for the key, so a misspelt key fails the first use of the kind.
    GraphicProperty& row(const QString& key);
    GraphicPropertyTable& replace(const GraphicProperty& row);
    // Sets what a change of each key redraws.
    GraphicPropertyTable& redraw(Redraw what, std::initializer_list<const char*> keys);
    // Gives the key a reader or a writer of the kind's own.
    template <class Kind>
    GraphicPropertyTable& readAs(const char* key, std::function<void(Kind&, const QVariant*)> read);
    template <class Kind>
    GraphicPropertyTable& writeAs(const char* key, std::function<QVariant(Kind&)> value);

    // The row of the key; null when the kind has none.
    const GraphicProperty* find(const QString& key) const;
    const QList<GraphicProperty>& rows() const { return m_rows; }
    QSet<QString> watchedKeys() const;
    QSet<QString> keysRedrawing(Redraw what) const;

    void read(SKTGraphic& graphic, const GraphicPropertyDictionary& dictionary) const;
    void write(SKTGraphic& graphic, GraphicPropertyDictionary& dictionary) const;

private:
    QList<GraphicProperty> m_rows;
    QHash<QString, qsizetype> m_positions;
};

// The makers of rows. Each reads and writes the dictionary's text encodings the way the base graphic's
// keys do, and gives the row the getter and setter as its value.
namespace PropertyRows {

enum class Write { Always, UnlessNone, Never };

template <class Kind>
std::function<void(SKTGraphic&, const QVariant*)> reading(std::function<void(Kind&, const QVariant*)> read)
{
    if (!read)
        return {};
    return [read = std::move(read)](SKTGraphic& g, const QVariant* value) {
        read(static_cast<Kind&>(g), value);
    };
}

template <class Kind>
std::function<void(SKTGraphic&, GraphicPropertyDictionary&)> writing(const QString& key,
                                                                     std::function<QVariant(Kind&)> value)
{
    if (!value)
        return {};
    return [key, value = std::move(value)](SKTGraphic& g, GraphicPropertyDictionary& dictionary) {
        dictionary.insert(key, value(static_cast<Kind&>(g)));
    };
}

// A key read and written by the given functions; an empty function leaves that side out.
template <class Kind>
GraphicProperty custom(const char* key, std::function<void(Kind&, const QVariant*)> read,
                       std::function<QVariant(Kind&)> write)
{
    GraphicProperty row;
    row.key = QString::fromLatin1(key);
    row.read = reading<Kind>(std::move(read));
    row.write = writing<Kind>(row.key, std::move(write));
    return row;
}

// A key that never travels in the dictionary, only its value.
template <class Kind, class T, class V>
GraphicProperty value(const char* key, T (Kind::*getter)() const, void (Kind::*setter)(V))
{
    return custom<Kind>(key, {}, {}).accessedBy(getter, setter);
}

// Integer field as "%d" text; a missing key gives `missing`, a value that is neither text nor a number 0.
template <class Kind>
GraphicProperty integer(const char* key, int (Kind::*getter)() const, void (Kind::*setter)(int), int missing,
                        Write write = Write::Always)
{
    std::function<QVariant(Kind&)> writer;
    if (write != Write::Never)
        writer = [getter](Kind& g) { return QVariant(GraphicProperties::integerText((g.*getter)())); };
    return custom<Kind>(
               key,
               [setter, missing](Kind& g, const QVariant* value) {
                   (g.*setter)(value ? GraphicProperties::integerValue(*value) : missing);
               },
               std::move(writer))
        .accessedBy(getter, setter);
}

// Flag field written as the integer 0 or 1 and read as an integer that is not 0.
template <class Kind>
GraphicProperty integerFlag(const char* key, bool (Kind::*getter)() const, void (Kind::*setter)(bool),
                            bool missing)
{
    return custom<Kind>(
               key,
               [setter, missing](Kind& g, const QVariant* value) {
                   (g.*setter)(value ? GraphicProperties::integerValue(*value) != 0 : missing);
               },
               [getter](Kind& g) { return QVariant(GraphicProperties::integerText((g.*getter)() ? 1 : 0)); })
        .accessedBy(getter, setter);
}

// Floating-point field as "%f" text, read back in single precision.
template <class Kind, class T>
GraphicProperty real(const char* key, T (Kind::*getter)() const, void (Kind::*setter)(T), T missing)
{
    return custom<Kind>(
               key,
               [setter, missing](Kind& g, const QVariant* value) {
                   (g.*setter)(value ? T(GraphicProperties::floatValue(*value)) : missing);
               },
               [getter](Kind& g) { return QVariant(GraphicProperties::realText(double((g.*getter)()))); })
        .accessedBy(getter, setter);
}

// Text field stored unchanged; a missing key, or a value that is not text, gives `missing`.
// `firstSet`, when given, corrects the field on the object before it is written.
template <class Kind>
GraphicProperty text(const char* key, QString (Kind::*getter)() const, void (Kind::*setter)(QString),
                     const QString& missing, Write write = Write::Always,
                     QString (*firstSet)(const QString&) = nullptr)
{
    GraphicProperty row =
        custom<Kind>(key,
                     [setter, missing](Kind& g, const QVariant* value) {
                         (g.*setter)(value && GraphicProperties::isText(*value) ? value->toString()
                                                                                : missing);
                     },
                     {})
            .accessedBy(getter, setter);
    if (write == Write::Never)
        return row;
    row.write = [key = row.key, getter, setter, write, firstSet](SKTGraphic& graphic,
                                                                 GraphicPropertyDictionary& dictionary) {
        Kind& g = static_cast<Kind&>(graphic);
        if (firstSet) {
            const QString current = (g.*getter)();
            const QString corrected = firstSet(current);
            if (corrected != current || corrected.isNull() != current.isNull())
                (g.*setter)(corrected);
        }
        const QString value = (g.*getter)();
        if (write == Write::UnlessNone && value.isNull())
            return;
        dictionary.insert(key, GraphicProperties::text(value));
    };
    return row;
}

} // namespace PropertyRows

template <class Kind>
GraphicPropertyTable& GraphicPropertyTable::readAs(const char* key,
                                                   std::function<void(Kind&, const QVariant*)> read)
{
    row(QString::fromLatin1(key)).read = PropertyRows::reading<Kind>(std::move(read));
    return *this;
}

template <class Kind>
GraphicPropertyTable& GraphicPropertyTable::writeAs(const char* key, std::function<QVariant(Kind&)> value)
{
    GraphicProperty& changed = row(QString::fromLatin1(key));
    changed.write = PropertyRows::writing<Kind>(changed.key, std::move(value));
    return *this;
}
