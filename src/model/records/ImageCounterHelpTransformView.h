#pragma once

#include "model/records/TransformView.h"

// An image record paired with the number in its file name, so the images of a slideshow can be put in
// file-name order.
class ImageCounterHelpTransformView {
    // The number after the five letters "image" of the file name.
    ELEMENT_RECORD_FIELD(int, imageNameIndex, setImageNameIndex)
    ELEMENT_RECORD_FIELD(QString, imageName, setImageName)
    ELEMENT_RECORD_FIELD(std::shared_ptr<TransformView>, sktImage, setSktImage)
};
