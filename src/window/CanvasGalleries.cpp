#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"

// The Add New menu's gallery, on the window's canvas wherever the window's focus is.

void SKTWindowController::addNewGallery()
{
    m_graphicView->addImageGallery();
}
