#pragma once

#include "model/PendingImage.h"
#include "model/records/ElementRecord.h"
#include "model/records/RecordBoxModel.h"

#include <QDateTime>
#include <QImage>
#include <QMetaType>
#include <QString>

class TransformView;

using TransformViewList = QList<std::shared_ptr<TransformView>>;

// The record of one image outside the graphic model: a free image read back from a page file, an image of
// a slideshow, gallery grid or table cell, or a table's background image. It carries the picture itself
// and everything the page file stores about the image; its frame is the element's frame. A new record has
// every number at 0 and every text none: makers that mean "none" set -99 themselves.
class TransformView : public ElementRecord, public RecordBoxModel {
public:
    using ElementRecord::ElementRecord;

    static std::shared_ptr<TransformView> initWithFrame(const QRectF& frame)
    {
        return std::make_shared<TransformView>(frame);
    }

    // ---- Picture
    const QImage& image() const { return m_image.image(); }
    void setImage(const QImage& image) { m_image.setImage(image); }
    // A picture still decoding; image() waits for it.
    void setPendingImage(const PendingImage& pending) { m_image.setPending(pending); }
    const PendingImage& pendingImage() const { return m_image.pending(); }
    // "image", a number and the extension; the number orders slideshow images.
    ELEMENT_RECORD_FIELD(QString, imageName, setImageName)
    ELEMENT_RECORD_FIELD(QString, imageType, setImageType)

    // ---- Link and state
    ELEMENT_RECORD_FIELD(QString, link, setLink)
    ELEMENT_RECORD_FIELD(QString, linkOption, setLinkOption)
    // Set by the page loader; not read.
    ELEMENT_RECORD_FIELD(int, border, setBorder)
    ELEMENT_RECORD_FIELD(RecordFlag, selected, setSelected)
    ELEMENT_RECORD_FIELD(RecordFlag, moveLock, setMoveLock)
    // Sharable link of the hosted picture, set by the e-mail image hosting; not read.
    ELEMENT_RECORD_FIELD(QString, dropboxLink, setDropboxLink)
    ELEMENT_RECORD_FIELD(RecordFlag, shadowFlag, setShadowFlag)
    // 0 positioned absolutely on the page, 1 fixed to the browser window.
    ELEMENT_RECORD_FIELD(int, scrollFlag, setScrollFlag)
    ELEMENT_RECORD_FIELD(QString, altText, setAltText)
    // A double-resolution copy ("@2x" before the extension) is kept and written.
    ELEMENT_RECORD_FIELD(RecordFlag, retinaFlag, setRetinaFlag)

    // ---- Membership (-99 is none)
    ELEMENT_RECORD_FIELD(int, slideNumber, setSlideNumber)
    // Width of the slideshow the image was fitted to; not read.
    ELEMENT_RECORD_FIELD(int, slideWidth, setSlideWidth)
    ELEMENT_RECORD_FIELD(int, slideShowNumber, setSlideShowNumber)
    ELEMENT_RECORD_FIELD(QDateTime, imageLastModDate, setImageLastModDate)
    // Opacity of the image, 1.0 fully opaque.
    ELEMENT_RECORD_FIELD(float, alpha, setAlpha)
    ELEMENT_RECORD_FIELD(int, originX, setOriginX)
    ELEMENT_RECORD_FIELD(int, originY, setOriginY)
    // A second opacity that the loader leaves at 0; the conversion into graphics reads `alpha`.
    ELEMENT_RECORD_FIELD(float, opacity, setOpacity)
    ELEMENT_RECORD_FIELD(int, groupNumber, setGroupNumber)
    // Clicking the image opens it enlarged in a pop-up.
    ELEMENT_RECORD_FIELD(int, imageEnlargeFlag, setImageEnlargeFlag)
    ELEMENT_RECORD_FIELD(int, rowSpot, setRowSpot)
    ELEMENT_RECORD_FIELD(int, columnSpot, setColumnSpot)
    ELEMENT_RECORD_FIELD(int, galleryNumber, setGalleryNumber)
    ELEMENT_RECORD_FIELD(int, tableNumber, setTableNumber)
    ELEMENT_RECORD_FIELD(int, originalWidth, setOriginalWidth)
    ELEMENT_RECORD_FIELD(int, originalHeight, setOriginalHeight)
    // The rectangle the image occupies in its gallery or table cell, set when the grid is drawn.
    ELEMENT_RECORD_FIELD(QRectF, galleryDimension, setGalleryDimension)
    ELEMENT_RECORD_FIELD(int, backdropLightingFlag, setBackdropLightingFlag)
    ELEMENT_RECORD_FIELD(RecordFlag, toRemoveFlag, setToRemoveFlag)
    // "basetemplate" for the site's base template, empty for the page's own.
    ELEMENT_RECORD_FIELD(QString, templateName, setTemplateName)
    ELEMENT_RECORD_FIELD(RecordFlag, selectable, setSelectable)
    ELEMENT_RECORD_FIELD(int, manualLayerIndex, setManualLayerIndex)

    // ---- Style
    // Strength of the mirrored reflection below the picture; 0 none.
    ELEMENT_RECORD_FIELD(float, reflection, setReflection)
    ELEMENT_RECORD_FIELD(QString, borderStyle, setBorderStyle)
    ELEMENT_RECORD_FIELD(int, borderWidth, setBorderWidth)
    ELEMENT_RECORD_FIELD(QString, borderHexColorString, setBorderHexColorString)
    // The picture is clipped to the outline named by `bubbleShape`, whose mask picture is `maskImage`.
    ELEMENT_RECORD_FIELD(int, bubbleFlag, setBubbleFlag)
    ELEMENT_RECORD_FIELD(QString, bubbleShape, setBubbleShape)
    ELEMENT_RECORD_FIELD(QImage, maskImage, setMaskImage)
    ELEMENT_RECORD_FIELD(float, shadowRadius, setShadowRadius)
    ELEMENT_RECORD_FIELD(float, shadowHorizontalOffset, setShadowHorizontalOffset)
    ELEMENT_RECORD_FIELD(float, shadowVerticalOffset, setShadowVerticalOffset)
    ELEMENT_RECORD_FIELD(float, rotationAngle, setRotationAngle)

    // ---- Responsive layout and section (-99 is none)
    ELEMENT_RECORD_FIELD(int, responsiveResizeFlag, setResponsiveResizeFlag)
    // 1 centred, 2 right, any other value left.
    ELEMENT_RECORD_FIELD(int, responsiveAlignment, setResponsiveAlignment)
    // Write no double-resolution copy even when the product writes them.
    ELEMENT_RECORD_FIELD(RecordFlag, forceNonRetinaFlag, setForceNonRetinaFlag)
    ELEMENT_RECORD_FIELD(int, sectionNumber, setSectionNumber)
    ELEMENT_RECORD_FIELD(int, sectionRowSpot, setSectionRowSpot)
    ELEMENT_RECORD_FIELD(int, sectionColumnSpot, setSectionColumnSpot)

private:
    DeferredImage m_image;
};

Q_DECLARE_METATYPE(TransformViewList)
