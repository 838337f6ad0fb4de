#pragma once

#include "model/SKTGraphic.h"

#include <QString>

#include <functional>

// What the element generators read of the page document being generated. The page document fills it; the
// generators sit below the document and know nothing else of it.
struct PageCodeContext {
    // The page's graphics, front-most first.
    GraphicList graphics;
    // The template name of elements that have none.
    QString mainTemplateName;
    // The page's name, which is also the folder of its images.
    QString pageName;
    // The page's text boxes as the page assembler lists them, which form fields find their labels in.
    GraphicList textViewArray;
    // Keeps the caption of the form's submit button on the page document.
    std::function<void(const QString&)> storeSubmitButtonValue;

    // The index of the graphic in `graphics`; -1 when it is not there (a table cell's record, for one).
    int indexOf(const SKTGraphic* graphic) const
    {
        for (int i = 0; i < graphics.size(); ++i) {
            if (graphics.at(i).get() == graphic)
                return i;
        }
        return -1;
    }
    // An element's default layer: the number of graphics minus its index, so the first graphic has the
    // highest and an element outside the list one more than that.
    int layerOf(const SKTGraphic* graphic) const { return int(graphics.size()) - indexOf(graphic); }
};
