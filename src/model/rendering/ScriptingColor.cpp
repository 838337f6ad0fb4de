#include "model/rendering/ScriptingColor.h"

#include <array>
#include <cstring>

namespace ScriptingColor {

namespace {

using Components = std::array<quint16, 3>;

} // namespace

std::optional<QColor> scriptingRGBColorWithDescriptor(const ScriptingDescriptor& descriptor)
{
    Components components;
    if (descriptor.descriptorType != kRGBColorType || descriptor.data.size() != qsizetype(sizeof components))
        return std::nullopt;
    std::memcpy(components.data(), descriptor.data.constData(), sizeof components);
    return QColor::fromRgbF(components[0] / 65535.0f, components[1] / 65535.0f, components[2] / 65535.0f, 1.0f);
}

ScriptingDescriptor scriptingRGBColorDescriptor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    const Components components{quint16(rgb.redF() * 65535), quint16(rgb.greenF() * 65535),
                                quint16(rgb.blueF() * 65535)};
    ScriptingDescriptor descriptor{kRGBColorType, QByteArray(sizeof components, '\0')};
    std::memcpy(descriptor.data.data(), components.data(), sizeof components);
    return descriptor;
}

} // namespace ScriptingColor
