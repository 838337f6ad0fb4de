#pragma once

#include "codegen/CodeWidgetHelper.h"

#include <optional>

class SKTSlideshow;
struct PageCodeContext;

// A slideshow of the published responsive page: a Bootstrap 3 carousel "carousel" n of its pictures, each
// with its alternative text as caption, turning every 50 seconds. This is the page document's
// generateCarousel.
namespace CarouselCode {

// None for a slideshow without pictures. The record has the slideshow's frame and y; pictures of a
// slideshow of the base template are found in "basetemplate".
std::optional<CodeWidgetHelper> generateCarousel(const SKTSlideshow& slideshow, const PageCodeContext& page);

} // namespace CarouselCode
