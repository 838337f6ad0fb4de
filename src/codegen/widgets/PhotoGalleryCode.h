#pragma once

#include "codegen/CodeWidgetHelper.h"

class SKTGalleryGrid;
struct PageCodeContext;

// A photo gallery of the published responsive page: a Bootstrap 3 grid of thumbnails "galleryGrid" G
// whose pictures open in the modal viewer "myModal" G, with next and previous controls. This is the page
// document's grabPhotoGalleryCode.
namespace PhotoGalleryCode {

// Lists the pictures of the gallery's cells in reading order, at most as many as the gallery has
// pictures; a cell without a picture lists none. The record has the gallery's frame and y.
CodeWidgetHelper grabPhotoGalleryCode(const SKTGalleryGrid& gallery, const PageCodeContext& page);

} // namespace PhotoGalleryCode
