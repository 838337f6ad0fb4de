#include "WindowTestSupport.h"

#include "model/NoNumber.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTRectangle.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

#include <QAction>
#include <QMenu>

// The canvas's group, lock, position and centring commands, reached as the user reaches them: through the
// items of the canvas's context menu, which the canvas validates as the menu opens.

namespace {

class CanvasCommandsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = &openWindow();
        canvas = window->graphicView();
        page = window->document();
    }

    // A graphic of the kind at x with the width, appended behind the others, in no group.
    template <typename Kind> std::shared_ptr<SKTGraphic> add(double x = 0, double width = 100)
    {
        auto graphic = std::make_shared<Kind>();
        graphic->setBounds(QRectF(x, 50, width, 40));
        graphic->setGroupNumber(kNoNumber);
        graphic->setSlideShowNumber(kNoNumber);
        graphic->setGalleryNumber(kNoNumber);
        graphic->setSelectable(true);
        page->insertGraphics({graphic}, {int(page->graphics().size())});
        return graphic;
    }

    void select(const GraphicList& graphics)
    {
        IndexSet indexes;
        for (const std::shared_ptr<SKTGraphic>& graphic : graphics)
            indexes.insert(int(page->graphics().indexOf(graphic)));
        canvas->changeSelectionIndexes(indexes);
    }

    // The context menu's item of the action, validated as the menu opens.
    QAction* item(const char* action) const
    {
        QMenu* menu = canvas->menu();
        EXPECT_NE(menu, nullptr);
        Q_EMIT menu->aboutToShow();
        QAction* found = menu->findChild<QAction*>(QString::fromLatin1(action));
        EXPECT_NE(found, nullptr) << action;
        return found;
    }
    bool offered(const char* action) const
    {
        QAction* found = item(action);
        return found->isVisible() && found->isEnabled();
    }
    // Chooses the item, which must be offered.
    void choose(const char* action) const
    {
        QAction* found = item(action);
        ASSERT_TRUE(found->isVisible() && found->isEnabled()) << action;
        found->trigger();
    }

    SKTWindowController* window = nullptr;
    SKTGraphicView* canvas = nullptr;
    SKTDocument* page = nullptr;
};

} // namespace

// ---- Groups

TEST_F(CanvasCommandsTest, NewGroupsTakeTheNextNumberFromMinusNinetyEight)
{
    const auto a = add<SKTText>();
    const auto b = add<SKTText>();
    const auto c = add<SKTImage>();
    const auto d = add<SKTLine>();
    select({a, b});
    choose("groupObjects");
    EXPECT_EQ(a->groupNumber(), -98);
    EXPECT_EQ(b->groupNumber(), -98);
    select({c, d});
    choose("groupObjects");
    EXPECT_EQ(c->groupNumber(), -97);
    EXPECT_EQ(d->groupNumber(), -97);
    EXPECT_EQ(a->groupNumber(), -98);
}

TEST_F(CanvasCommandsTest, ARectangleIsNeverGrouped)
{
    const auto text = add<SKTText>();
    const auto rectangle = add<SKTRectangle>();
    select({text, rectangle});
    choose("groupObjects");
    EXPECT_EQ(text->groupNumber(), -98);
    EXPECT_EQ(rectangle->groupNumber(), kNoNumber);
}

TEST_F(CanvasCommandsTest, GroupIsOfferedUnlessOneGroupHoldsTheWholeSelection)
{
    const auto a = add<SKTText>();
    const auto b = add<SKTImage>();
    const auto c = add<SKTTable>();
    const auto rectangle = add<SKTRectangle>();
    select({a});
    EXPECT_FALSE(offered("groupObjects")); // one object
    select({a, b});
    EXPECT_TRUE(offered("groupObjects"));
    choose("groupObjects");
    EXPECT_FALSE(offered("groupObjects"));
    // A rectangle does not count: the selection is still wholly one group.
    select({a, b, rectangle});
    EXPECT_FALSE(offered("groupObjects"));
    c->setGroupNumber(-50);
    select({a, c});
    EXPECT_TRUE(offered("groupObjects")); // two groups

    DataCentre::mutableProfile().hideGroupCommand = true;
    select({a, c});
    EXPECT_FALSE(offered("groupObjects"));
}

TEST_F(CanvasCommandsTest, UngroupIsHiddenOnlyWhenNothingSelectedIsGrouped)
{
    const GraphicList ungrouped = {add<SKTText>(),        add<SKTImage>(), add<SKTSlideshow>(),
                                   add<SKTGalleryGrid>(), add<SKTTable>(), add<SKTLine>()};
    const auto rectangle = add<SKTRectangle>();
    canvas->changeSelectionIndexes({});
    EXPECT_FALSE(offered("unGroupObjects"));
    select(ungrouped);
    EXPECT_FALSE(offered("unGroupObjects"));
    // Rectangles carry no group the command counts.
    select({rectangle});
    EXPECT_TRUE(offered("unGroupObjects"));
    ungrouped.first()->setGroupNumber(-98);
    select(ungrouped);
    EXPECT_TRUE(offered("unGroupObjects"));
}

TEST_F(CanvasCommandsTest, UngroupingOneOfThreeKeepsTheOtherTwoGrouped)
{
    const auto a = add<SKTText>();
    const auto b = add<SKTText>();
    const auto c = add<SKTImage>();
    select({a, b, c});
    choose("groupObjects");
    select({b});
    choose("unGroupObjects");
    EXPECT_EQ(b->groupNumber(), kNoNumber);
    EXPECT_EQ(a->groupNumber(), -98);
    EXPECT_EQ(c->groupNumber(), -98);
    EXPECT_EQ(canvas->findMatchingGroupObjects(*a), GraphicList({c}));
}

TEST_F(CanvasCommandsTest, GroupNumbersAreNoUndoStepOfTheirOwn)
{
    const auto a = add<SKTText>();
    const auto b = add<SKTText>();
    page->undoManager().checkpoint();
    const int steps = page->undoManager().stack()->count();
    select({a, b});
    choose("groupObjects");
    page->undoManager().checkpoint();
    EXPECT_EQ(page->undoManager().stack()->count(), steps);
    EXPECT_EQ(a->groupNumber(), -98);
}

// ---- Locks

TEST_F(CanvasCommandsTest, LockingOneMemberLocksItsWholeGroup)
{
    const auto a = add<SKTText>();
    const auto b = add<SKTImage>();
    const auto rectangle = add<SKTRectangle>();
    const auto outsider = add<SKTText>();
    select({a, b});
    choose("groupObjects");
    rectangle->setGroupNumber(-98);
    select({a});
    EXPECT_FALSE(offered("unLockObjects"));
    choose("lockObjects");
    EXPECT_EQ(a->moveLock(), 1);
    EXPECT_EQ(b->moveLock(), 1);
    EXPECT_EQ(rectangle->moveLock(), 0);
    EXPECT_EQ(outsider->moveLock(), 0);
    // Still offered while one selected object is unlocked.
    select({a, outsider});
    EXPECT_TRUE(offered("lockObjects"));
    EXPECT_TRUE(offered("unLockObjects"));
    select({b});
    choose("unLockObjects");
    EXPECT_EQ(a->moveLock(), 0);
    EXPECT_EQ(b->moveLock(), 0);

    DataCentre::mutableProfile().hideLockCommands = true;
    EXPECT_FALSE(offered("lockObjects"));
}

TEST_F(CanvasCommandsTest, ScrollLockLeavesLinesOut)
{
    const auto line = add<SKTLine>();
    const auto image = add<SKTImage>();
    select({line, image});
    EXPECT_TRUE(offered("positionSettingActions"));
    EXPECT_FALSE(offered("unScrollLockObjects"));
    choose("scrollLockObjects");
    EXPECT_EQ(image->scrollFlag(), 1);
    EXPECT_EQ(line->scrollFlag(), 0);
    EXPECT_FALSE(offered("scrollLockObjects"));
    choose("unScrollLockObjects");
    EXPECT_EQ(image->scrollFlag(), 0);

    DataCentre::mutableProfile().hidePositionSettings = true;
    EXPECT_FALSE(offered("positionSettingActions"));
    EXPECT_FALSE(offered("scrollLockObjects"));
}

// ---- Match screen width

TEST_F(CanvasCommandsTest, OnlyAScrollLockedTextBoxMatchesTheScreenWidthAndBack)
{
    const auto text = add<SKTText>(100, 200);
    text->setBounds(QRectF(100, 70, 200, 30));
    const auto other = add<SKTText>();
    select({text});
    EXPECT_FALSE(offered("matchScreenWidth"));
    choose("scrollLockObjects");
    EXPECT_TRUE(offered("matchScreenWidth"));
    EXPECT_FALSE(offered("unMatchScreenWidth"));
    select({text, other});
    EXPECT_FALSE(offered("matchScreenWidth"));

    select({text});
    choose("matchScreenWidth");
    EXPECT_TRUE(text->matchScreenFlag());
    EXPECT_EQ(text->bounds(), QRectF(0, 70, 9999, 30));
    EXPECT_FALSE(offered("matchScreenWidth"));
    choose("unMatchScreenWidth");
    EXPECT_FALSE(text->matchScreenFlag());
    EXPECT_EQ(text->bounds(), QRectF(200, 70, 200, 30));
}

TEST_F(CanvasCommandsTest, TheBoundsMatchingTheScreenSetAreUndoneAsThePageRecordsThem)
{
    const auto text = add<SKTText>(100, 200);
    text->setScrollFlag(1);
    page->undoManager().checkpoint();
    select({text});
    choose("matchScreenWidth");
    page->undoManager().checkpoint();
    EXPECT_EQ(page->undoManager().undoActionName(), QStringLiteral("Change of Bounds"));
    canvas->undo();
    EXPECT_EQ(text->bounds(), QRectF(100, 50, 200, 40));
}

// ---- Centring

TEST_F(CanvasCommandsTest, CentringOnTheCanvasIsUndoneAsABoundsChange)
{
    const auto box = add<SKTText>(100, 200);
    page->undoManager().checkpoint();
    select({box});
    choose("centerOnCanvas");
    EXPECT_EQ(box->bounds(), QRectF(400, 50, 200, 40));
    canvas->undo();
    EXPECT_EQ(box->bounds().x(), 100);
}

TEST_F(CanvasCommandsTest, CentringOnThePageUsesTheWidthOfItsContent)
{
    // The page's content spans 0 to 600: the selection's centre comes to 300.
    add<SKTRectangle>(0, 600);
    const auto a = add<SKTText>(401, 50);
    const auto b = add<SKTImage>(451, 100);
    select({a, b});
    choose("centerGroup");
    // Selection 401..551, centre 476: everything moves 176 to the left.
    EXPECT_EQ(a->bounds().x(), 225);
    EXPECT_EQ(b->bounds().x(), 275);

    DataCentre::mutableProfile().hideCenterGroup = true;
    EXPECT_FALSE(offered("centerGroup"));
    EXPECT_FALSE(offered("centerWithinGroup"));
    EXPECT_TRUE(offered("centerOnCanvas"));
}

TEST_F(CanvasCommandsTest, CentringWithinTheGroupCentresOnTheRestOfTheGroup)
{
    const auto left = add<SKTText>(0, 100);
    const auto right = add<SKTText>(500, 100);
    const auto moving = add<SKTImage>(700, 50);
    select({left, right, moving});
    choose("groupObjects");
    select({moving});
    choose("centerWithinGroup");
    // The rest spans 0 to 600, centre 300; the image's centre 725 comes there.
    EXPECT_EQ(moving->bounds().x(), 275);
}

TEST_F(CanvasCommandsTest, CentringWithinAGroupOfOneCentresOnTheObjectItself)
{
    const auto alone = add<SKTText>(130.7, 90);
    const auto other = add<SKTText>(600, 100);
    alone->setGroupNumber(-40);
    select({alone});
    choose("centerWithinGroup");
    EXPECT_EQ(alone->bounds().x(), 130);
    EXPECT_EQ(other->bounds().x(), 600);
}

TEST_F(CanvasCommandsTest, CentringASelectionWithNothingToMeasureChangesNothing)
{
    const auto slide = add<SKTImage>(100, 200);
    slide->setSlideShowNumber(3);
    select({slide});
    choose("centerOnCanvas");
    choose("centerGroup");
    EXPECT_EQ(slide->bounds().x(), 100);
    // A full-width text box alone has no right edge.
    const auto wide = add<SKTText>(100, 200);
    wide->setMatchScreenFlag(true);
    select({wide});
    choose("centerOnCanvas");
    EXPECT_EQ(wide->bounds().x(), 100);
}

// ---- Section membership

TEST_F(CanvasCommandsTest, ASectionsMembersAreItsOtherGraphicsOfItsNumber)
{
    const auto section = add<SKTTable>();
    std::static_pointer_cast<SKTTable>(section)->setGridType(QStringLiteral("section"));
    section->setSectionNumber(4);
    const auto sectionTemplate = add<SKTTable>();
    std::static_pointer_cast<SKTTable>(sectionTemplate)->setGridType(QStringLiteral("sectionTemplate"));
    sectionTemplate->setSectionNumber(4);
    const auto selectedMember = add<SKTText>();
    const auto member = add<SKTRectangle>();
    const auto outsider = add<SKTText>();
    selectedMember->setSectionNumber(4);
    member->setSectionNumber(4);
    outsider->setSectionNumber(5);
    selectedMember->setMovingAsPartOfSection(true);
    select({selectedMember});

    EXPECT_EQ(canvas->findObjectsInSection(*section), GraphicList({selectedMember, member}));
    EXPECT_FALSE(selectedMember->movingAsPartOfSection());
    EXPECT_TRUE(member->movingAsPartOfSection());
    EXPECT_TRUE(canvas->findObjectsInSection(*member).isEmpty());
}

TEST_F(CanvasCommandsTest, ACellsMembersLieInItsRowAndColumn)
{
    const auto inCell = add<SKTText>();
    const auto otherColumn = add<SKTImage>();
    for (const auto& graphic : {inCell, otherColumn}) {
        graphic->setSectionNumber(2);
        graphic->setSectionRowSpot(1);
    }
    otherColumn->setSectionColumnSpot(1);
    myTextView cell;
    cell.setSectionNumber(2);
    cell.setRowSpot(1);
    EXPECT_EQ(canvas->findObjectsInSectionCell(&cell), GraphicList({inCell}));
    TransformView picture;
    picture.setSectionNumber(2);
    picture.setRowSpot(1);
    EXPECT_TRUE(canvas->findObjectsInSectionCell(&picture).isEmpty());
    EXPECT_TRUE(canvas->findObjectsInSectionCell(nullptr).isEmpty());
}

namespace {

TEST_F(CanvasCommandsTest, TheImageCommandsAreReachedFromTheContextMenuAndTheAddNewMenu)
{
    const std::shared_ptr<SKTGraphic> image = add<SKTImage>();
    select({image});
    EXPECT_TRUE(offered("launchCropImagePanel"));
    EXPECT_TRUE(offered("launchReplaceImage"));
    EXPECT_TRUE(offered("showClickToEnlargeOptions"));
    choose("setClickToEnlargeClear");
    EXPECT_EQ(image->imageEnlargeFlag(), 1);
    EXPECT_EQ(image->backdropLightingFlag(), 2);
    choose("disableClickToEnlarge");
    EXPECT_EQ(image->imageEnlargeFlag(), 0);

    select({add<SKTText>()});
    EXPECT_FALSE(offered("launchCropImagePanel"));

    // The Add New menu's image item asks for pictures whichever control has the focus.
    panels.cancel();
    ASSERT_TRUE(QMetaObject::invokeMethod(window, "addNewImage"));
    EXPECT_EQ(panels.requestCount(), 1);
    EXPECT_EQ(panels.lastRequest().title, QStringLiteral("Add one or multiple images"));
}

} // namespace
