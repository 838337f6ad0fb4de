#include "document/writing/PageTrailer.h"

#include "codegen/CodeText.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageFileFormat.h"
#include "platform/Format.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/LabelTemplateHelper.h"

#include <QStringList>

namespace {

const QString kBackgroundQualityKey = QStringLiteral("backgroundQualityPercentage");

QString flagMarker(bool set, PageFile::Text marker)
{
    return set ? QString(marker) : QString();
}

QString backgroundQualitySlot(const SKTDocument& document)
{
    namespace Trailer = PageFile::Trailer;
    float quality = UserDefaults::standard().floatForKey(kBackgroundQualityKey);
    if (quality == 0)
        quality = 1.0f;
    const QString marker = Trailer::backgroundImage.written(Format::twoDecimals(quality));
    if (document.canvasState().selectedPrintSheet.isEmpty())
        return marker;
    const std::shared_ptr<LabelTemplateHelper> label = document.labelTemplateHelper();
    const auto field = [&](QString (LabelTemplateHelper::*get)() const) {
        return label ? (label.get()->*get)() : QString();
    };
    return marker + QLatin1Char('\n') + Trailer::labelBrand.written(field(&LabelTemplateHelper::brand)) +
           QLatin1Char('\n') +
           Trailer::labelTemplateNumber.written(field(&LabelTemplateHelper::templateNumber)) +
           QLatin1Char('\n') +
           Trailer::labelTemplateDescription.written(field(&LabelTemplateHelper::templateDescription)) +
           QLatin1Char('\n');
}

QString fixedCanvasSlot(const SKTDocument& document)
{
    namespace Trailer = PageFile::Trailer;
    const bool fixed = document.docSpecificFixedCanvasFlag() == 1;
    QString slot = Trailer::fixedCanvas.written(fixed ? QStringLiteral("1") : QStringLiteral("0"));
    if (fixed)
        slot += QLatin1Char('\n') +
                Trailer::pageSpecificWidth.written(QString::number(document.docSpecificPageWidth())) +
                QLatin1Char('\n') +
                Trailer::pageSpecificHeight.written(QString::number(document.docSpecificPageHeight()));
    return slot;
}

} // namespace

namespace PageTrailer {

QString trailer(const SKTDocument& document)
{
    namespace Trailer = PageFile::Trailer;
    const PageCanvasState& canvas = document.canvasState();
    const QString publishExt =
        document.publishExt().isEmpty() ? document.pageFileExtension() : document.publishExt();
    const QStringList lines = {
        flagMarker(canvas.canvasRotation != 0, Trailer::rotateCanvas90),
        flagMarker(document.useBaseTemplateFlag() == 1, Trailer::useBaseTemplate),
        flagMarker(document.inheritCustomHeaderCodeFlag() == 1, Trailer::inheritCustomHeader),
        flagMarker(document.inheritMetadataFlag() == 1, Trailer::inheritMetadata),
        Trailer::publishExt.written(publishExt),
        backgroundQualitySlot(document),
        Trailer::pageTitle.written(CodeText::escapedLine(document.pageOfficialName())),
        fixedCanvasSlot(document),
        flagMarker(document.duplicateBasetemplateFlag(), Trailer::baseTemplateDuplicated),
        Trailer::canvasSizeType.written(canvas.mailCanvasType),
    };
    return lines.join(QLatin1Char('\n'));
}

QString withKeyedBlocks(const QString& page, const SKTDocument& document)
{
    const ProfileDictionary& values = document.profileDictionary();
    const QStringList& keys = DataCentre::profile().profileFieldKeys;
    QString text = page;
    const qsizetype count = std::min(values.size(), keys.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QString& key = keys.at(i);
        const auto found = values.constFind(key);
        text += QStringLiteral("\n\n") +
                DataCentre::generateFullString(found == values.constEnd() ? QString() : *found, key);
    }
    return text;
}

} // namespace PageTrailer
