#include "../input/CanvasInputTestSupport.h"

#include "model/SKTImage.h"
#include "model/SKTTable.h"

#include <QDir>
#include <QFile>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

// Duplicating tables and sections: new records, new picture names with copies of their kept originals, a
// new section number, and the placement of pasted sections.

namespace {

class TableDuplicationTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        document.setPagePath(pathInHome(QStringLiteral("Home.html")));
        ASSERT_TRUE(QDir(homePath()).mkpath(QStringLiteral("Home")));
    }

    QString pageFile(const QString& name) const { return pathInHome(QStringLiteral("Home/") + name); }
    void writeFile(const QString& name, const QByteArray& contents) const
    {
        QFile file(pageFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QByteArray readFile(const QString& name) const
    {
        QFile file(pageFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
    }

    // A table of 3 rows and 2 columns, cell (r, c) reading "r c", in section 4 and group 7;
    // its pictures have the names given, in cells (0, 0), (0, 1) ...
    std::shared_ptr<SKTTable> addTable(const QRectF& bounds, const QStringList& pictureNames = {},
                                       const QString& gridType = QStringLiteral("table"))
    {
        myTextViewList cells;
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 2; ++c) {
                auto cell = SKTGraphicView::createNewTableCell();
                cell->textStorage()->setPlainText(QStringLiteral("%1 %2").arg(r).arg(c));
                cell->setRowSpot(r);
                cell->setColumnSpot(c);
                cell->setWidth(80 + c);
                cell->setHeight(30 + r);
                cell->setTextColorString(QStringLiteral("AA000%1").arg(r));
                cell->setSectionNumber(4);
                cell->setLink(QStringLiteral("page%1.html").arg(r));
                cells << cell;
            }
        }
        TransformViewList pictures;
        for (int i = 0; i < pictureNames.size(); ++i) {
            auto picture = std::make_shared<TransformView>();
            QImage image(40 + i, 20, QImage::Format_RGB32);
            image.fill(Qt::red);
            picture->setImage(image);
            picture->setImageName(pictureNames.at(i));
            picture->setImageType(QStringLiteral("PNG"));
            picture->setRowSpot(0);
            picture->setColumnSpot(i);
            picture->setLink(QStringLiteral("https://example.com/%1").arg(i));
            picture->setGroupNumber(3);
            pictures << picture;
        }
        auto table = std::make_shared<SKTTable>();
        table->initWithProperties({{QStringLiteral("bounds"), Format::rect(bounds)},
                                   {QStringLiteral("numOfColumns"), QStringLiteral("2")},
                                   {QStringLiteral("numOfRows"), QStringLiteral("3")},
                                   {QStringLiteral("padding"), QStringLiteral("4")},
                                   {QStringLiteral("gridType"), gridType},
                                   {QStringLiteral("sectionNumber"), QStringLiteral("4")},
                                   {QStringLiteral("borderStyle"), QStringLiteral("solid")},
                                   {QStringLiteral("borderHexColorString"), QStringLiteral("123456")},
                                   {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
                                   {QStringLiteral("imageArray"), QVariant::fromValue(pictures)}});
        table->setGroupNumber(7);
        table->setSelectable(true);
        document.insertGraphics({table}, {int(document.graphics().size())});
        return table;
    }
    std::shared_ptr<SKTTable> front() const
    {
        return std::dynamic_pointer_cast<SKTTable>(document.graphics().first());
    }
};

TEST_F(TableDuplicationTest, TheCopyHasNewCellsWithPlainTextTheSameStylesAndANewSection)
{
    const auto source = addTable(QRectF(20, 30, 200, 120));
    // One bold word: the copy keeps the word, not the bold.
    QTextCursor cursor(source->grabSelectedTableCellHelper(1, 1)->textStorage().get());
    cursor.select(QTextCursor::Document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    selection.setSelectedGraphics({source});
    const QRectF before = source->bounds();
    forgetUndo();

    QAction* item = view->menuForEvent(QPointF(50, 50))->findChild<QAction*>(QStringLiteral("duplicate"));
    ASSERT_TRUE(item && item->isVisible());
    item->trigger();

    const std::shared_ptr<SKTTable> copy = front();
    ASSERT_TRUE(copy);
    ASSERT_NE(copy, source);
    EXPECT_EQ(view->selectedGraphics(), GraphicList({source})) << "the selection stays";
    EXPECT_EQ(copy->bounds(), before);
    EXPECT_EQ(copy->borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(copy->borderHexColorString(), source->borderHexColorString());
    EXPECT_EQ(copy->groupNumber(), 7);
    EXPECT_EQ(copy->padding(), 4);
    EXPECT_EQ(copy->sectionNumber(), 5);
    ASSERT_EQ(copy->cellHelperArray().size(), 6);
    for (const std::shared_ptr<myTextView>& cell : copy->cellHelperArray()) {
        const int r = cell->rowSpot();
        const int c = cell->columnSpot();
        const std::shared_ptr<myTextView> original = source->grabSelectedTableCellHelper(r, c);
        EXPECT_NE(cell, original);
        EXPECT_EQ(cell->textStorage()->toPlainText(), QStringLiteral("%1 %2").arg(r).arg(c));
        EXPECT_EQ(cell->width(), original->width());
        EXPECT_EQ(cell->height(), original->height());
        EXPECT_EQ(cell->textColorString(), original->textColorString());
        EXPECT_EQ(cell->link(), original->link());
        EXPECT_EQ(cell->sectionNumber(), 5);
    }
    const QTextCharFormat copied =
        QTextCursor(copy->grabSelectedTableCellHelper(1, 1)->textStorage().get()).charFormat();
    EXPECT_NE(copied.fontWeight(), QFont::Bold);
    EXPECT_EQ(source->interimTranslatedY(), 0);
    undoStack().undo();
    EXPECT_EQ(document.graphics(), GraphicList({source})) << "the copy is one undo step";
}

TEST_F(TableDuplicationTest, PicturesGetTheNextFreeNamesAndCopiesOfTheirKeptOriginals)
{
    auto image = std::make_shared<SKTImage>();
    image->setImageName(QStringLiteral("image9"));
    image->setBounds(QRectF(300, 200, 10, 10));
    document.insertGraphics({image}, {0});
    const auto source =
        addTable(QRectF(20, 30, 200, 120), {QStringLiteral("image4"), QStringLiteral("image7")});
    writeFile(QStringLiteral("image4o.PNG"), "original four");
    writeFile(QStringLiteral("image7o.PNG"), "original seven");

    const std::shared_ptr<SKTTable> copy = view->duplicateTable(source, 0);
    ASSERT_EQ(copy, front());
    ASSERT_EQ(copy->imageArray().size(), 2);
    const std::shared_ptr<TransformView> first = copy->grabSelectedImageAtSpot(0, 0);
    const std::shared_ptr<TransformView> second = copy->grabSelectedImageAtSpot(0, 1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->imageName(), QStringLiteral("image10"));
    EXPECT_EQ(second->imageName(), QStringLiteral("image11"));
    EXPECT_EQ(readFile(QStringLiteral("image10o.PNG")), QByteArray("original four"));
    EXPECT_EQ(readFile(QStringLiteral("image11o.PNG")), QByteArray("original seven"));
    EXPECT_EQ(readFile(QStringLiteral("image4o.PNG")), QByteArray("original four"));
    EXPECT_EQ(first->originalWidth(), 40);
    EXPECT_EQ(second->originalWidth(), 41);
    EXPECT_EQ(first->link(), QStringLiteral("https://example.com/0"));
    EXPECT_EQ(first->groupNumber(), -99);
    EXPECT_EQ(first->galleryNumber(), -99);
    EXPECT_EQ(first->slideShowNumber(), -99);

    // A second copy does not take the names of the first: table pictures count as names in use.
    const std::shared_ptr<SKTTable> again = view->duplicateTable(source, 0);
    EXPECT_EQ(again->grabSelectedImageAtSpot(0, 0)->imageName(), QStringLiteral("image12"));
}

TEST_F(TableDuplicationTest, APastedSectionGoesToTheGivenHeightOnlyWhenPastingInPlace)
{
    const auto section = addTable(QRectF(0, 600, 400, 120), {}, QStringLiteral("section"));
    const auto table = addTable(QRectF(0, 900, 400, 120));
    EXPECT_EQ(view->duplicateTable(section, 250)->bounds().y(), 600);
    EXPECT_EQ(section->interimTranslatedY(), 0);

    DataCentre::mutableProfile().pasteInPlace = true;
    const std::shared_ptr<SKTTable> copy = view->duplicateTable(section, 250);
    EXPECT_EQ(copy->bounds(), QRectF(0, 250, 400, 120));
    EXPECT_EQ(copy->gridType(), QStringLiteral("section"));
    EXPECT_EQ(section->interimTranslatedY(), 350);
    EXPECT_EQ(view->duplicateTable(table, 250)->bounds().y(), 900) << "a plain table keeps its place";
}

TEST_F(TableDuplicationTest, ABackgroundPictureIsCopiedUnderItsOwnName)
{
    const auto plain = addTable(QRectF(0, 0, 200, 120));
    EXPECT_TRUE(view->duplicateTable(plain, 0)->tableBackgroundArray().isEmpty());

    const auto source = addTable(QRectF(0, 200, 200, 120), {QStringLiteral("image2")});
    auto background = std::make_shared<TransformView>();
    background->setImage(QImage(10, 10, QImage::Format_RGB32));
    background->setImageName(QStringLiteral("image3"));
    background->setImageType(QStringLiteral("JPG"));
    background->setForceNonRetinaFlag(1);
    source->setTableBackgroundImage(background);
    writeFile(QStringLiteral("image3o.JPG"), "backdrop");
    const std::shared_ptr<SKTTable> copy = view->duplicateTable(source, 0);
    ASSERT_EQ(copy->tableBackgroundArray().size(), 1);
    const std::shared_ptr<TransformView> copied = copy->tableBackgroundArray().first();
    EXPECT_EQ(copied->imageName(), QStringLiteral("image5"));
    EXPECT_EQ(copied->forceNonRetinaFlag(), 1);
    EXPECT_EQ(copied->rowSpot(), -99);
    EXPECT_EQ(readFile(QStringLiteral("image5o.JPG")), QByteArray("backdrop"));
}

} // namespace
