#include "../input/CanvasInputTestSupport.h"

#include "model/SKTTable.h"

#include <QTextDocument>

// The web components of the object library dropped on the canvas: navigation bars, the drop-down menu,
// the text carousel, the collapsible panels and the photo with a hover caption.

namespace {

class WebComponentsTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        view->setCanvasSize(QSizeF(2200, 1000));
        DataCentre::mutableProfile().sectionWidth = 1170;
        DataCentre::mutableProfile().sectionHeight = 300;
    }

    std::shared_ptr<SKTTable> front() const
    {
        return std::dynamic_pointer_cast<SKTTable>(document.graphics().first());
    }

    static QString textOf(const SKTTable& table, int row, int column)
    {
        const std::shared_ptr<myTextView> cell = table.grabSelectedTableCellHelper(row, column);
        return cell && cell->textStorage() ? cell->textStorage()->toPlainText() : QStringLiteral("<no cell>");
    }
    static QStringList rowTexts(const SKTTable& table, int row)
    {
        QStringList texts;
        for (int column = 0; column < table.numOfColumns(); ++column)
            texts << textOf(table, row, column);
        return texts;
    }
    static QList<int> rowHeights(const SKTTable& table)
    {
        QList<int> heights;
        for (int row = 0; row < table.numOfRows(); ++row)
            heights << table.grabSelectedTableCellHelper(row, 0)->height();
        return heights;
    }
};

TEST_F(WebComponentsTest, EachLibraryComponentIsAGridOfItsTypeWithItsTexts)
{
    const QString lorem = QStringLiteral("Lorem ipsum dolor sit amet");
    const struct {
        const char* code;
        const char* gridType;
        QRectF bounds;
        int columns;
        int rows;
        QStringList firstRow;
        bool numbered;
    } cases[] = {
        {"velk_navbar", "navbar", {0, 500, 1200, 50}, 4, 1, {"Item 0", "Item 1", "Item 2", "Item 3"}, true},
        {"velk_navbar_centered",
         "navbar_centered",
         {0, 500, 1200, 50},
         4,
         1,
         {"Item 0", "Item 1", "Item 2", "Item 3"},
         true},
        {"velk_navbar_fixed",
         "navbar_fixed",
         {0, 500, 1170, 50},
         5,
         1,
         {"Brand", "Link 1", "Link 2", "Link 3", "Link 4"},
         true},
        {"velk_navbar_fixed_centered",
         "navbar_fixed_centered",
         {0, 500, 400, 50},
         4,
         1,
         {"Brand", "Link 1", "Link 2", "Link 3"},
         true},
        {"velk_dropdownmenu",
         "dropdownmenu",
         {0, 500, 1200, 250},
         4,
         5,
         {"Main Menu Item 0", "Main Menu Item 1", "Main Menu Item 2", "Main Menu Item 3"},
         true},
        {"velk_text_carousel",
         "text_carousel",
         {0, 500, 1200, 200},
         4,
         3,
         {"Slide 1", "Slide 2", "Slide 3", "Slide 4"},
         false},
        // The panels and the caption lie at the page's origin whatever the drop point.
        {"velk_collapsible_text_panel",
         "collapsible_text_panel",
         {0, 0, 400, 150},
         1,
         2,
         {"Panel header title"},
         false},
        {"velk_collapsible_image_panel", "collapsible_image_panel", {0, 0, 400, 450}, 1, 3, {""}, false},
        {"velk_photo_hover_caption", "photo_hover_caption", {0, 0, 400, 400}, 1, 2, {""}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const qsizetype before = document.graphics().size();
        view->concludeDragOperation({QString::fromLatin1(c.code)}, QPointF(300.6, 500.8));
        endOfEvent();
        ASSERT_EQ(document.graphics().size(), before + 1);
        const std::shared_ptr<SKTTable> table = front();
        ASSERT_TRUE(table) << "in front of the others";
        EXPECT_EQ(table->gridType(), QLatin1String(c.gridType));
        EXPECT_EQ(table->bounds(), c.bounds);
        EXPECT_EQ(table->numOfColumns(), c.columns);
        EXPECT_EQ(table->numOfRows(), c.rows);
        EXPECT_EQ(table->padding(), 5);
        EXPECT_EQ(table->borderStyle(), QStringLiteral("solid"));
        EXPECT_EQ(table->borderWidth(), 1);
        EXPECT_EQ(table->borderHexColorString(), QStringLiteral("000000"));
        const myTextViewList cells = table->cellHelperArray();
        ASSERT_EQ(cells.size(), c.columns * c.rows);
        for (int i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(cells[i]->rowSpot(), i / c.columns) << "row by row";
            EXPECT_EQ(cells[i]->columnSpot(), i % c.columns);
            EXPECT_EQ(cells[i]->borderWidth(), 1);
            EXPECT_EQ(cells[i]->borderHexColorString(), QStringLiteral("000000"));
            EXPECT_EQ(cells[i]->familyName(), QStringLiteral("Helvetica Neue"));
            if (c.numbered) {
                EXPECT_EQ(cells[i]->sectionNumber(), table->sectionNumber());
            }
        }
        EXPECT_EQ(rowTexts(*table, 0), c.firstRow);
    }
    EXPECT_TRUE(selected().empty()) << "the selection stays as it was";

    document.undoManager().undo();
    EXPECT_EQ(document.graphics().size(), 8) << "each component is one undo step";
}

TEST_F(WebComponentsTest, BarsAndMenusAreNumberedLikeSections)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 0));
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 400));
    ASSERT_TRUE(drop(QStringLiteral("velk_navbar"), QPointF(100, 40)));
    const std::shared_ptr<SKTTable> bar = front();
    ASSERT_EQ(bar->gridType(), QStringLiteral("navbar"));
    EXPECT_EQ(bar->sectionNumber(), 3);
    for (const std::shared_ptr<myTextView>& cell : bar->cellHelperArray())
        EXPECT_EQ(cell->sectionNumber(), 3);
    EXPECT_EQ(bar->bounds(), QRectF(0, 40, 1200, 50)) << "a bar keeps its rectangle on a responsive page";

    // The menu fills the cell's width at the drop's height, and the next number is the bar's plus one.
    ASSERT_TRUE(drop(QStringLiteral("velk_dropdownmenu"), QPointF(100, 450)));
    const std::shared_ptr<SKTTable> menu = front();
    ASSERT_EQ(menu->gridType(), QStringLiteral("dropdownmenu"));
    EXPECT_EQ(menu->sectionNumber(), 4);
    EXPECT_EQ(menu->bounds().y(), 450);
    EXPECT_EQ(menu->bounds().height(), 250);
    EXPECT_EQ(rowTexts(*menu, 3), QStringList(4, QStringLiteral("Optional submenu item")));
}

TEST_F(WebComponentsTest, PanelsAndCaptionsSizeTheirRowsFromTheirRectangle)
{
    view->concludeDragOperation({QStringLiteral("velk_collapsible_image_panel")}, QPointF(300, 500));
    std::shared_ptr<SKTTable> panel = front();
    EXPECT_EQ(panel->bounds(), QRectF(0, 0, 400, 450));
    EXPECT_EQ(rowHeights(*panel), (QList<int>{315, 45, 90}));
    EXPECT_EQ(textOf(*panel, 1, 0), QStringLiteral("Panel header title"));
    EXPECT_TRUE(textOf(*panel, 2, 0).startsWith(QStringLiteral("Lorem ipsum dolor sit amet")));
    EXPECT_TRUE(textOf(*panel, 2, 0).endsWith(QStringLiteral("neque hendrerit sed.")));
    EXPECT_EQ(panel->grabSelectedTableCellHelper(0, 0)->fixedHeightFlag(), 0);
    EXPECT_EQ(panel->grabSelectedTableCellHelper(1, 0)->fixedHeightFlag(), 1);
    EXPECT_EQ(panel->grabSelectedTableCellHelper(2, 0)->fixedHeightFlag(), 1);
    EXPECT_EQ(panel->grabSelectedTableCellHelper(2, 0)->textAlignment(), QStringLiteral("left"));

    view->concludeDragOperation({QStringLiteral("velk_collapsible_text_panel")}, QPointF(300, 500));
    panel = front();
    EXPECT_EQ(rowHeights(*panel), (QList<int>{50, 100}));
    EXPECT_EQ(panel->grabSelectedTableCellHelper(1, 0)->width(), 400);

    view->concludeDragOperation({QStringLiteral("velk_text_carousel")}, QPointF(300, 500));
    const std::shared_ptr<SKTTable> carousel = front();
    EXPECT_EQ(
        rowTexts(*carousel, 1),
        QStringList(
            4,
            QStringLiteral(
                "Lorem ipsum dolor sit amet, consectetur adipiscing elit. Proin eget sem nec tellus blandit "
                "pellentesque. Fusce sit amet mi orci.")));
    EXPECT_EQ(rowTexts(*carousel, 2), QStringList(4, QStringLiteral("Testimony signature")));
    EXPECT_EQ(carousel->grabSelectedTableCellHelper(0, 2)->height(), 50);
    EXPECT_EQ(carousel->grabSelectedTableCellHelper(2, 3)->fixedHeightFlag(), 1);
    EXPECT_EQ(carousel->grabSelectedTableCellHelper(1, 0)->fixedHeightFlag(), 0);
}

TEST_F(WebComponentsTest, OnAResponsivePageAHoverCaptionFillsTheSectionCellAndJoinsIt)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    // Inside the section's side paddings of 5% each of its three columns is 600 wide.
    profile.sectionWidth = 2000;
    view->addSection({QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4")}, 3, QPointF(0, 100));
    const QPointF point(1000, 150);
    const QRect cell = view->grabOverLappingSectionCell(point);
    ASSERT_EQ(cell.width(), 600);
    ASSERT_EQ(view->grabOverLappingSectionCellView(point)->columnSpot(), 1);
    ASSERT_TRUE(drop(QStringLiteral("velk_photo_hover_caption"), point));
    const std::shared_ptr<SKTTable> caption = front();
    ASSERT_EQ(caption->gridType(), QStringLiteral("photo_hover_caption"));
    EXPECT_EQ(caption->bounds(), QRectF(cell.x(), 150, 600, 400)) << "the cell's x and width, the drop's y";
    EXPECT_EQ(caption->sectionNumber(), 1);
    EXPECT_EQ(caption->sectionColumnSpot(), 1);
    for (const std::shared_ptr<myTextView>& cell : caption->cellHelperArray()) {
        EXPECT_EQ(cell->width(), 600);
        EXPECT_EQ(cell->height(), 200);
        EXPECT_EQ(cell->textAlignment(), QStringLiteral("center"));
    }
    const std::shared_ptr<myTextView> text = caption->grabSelectedTableCellHelper(1, 0);
    EXPECT_EQ(text->textStorage()->toPlainText(), QStringLiteral("Image hover caption."));
    EXPECT_EQ(text->textHexColorString(), QStringLiteral("FFFFFF"));
    EXPECT_EQ(text->backgroundHexColorString(), QStringLiteral("4f4c4c"));
    EXPECT_EQ(text->colorString(), QStringLiteral("4f4c4c"));
}

} // namespace
