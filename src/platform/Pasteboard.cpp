#include "platform/Pasteboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Pasteboard {

namespace {

qint64 s_changeCount = 0;

} // namespace

QClipboard& general()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    static const bool counting = [clipboard] {
        // The clipboard lives as long as the application and is the one object that tells of changes made
        // by other programs.
        QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [] { ++s_changeCount; });
        return true;
    }();
    Q_UNUSED(counting);
    return *clipboard;
}

qint64 changeCount()
{
    general();
    return s_changeCount;
}

qint64 setContents(QMimeData* data)
{
    QClipboard& clipboard = general();
    const qint64 before = s_changeCount;
    clipboard.setMimeData(data, QClipboard::Clipboard);
    // A platform that does not tell of its own writes still gets a new count.
    if (s_changeCount == before)
        ++s_changeCount;
    return s_changeCount;
}

const QMimeData* contents()
{
    return general().mimeData(QClipboard::Clipboard);
}

} // namespace Pasteboard
