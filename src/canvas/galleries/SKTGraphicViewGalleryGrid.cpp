#include "canvas/view/SKTGraphicView.h"

#include "canvas/galleries/GalleryGridCaptionViewController.h"
#include "canvas/galleries/GalleryGridEditor.h"
#include "model/SKTGalleryGrid.h"

#include <QLineEdit>
#include <QPushButton>

#include <cmath>

// The canvas's gallery grid window and the caption popover of one gallery picture.

namespace {

// The caption view's size.
constexpr int kCaptionWidth = 591;
constexpr int kCaptionHeight = 122;

std::shared_ptr<TransformView> pictureAt(const std::shared_ptr<SKTGraphic>& graphic, const QPointF& point)
{
    const auto* gallery = dynamic_cast<const SKTGalleryGrid*>(graphic.get());
    return gallery ? gallery->grabImageSelected(int(std::trunc(point.x())), int(std::trunc(point.y())))
                   : nullptr;
}

} // namespace

GalleryGridEditor& SKTGraphicView::galleryGridEditor()
{
    if (!m_galleryGridEditor)
        m_galleryGridEditor = new GalleryGridEditor(*this);
    return *m_galleryGridEditor;
}

GalleryGridCaptionViewController* SKTGraphicView::galleryGridCaptionViewController() const
{
    return m_galleryGridCaptionViewController;
}

void SKTGraphicView::configureGalleryGrid()
{
    galleryGridEditor().configureGalleryGrid(
        std::dynamic_pointer_cast<SKTGalleryGrid>(m_workingState.selectedGalleryGrid));
}

void SKTGraphicView::noteInPlaceChange()
{
    SKTDocument& page = mutableGraphics();
    if (!page.isDocumentEdited())
        page.setDocumentEdited(true);
}

void SKTGraphicView::configureGalleryImageCaption()
{
    const std::shared_ptr<TransformView> picture =
        pictureAt(m_workingState.selectedGalleryGrid, m_lastTouchPoint);
    if (!picture)
        return;
    auto* controller = new GalleryGridCaptionViewController;
    controller->resize(kCaptionWidth, kCaptionHeight);
    m_galleryGridCaptionViewController = controller;
    // A picture without caption or link gets empty ones, which the page writes as such.
    if (picture->altText().isNull())
        picture->setAltText(QStringLiteral(""));
    if (picture->link().isNull())
        picture->setLink(QStringLiteral(""));
    controller->captionTextField()->setText(picture->altText());
    controller->linkTextField()->setText(picture->link());
    connect(controller->saveButton(), &QPushButton::clicked, this, &SKTGraphicView::saveGalleryCaptions);
    showInVelkPopOver(controller);
}

void SKTGraphicView::saveGalleryCaptions()
{
    const GalleryGridCaptionViewController* controller = m_galleryGridCaptionViewController;
    const std::shared_ptr<TransformView> picture =
        pictureAt(m_workingState.selectedGalleryGrid, m_lastTouchPoint);
    if (controller && picture) {
        picture->setLink(controller->linkTextField()->text());
        picture->setAltText(controller->captionTextField()->text());
        noteInPlaceChange();
    }
    if (m_velkPopOver)
        m_velkPopOver->close();
}
