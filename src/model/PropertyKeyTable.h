#pragma once

#include "model/GraphicPropertyDictionary.h"

#include <QList>

#include <functional>

// A graphic kind's dictionary keys as a table: how each key is read into the object and written from it.
// The base graphic and every kind describe their keys with the row makers below and run the table both ways.
template <class Graphic> struct PropertyKey {
    QString key;
    // Receives the dictionary's value, or null when the key is missing.
    std::function<void(Graphic&, const QVariant*)> read;
    // Empty for keys that are read but never written.
    std::function<void(Graphic&, GraphicPropertyDictionary&)> write;
};

template <class Graphic> using PropertyKeyTable = QList<PropertyKey<Graphic>>;

template <class Graphic>
void readPropertyKeys(Graphic& graphic, const GraphicPropertyDictionary& dictionary,
                      const PropertyKeyTable<Graphic>& table)
{
    for (const PropertyKey<Graphic>& row : table) {
        if (!row.read)
            continue;
        const auto it = dictionary.constFind(row.key);
        row.read(graphic, it == dictionary.constEnd() ? nullptr : &*it);
    }
}

template <class Graphic>
void writePropertyKeys(Graphic& graphic, GraphicPropertyDictionary& dictionary,
                       const PropertyKeyTable<Graphic>& table)
{
    for (const PropertyKey<Graphic>& row : table) {
        if (row.write)
            row.write(graphic, dictionary);
    }
}

namespace PropertyKeys {

enum class Write { Always, UnlessNone, Never };

// A key read and written by the given functions; an empty `write` makes a key that is read only.
template <class G>
PropertyKey<G> custom(const char* key, std::function<void(G&, const QVariant*)> read,
                      std::function<QVariant(G&)> write)
{
    PropertyKey<G> row{QString::fromLatin1(key), std::move(read), {}};
    if (write) {
        row.write = [key = row.key, write](G& g, GraphicPropertyDictionary& d) { d.insert(key, write(g)); };
    }
    return row;
}

// Integer field as "%d" text; a missing key gives `missing`, a value that is neither text nor a number 0.
template <class G>
PropertyKey<G> integer(const char* key, int (G::*get)() const, void (G::*set)(int), int missing,
                       Write write = Write::Always)
{
    PropertyKey<G> row{QString::fromLatin1(key), {}, {}};
    row.read = [set, missing](G& g, const QVariant* value) {
        (g.*set)(value ? GraphicProperties::integerValue(*value) : missing);
    };
    if (write != Write::Never) {
        row.write = [key = row.key, get](G& g, GraphicPropertyDictionary& d) {
            d.insert(key, GraphicProperties::integerText((g.*get)()));
        };
    }
    return row;
}

// Flag field written as the integer 0 or 1 and read as an integer that is not 0.
template <class G>
PropertyKey<G> integerFlag(const char* key, bool (G::*get)() const, void (G::*set)(bool), bool missing)
{
    PropertyKey<G> row{QString::fromLatin1(key), {}, {}};
    row.read = [set, missing](G& g, const QVariant* value) {
        (g.*set)(value ? GraphicProperties::integerValue(*value) != 0 : missing);
    };
    row.write = [key = row.key, get](G& g, GraphicPropertyDictionary& d) {
        d.insert(key, GraphicProperties::integerText((g.*get)() ? 1 : 0));
    };
    return row;
}

// Floating-point field as "%f" text, read back in single precision.
template <class G, class T>
PropertyKey<G> real(const char* key, T (G::*get)() const, void (G::*set)(T), T missing)
{
    PropertyKey<G> row{QString::fromLatin1(key), {}, {}};
    row.read = [set, missing](G& g, const QVariant* value) {
        (g.*set)(value ? T(GraphicProperties::floatValue(*value)) : missing);
    };
    row.write = [key = row.key, get](G& g, GraphicPropertyDictionary& d) {
        d.insert(key, GraphicProperties::realText(double((g.*get)())));
    };
    return row;
}

// Text field stored unchanged; a missing key, or a value that is not text, gives `missing`.
// `firstSet`, when given, corrects the field on the object before it is written.
template <class G>
PropertyKey<G> text(const char* key, QString (G::*get)() const, void (G::*set)(QString),
                    const QString& missing, Write write = Write::Always,
                    QString (*firstSet)(const QString&) = nullptr)
{
    PropertyKey<G> row{QString::fromLatin1(key), {}, {}};
    row.read = [set, missing](G& g, const QVariant* value) {
        (g.*set)(value && GraphicProperties::isText(*value) ? value->toString() : missing);
    };
    if (write == Write::Never)
        return row;
    row.write = [key = row.key, get, set, write, firstSet](G& g, GraphicPropertyDictionary& d) {
        if (firstSet) {
            const QString current = (g.*get)();
            const QString corrected = firstSet(current);
            if (corrected != current || corrected.isNull() != current.isNull())
                (g.*set)(corrected);
        }
        const QString value = (g.*get)();
        if (write == Write::UnlessNone && value.isNull())
            return;
        d.insert(key, GraphicProperties::text(value));
    };
    return row;
}

} // namespace PropertyKeys
