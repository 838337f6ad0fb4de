#include "model/SKTTable.h"

#include <gtest/gtest.h>

TEST(SKTTableTest, ADictionaryGivesTheGridTypeCountsCellsPicturesAndBackground)
{
    SKTTable plain;
    ASSERT_TRUE(plain.initWithProperties({{QStringLiteral("className"), QStringLiteral("SKTTable")}}));
    EXPECT_EQ(plain.gridType(), QStringLiteral("table"));
    EXPECT_TRUE(plain.cellHelperArray().isEmpty());
    EXPECT_EQ(plain.tableBackgroundImage(), nullptr);

    const myTextViewList cells = {myTextView::initWithFrame(QRectF()), myTextView::initWithFrame(QRectF())};
    const TransformViewList pictures = {TransformView::initWithFrame(QRectF())};
    const TransformViewList backgrounds = {TransformView::initWithFrame(QRectF())};
    SKTTable section;
    ASSERT_TRUE(section.initWithProperties(
        {{QStringLiteral("gridType"), QStringLiteral("section")},
         {QStringLiteral("numOfColumns"), QStringLiteral("2")},
         {QStringLiteral("numOfRows"), QStringLiteral("1")},
         {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
         {QStringLiteral("imageArray"), QVariant::fromValue(pictures)},
         {QStringLiteral("tableBackgroundArray"), QVariant::fromValue(backgrounds)}}));
    EXPECT_TRUE(section.isSectionContainer());
    EXPECT_EQ(section.numOfColumns(), 2);
    EXPECT_EQ(section.cellHelperArray(), cells);
    EXPECT_EQ(section.imageArray(), pictures);
    EXPECT_EQ(section.tableBackgroundImage(), backgrounds.first());

    const GraphicPropertyDictionary written = section.properties();
    EXPECT_EQ(written.value(QStringLiteral("gridType")).toString(), QStringLiteral("section"));
    EXPECT_EQ(written.value(QStringLiteral("numOfColumns")).toString(), QStringLiteral("2"));
    EXPECT_FALSE(written.contains(QStringLiteral("cellArray"))) << "records are read, never written";
}
