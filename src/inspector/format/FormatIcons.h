#pragma once

#include <QImage>
#include <QString>

// The icons of the Format and Layers rows that the bundle supplies by name, painted by the program in a
// 100 x 100 square on a clear background; names the object library paints come from there. A name known
// to neither gives a null image.
QImage formatBundleImage(const QString& name);
