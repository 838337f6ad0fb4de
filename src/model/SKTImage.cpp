#include "model/SKTImage.h"

#include "model/ArchivedImage.h"
#include "model/GraphicUndoKeys.h"
#include "model/PropertyKeyTable.h"
#include "model/drawing/Reflection.h"
#include "platform/Format.h"
#include "platform/StringsTable.h"

#include <QDir>
#include <QHash>

#include <cmath>

using namespace GraphicProperties;

namespace {

const QString kFlippedHorizontallyKey = QStringLiteral("flippedHorizontally");
const QString kFlippedVerticallyKey = QStringLiteral("flippedVertically");

// The undo of a flip sets the flag back through its setter.
void registerUndoKeys()
{
    GraphicUndoKeys::registerKey(kFlippedHorizontallyKey, &SKTImage::isFlippedHorizontally,
                                 &SKTImage::setFlippedHorizontally);
    GraphicUndoKeys::registerKey(kFlippedVerticallyKey, &SKTImage::isFlippedVertically,
                                 &SKTImage::setFlippedVertically);
}

using I = SKTImage;
using PropertyKeys::custom;

QString textOrNone(const QVariant* value)
{
    return value && isText(*value) ? value->toString() : QString();
}

void readFlip(const QVariant* value, I& image, void (I::*set)(bool))
{
    if (value && isNumber(*value))
        (image.*set)(value->toDouble() != 0.0);
}

// The image keys beyond the base keys, in the order they are read.
const PropertyKeyTable<I>& imageKeyTable()
{
    static const PropertyKeyTable<I> table{
        custom<I>(
            "contents",
            [](I& i, const QVariant* v) {
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
            [](I& i) { return QVariant(i.isFlippedHorizontally()); }),
        custom<I>(
            "flippedVertically", [](I& i, const QVariant* v) { readFlip(v, i, &I::setFlippedVertically); },
            [](I& i) { return QVariant(i.isFlippedVertically()); }),
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
        // Written with the base keys.
        custom<I>("retinaFlag", [](I& i, const QVariant* v) { i.setRetinaFlag(v && integerValue(*v) == 1); },
                  {}),
        custom<I>(
            "reflection", [](I& i, const QVariant* v) { i.setReflection(v ? floatValue(*v) : 0.0f); },
            [](I& i) { return realText(i.reflection()); }),
        // Read with the base keys.
        custom<I>("slideShowNumber", {}, [](I& i) { return integerText(i.slideShowNumber()); }),
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
    return table;
}

} // namespace

SKTImage::SKTImage()
{
    static const bool undoKeysRegistered = (registerUndoKeys(), true);
    Q_UNUSED(undoKeysRegistered)
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
    static_cast<SKTImage*>(graphic.get())->m_contents = m_contents.copy();
    return graphic;
}

bool SKTImage::initWithProperties(const GraphicPropertyDictionary& properties)
{
    if (!SKTGraphic::initWithProperties(properties))
        return false;
    readPropertyKeys(*this, properties, imageKeyTable());
    set_contents(reflectedInput());
    QRectF original = bounds();
    if (reflection() != 0.0)
        original.setHeight(std::trunc(original.height() / (reflection() + 1.0)));
    setOriginalImageRect(original);
    return true;
}

GraphicPropertyDictionary SKTImage::properties()
{
    GraphicPropertyDictionary dictionary = SKTGraphic::properties();
    writePropertyKeys(*this, dictionary, imageKeyTable());
    return dictionary;
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

void SKTImage::set_contents(const QImage& picture)
{
    m_contents = picture;
    didChangeValueForKey(QStringLiteral("_contents"));
}

void SKTImage::setFlippedHorizontally(bool flipped)
{
    m_flippedHorizontally = flipped;
    didChangeValueForKey(kFlippedHorizontallyKey);
}

void SKTImage::setFlippedVertically(bool flipped)
{
    m_flippedVertically = flipped;
    didChangeValueForKey(kFlippedVerticallyKey);
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
    setBounds(QRectF(b.topLeft(), m_contents.deviceIndependentSize()));
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

QSet<QString> SKTImage::keysForValuesToObserveForUndo() const
{
    return SKTGraphic::keysForValuesToObserveForUndo() +
           QSet<QString>{kFlippedHorizontallyKey, kFlippedVerticallyKey};
}

QString SKTImage::presentablePropertyNameForKey(const QString& key) const
{
    static const QHash<QString, QString> names{
        {kFlippedHorizontallyKey, QStringLiteral("Horizontal Flipping")},
        {kFlippedVerticallyKey, QStringLiteral("Vertical Flipping")},
    };
    const auto it = names.constFind(key);
    if (it == names.constEnd())
        return SKTGraphic::presentablePropertyNameForKey(key);
    return StringsTable::localizedString(*it, QString(), QStringLiteral("UndoStrings"));
}

QSet<QString> SKTImage::keyPathsForValuesAffectingDrawingContents() const
{
    static const QSet<QString> own{kFlippedHorizontallyKey,
                                   kFlippedVerticallyKey,
                                   QStringLiteral("opacity"),
                                   QStringLiteral("shadowFlag"),
                                   QStringLiteral("reflection"),
                                   QStringLiteral("borderWidth"),
                                   QStringLiteral("borderHexColorString"),
                                   QStringLiteral("borderStyle")};
    return SKTGraphic::keyPathsForValuesAffectingDrawingContents() + own;
}
