#pragma once

#include "model/records/GridViewRecord.h"

// The record of one photo gallery grid read back from a page file. Its frame is the gallery's position and
// size; its pictures travel as separate image records that carry its `galleryNumber`. Every field starts
// at 0 or none.
class GalleryGridView : public GridViewRecord {
public:
    using GridViewRecord::GridViewRecord;

    ELEMENT_RECORD_FIELD(int, galleryNumber, setGalleryNumber)
};
