#include "profile/Palettes.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

namespace {

struct Anchor {
    int position;
    const char* colour;
};

struct NamedPalette {
    const char* name;
    QStringList (*build)();
    qsizetype count;
};

const NamedPalette kPalettes[] = {
    {"standard", Palettes::standardPalette, 140},
    {"unique extended", Palettes::uniqueExtendedPalette, 544},
    {"extended", Palettes::extendedPalette, 551},
};

// Percent n of the grey ramp and its colour string.
struct RampStep {
    int percent;
    const char* colour;
};

class PalettesTest : public ::testing::Test {
protected:
    void SetUp() override { DataCentre::resetProfile(); }
    void TearDown() override { DataCentre::resetProfile(); }
};

void expectAnchors(const QStringList& palette, std::initializer_list<Anchor> anchors)
{
    for (const Anchor& anchor : anchors) {
        ASSERT_LT(anchor.position, palette.size());
        EXPECT_EQ(palette.at(anchor.position), QLatin1String(anchor.colour))
            << "position " << anchor.position;
    }
}

QStringList withoutRepeats(const QStringList& list)
{
    QStringList result;
    for (const QString& entry : list) {
        if (!result.contains(entry))
            result.append(entry);
    }
    return result;
}

TEST_F(PalettesTest, CountsAndTransparentFirst)
{
    for (const NamedPalette& palette : kPalettes) {
        const QStringList colours = palette.build();
        EXPECT_EQ(colours.size(), palette.count) << palette.name;
        EXPECT_EQ(colours.value(0), "CLEAR0") << palette.name;
        EXPECT_EQ(colours.count("CLEAR0"), 1) << palette.name;
    }
}

TEST_F(PalettesTest, EveryColourIsSixUppercaseHexDigits)
{
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9A-F]{6}$"));
    for (const NamedPalette& palette : kPalettes) {
        const QStringList colours = palette.build();
        for (qsizetype i = 1; i < colours.size(); ++i)
            EXPECT_TRUE(sixDigits.match(colours.at(i)).hasMatch())
                << palette.name << " " << i << " " << colours.at(i).toStdString();
    }
}

TEST_F(PalettesTest, StandardPaletteHasNoRepeatAndItsLandmarks)
{
    const QStringList palette = Palettes::standardPalette();
    EXPECT_EQ(withoutRepeats(palette), palette);
    expectAnchors(palette, {{1, "FFFFFF"},
                            {9, "000000"},
                            {10, "FFB6C1"},
                            {36, "0000FF"},
                            {58, "00FFFF"},
                            {78, "00FF00"},
                            {92, "FFFF00"},
                            {106, "FFA500"},
                            {134, "FF0000"},
                            {137, "8B0000"},
                            {138, "800000"},
                            {139, "CC0000"}});
}

TEST_F(PalettesTest, UniqueExtendedPaletteHasNoRepeat)
{
    const QStringList palette = Palettes::uniqueExtendedPalette();
    EXPECT_EQ(QSet<QString>(palette.begin(), palette.end()).size(), palette.size());
}

TEST_F(PalettesTest, UniqueExtendedPaletteLandmarks)
{
    expectAnchors(Palettes::uniqueExtendedPalette(), {
                                                         {1, "B0171F"},
                                                         {2, "DC143C"},
                                                         {3, "FFB6C1"},
                                                         {4, "FFAEB9"},
                                                         {5, "EEA2AD"},
                                                         {6, "CD8C95"},
                                                         {7, "8B5F65"},
                                                         {8, "FFC0CB"},
                                                         {9, "FFB5C5"},
                                                         {10, "EEA9B8"},
                                                         {11, "CD919E"},
                                                         {12, "8B636C"},
                                                         {13, "DB7093"},
                                                         {14, "FF82AB"},
                                                         {15, "EE799F"},
                                                         {16, "CD6889"},
                                                         {17, "8B475D"},
                                                         {18, "FFF0F5"},
                                                         {19, "EEE0E5"},
                                                         {20, "CDC1C5"},
                                                         {40, "C71585"},
                                                         {58, "FF00FF"},
                                                         {95, "0000FF"},
                                                         {99, "800000"},
                                                         {100, "191970"},
                                                         {176, "00FFFF"},
                                                         {180, "808000"},
                                                         {221, "00FF00"},
                                                         {224, "008B00"},
                                                         {225, "640000"},
                                                         {253, "FFFF00"},
                                                         {257, "808069"},
                                                         {292, "FFA500"},
                                                         {418, "FF0000"},
                                                         {421, "8B0000"},
                                                         // Soft tones, then greys.
                                                         {422, "8E388E"},
                                                         {423, "7171C6"},
                                                         {424, "7D9EC0"},
                                                         {425, "388E8E"},
                                                         {426, "71C671"},
                                                         {427, "8E8E38"},
                                                         {428, "C5C1AA"},
                                                         {429, "C67171"},
                                                         {430, "000000"},
                                                         {431, "555555"},
                                                         {432, "515151"},
                                                         {433, "5B5B5B"},
                                                         {434, "848484"},
                                                         {435, "8E8E8E"},
                                                         {436, "AAAAAA"},
                                                         {437, "B7B7B7"},
                                                         {438, "C1C1C1"},
                                                         {439, "EAEAEA"},
                                                         {440, "F4F4F4"},
                                                         {441, "FFFFFF"},
                                                         {442, "F5F5F5"},
                                                         {443, "DCDCDC"},
                                                         {444, "D3D3D3"},
                                                         {445, "C0C0C0"},
                                                         {446, "A9A9A9"},
                                                         {447, "808080"},
                                                         {448, "696969"},
                                                         // The ramp without 96 and 41, then the closing grey.
                                                         {449, "FCFCFC"},
                                                         {450, "FAFAFA"},
                                                         {451, "F7F7F7"},
                                                         {452, "F2F2F2"},
                                                         {505, "6B6B6B"},
                                                         {506, "666666"},
                                                         {542, "0A0A0A"},
                                                         {543, "505050"},
                                                     });
}

TEST_F(PalettesTest, ExtendedPaletteRepeatsFollowTheirNeighbours)
{
    // Each repeat at its position, preceded by the entry it follows.
    const struct {
        int position;
        const char* after;
        const char* repeat;
    } repeats[] = {
        {225, "008B00", "800000"}, {259, "808069", "808000"}, {424, "8B0000", "800000"},
        {455, "F7F7F7", "F5F5F5"}, {510, "6B6B6B", "696969"}, {548, "0A0A0A", "808080"},
        {550, "505050", "303030"},
    };
    const QStringList palette = Palettes::extendedPalette();
    for (const auto& r : repeats) {
        EXPECT_EQ(palette.value(r.position - 1), QLatin1String(r.after)) << r.position;
        EXPECT_EQ(palette.value(r.position), QLatin1String(r.repeat)) << r.position;
        EXPECT_LT(palette.indexOf(QLatin1String(r.repeat)), r.position) << r.position;
    }
}

TEST_F(PalettesTest, RemovingRepeatsFromTheExtendedPaletteGivesTheUniqueOne)
{
    const QStringList extended = Palettes::extendedPalette();
    EXPECT_EQ(extended.size() - withoutRepeats(extended).size(), 7);
    EXPECT_EQ(withoutRepeats(extended), Palettes::uniqueExtendedPalette());
}

TEST_F(PalettesTest, ExtendedGreyRampHasEveryStep)
{
    const QStringList palette = Palettes::extendedPalette();
    const RampStep steps[] = {
        {99, "FCFCFC"}, {98, "FAFAFA"}, {97, "F7F7F7"}, {96, "F5F5F5"}, {95, "F2F2F2"},
        {90, "E5E5E5"}, {50, "7F7F7F"}, {42, "6B6B6B"}, {41, "696969"}, {40, "666666"},
        {19, "303030"}, {10, "1A1A1A"}, {4, "0A0A0A"},
    };
    for (const RampStep& step : steps)
        EXPECT_EQ(palette.value(452 + 99 - step.percent), QLatin1String(step.colour))
            << "n = " << step.percent;

    // All 96 steps are greys, strictly darker one after the other.
    int previous = 256;
    for (int position = 452; position <= 547; ++position) {
        const QString grey = palette.at(position);
        const int channel = grey.left(2).toInt(nullptr, 16);
        EXPECT_EQ(grey, grey.left(2).repeated(3)) << position;
        EXPECT_LT(channel, previous) << position;
        previous = channel;
    }
}

TEST_F(PalettesTest, UniqueRampLeavesOutTheStepsThatStandAmongTheGreys)
{
    const QStringList palette = Palettes::uniqueExtendedPalette();
    const QStringList ramp = palette.mid(449, 94);
    EXPECT_FALSE(ramp.contains("F5F5F5"));
    EXPECT_FALSE(ramp.contains("696969"));
    EXPECT_EQ(palette.indexOf("F5F5F5"), 442);
    EXPECT_EQ(palette.indexOf("696969"), 448);
}

TEST_F(PalettesTest, PaletteColoursSurviveAReadAndWriteRoundTrip)
{
    for (const NamedPalette& palette : kPalettes) {
        const QStringList colours = palette.build();
        DataCentre::mutableProfile().colorPalette = colours;
        for (qsizetype i = 1; i < colours.size(); ++i) {
            const QString& colour = colours.at(i);
            EXPECT_EQ(DataCentre::asHexString(DataCentre::colorWithHexString(colour)), colour)
                << palette.name << " " << colour.toStdString();
        }
    }
}

TEST_F(PalettesTest, EachCallBuildsANewList)
{
    QStringList first = Palettes::extendedPalette();
    first[1] = QStringLiteral("000001");
    first.append(QStringLiteral("000002"));
    EXPECT_EQ(Palettes::extendedPalette().value(1), "B0171F");
    EXPECT_EQ(Palettes::extendedPalette().size(), 551);
}

TEST_F(PalettesTest, StandardTextStyles)
{
    const struct {
        const char* font;
        const char* foreground;
        const char* fill;
    } expected[] = {
        {"Poiret One", "555555", "FFFFFF"}, {"Poiret One", "FFFFFF", "555555"},
        {"Actor", "8B0000", "FFFFFF"},      {"Actor", "FFFFFF", "8B0000"},
        {"Cabin", "FF8C00", "FFFFFF"},      {"Cabin", "FFFFFF", "FF8C00"},
        {"Mate SC", "4682B4", "FFFFFF"},    {"Mate SC", "FFFFFF", "4682B4"},
        {"Raleway", "228B22", "FFFFFF"},    {"Raleway", "FFFFFF", "228B22"},
    };
    const Palettes::StandardTextStyles styles = Palettes::standardTextStyles();
    ASSERT_EQ(styles.names.size(), 10);
    ASSERT_EQ(styles.fonts.size(), 10);
    ASSERT_EQ(styles.foregroundColors.size(), 10);
    ASSERT_EQ(styles.fillColors.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(styles.names.at(i), "abc") << i;
        EXPECT_EQ(styles.fonts.at(i), QLatin1String(expected[i].font)) << i;
        EXPECT_EQ(styles.foregroundColors.at(i), QLatin1String(expected[i].foreground)) << i;
        EXPECT_EQ(styles.fillColors.at(i), QLatin1String(expected[i].fill)) << i;
    }
}

} // namespace
