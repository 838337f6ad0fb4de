#include "GeometryTestSupport.h"

#include "model/geometry/BoxModel.h"

#include <gtest/gtest.h>

namespace {

using G = SKTGraphic;

struct LevelSide {
    const char* name;
    void (G::*setLevel)(QString);
    int (G::*value)() const;
    QString (G::*unit)() const;
    bool topOrBottom;
};

const LevelSide kSides[] = {
    {"top margin", &G::setTopMarginLevelString, &G::topMargin, &G::topMarginType, true},
    {"bottom margin", &G::setBottomMarginLevelString, &G::bottomMargin, &G::bottomMarginType, true},
    {"left margin", &G::setLeftMarginLevelString, &G::leftMargin, &G::leftMarginType, false},
    {"right margin", &G::setRightMarginLevelString, &G::rightMargin, &G::rightMarginType, false},
    {"top padding", &G::setTopPaddingLevelString, &G::topPadding, &G::topPaddingType, true},
    {"bottom padding", &G::setBottomPaddingLevelString, &G::bottomPadding, &G::bottomPaddingType, true},
    {"left padding", &G::setLeftPaddingLevelString, &G::leftPadding, &G::leftPaddingType, false},
    {"right padding", &G::setRightPaddingLevelString, &G::rightPadding, &G::rightPaddingType, false},
};

void setAllLevels(G& g, const QString& level)
{
    for (const LevelSide& side : kSides)
        (g.*side.setLevel)(level);
}

TEST(BoxModelTest, DrawBoxModelBuildsTheFiveRectanglesFromPointsAndPercentages)
{
    auto g = placedGraphic(QRectF(10, 20, 200, 100));
    g->setBorderWidth(3);
    const struct {
        void (G::*setValue)(int);
        void (G::*setUnit)(QString);
        int value;
        const char* unit;
    } values[] = {
        {&G::setTopMargin, &G::setTopMarginType, 10, "pixel"},
        {&G::setBottomMargin, &G::setBottomMarginType, 5, "%"},
        {&G::setLeftMargin, &G::setLeftMarginType, 10, "%"},
        {&G::setRightMargin, &G::setRightMarginType, 4, "pixel"},
        {&G::setTopPadding, &G::setTopPaddingType, 6, "pixel"},
        {&G::setBottomPadding, &G::setBottomPaddingType, 10, "%"},
        {&G::setLeftPadding, &G::setLeftPaddingType, 5, "%"},
        {&G::setRightPadding, &G::setRightPaddingType, 2, "pixel"},
    };
    for (const auto& v : values) {
        ((*g).*v.setValue)(v.value);
        ((*g).*v.setUnit)(QString::fromLatin1(v.unit));
    }

    g->drawBoxModel();

    const struct {
        const char* name;
        float actual, expected;
    } points[] = {
        {"top margin", g->topMarginInPx(), 10},     {"bottom margin", g->bottomMarginInPx(), 5},
        {"left margin", g->leftMarginInPx(), 20},   {"right margin", g->rightMarginInPx(), 4},
        {"top padding", g->topPaddingInPx(), 6},    {"bottom padding", g->bottomPaddingInPx(), 10},
        {"left padding", g->leftPaddingInPx(), 10}, {"right padding", g->rightPaddingInPx(), 2},
    };
    for (const auto& p : points)
        EXPECT_FLOAT_EQ(p.actual, p.expected) << p.name;

    // Half of an odd border is taken in whole points.
    EXPECT_EQ(g->drawRect(), QRectF(11, 21, 197, 97));
    EXPECT_EQ(g->noMarginRect(), QRectF(30, 30, 176, 85));
    EXPECT_EQ(g->noMarginNoBorderRect(), QRectF(33, 33, 170, 79));
    EXPECT_EQ(g->noPaddingNoMarginRect(), QRectF(40, 36, 164, 69));
    EXPECT_EQ(g->contentRect(), QRectF(43, 39, 158, 63));
}

TEST(BoxModelTest, EachLevelGivesPointsVerticallyAndPercentHorizontally)
{
    const struct {
        const char* level;
        int topOrBottom, leftOrRight;
    } levels[] = {{"None", 0, 0},    {"Tiny", 10, 2}, {"Small", 20, 5}, {"Medium", 30, 10},
                  {"Large", 50, 15}, {"XL", 75, 20},  {"XXL", 100, 30}};
    ASSERT_EQ(BoxModel::levelNames().size(), 7);
    for (const auto& level : levels) {
        auto g = placedGraphic(QRectF(0, 0, 200, 100));
        setAllLevels(*g, QString::fromLatin1(level.level));
        g->applyPaddingAndMargin();
        for (const LevelSide& side : kSides) {
            EXPECT_EQ(((*g).*side.value)(), side.topOrBottom ? level.topOrBottom : level.leftOrRight)
                << level.level << " " << side.name;
            EXPECT_EQ(((*g).*side.unit)(), side.topOrBottom ? QStringLiteral("pixel") : QStringLiteral("%"))
                << level.level << " " << side.name;
        }
    }
}

TEST(BoxModelTest, ChoosingXLGivesTwentyPercentLeftAndSeventyFivePointsTop)
{
    auto g = placedGraphic(QRectF(0, 0, 200, 100));
    g->setLeftMarginLevelString(QStringLiteral("XL"));
    g->setTopMarginLevelString(QStringLiteral("XL"));
    g->applyPaddingAndMargin();
    EXPECT_EQ(g->leftMargin(), 20);
    EXPECT_EQ(g->leftMarginType(), QStringLiteral("%"));
    EXPECT_EQ(g->topMargin(), 75);
    EXPECT_EQ(g->topMarginType(), QStringLiteral("pixel"));
    EXPECT_FLOAT_EQ(g->leftMarginInPx(), 40);
    EXPECT_FLOAT_EQ(g->topMarginInPx(), 75);
}

TEST(BoxModelTest, ALevelOutsideTheSevenNamesLeavesItsSideAlone)
{
    for (const QString& level : {QStringLiteral("Huge"), QStringLiteral("xl"), QString()}) {
        auto g = placedGraphic(QRectF(0, 0, 200, 100));
        g->setTopMargin(7);
        g->setTopMarginType(QStringLiteral("%"));
        g->setTopMarginLevelString(level);
        g->applyPaddingAndMargin();
        EXPECT_EQ(g->topMargin(), 7) << level.toStdString();
        EXPECT_EQ(g->topMarginType(), QStringLiteral("%")) << level.toStdString();
    }
}

TEST(BoxModelTest, TheNewHeightKeepsTheContentAndRebuildsTheBoxAroundIt)
{
    auto g = placedGraphic(QRectF(5, 5, 200, 100));
    g->setTopPaddingLevelString(QStringLiteral("Small"));
    g->setBottomMarginLevelString(QStringLiteral("Tiny"));
    g->applyPaddingAndMargin();
    EXPECT_EQ(g->bounds(), QRectF(5, 5, 200, 130));
}

TEST(BoxModelTest, ApplyingTheSameLevelsAgainLeavesABorderedBoxAsItWas)
{
    auto g = placedGraphic(QRectF(0, 0, 200, 100));
    g->setBorderWidth(2);
    g->setTopMarginLevelString(QStringLiteral("Tiny"));
    g->setTopPaddingLevelString(QStringLiteral("Tiny"));
    g->setBottomMarginLevelString(QStringLiteral("Tiny"));
    g->setBottomPaddingLevelString(QStringLiteral("Tiny"));
    g->applyPaddingAndMargin();
    // The content (100 less the border) keeps its height inside the new margins and paddings.
    EXPECT_EQ(g->bounds(), QRectF(0, 0, 200, 140));
    for (int again = 0; again < 3; ++again) {
        g->applyPaddingAndMargin();
        EXPECT_EQ(g->bounds(), QRectF(0, 0, 200, 140)) << "application " << again + 2;
    }
}

TEST(BoxModelTest, ABoxNeverDrawnKeepsItsContentWhenLevelsAreApplied)
{
    auto g = placedGraphic(QRectF(0, 0, 200, 100));
    setAllLevels(*g, QStringLiteral("None"));
    g->applyPaddingAndMargin();
    EXPECT_EQ(g->bounds(), QRectF(0, 0, 200, 100));
}

TEST(BoxModelTest, ASectionThatGrowsPushesTheSectionsBelowAndOneThatShrinksDoesNot)
{
    RecordingContext context;
    auto upper = placedSection(QRectF(0, 0, 400, 200), 1);
    auto lower = placedSection(QRectF(0, 200, 400, 100), 2);
    auto lowerMember = placedGraphic(QRectF(10, 220, 20, 20), 2);
    context.setGraphics({upper, lower, lowerMember});

    upper->setTopPaddingLevelString(QStringLiteral("Small"));
    upper->applyPaddingAndMargin();
    EXPECT_EQ(upper->bounds(), QRectF(0, 0, 400, 220));
    EXPECT_EQ(lower->bounds(), QRectF(0, 220, 400, 100));
    EXPECT_EQ(lowerMember->bounds(), QRectF(10, 240, 20, 20));

    upper->setTopPaddingLevelString(QStringLiteral("None"));
    upper->applyPaddingAndMargin();
    EXPECT_EQ(upper->bounds(), QRectF(0, 0, 400, 200));
    EXPECT_EQ(lower->bounds(), QRectF(0, 220, 400, 100));

    // An ordinary graphic that grows pushes nothing.
    auto box = placedGraphic(QRectF(0, 100, 50, 50));
    context.setGraphics({upper, lower, lowerMember, box});
    box->setTopPaddingLevelString(QStringLiteral("XXL"));
    box->applyPaddingAndMargin();
    EXPECT_EQ(box->bounds(), QRectF(0, 100, 50, 150));
    EXPECT_EQ(lower->bounds(), QRectF(0, 220, 400, 100));
}

} // namespace
