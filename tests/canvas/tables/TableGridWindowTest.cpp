#include "../view/CanvasTestSupport.h"

#include "canvas/tables/TableGridEditor.h"
#include "canvas/tables/TableGridWindowController.h"
#include "canvas/tables/TableStructure.h"
#include "model/SKTTable.h"
#include "platform/Format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {

// A table of `rows` x `columns` cells, column c (c + 1) * 20 + 40 wide and every row 30 high, 5 apart
// with borders of 1; row r's cells carry the text colour "00000r".
std::shared_ptr<SKTTable> makeTable(int rows, int columns)
{
    myTextViewList cells;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto cell = TableStructure::createNewTableCell();
            cell->setRowSpot(r);
            cell->setColumnSpot(c);
            cell->setWidth((c + 1) * 20 + 40);
            cell->setHeight(30);
            cell->setTextColorString(QStringLiteral("00000%1").arg(r));
            cells << cell;
        }
    }
    auto table = std::make_shared<SKTTable>();
    table->initWithProperties({{QStringLiteral("bounds"), Format::rect(QRectF(20, 20, 300, 150))},
                               {QStringLiteral("numOfColumns"), QString::number(columns)},
                               {QStringLiteral("numOfRows"), QString::number(rows)},
                               {QStringLiteral("padding"), QStringLiteral("5")},
                               {QStringLiteral("borderWidth"), QStringLiteral("1")},
                               {QStringLiteral("cellArray"), QVariant::fromValue(cells)}});
    table->setSelectable(true);
    table->setBounds(QRectF(QPointF(20, 20), QSizeF(table->tableTotalCellWidth(), table->tableTotalCellHeight())));
    return table;
}

int cellCount(const SKTTable& table, int row, int column)
{
    int count = 0;
    for (const std::shared_ptr<myTextView>& cell : table.cellHelperArray())
        count += cell->rowSpot() == row && cell->columnSpot() == column;
    return count;
}

// A canvas holding one selected table of 3 rows and 4 columns; the table grid window is opened as the user
// opens it, from the canvas's context menu.
class TableGridWindowTest : public CanvasTest {
protected:
    void SetUp() override
    {
        CanvasTest::SetUp();
        table = makeTable(3, 4);
        document.insertGraphics({table}, {0});
        selection.setSelectedGraphics({table});
    }

    TableGridWindowController& openSheet()
    {
        QMenu* menu = view->menuForEvent(table->bounds().center());
        QAction* item = menu->findChild<QAction*>(QStringLiteral("configureTableGrid"));
        EXPECT_TRUE(item && item->isVisible());
        item->trigger();
        TableGridWindowController* sheet = view->tableGridEditor().tableGridWindowController();
        EXPECT_NE(sheet, nullptr);
        EXPECT_TRUE(sheet->isVisible());
        return *sheet;
    }
    template <typename T> T* control(QWidget& sheet, const char* name)
    {
        T* found = sheet.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void save(QWidget& sheet) { control<QPushButton>(sheet, "saveButton")->click(); }

    std::shared_ptr<SKTTable> table;
};

} // namespace

TEST_F(TableGridWindowTest, OpensFilledFromTheSelectedTable)
{
    DataCentre::mutableProfile().sameWidthTableColumns = true;
    TableGridWindowController& sheet = openSheet();
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Configure Table Grid"));
    EXPECT_FALSE(sheet.isModal()) << "an ordinary window: the table changes while it is open";
    auto* columns = control<QComboBox>(sheet, "columnWidthPopUpButton");
    ASSERT_EQ(columns->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(columns->itemText(i), QStringLiteral("Column %1").arg(i + 1));
    EXPECT_EQ(control<QComboBox>(sheet, "rowHeightPopUpButton")->count(), 3);
    EXPECT_EQ(control<QComboBox>(sheet, "rowHeightPopUpButton")->itemText(2), QStringLiteral("Row 3"));
    EXPECT_EQ(control<QLineEdit>(sheet, "numOfColumnsTextField")->text(), QStringLiteral("4"));
    EXPECT_EQ(control<QLineEdit>(sheet, "numOfRowsTextField")->text(), QStringLiteral("3"));
    EXPECT_EQ(control<QLineEdit>(sheet, "spacingTextField")->text(), QStringLiteral("5"));
    EXPECT_EQ(control<QLineEdit>(sheet, "widthTextField")->text(), QStringLiteral("60"));
    EXPECT_EQ(control<QLineEdit>(sheet, "heightTextField")->text(), QStringLiteral("30"));
    for (const char* name : {"columnStepper", "rowStepper"})
        EXPECT_EQ(control<QSpinBox>(sheet, name)->minimum(), 1) << name;
    auto* slider = control<QSlider>(sheet, "spacingSlider");
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 40);
    EXPECT_EQ(slider->value(), 5);
    EXPECT_EQ(control<QCheckBox>(sheet, "fixedWidthCheckmark")->text(), QStringLiteral("Fixed"));
    EXPECT_EQ(control<QCheckBox>(sheet, "sameWidthForAllColumnsCheckmark")->text(),
              QStringLiteral("Make all columns the same width"));
    EXPECT_EQ(control<QCheckBox>(sheet, "sameHeightForAllRowsCheckmark")->text(),
              QStringLiteral("Make all rows the same height"));
}

TEST_F(TableGridWindowTest, ProductsWithoutPerColumnSizesSeeOnlyCountsSpacingAndSave)
{
    TableGridWindowController& sheet = openSheet();
    for (const char* name : {"columnWidthPopUpButton", "fixedWidthCheckmark", "widthTextField", "rowHeightPopUpButton",
                             "fixedHeightCheckmark", "heightTextField", "columnWidthLabel", "rowHeightLabel",
                             "sameWidthForAllColumnsCheckmark", "sameHeightForAllRowsCheckmark"})
        EXPECT_FALSE(control<QWidget>(sheet, name)->isVisible()) << name;
    for (const char* name : {"numOfColumnsTextField", "numOfRowsTextField", "columnStepper", "rowStepper",
                             "spacingTextField", "spacingSlider", "saveButton"})
        EXPECT_TRUE(control<QWidget>(sheet, name)->isVisible()) << name;
}

TEST_F(TableGridWindowTest, CountsAndSpacingWaitForSave)
{
    TableGridWindowController& sheet = openSheet();
    control<QSpinBox>(sheet, "columnStepper")->stepUp();
    control<QSlider>(sheet, "spacingSlider")->setValue(12);
    EXPECT_EQ(control<QLineEdit>(sheet, "numOfColumnsTextField")->text(), QStringLiteral("5"));
    EXPECT_EQ(control<QLineEdit>(sheet, "spacingTextField")->text(), QStringLiteral("12"));
    EXPECT_EQ(table->numOfColumns(), 4);
    EXPECT_EQ(table->padding(), 5);

    save(sheet);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(table->numOfColumns(), 5);
    EXPECT_EQ(table->padding(), 12);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(cellCount(*table, row, 4), 1) << row;
    EXPECT_EQ(table->bounds().width(), table->tableTotalCellWidth());
}

TEST_F(TableGridWindowTest, AnEmptySpacingFieldLeavesTheSpacing)
{
    TableGridWindowController& sheet = openSheet();
    control<QLineEdit>(sheet, "spacingTextField")->clear();
    save(sheet);
    EXPECT_EQ(table->padding(), 5);
}

TEST_F(TableGridWindowTest, TypedSizesAndFixedMarksApplyAtOnceToTheChosenColumnOrRow)
{
    DataCentre::mutableProfile().sameWidthTableColumns = true;
    TableGridWindowController& sheet = openSheet();
    auto* columns = control<QComboBox>(sheet, "columnWidthPopUpButton");
    columns->setCurrentIndex(1);
    Q_EMIT columns->activated(1);
    auto* width = control<QLineEdit>(sheet, "widthTextField");
    EXPECT_EQ(width->text(), QStringLiteral("80"));
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("120"));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(table->grabSelectedTableCellHelper(row, 1)->width(), 120) << row;
    EXPECT_EQ(table->grabSelectedTableCellHelper(0, 0)->width(), 60);

    auto* rows = control<QComboBox>(sheet, "rowHeightPopUpButton");
    rows->setCurrentIndex(1);
    Q_EMIT rows->activated(1);
    control<QCheckBox>(sheet, "fixedHeightCheckmark")->click();
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(table->grabSelectedTableCellHelper(1, column)->fixedHeightFlag(), 1) << column;
    EXPECT_EQ(table->grabSelectedTableCellHelper(0, 0)->fixedHeightFlag(), 0);
}

TEST_F(TableGridWindowTest, SameSizeBoxesDisableTheSizeControlsAndEqualiseOnSave)
{
    DataCentre::mutableProfile().sameWidthTableColumns = true;
    // Rows 30, 60 and 30 high: 144 with the four gaps of 6.
    for (int column = 0; column < 4; ++column)
        table->grabSelectedTableCellHelper(1, column)->setHeight(60);
    table->setBounds(QRectF(QPointF(20, 20), QSizeF(table->tableTotalCellWidth(), table->tableTotalCellHeight())));
    ASSERT_EQ(table->bounds().height(), 144);
    TableGridWindowController& sheet = openSheet();
    auto* sameHeight = control<QCheckBox>(sheet, "sameHeightForAllRowsCheckmark");
    sameHeight->click();
    EXPECT_FALSE(control<QWidget>(sheet, "rowHeightPopUpButton")->isEnabled());
    EXPECT_FALSE(control<QWidget>(sheet, "heightTextField")->isEnabled());
    EXPECT_TRUE(control<QWidget>(sheet, "widthTextField")->isEnabled());
    save(sheet);
    EXPECT_EQ(table->sameHeightForAllRowsFlag(), 1);
    for (const std::shared_ptr<myTextView>& cell : table->cellHelperArray())
        EXPECT_EQ(cell->height(), 40);
}

TEST_F(TableGridWindowTest, TheCommandIsOfferedOnlyForOneSelectedTableThatIsNoSection)
{
    const auto offered = [&] {
        view->menuForEvent(QPointF(1, 1));
        return view->menu()->findChild<QAction*>(QStringLiteral("configureTableGrid"))->isVisible();
    };
    EXPECT_TRUE(offered());
    selection.setSelectedGraphics({});
    EXPECT_FALSE(offered());
    table->setGridType(QStringLiteral("section"));
    selection.setSelectedGraphics({table});
    EXPECT_FALSE(offered());
}

TEST(TableStructureTest, NewRowsCopyTheRowAboveAndNewColumnsTheColumnToTheLeft)
{
    DataCentre::resetProfile();
    const std::shared_ptr<SKTTable> table = makeTable(3, 3);
    table->setNumOfRows(5);
    table->setNumOfColumns(4);
    TableStructure::refreshTable(*table);
    EXPECT_EQ(table->cellHelperArray().size(), 20);
    for (int row = 3; row < 5; ++row) {
        const auto cell = table->grabSelectedTableCellHelper(row, 1);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->textColorString(), QStringLiteral("000002")) << "styled after the row above";
        EXPECT_EQ(cell->width(), 80) << "as wide as its column";
        EXPECT_EQ(cell->height(), 30) << "as high as row 0";
    }
    // Without per-column sizes a new column is as wide as column 0, over every row, new ones too.
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(table->grabSelectedTableCellHelper(row, 3)->width(), 60) << row;

    table->setNumOfRows(2);
    table->setNumOfColumns(2);
    TableStructure::refreshTable(*table);
    EXPECT_EQ(table->cellHelperArray().size(), 4);
    EXPECT_EQ(table->bounds().width(), table->tableTotalCellWidth());
    EXPECT_EQ(table->bounds().height(), table->tableTotalCellHeight());
}

TEST(TableStructureTest, WithPerColumnSizesANewColumnTakesTheMeanWidth)
{
    DataCentre::resetProfile();
    DataCentre::mutableProfile().sameWidthTableColumns = true;
    const std::shared_ptr<SKTTable> table = makeTable(2, 3); // widths 60, 80, 100
    table->setNumOfColumns(4);
    TableStructure::refreshTable(*table);
    EXPECT_EQ(table->grabSelectedTableCellHelper(1, 3)->width(), 80);
    DataCentre::resetProfile();
}

namespace {

TEST_F(TableGridWindowTest, SameHeightSharesTheTableHeightLessTheGapsAmongTheRows)
{
    DataCentre::mutableProfile().sameWidthTableColumns = true;
    table = makeTable(4, 2);
    table->setBounds(QRectF(20, 20, 200, 200));
    ASSERT_EQ(table->bounds().height(), 200);
    document.insertGraphics({table}, {0});
    selection.setSelectedGraphics({table});
    TableGridWindowController& sheet = openSheet();
    control<QCheckBox>(sheet, "sameHeightForAllRowsCheckmark")->click();
    save(sheet);
    // (200 - 5 gaps of 6) / 4 = 42.5
    for (const std::shared_ptr<myTextView>& cell : table->cellHelperArray())
        EXPECT_EQ(cell->height(), 42);
}

TEST_F(TableGridWindowTest, TheRowStepperChangesTheTableOnlyOnSave)
{
    TableGridWindowController& sheet = openSheet();
    auto* stepper = control<QSpinBox>(sheet, "rowStepper");
    stepper->stepUp();
    stepper->stepUp();
    EXPECT_EQ(control<QLineEdit>(sheet, "numOfRowsTextField")->text(), QStringLiteral("5"));
    EXPECT_EQ(table->numOfRows(), 3);
    EXPECT_EQ(table->cellHelperArray().size(), 12);
    save(sheet);
    EXPECT_EQ(table->numOfRows(), 5);
    EXPECT_EQ(table->cellHelperArray().size(), 20);
}

TEST_F(TableGridWindowTest, ATableSavedInsideASectionIsFittedBackIntoItsCell)
{
    ProductProfile& profile = DataCentre::mutableProfile();
    profile.responsiveDesign = true;
    profile.sectionWidth = 1170;
    profile.sectionHeight = 300;
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 400));
    const auto section = std::dynamic_pointer_cast<SKTTable>(document.graphics().last());
    view->addTable_drag(QPointF(200, 500));
    table = std::dynamic_pointer_cast<SKTTable>(document.graphics().first());
    ASSERT_TRUE(table && table != section);
    const int cellWidth = section->grabSelectedCellRect(0, 0).width();
    selection.setSelectedGraphics({table});
    TableGridWindowController& sheet = openSheet();
    control<QSpinBox>(sheet, "columnStepper")->stepUp();
    save(sheet);
    EXPECT_EQ(table->numOfColumns(), 5);
    EXPECT_EQ(int(table->bounds().width()), cellWidth) << "the section fits the grown table into its cell";
}

} // namespace
