#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/ImageFactory.h"
#include "canvas/media/HyperLinkWindowController.h"
#include "canvas/media/SlideShow.h"
#include "document/files/PageFolderFiles.h"
#include "model/NoNumber.h"
#include "model/SKTSlideshow.h"
#include "model/records/TransformView.h"
#include "platform/FilePanel.h"
#include "platform/UserDefaults.h"
#include "profile/services/ImageDrawing.h"
#include "profile/services/ImageGeometry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

// The context menu's commands on the slide a selected slideshow shows: delete, replace, link, and
// automatic scrolling; and the slide factory they share with the slide pictures of the page.

namespace {

const QString kMaxImageSizeKey = QStringLiteral("SorrelMaxImageSize");
const QStringList kSlideFileTypes{"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"};

SKTSlideshow* slideshowOf(const CanvasWorkingState& state)
{
    return dynamic_cast<SKTSlideshow*>(state.selectedSlideshow.get());
}

// The slide the slideshow shows; null when its index lies off its slides.
std::shared_ptr<TransformView> currentSlide(const SKTSlideshow& slideshow)
{
    return slideshow.imageArray().value(slideshow.currentImageIndex());
}

// The stored size of a picture: no wider than the user's limit, at its own proportion. Without a limit it
// keeps its size.
QSizeF limitedSize(const QImage& picture)
{
    const float width = float(picture.width());
    const float height = float(picture.height());
    const long long limit = UserDefaults::standard().integerForKey(kMaxImageSizeKey);
    if (limit < 1 || double(picture.width()) <= double(limit))
        return QSizeF(width, height);
    const float ratio = width / float(limit);
    return QSizeF(float(limit), height / ratio);
}

// The slideshow redraws its slides; the page, written from them, has changed.
void slidesChanged(SKTGraphicView& view, SKTSlideshow& slideshow)
{
    slideshow.setBounds(slideshow.bounds());
    view.mutableGraphics().setDocumentEdited(true);
}

} // namespace

bool SKTGraphicView::slideShowOptionsShown()
{
    return slideshowEditorShown();
}

bool SKTGraphicView::slideShowImageEditingOptionsShown()
{
    const GraphicList selection = selectedGraphics();
    const auto* slideshow =
        selection.size() == 1 ? dynamic_cast<SKTSlideshow*>(selection.first().get()) : nullptr;
    if (!slideshow || slideshow->imageArray().isEmpty())
        return false;
    m_workingState.selectedSlideshow = selection.first();
    return true;
}

std::shared_ptr<TransformView> SKTGraphicView::createNewSlideshowImage(const QImage& picture,
                                                                       const QString& type)
{
    const QSizeF limited = limitedSize(picture);
    const QSizeF fitted =
        DataCentre::returnNewSizeWithWidth(QSizeF(picture.size()), int(canvasSize().width()));
    auto slide = TransformView::initWithFrame(QRectF(QPointF(), fitted));
    slide->setImage(picture);
    slide->setImageName(getNextImageName());
    slide->setOriginalWidth(int(limited.width()));
    slide->setOriginalHeight(int(limited.height()));
    slide->setGalleryNumber(kNoNumber);
    slide->setImageType(type);
    setNewSlideDefaults(*slide);

    const QString folder = ImageFactory(*this).pageFolder();
    const QString path =
        PageFolderFiles::fileInside(folder, slide->imageName() + QStringLiteral("o.") + type);
    if (path.isEmpty()) {
        qWarning("The page has no folder yet: the original of slide %s is kept when the page is saved",
                 qPrintable(slide->imageName()));
        return slide;
    }
    QDir().mkpath(folder);
    QFile::remove(path);
    ImageFactory::writePicture(path, DataCentre::imageWithImage(picture, limited, 1), type);
    return slide;
}

void SKTGraphicView::deleteSlide()
{
    SKTSlideshow* slideshow = slideshowOf(m_workingState);
    if (!slideshow || !currentSlide(*slideshow))
        return;
    TransformViewList slides = slideshow->imageArray();
    slides.removeAt(slideshow->currentImageIndex());
    slideshow->setImageArray(slides);
    // The slideshow draws the slide at its index: after the last slide went, the one before it shows.
    slideshow->setCurrentImageIndex(
        std::min(slideshow->currentImageIndex(), std::max(0, int(slides.size()) - 1)));
    slidesChanged(*this, *slideshow);
}

void SKTGraphicView::replaceSlide()
{
    SKTSlideshow* slideshow = slideshowOf(m_workingState);
    if (!slideshow || !currentSlide(*slideshow))
        return;
    FilePanelRequest request;
    request.prompt = tr("Add New");
    request.allowedFileTypes = kSlideFileTypes;
    const QStringList chosen = FilePanel::runOpen(request, window());
    if (chosen.isEmpty())
        return;
    const QString& path = chosen.first();
    const int index = slideshow->currentImageIndex();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        qWarning("The picture %s could not be read: the slide stays as it was", qPrintable(path));
        return;
    }
    const QString extension = QFileInfo(path).suffix();
    const QString type = extension == QLatin1String("png") || extension == QLatin1String("PNG")
                             ? QStringLiteral("PNG")
                             : QStringLiteral("JPG");
    const std::shared_ptr<TransformView> slide = createNewSlideshowImage(picture, type);
    slide->setSlideNumber(index);
    TransformViewList slides = slideshow->imageArray();
    slides.replace(index, slide);
    slideshow->setImageArray(slides);
    slidesChanged(*this, *slideshow);
}

void SKTGraphicView::linkSlide()
{
    SKTSlideshow* slideshow = slideshowOf(m_workingState);
    const std::shared_ptr<TransformView> slide = slideshow ? currentSlide(*slideshow) : nullptr;
    if (!slide)
        return;
    // The canvas's one popover holds the link of the slide.
    auto* editor = new HyperLinkWindowController;
    editor->linkTextbox()->setText(slide->link().isNull() ? QStringLiteral("") : slide->link());
    connect(editor->saveLinkButton(), &QPushButton::clicked, this, &SKTGraphicView::saveSlideLink);
    if (m_velkPopOver)
        m_velkPopOver->close();
    delete m_velkPopOver;
    m_velkPopOver = new Popover(this);
    m_velkPopOver->setObjectName(QStringLiteral("velkPopOver"));
    m_velkPopOver->showContent(editor, *this, canvasTransform().mapRect(slideshow->bounds()).toAlignedRect());
}

void SKTGraphicView::saveSlideLink()
{
    SKTSlideshow* slideshow = slideshowOf(m_workingState);
    const std::shared_ptr<TransformView> slide = slideshow ? currentSlide(*slideshow) : nullptr;
    const auto* editor =
        m_velkPopOver ? qobject_cast<HyperLinkWindowController*>(m_velkPopOver->content()) : nullptr;
    if (slide && editor) {
        slide->setLink(editor->linkTextbox()->text());
        slidesChanged(*this, *slideshow);
    }
    if (m_velkPopOver)
        m_velkPopOver->close();
}

void SKTGraphicView::automateSlideShow()
{
    if (SKTSlideshow* slideshow = slideshowOf(m_workingState))
        slideshow->setSlideShowAutomaticFlag(slideshow->slideShowAutomaticFlag() == 0 ? 1 : 0);
}
