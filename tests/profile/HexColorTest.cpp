#include "profile/services/HexColor.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

namespace {

struct ColorCase {
    const char* text;
    int red, green, blue;
};

class HexColorTest : public ::testing::Test {
protected:
    void SetUp() override { DataCentre::resetProfile(); }
    void TearDown() override { DataCentre::resetProfile(); }
};

TEST_F(HexColorTest, ReadsColourStrings)
{
    const ColorCase cases[] = {
        {" ff8800\n", 255, 136, 0}, {"0x00FF00", 0, 255, 0},   {"0X00ff00", 0, 255, 0},
        {"#00FF00", 0, 0, 0},       {"FFF", 0, 0, 0},          {"", 0, 0, 0},
        {"0xFFF", 0, 0, 0},         {"CLEAR0", 12, 234, 0},    {"C7C7C7", 199, 199, 199},
        {"8B0000", 139, 0, 0},      {"00FF00 extra", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const QColor color = DataCentre::colorWithHexString(QString::fromUtf8(c.text));
        EXPECT_EQ(color.red(), c.red) << c.text;
        EXPECT_EQ(color.green(), c.green) << c.text;
        EXPECT_EQ(color.blue(), c.blue) << c.text;
        EXPECT_EQ(color.alphaF(), 1.0) << c.text;
    }
}

TEST_F(HexColorTest, WritesUppercaseDigits)
{
    EXPECT_EQ(DataCentre::asHexString(Qt::white), "FFFFFF");
    EXPECT_EQ(DataCentre::asHexString(Qt::black), "000000");
    EXPECT_EQ(DataCentre::asHexString(QColor(171, 205, 239)), "ABCDEF");
    EXPECT_TRUE(DataCentre::asHexString(QColor()).isNull());
}

TEST_F(HexColorTest, PaletteColoursComeBackExactlyOthersMayDropAStep)
{
    const QColor nearlyWhite = QColor::fromRgbF(0.999f, 0.999f, 0.999f);
    EXPECT_EQ(DataCentre::asHexString(nearlyWhite), "FEFEFE");
    DataCentre::mutableProfile().colorPalette = {"CLEAR0", "FFFFFF"};
    EXPECT_EQ(DataCentre::asHexString(nearlyWhite), "FFFFFF");
}

} // namespace
