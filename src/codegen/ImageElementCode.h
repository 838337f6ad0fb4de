#pragma once

#include "codegen/CodeWidgetHelper.h"

class SKTGraphic;
class TransformView;
struct PageCodeContext;

// The code of one image element of a page: a CSS class rule named after the image, the HTML of the image
// (plain, linked, or a thumbnail that opens the full picture in a pop-up) and the script that keeps pop-up
// pictures within the window. Free images are image graphics; the images of table cells are image records.
// This is the page document's generateImageCode.
class ImageElementCode {
public:
    // `responsiveOutput` is the page assembler's flag for exported, published and live-source pages; it
    // matters only to pop-up images. Writes defaults back into the image: "%" for unset box-model units,
    // "transparent" for an empty border colour, "none" for an empty border style, and "_self" for the
    // missing target of a linked image. Alternative texts are written HTML-escaped.
    static CodeWidgetHelper generateImageCode(SKTGraphic& image, bool responsiveOutput,
                                              const PageCodeContext& page);
    static CodeWidgetHelper generateImageCode(TransformView& image, bool responsiveOutput,
                                              const PageCodeContext& page);
};
