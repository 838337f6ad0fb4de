#include "canvas/galleries/PictureRecord.h"

#include "canvas/media/PictureFile.h"
#include "canvas/view/SKTGraphicView.h"
#include "model/NoNumber.h"
#include "model/records/TransformView.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"

#include <QDateTime>
#include <QUrl>

std::shared_ptr<TransformView> newPictureRecord(SKTGraphicView& view, const QString& path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (path.isEmpty() || !url.isValid())
        return nullptr;
    const QImage image = PictureFile::read(url.toLocalFile());
    if (image.isNull())
        return nullptr;
    auto record = std::make_shared<TransformView>();
    record->setImage(image);
    record->setImageLastModDate(QDateTime::currentDateTime());
    record->setImageName(view.getNextImageName());
    record->setGroupNumber(kNoNumber);
    record->setImageType(PictureFile::typeOfPath(path));
    record->setOriginalWidth(image.width());
    record->setOriginalHeight(image.height());
    ProductProfile& settings = DataCentre::mutableProfile();
    settings.retinaFlagSetting =
        int(UserDefaults::standard().integerForKey(QStringLiteral("SorrelRetinaFlag")));
    record->setRetinaFlag(settings.retinaFlagSetting != 0 ? 1 : 0);
    return record;
}
