#include "ExpectedValues.h"

#include "model/ArchivedImage.h"
#include "model/records/GalleryGridView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TableGridView.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

#include <gtest/gtest.h>

#include <QTextDocument>

namespace {

TEST(ElementRecordsTest, NewTextRecordHasEmptyColourStringsAndCompanionsOfItsFrame)
{
    const QRectF frame(10, 20, 300, 40);
    for (const auto& record : {std::make_shared<myTextView>(), myTextView::initWithFrame(frame)}) {
        const QRectF expected = record->frame();
        ASSERT_TRUE(record->textView());
        ASSERT_TRUE(record->coverView());
        expectFields({
            {"colorString is empty, not none", record->colorString().isNull(), false},
            {"colorString", record->colorString(), QStringLiteral("")},
            {"textColorString is empty, not none", record->textColorString().isNull(), false},
            {"textView frame", record->textView()->frame(), expected},
            {"cover view is empty", record->coverView()->frame(), QRectF()},
            {"tableNumber", record->tableNumber(), 0},
            {"groupNumber", record->groupNumber(), 0},
            {"formOptionTag", record->formOptionTag(), 0},
            {"sectionNumber", record->sectionNumber(), 0},
            {"rowSpot", record->rowSpot(), 0},
            {"nlines", record->nlines(), 0},
            {"moveLock", int(record->moveLock()), 0},
            {"lineSpacing", record->lineSpacing(), 0.0f},
            {"link is none", record->link().isNull(), true},
            {"familyName is none", record->familyName().isNull(), true},
            {"topPaddingType is none", record->topPaddingType().isNull(), true},
            {"leftMarginLevelString is none", record->leftMarginLevelString().isNull(), true},
            {"alpha value", record->alphaValue(), 1.0},
        });
        EXPECT_FALSE(record->textStorage());
        EXPECT_FALSE(record->optionTextView());
    }
    EXPECT_EQ(myTextView::initWithFrame(frame)->textView()->frame(), frame);
}

TEST(ElementRecordsTest, DrawingATextRecordMovesItsCompanionsToTheRectangle)
{
    const auto record = myTextView::initWithFrame(QRectF(0, 0, 50, 50));
    for (const QRectF& rect : {QRectF(5, 6, 70, 80), QRectF(), QRectF(-3, 2.5, 1, 1)}) {
        record->drawRect(rect);
        EXPECT_EQ(record->textView()->frame(), rect);
        EXPECT_EQ(record->coverView()->frame(), rect);
    }
    EXPECT_EQ(record->frame(), QRectF(0, 0, 50, 50));
}

TEST(ElementRecordsTest, NewImageAndGridRecordsHoldZeroNotNone)
{
    const auto image = TransformView::initWithFrame(QRectF(1, 2, 3, 4));
    const TableGridView table;
    const GalleryGridView gallery;
    expectFields({
        {"image frame", image->frame(), QRectF(1, 2, 3, 4)},
        {"slideShowNumber", image->slideShowNumber(), 0},
        {"galleryNumber", image->galleryNumber(), 0},
        {"tableNumber", image->tableNumber(), 0},
        {"rowSpot", image->rowSpot(), 0},
        {"columnSpot", image->columnSpot(), 0},
        {"sectionNumber", image->sectionNumber(), 0},
        {"alpha", image->alpha(), 0.0f},
        {"reflection", image->reflection(), 0.0f},
        {"imageName is none", image->imageName().isNull(), true},
        {"no picture", image->image().isNull(), true},
        {"no date", image->imageLastModDate().isValid(), false},
        {"table tableNumber", table.tableNumber(), 0},
        {"table groupNumber", table.groupNumber(), 0},
        {"table numOfRows", table.numOfRows(), 0},
        {"table gridType is none", table.gridType().isNull(), true},
        {"table topPaddingLevelString is none", table.topPaddingLevelString().isNull(), true},
        {"gallery galleryNumber", gallery.galleryNumber(), 0},
        {"gallery groupNumber", gallery.groupNumber(), 0},
        {"gallery frame", gallery.frame(), QRectF()},
    });
}

TEST(ElementRecordsTest, SlideshowRecordPlacesItsArrowsAtHalfItsHeight)
{
    const auto slideshow = OuterSlideShow::initWithFrame(QRectF(100, 50, 400, 300));
    ASSERT_TRUE(slideshow->nextButton());
    ASSERT_TRUE(slideshow->previousButton());
    expectFields({
        {"arrowWidth", slideshow->arrowWidth(), 40},
        {"arrowHeight", slideshow->arrowHeight(), 50},
        {"next", slideshow->nextButton()->frame(), QRectF(360, 150, 40, 50)},
        {"previous", slideshow->previousButton()->frame(), QRectF(0, 150, 40, 50)},
        {"slideShowNumber", slideshow->slideShowNumber(), 0},
    });
}

TEST(ElementRecordsTest, ArchivedImagesReadBack)
{
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(QColor(10, 200, 30, 128));
    picture.setPixelColor(2, 1, Qt::blue);

    const QImage read = GraphicProperties::unarchivedImage(GraphicProperties::archivedImage(picture));
    EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32), picture);
    EXPECT_TRUE(GraphicProperties::unarchivedImage(GraphicProperties::archivedImage(QImage())).isNull());
    EXPECT_TRUE(GraphicProperties::unarchivedImage(QByteArray("not a picture")).isNull());
    EXPECT_TRUE(GraphicProperties::unarchivedImage(QStringLiteral("text")).isNull());
}

TEST(ElementRecordsTest, BoundsAreStoredAndTakeTheSizeOfANewFrame)
{
    TransformView picture(QRectF(10, 20, 30, 40));
    EXPECT_EQ(picture.bounds(), QRectF(0, 0, 30, 40));
    picture.setBounds(QRectF(110, 120, 30, 40));
    EXPECT_EQ(picture.bounds(), QRectF(110, 120, 30, 40));
    picture.setFrame(QRectF(0, 0, 50, 60));
    EXPECT_EQ(picture.bounds(), QRectF(110, 120, 50, 60));
    EXPECT_EQ(picture.frame(), QRectF(0, 0, 50, 60));
}

} // namespace
