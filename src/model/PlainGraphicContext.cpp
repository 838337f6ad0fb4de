#include "model/PlainGraphicContext.h"

#include "model/sections/SectionLayout.h"

#include <algorithm>

SectionLayout PlainGraphicContext::sectionLayout() const
{
    return SectionLayout(m_graphics, [this](const SKTGraphic& graphic) {
        return std::any_of(m_selectedGraphics.cbegin(), m_selectedGraphics.cend(),
                           [&](const auto& selected) { return selected.get() == &graphic; });
    });
}
