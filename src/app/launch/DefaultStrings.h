#pragma once

#include "platform/StringsTable.h"

// The application's default strings table: menu titles and button titles pass through it; a text without
// an entry stays as written.
inline QString localizedDefaultString(const QString& key)
{
    return StringsTable::localizedString(key, QString(), QStringLiteral("Localizable"));
}
