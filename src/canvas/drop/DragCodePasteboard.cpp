#include "canvas/drop/DragCodePasteboard.h"

#include <QMimeData>

QMimeData* newDragCodeMimeData(const QString& code)
{
    auto* data = new QMimeData;
    data->setData(QString(kDragCodeMimeType), code.toUtf8());
    data->setText(code);
    return data;
}

QString dragCodeFromMimeData(const QMimeData& data)
{
    if (!data.hasFormat(QString(kDragCodeMimeType)))
        return {};
    return QString::fromUtf8(data.data(QString(kDragCodeMimeType)));
}
