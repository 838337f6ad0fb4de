#pragma once

#include "model/records/ElementRecord.h"

#include <QString>

// The record of one photo gallery grid read back from a page file. Its frame is the gallery's position and
// size; its pictures travel as separate image records that carry its `galleryNumber`. Every field starts
// at 0 or none.
class GalleryGridView : public ElementRecord {
public:
    using ElementRecord::ElementRecord;

    ELEMENT_RECORD_FIELD(int, numOfColumns, setNumOfColumns)
    ELEMENT_RECORD_FIELD(int, numOfRows, setNumOfRows)
    // Space between pictures in pixels.
    ELEMENT_RECORD_FIELD(int, padding, setPadding)
    ELEMENT_RECORD_FIELD(int, shadowFlag, setShadowFlag)
    // -99 is none.
    ELEMENT_RECORD_FIELD(int, groupNumber, setGroupNumber)
    ELEMENT_RECORD_FIELD(int, moveLock, setMoveLock)
    ELEMENT_RECORD_FIELD(int, backdropLightingFlag, setBackdropLightingFlag)
    ELEMENT_RECORD_FIELD(QString, templateName, setTemplateName)
    ELEMENT_RECORD_FIELD(int, galleryNumber, setGalleryNumber)
    // 0 positioned absolutely, 1 fixed to the browser window.
    ELEMENT_RECORD_FIELD(int, scrollFlag, setScrollFlag)
    ELEMENT_RECORD_FIELD(int, manualLayerIndex, setManualLayerIndex)
};
