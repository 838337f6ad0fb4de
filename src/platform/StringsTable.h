#pragma once

#include <QString>

// Strings tables of the bundle: "strings/NAME.json" in the resource folder, one JSON object whose
// members map a key (usually the English text) to the text shown to the user.
namespace StringsTable {

// The entry for the key in the named table; a null string when the table or the entry is missing.
QString entry(const QString& table, const QString& key);

// The entry for the key; without one, the value when it is not empty, else the key itself.
QString localizedString(const QString& key, const QString& value, const QString& table);

} // namespace StringsTable
