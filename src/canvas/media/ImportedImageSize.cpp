#include "canvas/media/ImportedImageSize.h"

#include "profile/DataCentre.h"

namespace {

constexpr int kDefaultWidthLimit = 600;

} // namespace

QSizeF importedImageSize(const QSizeF& pixelSize)
{
    const int configured = DataCentre::profile().maxImportedImageWidth;
    const int limit = configured == 0 ? kDefaultWidthLimit : configured;
    if (pixelSize.width() <= limit || limit <= 0)
        return pixelSize;
    return QSizeF(limit, int(pixelSize.height() / float(float(pixelSize.width()) / float(limit))));
}
