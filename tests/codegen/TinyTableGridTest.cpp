#include "codegen/TinyTableGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(TinyTableGridTest, AFreshSquareIsEmpty)
{
    const TinyTableGrid square;
    EXPECT_EQ(square.rowIndex(), 0);
    EXPECT_EQ(square.columnIndex(), 0);
    EXPECT_FALSE(square.hasContentFlag());
    EXPECT_EQ(square.codeWidgetHelpder(), nullptr);
    EXPECT_EQ(square.rowspan(), 0);
    EXPECT_EQ(square.colspan(), 0);
    EXPECT_FALSE(square.skipFlag());
    EXPECT_EQ(square.gridRect(), QRectF());
}

TEST(TinyTableGridTest, ASquareHoldsTheItemThatStartsInIt)
{
    auto item = std::make_shared<CodeWidgetHelper>();
    TinyTableGrid square;
    square.setRowIndex(2);
    square.setColumnIndex(3);
    square.setHasContentFlag(true);
    square.setCodeWidgetHelpder(item);
    square.setRowspan(2);
    square.setColspan(4);
    square.setGridRect(QRectF(12.5, 40, 30.25, 30.25));
    // The square refers to the item; code written into it later is what the square's cell writes.
    item->setBodyString(QStringLiteral("<p>late</p>"));
    EXPECT_EQ(square.codeWidgetHelpder()->bodyString(), QStringLiteral("<p>late</p>"));
    EXPECT_EQ(square.rowIndex(), 2);
    EXPECT_EQ(square.columnIndex(), 3);
    EXPECT_TRUE(square.hasContentFlag());
    EXPECT_EQ(square.rowspan(), 2);
    EXPECT_EQ(square.colspan(), 4);
    EXPECT_EQ(square.gridRect(), QRectF(12.5, 40, 30.25, 30.25));
}

} // namespace
