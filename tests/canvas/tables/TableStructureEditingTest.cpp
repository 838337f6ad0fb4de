#include "../input/CanvasInputTestSupport.h"

#include "canvas/tables/TableStructure.h"
#include "model/SKTTable.h"
#include "support/ScriptedAlerts.h"

#include <QTextDocument>

// The commands of the canvas's table submenu, chosen from the context menu on a cell as the user chooses
// them.

namespace {

// Cell (r, c) reads "r,c"; a picture named after its spot sits in the cells listed.
std::shared_ptr<SKTTable> makeTable(int rows, int columns, const QRectF& bounds,
                                    const QList<QPoint>& pictureSpots = {})
{
    myTextViewList cells;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto cell = SKTGraphicView::createNewTableCell();
            cell->textStorage()->setPlainText(QStringLiteral("%1,%2").arg(r).arg(c));
            cell->setRowSpot(r);
            cell->setColumnSpot(c);
            cell->setWidth(60);
            cell->setHeight(30);
            cells << cell;
        }
    }
    TransformViewList pictures;
    for (const QPoint& spot : pictureSpots) {
        auto picture = std::make_shared<TransformView>();
        picture->setRowSpot(spot.x());
        picture->setColumnSpot(spot.y());
        picture->setImageName(QStringLiteral("pic%1%2").arg(spot.x()).arg(spot.y()));
        pictures << picture;
    }
    auto table = std::make_shared<SKTTable>();
    table->initWithProperties({{QStringLiteral("bounds"), Format::rect(bounds)},
                               {QStringLiteral("numOfColumns"), QString::number(columns)},
                               {QStringLiteral("numOfRows"), QString::number(rows)},
                               {QStringLiteral("padding"), QStringLiteral("2")},
                               {QStringLiteral("borderWidth"), QStringLiteral("1")},
                               {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
                               {QStringLiteral("imageArray"), QVariant::fromValue(pictures)}});
    table->setSelectable(true);
    return table;
}

QString textAt(const SKTTable& table, int row, int column)
{
    const std::shared_ptr<myTextView> cell = table.grabSelectedTableCellHelper(row, column);
    return cell ? cell->textStorage()->toPlainText() : QStringLiteral("none");
}

QString pictureAt(const SKTTable& table, int row, int column)
{
    const std::shared_ptr<TransformView> picture = table.grabSelectedImageAtSpot(row, column);
    return picture ? picture->imageName() : QStringLiteral("none");
}

class TableStructureEditingTest : public CanvasInputTest {
protected:
    std::shared_ptr<SKTTable> place(const std::shared_ptr<SKTTable>& table)
    {
        document.insertGraphics({table}, {int(document.graphics().size())});
        return table;
    }
    // Opens the context menu at the point and chooses the item named after the action; answers whether it
    // was offered.
    bool choose(const QPointF& at, const char* action)
    {
        QMenu* menu = view->menuForEvent(at);
        QAction* item = menu->findChild<QAction*>(QLatin1String(action));
        if (!item || !item->isVisible() || !item->isEnabled())
            return false;
        item->trigger();
        return true;
    }
    // The middle of the cell on the canvas.
    static QPointF cellPoint(const SKTTable& table, int row, int column)
    {
        return QRectF(table.grabSelectedCellRect(row, column)).center();
    }
};

TEST_F(TableStructureEditingTest, InsertingAtRowZeroAddsANewTopRowAndMovesThePicturesDown)
{
    const auto table = place(makeTable(2, 2, QRectF(10, 10, 200, 100), {{0, 1}, {1, 0}}));
    selection.setSelectedGraphics({table});
    ASSERT_TRUE(choose(cellPoint(*table, 0, 1), "insertTableRow"));
    EXPECT_EQ(table->numOfRows(), 3);
    EXPECT_EQ(table->cellHelperArray().size(), 6);
    EXPECT_EQ(textAt(*table, 0, 0), QString()) << "the new row is empty";
    EXPECT_EQ(textAt(*table, 1, 0), QStringLiteral("0,0"));
    EXPECT_EQ(textAt(*table, 2, 1), QStringLiteral("1,1"));
    EXPECT_EQ(pictureAt(*table, 1, 1), QStringLiteral("pic01"));
    EXPECT_EQ(pictureAt(*table, 2, 0), QStringLiteral("pic10"));

    ASSERT_TRUE(choose(cellPoint(*table, 1, 1), "insertTableColumn"));
    EXPECT_EQ(table->numOfColumns(), 3);
    EXPECT_EQ(textAt(*table, 1, 2), QStringLiteral("0,1"));
    EXPECT_EQ(textAt(*table, 1, 1), QString());
    EXPECT_EQ(pictureAt(*table, 1, 2), QStringLiteral("pic01"));
}

TEST_F(TableStructureEditingTest, DeletingARowDropsItsPicturesAndTheLastRowStays)
{
    const auto table = place(makeTable(3, 2, QRectF(10, 10, 200, 130), {{1, 0}, {2, 1}}));
    selection.setSelectedGraphics({table});
    ASSERT_TRUE(choose(cellPoint(*table, 1, 0), "deleteTableRow"));
    EXPECT_EQ(table->numOfRows(), 2);
    EXPECT_EQ(textAt(*table, 1, 0), QStringLiteral("2,0"));
    EXPECT_EQ(table->imageArray().size(), 1);
    EXPECT_EQ(pictureAt(*table, 1, 1), QStringLiteral("pic21"));
    EXPECT_EQ(table->bounds().height(), table->tableTotalCellHeight());

    ASSERT_TRUE(choose(cellPoint(*table, 0, 1), "deleteTableColumn"));
    ASSERT_TRUE(choose(cellPoint(*table, 0, 0), "deleteTableRow"));
    EXPECT_EQ(table->numOfRows(), 1);
    EXPECT_EQ(table->numOfColumns(), 1);
    ASSERT_TRUE(choose(cellPoint(*table, 0, 0), "deleteTableRow"));
    ASSERT_TRUE(choose(cellPoint(*table, 0, 0), "deleteTableColumn"));
    EXPECT_EQ(table->cellHelperArray().size(), 1) << "the last cell stays";
    EXPECT_EQ(textAt(*table, 0, 0), QStringLiteral("2,0"));
}

TEST_F(TableStructureEditingTest, WithNoCellUnderTheClickTheRowAndColumnCommandsDoNothing)
{
    const auto table = place(makeTable(2, 2, QRectF(10, 10, 200, 100)));
    selection.setSelectedGraphics({table});
    // A point off the table lies on no cell.
    const QPointF gap(390, 290);
    for (const char* action : {"insertTableRow", "deleteTableColumn", "moveTableRowDown"})
        ASSERT_TRUE(choose(gap, action)) << action;
    EXPECT_EQ(table->numOfRows(), 2);
    EXPECT_EQ(table->numOfColumns(), 2);
    EXPECT_EQ(textAt(*table, 0, 0), QStringLiteral("0,0"));
}

TEST_F(TableStructureEditingTest, MovingAColumnRightExchangesItWithItsPicturesButNotPastTheEdge)
{
    DataCentre::mutableProfile().tableImages = true;
    const auto table = place(makeTable(2, 3, QRectF(10, 10, 250, 100), {{0, 0}}));
    table->grabSelectedTableCellHelper(0, 0)->setWidth(90);
    table->alignCells();
    table->setBounds(QRectF(10, 10, table->tableTotalCellWidth(), table->tableTotalCellHeight()));
    selection.setSelectedGraphics({table});
    const int firstWidth = table->grabColumnWidth(0);
    ASSERT_TRUE(choose(cellPoint(*table, 1, 0), "moveTableRowRight"));
    EXPECT_EQ(textAt(*table, 1, 1), QStringLiteral("1,0"));
    EXPECT_EQ(textAt(*table, 1, 0), QStringLiteral("1,1"));
    EXPECT_EQ(pictureAt(*table, 0, 1), QStringLiteral("pic00"));
    EXPECT_EQ(table->grabSelectedTableCellHelper(1, 1)->width(), firstWidth)
        << "the cells take their column's width";

    ASSERT_TRUE(choose(cellPoint(*table, 0, 2), "moveTableRowRight"));
    EXPECT_EQ(textAt(*table, 0, 2), QStringLiteral("0,2"));
    ASSERT_TRUE(choose(cellPoint(*table, 0, 0), "moveTableRowUp"));
    EXPECT_EQ(textAt(*table, 0, 0), QStringLiteral("0,1"));
    ASSERT_TRUE(choose(cellPoint(*table, 0, 0), "moveTableRowDown"));
    EXPECT_EQ(textAt(*table, 1, 0), QStringLiteral("0,1"));
}

TEST_F(TableStructureEditingTest, TurningATableOnItsSideExchangesRowsAndColumns)
{
    const auto table = place(makeTable(2, 5, QRectF(10, 10, 330, 70)));
    selection.setSelectedGraphics({table});
    ASSERT_TRUE(choose(cellPoint(*table, 0, 0), "transformTable"));
    EXPECT_EQ(table->numOfRows(), 5);
    EXPECT_EQ(table->numOfColumns(), 2);
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(textAt(*table, r, c), QStringLiteral("%1,%2").arg(c).arg(r));
    }
    EXPECT_EQ(table->bounds().topLeft(), QPointF(10, 10));
}

TEST_F(TableStructureEditingTest, JoiningStacksTheFirstTableUnderTheSecondWithItsPictures)
{
    const auto a = place(makeTable(2, 3, QRectF(10, 10, 200, 70), {{1, 2}}));
    const auto b = place(makeTable(3, 3, QRectF(10, 200, 200, 100)));
    selection.setSelectedGraphics({a, b});
    forgetUndo();
    ASSERT_TRUE(choose(QPointF(50, 50), "joinTablesVertically"));
    EXPECT_EQ(document.graphics(), GraphicList({b})) << "the first table leaves the page";
    EXPECT_EQ(b->numOfRows(), 5);
    EXPECT_EQ(b->cellHelperArray().size(), 15);
    EXPECT_EQ(textAt(*b, 3, 0), QStringLiteral("0,0"));
    EXPECT_EQ(textAt(*b, 4, 2), QStringLiteral("1,2"));
    EXPECT_EQ(pictureAt(*b, 4, 2), QStringLiteral("pic12"));
    EXPECT_TRUE(alerts.records().isEmpty());
    undoStack().undo();
    EXPECT_EQ(document.graphics().size(), 2) << "the removal can be undone";
}

TEST_F(TableStructureEditingTest, TablesThatDoNotMatchAreNotJoinedAndTheUserIsTold)
{
    const struct {
        const char* action;
        int rows;
        int columns;
        const char* message;
        const char* informative;
    } cases[] = {
        {"joinTablesVertically", 2, 2, "Table columns not the same",
         "Only tables with the same number of columns can be joined vertically"},
        {"joinTablesHorizontally", 3, 3, "Table rows are not the same",
         "Only tables with the same number of rows can be joined horizontally"},
    };
    for (const auto& c : cases) {
        if (!document.graphics().isEmpty())
            document.removeGraphicsAtIndexes(IndexSet{0, 1});
        const auto a = place(makeTable(c.rows, c.columns, QRectF(10, 10, 200, 100)));
        const auto b = place(makeTable(2, 3, QRectF(10, 200, 200, 100)));
        selection.setSelectedGraphics({a, b});
        alerts.clear();
        ASSERT_TRUE(choose(QPointF(50, 50), c.action)) << c.action;
        ASSERT_EQ(alerts.records().size(), 1) << c.action;
        EXPECT_EQ(alerts.records().first().message, QLatin1String(c.message));
        EXPECT_EQ(alerts.records().first().informative, QLatin1String(c.informative));
        EXPECT_EQ(alerts.records().first().buttons, QStringList({QStringLiteral("OK")}));
        EXPECT_EQ(document.graphics().size(), 2);
        EXPECT_EQ(b->numOfRows(), 2);
        EXPECT_EQ(b->cellHelperArray().size(), 6);
        EXPECT_EQ(textAt(*a, 0, 0), QStringLiteral("0,0"));
    }
}

TEST_F(TableStructureEditingTest, TheMenuOffersTheCommandsThatFitTheSelection)
{
    const auto a = place(makeTable(2, 2, QRectF(10, 10, 200, 100)));
    const auto b = place(makeTable(2, 2, QRectF(10, 200, 200, 100)));
    const auto shown = [&](const char* action) {
        QAction* item = view->menuForEvent(QPointF(50, 50))->findChild<QAction*>(QLatin1String(action));
        return item && item->isVisible() && item->isEnabled();
    };
    selection.setSelectedGraphics({a});
    EXPECT_TRUE(shown("tableEditMenu"));
    EXPECT_TRUE(shown("insertTableRow"));
    EXPECT_TRUE(shown("duplicate"));
    EXPECT_FALSE(shown("joinTablesVertically"));
    EXPECT_FALSE(shown("refreshTableOfContents"));
    selection.setSelectedGraphics({a, b});
    EXPECT_TRUE(shown("tableEditMenu"));
    EXPECT_TRUE(shown("joinTablesHorizontally"));
    EXPECT_FALSE(shown("insertTableRow"));
    DataCentre::mutableProfile().responsiveDesign = true;
    EXPECT_FALSE(shown("joinTablesVertically")) << "tables in sections are not joined";
    a->setGridType(QStringLiteral("section"));
    selection.setSelectedGraphics({a});
    EXPECT_FALSE(shown("tableEditMenu"));
}

} // namespace
