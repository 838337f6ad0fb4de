#pragma once

#include <QImage>
#include <QString>

// The images of the object library that the bundle supplies by name (item icons and the picture that
// fills zoom-bubble icons), painted by the program itself in a 100 x 100 square on a clear background.
// A name the library does not know gives a null image.
QImage libraryBundleImage(const QString& name);
