#pragma once

#include "model/records/ElementRecord.h"

#include <QString>

// The fields that the records of a table grid and of a photo gallery grid share: a grid of cells in the
// record's frame, with its layout, shadow, group, lock and template. Every field starts at 0 or none.
class GridViewRecord : public ElementRecord {
public:
    using ElementRecord::ElementRecord;

    ELEMENT_RECORD_FIELD(int, numOfColumns, setNumOfColumns)
    ELEMENT_RECORD_FIELD(int, numOfRows, setNumOfRows)
    // Space around each cell's content (a gallery's picture) in pixels.
    ELEMENT_RECORD_FIELD(int, padding, setPadding)
    ELEMENT_RECORD_FIELD(int, shadowFlag, setShadowFlag)
    // -99 is none.
    ELEMENT_RECORD_FIELD(int, groupNumber, setGroupNumber)
    ELEMENT_RECORD_FIELD(int, moveLock, setMoveLock)
    ELEMENT_RECORD_FIELD(int, backdropLightingFlag, setBackdropLightingFlag)
    ELEMENT_RECORD_FIELD(QString, templateName, setTemplateName)
    // 0 positioned absolutely, 1 fixed to the browser window.
    ELEMENT_RECORD_FIELD(int, scrollFlag, setScrollFlag)
    ELEMENT_RECORD_FIELD(int, manualLayerIndex, setManualLayerIndex)
};
