#pragma once

#include <QtGlobal>

class QClipboard;
class QMimeData;

// The general pasteboard: the system clipboard, and a change count that goes up each time its contents
// change, whoever changed them (this program or another). A reader that remembers the count it saw can so
// tell whether the contents are still the same ones.
namespace Pasteboard {

// Needs a running GUI application.
QClipboard& general();
// Starts counting the first time the pasteboard is asked for.
qint64 changeCount();
// Replaces the contents; the pasteboard takes the data. Answers the change count the new contents carry.
qint64 setContents(QMimeData* data);
// The contents now, or null; owned by the pasteboard.
const QMimeData* contents();

} // namespace Pasteboard
