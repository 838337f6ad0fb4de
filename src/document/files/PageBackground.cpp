#include "document/core/DocumentWindow.h"
#include "document/core/SKTDocument.h"
#include "platform/FilePanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

// The picture the page shows behind everything, tiled. The canvas's texture brush is the picture the page
// saver writes; the document keeps it too for pages without a window.

namespace {

const QString kWhite = QStringLiteral("FFFFFF");

bool isPNGFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix == QLatin1String("png") || suffix == QLatin1String("PNG");
}

} // namespace

void SKTDocument::newBackground()
{
    FilePanelRequest request;
    request.prompt = QStringLiteral("Select");
    request.allowedFileTypes = {"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"};
    const QStringList paths = FilePanel::runOpen(request);
    if (paths.isEmpty())
        return;
    const QString path = paths.first();
    setDocumentChangedCounter(documentChangedCounter() + 1);
    removeBackground();
    const QImage picture = QImageReader(path).read();
    setBackgroundImageType(isPNGFile(path) ? QStringLiteral("PNG") : QStringLiteral("JPG"));
    // A file without pixels leaves the page white, without a background picture.
    if (picture.isNull()) {
        qWarning("The background picture %s could not be read", qPrintable(path));
        return;
    }
    setBackgroundImage(picture);
    if (DocumentWindow* window = windowController())
        window->updateDocumentColor(QBrush(picture), QString());
    setBackgroundImageFlag(2);
}

void SKTDocument::removeBackground()
{
    setPageColor(Qt::white);
    setPageColorHexString(kWhite);
    setBackgroundImageFlag(0);
    if (DocumentWindow* window = windowController())
        window->updateDocumentColor(QBrush(Qt::white), kWhite);
    // A page not yet saved has no folder to clean.
    if (pageFolderPath().isEmpty())
        return;
    const QString type =
        backgroundImageType() == QLatin1String("JPG") ? QStringLiteral("JPG") : QStringLiteral("PNG");
    const QDir folder(pageFolderPath());
    for (const QString& name : {QStringLiteral("background."), QStringLiteral("backgroundo.")})
        QFile::remove(folder.filePath(name + type));
}
