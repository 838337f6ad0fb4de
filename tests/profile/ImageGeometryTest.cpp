#include "profile/services/ImageGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct SizeCase {
    QSizeF size;
    int n;
    QSizeF expected;
};

TEST(ImageGeometryTest, LongerSideBecomesTheLength)
{
    const SizeCase cases[] = {
        {{400, 300}, 200, {200, 150}}, {{300, 400}, 200, {150, 200}}, {{300, 300}, 200, {200, 200}},
        {{0, 0}, 200, {200, 200}},     {{100.9, 50.9}, 10, {10, 5}},  {{0, 50}, 10, {0, 10}},
        {{3, 1000}, 100, {0, 100}},    {{-0.5, 7}, 14, {2, 14}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataCentre::returnNewSizeWithWidth(c.size, c.n), c.expected)
            << c.size.width() << " x " << c.size.height() << " n " << c.n;
}

TEST(ImageGeometryTest, WidthBecomesTheLengthWhateverTheOrientation)
{
    const SizeCase cases[] = {
        {{300, 400}, 150, {150, 200}}, {{400, 300}, 200, {200, 150}}, {{0, 0}, 50, {50, 50}},
        {{99.99, 33.3}, 10, {10, 3}},  {{10, 0}, 100, {100, 10}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataCentre::returnNewSizeMatchWidthRegardlessOfHeight(c.size, c.n), c.expected)
            << c.size.width() << " x " << c.size.height() << " n " << c.n;
}

TEST(ImageGeometryTest, UnreadableSidesCountAsOne)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(DataCentre::returnNewSizeWithWidth(QSizeF(nan, nan), 30), QSizeF(30, 30));
    EXPECT_EQ(DataCentre::returnNewSizeMatchWidthRegardlessOfHeight(QSizeF(4, nan), 8), QSizeF(8, 2));
}

TEST(ImageGeometryTest, RotatesAboutThePointBeforeTheEarlierTransform)
{
    QTransform transform;
    transform.translate(100, 0);
    QTransform& result = DataCentre::transformRotatingAroundPoint(QPointF(10, 10), 90, transform);
    EXPECT_EQ(&result, &transform);

    const QPointF mapped = transform.map(QPointF(20, 10));
    EXPECT_NEAR(mapped.x(), 110, 1e-9);
    EXPECT_NEAR(mapped.y(), 20, 1e-9);
    const QPointF centre = transform.map(QPointF(10, 10));
    EXPECT_NEAR(centre.x(), 110, 1e-9);
    EXPECT_NEAR(centre.y(), 10, 1e-9);

    QTransform identity;
    DataCentre::transformRotatingAroundPoint(QPointF(50, 50), 360, identity);
    EXPECT_TRUE(identity.map(QPointF(3, 4)) == QPointF(3, 4));
}

} // namespace
