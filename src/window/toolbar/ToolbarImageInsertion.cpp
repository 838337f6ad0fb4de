#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "model/SKTImage.h"
#include "platform/FilePanel.h"

#include <QFileInfo>
#include <QImage>

// The toolbar's image item until the canvas carries its own image command: each picture chosen becomes an
// image graphic at the insertion point, the next one further right, each in front of the page's others.

namespace {

const QStringList kImageFileTypes = {"jpg", "JPG", "jpeg", "JPEG", "png", "PNG", "gif", "GIF", "tif", "tiff"};
// How far each further picture lies to the right of the one before.
constexpr double kNextImageOffset = 50;

} // namespace

void SKTWindowController::addNewImage()
{
    if (!m_document)
        return;
    FilePanelRequest request;
    request.prompt = QStringLiteral("Select");
    request.allowedFileTypes = kImageFileTypes;
    request.allowsMultipleSelection = true;
    const QStringList paths = FilePanel::runOpen(request, this);
    const QPointF origin = m_graphicView->calculateOriginPoint();
    double offset = 0;
    for (const QString& path : paths) {
        const QImage picture(path);
        if (picture.isNull())
            continue;
        auto image = std::make_shared<SKTImage>();
        image->set_contents(picture);
        image->setInputImage(picture);
        image->setImageName(m_document->getNextImageName({}));
        image->setImageType(QFileInfo(path).suffix().compare(u"png", Qt::CaseInsensitive) == 0
                                ? QStringLiteral("PNG")
                                : QStringLiteral("JPG"));
        image->setBounds(QRectF(origin + QPointF(offset, 0), picture.deviceIndependentSize()));
        m_document->insertGraphics({image}, {0});
        offset += kNextImageOffset;
    }
}
