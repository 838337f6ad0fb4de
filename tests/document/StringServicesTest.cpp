#include "support/VelkTest.h"

#include "document/reading/StringServices.h"
#include "profile/DataCentre.h"

namespace {

class StringServicesTest : public VelkTest {
protected:
    void TearDown() override
    {
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }
};

TEST_F(StringServicesTest, BoundedSubstrings)
{
    const struct {
        const char* text;
        int index;
        const char* to;
        const char* from;
    } cases[] = {
        {"abc", 3, "abc", ""}, {"abc", 2, "ab", "c"}, {"abc", 0, "", "abc"},
        {"abc", 9, "abc", ""}, {"", 0, "", ""},       {"abc", -1, "", "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " " << c.index);
        EXPECT_EQ(DataCentre::velkSubstringToIndex(QString::fromLatin1(c.text), c.index),
                  QString::fromLatin1(c.to));
        EXPECT_EQ(DataCentre::velkSubstringFromIndex(QString::fromLatin1(c.text), c.index),
                  QString::fromLatin1(c.from));
    }
}

TEST_F(StringServicesTest, FileNamesNeverLeaveTheirFolder)
{
    const struct {
        const char* name;
        const char* plain;
        const char* official;
    } cases[] = {
        {"Café Menu #1", "CafMenu1", "CaféMenu#1"},
        {"my page-1_a.html", "mypage-1_ahtml", "mypage-1_a.html"},
        {"My Page/2.html", "MyPage2html", "MyPage2.html"},
        {"..\\..\\etc:passwd", "etcpasswd", "etcpasswd"},
        {"../../secret.html", "secrethtml", "secret.html"},
        {".", "", ""},
        {"..", "", ""},
        {" . . ", "", ""},
        {".hidden.html", "hiddenhtml", "hidden.html"},
        {"Price 5€ + tax ©", "Price5tax", "Price5tax"},
        {"Tab\tand\nline\u2028end", "Tabandlineend", "Tabandlineend"},
        {"Стр\u0430ница 日本", "", "Страница日本"},
        {"nul\x01"
         "char",
         "nulchar", "nulchar"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        DataCentre::mutableProfile().useOfficialPageName = false;
        EXPECT_EQ(DataCentre::generateNewFileName(name), QString::fromUtf8(c.plain));
        DataCentre::mutableProfile().useOfficialPageName = true;
        EXPECT_EQ(DataCentre::generateNewFileName(name), QString::fromUtf8(c.official));
    }
}

} // namespace
