#include "canvas/media/PictureFile.h"

#include <QFileInfo>
#include <QImageReader>

namespace PictureFile {

QImage read(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull() || picture.width() < 1 || picture.height() < 1) {
        qWarning("The picture %s could not be read: %s", qPrintable(path), qPrintable(reader.errorString()));
        return {};
    }
    return picture;
}

QString typeOfPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix == QLatin1String("png") || suffix == QLatin1String("PNG") ? QStringLiteral("PNG")
                                                                            : QStringLiteral("JPG");
}

} // namespace PictureFile
