#include "profile/Palettes.h"

#include "profile/services/HexColor.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

namespace Palettes {

namespace {

// Rows of ten: row k holds positions 10k+1 to 10k+10.
constexpr const char* kStandardColours[] = {
    "FFFFFF", "F5F5F5", "DCDCDC", "D3D3D3", "C0C0C0", "555555", "808080", "696969", "000000", "FFB6C1",
    "FFC0CB", "DC143C", "FFF0F5", "DB7093", "FF69B4", "FF1493", "C71585", "DA70D6", "D8BFD8", "DDA0DD",
    "EE82EE", "FF00FF", "8B008B", "800080", "BA55D3", "9400D3", "9932CC", "4B0082", "8A2BE2", "9370DB",
    "7B68EE", "6A5ACD", "483D8B", "E6E6FA", "F8F8FF", "0000FF", "0000CD", "191970", "00008B", "000080",
    "4169E1", "6495ED", "B0C4DE", "778899", "708090", "1E90FF", "F0F8FF", "4682B4", "87CEFA", "87CEEB",
    "00BFFF", "ADD8E6", "B0E0E6", "5F9EA0", "F0FFFF", "E0FFFF", "AFEEEE", "00FFFF", "00CED1", "2F4F4F",
    "008B8B", "008080", "48D1CC", "20B2AA", "40E0D0", "7FFFD4", "66CDAA", "00FA9A", "F5FFFA", "00FF7F",
    "3CB371", "2E8B57", "F0FFF0", "90EE90", "98FB98", "8FBC8F", "32CD32", "00FF00", "228B22", "008000",
    "006400", "7FFF00", "7CFC00", "ADFF2F", "556B2F", "9ACD32", "6B8E23", "F5F5DC", "FAFAD2", "FFFFF0",
    "FFFFE0", "FFFF00", "808000", "BDB76B", "FFFACD", "EEE8AA", "F0E68C", "FFD700", "FFF8DC", "DAA520",
    "B8860B", "FFFAF0", "FDF5E6", "F5DEB3", "FFE4B5", "FFA500", "FFEFD5", "FFEBCD", "FFDEAD", "FAEBD7",
    "D2B48C", "DEB887", "FFE4C4", "FF8C00", "FAF0E6", "CD853F", "FFDAB9", "F4A460", "D2691E", "8B4513",
    "FFF5EE", "A0522D", "FFA07A", "FF7F50", "FF4500", "E9967A", "FF6347", "FFE4E1", "FA8072", "FFFAFA",
    "F08080", "BC8F8F", "CD5C5C", "FF0000", "A52A2A", "B22222", "8B0000", "800000", "CC0000",
};

// Base colours each followed by their shades from light to dark, ordered by hue from pinks to reds.
// Row k holds positions 10k+1 to 10k+10.
constexpr const char* kHueOrderedColours[] = {
    "B0171F", "DC143C", "FFB6C1", "FFAEB9", "EEA2AD", "CD8C95", "8B5F65", "FFC0CB", "FFB5C5", "EEA9B8",
    "CD919E", "8B636C", "DB7093", "FF82AB", "EE799F", "CD6889", "8B475D", "FFF0F5", "EEE0E5", "CDC1C5",
    "8B8386", "D02090", "FF3E96", "EE3A8C", "CD3278", "8B2252", "FF69B4", "FF6EB4", "EE6AA7", "CD6090",
    "8B3A62", "FF1493", "EE1289", "CD1076", "8B0A50", "FF34B3", "EE30A7", "CD2990", "8B1C62", "C71585",
    "DA70D6", "FF83FA", "EE7AE9", "CD69C9", "8B4789", "D8BFD8", "FFE1FF", "EED2EE", "CDB5CD", "8B7B8B",
    "DDA0DD", "FFBBFF", "EEAEEE", "CD96CD", "8B668B", "EE82EE", "800080", "FF00FF", "EE00EE", "CD00CD",
    "8B008B", "BA55D3", "E066FF", "D15FEE", "B452CD", "7A378B", "9932CC", "BF3EFF", "B23AEE", "9A32CD",
    "68228B", "9400D3", "4B0082", "A020F0", "9B30FF", "912CEE", "7D26CD", "551A8B", "9370DB", "AB82FF",
    "9F79EE", "8968CD", "5D478B", "8A2BE2", "6A5ACD", "836FFF", "7A67EE", "6959CD", "473C8B", "483D8B",
    "7B68EE", "8470FF", "E6E6FA", "F8F8FF", "0000FF", "0000EE", "0000CD", "00008B", "800000", "191970",
    "000080", "4169E1", "4876FF", "436EEE", "3A5FCD", "27408B", "6495ED", "B0C4DE", "CAE1FF", "BCD2EE",
    "A2B5CD", "6E7B8B", "778899", "708090", "C6E2FF", "B9D3EE", "9FB6CD", "6C7B8B", "1E90FF", "1C86EE",
    "1874CD", "104E8B", "F0F8FF", "4682B4", "63B8FF", "5CACEE", "4F94CD", "36648B", "87CEFA", "B0E2FF",
    "A4D3EE", "8DB6CD", "607B8B", "87CEEB", "87CEFF", "7EC0EE", "6CA6CD", "4A708B", "00BFFF", "00B2EE",
    "009ACD", "00688B", "ADD8E6", "BFEFFF", "B2DFEE", "9AC0CD", "68838B", "B0E0E6", "5F9EA0", "98F5FF",
    "8EE5EE", "7AC5CD", "53868B", "00F5FF", "00E5EE", "00C5CD", "00868B", "F0FFFF", "E0EEEE", "C1CDCD",
    "838B8B", "E0FFFF", "D1EEEE", "B4CDCD", "7A8B8B", "AFEEEE", "BBFFFF", "AEEEEE", "96CDCD", "668B8B",
    "2F4F4F", "97FFFF", "8DEEEE", "79CDCD", "528B8B", "00FFFF", "00EEEE", "00CDCD", "008B8B", "808000",
    "008080", "00CED1", "40E0D0", "48D1CC", "20B2AA", "7FFFD4", "76EEC6", "66CDAA", "458B74", "00FA9A",
    "F5FFFA", "00FF7F", "00EE76", "00CD66", "008B45", "3CB371", "2E8B57", "54FF9F", "4EEE94", "43CD80",
    "F0FFF0", "E0EEE0", "C1CDC1", "838B83", "8FBC8F", "C1FFC1", "B4EEB4", "9BCD9B", "698B69", "98FB98",
    "9AFF9A", "90EE90", "7CCD7C", "548B54", "32CD32", "228B22", "008000", "006400", "308014", "3D9140",
    "00FF00", "00EE00", "00CD00", "008B00", "640000", "7FFF00", "76EE00", "66CD00", "458B00", "7CFC00",
    "ADFF2F", "556B2F", "CAFF70", "BCEE68", "A2CD5A", "6E8B3D", "6B8E23", "C0FF3E", "B3EE3A", "9ACD32",
    "698B22", "F5F5DC", "FAFAD2", "FFFFF0", "EEEEE0", "CDCDC1", "8B8B83", "FFFFE0", "EEEED1", "CDCDB4",
    "8B8B7A", "E3CF57", "FFFF00", "EEEE00", "CDCD00", "8B8B00", "808069", "FFFACD", "EEE9BF", "CDC9A5",
    "8B8970", "FFF8DC", "EEE8CD", "CDC8B1", "8B8878", "F0E68C", "FFF68F", "EEE685", "CDC673", "8B864E",
    "BDB76B", "EEE8AA", "EEDD82", "FFEC8B", "EEDC82", "CDBE70", "8B814C", "FFD700", "EEC900", "CDAD00",
    "8B7500", "DAA520", "FFC125", "EEB422", "CD9B1D", "8B6914", "B8860B", "FFB90F", "EEAD0E", "CD950C",
    "8B6508", "FFA500", "EE9A00", "CD8500", "8B5A00", "FF9912", "ED9121", "FFFAF0", "FDF5E6", "F5DEB3",
    "FFE7BA", "EED8AE", "CDBA96", "8B7E66", "FFE4B5", "E3A869", "FFEFD5", "FFEBCD", "FCE6C9", "FFDEAD",
    "EECFA1", "CDB38B", "8B795E", "FAEBD7", "FFEFDB", "EEDFCC", "CDC0B0", "8B8378", "D2B48C", "FFA54F",
    "EE9A49", "CD853F", "8B5A2B", "DEB887", "FFD39B", "EEC591", "CDAA7D", "8B7355", "FFE4C4", "EED5B7",
    "CDB79E", "8B7D6B", "C76114", "9C661F", "B87333", "FF8C00", "FF7F00", "EE7600", "CD6600", "8B4500",
    "FF6103", "FF7D40", "FAF0E6", "FFDAB9", "EECBAD", "CDAF95", "8B7765", "F4A460", "D2691E", "FF7F24",
    "EE7621", "CD661D", "8B4513", "FFF5EE", "EEE5DE", "CDC5BF", "8B8682", "A0522D", "FF8247", "EE7942",
    "CD6839", "8B4726", "8A360F", "8A3324", "5E2612", "FFA07A", "EE9572", "CD8162", "8B5742", "FF7F50",
    "FF7256", "EE6A50", "CD5B45", "8B3E2F", "FF4500", "EE4000", "CD3700", "8B2500", "E9967A", "FF6347",
    "EE5C42", "CD4F39", "8B3626", "FFE4E1", "EED5D2", "CDB7B5", "8B7D7B", "FA8072", "FF8C69", "EE8262",
    "CD7054", "8B4C39", "FFFAFA", "EEE9E9", "CDC9C9", "8B8989", "F08080", "BC8F8F", "FFC1C1", "EEB4B4",
    "CD9B9B", "8B6969", "CD5C5C", "FF6A6A", "EE6363", "CD5555", "8B3A3A", "A52A2A", "FF4040", "EE3B3B",
    "CD3333", "8B2323", "B22222", "FF3030", "EE2C2C", "CD2626", "8B1A1A", "FF0000", "EE0000", "CD0000",
    "8B0000",
};

constexpr const char* kSoftColours[] = {"8E388E", "7171C6", "7D9EC0", "388E8E",
                                        "71C671", "8E8E38", "C5C1AA", "C67171"};

constexpr const char* kGreys[] = {"000000", "555555", "515151", "5B5B5B", "848484", "8E8E8E", "AAAAAA",
                                  "B7B7B7", "C1C1C1", "EAEAEA", "F4F4F4", "FFFFFF", "F5F5F5", "DCDCDC",
                                  "D3D3D3", "C0C0C0", "A9A9A9", "808080", "696969"};

// The greys at 96 and 41 per cent already stand among kGreys.
constexpr int kRampSkipped[] = {96, 41};

constexpr const char* kClosingGrey = "505050";

// Repeats that complete the grey ramp of the extended palette, by their position in it (ascending).
struct Repeat {
    int position;
    const char* colour;
};
constexpr Repeat kExtendedRepeats[] = {
    {225, "800000"}, {259, "808000"}, {424, "800000"}, {455, "F5F5F5"},
    {510, "696969"}, {548, "808080"}, {550, "303030"},
};

void append(QStringList& list, std::span<const char* const> colours)
{
    for (const char* colour : colours)
        list.append(QLatin1String(colour));
}

// One grey per cent step: each channel is the whole part of n x 2.55 + 0.5 in double precision, so 50 per
// cent gives 7F (the product lands just below 127.5).
QString rampGrey(int percent)
{
    // Kept in its own variable so that a fused multiply-add cannot skip the product's rounding.
    volatile double product = percent * 2.55;
    const int channel = int(std::floor(product + 0.5));
    const QString pair = QStringLiteral("%1").arg(channel, 2, 16, QLatin1Char('0')).toUpper();
    return pair + pair + pair;
}

void appendGreyRamp(QStringList& list)
{
    for (int percent = 99; percent >= 4; --percent) {
        if (std::ranges::find(kRampSkipped, percent) == std::end(kRampSkipped))
            list.append(rampGrey(percent));
    }
}

struct TextStylePair {
    const char* font;
    const char* colour;
};
constexpr TextStylePair kTextStylePairs[] = {
    {"Poiret One", "555555"}, {"Actor", "8B0000"},   {"Cabin", "FF8C00"},
    {"Mate SC", "4682B4"},    {"Raleway", "228B22"},
};
constexpr const char* kTextStyleName = "abc";
constexpr const char* kWhite = "FFFFFF";

} // namespace

QStringList standardPalette()
{
    QStringList palette{DataCentre::kClearColorString};
    append(palette, kStandardColours);
    return palette;
}

QStringList uniqueExtendedPalette()
{
    QStringList palette{DataCentre::kClearColorString};
    append(palette, kHueOrderedColours);
    append(palette, kSoftColours);
    append(palette, kGreys);
    appendGreyRamp(palette);
    palette.append(QLatin1String(kClosingGrey));
    return palette;
}

QStringList extendedPalette()
{
    QStringList palette = uniqueExtendedPalette();
    for (const Repeat& repeat : kExtendedRepeats)
        palette.insert(repeat.position, QLatin1String(repeat.colour));
    return palette;
}

StandardTextStyles standardTextStyles()
{
    // Each font twice: its colour on white, then white on its colour.
    StandardTextStyles styles;
    for (const TextStylePair& pair : kTextStylePairs) {
        const std::pair<const char*, const char*> looks[] = {{pair.colour, kWhite}, {kWhite, pair.colour}};
        for (const auto& [foreground, fill] : looks) {
            styles.names.append(QLatin1String(kTextStyleName));
            styles.fonts.append(QLatin1String(pair.font));
            styles.foregroundColors.append(QLatin1String(foreground));
            styles.fillColors.append(QLatin1String(fill));
        }
    }
    return styles;
}

} // namespace Palettes
