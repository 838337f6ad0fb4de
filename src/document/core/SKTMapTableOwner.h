#pragma once

#include "model/SKTGraphic.h"

#include <QVariantMap>

#include <utility>

// The values that the graphics changed in one undo group had before their first change in it, graphic by
// graphic in the order they were first changed. Undoing the group sets them back.
class SKTMapTableOwner {
public:
    using Entry = std::pair<std::shared_ptr<SKTGraphic>, QVariantMap>;

    // The graphic's dictionary of key to old value, made empty on first use.
    QVariantMap& propertiesFor(const std::shared_ptr<SKTGraphic>& graphic)
    {
        for (Entry& entry : m_mapTable) {
            if (entry.first == graphic)
                return entry.second;
        }
        m_mapTable.emplace_back(graphic, QVariantMap());
        return m_mapTable.back().second;
    }

    QList<Entry>& mapTable() { return m_mapTable; }
    const QList<Entry>& mapTable() const { return m_mapTable; }

private:
    QList<Entry> m_mapTable;
};
