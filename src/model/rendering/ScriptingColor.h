#pragma once

#include <QByteArray>
#include <QColor>

#include <optional>

// A value as scripts exchange it: a four-character type code and the bytes of the value.
struct ScriptingDescriptor {
    quint32 descriptorType = 0;
    QByteArray data;
};

// The scripting form of an RGB colour: a descriptor of type 'cRGB' whose data is exactly three unsigned
// 16-bit components, red, green and blue, in the machine's byte order, 0 to 65535.
namespace ScriptingColor {

constexpr quint32 kRGBColorType = ('c' << 24) | ('R' << 16) | ('G' << 8) | 'B';

// The opaque colour of a 'cRGB' descriptor; none for another type or data of any other length.
std::optional<QColor> scriptingRGBColorWithDescriptor(const ScriptingDescriptor& descriptor);
// The 'cRGB' descriptor of the colour: each RGB component times 65535, truncated.
ScriptingDescriptor scriptingRGBColorDescriptor(const QColor& color);

} // namespace ScriptingColor
