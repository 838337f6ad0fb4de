#include "model/GraphicPropertyTable.h"

#include <stdexcept>
#include <vector>

GraphicProperty GraphicProperty::undoable(const char* name) const
{
    GraphicProperty row = namedForUndo(name);
    row.watchedForUndo = true;
    return row;
}

GraphicProperty GraphicProperty::namedForUndo(const char* name) const
{
    GraphicProperty row = *this;
    row.undoName = name;
    return row;
}

GraphicProperty GraphicProperty::redrawing(Redraw what) const
{
    GraphicProperty row = *this;
    row.redraw = what;
    return row;
}

GraphicProperty GraphicProperty::dictionaryOnly() const
{
    GraphicProperty row;
    row.key = key;
    row.read = read;
    row.write = write;
    return row;
}

GraphicPropertyTable::GraphicPropertyTable(std::initializer_list<GraphicProperty> rows)
{
    for (const GraphicProperty& row : rows)
        *this << row;
}

GraphicPropertyTable& GraphicPropertyTable::operator<<(const GraphicProperty& row)
{
    if (m_positions.contains(row.key))
        throw std::logic_error("graphic property table: a second row for " + row.key.toStdString());
    m_positions.insert(row.key, m_rows.size());
    m_rows.append(row);
    return *this;
}

GraphicProperty& GraphicPropertyTable::row(const QString& key)
{
    const auto it = m_positions.constFind(key);
    if (it == m_positions.constEnd())
        throw std::logic_error("graphic property table: no row for " + key.toStdString());
    return m_rows[*it];
}

GraphicPropertyTable& GraphicPropertyTable::replace(const GraphicProperty& replacement)
{
    row(replacement.key) = replacement;
    return *this;
}

GraphicPropertyTable& GraphicPropertyTable::redraw(Redraw what, std::initializer_list<const char*> keys)
{
    for (const char* key : keys)
        row(QString::fromLatin1(key)).redraw = what;
    return *this;
}

const GraphicProperty* GraphicPropertyTable::find(const QString& key) const
{
    const auto it = m_positions.constFind(key);
    return it == m_positions.constEnd() ? nullptr : &m_rows.at(*it);
}

QSet<QString> GraphicPropertyTable::watchedKeys() const
{
    QSet<QString> keys;
    for (const GraphicProperty& row : m_rows) {
        if (row.watchedForUndo)
            keys.insert(row.key);
    }
    return keys;
}

QSet<QString> GraphicPropertyTable::keysRedrawing(Redraw what) const
{
    QSet<QString> keys;
    for (const GraphicProperty& row : m_rows) {
        if (row.redraw == what)
            keys.insert(row.key);
    }
    return keys;
}

void GraphicPropertyTable::read(SKTGraphic& graphic, const GraphicPropertyDictionary& dictionary) const
{
    // One pass over the dictionary places each value at its row: a page opens thousands of graphics, and
    // searching the sorted dictionary once per row cost more than the reading itself.
    std::vector<const QVariant*> values(size_t(m_rows.size()), nullptr);
    for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it) {
        const auto position = m_positions.constFind(it.key());
        if (position != m_positions.cend())
            values[size_t(*position)] = &it.value();
    }
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const GraphicProperty& row = m_rows.at(i);
        if (row.read)
            row.read(graphic, values[size_t(i)]);
    }
}

void GraphicPropertyTable::write(SKTGraphic& graphic, GraphicPropertyDictionary& dictionary) const
{
    for (const GraphicProperty& row : m_rows) {
        if (row.write)
            row.write(graphic, dictionary);
    }
}
