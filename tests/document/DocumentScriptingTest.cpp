#include "DocumentTestSupport.h"

#include "model/SKTCircle.h"
#include "model/SKTLine.h"
#include "model/SKTRectangle.h"

#include <stdexcept>

namespace {

// A kind derived from the circle counts as a circle.
class Badge : public SKTCircle {
    Q_OBJECT
};

class DocumentScriptingTest : public DocumentTest {
protected:
    // In list order: a circle, a rectangle and a circle.
    void SetUp() override
    {
        DocumentTest::SetUp();
        for (const auto& graphic : {firstCircle, rectangle, secondCircle})
            document.addInGraphics(graphic);
        document.undoManager().checkpoint();
    }

    SKTDocument document;
    std::shared_ptr<SKTGraphic> firstCircle = std::make_shared<SKTCircle>();
    std::shared_ptr<SKTGraphic> rectangle = std::make_shared<SKTRectangle>();
    std::shared_ptr<SKTGraphic> secondCircle = std::make_shared<SKTCircle>();
};

TEST_F(DocumentScriptingTest, CollectionsHoldTheirKindInListOrder)
{
    auto badge = std::make_shared<Badge>();
    auto text = std::make_shared<TextStandIn>();
    document.addInGraphics(badge);
    document.addInGraphics(text);
    EXPECT_EQ(document.circles(), GraphicList({firstCircle, secondCircle, badge}));
    EXPECT_EQ(document.rectangles(), GraphicList({rectangle}));
    EXPECT_EQ(document.textAreas(), GraphicList({text}));
    EXPECT_TRUE(document.lines().isEmpty());
    EXPECT_TRUE(document.images().isEmpty());
    EXPECT_TRUE(document.tables().isEmpty());
    EXPECT_EQ(document.graphicsWithClass(QStringLiteral("SKTGraphic")).size(), 5);
}

TEST_F(DocumentScriptingTest, InsertingIntoACollectionGoesInFrontOfTheMemberOrAtTheEnd)
{
    auto inFront = std::make_shared<SKTCircle>();
    document.insertObjectInCirclesAtIndex(inFront, 1);
    EXPECT_EQ(document.graphics(), GraphicList({firstCircle, rectangle, inFront, secondCircle}));

    auto atEnd = std::make_shared<SKTCircle>();
    document.insertObjectInCirclesAtIndex(atEnd, 3);
    EXPECT_EQ(document.graphics().last(), atEnd);

    auto line = std::make_shared<SKTLine>();
    document.insertObjectInLinesAtIndex(line, 0);
    EXPECT_EQ(document.graphics().last(), line);

    document.undoManager().undo();
    EXPECT_EQ(document.graphics(), GraphicList({firstCircle, rectangle, secondCircle}));
}

TEST_F(DocumentScriptingTest, RemovingFromACollectionRemovesThatGraphicUndoably)
{
    document.removeObjectFromRectanglesAtIndex(0);
    EXPECT_EQ(document.graphics(), GraphicList({firstCircle, secondCircle}));
    document.undoManager().undo();
    EXPECT_EQ(document.graphics(), GraphicList({firstCircle, rectangle, secondCircle}));

    document.removeObjectFromCirclesAtIndex(1);
    EXPECT_EQ(document.graphics(), GraphicList({firstCircle, rectangle}));
}

TEST_F(DocumentScriptingTest, IndexesBeyondTheMembersAreOutOfRangeAndChangeNothing)
{
    const GraphicList before = document.graphics();
    auto circle = std::make_shared<SKTCircle>();
    EXPECT_THROW(document.insertObjectInCirclesAtIndex(circle, 3), std::out_of_range);
    EXPECT_THROW(document.insertObjectInImagesAtIndex(circle, 1), std::out_of_range);
    EXPECT_THROW(document.removeObjectFromRectanglesAtIndex(1), std::out_of_range);
    EXPECT_THROW(document.removeObjectFromTextAreasAtIndex(0), std::out_of_range);
    EXPECT_THROW(document.removeObjectFromCirclesAtIndex(-1), std::out_of_range);
    EXPECT_EQ(document.graphics(), before);
}

TEST_F(DocumentScriptingTest, SingleGraphicOperationsUseTheListPositions)
{
    auto circle = std::make_shared<SKTCircle>();
    document.insertGraphic(circle, 0);
    EXPECT_EQ(document.graphics().first(), circle);
    document.removeGraphicAtIndex(2);
    EXPECT_EQ(document.graphics(), GraphicList({circle, firstCircle, secondCircle}));
}

} // namespace

#include "DocumentScriptingTest.moc"
