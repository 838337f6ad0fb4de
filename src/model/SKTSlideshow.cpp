#include "model/SKTSlideshow.h"

#include "model/GraphicPropertyTable.h"
#include "model/drawing/CaptionLabel.h"
#include "model/geometry/Rects.h"
#include "model/records/MTextView.h"
#include "platform/Format.h"

#include <algorithm>

namespace {

const QString kImageArrayKey = QStringLiteral("imageArray");
// The caption's frame is 40 high until the first drawing makes it a bar of 15.
constexpr double kCaptionTop = 5;
constexpr double kInitialCaptionHeight = 40;

} // namespace

QString SKTSlideshow::className() const
{
    return QStringLiteral("SKTSlideshow");
}

std::shared_ptr<SKTGraphic> SKTSlideshow::newGraphicOfSameKind() const
{
    return std::make_shared<SKTSlideshow>();
}

QString SKTSlideshow::captionText(int shownNumber, int total)
{
    if (total == 0)
        return QStringLiteral("Right click to edit slideshow");
    return Format::printf("Right click to edit slideshow (%d/%d)", shownNumber, total);
}

// The slides are read, never written: the slideshow's own dictionary is the base one.
const GraphicPropertyTable& SKTSlideshow::propertyTable() const
{
    using S = SKTSlideshow;
    static const GraphicPropertyTable table = [] {
        GraphicPropertyTable t = basePropertyTable();
        t << PropertyRows::custom<S>("imageArray",
                                     [](S& s, const QVariant* v) {
                                         s.setImageArray(v ? v->value<TransformViewList>()
                                                           : TransformViewList());
                                     },
                                     {});
        return t;
    }();
    return table;
}

bool SKTSlideshow::initWithProperties(const GraphicPropertyDictionary& properties)
{
    if (!SKTGraphic::initWithProperties(properties))
        return false;
    m_currentImageIndex = 0;
    const QRectF b = bounds();
    // The first caption counts from 0; the drawing counts from 1.
    m_textView = CaptionLabel::make(
        QRectF(b.x(), b.y() + kCaptionTop, b.width(), kInitialCaptionHeight),
        Format::printf("Right click to edit slideshow (%d/%d)", m_currentImageIndex, totalNumofSlides()));
    return true;
}

void SKTSlideshow::setImageArray(const TransformViewList& images)
{
    storeValue(m_imageArray, images, kImageArrayKey);
}

void SKTSlideshow::addIntoImageArray(const std::shared_ptr<TransformView>& image)
{
    m_imageArray.append(image);
    setCurrentImageIndex(totalNumofSlides() - 1);
    setBounds(bounds());
}

void SKTSlideshow::setCurrentImageIndex(int index)
{
    storeValue(m_currentImageIndex, index, QStringLiteral("currentImageIndex"));
}

void SKTSlideshow::moveSlideForward()
{
    setCurrentImageIndex(std::max(0, std::min(m_currentImageIndex + 1, totalNumofSlides() - 1)));
}

void SKTSlideshow::moveSlideBackward()
{
    setCurrentImageIndex(std::max(m_currentImageIndex - 1, 0));
}

bool SKTSlideshow::nextButtonClicked(const QPointF& point) const
{
    const QRectF b = bounds();
    return Rects::pointIn(point, QRectF(b.x() + b.width() - 40, b.y() + b.height() * 0.5, 40, 50));
}

bool SKTSlideshow::previousButtonClicked(const QPointF& point) const
{
    const QRectF b = bounds();
    return Rects::pointIn(point, QRectF(b.x(), b.y() + b.height() * 0.5, 40, 50));
}

void SKTSlideshow::contentsClickedAtPoint(const QPointF& point)
{
    if (nextButtonClicked(point)) {
        moveSlideForward();
        setBounds(bounds());
    } else if (previousButtonClicked(point)) {
        moveSlideBackward();
        setBounds(bounds());
    }
}
