#include "GeometryTestSupport.h"

#include "model/SKTGrid.h"
#include "model/drawing/DrawingView.h"
#include "platform/UserDefaults.h"
#include "support/VelkTest.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

class SKTGridTest : public VelkTest {
protected:
    // Whether the lattice shows: a line of the grid crosses (spacing, 1) when it is drawn.
    static bool drawsLattice(const SKTGrid& grid)
    {
        QImage image = whiteImage(60, 60);
        {
            QPainter painter(&image);
            DrawingView view(painter);
            grid.drawRect(QRectF(0, 0, 60, 60), view);
        }
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (!isWhite(image, x, y))
                    return true;
            }
        }
        return false;
    }

    ScopedProfile profile;
};

TEST_F(SKTGridTest, SpacingAndFlagsComeFromTheUserDefaults)
{
    {
        SKTGrid grid;
        EXPECT_EQ(grid.spacing(), 9);
        EXPECT_FALSE(grid.isAlwaysShown());
        EXPECT_FALSE(grid.isConstraining());
        EXPECT_EQ(grid.color(), QColor::fromRgbF(2.0f / 3, 2.0f / 3, 2.0f / 3));
    }
    UserDefaults::standard().setObject(0.0f, QStringLiteral("gridSpacing"));
    EXPECT_EQ(SKTGrid().spacing(), 9);

    UserDefaults::standard().setObject(12.5f, QStringLiteral("gridSpacing"));
    UserDefaults::standard().setBool(true, QStringLiteral("drawGridFlag"));
    UserDefaults::standard().setBool(true, QStringLiteral("snapGridFlag"));
    SKTGrid grid;
    EXPECT_EQ(grid.spacing(), 12.5);
    EXPECT_TRUE(grid.isAlwaysShown());
    EXPECT_TRUE(grid.isConstraining());
}

TEST_F(SKTGridTest, AFixedTextBoxHeightForcesTheGridOn)
{
    UserDefaults::standard().setObject(12.0f, QStringLiteral("gridSpacing"));
    profile->customTextBoxHeight = true;
    profile->textBoxDefaultHeight = 50;
    const SKTGrid grid;
    EXPECT_EQ(grid.spacing(), 50);
    EXPECT_TRUE(grid.isAlwaysShown());
    EXPECT_TRUE(grid.isConstraining());
}

TEST_F(SKTGridTest, SnappingRoundsHalvesUp)
{
    SKTGrid grid;
    grid.setSpacing(10);
    const struct {
        double value, snapped;
    } cases[] = {{15, 20}, {-15, -10}, {14.9, 10}, {4.99, 0}, {-4.99, 0}, {-5, 0}, {25, 30}};
    grid.setConstraining(true);
    for (const auto& c : cases)
        EXPECT_EQ(grid.constrainedPoint(QPointF(c.value, c.value)), QPointF(c.snapped, c.snapped)) << c.value;

    grid.setConstraining(false);
    EXPECT_EQ(grid.constrainedPoint(QPointF(15, 15)), QPointF(15, 15));
}

TEST_F(SKTGridTest, AlignedRectSnapsBothCorners)
{
    SKTGrid grid;
    grid.setSpacing(9);
    const struct {
        QRectF rect, aligned;
    } cases[] = {
        {{3, 3, 2, 2}, {0, 0, 9, 9}},
        {{1, 1, 2, 2}, {0, 0, 0, 0}},
        {{10, 20, 30, 40}, {9, 18, 27, 45}},
        {{-10, -5, 8, 8}, {-9, -9, 9, 9}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid.alignedRect(c.rect), c.aligned) << c.rect.x() << "," << c.rect.y();
}

TEST_F(SKTGridTest, ASpacingOfZeroMakesTheGridUnusable)
{
    SKTGrid grid;
    grid.setAlwaysShown(true);
    grid.setConstraining(true);
    grid.setSpacing(0);
    EXPECT_EQ(UserDefaults::standard().floatForKey(QStringLiteral("gridSpacing")), 0.0f);
    EXPECT_TRUE(UserDefaults::standard().objectForKey(QStringLiteral("gridSpacing")).isValid());
    EXPECT_FALSE(grid.isUsable());
    EXPECT_FALSE(grid.canAlign());
    EXPECT_FALSE(grid.canSetColor());
    EXPECT_TRUE(grid.canSetSpacing());
    EXPECT_EQ(grid.constrainedPoint(QPointF(13, 17)), QPointF(13, 17));
    EXPECT_FALSE(drawsLattice(grid));
}

TEST_F(SKTGridTest, TheLatticeLiesOnMultiplesOfTheSpacing)
{
    SKTGrid grid;
    grid.setAlwaysShown(true);
    grid.setSpacing(10);
    QImage image = whiteImage(60, 60);
    {
        QPainter painter(&image);
        DrawingView view(painter);
        grid.drawRect(QRectF(5, 5, 40, 40), view);
    }
    // A hairline on x = 10 lands in the pixel column on one side of it or the other.
    const auto inkedNear = [&](int x, int y) {
        return !isWhite(image, x, y) || !isWhite(image, x - 1, y - 1);
    };
    EXPECT_TRUE(inkedNear(10, 7));
    EXPECT_TRUE(inkedNear(40, 30));
    EXPECT_TRUE(inkedNear(33, 20));
    EXPECT_FALSE(inkedNear(15, 15));
    EXPECT_FALSE(inkedNear(50, 20)) << "outside the rectangle drawn";
    EXPECT_FALSE(inkedNear(10, 2)) << "above the rectangle drawn";
}

TEST_F(SKTGridTest, AChangeOfSpacingShowsAHiddenGridForASecond)
{
    SKTGrid grid;
    QSignalSpy spy(&grid, &SKTGrid::valueChanged);
    grid.setSpacing(12);
    ASSERT_NE(grid.hidingTimer(), nullptr);
    EXPECT_TRUE(grid.hidingTimer()->isActive());
    EXPECT_TRUE(drawsLattice(grid));
    QTimer* first = grid.hidingTimer();

    // A second change within the second extends the same display.
    grid.setSpacing(16);
    EXPECT_EQ(grid.hidingTimer(), first);
    EXPECT_TRUE(first->isActive());

    EXPECT_TRUE(QTest::qWaitFor([&] { return grid.hidingTimer() == nullptr; }, 5000));
    EXPECT_FALSE(drawsLattice(grid));
    QStringList keys;
    for (const QList<QVariant>& arguments : spy)
        keys << arguments.at(0).toString();
    EXPECT_EQ(keys.count(QStringLiteral("spacing")), 2);
    EXPECT_EQ(keys.count(QStringLiteral("any")), 3) << "two changes of spacing and the end of the display";
}

TEST_F(SKTGridTest, TheSameSpacingAgainIsStoredButShowsNothing)
{
    UserDefaults::standard().setObject(9.0f, QStringLiteral("gridSpacing"));
    SKTGrid grid;
    UserDefaults::standard().removeObject(QStringLiteral("gridSpacing"));
    grid.setSpacing(9);
    EXPECT_EQ(UserDefaults::standard().floatForKey(QStringLiteral("gridSpacing")), 9.0f);
    EXPECT_EQ(grid.hidingTimer(), nullptr);
}

TEST_F(SKTGridTest, SettingWhatTheGridHoldsAlreadyTellsNobody)
{
    SKTGrid grid;
    QSignalSpy spy(&grid, &SKTGrid::valueChanged);
    grid.setColor(grid.color());
    grid.setSpacing(grid.spacing());
    grid.setAlwaysShown(grid.isAlwaysShown());
    grid.setConstraining(grid.isConstraining());
    EXPECT_EQ(spy.count(), 0);
    grid.setConstraining(!grid.isConstraining());
    EXPECT_EQ(spy.count(), 3) << "constraining, any, canSetSpacing";
}

TEST_F(SKTGridTest, AnAlwaysShownGridStartsNoDisplayAndSwitchingItEndsOne)
{
    SKTGrid grid;
    grid.setAlwaysShown(true);
    EXPECT_TRUE(UserDefaults::standard().boolForKey(QStringLiteral("drawGridFlag")));
    grid.setSpacing(20);
    EXPECT_EQ(grid.hidingTimer(), nullptr);

    grid.setAlwaysShown(false);
    grid.setSpacing(25);
    ASSERT_NE(grid.hidingTimer(), nullptr);
    grid.setAlwaysShown(true);
    EXPECT_EQ(grid.hidingTimer(), nullptr);
    EXPECT_TRUE(drawsLattice(grid));

    grid.setConstraining(true);
    EXPECT_TRUE(UserDefaults::standard().boolForKey(QStringLiteral("snapGridFlag")));
    EXPECT_TRUE(grid.canSetColor());
}

} // namespace
