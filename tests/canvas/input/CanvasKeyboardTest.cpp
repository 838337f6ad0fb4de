#include "CanvasInputTestSupport.h"

#include <QSignalSpy>
#include <QTimer>

namespace {

class CanvasKeyboardTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        first = addText(QStringLiteral("first"), QRectF(100, 100, 50, 30), 3);
        second = addText(QStringLiteral("second"), QRectF(200, 100, 50, 30), 3);
        loose = addText(QStringLiteral("loose"), QRectF(100, 200, 50, 30));
        view->setFocus();
        forgetUndo();
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(view.get(), key, modifiers);
    }

    std::shared_ptr<SKTText> first, second, loose;
};

TEST_F(CanvasKeyboardTest, EachArrowNudgesTheSelectionAndItsGroupByOnePoint)
{
    struct Case {
        Qt::Key key;
        QPointF by;
    };
    const Case cases[] = {
        {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
    view->changeSelectionIndexes({0});
    view->setPasteCascadeDelta(QPointF(5, 5));
    view->setLastTouchPoint(QPointF(7, 7));
    for (const Case& test : cases) {
        const QPointF firstAt = first->bounds().topLeft();
        const QPointF secondAt = second->bounds().topLeft();
        key(test.key);
        EXPECT_EQ(first->bounds().topLeft(), firstAt + test.by) << test.key;
        EXPECT_EQ(second->bounds().topLeft(), secondAt + test.by) << "the group goes along";
    }
    EXPECT_EQ(loose->bounds().topLeft(), QPointF(100, 200));
    EXPECT_EQ(view->selectionIndexes(), IndexSet({0}));
    EXPECT_EQ(view->pasteCascadeDelta(), QPointF(5, 5)) << "a nudge is no drag";
    EXPECT_EQ(view->lastTouchPoint(), QPointF(7, 7));
}

TEST_F(CanvasKeyboardTest, ThreeQuickLeftPressesAreThreeNudgeStepsAndTheHandlesReturnHalfASecondAfterTheLast)
{
    view->changeSelectionIndexes({2});
    for (int press = 0; press < 3; ++press)
        key(Qt::Key_Left);
    EXPECT_EQ(loose->bounds().topLeft(), QPointF(97, 200));
    ASSERT_EQ(undoStack().count(), 3);
    for (int step = 0; step < 3; ++step)
        EXPECT_EQ(undoStack().text(step), QStringLiteral("Nudge"));

    EXPECT_TRUE(view->isHidingHandles());
    ASSERT_TRUE(view->handleShowingTimer());
    EXPECT_TRUE(view->handleShowingTimer()->isActive());
    EXPECT_EQ(view->handleShowingTimer()->interval(), 500);
    QTest::qWait(300);
    key(Qt::Key_Left);
    QTest::qWait(300);
    EXPECT_TRUE(view->isHidingHandles()) << "every nudge restarts the wait";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view->isHidingHandles(); }, 1000));
    EXPECT_FALSE(view->handleShowingTimer()->isActive());

    view->undo();
    EXPECT_EQ(loose->bounds().topLeft(), QPointF(97, 200));
}

TEST_F(CanvasKeyboardTest, NudgingNothingChangesNothingAndArrowsWithModifiersAreNoNudges)
{
    key(Qt::Key_Left);
    EXPECT_EQ(undoStack().count(), 0);
    EXPECT_FALSE(view->isHidingHandles());

    view->changeSelectionIndexes({2});
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(loose->bounds().topLeft(), QPointF(100, 200));
}

TEST_F(CanvasKeyboardTest, BothDeleteKeysRemoveTheSelectionAsOneDeleteStep)
{
    for (const Qt::Key deleteKey : {Qt::Key_Backspace, Qt::Key_Delete}) {
        QSignalSpy layers(view.get(), &SKTGraphicView::refreshLayerListing);
        view->changeSelectionIndexes({0, 2});
        key(deleteKey);
        ASSERT_EQ(document.graphics(), GraphicList({second}));
        EXPECT_TRUE(view->selectionIndexes().empty());
        EXPECT_EQ(undoStack().undoText(), QStringLiteral("Delete"));
        EXPECT_EQ(layers.count(), 1);
        view->undo();
        EXPECT_EQ(document.graphics(), GraphicList({first, second, loose}));
        EXPECT_EQ(view->selectionIndexes(), IndexSet({0, 2})) << "undo selects what came back";
    }
}

TEST_F(CanvasKeyboardTest, DeletingAnOptionLabelTakesItsButtonAlong)
{
    auto label = addText(QStringLiteral("Yes"), QRectF(40, 260, 80, 20));
    label->setFormType(QStringLiteral("textLabel"));
    auto button = addText(QString(), QRectF(20, 260, 16, 16));
    button->setFormType(QStringLiteral("radio"));
    auto otherLabel = addText(QStringLiteral("No"), QRectF(40, 280, 80, 20));
    otherLabel->setFormType(QStringLiteral("textLabel"));
    for (const auto& [graphic, tag] : {std::pair{label, 1}, {button, 1}, {otherLabel, 2}}) {
        graphic->setFormTag(7);
        graphic->setFormOptionTag(tag);
    }

    view->changeSelectionIndexes({3});
    view->delete_();

    EXPECT_EQ(document.graphics(), GraphicList({first, second, loose, otherLabel}));
    EXPECT_EQ(undoStack().undoText(), QStringLiteral("Delete"));
}

} // namespace
