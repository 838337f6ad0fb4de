#include "codegen/widgets/WidgetCode.h"

#include <iterator>

namespace {

struct GridTypeGenerator {
    const char* gridType;
    WidgetCode::Generator generator;
};

// In the order the page assembler tests the grid types.
constexpr GridTypeGenerator kGenerators[] = {
    {"photo_hover_caption", WidgetCode::generatePhoto_Hover_Caption},
    {"text_carousel", WidgetCode::generateTextCarousel},
    {"collapsible_text_panel", WidgetCode::generateCollapsibleTextPanel},
    {"collapsible_image_panel", WidgetCode::generateCollapsibleImagePanel},
    {"navbar", WidgetCode::generateNavBar},
    {"navbar_centered", WidgetCode::generateNavBar_centered},
    {"dropdownmenu", WidgetCode::generateDropdownmenu},
    {"navbar_fixed", WidgetCode::generateNavBar_Fixed},
    {"navbar_fixed_centered", WidgetCode::generateNavBar_Fixed_Centered},
};

} // namespace

WidgetCode::Generator WidgetCode::generatorForGridType(const QString& gridType)
{
    for (const GridTypeGenerator& entry : kGenerators) {
        if (gridType == QLatin1String(entry.gridType))
            return entry.generator;
    }
    return nullptr;
}
