#include "document/core/DocumentWindow.h"
#include "document/files/ImageAssets.h"
#include "document/core/SKTDocument.h"
#include "platform/NotificationCenter.h"
#include "profile/DataCentre.h"
#include "profile/services/ImageDrawing.h"
#include "profile/services/ImageEncoding.h"
#include "profile/services/ImageGeometry.h"

#include <QFile>
#include <QFileInfo>

QImage SKTDocument::imageWithSubviews()
{
    if (!m_windowController)
        return {};
    m_windowController->deSelectAllObjects();
    QSizeF size;
    if (m_docSpecificFixedCanvasFlag == 1)
        size = QSizeF(m_docSpecificPageWidth, m_docSpecificPageHeight);
    else if (m_canvasState.defaultPageWidth != 0 && m_canvasState.defaultPageHeight != 0)
        size = QSizeF(m_canvasState.defaultPageWidth, m_canvasState.defaultPageHeight);
    else
        size = QSizeF(findMaxScreenWidth(), findMaxScreenHeight());
    return m_windowController->renderCanvas(QRectF(QPointF(0, 0), size));
}

void SKTDocument::saveScreenshot()
{
    const ProductProfile& profile = DataCentre::profile();
    if (preparePageFolder().isEmpty())
        return;
    QImage picture;
    if (profile.pageTileScreenshots) {
        if (m_windowController)
            picture = m_windowController->findCurrentlySelectedVelkButtonImage(
                QFileInfo(m_fileLocation).fileName());
    } else if (profile.hideTotalRefreshWebsite) {
        picture = profile.productIcon;
    } else {
        picture = imageWithSubviews();
    }
    writeScreenshots(picture);
}

void SKTDocument::saveCustomScreenshot(const QImage& picture)
{
    if (preparePageFolder().isEmpty())
        return;
    writeScreenshots(picture);
    NotificationCenter::defaultCenter().post(QStringLiteral("refreshDocIcon"), this);
}

void SKTDocument::writeScreenshots(const QImage& picture)
{
    // Without a picture the screenshots of the last save stay.
    if (picture.isNull()) {
        qWarning("No page picture for the screenshots");
        return;
    }
    const QString pagePath = pageFolderPath();
    const int screenshotSize = m_canvasState.screenshotSize;
    const struct {
        QString path;
        int length;
    } screenshots[] = {
        {pagePath + QStringLiteral(".png"), screenshotSize},
        {pagePath + QStringLiteral("@2x.png"), 2 * screenshotSize},
    };
    for (const auto& screenshot : screenshots) {
        QFile::remove(screenshot.path);
        const QSizeF size =
            DataCentre::returnNewSizeWithWidth(picture.deviceIndependentSize(), screenshot.length);
        ImageFiles::write(screenshot.path,
                          DataCentre::PNGRepresentationOfImage(DataCentre::imageWithImage(picture, size, 1)));
    }
}
