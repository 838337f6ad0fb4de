#include "PageFileTestSupport.h"

#include "document/format/PageText.h"
#include "document/files/ReceivedPages.h"

#include <QLocale>
#include <QTemporaryDir>

namespace {

struct StampCase {
    QDate date;
    QTime time;
    const char* name;
};

// Around midnight and noon, and on days where the week-based year is not the calendar year.
const StampCase kStampCases[] = {
    {QDate(2026, 12, 10), QTime(13, 45, 30), "12102026014530PM"},
    {QDate(2026, 12, 10), QTime(1, 45, 30), "12102026014530AM"},
    {QDate(2022, 6, 30), QTime(0, 59, 1), "06302022125901AM"},
    {QDate(2022, 6, 30), QTime(12, 0, 0), "06302022120000PM"},
    {QDate(2022, 6, 30), QTime(11, 59, 59), "06302022115959AM"},
    // 1 and 2 January 2021 belong to the last week of 2020.
    {QDate(2021, 1, 1), QTime(0, 0, 0), "01012021120000AM"},
    {QDate(2021, 1, 2), QTime(15, 4, 9), "01022021030409PM"},
    {QDate(2020, 12, 31), QTime(23, 59, 59), "12312020115959PM"},
    // 30 December 2024 belongs to the first week of 2025.
    {QDate(2024, 12, 30), QTime(12, 0, 1), "12302024120001PM"},
    {QDate(2027, 1, 1), QTime(0, 0, 0), "01012027120000AM"},
};

TEST(ReceivedPagesTest, StampsNameMonthDayCalendarYearAndTheHalfOfTheDay)
{
    for (const StampCase& c : kStampCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReceivedPages::stampFolderName(QDateTime(c.date, c.time)), QLatin1String(c.name));
    }
}

TEST(ReceivedPagesTest, StampsKeepTheirFormUnderAnyLocale)
{
    const QLocale previous;
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    ASSERT_NE(arabic.toString(5), QStringLiteral("5"));
    QLocale::setDefault(arabic);
    const QString name = ReceivedPages::stampFolderName(QDateTime(QDate(2026, 12, 10), QTime(13, 45, 30)));
    QLocale::setDefault(previous);
    EXPECT_EQ(name, QStringLiteral("12102026014530PM"));
}

TEST(ReceivedPagesTest, APageNameAlreadyInTheStampFolderTakesTheNextFreeCounterFromFour)
{
    QTemporaryDir stamp;
    const auto addPage = [&](const QString& name) {
        QDir().mkpath(stamp.filePath(name));
        PageText::write(stamp.filePath(name + u'/' + name + QStringLiteral(".html")), QStringLiteral("x"));
    };
    EXPECT_EQ(ReceivedPages::uniquePageName(stamp.path(), "home", "html"), QStringLiteral("home"));
    addPage(QStringLiteral("home"));
    EXPECT_EQ(ReceivedPages::uniquePageName(stamp.path(), "home", "html"), QStringLiteral("home4"));
    addPage(QStringLiteral("home4"));
    EXPECT_EQ(ReceivedPages::uniquePageName(stamp.path(), "home", "html"), QStringLiteral("home5"));
    EXPECT_EQ(ReceivedPages::uniquePageName(stamp.path(), "home", "php"), QStringLiteral("home"));
}

} // namespace
