#include "platform/RulerUnits.h"

#include <gtest/gtest.h>

namespace {

class RulerUnitsTest : public ::testing::Test {
protected:
    void SetUp() override { RulerUnits::reset(); }
    void TearDown() override { RulerUnits::reset(); }
};

TEST_F(RulerUnitsTest, KnowsTheStandardUnits)
{
    const std::pair<const char*, double> standard[] = {
        {"Inches", 72.0}, {"Centimeters", 28.35}, {"Points", 1.0}, {"Picas", 12.0}};
    for (const auto& [name, points] : standard) {
        const auto unit = RulerUnits::unitNamed(name);
        ASSERT_TRUE(unit) << name;
        EXPECT_EQ(unit->pointsPerUnit, points) << name;
        EXPECT_FALSE(unit->stepUpCycle.isEmpty()) << name;
        EXPECT_FALSE(unit->stepDownCycle.isEmpty()) << name;
    }
    EXPECT_FALSE(RulerUnits::unitNamed("inches"));
    EXPECT_FALSE(RulerUnits::unitNamed("Furlongs"));
}

TEST_F(RulerUnitsTest, RegisteringReplacesTheUnitOfTheSameName)
{
    RulerUnits::registerUnit({"Inches", "Inches", 300.0, {10.0}, {0.5, 0.2}});
    RulerUnits::registerUnit({"Inches", "Inches", 600.0, {10.0}, {0.5, 0.2}});
    RulerUnits::registerUnit({"Spots", "sp", 3.0, {4.0}, {0.5}});

    const auto inches = RulerUnits::unitNamed("Inches");
    ASSERT_TRUE(inches);
    EXPECT_EQ(inches->abbreviation, "Inches");
    EXPECT_EQ(inches->pointsPerUnit, 600.0);
    EXPECT_EQ(inches->stepUpCycle, QList<double>({10.0}));
    EXPECT_EQ(inches->stepDownCycle, QList<double>({0.5, 0.2}));
    ASSERT_TRUE(RulerUnits::unitNamed("Spots"));
    EXPECT_EQ(RulerUnits::unitNamed("Spots")->abbreviation, "sp");
    EXPECT_EQ(RulerUnits::unitNamed("Points")->pointsPerUnit, 1.0);

    RulerUnits::reset();
    EXPECT_EQ(RulerUnits::unitNamed("Inches")->pointsPerUnit, 72.0);
    EXPECT_FALSE(RulerUnits::unitNamed("Spots"));
}

} // namespace
