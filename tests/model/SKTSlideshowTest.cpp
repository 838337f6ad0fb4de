#include "ModelTestSupport.h"
#include "PictureTestSupport.h"

#include "model/GraphicKinds.h"
#include "model/SKTSlideshow.h"
#include "model/records/MTextView.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

namespace {

const QRectF kBounds(0, 0, 200, 100);
// A point inside each arrow: the arrows stand 40 x 50 from half the height down.
const QPointF kOnNextArrow(180, 70);
const QPointF kOnPreviousArrow(20, 70);

std::shared_ptr<SKTSlideshow> slideshow(const TransformViewList& slides, const QRectF& bounds = kBounds)
{
    auto show = std::make_shared<SKTSlideshow>();
    GraphicPropertyDictionary dictionary{{QStringLiteral("bounds"), Format::rect(bounds)},
                                         {QStringLiteral("fontColor"), QStringLiteral("DC143C")},
                                         {QStringLiteral("borderStyle"), QStringLiteral("dashed")}};
    if (!slides.isEmpty())
        dictionary.insert(QStringLiteral("imageArray"), QVariant::fromValue(slides));
    EXPECT_TRUE(show->initWithProperties(dictionary));
    return show;
}

TransformViewList threeSlides()
{
    return {pictureRecord(400, 200, -99, -99, Qt::red), pictureRecord(400, 200, -99, -99, Qt::green),
            pictureRecord(400, 200, -99, -99, Qt::blue)};
}

// Whether an arrow shows at x: inside its rectangle (away from the outline) some pixel differs from the same
// row in the middle of the slideshow, where no arrow is ever drawn.
bool arrowShown(const QImage& drawn, double x)
{
    for (int dx = 3; dx < 37; ++dx) {
        for (int y = 53; y < 97; ++y) {
            if (drawn.pixel(int(x) + dx, y) != drawn.pixel(100, y))
                return true;
        }
    }
    return false;
}

bool isReddish(QRgb p)
{
    return qRed(p) - qGreen(p) > 50;
}

} // namespace

TEST(SKTSlideshowTest, ThreeSlidesStepWithTheArrowsAndStayInRange)
{
    const auto show = slideshow(threeSlides());
    EXPECT_EQ(show->currentImageIndex(), 0);
    QImage drawn = drawnOnWhite(*show, 200, 100);
    EXPECT_FALSE(arrowShown(drawn, 0)) << "no previous arrow at the first slide";
    EXPECT_TRUE(arrowShown(drawn, 160));

    EXPECT_TRUE(show->isContentsUnderPoint(kOnNextArrow));
    EXPECT_EQ(show->currentImageIndex(), 0) << "the hit test alone steps nothing";
    show->contentsClickedAtPoint(kOnNextArrow);
    EXPECT_EQ(show->currentImageIndex(), 1);
    drawn = drawnOnWhite(*show, 200, 100);
    EXPECT_TRUE(arrowShown(drawn, 0));
    EXPECT_TRUE(arrowShown(drawn, 160));

    show->contentsClickedAtPoint(kOnNextArrow);
    EXPECT_EQ(show->currentImageIndex(), 2);
    drawn = drawnOnWhite(*show, 200, 100);
    EXPECT_TRUE(arrowShown(drawn, 0));
    EXPECT_FALSE(arrowShown(drawn, 160)) << "no next arrow at the last slide";
    show->contentsClickedAtPoint(kOnNextArrow);
    EXPECT_EQ(show->currentImageIndex(), 2);

    show->contentsClickedAtPoint(kOnPreviousArrow);
    EXPECT_EQ(show->currentImageIndex(), 1);
    EXPECT_FALSE(show->isContentsUnderPoint(QPointF(250, 10)));
    show->contentsClickedAtPoint(QPointF(100, 10));
    EXPECT_EQ(show->currentImageIndex(), 1);
}

TEST(SKTSlideshowTest, WithoutSlidesTheIndexStaysAtTheStart)
{
    const auto show = slideshow({});
    show->moveSlideForward();
    EXPECT_EQ(show->currentImageIndex(), 0);
    show->moveSlideBackward();
    EXPECT_EQ(show->currentImageIndex(), 0);

    const auto one = slideshow({pictureRecord(100, 100)});
    EXPECT_TRUE(one->isContentsUnderPoint(kOnNextArrow));
    one->contentsClickedAtPoint(kOnNextArrow);
    EXPECT_EQ(one->currentImageIndex(), 0);
    const QImage drawn = drawnOnWhite(*one, 200, 100);
    EXPECT_FALSE(arrowShown(drawn, 0));
    EXPECT_FALSE(arrowShown(drawn, 160));
}

TEST(SKTSlideshowTest, TheCaptionCountsTheSlides)
{
    const auto empty = slideshow({});
    ASSERT_TRUE(empty->textView());
    EXPECT_EQ(empty->textView()->string(), QStringLiteral("Right click to edit slideshow (0/0)"));
    EXPECT_EQ(empty->textView()->frame(), QRectF(0, 5, 200, 40));
    const QImage drawn = drawnOnWhite(*empty, 200, 100);
    EXPECT_EQ(empty->textView()->string(), QStringLiteral("Right click to edit slideshow"));
    EXPECT_EQ(empty->textView()->frame(), QRectF(0, 5, 200, 15));
    EXPECT_FALSE(isWhite(drawn, 100, 8)) << "the caption bar";
    EXPECT_FALSE(isWhite(drawn, 7, 0)) << "the dashed outline";
    EXPECT_FALSE(arrowShown(drawn, 0) || arrowShown(drawn, 160));

    const auto three = slideshow(threeSlides());
    EXPECT_EQ(three->textView()->string(), QStringLiteral("Right click to edit slideshow (0/3)"));
    drawnOnWhite(*three, 200, 100);
    EXPECT_EQ(three->textView()->string(), QStringLiteral("Right click to edit slideshow (1/3)"));
    three->setCurrentImageIndex(7);
    drawnOnWhite(*three, 200, 100);
    EXPECT_EQ(three->textView()->string(), QStringLiteral("Right click to edit slideshow (3/3)"));
}

TEST(SKTSlideshowTest, SlidesAreScaledToTheWidthAndLaidSideBySide)
{
    const TransformViewList slides{pictureRecord(400, 200), pictureRecord(100, 400), pictureRecord(0, 0)};
    const auto show = slideshow(slides);
    show->grabTransformViewBounds();
    EXPECT_EQ(slides[0]->frame(), QRectF(0, 0, 200, 100));
    EXPECT_EQ(slides[0]->image().deviceIndependentSize(), QSizeF(200, 100));
    // A tall slide's longer side is its height: it stands higher than the slideshow.
    EXPECT_EQ(slides[1]->frame(), QRectF(200 + 75, 0, 50, 200));
    EXPECT_EQ(slides[1]->slideWidth(), 200);
    EXPECT_EQ(slides[2]->frame().x(), 400 + 0.0) << "a slide without a size is laid out, never divided by";
}

TEST(SKTSlideshowTest, TheCurrentSlideIsDrawnCentredAndTakesTheTemplate)
{
    const TransformViewList slides{pictureRecord(400, 100, -99, -99, Qt::red),
                                   pictureRecord(400, 100, -99, -99, Qt::blue)};
    const auto show = slideshow(slides);
    show->setTemplateName(QStringLiteral("basetemplate"));
    show->setCurrentImageIndex(1);
    const QImage drawn = drawnOnWhite(*show, 200, 100);
    // 200 x 50 at the vertical middle.
    EXPECT_EQ(drawn.pixel(100, 40), qRgb(0, 0, 255));
    EXPECT_TRUE(isWhite(drawn, 100, 22)) << "above the slide";
    EXPECT_EQ(slides[1]->templateName(), QStringLiteral("basetemplate"));

    // A slide whose picture does not load is passed over.
    slides[1]->setImage(QImage());
    EXPECT_TRUE(isWhite(drawnOnWhite(*show, 200, 100), 100, 40));
}

TEST(SKTSlideshowTest, AddingASlideShowsIt)
{
    const auto show = slideshow({});
    show->moveSlideForward();
    int boundsChanges = 0;
    QObject::connect(show.get(), &SKTGraphic::valueChanged, [&](const QString& key) {
        if (key == QLatin1String("bounds"))
            ++boundsChanges;
    });
    show->addIntoImageArray(pictureRecord(10, 10));
    show->addIntoImageArray(pictureRecord(10, 10));
    EXPECT_EQ(show->currentImageIndex(), 1);
    EXPECT_EQ(show->totalNumofSlides(), 2);
    show->setTotalNumofSlides(9);
    EXPECT_EQ(show->totalNumofSlides(), 2);
    EXPECT_EQ(boundsChanges, 2);
}

TEST(SKTSlideshowTest, ItsDictionaryIsTheBaseOneAndCarriesNoSlides)
{
    const auto show = slideshow(threeSlides());
    EXPECT_FALSE(show->properties().contains(QStringLiteral("imageArray")));
    const auto pasted =
        SKTGraphic::graphicsWithPasteboardData(SKTGraphic::pasteboardDataWithGraphics({show}));
    ASSERT_TRUE(pasted && pasted->size() == 1);
    const auto copy = qobject_cast<SKTSlideshow*>(pasted->first().get());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->totalNumofSlides(), 0);
    EXPECT_EQ(copy->bounds(), kBounds);
    EXPECT_TRUE(std::dynamic_pointer_cast<SKTSlideshow>(GraphicKinds::make(QStringLiteral("SKTSlideshow"))));
}

TEST(SKTSlideshowTest, TheOutlineFollowsTheBorderStyleWhenEdited)
{
    const auto show = slideshow({});
    show->setDrawingStroke(true);
    show->setFillColor(Qt::white);
    show->setBorderStyle(QStringLiteral("solid"));
    const QImage drawn = drawnOnWhite(*show, 200, 100, true);
    EXPECT_TRUE(isReddish(drawn.pixel(100, 99))) << "stroked in the text colour";
    EXPECT_EQ(show->fillColor(), QColor(Qt::transparent));
    EXPECT_TRUE(isWhite(drawn, 100, 8)) << "no caption while edited";

    show->setBorderStyle(QStringLiteral("groove"));
    EXPECT_FALSE(isReddish(drawnOnWhite(*show, 200, 100, true).pixel(100, 99)))
        << "a style that strokes nothing";
}
