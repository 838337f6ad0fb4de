#include "ModelTestSupport.h"
#include "PictureTestSupport.h"

#include "model/PlainGraphicContext.h"
#include "model/SKTTable.h"
#include "model/records/MTextView.h"
#include "model/text/TextEditorFactory.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

namespace {

std::shared_ptr<myTextView> cell(int row, int column, int width, int height)
{
    auto record = myTextView::initWithFrame(QRectF(0, 0, width, height));
    record->setRowSpot(row);
    record->setColumnSpot(column);
    record->setWidth(width);
    record->setHeight(height);
    record->setTextStorage(std::make_shared<QTextDocument>());
    record->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
    record->setBorderHexColorString(QStringLiteral("000000"));
    record->setTextColorString(QStringLiteral("000000"));
    record->setFamilyName(QStringLiteral("DejaVu Sans"));
    record->setFontSize(12);
    return record;
}

// A table of rows x columns cells of one size, placed at `origin` with no box padding or margin.
std::shared_ptr<SKTTable> table(int rows, int columns, int width, int height, int padding, int border,
                                const QPointF& origin = {})
{
    myTextViewList cells;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            cells << cell(r, c, width, height);
    }
    const int gap = padding + border;
    const QRectF bounds(origin,
                        QSizeF((columns + 1) * gap + columns * width, (rows + 1) * gap + rows * height));
    auto t = std::make_shared<SKTTable>();
    EXPECT_TRUE(t->initWithProperties({{QStringLiteral("bounds"), Format::rect(bounds)},
                                       {QStringLiteral("numOfColumns"), QString::number(columns)},
                                       {QStringLiteral("numOfRows"), QString::number(rows)},
                                       {QStringLiteral("padding"), QString::number(padding)},
                                       {QStringLiteral("cellArray"), QVariant::fromValue(cells)}}));
    t->setBorderWidth(border);
    t->drawBoxModel();
    return t;
}

QList<int> widths(const SKTTable& t)
{
    QList<int> result;
    for (const auto& c : t.cellHelperArray())
        result << c->width();
    return result;
}

} // namespace

TEST(SKTTableTest, TotalsCountTheGapsOnBothSidesOfEveryColumn)
{
    const auto t = table(2, 3, 100, 40, 5, 1);
    EXPECT_EQ(t->tableTotalCellWidth(), 324);
    EXPECT_EQ(t->tableTotalCellHeight(), 3 * 6 + 80);
    t->setLeftPaddingInPx(2.5f);
    t->setRightMarginInPx(2.6f);
    EXPECT_EQ(t->tableTotalCellWidth(), 329) << "the box paddings and margins are summed before truncating";
}

TEST(SKTTableTest, ResizingSharesTheChangeAmongColumnsThatAreNotFixed)
{
    const auto t = table(2, 3, 100, 40, 5, 1);
    t->setBounds(QRectF(0, 0, 334, t->height()));
    EXPECT_EQ(widths(*t), QList<int>({103, 103, 103, 103, 103, 103}));
    EXPECT_EQ(t->width(), 334);

    const auto narrowed = table(1, 3, 100, 40, 5, 1);
    narrowed->grabSelectedTableCellHelper(0, 2)->setWidth(20);
    // Narrowing by 10 takes 3 from each cell of 21 or more, and nothing from the narrow one.
    narrowed->setBounds(QRectF(0, 0, narrowed->tableTotalCellWidth() - 10, narrowed->height()));
    EXPECT_EQ(widths(*narrowed), QList<int>({97, 97, 20}));

    const auto tiny = table(1, 1, 30, 40, 0, 0);
    tiny->setBounds(QRectF(0, 0, -500, tiny->height()));
    EXPECT_EQ(widths(*tiny), QList<int>({1})) << "no cell shrinks below one pixel";
}

TEST(SKTTableTest, ATableWithEveryColumnFixedKeepsTheWidthOfItsCells)
{
    const auto t = table(2, 2, 100, 40, 5, 1);
    for (const auto& c : t->cellHelperArray())
        c->setFixedWidthFlag(1);
    t->setBounds(QRectF(10, 20, 500, 200));
    EXPECT_EQ(t->bounds(), QRectF(10, 20, 218, 200));
    EXPECT_EQ(t->grabRowHeight(0), 40 + (200 - 98) / 2) << "the rows still follow";
}

TEST(SKTTableTest, PointsFindTheCellWhoseHitAreaHoldsThem)
{
    // Cells 100 x 40 with gaps of 6: the hit area of column 0 is x 10..109, of column 1 x 116..215; the
    // drawn cell 0 spans 16..115, so its last 6 pixels belong to no cell.
    const auto t = table(3, 4, 100, 40, 6, 0, QPointF(10, 20));
    struct Case {
        QPointF point;
        int row, column;
    };
    const Case cases[] = {
        {{10, 20}, 0, 0},      {{109.9, 59.9}, 0, 0}, {{110, 30}, -99, -99},
        {{115, 30}, -99, -99}, {{116, 30}, 0, 1},     {{30, 66}, 1, 0},
        {{30, 60}, -99, -99},  {{9, 30}, -99, -99},   {{340, 120}, 2, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(t->grabRowSpot(c.point.x(), c.point.y()), c.row) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(t->grabColumnSpot(c.point.x(), c.point.y()), c.column) << c.point.x() << "," << c.point.y();
    }
    EXPECT_EQ(t->grabSelectedCellRect(1, 2), QRect(10 + 2 * 106, 20 + 46, 100, 40));
    EXPECT_EQ(t->grabSelectedCellRect(-99, -99), QRect(10, 20, 0, 0));
    EXPECT_EQ(SKTTable().grabRowSpot(0, 0), -99);
}

TEST(SKTTableTest, SpotsCountOnInReadingOrder)
{
    const auto t = table(3, 4, 100, 40, 5, 1);
    const QPointF inCell12 = t->grabSelectedCellRect(1, 2).center();
    EXPECT_EQ(t->grabMaxNumToAdd(inCell12), 6);
    EXPECT_EQ(t->grabMaxNumToAdd(t->grabSelectedCellRect(0, 0).topLeft()), 12);
    EXPECT_EQ(t->grabMaxNumToAdd(QPointF(2000, 2000)), 0) << "outside every cell";
    EXPECT_EQ(t->grabNextSpot(0, 3), QPoint(1, 0));
    EXPECT_EQ(t->grabNextSpot(2, 1), QPoint(2, 2));
    EXPECT_EQ(t->grabNextSpot(2, 3), QPoint(3, 0)) << "rows are not bounded";
}

TEST(SKTTableTest, APictureTakesItsSpotAndReplacesTheOneThere)
{
    SKTTable t;
    const auto first = pictureRecord(10, 10, 0, 1);
    const auto second = pictureRecord(10, 10, 0, 1);
    t.addIntoImageArray(first);
    t.addIntoImageArray(second);
    EXPECT_EQ(t.imageArray(), TransformViewList({second}));
    const auto noRow = pictureRecord(10, 10, -99, 1);
    t.addIntoImageArray(noRow);
    EXPECT_EQ(t.imageArray(), TransformViewList({second})) << "a picture without a row is not added";
}

TEST(SKTTableTest, AveragesAreOverTheColumnsThatHaveCells)
{
    const auto t = table(2, 2, 100, 40, 0, 0);
    t->grabSelectedTableCellHelper(0, 1)->setWidth(60);
    EXPECT_FLOAT_EQ(t->averageColumnWidth(), 80.0f);
    t->setNumOfColumns(3);
    EXPECT_FLOAT_EQ(t->averageColumnWidth(), 80.0f) << "a column being added has no cells yet";
    EXPECT_FLOAT_EQ(table(1, 1, 70, 40, 0, 0)->averageColumnWidth(), 70.0f) << "one column";
    EXPECT_FLOAT_EQ(SKTTable().averageRowHeight(), 0.0f);
}

TEST(SKTTableTest, AligningGivesEveryCellTheSizeOfItsColumnAndRow)
{
    const auto t = table(2, 2, 100, 40, 0, 0);
    t->grabSelectedTableCellHelper(0, 1)->setWidth(70);
    t->grabSelectedTableCellHelper(0, 1)->setFixedWidthFlag(1);
    t->grabSelectedTableCellHelper(1, 0)->setHeight(25);
    t->alignCells();
    const auto c11 = t->grabSelectedTableCellHelper(1, 1);
    EXPECT_EQ(c11->width(), 70);
    EXPECT_EQ(c11->fixedWidthFlag(), 1);
    EXPECT_EQ(c11->height(), 25);
}

TEST(SKTTableTest, TheDictionaryGivesCountsAndGridTypeAndTheFirstCellGivesTheStyle)
{
    auto first = cell(0, 0, 50, 20);
    first->setBackgroundHexColorString(QStringLiteral("00FF00"));
    first->setTextAlignment(QStringLiteral("right"));
    first->setBorderHexColorString(QStringLiteral("0000FF"));
    first->setBorderWidth(3);
    first->textView()->setBorderLine(QStringLiteral("dashed"));
    first->textView()->setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    first->setAlphaValue(0.5);
    first->setVerticalAlignment(2);
    SKTTable t;
    ASSERT_TRUE(
        t.initWithProperties({{QStringLiteral("numOfColumns"), QStringLiteral("1")},
                              {QStringLiteral("numOfRows"), QStringLiteral("1")},
                              {QStringLiteral("cellArray"), QVariant::fromValue(myTextViewList{first})}}));
    EXPECT_EQ(t.gridType(), QStringLiteral("table"));
    EXPECT_EQ(t.fillColor(), QColor(0, 255, 0));
    EXPECT_EQ(t.fontAlignment(), 2);
    EXPECT_EQ(t.borderColor(), QColor(0, 0, 255));
    EXPECT_EQ(t.borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(t.borderWidth(), 3);
    EXPECT_EQ(t.fontFamily(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(t.fontSize(), 14);
    EXPECT_DOUBLE_EQ(t.opacity(), 0.5);
    EXPECT_EQ(t.verticalAlignment(), 2);

    t.setGridType(QStringLiteral("navbar"));
    const GraphicPropertyDictionary written = t.properties();
    EXPECT_EQ(written.value(QStringLiteral("gridType")), QStringLiteral("navbar"));
    EXPECT_EQ(written.value(QStringLiteral("numOfRows")), QStringLiteral("1"));
    EXPECT_FALSE(written.contains(QStringLiteral("cellArray")));
    EXPECT_FALSE(written.contains(QStringLiteral("padding")));
}

TEST(SKTTableTest, StylesReachTheMarkedCellsOnlyInProductsThatSelectCells)
{
    ScopedProfile profile;
    struct Case {
        bool cellSelection;
        bool mark;
        int changed;
    };
    const Case cases[] = {{true, true, 2}, {true, false, 12}, {false, true, 12}};
    for (const Case& c : cases) {
        profile->tableCellSelection = c.cellSelection;
        const auto t = table(3, 4, 100, 40, 0, 0);
        if (c.mark) {
            t->grabSelectedTableCellHelper(0, 1)->setSelected(1);
            t->grabSelectedTableCellHelper(2, 2)->setSelected(1);
        }
        t->setBorderHexColorString(QStringLiteral("FF0000"));
        t->updateBorderColor();
        int changed = 0;
        for (const auto& cell : t->cellHelperArray())
            changed += cell->borderHexColorString() == u"FF0000" ? 1 : 0;
        EXPECT_EQ(changed, c.changed) << c.cellSelection << c.mark;
        if (c.mark && c.cellSelection) {
            EXPECT_EQ(t->grabSelectedTableCellHelper(0, 1)->borderHexColorString(), QStringLiteral("FF0000"));
            EXPECT_EQ(t->grabSelectedTableCellHelper(2, 2)->borderHexColorString(), QStringLiteral("FF0000"));
        }
    }
}

TEST(SKTTableTest, StyleOperationsWriteTheCellsFieldsAndText)
{
    ScopedProfile profile;
    const auto t = table(1, 2, 100, 40, 0, 0);
    const auto c0 = t->grabSelectedTableCellHelper(0, 0);
    const auto c1 = t->grabSelectedTableCellHelper(0, 1);
    c0->textStorage()->setPlainText(QStringLiteral("left cell"));
    c1->setFamilyName(QStringLiteral("DejaVu Serif"));
    c1->setFontSize(20);

    t->setFontSize(16);
    t->updateFontSize();
    EXPECT_EQ(c1->fontSize(), 16);
    EXPECT_EQ(c1->familyName(), QStringLiteral("DejaVu Serif")) << "each cell keeps its family";
    t->setFontFamily(QStringLiteral("DejaVu Sans Mono"));
    t->grabSelectedTableCellHelper(0, 1)->setFontSize(22);
    t->updateFontFamily();
    EXPECT_EQ(c1->fontSize(), 22) << "each cell keeps its size";
    EXPECT_EQ(c1->familyName(), QStringLiteral("DejaVu Sans Mono"));

    for (const auto& [code, word, alignment] :
         {std::tuple{2, "right", Qt::AlignRight}, std::tuple{3, "justify", Qt::AlignJustify}}) {
        t->setFontAlignment(code);
        t->updateTextAlignment();
        EXPECT_EQ(c0->textAlignment(), QString::fromLatin1(word));
        EXPECT_EQ(c0->textStorage()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, alignment);
        t->setFontAlignment(0);
        t->setFontAlignment(code);
        t->refreshStyle();
        EXPECT_EQ(c0->textAlignment(), QString::fromLatin1(word));
    }

    t->setFillColor(Qt::transparent);
    t->setBackgroundHexColorString(QStringLiteral("123456"));
    t->updateBackgroundColor();
    EXPECT_EQ(c0->backgroundHexColorString(), QStringLiteral("CLEAR0"));
    EXPECT_EQ(c0->colorString(), QStringLiteral("CLEAR0"));

    c1->setFormType(QStringLiteral("text"));
    c1->setFormTag(4);
    c1->setGroupNumber(-98);
    t->refreshStyle();
    EXPECT_EQ(c1->formType(), QStringLiteral(""));
    EXPECT_EQ(c1->formTag(), -99);
    EXPECT_EQ(c1->formOptionTag(), -99);
    EXPECT_EQ(c1->groupNumber(), -99);
}

TEST(SKTTableTest, AMarkedCellGivesTheTableItsStyle)
{
    SKTTable t;
    const auto marked = cell(0, 0, 50, 20);
    marked->setBackgroundHexColorString(QStringLiteral(""));
    marked->setTextColorString(QStringLiteral("FF0000"));
    marked->setTextAlignment(QStringLiteral("center"));
    marked->setLineSpacing(1.5f);
    t.setFillColor(Qt::blue);
    t.reflectSelectedCellProperties(*marked);
    EXPECT_TRUE(GraphicProperties::isClearColor(t.fillColor())) << "an empty background is clear";
    EXPECT_EQ(t.fontColor(), QColor(Qt::red));
    EXPECT_EQ(t.textHexColorString(), QStringLiteral("FF0000"));
    EXPECT_EQ(t.fontAlignment(), 1);
    EXPECT_FLOAT_EQ(t.lineSpacing(), 1.5f);
}

TEST(SKTTableTest, PicturesAreFittedIntoTheirCellsAndCentred)
{
    ScopedProfile profile;
    profile->tableImages = true;
    struct Case {
        int width, height;
        QRectF placed;
    };
    const Case cases[] = {
        {400, 200, QRectF(0, 25, 100, 50)},
        {100, 400, QRectF(37, 0, 25, 100)},
    };
    for (const Case& c : cases) {
        const auto t = table(1, 1, 100, 100, 0, 0);
        const auto picture = pictureRecord(c.width, c.height, 0, 0, Qt::blue);
        t->setImageArray({picture});
        const QImage drawn = drawnOnWhite(*t, 100, 100);
        EXPECT_EQ(picture->galleryDimension(), c.placed);
        EXPECT_EQ(picture->frame(), c.placed);
        const QPoint inside = c.placed.center().toPoint();
        EXPECT_TRUE(isNear(drawn.pixel(inside), Qt::blue)) << c.width;
        const QPoint above(inside.x(), int(c.placed.top()) - 2);
        const QPoint left(int(c.placed.left()) - 2, inside.y());
        if (c.placed.top() > 2)
            EXPECT_TRUE(isNear(drawn.pixel(above), Qt::white)) << c.width;
        if (c.placed.left() > 2)
            EXPECT_TRUE(isNear(drawn.pixel(left), Qt::white)) << c.width;
    }
}

TEST(SKTTableTest, CellsAreFilledAndOutlinedAndTheirPlacesRecorded)
{
    ScopedProfile profile;
    const auto t = table(1, 2, 40, 30, 4, 2);
    t->setBorderStyle(QStringLiteral("solid"));
    const auto filled = t->grabSelectedTableCellHelper(0, 0);
    filled->setBackgroundHexColorString(QStringLiteral("00FF00"));
    filled->setBorderHexColorString(QStringLiteral("FF0000"));
    const auto empty = t->grabSelectedTableCellHelper(0, 1);
    empty->setBackgroundHexColorString(QStringLiteral(""));
    const QImage drawn = drawnOnWhite(*t, 120, 60);

    // Inside the border of 2 and the padding of 4 the cells start at 6; each is drawn one border further, the
    // first at (8, 8), 40 x 30, and its record holds where its text starts.
    EXPECT_TRUE(isNear(drawn.pixel(28, 23), Qt::green));
    EXPECT_TRUE(isNear(drawn.pixel(9, 23), Qt::red)) << "the border";
    EXPECT_TRUE(isNear(drawn.pixel(74, 23), Qt::white)) << "an empty background string is no fill";
    EXPECT_EQ(filled->originX(), 6);
    EXPECT_EQ(filled->originY(), 6);
    EXPECT_EQ(empty->originX(), 6 + 40 + 6);
    EXPECT_EQ(filled->partOfTableFlag(), 1);
    EXPECT_EQ(filled->borderStyle(), QStringLiteral("solid"));

    t->setBorderWidth(0);
    drawnOnWhite(*t, 120, 60);
    EXPECT_EQ(t->borderWidth(), 1) << "a drawn border style is at least one pixel wide";
}

TEST(SKTTableTest, AMarkedCellShowsACheckMarkInItsTopRightCorner)
{
    ScopedProfile profile;
    const auto t = table(1, 2, 60, 40, 0, 0);
    t->grabSelectedTableCellHelper(0, 1)->setSelected(1);
    const QImage drawn = drawnOnWhite(*t, 120, 40);
    const auto inkIn = [&](const QRect& area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                ink += isNear(drawn.pixel(x, y), Qt::white, 30) ? 0 : 1;
        }
        return ink;
    };
    EXPECT_GT(inkIn(QRect(100, 0, 20, 16)), 40) << "the marked cell";
    EXPECT_EQ(inkIn(QRect(40, 0, 20, 16)), 0) << "the unmarked cell";
    EXPECT_EQ(inkIn(QRect(100, 18, 20, 20)), 0) << "below the mark";
}

TEST(SKTTableTest, CellTextWithoutAnAlignmentIsDrawnLeftAligned)
{
    ScopedProfile profile;
    for (const QString& word : {QString(), QStringLiteral(""), QStringLiteral("right")}) {
        const auto t = table(1, 1, 200, 40, 0, 0);
        const auto c = t->grabSelectedTableCellHelper(0, 0);
        c->setTextAlignment(word);
        c->setFontSize(20);
        c->textStorage()->setPlainText(QStringLiteral("MM"));
        const QImage drawn = drawnOnWhite(*t, 200, 40);
        int leftmost = 200;
        for (int x = 0; x < 200 && leftmost == 200; ++x) {
            for (int y = 0; y < 40; ++y) {
                if (!isNear(drawn.pixel(x, y), Qt::white, 60)) {
                    leftmost = x;
                    break;
                }
            }
        }
        if (word == u"right")
            EXPECT_GT(leftmost, 100) << "right";
        else
            EXPECT_LT(leftmost, 20) << (word.isNull() ? "no alignment" : "empty alignment");
        EXPECT_GT(c->textHeight(), 0);
    }
}

namespace {

// Records the document and geometry of the editors asked for; the model has no widgets, so it makes none.
class RecordingEditorFactory : public TextEditorFactory {
public:
    QWidget* newEditor(QTextDocument& document, const TextEditorGeometry& geometry) override
    {
        editedDocument = &document;
        lastGeometry = geometry;
        return nullptr;
    }
    void finalizeEditor(QWidget*) override {}

    QTextDocument* editedDocument = nullptr;
    TextEditorGeometry lastGeometry;
};

} // namespace

TEST(SKTTableTest, TheCellUnderTheTouchIsEditedExceptInSections)
{
    RecordingEditorFactory factory;
    TextEditorFactory::setCurrent(&factory);
    ScopedContext<PlainGraphicContext> context;
    const auto t = table(2, 2, 100, 40, 5, 1);
    t->setSelectable(true);
    const QRect target = t->grabSelectedCellRect(1, 1);
    context.setLastTouchPoint(target.center());

    t->newEditingViewWithSuperviewBounds(QRectF(0, 0, 800, 600));
    EXPECT_EQ(factory.editedDocument, t->grabSelectedTableCellHelper(1, 1)->textStorage().get());
    EXPECT_EQ(t->selectedTextStorage(), t->grabSelectedTableCellHelper(1, 1)->textStorage());
    EXPECT_EQ(factory.lastGeometry.frame, QRectF(target));
    EXPECT_EQ(factory.lastGeometry.maxSize, QSizeF(100, 600 - target.y()));

    const auto refused = [&](const QString& why) {
        factory.editedDocument = nullptr;
        t->newEditingViewWithSuperviewBounds(QRectF(0, 0, 800, 600));
        EXPECT_EQ(factory.editedDocument, nullptr) << qPrintable(why);
    };
    for (const QString& type : {QStringLiteral("section"), QStringLiteral("sectionTemplate")}) {
        t->setGridType(type);
        refused(type);
    }
    t->setGridType(QStringLiteral("table"));
    t->setSelectable(false);
    refused(QStringLiteral("not selectable"));
    t->setSelectable(true);
    context.setLastTouchPoint(QPointF(2000, 2000));
    refused(QStringLiteral("outside every cell"));
    TextEditorFactory::setCurrent(nullptr);
}

TEST(SKTTableTest, TheSectionCellUnderAPointIsTheFirstSectionsInListOrder)
{
    ScopedProfile profile;
    const auto plain = table(1, 2, 100, 40, 0, 0, QPointF(0, 0));
    const auto first = table(1, 2, 100, 40, 0, 0, QPointF(0, 0));
    first->setGridType(QStringLiteral("section"));
    const auto second = table(1, 1, 300, 80, 0, 0, QPointF(0, 0));
    second->setGridType(QStringLiteral("sectionTemplate"));
    const GraphicList graphics = {plain, first, second};

    EXPECT_EQ(SKTTable::grabOverLappingSectionCell(graphics, QPointF(150, 10)), QRect(100, 0, 100, 40));
    EXPECT_EQ(SKTTable::grabOverLappingSectionCell(graphics, QPointF(250, 60)), QRect(0, 0, 300, 80))
        << "a point the first section does not hold";
    EXPECT_TRUE(SKTTable::grabOverLappingSectionCell(graphics, QPointF(400, 10)).isNull());
    EXPECT_TRUE(SKTTable::grabOverLappingSectionCell({plain}, QPointF(10, 10)).isNull())
        << "only sections count";

    first->setTopMarginType(QStringLiteral("pixel"));
    first->setTopPaddingType(QStringLiteral("pixel"));
    first->setBottomPaddingType(QStringLiteral("pixel"));
    first->setTopMargin(5);
    first->setTopPadding(3);
    first->setBottomPadding(4);
    const QRect plainCell = SKTTable::grabOverLappingSectionCell(graphics, QPointF(150, 10));
    profile->responsiveDesign = true;
    EXPECT_EQ(SKTTable::grabOverLappingSectionCell(graphics, QPointF(150, 10)), plainCell.adjusted(0, 8, 0, 4))
        << "below the top margin and padding, above the bottom ones";
}

TEST(SKTTableTest, TheBackgroundPictureShowsTheBoxSizedPartOfItUnscaled)
{
    ScopedProfile profile;
    const auto t = table(1, 1, 40, 40, 0, 0, QPointF(10, 10));
    auto background = pictureRecord(200, 200);
    background->setImage(splitPicture(200, 200, Qt::red, Qt::blue));
    t->setTableBackgroundArray({background});
    t->setTableBackgroundImage(background);
    const QImage drawn = drawnOnWhite(*t, 80, 80);
    EXPECT_TRUE(isNear(drawn.pixel(30, 45), Qt::red)) << "scaled to the box it would be blue here";
    EXPECT_TRUE(isNear(drawn.pixel(5, 5), Qt::white)) << "nothing outside the box";
    EXPECT_TRUE(isNear(drawn.pixel(55, 30), Qt::white));
}
