#include "DocumentTestSupport.h"

#include "document/core/GraphicSelection.h"

namespace {

class GraphicSelectionTest : public DocumentTest {
protected:
    // Four graphics a, b, c, d at indexes 0 to 3.
    void SetUp() override
    {
        DocumentTest::SetUp();
        for (int i = 0; i < 4; ++i)
            graphics << graphicAt(QRectF(i * 20, 0, 10, 10));
        document.insertGraphics(graphics, {0, 1, 2, 3});
        QObject::connect(&selection, &GraphicSelection::selectionChanged, [this] { ++changes; });
    }

    SKTDocument document;
    GraphicSelection selection{document};
    GraphicList graphics;
    int changes = 0;
};

TEST_F(GraphicSelectionTest, AnswersInListOrderWhateverOrderItWasGiven)
{
    selection.setSelectedGraphics({graphics.at(3), graphics.at(1)});
    EXPECT_EQ(selection.selectedGraphics(), GraphicList({graphics.at(1), graphics.at(3)}));
    EXPECT_EQ(selection.selectionIndexes(), IndexSet({1, 3}));
    EXPECT_TRUE(selection.isSelected(*graphics.at(3)));
    EXPECT_FALSE(selection.isSelected(*graphics.at(0)));
    EXPECT_EQ(changes, 1);
}

TEST_F(GraphicSelectionTest, OnlyTheDocumentsGraphicsCanBeSelected)
{
    const auto stranger = graphicAt(QRectF());
    selection.setSelectedGraphics({stranger, graphics.at(2)});
    EXPECT_EQ(selection.selectedGraphics(), GraphicList({graphics.at(2)}));
    selection.changeSelectionIndexes({-1, 0, 4});
    EXPECT_EQ(selection.selectionIndexes(), IndexSet({0}));
    EXPECT_FALSE(selection.isSelected(*stranger));
}

TEST_F(GraphicSelectionTest, TellsOnlyOfRealChanges)
{
    selection.changeSelectionIndexes({0, 2});
    selection.changeSelectionIndexes({0, 2});
    selection.setSelectedGraphics({graphics.at(2), graphics.at(0)});
    EXPECT_EQ(changes, 1);
    selection.changeSelectionIndexes({});
    selection.setSelectedGraphics({});
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(selection.selectedGraphics().isEmpty());
}

TEST_F(GraphicSelectionTest, FollowsTheGraphicsThroughTheListsChanges)
{
    selection.changeSelectionIndexes({1, 2});
    changes = 0;

    document.insertGraphics({graphicAt(QRectF())}, {0});
    EXPECT_EQ(selection.selectionIndexes(), IndexSet({2, 3}));
    document.moveGraphicsAtIndexes({3}, {0});
    EXPECT_EQ(selection.selectedGraphics(), GraphicList({graphics.at(2), graphics.at(1)}));
    EXPECT_EQ(changes, 0) << "the same graphics stay selected";

    document.undoManager().checkpoint();
    document.removeGraphicsAtIndexes({0, 4});
    EXPECT_EQ(selection.selectedGraphics(), GraphicList({graphics.at(1)}));
    EXPECT_EQ(changes, 1);
    document.undoManager().undo();
    EXPECT_EQ(document.graphics().size(), 5);
    EXPECT_EQ(selection.selectedGraphics(), GraphicList({graphics.at(1)})) << "undo does not select";
}

TEST_F(GraphicSelectionTest, EachWindowHasASelectionOfItsOwn)
{
    GraphicSelection other(document);
    selection.changeSelectionIndexes({0});
    other.changeSelectionIndexes({3});
    EXPECT_EQ(selection.selectedGraphics(), GraphicList({graphics.at(0)}));
    EXPECT_EQ(other.selectedGraphics(), GraphicList({graphics.at(3)}));
}

} // namespace
