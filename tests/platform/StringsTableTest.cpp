#include "platform/StringsTable.h"
#include "platform/Bundle.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class StringsTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = Bundle::main().resourcesPath();
        QDir(m_dir.path()).mkpath("strings");
        QFile file(m_dir.filePath("strings/Menus.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"({"Open": "Öffnen", "Close": "Schließen", "Count": 3})");
        file.close();
        Bundle::main().load(m_dir.path());
    }
    void TearDown() override { Bundle::main().load(m_previous); }

    QTemporaryDir m_dir;
    QString m_previous;
};

TEST_F(StringsTableTest, LooksEntriesUpByKey)
{
    EXPECT_EQ(StringsTable::entry("Menus", "Open"), QStringLiteral("Öffnen"));
    EXPECT_TRUE(StringsTable::entry("Menus", "Save").isNull());
    EXPECT_TRUE(StringsTable::entry("Menus", "Count").isNull());
    EXPECT_TRUE(StringsTable::entry("NoSuchTable", "Open").isNull());
}

TEST_F(StringsTableTest, WithoutAnEntryTheValueOrElseTheKeyIsShown)
{
    EXPECT_EQ(StringsTable::localizedString("Close", "Zu", "Menus"), QStringLiteral("Schließen"));
    EXPECT_EQ(StringsTable::localizedString("Save", "Sichern", "Menus"), QStringLiteral("Sichern"));
    EXPECT_EQ(StringsTable::localizedString("Save", QString(), "Menus"), QStringLiteral("Save"));
    EXPECT_EQ(StringsTable::localizedString("Open", QString(), "NoSuchTable"), QStringLiteral("Open"));
}

} // namespace
