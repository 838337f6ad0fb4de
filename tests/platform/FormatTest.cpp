#include "platform/Format.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

TEST(FormatTest, FormatsInTheCLocaleWhateverTheUserLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Format::printf("%d|%f|%0.2f|%02X", 42, 1.5, 2.345, 10), "42|1.500000|2.35|0A");
    EXPECT_EQ(Format::decimal(0.25), "0.250000");
    EXPECT_EQ(Format::twoDecimals(-1.005), "-1.00");
    EXPECT_EQ(Format::integer(-7), "-7");
    QLocale::setDefault(previous);
}

TEST(FormatTest, WritesGeometryExactly)
{
    EXPECT_EQ(Format::rect(QRectF(10, 20.5, 100, 0)), "{{10, 20.5}, {100, 0}}");
    EXPECT_EQ(Format::point(QPointF(-3, 0.125)), "{-3, 0.125}");
    EXPECT_EQ(Format::size(QSizeF(640, 480)), "{640, 480}");
}

TEST(FormatTest, ReadsGeometryLeniently)
{
    EXPECT_EQ(Format::rectFromString("{{10, 20.5}, {100, 0}}"), QRectF(10, 20.5, 100, 0));
    EXPECT_EQ(Format::rectFromString("{{1,2},{3,4}}"), QRectF(1, 2, 3, 4));
    EXPECT_EQ(Format::rectFromString(" 1 2 3"), QRectF(1, 2, 3, 0));
    EXPECT_EQ(Format::rectFromString("garbage"), QRectF());
    EXPECT_EQ(Format::pointFromString("{-3, .5}"), QPointF(-3, 0.5));
    EXPECT_EQ(Format::sizeFromString("{1e2, 2}"), QSizeF(100, 2));
    EXPECT_EQ(Format::rectFromString(Format::rect(QRectF(0.1, 1e-7, 3.75, 12345.5))),
              QRectF(0.1, 1e-7, 3.75, 12345.5));
}

TEST(FormatTest, ReadsNumbersByTheirLeadingPrefix)
{
    struct Case {
        const char* text;
        int integer;
        double real;
        bool flag;
    };
    const Case cases[] = {
        {"12.5", 12, 12.5, true},
        {"abc", 0, 0.0, false},
        {"  -3px", -3, -3.0, true},
        {"+7", 7, 7.0, true},
        {"", 0, 0.0, false},
        {"1e3", 1, 1000.0, true},
        {".5", 0, 0.5, false},
        {"0.9", 0, 0.9, false},
        {"YES", 0, 0.0, true},
        {"true", 0, 0.0, true},
        {"NO", 0, 0.0, false},
        {"007", 7, 7.0, true},
        {"99999999999", 2147483647, 99999999999.0, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Format::intValue(c.text), c.integer) << c.text;
        EXPECT_DOUBLE_EQ(Format::doubleValue(c.text), c.real) << c.text;
        EXPECT_EQ(Format::boolValue(c.text), c.flag) << c.text;
    }
}

} // namespace
