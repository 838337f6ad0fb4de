#include "canvas/view/SKTGraphicView.h"

#include "canvas/dialogs/CropImageWindowController.h"
#include "canvas/factories/ImageFactory.h"
#include "canvas/media/PictureFile.h"
#include "document/files/PageFolderFiles.h"
#include "model/SKTImage.h"
#include "platform/FilePanel.h"
#include "profile/DataCentre.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

// Commands on selected images: a new picture from a file or cropped from the old one, and click-to-enlarge.

namespace {

const QString kInformationalText = QStringLiteral("Drop an Image Here");

// Only plain pictures here: a GIF cannot replace one.
QString replacementType(const QString& path)
{
    return QFileInfo(path).suffix().toLower() == QLatin1String("png") ? QStringLiteral("PNG")
                                                                      : QStringLiteral("JPG");
}

template <class Change> void forSelectedImages(const GraphicList& selection, Change change)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : selection) {
        if (dynamic_cast<SKTImage*>(graphic.get()))
            change(*graphic);
    }
}

} // namespace

QString SKTGraphicView::getCurrentDocPath() const
{
    return m_document ? m_document->grabCurrentDocPath() : QString();
}

bool SKTGraphicView::cropShown()
{
    const GraphicList selection = selectedGraphics();
    if (selection.size() != 1 || !dynamic_cast<SKTImage*>(selection.first().get()))
        return false;
    m_workingState.selectedImage = selection.first();
    return true;
}

void SKTGraphicView::launchReplaceImage()
{
    auto* image = dynamic_cast<SKTImage*>(m_workingState.selectedImage.get());
    if (!image)
        return;
    FilePanelRequest request;
    request.prompt = QStringLiteral("Select");
    request.allowedFileTypes = {"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"};
    const QStringList paths = FilePanel::runOpen(request, window());
    if (paths.isEmpty())
        return;
    const QImage picture = PictureFile::read(paths.first());
    if (picture.isNull())
        return;
    image->setImageType(replacementType(paths.first()));
    replaceImage(picture);
}

void SKTGraphicView::replaceImage(const QImage& picture)
{
    auto* image = dynamic_cast<SKTImage*>(m_workingState.selectedImage.get());
    if (!image || picture.isNull())
        return;
    SKTDocument& document = mutableGraphics();
    document.setDocumentChangedCounter(document.documentChangedCounter() + 1);
    image->set_contents(picture);
    image->setInputImage(picture);
    // The image keeps its place and width and takes the picture's proportion.
    const QRectF old = image->bounds();
    const QSizeF size = picture.deviceIndependentSize();
    if (old.width() > 0) {
        const float scale = float(size.width()) / float(old.width());
        image->setBounds(
            QRectF(old.topLeft(), QSizeF(float(size.width()) / scale, float(size.height()) / scale)));
    }
    ImageFactory factory(*this);
    const QString path = PageFolderFiles::fileInside(
        factory.pageFolder(), image->imageName() + QStringLiteral("o.") + image->imageType());
    if (path.isEmpty())
        return;
    QFile::remove(path);
    ImageFactory::writePicture(path, picture, image->imageType());
}

void SKTGraphicView::launchCropImagePanel()
{
    auto* image = dynamic_cast<SKTImage*>(m_workingState.selectedImage.get());
    if (!image)
        return;
    if (!m_cropImageWindowController) {
        m_cropImageWindowController = new CropImageWindowController(window());
        connect(m_cropImageWindowController, &QDialog::finished, this,
                [this](int code) { pictureTakerValidated(m_cropImageWindowController, code); });
    }
    m_cropImageWindowController->setInputImage(image->_contents());
    m_cropImageWindowController->setInformationalText(kInformationalText);
    m_cropImageWindowController->open();
}

void SKTGraphicView::pictureTakerValidated(CropImageWindowController* pictureTaker, int returnCode)
{
    if (returnCode == QDialog::Accepted && pictureTaker)
        replaceImage(pictureTaker->outputImage());
}

CropImageWindowController* SKTGraphicView::cropImageWindowController() const
{
    return m_cropImageWindowController;
}

void SKTGraphicView::setClickToEnlarge(int lighting)
{
    forSelectedImages(selectedGraphics(), [lighting](SKTGraphic& image) {
        image.setImageEnlargeFlag(1);
        image.setBackdropLightingFlag(lighting);
    });
}

void SKTGraphicView::disableClickToEnlarge()
{
    forSelectedImages(selectedGraphics(), [](SKTGraphic& image) { image.setImageEnlargeFlag(0); });
}
