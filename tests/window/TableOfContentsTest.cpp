#include "WindowTestSupport.h"

#include "model/SKTTable.h"
#include "window/pages/VelkNSButton.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTextDocument>

// Tables that link to the pages of the website in the window's page list: tables of contents from the
// object library, site maps from the Add New menu, and the rebuilding of a table of contents.

namespace {

class TableOfContentsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = &openWindow(true);
        canvas = window->graphicView();
        page = window->document();
    }

    // One tile per title, published as "pageN.html".
    void listPages(const QStringList& titles)
    {
        tiles.clear();
        QList<VelkNSButton*> list;
        for (int i = 0; i < titles.size(); ++i) {
            tiles.push_back(std::make_unique<VelkNSButton>());
            tiles.back()->setPageTitle(titles.at(i));
            tiles.back()->setPagePublishFileName(QStringLiteral("page%1.html").arg(i));
            list << tiles.back().get();
        }
        window->setSiteIconArray(list);
    }
    std::shared_ptr<SKTTable> front() const
    {
        const GraphicList graphics = page->graphics();
        return graphics.isEmpty() ? nullptr : std::dynamic_pointer_cast<SKTTable>(graphics.first());
    }
    static QString textAt(const SKTTable& table, int row, int column)
    {
        const std::shared_ptr<myTextView> cell = table.grabSelectedTableCellHelper(row, column);
        return cell ? cell->textStorage()->toPlainText() : QStringLiteral("none");
    }

    SKTWindowController* window = nullptr;
    SKTGraphicView* canvas = nullptr;
    SKTDocument* page = nullptr;
    std::vector<std::unique_ptr<VelkNSButton>> tiles;
};

TEST_F(TableOfContentsTest, TheContentsListTheTitledPagesWithTheirPlaceInTheList)
{
    listPages({QStringLiteral("Home"), QString(), QStringLiteral("Contact")});
    canvas->concludeDragOperation({QStringLiteral("velk_table_of_contents")}, QPointF(30.7, 40.2));
    const std::shared_ptr<SKTTable> table = front();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->gridType(), QStringLiteral("TableOfContents"));
    EXPECT_EQ(table->bounds(), QRectF(30, 40, 1050, 100));
    EXPECT_EQ(table->numOfRows(), 2);
    EXPECT_EQ(table->numOfColumns(), 2);
    EXPECT_EQ(textAt(*table, 0, 0), QStringLiteral("Home"));
    EXPECT_EQ(textAt(*table, 0, 1), QStringLiteral("0"));
    EXPECT_EQ(textAt(*table, 1, 0), QStringLiteral("Contact"));
    EXPECT_EQ(textAt(*table, 1, 1), QStringLiteral("2"));
    EXPECT_EQ(table->grabSelectedTableCellHelper(1, 0)->link(), QStringLiteral("page2.html"));
    EXPECT_EQ(table->grabSelectedTableCellHelper(1, 1)->link(), QStringLiteral("page2.html"));
    EXPECT_EQ(table->grabSelectedTableCellHelper(0, 1)->fixedWidthFlag(), 1);
    EXPECT_EQ(table->grabColumnWidth(0), 1000);
    EXPECT_EQ(table->grabColumnWidth(1), 50);
}

TEST_F(TableOfContentsTest, AWebsiteWithoutTitledPagesGetsNoContents)
{
    listPages({QString(), QString()});
    canvas->addTableOfContents(QPointF(10, 10));
    EXPECT_TRUE(page->graphics().isEmpty());
}

TEST_F(TableOfContentsTest, SiteMapsFromTheAddNewMenuListEveryPageInAColumnOrARow)
{
    listPages({"A", "B", "C", "D", "E"});
    window->addNewTableSiteMap();
    const std::shared_ptr<SKTTable> column = front();
    ASSERT_TRUE(column);
    EXPECT_EQ(column->bounds().size(), QSizeF(350, 200));
    EXPECT_EQ(column->gridType(), QStringLiteral("table"));
    EXPECT_EQ(textAt(*column, 4, 0), QStringLiteral("E"));
    EXPECT_EQ(column->grabSelectedTableCellHelper(4, 0)->link(), QStringLiteral("page4.html"));
    EXPECT_EQ(column->grabSelectedTableCellHelper(4, 0)->colorString(), QStringLiteral("555555"));

    window->addNewTableSiteMapH();
    const std::shared_ptr<SKTTable> row = front();
    ASSERT_TRUE(row);
    EXPECT_EQ(row->bounds().size(), QSizeF(1750, 40));
    EXPECT_EQ(textAt(*row, 0, 3), QStringLiteral("D"));

    window->addNewTable();
    EXPECT_EQ(front()->numOfColumns(), 4) << "the default table";
}

TEST_F(TableOfContentsTest, ASiteMapGoesNearTheTopLeftOfThePartInView)
{
    listPages({"A"});
    QScrollBar* bar = window->zoomingScrollView()->verticalScrollBar();
    ASSERT_GE(bar->maximum(), 1000);
    bar->setValue(1000);
    canvas->addTableOfSitemapVertical();
    ASSERT_TRUE(front());
    EXPECT_EQ(front()->bounds().topLeft(), QPointF(100, 1080));
}

TEST_F(TableOfContentsTest, RefreshingTheContentsRebuildsTheRowsFromThePageList)
{
    listPages({QStringLiteral("Home")});
    canvas->addTableOfContents(QPointF(10, 10));
    const std::shared_ptr<SKTTable> table = front();
    ASSERT_TRUE(table);
    listPages({QStringLiteral("Home"), QStringLiteral("About"), QString(), QStringLiteral("Blog")});
    window->graphicsController()->setSelectedGraphics({table});
    QMenu* menu = canvas->menuForEvent(QPointF(20, 20));
    QAction* item = menu->findChild<QAction*>(QStringLiteral("refreshTableOfContents"));
    ASSERT_TRUE(item && item->isVisible());
    item->trigger();
    EXPECT_EQ(table->numOfRows(), 3);
    EXPECT_EQ(table->cellHelperArray().size(), 6);
    EXPECT_EQ(textAt(*table, 2, 0), QStringLiteral("Blog"));
    EXPECT_EQ(textAt(*table, 2, 1), QStringLiteral("3"));
    EXPECT_EQ(table->grabSelectedTableCellHelper(2, 0)->fontSize(), 16);
    EXPECT_EQ(table->bounds().height(), table->tableTotalCellHeight());

    listPages({QString()});
    item->trigger();
    EXPECT_EQ(table->numOfRows(), 3) << "a website without titles leaves the rows";
}

} // namespace
