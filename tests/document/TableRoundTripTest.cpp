#include "HtmlParsing.h"
#include "PageAssemblyTestSupport.h"

#include "model/SKTTable.h"
#include "model/records/MTextView.h"

#include <QCoreApplication>
#include <QTextDocument>

// A page holding a table is written with the table's rule and its cells as text boxes, opens again as a
// table with its cells and pictures, and can be saved again.

namespace {

using namespace PageObjects;

std::shared_ptr<myTextView> textCell(int row, int column, const QString& text)
{
    auto cell = myTextView::initWithFrame(QRectF(0, 0, 90, 40));
    cell->setRowSpot(row);
    cell->setColumnSpot(column);
    cell->setWidth(90);
    cell->setHeight(40);
    cell->setTableNumber(-99);
    cell->setTextStorage(std::make_shared<QTextDocument>(text));
    cell->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
    cell->setBorderHexColorString(QStringLiteral("000000"));
    cell->setTextColorString(QStringLiteral("000000"));
    cell->setTextAlignment(QStringLiteral("left"));
    cell->setFamilyName(QStringLiteral("Lato"));
    cell->setFontSize(14);
    cell->textView()->setFont(QFont(QStringLiteral("Lato"), 14));
    cell->textView()->setBorderLine(QStringLiteral("solid"));
    cell->setBorderWidth(1);
    cell->setGroupNumber(-99);
    cell->setSectionNumber(-99);
    cell->setSectionRowSpot(-99);
    cell->setSectionColumnSpot(-99);
    return cell;
}

std::shared_ptr<TransformView> cellPicture(int row, int column)
{
    auto picture = TransformView::initWithFrame(QRectF(0, 0, 80, 40));
    picture->setImageName(QStringLiteral("image3"));
    picture->setImageType(QStringLiteral("PNG"));
    QImage pixels(80, 40, QImage::Format_ARGB32);
    pixels.fill(Qt::blue);
    picture->setImage(pixels);
    picture->setOriginalWidth(80);
    picture->setOriginalHeight(40);
    picture->setSelectable(1);
    picture->setAlpha(1.0f);
    picture->setSlideShowNumber(-99);
    picture->setGalleryNumber(-99);
    picture->setRowSpot(row);
    picture->setColumnSpot(column);
    return picture;
}

const QStringList kTexts = {"Apples", "Pears & plums", "<b>not bold</b>", "Figs", "", "Kiwis"};

class TableRoundTripTest : public ReopenedPageTest {
protected:
    void SetUp() override
    {
        ReopenedPageTest::SetUp();
        DataCentre::mutableProfile().tableImages = true;
    }

    // 2 rows of 3 cells 90 x 40, padding 4 and (from the first cell) a border of 1, a picture in the empty
    // cell (1, 1); the bounds are the cells' total.
    std::shared_ptr<SKTTable> buildTable()
    {
        myTextViewList cells;
        for (int i = 0; i < 6; ++i)
            cells << textCell(i / 3, i % 3, kTexts.at(i));
        auto table = std::make_shared<SKTTable>();
        table->initWithProperties(
            {{QStringLiteral("bounds"), QStringLiteral("{{40, 50}, {290, 95}}")},
             {QStringLiteral("numOfColumns"), QStringLiteral("3")},
             {QStringLiteral("numOfRows"), QStringLiteral("2")},
             {QStringLiteral("padding"), QStringLiteral("4")},
             {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
             {QStringLiteral("imageArray"), QVariant::fromValue(TransformViewList{cellPicture(1, 1)})}});
        table->setGroupNumber(-99);
        table->setSectionNumber(-99);
        table->setSectionRowSpot(-99);
        table->setSectionColumnSpot(-99);
        return table;
    }
};

TEST_F(TableRoundTripTest, ATableOpensWithItsCellsAndPictureAndSavesTheSameText)
{
    add(textBox(QStringLiteral("Heading"), QRectF(40, 10, 200, 30)));
    add(buildTable());
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString saved = pageTextIn(location, QStringLiteral("home.html"));
    ASSERT_TRUE(saved.contains(QStringLiteral(".tableGrid0{position:absolute;left:40px;top:50px;")));
    EXPECT_TRUE(htmlErrors(saved.toUtf8()).isEmpty()) << qPrintable(htmlErrors(saved.toUtf8()).join('\n'));
    const QStringList bodyTexts = htmlTexts(saved.toUtf8(), "//div[starts-with(@class,'text')]");
    EXPECT_TRUE(bodyTexts.contains(QStringLiteral("<b>not bold</b>"))) << "typed markup stays text";

    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    QCoreApplication::processEvents();
    EXPECT_TRUE(opened.savingRefusal().isEmpty()) << "a page with a table can be saved";
    ASSERT_EQ(opened.graphics().size(), 2)
        << "the cells and the picture are the table's, not objects of their own";
    const auto table = std::dynamic_pointer_cast<SKTTable>(opened.graphics().at(1));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->numOfRows(), 2);
    EXPECT_EQ(table->numOfColumns(), 3);
    EXPECT_EQ(table->padding(), 4);
    EXPECT_EQ(table->gridType(), QStringLiteral("table"));
    ASSERT_EQ(table->cellHelperArray().size(), 6);
    for (int i = 0; i < 6; ++i) {
        const auto cell = table->grabSelectedTableCellHelper(i / 3, i % 3);
        ASSERT_TRUE(cell) << i;
        EXPECT_EQ(cell->textStorage()->toPlainText(), kTexts.at(i)) << i;
        EXPECT_EQ(cell->width(), 90) << i;
    }
    ASSERT_EQ(table->imageArray().size(), 1);
    const auto picture = table->grabSelectedImageAtSpot(1, 1);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image().pixelColor(5, 5), QColor(Qt::blue));

    EXPECT_EQ(opened.generateSourceCode(opened.pageName(), 0), saved);
    const QString copy = pathInHome(QStringLiteral("documents/copy.velk"));
    ASSERT_TRUE(opened.saveThisPage(copy, 0));
    EXPECT_EQ(pageTextIn(copy, QStringLiteral("home.html")), saved);
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(TableRoundTripTest, TablesAreNumberedFromTheLastAndCellsCarryTheirTableAndSpot)
{
    const auto first = buildTable();
    const auto second = buildTable();
    second->setYPosition(300);
    add(first);
    add(second);
    const QString page = storedPage();
    EXPECT_FALSE(lineStartingWith(page, QStringLiteral(".tableGrid1{")).isEmpty());
    EXPECT_EQ(first->grabSelectedTableCellHelper(0, 0)->tableNumber(), 1);
    EXPECT_EQ(second->grabSelectedTableCellHelper(0, 0)->tableNumber(), 0);
    EXPECT_EQ(first->imageArray().first()->tableNumber(), 1);
    // Cell (1, 2) of the first table lies inside the table's border of 1, past the padding and two columns
    // with their gaps of 5.
    const auto cell = first->grabSelectedTableCellHelper(1, 2);
    EXPECT_EQ(cell->originX(), 40 + 1 + 4 + 2 * (90 + 5));
    EXPECT_EQ(cell->originY(), 50 + 1 + 4 + 40 + 5);
    EXPECT_TRUE(page.contains(QStringLiteral("tableNumber:1;tableRowSpot:1;tableColumnSpot:2;")));
}

} // namespace
