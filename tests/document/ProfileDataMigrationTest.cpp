#include "PageFileTestSupport.h"

#include "document/format/PageMarkers.h"
#include "document/format/PageText.h"
#include "document/reading/ProfileDataMigration.h"
#include "profile/DataCentre.h"

#include <QLocale>

namespace {

const QStringList kMigratedKeys = {
    "Owner First Name", "Owner Last Name", "Owner Email",       "Owner Home Phone Number",
    "Pet Chart Number", "Pet Sex",         "Birth Date Status", "Notes"};

QString keyedValue(const QString& key, const QString& text)
{
    return DataCentre::grabMiddleString(DataCentre::generateStartString(key),
                                        DataCentre::generateEndString(key), text);
}

QString notesFor(const QString& age, const QString& birthDate, const QDate& date)
{
    return QStringLiteral("Additional data from profile (transferred on ") +
           QLocale::c().toString(date, QStringLiteral("MMM dd yyyy")) +
           QStringLiteral("), please review and update:\nAge: ") + age + QStringLiteral("\nBirth Date: ") +
           birthDate;
}

const QString kOldBlock = QStringLiteral("<!--\nF1\nL1\nC7\n4\n1\n01/02/2010\n555-0100\nf1@example.org\n-->");
const QString kPageBody = QStringLiteral("\n<html><body>page</body></html>\n");

class ProfileDataMigrationTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        DataCentre::resetProfile();
        DataCentre::mutableProfile().pageTitlesEnabled = true;
    }
    void TearDown() override
    {
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }
};

TEST_F(ProfileDataMigrationTest, OldBlockBecomesKeyedBlocksAtTheEndOfThePage)
{
    const QString path = pathInHome(QStringLiteral("work/patient.html"));
    ASSERT_TRUE(PageText::write(path, kOldBlock + kPageBody));

    const QDate before = QDate::currentDate();
    const DataCentre::ProfileDataMigration result = DataCentre::migrateOldProfileData(path);
    const QDate after = QDate::currentDate();
    EXPECT_TRUE(result.oldProfile);
    EXPECT_EQ(result.pageTitle, QStringLiteral("F1 L1 C7"));

    const QString text = PageText::read(path);
    EXPECT_FALSE(text.contains(QStringLiteral("F1\nL1")));
    EXPECT_FALSE(DataCentre::oldDovrinprofileFlag(text));
    const QStringList values = {"F1", "L1", "f1@example.org", "555-0100", "C7", "1", "1"};
    QString expectedTail;
    for (qsizetype i = 0; i < values.size(); ++i)
        expectedTail += QStringLiteral("\n\n") + DataCentre::generateFullString(values[i], kMigratedKeys[i]);
    const QString notesToday = notesFor("4", "01/02/2010", before);
    const QString notesLater = notesFor("4", "01/02/2010", after);
    const QString tail =
        expectedTail + QStringLiteral("\n\n") + DataCentre::generateFullString(notesToday, "Notes");
    const QString tailLater =
        expectedTail + QStringLiteral("\n\n") + DataCentre::generateFullString(notesLater, "Notes");
    // The page's own text stays, then the appended blocks after two line feeds.
    EXPECT_TRUE(text == kPageBody + QStringLiteral("\n\n") + tail ||
                text == kPageBody + QStringLiteral("\n\n") + tailLater)
        << text.toStdString();
    EXPECT_TRUE(PageText::isAscii(text));

    // A second pass finds no old block and leaves the file alone.
    const DataCentre::ProfileDataMigration again = DataCentre::migrateOldProfileData(path);
    EXPECT_FALSE(again.oldProfile);
    EXPECT_EQ(PageText::read(path), text);
}

TEST_F(ProfileDataMigrationTest, RecordIsReadLineByLine)
{
    const struct {
        const char* name;
        QString text;
        QStringList fields; // first, last, chart, age, birth, phone, email
        int gender;
    } cases[] = {
        {"plain block", kOldBlock, {"F1", "L1", "C7", "4", "01/02/2010", "555-0100", "f1@example.org"}, 1},
        {"blank lines and indents do not count",
         QStringLiteral("\n  <!--\n\n   F1\n\t L1\nC7\n\n4\n1\n01/02/2010\n555-0100\nf1@example.org\n-->"),
         {"F1", "L1", "C7", "4", "01/02/2010", "555-0100", "f1@example.org"},
         1},
        {"carriage returns",
         QString(kOldBlock).replace(u'\n', QStringLiteral("\r\n")),
         {"F1", "L1", "C7", "4", "01/02/2010", "555-0100", "f1@example.org"},
         1},
        {"(null) and a gender that is no number",
         QStringLiteral("<!--\n(null)\nL1\n(null)\n4\nmale\n-->"),
         {"", "L1", "", "4", "", "", ""},
         0},
        {"empty block", QStringLiteral("<!--\n-->"), {"", "", "", "", "", "", ""}, 0},
        {"later lines ignored, block ends at the first end",
         QStringLiteral("<!--\na\nb\nc\nd\n2\nf\ng\nh\ni\nj-->\nk-->"),
         {"a", "b", "c", "d", "f", "g", "h"},
         2},
        {"no end", QStringLiteral("<!--\nF1\nL1"), {"", "", "", "", "", "", ""}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Person person = DataCentre::grabOldDovrinprofileData(c.text);
        const QStringList fields = {person.firstName(), person.lastName(),  person.chartNumber(),
                                    person.age(),       person.birthDate(), person.phoneNumber(),
                                    person.email()};
        EXPECT_EQ(fields, c.fields);
        for (const QString& field : fields)
            EXPECT_FALSE(field.isNull());
        EXPECT_EQ(person.genderFlag(), c.gender);
    }
}

TEST_F(ProfileDataMigrationTest, EmptyRecordStillGivesEightBlocks)
{
    const QString path = pathInHome(QStringLiteral("work/empty.html"));
    ASSERT_TRUE(PageText::write(path, QStringLiteral("<!--\n-->") + kPageBody));
    const DataCentre::ProfileDataMigration result = DataCentre::migrateOldProfileData(path);
    EXPECT_TRUE(result.oldProfile);
    EXPECT_EQ(result.pageTitle, QStringLiteral(" "));

    const QString text = PageText::read(path);
    for (const QString& key : kMigratedKeys)
        EXPECT_EQ(text.count(DataCentre::generateStartString(key)), 1) << key.toStdString();
    EXPECT_EQ(keyedValue("Owner First Name", text), QString());
    EXPECT_EQ(keyedValue("Owner Email", text), QString());
    EXPECT_EQ(keyedValue("Pet Sex", text), QStringLiteral("0"));
    EXPECT_EQ(keyedValue("Birth Date Status", text), QStringLiteral("1"));
    EXPECT_TRUE(keyedValue("Notes", text).endsWith(QStringLiteral("Age: \nBirth Date: ")));
    EXPECT_FALSE(text.contains(QStringLiteral("(null)")));
}

TEST_F(ProfileDataMigrationTest, ConvertedTextUsesTheCalendarYear)
{
    Person person;
    person.setFirstName(QStringLiteral("F1"));
    person.setAge(QStringLiteral("4"));
    person.setBirthDate(QStringLiteral("01/02/2010"));
    person.setGenderFlag(-1);
    // The week of 30 December 2024 belongs to 2025 by week numbering.
    const QString text = DataCentre::convertDovrinprofileDataToNew(person, QDate(2024, 12, 30));
    EXPECT_TRUE(text.startsWith(QStringLiteral("\n\n<!====Owner First NameSTARTSTRING--F1--")));
    EXPECT_EQ(keyedValue("Notes", text),
              QStringLiteral("Additional data from profile (transferred on Dec 30 2024), please review and "
                             "update:\nAge: 4\nBirth Date: 01/02/2010"));
    EXPECT_EQ(keyedValue("Pet Sex", text), QStringLiteral("-1"));
    EXPECT_EQ(keyedValue("Owner Last Name", text), QString());
    EXPECT_EQ(text.count(QStringLiteral("\n\n<!====")), 8);
    QStringList order;
    for (const QString& key : kMigratedKeys)
        order.append(QString::number(text.indexOf(DataCentre::generateStartString(key))));
    for (qsizetype i = 1; i < order.size(); ++i)
        EXPECT_LT(order[i - 1].toLongLong(), order[i].toLongLong());
}

TEST_F(ProfileDataMigrationTest, TitleFromRecord)
{
    const struct {
        const char* first;
        const char* last;
        const char* chart;
        const char* title;
    } cases[] = {
        {"F1", "L1", "C7", "F1 L1 C7"},
        {"F1", "L1", "", "F1 L1"},
        {"", "L1", "", " L1"},
        {"", "", "", " "},
    };
    for (const auto& c : cases) {
        Person person;
        person.setFirstName(QString::fromLatin1(c.first));
        person.setLastName(QString::fromLatin1(c.last));
        person.setChartNumber(QString::fromLatin1(c.chart));
        EXPECT_EQ(DataCentre::grabPageTitleFromDovrimprofile(person), QString::fromLatin1(c.title));
    }
}

TEST_F(ProfileDataMigrationTest, OldBlockFlag)
{
    const struct {
        const char* text;
        bool old;
    } cases[] = {
        {"<!--\nF1\n-->", true},   {" \n\t<!--\nF1", true}, {"<!--\r\nF1\r\n-->", true}, {"<!--", true},
        {"<!-- \nF1\n-->", false}, {"<!--F1-->", false},    {"<html>\n<!--\n", false},   {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DataCentre::oldDovrinprofileFlag(QString::fromLatin1(c.text)), c.old);
    }
}

TEST_F(ProfileDataMigrationTest, PageTitleWithoutOldBlock)
{
    const struct {
        const char* name;
        const char* text;
        const char* title;
    } cases[] = {
        {"title marker", "<html>\n<!--PAGETITLESTART==About==PAGETITLEEND-->", "About"},
        {"first marker wins",
         "<!--PAGETITLESTART==A==PAGETITLEEND-->\n<!--PAGETITLESTART==B==PAGETITLEEND-->", "A"},
        {"(null) marker", "<html>\n<!--PAGETITLESTART==(null)==PAGETITLEEND-->", ""},
        {"comment first line", "<!--About us-->\n<html>", "About us"},
        {"comment first line, marker empty", "<!--About us-->\n<!--PAGETITLESTART====PAGETITLEEND-->",
         "About us"},
        {"(null) comment", "<!--(null)-->\n<html>", ""},
        {"short comment line", "<!--ab\n<html>", ""},
        {"opener alone", "<!--\n<html>", ""},
        {"no title at all", "<!DOCTYPE html><html>", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DataCentre::grabPageTitle(QString::fromLatin1(c.text)), QString::fromLatin1(c.title));
    }
    DataCentre::mutableProfile().pageTitlesEnabled = false;
    EXPECT_EQ(DataCentre::grabPageTitle(QStringLiteral("<!--PAGETITLESTART==About==PAGETITLEEND-->")),
              QString());
}

TEST_F(ProfileDataMigrationTest, PageWithoutOldBlockKeepsItsFileAndGetsItsTitle)
{
    const QString text = QStringLiteral("<html>\n<!--PAGETITLESTART==Welcome==PAGETITLEEND-->\n");
    const QString path = pathInHome(QStringLiteral("work/new.html"));
    ASSERT_TRUE(PageText::write(path, text));
    const DataCentre::ProfileDataMigration result = DataCentre::migrateOldProfileData(path);
    EXPECT_FALSE(result.oldProfile);
    EXPECT_EQ(result.pageTitle, QStringLiteral("Welcome"));
    EXPECT_EQ(readBytes(path), text.toLatin1());

    // An old opener without its end is no block to convert.
    const QString unfinished = QStringLiteral("<!--\nF1\nL1\n");
    ASSERT_TRUE(PageText::write(path, unfinished));
    EXPECT_FALSE(DataCentre::migrateOldProfileData(path).oldProfile);
    EXPECT_EQ(readBytes(path), unfinished.toLatin1());
}

TEST_F(ProfileDataMigrationTest, Utf16PageStaysUtf16WhileItHoldsNonAsciiText)
{
    const QString path = pathInHome(QStringLiteral("work/zoe.html"));
    const QString body = QStringLiteral("\n<html>\u00a9 Zo\u00eb</html>");
    writeBytes(path, utf16LeWithMark(QStringLiteral("<!--\nZo\u00eb\nM\u00fcller\n\n-->") + body));
    const DataCentre::ProfileDataMigration result = DataCentre::migrateOldProfileData(path);
    EXPECT_TRUE(result.oldProfile);
    EXPECT_EQ(result.pageTitle, QStringLiteral("Zo\u00eb M\u00fcller"));
    EXPECT_TRUE(readBytes(path).startsWith("\xFF\xFE"));
    const QString text = PageText::read(path);
    EXPECT_TRUE(text.startsWith(body));
    EXPECT_EQ(keyedValue("Owner Last Name", text), QStringLiteral("M\u00fcller"));
}

TEST_F(ProfileDataMigrationTest, RemovingTheOldBlock)
{
    const QString path = pathInHome(QStringLiteral("work/page.html"));
    const struct {
        const char* name;
        QByteArray before;
        QByteArray after;
        bool rewritten;
    } cases[] = {
        {"through the first end", "<!--\na\n-->rest-->\n", "rest-->\n", true},
        {"UTF-16 that becomes ASCII", utf16LeWithMark(QStringLiteral("<!--\nZo\u00eb\n-->ascii")), "ascii",
         true},
        {"UTF-16 that stays UTF-16", utf16LeWithMark(QStringLiteral("<!--\n-->\u00e9")),
         utf16LeWithMark(QStringLiteral("\u00e9")), true},
        {"no end", "<!--\na\n", "<!--\na\n", false},
        {"unreadable", "<!--\ncaf\xC3\xA9\n-->", "<!--\ncaf\xC3\xA9\n-->", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, c.before);
        EXPECT_EQ(DataCentre::removeOldDovrinprofileStringFromFile(path), c.rewritten);
        EXPECT_EQ(readBytes(path), c.after);
    }
}

} // namespace
