#include "GeometryTestSupport.h"

#include "model/SKTLine.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

void expectRectNear(const QRectF& actual, const QRectF& expected, const char* what)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-6) << what;
    EXPECT_NEAR(actual.y(), expected.y(), 1e-6) << what;
    EXPECT_NEAR(actual.width(), expected.width(), 1e-6) << what;
    EXPECT_NEAR(actual.height(), expected.height(), 1e-6) << what;
}

TEST(GroupGeometryTest, UnionsIgnoreEmptyRectanglesAndAnswerZeroForNoGraphics)
{
    const struct {
        const char* name;
        QList<QRectF> rects;
        QRectF expected;
    } cases[] = {
        {"none", {}, QRectF()},
        {"one", {QRectF(5, 6, 10, 20)}, QRectF(5, 6, 10, 20)},
        {"two", {QRectF(0, 0, 10, 10), QRectF(20, 30, 10, 10)}, QRectF(0, 0, 30, 40)},
        {"a flat line adds nothing", {QRectF(0, 0, 10, 10), QRectF(-50, 5, 200, 0)}, QRectF(0, 0, 10, 10)},
        {"an empty first one is replaced", {QRectF(100, 100, 0, 0), QRectF(1, 2, 3, 4)}, QRectF(1, 2, 3, 4)},
    };
    for (const auto& c : cases) {
        GraphicList graphics;
        for (const QRectF& r : c.rects)
            graphics << placedGraphic(r);
        EXPECT_EQ(SKTGraphic::boundsOfGraphics(graphics), c.expected) << c.name;
    }
}

TEST(GroupGeometryTest, DrawingBoundsMakeRoomForHandlesOrArrowsAndTurnWithTheGraphic)
{
    ScopedProfile profile;
    EXPECT_EQ(SKTGraphic::drawingBoundsOfGraphics({}), QRectF());

    auto box = placedGraphic(QRectF(0, 0, 100, 50));
    // Half the 10-point handle plus 2.
    EXPECT_EQ(box->drawingBounds(), QRectF(-7, -7, 114, 64));

    auto line = std::make_shared<SKTLine>();
    line->setBounds(QRectF(200, 0, 10, 10));
    EXPECT_EQ(line->drawingBounds(), QRectF(148, -52, 114, 114));
    EXPECT_EQ(SKTGraphic::drawingBoundsOfGraphics({box, line}), QRectF(-7, -52, 269, 114));

    box->setRotationAngle(90);
    expectRectNear(box->drawingBounds(), QRectF(18, -32, 64, 114), "quarter turn");
}

TEST(GroupGeometryTest, DrawingBoundsRefreshTheBoxModel)
{
    ScopedProfile profile;
    auto box = placedGraphic(QRectF(0, 0, 100, 50));
    box->setTopPadding(5);
    box->setTopPaddingType(QStringLiteral("pixel"));
    box->drawingBounds();
    EXPECT_EQ(box->contentRect(), QRectF(0, 5, 100, 45));
}

struct MoveCase {
    const char* name;
    bool responsive;
    QRectF start;
    int moveLock;
    bool selectable;
    QPointF distance;
    QRectF expected;
};

TEST(GroupGeometryTest, TranslateGraphicsFollowsLockSelectabilityAndResponsiveRules)
{
    const MoveCase cases[] = {
        {"free move", false, QRectF(10, 10, 20, 20), 0, true, QPointF(30, 20), QRectF(40, 30, 20, 20)},
        {"locked", false, QRectF(10, 10, 20, 20), 1, true, QPointF(30, 20), QRectF(10, 10, 20, 20)},
        {"lock other than 1", false, QRectF(10, 10, 20, 20), 2, true, QPointF(30, 20),
         QRectF(40, 30, 20, 20)},
        {"not selectable", false, QRectF(10, 10, 20, 20), 0, false, QPointF(30, 20), QRectF(10, 10, 20, 20)},
        {"responsive drag", true, QRectF(10, 10, 20, 20), 0, true, QPointF(30, 20), QRectF(10, 30, 20, 20)},
        {"responsive up from above the page", true, QRectF(10, -5, 20, 20), 0, true, QPointF(0, -10),
         QRectF(10, -5, 20, 20)},
        {"responsive up from the top edge", true, QRectF(10, 0, 20, 20), 0, true, QPointF(0, -10),
         QRectF(10, -10, 20, 20)},
    };
    for (const MoveCase& c : cases) {
        ScopedProfile profile;
        profile->responsiveDesign = c.responsive;
        auto graphic = placedGraphic(c.start);
        graphic->setMoveLock(c.moveLock);
        graphic->setSelectable(c.selectable);
        SKTGraphic::translateGraphics({graphic}, c.distance.x(), c.distance.y());
        EXPECT_EQ(graphic->bounds(), c.expected) << c.name;
    }
}

TEST(GroupGeometryTest, AZeroedDistanceStaysZeroForTheRestOfTheList)
{
    ScopedProfile profile;
    profile->responsiveDesign = true;
    auto above = placedGraphic(QRectF(0, -5, 10, 10));
    auto below = placedGraphic(QRectF(0, 50, 10, 10));
    SKTGraphic::translateGraphics({above, below}, 0, -10);
    EXPECT_EQ(above->bounds(), QRectF(0, -5, 10, 10));
    EXPECT_EQ(below->bounds(), QRectF(0, 50, 10, 10));
}

TEST(GroupGeometryTest, ALockedSectionStillDragsItsMembersAndSelectedMembersMoveOnce)
{
    ScopedProfile profile;
    RecordingContext context;
    auto section = placedSection(QRectF(0, 0, 400, 200), 1);
    section->setMoveLock(1);
    auto member = placedGraphic(QRectF(10, 10, 50, 50), 1);
    auto selectedMember = placedGraphic(QRectF(100, 10, 50, 50), 1);
    auto stranger = placedGraphic(QRectF(10, 300, 50, 50), 2);
    context.setGraphics({section, member, selectedMember, stranger});
    context.setSelectedGraphics({section, selectedMember});

    SKTGraphic::translateGraphics({section, selectedMember}, 15, 40);

    EXPECT_EQ(section->bounds(), QRectF(0, 0, 400, 200));
    EXPECT_EQ(member->bounds(), QRectF(10, 50, 50, 50));
    EXPECT_TRUE(member->movingAsPartOfSection());
    // After the section, the rest of the list moves only vertically.
    EXPECT_EQ(selectedMember->bounds(), QRectF(100, 50, 50, 50));
    EXPECT_FALSE(selectedMember->movingAsPartOfSection());
    EXPECT_EQ(stranger->bounds(), QRectF(10, 300, 50, 50));
    EXPECT_EQ(context.requests.count(QStringLiteral("reAlignFormOptions")), 2);
}

TEST(GroupGeometryTest, ASectionTemplateDragsItsMembersToo)
{
    ScopedProfile profile;
    RecordingContext context;
    auto section = placedSection(QRectF(0, 0, 400, 200), 3, QStringLiteral("sectionTemplate"));
    auto member = placedGraphic(QRectF(10, 10, 50, 50), 3);
    context.setGraphics({section, member});
    SKTGraphic::translateGraphics({section}, 0, 25);
    EXPECT_EQ(section->bounds(), QRectF(0, 25, 400, 200));
    EXPECT_EQ(member->bounds(), QRectF(10, 35, 50, 50));
}

TEST(GroupGeometryTest, WithoutOverlapAMoveThatLeavesTheSectionBandBecomesHorizontal)
{
    const struct {
        const char* name;
        QRectF start;
        double dy;
        QRectF expected;
    } cases[] = {
        // Content is (0, 0, 400, 200); the band is y 2 to 198.
        {"inside", QRectF(10, 50, 40, 40), 20, QRectF(30, 70, 40, 40)},
        {"top above the band", QRectF(10, 50, 40, 40), -49, QRectF(30, 50, 40, 40)},
        {"top on the band", QRectF(10, 50, 40, 40), -48, QRectF(30, 2, 40, 40)},
        {"bottom below the band", QRectF(10, 150, 40, 40), 9, QRectF(30, 150, 40, 40)},
        {"bottom on the band", QRectF(10, 150, 40, 40), 8, QRectF(30, 158, 40, 40)},
        // The distance is cut to a whole number before the test.
        {"fraction", QRectF(10, 150, 40, 40), 8.9, QRectF(30, 158.9, 40, 40)},
    };
    for (const auto& c : cases) {
        ScopedProfile profile;
        profile->preventOverlap = true;
        RecordingContext context;
        auto section = placedSection(QRectF(0, 0, 400, 200), 1);
        auto graphic = placedGraphic(c.start, 1);
        context.setGraphics({section, graphic});
        SKTGraphic::translateGraphics({graphic}, 20, c.dy);
        EXPECT_EQ(graphic->bounds(), c.expected) << c.name;
        EXPECT_EQ(graphic->lastNoOverlapRect(), c.start) << c.name;
    }
}

TEST(GroupGeometryTest, SectionTestsMeasureAgainstTheContentOfTheSection)
{
    ScopedProfile profile;
    RecordingContext context;
    auto section = placedSection(QRectF(0, 100, 400, 200), 1);
    section->setTopPadding(10);
    section->setTopPaddingType(QStringLiteral("pixel"));
    auto graphic = placedGraphic(QRectF(10, 120, 40, 40), 1);
    auto loner = placedGraphic(QRectF(10, 120, 40, 40), -99);
    context.setGraphics({section, graphic, loner});

    // Content (0, 110, 400, 190): the band runs from 112 to 298.
    EXPECT_FALSE(SKTGraphic::isGraphicOutsideOfSection(*graphic, -8));
    EXPECT_TRUE(SKTGraphic::isGraphicOutsideOfSection(*graphic, -9));
    EXPECT_FALSE(SKTGraphic::isGraphicOutsideOfSection(*graphic, 138));
    EXPECT_TRUE(SKTGraphic::isGraphicOutsideOfSection(*graphic, 139));
    EXPECT_FALSE(SKTGraphic::isGraphicOutsideOfSection(*section, 5000)) << "its own section";
    EXPECT_FALSE(SKTGraphic::isGraphicOutsideOfSection(*loner, 5000)) << "no section";

    const struct {
        const char* name;
        SKTGraphic* graphic;
        QRectF rect;
        bool exceeds;
    } cases[] = {
        {"inside", graphic.get(), QRectF(0, 110, 400, 190), false},
        {"within the 2 of slack", graphic.get(), QRectF(-2, 108, 404, 194), false},
        {"past the slack", graphic.get(), QRectF(-3, 108, 404, 194), true},
        {"an empty rectangle is never inside", graphic.get(), QRectF(10, 150, 0, 10), true},
        {"no section: inside the slack of nothing", loner.get(), QRectF(-1, -1, 2, 2), false},
        {"no section: anything bigger", loner.get(), QRectF(0, 0, 3, 3), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SKTGraphic::isGraphicContainedWithinSection(*c.graphic, c.rect), c.exceeds) << c.name;
}

TEST(GroupGeometryTest, OverlapCheckPutsAGraphicDroppedOnAnotherBackWithItsDraggedMembers)
{
    ScopedProfile profile;
    RecordingContext context;
    // The section was dropped onto the bottom of the section above it.
    auto section = placedSection(QRectF(0, 300, 400, 100), 1);
    auto otherSection = placedSection(QRectF(0, 0, 400, 320), 2);
    auto member = placedGraphic(QRectF(10, 310, 20, 20), 1);
    context.setGraphics({section, otherSection, member});
    section->setLastNoOverlapRect(QRectF(0, 330, 400, 100));

    SKTGraphic::checkforOverlap(*section);

    EXPECT_EQ(section->bounds(), QRectF(0, 330, 400, 100));
    EXPECT_EQ(member->bounds(), QRectF(10, 340, 20, 20));
    EXPECT_TRUE(context.requests.isEmpty()) << "no responsive follow-up on a plain page";

    // Where it overlaps nothing it stays.
    section->setLastNoOverlapRect(QRectF(0, 600, 400, 100));
    SKTGraphic::checkforOverlap(*section);
    EXPECT_EQ(section->bounds(), QRectF(0, 330, 400, 100));
}

TEST(GroupGeometryTest, OnResponsivePagesTheOverlapCheckLinesSectionsAndMembersUpAgain)
{
    ScopedProfile profile;
    profile->responsiveDesign = true;
    RecordingContext context;
    context.setLastTouchPoint(QPointF(33, 44));
    auto section = placedSection(QRectF(0, 0, 400, 200), 1);
    auto member = placedGraphic(QRectF(10, 10, 20, 20), 1);
    context.setGraphics({section, member});

    section->setMovingAsPartOfSection(true);
    SKTGraphic::checkforOverlap(*section);
    EXPECT_EQ(context.requests, QStringList{QStringLiteral("reAlignSectionObjects")});
    EXPECT_EQ(context.lastGraphic, section.get());
    EXPECT_FALSE(section->movingAsPartOfSection());

    context.requests.clear();
    SKTGraphic::checkforOverlap(*member);
    EXPECT_EQ(context.requests, QStringList{QStringLiteral("isObjectStillInSameSectionGrid")});
    EXPECT_EQ(context.lastGraphic, member.get());
    EXPECT_EQ(context.lastPoint, QPointF(33, 44));

    // A member that moved with its section is left where the section put it.
    context.requests.clear();
    member->setMovingAsPartOfSection(true);
    SKTGraphic::checkforOverlap(*member);
    EXPECT_TRUE(context.requests.isEmpty());
    EXPECT_FALSE(member->movingAsPartOfSection());
}

TEST(GroupGeometryTest, ADropOnAnotherGraphicIsUndoneAfterTheLastMove)
{
    ScopedProfile profile;
    profile->preventOverlap = true;
    RecordingContext context;
    auto obstacle = placedGraphic(QRectF(100, 0, 50, 50));
    auto moving = placedGraphic(QRectF(0, 0, 50, 50));
    context.setGraphics({obstacle, moving});

    SKTGraphic::translateGraphics({moving}, 40, 0);
    SKTGraphic::translateGraphics({moving}, 40, 0);
    EXPECT_EQ(moving->bounds(), QRectF(80, 0, 50, 50));
    // The second move overlapped, so the last free place is the one after the first move.
    EXPECT_EQ(moving->lastNoOverlapRect(), QRectF(40, 0, 50, 50));
    // One pending check, restarted by the second move.
    const QList<QTimer*> timers = moving->findChildren<QTimer*>();
    ASSERT_EQ(timers.size(), 1);
    EXPECT_TRUE(timers.first()->isActive());

    EXPECT_TRUE(QTest::qWaitFor([&] { return moving->bounds() == QRectF(40, 0, 50, 50); }, 5000));
    EXPECT_FALSE(timers.first()->isActive());
}

TEST(GroupGeometryTest, APendingOverlapCheckGoesAwayWithItsGraphic)
{
    ScopedProfile profile;
    profile->preventOverlap = true;
    RecordingContext context;
    auto obstacle = placedGraphic(QRectF(100, 0, 50, 50));
    auto moving = placedGraphic(QRectF(80, 0, 50, 50));
    context.setGraphics({obstacle, moving});
    SKTGraphic::translateGraphics({moving}, 1, 0);
    QPointer<QTimer> timer = moving->findChild<QTimer*>();
    ASSERT_TRUE(timer);
    context.setGraphics({obstacle});
    moving.reset();
    EXPECT_TRUE(timer.isNull());
}

} // namespace
