#pragma once

#include <QString>

// Whether this machine can show a font family: the installed families and the application's own fonts.
namespace FontAvailability {

bool isInstalled(const QString& family);

} // namespace FontAvailability
