#include "canvas/popovers/VelkNSTextField.h"

#include "profile/DataCentre.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

QString droppedPath(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

VelkNSTextField::VelkNSTextField(QWidget* parent)
    : QLineEdit(parent)
{
    setAcceptDrops(true);
}

QString VelkNSTextField::textForDroppedFile(const QString& path)
{
    const QFileInfo file(path);
    const QString extension = DataCentre::profile().documentExtension;
    if (!extension.isEmpty() && file.suffix() == extension)
        return file.completeBaseName() + QStringLiteral(".html");
    return file.fileName();
}

void VelkNSTextField::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedPath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QLineEdit::dragEnterEvent(event);
}

void VelkNSTextField::dragMoveEvent(QDragMoveEvent* event)
{
    if (!droppedPath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QLineEdit::dragMoveEvent(event);
}

void VelkNSTextField::dropEvent(QDropEvent* event)
{
    const QString path = droppedPath(event->mimeData());
    if (path.isEmpty()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setText(textForDroppedFile(path));
    event->acceptProposedAction();
}
