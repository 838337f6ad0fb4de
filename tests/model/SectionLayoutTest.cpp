#include "GeometryTestSupport.h"

#include "model/SKTTable.h"
#include "model/sections/SectionLayout.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

#include <QTextDocument>

// The section rules of responsive pages over real sections: lookups, collisions, placement, fitting,
// making room and pushing sections down.

namespace {

// A section at `top`, `columns` cells of `cellWidth` side by side, as high as the section; no paddings or
// margins, so its cells start at its corner.
std::shared_ptr<SKTTable> section(int number, double top, int height, int columns = 1, int cellWidth = 300)
{
    myTextViewList cells;
    for (int column = 0; column < columns; ++column) {
        auto cell = myTextView::initWithFrame(QRectF());
        cell->setRowSpot(0);
        cell->setColumnSpot(column);
        cell->setWidth(cellWidth);
        cell->setHeight(height);
        cell->setSectionNumber(number);
        cell->setTextStorage(std::make_shared<QTextDocument>());
        cells << cell;
    }
    auto s = std::make_shared<SKTTable>();
    EXPECT_TRUE(s->initWithProperties({
        {QStringLiteral("bounds"), Format::rect(QRectF(0, top, columns * cellWidth, height))},
        {QStringLiteral("numOfColumns"), QString::number(columns)},
        {QStringLiteral("numOfRows"), QStringLiteral("1")},
        {QStringLiteral("padding"), QStringLiteral("0")},
        {QStringLiteral("gridType"), QStringLiteral("section")},
        {QStringLiteral("sectionNumber"), QString::number(number)},
        {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
    }));
    return s;
}

// An object (no form option) placed in the cell (row 0, `column`) of the section numbered `number`.
std::shared_ptr<SKTGraphic> member(const QRectF& bounds, int number, int column = 0)
{
    auto g = placedGraphic(bounds, number);
    g->setFormOptionTag(kNoNumber);
    g->setSectionRowSpot(0);
    g->setSectionColumnSpot(column);
    return g;
}

double top(const std::shared_ptr<SKTGraphic>& g)
{
    return g->bounds().y();
}

class SectionLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { profile->responsiveDesign = true; }
    ScopedProfile profile;
};

TEST_F(SectionLayoutTest, APushMovesTheSectionUnderTheRectangleToItsBottomAndEverySectionBelowItsTop)
{
    const auto above = section(1, 0, 250);
    const auto hit = section(2, 350, 100);
    const auto below = section(3, 500, 100);
    const auto hitMember = member(QRectF(10, 360, 50, 20), 2);
    const auto belowMember = member(QRectF(10, 520, 50, 20), 3);
    const auto loose = placedGraphic(QRectF(400, 600, 20, 20));
    SectionLayout({above, hit, hitMember, below, belowMember, loose})
        .identifyAndPushSectionsDownward(QRectF(0, 300, 300, 100));

    EXPECT_EQ(top(above), 0);
    EXPECT_EQ(top(hit), 400);
    EXPECT_EQ(top(below), 550);
    EXPECT_EQ(hitMember->bounds(), QRectF(10, 410, 50, 20));
    EXPECT_EQ(top(belowMember), 570);
    EXPECT_EQ(top(loose), 600) << "objects of no section stay";
}

TEST_F(SectionLayoutTest, TheOnePixelPushPutsTheNextSectionsTopOnTheStrip)
{
    const auto upper = section(1, 0, 280);
    const auto lower = section(2, 290, 100);
    const auto lowerMember = member(QRectF(10, 300, 50, 20), 2);
    const SectionLayout layout({upper, lower, lowerMember});
    layout.identifyAndPushSectionsDownwardByOnePixel(QRectF(0, 300, 300, 1));
    EXPECT_EQ(top(lower), 300);
    EXPECT_EQ(top(lowerMember), 310);
    EXPECT_EQ(top(upper), 0);

    // A strip over no section moves nothing.
    layout.identifyAndPushSectionsDownwardByOnePixel(QRectF(0, 900, 300, 1));
    EXPECT_EQ(top(lower), 300);
}

TEST_F(SectionLayoutTest, AMovingSectionIsPushedAgainstTheTopmostOfTheSectionsItMeets)
{
    // The list order puts the lower section first; the push still takes the topmost one.
    const auto lower = section(2, 380, 100);
    const auto upper = section(1, 320, 50);
    SectionLayout({lower, upper}).identifyAndPushSectionsDownward(QRectF(0, 300, 300, 100));
    EXPECT_EQ(top(upper), 400);
    EXPECT_EQ(top(lower), 460);
}

TEST_F(SectionLayoutTest, MakingRoomMovesTheObjectsBelowAndGrowsTheSectionThatOverflows)
{
    const auto cellSection = section(1, 0, 500);
    const auto first = member(QRectF(0, 250, 300, 100), 1);
    const auto second = member(QRectF(0, 400, 300, 80), 1);
    const auto aboveNew = member(QRectF(0, 100, 300, 50), 1);
    const auto next = section(2, 550, 100);
    const auto nextMember = member(QRectF(0, 560, 300, 20), 2);
    const SectionLayout layout({first, second, aboveNew, nextMember, cellSection, next});

    layout.shiftObjectsInSection(QPointF(150, 210), QRectF(0, 200, 300, 100));

    EXPECT_EQ(top(first), 300);
    EXPECT_EQ(top(second), 450);
    EXPECT_EQ(top(aboveNew), 100) << "objects above the new one stay";
    EXPECT_EQ(cellSection->bounds(), QRectF(0, 0, 300, 530)) << "grown by the overflow of 30";
    EXPECT_EQ(top(next), 580) << "50 below the new bottom";
    EXPECT_EQ(top(nextMember), 590);
}

TEST_F(SectionLayoutTest, MakingRoomInAnEmptyCellOnlyGrowsASectionTooShortForTheNewObject)
{
    const auto s = section(1, 0, 200);
    const SectionLayout layout({s});
    layout.shiftObjectsInSection(QPointF(10, 10), QRectF(0, 50, 300, 100));
    EXPECT_EQ(s->bounds().height(), 200);
    layout.shiftObjectsInSection(QPointF(10, 150), QRectF(0, 150, 300, 100));
    EXPECT_EQ(s->bounds().height(), 250);
}

TEST_F(SectionLayoutTest, TheNextSectionNumberIsOneAboveTheHighestOnThePage)
{
    EXPECT_EQ(SectionLayout({}).findNextSectionNumber(), 1);
    const GraphicList page = {member(QRectF(0, 10, 10, 10), 2), section(1, 0, 100), section(2, 100, 100),
                              member(QRectF(0, 110, 10, 10), 1)};
    EXPECT_EQ(SectionLayout(page).findNextSectionNumber(), 3);
}

TEST_F(SectionLayoutTest, APointBelongsToACellByItsLeftAndTopEdgesOnly)
{
    const auto s = section(4, 100, 100, 2, 150);
    const SectionLayout layout({s});
    const struct {
        QPointF point;
        int column;
    } cases[] = {
        {{0, 100}, 0},     {{149.9, 150}, 0}, {{150, 150}, 1},   {{299, 199}, 1},
        {{300, 150}, -99}, {{10, 200}, -99},  {{10, 99.5}, -99},
    };
    for (const auto& c : cases) {
        const SectionLayout::Cell cell = layout.cellUnder(c.point);
        EXPECT_EQ(cell ? cell.column : -99, c.column) << c.point.x() << "," << c.point.y();
    }
    EXPECT_EQ(layout.grabOverLappingSectionCell(QPointF(160, 120)), QRect(150, 100, 150, 100));
    EXPECT_TRUE(layout.grabOverLappingSectionCell(QPointF(160, 220)).isNull());
    EXPECT_EQ(layout.grabSectionRect(QPointF(160, 120), QRectF(160, 120, 40, 30.7)),
              QRectF(150, 120, 150, 30));
    EXPECT_EQ(layout.grabSectionRect(QPointF(160, 220), QRectF(160, 220, 40, 30.7)),
              QRectF(160, 220, 40, 30.7));
}

TEST_F(SectionLayoutTest, AGraphicIsPlacedInTheCellOfTheFirstSectionInListOrder)
{
    const auto first = section(7, 0, 200, 2, 150);
    const auto second = section(8, 100, 200);
    const auto g = placedGraphic(QRectF(200, 150, 20, 20));
    const SectionLayout layout({g, first, second});

    EXPECT_EQ(layout.applySection(g, QPointF(200, 150)), g);
    EXPECT_EQ(g->sectionNumber(), 7);
    EXPECT_EQ(g->sectionColumnSpot(), 1);
    EXPECT_EQ(g->bounds(), QRectF(200, 150, 20, 20)) << "placing moves nothing";

    EXPECT_EQ(layout.applySection(g, QPointF(100, 250)), g);
    EXPECT_EQ(g->sectionNumber(), 8);

    EXPECT_EQ(layout.applySection(g, QPointF(100, 350)), nullptr);
    EXPECT_EQ(g->sectionNumber(), 8) << "outside every section the graphic keeps its place";
}

TEST_F(SectionLayoutTest, AnObjectMovedIntoAnotherSectionJoinsItAndThatSectionIsFittedAgain)
{
    const auto home = section(1, 0, 200, 2, 150);
    const auto other = section(2, 200, 200);
    const auto g = member(QRectF(20, 50, 40, 40), 1);
    const SectionLayout layout({g, home, other});

    // Another cell of its own section: no change.
    g->setBounds(QRectF(170, 50, 40, 40));
    layout.isObjectStillInSameSectionGrid(*g, QPointF(180, 60));
    EXPECT_EQ(g->sectionColumnSpot(), 0);
    EXPECT_EQ(g->bounds(), QRectF(170, 50, 40, 40));

    g->setBounds(QRectF(20, 250, 40, 40));
    layout.isObjectStillInSameSectionGrid(*g, QPointF(30, 260));
    EXPECT_EQ(g->sectionNumber(), 2);
    EXPECT_EQ(g->sectionColumnSpot(), 0);
    EXPECT_EQ(g->bounds(), QRectF(0, 250, 300, 40)) << "fitted to its new cell";
}

TEST_F(SectionLayoutTest, FittingGivesObjectsTheirCellsXAndWidthAndCutsWhatSticksOutAbove)
{
    const auto s = section(3, 100, 200, 2, 150);
    const auto plain = member(QRectF(160, 80.6, 40, 50), 3, 1);
    const auto keepsSize = member(QRectF(20, 150, 40, 50), 3, 0);
    keepsSize->setResponsiveResizeFlag(1);
    const auto optionLabel = member(QRectF(20, 210, 40, 20), 3, 0);
    optionLabel->setFormOptionTag(2);
    optionLabel->setFormType(QStringLiteral("textLabel"));
    const auto checkbox = member(QRectF(5, 240, 15, 15), 3, 0);
    checkbox->setFormOptionTag(2);
    checkbox->setFormType(QStringLiteral("checkbox"));
    const auto elsewhere = member(QRectF(20, 20, 40, 40), 9, 0);

    SectionLayout({plain, keepsSize, optionLabel, checkbox, elsewhere, s}).reAlignSectionObjects(*s);

    EXPECT_EQ(plain->bounds(), QRectF(150, 100, 150, 30)) << "cut by 20 at the top, bottom edge kept";
    EXPECT_EQ(keepsSize->bounds(), QRectF(0, 150, 40, 50));
    EXPECT_EQ(optionLabel->bounds(), QRectF(30, 210, 120, 20)) << "option labels are indented by 30";
    EXPECT_EQ(checkbox->bounds(), QRectF(5, 240, 15, 15));
    EXPECT_EQ(elsewhere->bounds(), QRectF(20, 20, 40, 40));
}

TEST_F(SectionLayoutTest, CollisionsCountSectionsOnlyAgainstSections)
{
    const auto s = section(1, 0, 100);
    const auto other = section(2, 100, 100);
    const auto box = member(QRectF(10, 10, 50, 50), 1);
    const auto loose = placedGraphic(QRectF(400, 0, 50, 50));
    const SectionLayout layout({box, loose, s, other});
    const struct {
        const char* name;
        bool answer;
        bool expected;
    } cases[] = {
        {"rect over the box", layout.isThereGraphicAtRect(QRectF(50, 50, 20, 20)), true},
        {"rect over a section only", layout.isThereGraphicAtRect(QRectF(200, 50, 20, 20)), false},
        {"including sections", layout.isThereGraphicAtRect_includingSection(QRectF(200, 50, 20, 20)), true},
        {"a shared edge", layout.isThereGraphicAtRect_includingSection(QRectF(0, 200, 20, 20)), false},
        {"point on the box", layout.isThereGraphicAtPoint(QPointF(60, 60)), true},
        {"point on a section", layout.isThereGraphicAtPoint(QPointF(200, 60)), false},
        {"box moved onto a section", layout.isThereGraphicAtNewLocation(*box, QRectF(200, 150, 20, 20)),
         false},
        {"section moved onto a section", layout.isThereGraphicAtNewLocation(*s, QRectF(0, 150, 300, 100)),
         true},
        {"section moved onto a loose box", layout.isThereGraphicAtNewLocation(*other, QRectF(400, 0, 20, 20)),
         false},
        {"box onto itself", layout.isThereGraphicAtNewLocation(*box, QRectF(20, 20, 20, 20)), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.answer, c.expected) << c.name;
}

TEST_F(SectionLayoutTest, ASectionsObjectsAreFoundByNumberAndCellTopmostAndLowest)
{
    const auto s = section(5, 0, 300, 2, 150);
    const auto a = member(QRectF(0, 120, 10, 100), 5, 0);
    const auto b = member(QRectF(0, 20, 10, 10), 5, 1);
    const auto c = member(QRectF(0, 60, 10, 10), 5, 0);
    const SectionLayout layout({a, b, c, s, section(6, 300, 100)},
                               [&](const SKTGraphic& g) { return &g == b.get(); });

    EXPECT_EQ(layout.findObjectsInSection(*s), (GraphicList{a, b, c}));
    EXPECT_TRUE(a->movingAsPartOfSection());
    EXPECT_FALSE(b->movingAsPartOfSection()) << "a selected object moves with the selection";
    EXPECT_EQ(layout.findObjectsInSectionCell(*s->grabSelectedTableCellHelper(0, 0)), (GraphicList{a, c}));
    EXPECT_EQ(layout.grabTopMostObjectInSection(5), b);
    EXPECT_EQ(layout.grabBottomMostObjectInSection(5), a);
    EXPECT_EQ(layout.grabBottomMostObjectInSection(6), nullptr);
    EXPECT_EQ(layout.grabMySection(5), s);
    s->setGridType(QStringLiteral("sectionTemplate"));
    EXPECT_EQ(layout.grabMySection(5), nullptr) << "templates are not found by number";
}

} // namespace
