#pragma once

#include <QLatin1StringView>
#include <QString>

class QMimeData;

// What a drag from the object library carries: one string, the item's drag code, under a MIME type of
// our own (and as plain text). The canvas reads the code on a drop and creates the object it names.
inline constexpr QLatin1StringView kDragCodeMimeType{"application/x-velk-drag-code"};

// New drag data holding the code; an empty code is written as an empty payload.
QMimeData* newDragCodeMimeData(const QString& code);
// The code the data carries, or a null string when it is not a library drag.
QString dragCodeFromMimeData(const QMimeData& data);
