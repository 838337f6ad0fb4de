#include "DocumentTestSupport.h"

namespace {

template <class Kind> std::shared_ptr<SKTGraphic> kindAt(const QRectF& bounds)
{
    auto graphic = std::make_shared<Kind>();
    graphic->setBounds(bounds);
    graphic->setSlideShowNumber(-99);
    graphic->setGalleryNumber(-99);
    return graphic;
}

std::shared_ptr<SKTGraphic> fullWidthText(const QRectF& bounds)
{
    auto text = kindAt<TextStandIn>(bounds);
    text->setMatchScreenFlag(true);
    return text;
}

std::shared_ptr<SKTGraphic> slide(int slideShowNumber, int galleryNumber, const QRectF& bounds)
{
    auto picture = kindAt<ImageStandIn>(bounds);
    picture->setSlideShowNumber(slideShowNumber);
    picture->setGalleryNumber(galleryNumber);
    return picture;
}

class PageGeometryTest : public DocumentTest {
protected:
    void add(const std::shared_ptr<SKTGraphic>& graphic) { document.addInGraphics(graphic); }
    SKTDocument document;
};

TEST_F(PageGeometryTest, AnEmptyPageMeasuresTheSmallPage)
{
    EXPECT_EQ(document.findMaxScreenWidth(), 200);
    EXPECT_EQ(document.findMaxScreenHeight(), 50);
}

TEST_F(PageGeometryTest, AFullWidthTextCountsForTheHeightOnly)
{
    add(fullWidthText(QRectF(0, 100.9, 900, 40.9)));
    EXPECT_EQ(document.findMaxScreenWidth(), 200);
    EXPECT_EQ(document.findMaxScreenHeight(), 140);
    EXPECT_EQ(document.findMinScreenX(), 0);
}

TEST_F(PageGeometryTest, EveryCoordinateIsCutBeforeTheSum)
{
    add(graphicAt(QRectF(10.7, 5.9, 20.6, 4.9)));
    EXPECT_EQ(document.findMaxScreenWidth(), 30);
    EXPECT_EQ(document.findMaxScreenHeight(), 9);
    EXPECT_EQ(document.findMinScreenX(), 10);
}

TEST_F(PageGeometryTest, FramesCountButTheirPicturesDoNot)
{
    add(kindAt<GalleryStandIn>(QRectF(50, 50, 100, 100)));
    add(kindAt<SlideshowStandIn>(QRectF(40, 300, 100, 100)));
    // The frames carry numbers of their own; only pictures are left out for them.
    document.graphics().at(1)->setSlideShowNumber(0);
    add(slide(0, -99, QRectF(0, 0, 900, 900)));
    add(slide(-99, 1, QRectF(5, 0, 800, 800)));
    EXPECT_EQ(document.findMaxScreenWidth(), 150);
    EXPECT_EQ(document.findMaxScreenHeight(), 400);
    EXPECT_EQ(document.findMinScreenX(), 40);
}

TEST_F(PageGeometryTest, ArraysOfGraphicsAreMeasuredTheSameWay)
{
    const GraphicList graphics{graphicAt(QRectF(-0.5, 0, 0.9, 1)), graphicAt(QRectF(3.2, 0, 1, 1))};
    EXPECT_EQ(SKTDocument::findMaxScreenWidthForArray(graphics), 4);
    EXPECT_EQ(SKTDocument::findMinScreenXForArray(graphics), 0);
    // A result of 0 is answered as 1.
    EXPECT_EQ(SKTDocument::findMaxScreenWidthForArray({graphicAt(QRectF(0, 0, 0.5, 1))}), 1);
}

TEST_F(PageGeometryTest, TrimmingMovesTheLeftMostGraphicToZeroWithWholeBounds)
{
    auto text = fullWidthText(QRectF(35.5, 10.25, 300.75, 20.5));
    auto shape = graphicAt(QRectF(60.9, 70.1, 10.5, 10.5));
    auto picture = slide(2, -99, QRectF(5.5, 5.5, 10, 10));
    for (const auto& graphic : {text, shape, picture})
        add(graphic);
    document.trimAndCenter();
    EXPECT_EQ(text->bounds(), QRectF(0, 10, 300, 20));
    EXPECT_EQ(shape->bounds(), QRectF(25, 70, 10, 10));
    EXPECT_EQ(picture->bounds(), QRectF(5.5, 5.5, 10, 10));
    EXPECT_EQ(document.findMinScreenX(), 0);
}

TEST_F(PageGeometryTest, EachMovedGraphicChangesItsBoundsOnce)
{
    auto shape = graphicAt(QRectF(10, 10, 10, 10));
    int changes = 0;
    QObject::connect(shape.get(), &SKTGraphic::valueChanged,
                     [&](const QString& key) { changes += key == QLatin1String("bounds"); });
    SKTDocument::trimAllObjects(4, {shape});
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(shape->bounds(), QRectF(6, 10, 10, 10));
}

} // namespace
