#include "document/writing/PageImage.h"

#include "codegen/GenerationPreparation.h"
#include "model/NoNumber.h"
#include "model/SKTImage.h"

namespace {

const SKTImage* imageKind(const SKTGraphic& graphic)
{
    return qobject_cast<const SKTImage*>(&graphic);
}

} // namespace

PageImage::PageImage(std::shared_ptr<SKTGraphic> graphic)
    : m_image(std::move(graphic))
{}

PageImage::PageImage(std::shared_ptr<TransformView> record)
    : m_image(std::move(record))
{}

SKTGraphic* PageImage::graphic() const
{
    const auto* graphic = std::get_if<std::shared_ptr<SKTGraphic>>(&m_image);
    return graphic ? graphic->get() : nullptr;
}

// Fields both kinds carry under the same name.
#define PAGE_IMAGE_READ(Type, name)                                                                          \
    Type PageImage::name() const                                                                             \
    {                                                                                                        \
        return read([](const auto& image) { return Type(image->name()); });                                  \
    }
#define PAGE_IMAGE_WRITE(Type, setter)                                                                       \
    void PageImage::setter(Type value)                                                                       \
    {                                                                                                        \
        read([&](const auto& image) { image->setter(value); });                                              \
    }

PAGE_IMAGE_READ(QString, imageName)
PAGE_IMAGE_READ(QString, imageType)
PAGE_IMAGE_READ(int, scrollFlag)
PAGE_IMAGE_READ(int, moveLock)
PAGE_IMAGE_READ(double, reflection)
PAGE_IMAGE_READ(int, borderWidth)
PAGE_IMAGE_READ(QString, borderStyle)
PAGE_IMAGE_READ(QString, borderHexColorString)
PAGE_IMAGE_READ(int, shadowFlag)
PAGE_IMAGE_READ(double, shadowRadius)
PAGE_IMAGE_READ(double, shadowHorizontalOffset)
PAGE_IMAGE_READ(double, shadowVerticalOffset)
PAGE_IMAGE_READ(double, rotationAngle)
PAGE_IMAGE_READ(bool, retinaFlag)
PAGE_IMAGE_READ(int, slideShowNumber)
PAGE_IMAGE_READ(int, galleryNumber)
PAGE_IMAGE_READ(int, groupNumber)
PAGE_IMAGE_READ(int, imageEnlargeFlag)
PAGE_IMAGE_READ(int, backdropLightingFlag)
PAGE_IMAGE_READ(int, manualLayerIndex)
PAGE_IMAGE_READ(QString, templateName)
PAGE_IMAGE_READ(QString, bubbleShape)
PAGE_IMAGE_READ(int, responsiveResizeFlag)
PAGE_IMAGE_READ(int, responsiveAlignment)
PAGE_IMAGE_READ(int, sectionNumber)
PAGE_IMAGE_READ(int, sectionRowSpot)
PAGE_IMAGE_READ(int, sectionColumnSpot)
PAGE_IMAGE_READ(bool, selectable)
PAGE_IMAGE_READ(QString, link)
PAGE_IMAGE_READ(QString, linkOption)
PAGE_IMAGE_READ(QString, altText)
PAGE_IMAGE_WRITE(const QString&, setImageName)
PAGE_IMAGE_WRITE(const QString&, setBorderHexColorString)
PAGE_IMAGE_WRITE(int, setSlideShowNumber)
PAGE_IMAGE_WRITE(const QString&, setTemplateName)
PAGE_IMAGE_WRITE(const QString&, setLink)
PAGE_IMAGE_WRITE(const QString&, setLinkOption)
PAGE_IMAGE_WRITE(const QString&, setAltText)

#undef PAGE_IMAGE_READ
#undef PAGE_IMAGE_WRITE

QRectF PageImage::frame() const
{
    if (const SKTGraphic* g = graphic())
        return g->bounds();
    return std::get<std::shared_ptr<TransformView>>(m_image)->frame();
}

double PageImage::opacity() const
{
    if (const SKTGraphic* g = graphic())
        return g->opacity();
    return std::get<std::shared_ptr<TransformView>>(m_image)->alpha();
}

int PageImage::rowSpot() const
{
    return graphic() ? kNoNumber : std::get<std::shared_ptr<TransformView>>(m_image)->rowSpot();
}

int PageImage::columnSpot() const
{
    return graphic() ? kNoNumber : std::get<std::shared_ptr<TransformView>>(m_image)->columnSpot();
}

int PageImage::tableNumber() const
{
    return graphic() ? kNoNumber : std::get<std::shared_ptr<TransformView>>(m_image)->tableNumber();
}

void PageImage::setTag(int tag)
{
    // Graphics are ordered by their place in the page's list; only records carry a stacking number.
    if (!graphic())
        std::get<std::shared_ptr<TransformView>>(m_image)->setTag(tag);
}

int PageImage::originalHeight() const
{
    if (const SKTGraphic* g = graphic()) {
        const SKTImage* image = imageKind(*g);
        return image ? int(image->originalImageRect().height()) : 0;
    }
    return std::get<std::shared_ptr<TransformView>>(m_image)->originalHeight();
}

int PageImage::bubbleFlag() const
{
    if (const SKTGraphic* g = graphic()) {
        const SKTImage* image = imageKind(*g);
        return image ? image->bubbleFlag() : 0;
    }
    return std::get<std::shared_ptr<TransformView>>(m_image)->bubbleFlag();
}

bool PageImage::hasMask() const
{
    if (const SKTGraphic* g = graphic()) {
        const SKTImage* image = imageKind(*g);
        return image && !image->maskImage().isNull();
    }
    return !std::get<std::shared_ptr<TransformView>>(m_image)->maskImage().isNull();
}

QList<int> PageImage::boxValues() const
{
    return read([](const auto& e) {
        return QList<int>{e->topPadding(), e->bottomPadding(), e->leftPadding(), e->rightPadding(),
                          e->topMargin(),  e->bottomMargin(),  e->leftMargin(),  e->rightMargin()};
    });
}

QStringList PageImage::boxUnits()
{
    return read([](const auto& e) {
        GenerationPreparation::populateTextViewMarginType(*e);
        return QStringList{e->topPaddingType(),   e->bottomPaddingType(), e->leftPaddingType(),
                           e->rightPaddingType(), e->topMarginType(),     e->bottomMarginType(),
                           e->leftMarginType(),   e->rightMarginType()};
    });
}

ImageAsset PageImage::asset() const
{
    if (const SKTGraphic* g = graphic()) {
        ImageAsset asset = ImageAsset::fromGraphic(*g);
        if (const SKTImage* image = imageKind(*g)) {
            asset.picture = image->_contents();
            asset.maskImage = image->maskImage();
            asset.forceNonRetinaFlag = image->forceNonRetinaFlag();
        }
        return asset;
    }
    return ImageAsset::fromRecord(*std::get<std::shared_ptr<TransformView>>(m_image));
}
