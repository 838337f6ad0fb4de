#pragma once

#include "model/records/ElementRecord.h"
#include "model/records/MTextView.h"

#include <QString>

// The page loader's record of a slideshow; the conversion into graphics builds the slideshow's property
// dictionary from it and gathers the image records that carry its `slideShowNumber`. The arrow buttons are
// kept as plain views with their frames: the record is never shown.
class OuterSlideShow : public ElementRecord {
public:
    OuterSlideShow() = default;
    // Arrows 40 wide and 50 high, the next arrow at the right edge and the previous one at the left, both
    // at half the frame's height.
    explicit OuterSlideShow(const QRectF& frame);

    static std::shared_ptr<OuterSlideShow> initWithFrame(const QRectF& frame)
    {
        return std::make_shared<OuterSlideShow>(frame);
    }

    ELEMENT_RECORD_FIELD(std::shared_ptr<ElementRecord>, nextButton, setNextButton)
    ELEMENT_RECORD_FIELD(std::shared_ptr<ElementRecord>, previousButton, setPreviousButton)
    ELEMENT_RECORD_FIELD(QString, textType, setTextType)
    ELEMENT_RECORD_FIELD(RecordFlag, moveLock, setMoveLock)
    ELEMENT_RECORD_FIELD(RecordFlag, selected, setSelected)
    ELEMENT_RECORD_FIELD(std::shared_ptr<TextViewRecord>, infoLabel, setInfoLabel)
    ELEMENT_RECORD_FIELD(std::shared_ptr<TextViewRecord>, label, setLabel)
    ELEMENT_RECORD_FIELD(int, arrowWidth, setArrowWidth)
    ELEMENT_RECORD_FIELD(int, arrowHeight, setArrowHeight)
    ELEMENT_RECORD_FIELD(int, originX, setOriginX)
    ELEMENT_RECORD_FIELD(int, originY, setOriginY)
    // -99 is none.
    ELEMENT_RECORD_FIELD(int, groupNumber, setGroupNumber)
    ELEMENT_RECORD_FIELD(int, slideShowAutomaticFlag, setSlideShowAutomaticFlag)
    ELEMENT_RECORD_FIELD(QString, templateName, setTemplateName)
    ELEMENT_RECORD_FIELD(int, slideShowNumber, setSlideShowNumber)
    ELEMENT_RECORD_FIELD(int, scrollFlag, setScrollFlag)
    ELEMENT_RECORD_FIELD(int, manualLayerIndex, setManualLayerIndex)
};
