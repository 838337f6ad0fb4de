#pragma once

#include "document/files/ImageAssets.h"
#include "model/SKTGraphic.h"
#include "model/records/TransformView.h"

#include <memory>
#include <variant>

// One picture of a page as the page assembler writes it: an image graphic of the page, or the image record
// of a slideshow slide, a gallery picture or a table image. What both carry is read under one name; where
// they differ (frame or bounds, the record's alpha or the graphic's opacity) this answers for either.
class PageImage {
public:
    explicit PageImage(std::shared_ptr<SKTGraphic> graphic);
    explicit PageImage(std::shared_ptr<TransformView> record);

    // The graphic, or null for a record.
    SKTGraphic* graphic() const;

    QString imageName() const;
    void setImageName(const QString& name);
    QString imageType() const;
    QRectF frame() const;
    double opacity() const;
    int scrollFlag() const;
    int moveLock() const;
    double reflection() const;
    int borderWidth() const;
    QString borderStyle() const;
    QString borderHexColorString() const;
    void setBorderHexColorString(const QString& color);
    int shadowFlag() const;
    double shadowRadius() const;
    double shadowHorizontalOffset() const;
    double shadowVerticalOffset() const;
    double rotationAngle() const;
    bool retinaFlag() const;
    int slideShowNumber() const;
    void setSlideShowNumber(int number);
    int galleryNumber() const;
    int rowSpot() const;
    int columnSpot() const;
    int tableNumber() const;
    void setTag(int tag);
    int groupNumber() const;
    int imageEnlargeFlag() const;
    int backdropLightingFlag() const;
    int manualLayerIndex() const;
    QString templateName() const;
    void setTemplateName(const QString& name);
    int originalHeight() const;
    int bubbleFlag() const;
    QString bubbleShape() const;
    bool hasMask() const;
    int responsiveResizeFlag() const;
    int responsiveAlignment() const;
    int sectionNumber() const;
    int sectionRowSpot() const;
    int sectionColumnSpot() const;
    bool selectable() const;
    QString link() const;
    void setLink(const QString& link);
    QString linkOption() const;
    void setLinkOption(const QString& option);
    QString altText() const;
    void setAltText(const QString& text);
    // The padding and margin values and units in the order rules carry them (top, bottom, left, right
    // padding, then the margins); missing units are given "%" first.
    QList<int> boxValues() const;
    QStringList boxUnits();

    // What the image files are written from.
    ImageAsset asset() const;

private:
    template <class Read> auto read(Read&& read) const { return std::visit(read, m_image); }

    std::variant<std::shared_ptr<SKTGraphic>, std::shared_ptr<TransformView>> m_image;
};

using PageImageList = QList<PageImage>;
