#pragma once

#include "model/records/GalleryGridView.h"
#include "model/records/LineView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TableGridView.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

#include <QList>

#include <memory>

// The element records that the last reading of a page file produced, one list per kind in the order
// of their rules in the file. Every load starts them afresh; they keep what it read until the next one.
struct PageRecords {
    // Text boxes and form fields (and, on the profile products, the cells of old tables).
    myTextViewList textViewArray;
    TransformViewList imageViewArray;
    myTextViewList htmlSnippetArray;
    QList<std::shared_ptr<OuterSlideShow>> slideshowArray;
    QList<std::shared_ptr<GalleryGridView>> galleryArray;
    QList<std::shared_ptr<TableGridView>> tableArray;
    QList<std::shared_ptr<LineView>> lineArray;
    // All the records a load returned, highest stacking number first.
    ElementRecordList elementRecords;

    // Every list of a kind starts empty; the records of the last load stay.
    void clearKindLists()
    {
        textViewArray.clear();
        imageViewArray.clear();
        htmlSnippetArray.clear();
        slideshowArray.clear();
        galleryArray.clear();
        tableArray.clear();
        lineArray.clear();
    }
};

// The text and link lines of the page's HTML snippets, taken out of the page body.
struct SnippetTextContent {
    // The body lines that no snippet took.
    QStringList bodyStringArray;
    // The snippet records, their text and links filled in.
    myTextViewList inputObjectArray;
};
