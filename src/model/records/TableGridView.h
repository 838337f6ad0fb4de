#pragma once

#include "model/records/GridViewRecord.h"
#include "model/records/RecordBoxModel.h"

#include <QString>

// The record of one table-like object read back from a page file: a plain table grid, a web component
// built on a table or a responsive section. Its frame is the grid's position and size; its cells and
// images travel as separate text and image records that carry its `tableNumber`. Every field starts at 0
// or none.
class TableGridView : public GridViewRecord, public RecordBoxModel, public RecordBoxLevels {
public:
    using GridViewRecord::GridViewRecord;

    ELEMENT_RECORD_FIELD(int, tableNumber, setTableNumber)
    ELEMENT_RECORD_FIELD(QString, borderStyle, setBorderStyle)
    ELEMENT_RECORD_FIELD(int, borderWidth, setBorderWidth)
    ELEMENT_RECORD_FIELD(QString, borderHexColorString, setBorderHexColorString)
    // "navbar", "navbar_centered", "navbar_fixed", "navbar_fixed_centered", "dropdownmenu", "text_carousel",
    // "collapsible_text_panel", "collapsible_image_panel", "photo_hover_caption", "section",
    // "sectionTemplate"; anything else is a plain table grid.
    ELEMENT_RECORD_FIELD(QString, gridType, setGridType)
    // The HTML id of a section's row; show and hide clicks of other elements name sections by it.
    ELEMENT_RECORD_FIELD(QString, sectionIDString, setSectionIDString)
    // 1: the section is hidden when the page opens, until a click on another element shows it.
    ELEMENT_RECORD_FIELD(int, initialLaunchStateFlag, setInitialLaunchStateFlag)
};
