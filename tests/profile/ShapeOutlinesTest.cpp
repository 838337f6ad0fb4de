#include "profile/services/ShapeOutlines.h"

#include <gtest/gtest.h>

#include <QLineF>
#include <QList>
#include <QPointF>

#include <cmath>

namespace {

QList<QPointF> pathPoints(const QPainterPath& path)
{
    QList<QPointF> points;
    for (int i = 0; i < path.elementCount(); ++i)
        points << QPointF(path.elementAt(i));
    return points;
}

void expectNear(const QPointF& actual, const QPointF& expected, const char* what)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-9) << what;
    EXPECT_NEAR(actual.y(), expected.y(), 1e-9) << what;
}

void expectRectNear(const QRectF& actual, const QRectF& expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.left(), expected.left(), tolerance);
    EXPECT_NEAR(actual.top(), expected.top(), tolerance);
    EXPECT_NEAR(actual.width(), expected.width(), tolerance);
    EXPECT_NEAR(actual.height(), expected.height(), tolerance);
}

TEST(ShapeOutlinesTest, FlippedStarIsStar2AsListedAndTheReverse)
{
    const QList<QPointF> star2AsListed = {{50, 0},        {67.63, 25.73}, {97.55, 34.55}, {78.53, 59.27},
                                          {79.39, 90.45}, {50, 80},       {20.61, 90.45}, {21.47, 59.27},
                                          {2.45, 34.55},  {32.37, 25.73}, {50, 0}};
    const QList<QPointF> star = pathPoints(DataCentre::grabShapeBezierPath("star"));
    ASSERT_EQ(star.size(), star2AsListed.size());
    for (qsizetype i = 0; i < star.size(); ++i)
        expectNear(star.at(i), star2AsListed.at(i), "star");

    const QList<QPointF> star2 = pathPoints(DataCentre::grabShapeBezierPath("star2"));
    ASSERT_EQ(star2.size(), star.size());
    for (qsizetype i = 0; i < star2.size(); ++i)
        expectNear(star2.at(i), QPointF(star.at(i).x(), 100 - star.at(i).y()), "star2");
}

TEST(ShapeOutlinesTest, TrianglesAndOctagonLandWhereTheFlipPutsThem)
{
    const QList<QPointF> triangle = pathPoints(DataCentre::grabShapeBezierPath("triangle"));
    ASSERT_EQ(triangle.size(), 4);
    expectNear(triangle.at(0), {50, 0}, "apex");
    expectNear(triangle.at(1), {93.3, 75}, "base right");
    expectNear(triangle.at(2), {6.7, 75}, "base left");

    const QList<QPointF> triangle2 = pathPoints(DataCentre::grabShapeBezierPath("triangle2"));
    ASSERT_EQ(triangle2.size(), 4);
    expectNear(triangle2.at(0), {50, 80}, "apex");
    expectNear(triangle2.at(1), {93.3, 5}, "base right");

    const QRectF octagon = DataCentre::grabShapeBezierPath("octagon").boundingRect();
    EXPECT_DOUBLE_EQ(octagon.left(), 1);
    EXPECT_DOUBLE_EQ(octagon.right(), 101);
    EXPECT_DOUBLE_EQ(octagon.top(), 0);
    EXPECT_DOUBLE_EQ(octagon.bottom(), 100);
}

TEST(ShapeOutlinesTest, EveryPolygonIsClosedWithItsPointCount)
{
    const struct {
        const char* name;
        int points;
    } cases[] = {{"star", 10},    {"star2", 10},   {"star4", 8},    {"star4b", 8},     {"star10", 20},
                 {"star25", 50},  {"octagon", 16}, {"triangle", 3}, {"triangle2", 3},  {"pyramid", 6},
                 {"polygon5", 5}, {"polygon6", 6}, {"polygon7", 7}, {"polygon10", 10}, {"polygon12", 12}};
    for (const auto& c : cases) {
        const QPainterPath path = DataCentre::grabShapeBezierPath(c.name);
        ASSERT_EQ(path.elementCount(), c.points + 1) << c.name;
        EXPECT_TRUE(path.elementAt(0).isMoveTo()) << c.name;
        for (int i = 1; i <= c.points; ++i)
            EXPECT_TRUE(path.elementAt(i).isLineTo()) << c.name;
        EXPECT_EQ(QPointF(path.elementAt(c.points)), QPointF(path.elementAt(0))) << c.name;
    }
}

TEST(ShapeOutlinesTest, RectangleOutlinesMapOntoThemselves)
{
    const struct {
        const char* name;
        QRectF bounds;
        bool roundCorners;
    } cases[] = {
        {"square", {10, 10, 80, 80}, false},
        {"square_roundcorners", {10, 10, 80, 80}, true},
        {"circle", {10, 10, 80, 80}, true},
        {"rectangle", {10, 20, 80, 60}, false},
        {"rectangle_roundcorners", {10, 20, 80, 60}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QPainterPath path = DataCentre::grabShapeBezierPath(c.name);
        expectRectNear(path.boundingRect(), c.bounds);
        const QPointF nearCorner = c.bounds.topLeft() + QPointF(1, 1);
        EXPECT_EQ(path.contains(nearCorner), !c.roundCorners);
        EXPECT_TRUE(path.contains(c.bounds.center()));
    }
}

TEST(ShapeOutlinesTest, CircleIsTheEllipseOfTheSquare)
{
    const QPainterPath circle = DataCentre::grabShapeBezierPath("circle");
    for (int step = 0; step < 40; ++step) {
        const QPointF point = circle.pointAtPercent(step / 40.0);
        EXPECT_NEAR(QLineF(QPointF(50, 50), point).length(), 40.0, 0.05) << step;
    }
}

TEST(ShapeOutlinesTest, OtherNamesGiveAnEmptyPath)
{
    for (const char* name : {"Star", " star", "star ", "", "hexagon", "rectangle_roundCorners"})
        EXPECT_TRUE(DataCentre::grabShapeBezierPath(name).isEmpty()) << name;
}

TEST(ShapeOutlinesTest, FitsOutlinesToAnyRectangle)
{
    const QRectF target(200, 100, 50, 20);
    const QPainterPath star4 = DataCentre::fitShapeOutline(DataCentre::grabShapeBezierPath("star4"), target);
    expectRectNear(star4.boundingRect(), target);
    expectNear(QPointF(star4.elementAt(0)), QPointF(225, 120), "flipped top point lands on the bottom edge");

    const QPainterPath square =
        DataCentre::fitShapeOutline(DataCentre::grabShapeBezierPath("square"), target);
    expectRectNear(square.boundingRect(), QRectF(205, 102, 40, 16));
    EXPECT_TRUE(DataCentre::fitShapeOutline(QPainterPath(), target).isEmpty());
}

} // namespace
