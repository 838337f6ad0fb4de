#include "CanvasTestSupport.h"

#include <QSignalSpy>

namespace {

class SKTGraphicViewUndoTest : public CanvasTest {
protected:
    // Five shapes 0 to 4 in a row, each change below its own undo step.
    void SetUp() override
    {
        CanvasTest::SetUp();
        for (int i = 0; i < 5; ++i)
            shapes << addShape(QString::number(i), QRectF(10 + i * 70, 10, 50, 50));
        document.undoManager().checkpoint();
    }

    GraphicList selected(std::initializer_list<int> indexes) const
    {
        GraphicList graphics;
        for (int index : indexes)
            graphics << shapes.at(index);
        return graphics;
    }

    QList<std::shared_ptr<LoggedShape>> shapes;
};

TEST_F(SKTGraphicViewUndoTest, UndoingADeletionSelectsTheGraphicsItBringsBack)
{
    selection.changeSelectionIndexes({4});
    document.removeGraphicsAtIndexes({1, 2, 3});
    document.undoManager().checkpoint();
    QSignalSpy touched(view.get(), &SKTGraphicView::graphicTouched);

    view->undo();

    EXPECT_EQ(document.graphics().size(), 5);
    EXPECT_EQ(selection.selectedGraphics(), selected({1, 2, 3}));
    EXPECT_EQ(touched.count(), 1);
}

TEST_F(SKTGraphicViewUndoTest, UndoingAMoveSelectsTheMovedGraphicAlone)
{
    selection.changeSelectionIndexes({0, 1});
    shapes[3]->setBounds(QRectF(300, 200, 50, 50));
    document.undoManager().checkpoint();

    view->undo();

    EXPECT_EQ(shapes[3]->bounds(), QRectF(220, 10, 50, 50));
    EXPECT_EQ(selection.selectedGraphics(), selected({3}));

    view->redo();
    EXPECT_EQ(shapes[3]->bounds(), QRectF(300, 200, 50, 50));
    EXPECT_EQ(selection.selectedGraphics(), selected({3}));
}

TEST_F(SKTGraphicViewUndoTest, UndoingAReorderSelectsTheReorderedGraphics)
{
    document.moveGraphicsAtIndexes({4}, {0});
    document.undoManager().checkpoint();

    view->undo();

    EXPECT_EQ(document.graphics().at(4), shapes[4]);
    EXPECT_EQ(selection.selectedGraphics(), selected({4}));
}

TEST_F(SKTGraphicViewUndoTest, AnUndoThatTouchesNoGraphicKeepsTheSelection)
{
    selection.changeSelectionIndexes({0, 2});
    QSignalSpy touched(view.get(), &SKTGraphicView::graphicTouched);

    // Undoing the insertion takes graphics away and touches none that stays.
    document.insertGraphics({std::make_shared<LoggedShape>(QStringLiteral("extra"), drawLog)}, {5});
    document.undoManager().checkpoint();
    view->undo();
    EXPECT_EQ(document.graphics().size(), 5);
    // Nothing left to undo.
    document.undoManager().removeAllActions();
    view->undo();

    EXPECT_EQ(selection.selectedGraphics(), selected({0, 2}));
    EXPECT_EQ(touched.count(), 0);
}

TEST_F(SKTGraphicViewUndoTest, ChangesOutsideUndoAndRedoSelectNothing)
{
    selection.changeSelectionIndexes({0});
    shapes[2]->setBounds(QRectF(0, 100, 10, 10));
    addShape(QStringLiteral("more"), QRectF(0, 200, 10, 10));
    EXPECT_EQ(selection.selectedGraphics(), selected({0}));
}

} // namespace
