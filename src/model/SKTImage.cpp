#include "model/SKTImage.h"

#include "model/ArchivedImage.h"
#include "model/GraphicPropertyTable.h"
#include "model/drawing/Reflection.h"
#include "platform/Format.h"

#include <QDir>

#include <cmath>

using namespace GraphicProperties;

namespace {

const QString kFlippedHorizontallyKey = QStringLiteral("flippedHorizontally");
const QString kFlippedVerticallyKey = QStringLiteral("flippedVertically");

using I = SKTImage;
using PropertyRows::custom;

QString textOrNone(const QVariant* value)
{
    return value && isText(*value) ? value->toString() : QString();
}

void readFlip(const QVariant* value, I& image, void (I::*set)(bool))
{
    if (value && isNumber(*value))
        (image.*set)(value->toDouble() != 0.0);
}

} // namespace

// The base keys, then the image keys in the order they are read.
const GraphicPropertyTable& SKTImage::propertyTable() const
{
    static const GraphicPropertyTable table = [] {
        GraphicPropertyTable t = basePropertyTable();
        t.redraw(Redraw::Contents,
                 {"opacity", "shadowFlag", "borderWidth", "borderHexColorString", "borderStyle"});
        // An image neither fills nor strokes, whatever it stores: those keys only travel in the dictionary.
        for (const char* key : {"drawingFill", "drawingStroke"})
            t.replace(t.row(QString::fromLatin1(key)).dictionaryOnly());
        t.readAs<I>("retinaFlag",
                    [](I& i, const QVariant* v) { i.setRetinaFlag(v && integerValue(*v) == 1); });
        t.writeAs<I>("slideShowNumber", [](I& i) { return QVariant(integerText(i.slideShowNumber())); });
        // The pictures and flags an image adds.
        const GraphicProperty own[] = {
            custom<I>(
                "contents",
                [](I& i, const QVariant* v) {
                    if (v && v->metaType() == QMetaType::fromType<PendingImage>()) {
                        i.setPendingInputImage(v->value<PendingImage>());
                        return;
                    }
                    const QImage picture = v ? unarchivedImage(*v) : QImage();
                    if (!picture.isNull())
                        i.setInputImage(picture);
                },
                [](I& i) { return archivedImage(i.inputImage()); }),
            custom<I>(
                "maskImage",
                [](I& i, const QVariant* v) {
                    i.setMaskFlag(0);
                    const QImage mask = v ? unarchivedImage(*v) : QImage();
                    if (!mask.isNull()) {
                        i.setMaskImage(mask);
                        i.setMaskFlag(1);
                    }
                },
                [](I& i) { return archivedImage(i.maskImage()); }),
            custom<I>(
                "flippedHorizontally",
                [](I& i, const QVariant* v) { readFlip(v, i, &I::setFlippedHorizontally); },
                [](I& i) { return QVariant(i.isFlippedHorizontally()); })
                .accessedBy(&I::isFlippedHorizontally, &I::setFlippedHorizontally)
                .undoable("Horizontal Flipping")
                .redrawing(Redraw::Contents),
            custom<I>(
                "flippedVertically",
                [](I& i, const QVariant* v) { readFlip(v, i, &I::setFlippedVertically); },
                [](I& i) { return QVariant(i.isFlippedVertically()); })
                .accessedBy(&I::isFlippedVertically, &I::setFlippedVertically)
                .undoable("Vertical Flipping")
                .redrawing(Redraw::Contents),
            custom<I>(
                "imageName", [](I& i, const QVariant* v) { i.setImageName(textOrNone(v)); },
                [](I& i) { return text(i.imageName()); }),
            custom<I>(
                "imageType", [](I& i, const QVariant* v) { i.setImageType(textOrNone(v)); },
                [](I& i) { return text(i.imageType()); }),
            custom<I>(
                "imageLastModDate",
                [](I& i, const QVariant* v) {
                    i.setImageLastModDate(v && v->metaType().id() == QMetaType::QDateTime ? v->toDateTime()
                                                                                          : QDateTime());
                },
                [](I& i) {
                    return i.imageLastModDate().isValid() ? QVariant(i.imageLastModDate())
                                                          : QVariant(QStringLiteral(""));
                }),
            custom<I>(
                "reflection", [](I& i, const QVariant* v) { i.setReflection(v ? floatValue(*v) : 0.0f); },
                [](I& i) { return realText(i.reflection()); })
                .accessedBy(&I::reflection, &I::setReflection)
                .redrawing(Redraw::Contents),
            custom<I>("focusRect",
                      [](I& i, const QVariant* v) {
                          const QString rect = textOrNone(v);
                          if (!rect.isEmpty())
                              i.setFocusRect(Format::rectFromString(rect));
                      },
                      {}),
            custom<I>(
                "bubbleFlag", [](I& i, const QVariant* v) { i.setBubbleFlag(v ? integerValue(*v) : 0); },
                [](I& i) { return integerText(i.bubbleFlag()); }),
            custom<I>(
                "bubbleShape",
                [](I& i, const QVariant* v) {
                    const QString shape = textOrNone(v);
                    i.setBubbleShape(shape.isNull() ? QStringLiteral("") : shape);
                },
                [](I& i) { return text(i.bubbleShape()); }),
        };
        for (const GraphicProperty& row : own)
            t << row;
        return t;
    }();
    return table;
}

QString SKTImage::className() const
{
    return QStringLiteral("SKTImage");
}

std::shared_ptr<SKTGraphic> SKTImage::newGraphicOfSameKind() const
{
    return std::make_shared<SKTImage>();
}

std::shared_ptr<SKTGraphic> SKTImage::copy() const
{
    std::shared_ptr<SKTGraphic> graphic = SKTGraphic::copy();
    static_cast<SKTImage*>(graphic.get())->m_contents = _contents().copy();
    return graphic;
}

bool SKTImage::initWithProperties(const GraphicPropertyDictionary& properties)
{
    if (!SKTGraphic::initWithProperties(properties))
        return false;
    if (!m_pendingInputImage.isPending())
        set_contents(reflectedInput());
    QRectF original = bounds();
    if (reflection() != 0.0)
        original.setHeight(std::trunc(original.height() / (reflection() + 1.0)));
    setOriginalImageRect(original);
    return true;
}

void SKTImage::initWithPosition(const QPointF& position, const QImage& picture)
{
    set_contents(picture);
    const QSizeF size = picture.deviceIndependentSize();
    setBounds(QRectF(position.x() - size.width() / 2, position.y() - size.height() / 2, size.width(),
                     size.height()));
}

void SKTImage::setFilePath(const QString& path)
{
    set_contents(QImage(QDir::cleanPath(path)));
}

QImage SKTImage::_contents() const
{
    settlePendingPicture();
    return m_contents;
}

void SKTImage::set_contents(const QImage& picture)
{
    settlePendingPicture();
    storeValue(m_contents, picture, QStringLiteral("_contents"));
}

QImage SKTImage::inputImage() const
{
    settlePendingPicture();
    return m_inputImage;
}

void SKTImage::setInputImage(const QImage& picture)
{
    settlePendingPicture();
    storeValue(m_inputImage, picture, QStringLiteral("inputImage"));
}

void SKTImage::setPendingInputImage(const PendingImage& picture)
{
    m_pendingInputImage = picture;
    m_inputImage = QImage();
    m_contents = QImage();
}

void SKTImage::settlePendingPicture() const
{
    if (!m_pendingInputImage.isPending())
        return;
    m_inputImage = m_pendingInputImage.image();
    m_pendingInputImage = {};
    m_contents = reflectedInput();
}

void SKTImage::setFlippedHorizontally(bool flipped)
{
    storeValue(m_flippedHorizontally, flipped, kFlippedHorizontallyKey);
}

void SKTImage::setFlippedVertically(bool flipped)
{
    storeValue(m_flippedVertically, flipped, kFlippedVerticallyKey);
}

QImage SKTImage::reflectedInput() const
{
    return reflection() > 0.0 ? Drawing::addReflection(inputImage(), reflection()) : inputImage();
}

void SKTImage::applyReflection()
{
    set_contents(reflectedInput());
    if (reflection() > 0.0) {
        const QRectF original = originalImageRect();
        const QRectF b = bounds();
        setBounds(QRectF(b.x(), b.y(), b.width(),
                         std::trunc(original.height() * reflection() + original.height())));
    }
}

void SKTImage::setBounds(const QRectF& bounds)
{
    SKTGraphic::setBounds(bounds);
    if (reflection() == 0.0)
        setOriginalImageRect(bounds);
}

void SKTImage::updateOriginalRect()
{
    if (reflection() <= 0.0)
        return;
    QRectF original = bounds();
    original.setHeight(double(float(original.height()) / float(reflection() + 1.0)));
    setOriginalImageRect(original);
}

QSizeF SKTImage::inputImageSize() const
{
    return inputImage().deviceIndependentSize();
}

void SKTImage::makeNaturalSize()
{
    const QRectF b = bounds();
    setBounds(QRectF(b.topLeft(), _contents().deviceIndependentSize()));
    setFlippedHorizontally(false);
    setFlippedVertically(false);
}

void SKTImage::flipHorizontally()
{
    setFlippedHorizontally(!isFlippedHorizontally());
}

void SKTImage::flipVertically()
{
    setFlippedVertically(!isFlippedVertically());
}
