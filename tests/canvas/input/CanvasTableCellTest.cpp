#include "CanvasInputTestSupport.h"

#include "model/TableCellMarks.h"

namespace {

// A two-column table of one row as far as the canvas's cell marking sees it: its cells split its bounds in
// halves, and it takes over a marked cell's background colour.
class TwoCellTable : public SKTGraphic, public TableCellMarks {
public:
    explicit TwoCellTable(const SKTGraphicView& view)
        : m_view(view)
    {
        for (int column = 0; column < 2; ++column)
            m_cells.append(std::make_shared<myTextView>());
        m_cells[0]->setBackgroundHexColorString(QStringLiteral("FF0000"));
        m_cells[1]->setBackgroundHexColorString(QStringLiteral("0000FF"));
    }

    QString className() const override { return QStringLiteral("SKTTable"); }
    QString gridType() const override { return m_gridType; }
    myTextViewList cellHelperArray() const override { return m_cells; }
    std::shared_ptr<myTextView> grabCurrentTableCellHelper() const override
    {
        const QPointF point = m_view.lastTouchPoint();
        if (!bounds().contains(point))
            return nullptr;
        return m_cells[point.x() < bounds().center().x() ? 0 : 1];
    }
    void reflectSelectedCellProperties(const myTextView& cell) override
    {
        setBackgroundHexColorString(cell.backgroundHexColorString());
    }
    void setBounds(const QRectF& bounds) override
    {
        ++layouts;
        SKTGraphic::setBounds(bounds);
    }

    QString m_gridType = QStringLiteral("table");
    int layouts = 0;

private:
    const SKTGraphicView& m_view;
    myTextViewList m_cells;
};

class CanvasTableCellTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        DataCentre::mutableProfile().tableCellSelection = true;
        for (int i = 0; i < 2; ++i) {
            auto table = std::make_shared<TwoCellTable>(*view);
            table->setBounds(QRectF(20, 20 + 100 * i, 200, 60));
            table->setSelectable(true);
            document.insertGraphics({table}, {i});
            tables.append(table);
        }
    }

    void click(const QPointF& point)
    {
        press(point);
        release(point);
    }
    QList<bool> marks(int table) const
    {
        QList<bool> marked;
        for (const std::shared_ptr<myTextView>& cell : tables[table]->cellHelperArray())
            marked.append(cell->selected());
        return marked;
    }

    QList<std::shared_ptr<TwoCellTable>> tables;
};

TEST_F(CanvasTableCellTest, ClicksOnTheSelectedTableToggleTheMarkOfTheCellUnderTheMouse)
{
    click(QPointF(50, 50));
    EXPECT_EQ(view->selectionIndexes(), IndexSet({0})) << "the first click selects the table";
    EXPECT_EQ(marks(0), QList<bool>({false, false}));

    click(QPointF(180, 50));
    EXPECT_EQ(marks(0), QList<bool>({false, true}));
    EXPECT_EQ(view->selectedTable(), tables[0]);
    EXPECT_EQ(tables[0]->backgroundHexColorString(), QStringLiteral("0000FF")) << "the table shows the cell";
    click(QPointF(50, 50));
    EXPECT_EQ(marks(0), QList<bool>({true, true}));
    EXPECT_EQ(tables[0]->backgroundHexColorString(), QStringLiteral("FF0000"));
    click(QPointF(180, 50));
    EXPECT_EQ(marks(0), QList<bool>({true, false}));
}

TEST_F(CanvasTableCellTest, AClickWhileNoSingleTableIsSelectedClearsEveryMarkOfThePage)
{
    tables[0]->cellHelperArray()[1]->setSelected(true);
    tables[1]->cellHelperArray()[0]->setSelected(true);
    const int layouts = tables[1]->layouts;
    click(QPointF(50, 150));
    EXPECT_EQ(view->selectionIndexes(), IndexSet({1}));
    EXPECT_EQ(marks(0), QList<bool>({false, false}));
    EXPECT_EQ(marks(1), QList<bool>({false, false}));
    EXPECT_EQ(tables[1]->layouts, layouts + 1) << "a table whose mark went lays out again";

    tables[1]->m_gridType = QStringLiteral("section");
    tables[1]->cellHelperArray()[1]->setSelected(true);
    click(QPointF(50, 150));
    EXPECT_EQ(marks(1), QList<bool>({false, false})) << "a selected section is no table to mark cells of";

    DataCentre::mutableProfile().tableCellSelection = false;
    tables[1]->m_gridType = QStringLiteral("table");
    tables[1]->cellHelperArray()[1]->setSelected(true);
    click(QPointF(50, 150));
    EXPECT_EQ(marks(1), QList<bool>({false, true})) << "products without cell marks leave them alone";
}

} // namespace
