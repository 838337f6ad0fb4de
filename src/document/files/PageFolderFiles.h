#pragma once

#include <QString>

// Which files page data may name. A page document comes from anyone, so the names it carries for its
// pictures decide file paths only after these checks: a picture's files lie directly in the page folder.
namespace PageFolderFiles {

// A picture's base name: letters, digits, "_" and "-" only, so no separator or dot can lead elsewhere.
bool isPlainImageName(const QString& name);
// The picture types pages use ("PNG", "JPG", "JPEG", "GIF"), in any case.
bool isKnownImageType(const QString& type);

// The path of the file named fileName directly inside folder; empty when the name is not a plain file
// name (a separator, "." or "..", a NUL) or when the file there is a symbolic link, which could point
// anywhere.
QString fileInside(const QString& folder, const QString& fileName);

} // namespace PageFolderFiles
