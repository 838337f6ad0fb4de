#pragma once

#include "canvas/galleries/GalleryGridEditorWindowController.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QLineEdit;
class SKTGalleryGrid;
class SKTGraphicView;

// The canvas's side of the gallery grid window: it fills the window from a gallery and carries out the
// controls' actions, which change the gallery at once. Pictures a smaller grid leaves outside stay in the
// gallery until Save. The window is made at first use and kept for the life of the canvas; gallery edits
// record no undo of their own.
class GalleryGridEditor : public QObject {
    Q_OBJECT

public:
    explicit GalleryGridEditor(SKTGraphicView& canvas);
    ~GalleryGridEditor() override;

    // Fills the window from the gallery and shows it as an ordinary window.
    void configureGalleryGrid(const std::shared_ptr<SKTGalleryGrid>& gallery);
    GalleryGridEditorWindowController* galleryGridEditorWindowController() const { return m_window; }
    std::shared_ptr<SKTGalleryGrid> gallery() const { return m_gallery; }

    // ---- The controls' actions
    void updateGalleryNumOfColumns();
    void updateGalleryNumOfRows();
    void adjustGallerySpacing();
    void adjustGalleryShadow();
    void adjustGalleryBackdrop();
    // A count field's text changed; an emptied field changes nothing.
    void controlTextDidChange(QLineEdit* field);
    // Applies the spacing field, drops the pictures outside the grid and closes the window.
    void saveGallerySettings();

    // Every picture whose row or column lies outside the gallery's counts leaves it; the others keep
    // their cells.
    static void refreshGalleryImage(SKTGalleryGrid& gallery);

private:
    void makeWindow();

    SKTGraphicView& m_canvas;
    QPointer<GalleryGridEditorWindowController> m_window;
    std::shared_ptr<SKTGalleryGrid> m_gallery;
};
