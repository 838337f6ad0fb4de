#pragma once

#include <QSizeF>

// The size an added picture takes on the page: no wider than the product's limit (600 when the product sets
// 0), the height following in proportion, truncated to whole points; never limited in height.
QSizeF importedImageSize(const QSizeF& pixelSize);
