#include "canvas/view/SKTGraphicView.h"

#include "canvas/galleries/PictureRecord.h"
#include "canvas/media/PictureFile.h"
#include "model/GraphicPropertyDictionary.h"
#include "model/NoNumber.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/records/TransformView.h"
#include "platform/FilePanel.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"
#include "profile/services/ImageDrawing.h"
#include "profile/services/ImageGeometry.h"

#include <QCoreApplication>

#include <cmath>

// The context menu's commands on the pictures of gallery grids, tables and slideshows, and the two gallery
// objects of the object library.

namespace {

QStringList choosePictures(QWidget* parent, const char* title, bool several)
{
    FilePanelRequest request;
    request.prompt = QStringLiteral("Select");
    if (title)
        request.title = QCoreApplication::translate("SKTGraphicView", title);
    request.allowedFileTypes = {"jpg", "JPG", "png", "PNG", "jpeg", "JPEG"};
    request.allowsMultipleSelection = several;
    return FilePanel::runOpen(request, parent);
}

QPoint whole(const QPointF& point)
{
    return {int(std::trunc(point.x())), int(std::trunc(point.y()))};
}

// The gallery picture under the point, with its gallery; both null when there is none.
struct GalleryPicture {
    SKTGalleryGrid* gallery = nullptr;
    std::shared_ptr<TransformView> picture;
};

GalleryPicture galleryPictureAt(const std::shared_ptr<SKTGraphic>& graphic, const QPointF& point)
{
    auto* gallery = dynamic_cast<SKTGalleryGrid*>(graphic.get());
    if (!gallery)
        return {};
    const QPoint at = whole(point);
    std::shared_ptr<TransformView> picture = gallery->grabImageSelected(at.x(), at.y());
    return picture ? GalleryPicture{gallery, std::move(picture)} : GalleryPicture{};
}

// The two library galleries.
struct NewGallery {
    QSizeF size;
    const char* numOfColumns;
    const char* shadowFlag;
    const char* backdropLightingFlag;
};

constexpr NewGallery kImageGallery{{500, 200}, "4", "0", "1"};
constexpr NewGallery kEnlargeablePhoto{{100, 150}, "1", "1", "2"};

void addGallery(SKTGraphicView& view, const QPointF& point, const NewGallery& kind)
{
    const QPointF at = whole(point);
    QRectF frame(at, kind.size);
    const bool responsive = DataCentre::profile().responsiveDesign;
    if (responsive)
        frame = view.grabSectionRect(at, frame);
    GraphicPropertyDictionary properties;
    properties.insert(QStringLiteral("bounds"), Format::rect(frame));
    properties.insert(QStringLiteral("numOfColumns"), QString::fromLatin1(kind.numOfColumns));
    properties.insert(QStringLiteral("numOfRows"), QStringLiteral("1"));
    properties.insert(QStringLiteral("padding"), QStringLiteral("5"));
    properties.insert(QStringLiteral("shadowFlag"), QString::fromLatin1(kind.shadowFlag));
    properties.insert(QStringLiteral("imageArray"), QVariant::fromValue(TransformViewList()));
    properties.insert(QStringLiteral("backdropLightingFlag"), QString::fromLatin1(kind.backdropLightingFlag));
    std::shared_ptr<SKTGraphic> gallery = std::make_shared<SKTGalleryGrid>();
    gallery->initWithProperties(properties);
    if (responsive) {
        if (std::shared_ptr<SKTGraphic> placed = view.applySection(gallery, frame.topLeft()))
            gallery = std::move(placed);
    }
    view.mutableGraphics().insertGraphics({gallery}, {0});
}

} // namespace

// ---- Moving a gallery picture to the neighbouring cell

bool SKTGraphicView::moveImageUpShown() const
{
    const GalleryPicture p = galleryPictureAt(m_workingState.selectedGalleryGrid, m_lastTouchPoint);
    return p.picture && p.picture->rowSpot() > 0;
}

bool SKTGraphicView::moveImageDownShown() const
{
    const GalleryPicture p = galleryPictureAt(m_workingState.selectedGalleryGrid, m_lastTouchPoint);
    return p.picture && p.gallery->numOfRows() > p.picture->rowSpot() + 1;
}

bool SKTGraphicView::moveImageLeftShown() const
{
    const GalleryPicture p = galleryPictureAt(m_workingState.selectedGalleryGrid, m_lastTouchPoint);
    return p.picture && p.picture->columnSpot() > 0;
}

bool SKTGraphicView::moveImageRightShown() const
{
    const GalleryPicture p = galleryPictureAt(m_workingState.selectedGalleryGrid, m_lastTouchPoint);
    return p.picture && p.gallery->numOfColumns() > p.picture->columnSpot() + 1;
}

void SKTGraphicView::moveGalleryImage(int rowStep, int columnStep)
{
    const GalleryPicture p = galleryPictureAt(m_workingState.selectedGalleryGrid, m_lastTouchPoint);
    if (!p.picture)
        return;
    const int row = p.picture->rowSpot();
    const int column = p.picture->columnSpot();
    // The neighbour is found before the picture moves into its cell; an empty cell takes the picture alone.
    const std::shared_ptr<TransformView> neighbour =
        p.gallery->grabSelectedImageAtSpot(row + rowStep, column + columnStep);
    p.picture->setRowSpot(row + rowStep);
    p.picture->setColumnSpot(column + columnStep);
    if (neighbour) {
        neighbour->setRowSpot(row);
        neighbour->setColumnSpot(column);
    }
    p.gallery->setBounds(p.gallery->bounds());
    noteInPlaceChange();
}

void SKTGraphicView::moveImageUp()
{
    moveGalleryImage(-1, 0);
}

void SKTGraphicView::moveImageDown()
{
    moveGalleryImage(1, 0);
}

void SKTGraphicView::moveImageLeft()
{
    moveGalleryImage(0, -1);
}

void SKTGraphicView::moveImageRight()
{
    moveGalleryImage(0, 1);
}

// ---- Adding, replacing and deleting cell pictures

void SKTGraphicView::addGalleryImage()
{
    const QStringList paths = choosePictures(window(), "Add one or more images to gallery", true);
    if (!paths.isEmpty())
        proceedsToAddGalleryImages(paths);
}

void SKTGraphicView::addGalleryImageToTable()
{
    const QStringList paths = choosePictures(window(), "Add one or more images", true);
    if (!paths.isEmpty())
        proceedsToAddGalleryImagesToTable(paths);
}

void SKTGraphicView::replaceGalleryImage()
{
    // The picture goes into the clicked cell, in place of the one there.
    const QStringList paths = choosePictures(window(), nullptr, false);
    if (!paths.isEmpty())
        proceedsToAddGalleryImages(paths);
}

void SKTGraphicView::deleteGalleryImage()
{
    const GalleryPicture p = galleryPictureAt(m_workingState.selectedGalleryGrid, m_lastTouchPoint);
    if (!p.picture)
        return;
    TransformViewList pictures = p.gallery->imageArray();
    pictures.removeOne(p.picture);
    p.gallery->setImageArray(pictures);
    p.gallery->setNumOfColumns(p.gallery->numOfColumns());
    noteInPlaceChange();
}

void SKTGraphicView::deleteTableImage()
{
    auto* table = dynamic_cast<SKTTable*>(m_workingState.selectedTable.get());
    if (!table)
        return;
    const QPoint at = whole(m_lastTouchPoint);
    const std::shared_ptr<TransformView> picture = table->grabSelectedImageAtSpot(
        table->grabRowSpot(at.x(), at.y()), table->grabColumnSpot(at.x(), at.y()));
    if (!picture)
        return;
    TransformViewList pictures = table->imageArray();
    pictures.removeOne(picture);
    table->setImageArray(pictures);
    table->setNumOfColumns(table->numOfColumns());
    noteInPlaceChange();
}

// ---- Backgrounds of tables and sections

void SKTGraphicView::addSectionBackgroundImage()
{
    auto* table = dynamic_cast<SKTTable*>(m_workingState.selectedTable.get());
    if (!table)
        return;
    const QStringList paths = choosePictures(window(), "Select image", false);
    if (paths.isEmpty())
        return;
    const QImage picture = PictureFile::read(paths.first());
    if (picture.isNull())
        return;
    auto record = std::make_shared<TransformView>();
    // Named while the old background is still on the page, so the new files never take its name.
    record->setImageName(getNextImageName());
    const QSizeF size =
        DataCentre::returnNewSizeMatchWidthRegardlessOfHeight(picture.size(), int(table->bounds().width()));
    record->setImage(DataCentre::imageWithImage(picture, size));
    record->setImageEnlargeFlag(kNoNumber);
    record->setSlideShowNumber(kNoNumber);
    record->setImageType(PictureFile::typeOfPath(paths.first()));
    record->setForceNonRetinaFlag(1);
    record->setRowSpot(kNoNumber);
    record->setColumnSpot(kNoNumber);
    table->setTableBackgroundImage(record);
    table->setNumOfColumns(table->numOfColumns());
    noteInPlaceChange();
}

void SKTGraphicView::removeTableBackgroundImage()
{
    auto* table = dynamic_cast<SKTTable*>(m_workingState.selectedTable.get());
    if (!table || !table->tableBackgroundImage())
        return;
    table->setTableBackgroundImage(nullptr);
    table->setBounds(table->bounds());
    noteInPlaceChange();
}

bool SKTGraphicView::pickSelectedTable()
{
    const GraphicList selection = selectedGraphics();
    if (selection.size() != 1 || !dynamic_cast<SKTTable*>(selection.first().get()))
        return false;
    m_workingState.selectedTable = selection.first();
    return true;
}

void SKTGraphicView::addBackgroundImageToSelectedTable()
{
    if (pickSelectedTable())
        addSectionBackgroundImage();
}

void SKTGraphicView::removeBackgroundImageFromSelectedTable()
{
    if (pickSelectedTable())
        removeTableBackgroundImage();
}

// ---- Slides

void SKTGraphicView::addSlideshowImage()
{
    auto* slideshow = dynamic_cast<SKTSlideshow*>(m_workingState.selectedSlideshow.get());
    // Checked first, so no kept original is written for a slide that has nowhere to go.
    if (!slideshow) {
        qWarning("selected slideshow is nil");
        return;
    }
    const QStringList paths = choosePictures(window(), "Add one or more images to slideshow", true);
    bool added = false;
    for (const QString& path : paths) {
        const std::shared_ptr<TransformView> record = newPictureRecord(*this, path);
        if (!record)
            continue;
        record->setImageEnlargeFlag(0);
        record->setGalleryNumber(kNoNumber);
        record->setTableNumber(kNoNumber);
        record->setSlideNumber(slideshow->slideNumber());
        saveOriginalImage(record->image(), record->imageName(), record->imageType(), false,
                          QSizeF(record->originalWidth(), record->originalHeight()));
        slideshow->addIntoImageArray(record);
        slideshow->setBounds(slideshow->bounds());
        added = true;
    }
    if (added)
        noteInPlaceChange();
}

// ---- New galleries

void SKTGraphicView::addImageGallery()
{
    addImageGallery_drag(whole(calculateOriginPoint()));
}

void SKTGraphicView::addImageGallery_drag(const QPointF& point)
{
    addGallery(*this, point, kImageGallery);
}

void SKTGraphicView::addEnlargeablePhoto_drag(const QPointF& point)
{
    addGallery(*this, point, kEnlargeablePhoto);
}
