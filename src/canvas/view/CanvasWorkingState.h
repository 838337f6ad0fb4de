#pragma once

#include "model/SKTGraphic.h"
#include "model/records/myTextView.h"

#include <QString>

#include <memory>

// What the canvas's commands share between the moment they are offered and the moment they act. Menu
// validation records here the object a command will act on (a predicate that picks one overwrites what the
// last one picked), style copy the object it copied from, and the popovers the values they show. Held
// strongly for the canvas's life: a recorded object stays usable when it leaves the page meanwhile.
struct CanvasWorkingState {
    // Working file paths: the page's path without its extension, and the image file being inserted.
    QString tempPagePath;
    QString tempImagePath;

    // Picked by menu validation for the command that follows.
    std::shared_ptr<SKTGraphic> selectedImage;
    std::shared_ptr<SKTGraphic> selectedSlideshow;
    std::shared_ptr<SKTGraphic> selectedGalleryGrid;
    // A table, or a section for the section lookups.
    std::shared_ptr<SKTGraphic> selectedTable;
    std::shared_ptr<myTextView> selectedTableCell;
    std::shared_ptr<SKTGraphic> selectedTextbox;
    std::shared_ptr<SKTGraphic> selectedSnippet;

    // The objects whose style was copied.
    std::shared_ptr<SKTGraphic> styleTextbox;
    std::shared_ptr<SKTGraphic> styleTable;
    // The text box the last branches were generated from.
    std::shared_ptr<SKTGraphic> branchStyleTextbox;

    // What the link, tooltip and layer-index popovers show.
    QString existingHyperLink;
    QString existingOnClickShowString;
    QString existingOnClickHideString;
    QString existingTooltip;
    QString existingZIndex;
};
