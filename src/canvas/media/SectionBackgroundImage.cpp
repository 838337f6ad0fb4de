#include "canvas/view/SKTGraphicView.h"

#include "model/NoNumber.h"
#include "model/SKTTable.h"
#include "model/records/TransformView.h"
#include "platform/FilePanel.h"
#include "profile/DataCentre.h"
#include "profile/services/ImageDrawing.h"
#include "profile/services/ImageGeometry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

// The picture behind a section or table. It is scaled to the table's width once, here, so no unscaled
// original is kept for it.

void SKTGraphicView::addSectionBackgroundImage()
{
    auto* table = dynamic_cast<SKTTable*>(m_workingState.selectedTable.get());
    if (!table)
        return;
    FilePanelRequest request;
    request.prompt = QStringLiteral("Select");
    request.title = QCoreApplication::translate("SKTGraphicView", "Select image");
    request.allowedFileTypes = {"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"};
    const QStringList paths = FilePanel::runOpen(request, window());
    if (paths.isEmpty())
        return;
    const QString path = paths.first();
    const QImage picture = QImageReader(path).read();
    if (picture.isNull()) {
        qWarning("The background picture %s could not be read", qPrintable(path));
        return;
    }
    const QString suffix = QFileInfo(path).suffix();
    const bool png = suffix == QLatin1String("png") || suffix == QLatin1String("PNG");
    const QSizeF size =
        DataCentre::returnNewSizeMatchWidthRegardlessOfHeight(picture.size(), int(table->bounds().width()));
    auto background = std::make_shared<TransformView>();
    background->setImage(DataCentre::imageWithImage(picture, size));
    background->setImageName(getNextImageName());
    background->setImageEnlargeFlag(kNoNumber);
    background->setSlideShowNumber(kNoNumber);
    background->setImageType(png ? QStringLiteral("PNG") : QStringLiteral("JPG"));
    background->setForceNonRetinaFlag(1);
    background->setRowSpot(kNoNumber);
    background->setColumnSpot(kNoNumber);
    // The new background tells the canvas to draw the table anew.
    table->setTableBackgroundImage(background);
}
