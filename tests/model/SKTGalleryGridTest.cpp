#include "ModelTestSupport.h"
#include "PictureTestSupport.h"

#include "model/GraphicKinds.h"
#include "model/SKTGalleryGrid.h"
#include "model/records/MTextView.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

namespace {

using Spot = SKTGalleryGrid::CellSpot;

std::shared_ptr<SKTGalleryGrid> gallery(const QRectF& bounds, int columns, int rows, int padding = 0,
                                        const TransformViewList& pictures = {})
{
    auto grid = std::make_shared<SKTGalleryGrid>();
    GraphicPropertyDictionary dictionary{{QStringLiteral("bounds"), Format::rect(bounds)},
                                         {QStringLiteral("numOfColumns"), QString::number(columns)},
                                         {QStringLiteral("numOfRows"), QString::number(rows)},
                                         {QStringLiteral("padding"), QString::number(padding)},
                                         {QStringLiteral("shadowFlag"), QStringLiteral("0")}};
    if (!pictures.isEmpty())
        dictionary.insert(QStringLiteral("imageArray"), QVariant::fromValue(pictures));
    EXPECT_TRUE(grid->initWithProperties(dictionary));
    return grid;
}

} // namespace

TEST(SKTGalleryGridTest, PointsFallInWholePointCells)
{
    struct Case {
        QRectF bounds;
        int columns, rows;
        QPoint point;
        int row, column;
    };
    const Case cases[] = {
        {{0, 0, 300, 200}, 3, 2, {250, 150}, 1, 2},
        {{50, 40, 300, 200}, 3, 2, {300, 190}, 1, 2},
        {{0, 0, 300, 200}, 3, 2, {0, 0}, 0, 0},
        {{0, 0, 300, 200}, 3, 2, {100, 99}, 0, 1},
        // 301 wide: cells stay 100 wide and the last point of width is in none.
        {{0, 0, 301, 200}, 3, 2, {300, 10}, -99, -99},
        {{0, 0, 300, 200}, 3, 2, {-1, 10}, -99, -99},
        {{0, 0, 300, 200}, 0, 2, {10, 10}, -99, -99},
        {{0, 0, 300, 200}, 3, 0, {10, 10}, -99, -99},
    };
    for (const Case& c : cases) {
        const auto grid = gallery(c.bounds, c.columns, c.rows);
        EXPECT_EQ(grid->grabRowSpot(c.point.x(), c.point.y()), c.row) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(grid->grabColumnSpot(c.point.x(), c.point.y()), c.column)
            << c.point.x() << "," << c.point.y();
    }
}

TEST(SKTGalleryGridTest, SpotsFollowReadingOrder)
{
    const auto grid = gallery({0, 0, 300, 300}, 3, 3);
    EXPECT_EQ(grid->grabNextSpot(1, 2), (Spot{2, 0}));
    EXPECT_EQ(grid->grabNextSpot(1, 1), (Spot{1, 2}));
    EXPECT_EQ(grid->grabNextSpot(2, 2), (Spot{3, 0})) << "rows are not bounded";
    EXPECT_EQ(grid->grabMaxNumToAdd(QPointF(150.7, 150.2)), 5);
    EXPECT_EQ(grid->grabMaxNumToAdd(QPointF(0, 0)), 9);
    EXPECT_EQ(grid->grabMaxNumToAdd(QPointF(400, 0)), 0) << "under no cell, nothing to add";
}

TEST(SKTGalleryGridTest, AddingAPictureReplacesTheOneInItsCell)
{
    const auto grid = gallery({0, 0, 300, 200}, 3, 2);
    const auto first = pictureRecord(10, 10, 0, 1);
    const auto second = pictureRecord(20, 20, 0, 1);
    grid->addIntoImageArray(first);
    EXPECT_TRUE(grid->isSpotAlreadyPopulated(0, 1));
    EXPECT_FALSE(grid->isSpotAlreadyPopulated(1, 1));
    grid->addIntoImageArray(second);
    EXPECT_EQ(grid->imageArray(), TransformViewList{second});
    EXPECT_EQ(grid->grabSelectedImageAtSpot(0, 1), second);
    EXPECT_EQ(grid->grabImageSelected(150, 50), second);
    EXPECT_EQ(grid->grabImageSelected(150, 150), nullptr);

    // No row: the picture already there goes, the new one does not come.
    grid->addIntoImageArray(pictureRecord(5, 5, -99, 1));
    grid->addIntoImageArray(pictureRecord(5, 5, 0, -99));
    EXPECT_EQ(grid->imageArray(), TransformViewList{second});
    const auto noRow = pictureRecord(5, 5, -99, -99);
    grid->setImageArray({second, noRow});
    grid->addIntoImageArray(pictureRecord(5, 5, -99, -99));
    EXPECT_EQ(grid->imageArray(), TransformViewList{second});
}

TEST(SKTGalleryGridTest, PicturesAreFittedAndCentredInTheirCells)
{
    const auto wide = pictureRecord(400, 300, 0, 0, Qt::red);
    const auto tall = pictureRecord(300, 400, 0, 1, Qt::blue);
    const auto outside = pictureRecord(300, 400, 5, 5, Qt::green);
    const auto grid = gallery({10, 20, 200, 100}, 2, 1, 10, {wide, tall, outside});
    grid->setSelectable(false);
    grid->setTemplateName(QStringLiteral("basetemplate"));
    const QImage drawn = drawnOnWhite(*grid, 220, 130);

    EXPECT_EQ(wide->galleryDimension(), QRectF(20, 40, 80, 60));
    EXPECT_EQ(wide->frame(), QRectF(20, 40, 80, 60));
    EXPECT_EQ(wide->bounds(), QRectF(20, 40, 80, 60));
    EXPECT_EQ(wide->image().deviceIndependentSize(), QSizeF(80, 60));
    EXPECT_EQ(tall->galleryDimension(), QRectF(130, 30, 60, 80));
    EXPECT_EQ(outside->galleryDimension(), QRectF()) << "a picture outside the grid is not placed";
    EXPECT_EQ(drawn.pixel(60, 70), qRgb(255, 0, 0));
    EXPECT_TRUE(isWhite(drawn, 60, 105)) << "below the centred wide picture";
    EXPECT_EQ(drawn.pixel(160, 90), qRgb(0, 0, 255));
    EXPECT_FALSE(outside->selectable());
    EXPECT_EQ(outside->templateName(), QStringLiteral("basetemplate"))
        << "every picture visited takes the gallery's";
    EXPECT_EQ(grid->grabTransformViewBounds(150, 60), QRectF(130, 30, 60, 80));
    EXPECT_EQ(grid->grabTransformViewBounds(150, 200), QRectF());
}

TEST(SKTGalleryGridTest, PicturesWithoutASizeOrPixelsArePassedOver)
{
    const auto noSize = pictureRecord(0, 0, 0, 0);
    const auto noPixels = pictureRecord(400, 300, 0, 1);
    noPixels->setImage(QImage());
    const auto grid = gallery({0, 0, 200, 100}, 2, 1, 10, {noSize, noPixels});
    const QImage drawn = drawnOnWhite(*grid, 200, 100);
    EXPECT_EQ(noSize->galleryDimension(), QRectF());
    EXPECT_EQ(noPixels->galleryDimension(), QRectF(110, 20, 80, 60)) << "placed, though nothing is drawn";
    EXPECT_TRUE(isWhite(drawn, 150, 40));
}

TEST(SKTGalleryGridTest, TheHintAndTheCellOutlinesAreDrawn)
{
    const auto grid = gallery({0, 0, 200, 100}, 2, 2);
    ASSERT_TRUE(grid->textView());
    EXPECT_EQ(grid->textView()->string(), QStringLiteral("Right click to edit gallery"));
    EXPECT_EQ(grid->textView()->frame(), QRectF(0, 5, 200, 40));
    const QImage drawn = drawnOnWhite(*grid, 200, 100);
    EXPECT_EQ(grid->textView()->frame(), QRectF(0, 5, 200, 15));
    EXPECT_FALSE(isWhite(drawn, 100, 12)) << "the hint bar";
    bool outline = false;
    for (int x = 2; x < 98; ++x)
        outline = outline || !isWhite(drawn, x, 75);
    EXPECT_FALSE(outline) << "nothing inside a cell";
    for (int x = 2; x < 98 && !outline; ++x)
        outline = !isWhite(drawn, x, 50);
    EXPECT_TRUE(outline) << "the dashed edge between the rows";
}

TEST(SKTGalleryGridTest, TheFirstPictureGivesTheGalleryItsPlaceOnAResponsivePage)
{
    const auto picture = pictureRecord(10, 10, 0, 0);
    picture->setResponsiveResizeFlag(1);
    picture->setResponsiveAlignment(2);
    picture->setSectionNumber(4);
    picture->setSectionRowSpot(1);
    picture->setSectionColumnSpot(3);
    const auto grid = gallery({0, 0, 100, 100}, 1, 1, 0, {picture});
    EXPECT_EQ(grid->responsiveResizeFlag(), 1);
    EXPECT_EQ(grid->responsiveAlignment(), 2);
    EXPECT_EQ(grid->sectionNumber(), 4);
    EXPECT_EQ(grid->sectionRowSpot(), 1);
    EXPECT_EQ(grid->sectionColumnSpot(), 3);
    EXPECT_FALSE(grid->properties().contains(QStringLiteral("numOfRows"))) << "the base dictionary only";
    EXPECT_TRUE(grid->keyPathsForValuesAffectingDrawingContents().contains(QStringLiteral("padding")));
    EXPECT_TRUE(
        std::dynamic_pointer_cast<SKTGalleryGrid>(GraphicKinds::make(QStringLiteral("SKTGalleryGrid"))));
}
