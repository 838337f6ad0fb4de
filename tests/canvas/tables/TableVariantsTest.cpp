#include "../input/CanvasInputTestSupport.h"

#include "model/SKTTable.h"

#include <QTextDocument>

// The tables of the object library, dropped on the canvas as the user drops them, and the default table of
// the Add New menu.

namespace {

class TableVariantsTest : public CanvasInputTest {
protected:
    std::shared_ptr<SKTTable> front() const
    {
        return std::dynamic_pointer_cast<SKTTable>(document.graphics().first());
    }
    QList<int> columnWidths(const SKTTable& table) const
    {
        QList<int> widths;
        for (int column = 0; column < table.numOfColumns(); ++column)
            widths << table.grabColumnWidth(column);
        return widths;
    }
};

TEST_F(TableVariantsTest, OneRowTablesShareThePageWidthByTheirSpansUpTo1000)
{
    const struct {
        const char* code;
        int pageWidth;
        QList<int> widths;
    } cases[] = {
        {"velk_table2_3", 1000, {400, 600}},
        {"velk_table1x3", 1200, {333, 333, 333}},
        {"velk_table1_5", 600, {100, 500}},
        // A page without a width of its own is as wide as the canvas, 400 here.
        {"velk_table1x2", 0, {200, 200}},
    };
    for (const auto& c : cases) {
        document.setDocSpecificPageWidth(c.pageWidth);
        ASSERT_TRUE(drop(QString::fromLatin1(c.code), QPointF(12, 34))) << c.code;
        const std::shared_ptr<SKTTable> table = front();
        ASSERT_TRUE(table) << c.code;
        EXPECT_EQ(table->gridType(), QStringLiteral("table"));
        EXPECT_EQ(table->numOfRows(), 1);
        EXPECT_EQ(columnWidths(*table), c.widths) << c.code;
        const int tableWidth = c.pageWidth > 0 ? std::min(c.pageWidth, 1000) : 400;
        EXPECT_EQ(table->bounds(), QRectF(12, 34, tableWidth, 100)) << c.code;
        const std::shared_ptr<myTextView> cell = table->grabSelectedTableCellHelper(0, 0);
        EXPECT_EQ(cell->fontSize(), 28);
        EXPECT_EQ(cell->height(), 100);
        EXPECT_EQ(cell->verticalAlignment(), 1);
    }
}

TEST_F(TableVariantsTest, TheMenuTableLandsAtTheInsertionPointWithFourCellsAndNoPictures)
{
    view->addTable();
    const std::shared_ptr<SKTTable> table = front();
    ASSERT_TRUE(table);
    const QPointF origin = view->calculateOriginPoint();
    EXPECT_EQ(table->bounds().topLeft(), QPointF(int(origin.x()), int(origin.y())));
    EXPECT_EQ(table->numOfColumns(), 4);
    EXPECT_EQ(table->cellHelperArray().size(), 4);
    for (const std::shared_ptr<myTextView>& cell : table->cellHelperArray()) {
        EXPECT_EQ(cell->width(), 200);
        EXPECT_EQ(cell->height(), 100);
        EXPECT_EQ(cell->fontSize(), 25);
    }
    EXPECT_TRUE(table->imageArray().isEmpty());
    EXPECT_EQ(table->padding(), 5);
    undoStack().undo();
    EXPECT_TRUE(document.graphics().isEmpty()) << "the insertion is one undo step";
}

TEST_F(TableVariantsTest, TheFixedColumnOfTheTwoWidthTableKeepsItsWidthOnResize)
{
    ASSERT_TRUE(drop(QStringLiteral("velk_table_multiColumnWidth"), QPointF(5, 5)));
    const std::shared_ptr<SKTTable> table = front();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->numOfColumns(), 2);
    EXPECT_EQ(table->numOfRows(), 5);
    EXPECT_EQ(columnWidths(*table), QList<int>({300, 100}));
    EXPECT_EQ(table->grabSelectedTableCellHelper(4, 1)->textStorage()->toPlainText(), QStringLiteral("abc"));

    table->setBounds(QRectF(5, 5, 618, 280));
    EXPECT_EQ(table->grabColumnWidth(1), 100);
    EXPECT_GT(table->grabColumnWidth(0), 300);
}

TEST_F(TableVariantsTest, TearOffStripsAreTwelveContactLinesInTheirColours)
{
    const struct {
        const char* code;
        const char* text;
        const char* background;
    } cases[] = {{"velk_tear_off_tab_1", "4f4c4c", "CLEAR0"}, {"velk_tear_off_tab_2", "FFFFFF", "555555"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(drop(QString::fromLatin1(c.code), QPointF(7, 8))) << c.code;
        const std::shared_ptr<SKTTable> table = front();
        EXPECT_EQ(table->bounds().topLeft(), QPointF(7, 8));
        EXPECT_EQ(table->numOfRows(), 12);
        EXPECT_EQ(table->numOfColumns(), 1);
        const std::shared_ptr<myTextView> line = table->grabSelectedTableCellHelper(11, 0);
        ASSERT_TRUE(line) << c.code;
        EXPECT_TRUE(line->textStorage()->toPlainText().contains(QStringLiteral("123-456-7890")));
        EXPECT_EQ(line->textView()->borderLine(), QStringLiteral("dashed"));
        EXPECT_EQ(line->textColorString(), QLatin1String(c.text));
        EXPECT_EQ(line->colorString(), QLatin1String(c.background));
        EXPECT_EQ(line->textAlignment(), QStringLiteral("center"));
    }
}

TEST_F(TableVariantsTest, OnAResponsivePageTheTableJoinsTheSectionCellUnderIt)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    profile.sectionWidth = 1170;
    profile.sectionHeight = 300;
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 0));
    const std::shared_ptr<SKTGraphic> section = document.graphics().last();
    ASSERT_TRUE(drop(QStringLiteral("velk_table"), QPointF(200, 100)));
    const std::shared_ptr<SKTTable> table = front();
    ASSERT_TRUE(table);
    EXPECT_NE(table, section);
    EXPECT_EQ(table->sectionNumber(), section->sectionNumber());
    EXPECT_TRUE(section->bounds().contains(table->bounds().topLeft()));
}

} // namespace
