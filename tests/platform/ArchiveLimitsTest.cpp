#include "support/HandMadeZip.h"
#include "ZipTestFiles.h"
#include "platform/transfer/ZipArchive.h"
#include "support/VelkTest.h"

#include <QDir>
#include <QFileInfo>

// Archives that would fill the disk: sizes claimed in a few hundred bytes of headers, real streams that
// inflate a thousand-fold, and streams that inflate past what their headers say. Each is refused or
// stopped, and leaves nothing behind.

namespace {

using HandMadeZip::Entry;

constexpr quint64 kMebibyte = 1024 * 1024;

class ArchiveLimitsTest : public VelkTest {
protected:
    // Unpacks the archive bytes into a destination that does not exist yet; answers the result.
    int unpacked(const QByteArray& bytes)
    {
        archivePath = pathInHome("in/archive.zip");
        ZipTestFiles::write(archivePath, bytes);
        destination = pathInHome("work") + "/out";
        ZipArchive zip;
        EXPECT_TRUE(zip.openZip(archivePath)) << zip.lastErrorText().toStdString();
        const int files = zip.unzip(destination);
        error = zip.lastErrorText();
        return files;
    }

    // Nothing is left where the archive was unpacked: not even the destination it made.
    void expectNothingLeft() const
    {
        EXPECT_FALSE(QFileInfo::exists(destination))
            << ZipTestFiles::treeBelow(destination).join(' ').toStdString();
    }

    QString archivePath;
    QString destination;
    QString error;
};

Entry claiming(const QByteArray& name, quint64 declaredSize)
{
    Entry entry = HandMadeZip::stored(name, "0123456789");
    entry.declaredSize = declaredSize;
    return entry;
}

TEST_F(ArchiveLimitsTest, SizesClaimedInTheHeadersAreRefusedBeforeAnythingIsWritten)
{
    struct Case {
        const char* what;
        QList<Entry> entries;
        const char* reason;
    };
    QList<Entry> eight;
    for (int i = 0; i < 8; ++i)
        eight << claiming("part" + QByteArray::number(i), 480 * kMebibyte);
    const Case cases[] = {
        {"one entry of 3.75 GiB",
         {HandMadeZip::stored("a.txt", "fine"), claiming("big.bin", 3840 * kMebibyte)},
         "more than 536870912"},
        {"eight entries of 480 MiB", eight, "The archive unpacks to 4026531840 bytes, more than 2147483648"},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = HandMadeZip::archive(c.entries);
        EXPECT_LT(bytes.size(), 1000) << c.what;
        EXPECT_EQ(unpacked(bytes), -1) << c.what;
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.what << ": " << error.toStdString();
        expectNothingLeft();
    }
}

TEST_F(ArchiveLimitsTest, ARealBombIsRefusedByTheSizeItDeclares)
{
    const HandMadeZip::DeflatedZeros zeros = HandMadeZip::deflatedZeros(3000);
    const QByteArray bytes =
        HandMadeZip::archive({{"bomb.bin", zeros.stream, true, 3000 * kMebibyte, zeros.crc}});
    EXPECT_LT(bytes.size(), 4 * 1024 * 1024);
    EXPECT_EQ(unpacked(bytes), -1);
    EXPECT_TRUE(error.contains(QLatin1String("bomb.bin"))) << error.toStdString();
    expectNothingLeft();
}

TEST_F(ArchiveLimitsTest, DataThatDiffersFromItsDeclaredSizeFailsAndIsTakenAway)
{
    // 64 MiB of zeros declared as 1000 bytes: unpacking stops just past the 1000, not at 64 MiB.
    const HandMadeZip::DeflatedZeros zeros = HandMadeZip::deflatedZeros(64);
    const Entry lying{"lying.bin", zeros.stream, true, 1000, zeros.crc};
    Entry shortEntry = HandMadeZip::stored("short.txt", "0123456789");
    shortEntry.declaredSize = 20;
    struct Case {
        const char* what;
        Entry entry;
        const char* reason;
    };
    const Case cases[] = {
        {"more than declared", lying, "holds more than the 1000 bytes the archive declares"},
        // libzip finds this one itself, by the stored size.
        {"less than declared", shortEntry, "short.txt"},
    };
    for (const Case& c : cases) {
        // A good entry and a folder before it are unpacked first, and must go again.
        const QList<Entry> entries = {HandMadeZip::stored("sub/", {}),
                                      HandMadeZip::stored("sub/first.txt", "first"), c.entry};
        EXPECT_EQ(unpacked(HandMadeZip::archive(entries)), -1) << c.what;
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.what << ": " << error.toStdString();
        expectNothingLeft();
    }
}

TEST_F(ArchiveLimitsTest, AFailedUnpackingKeepsWhatTheDestinationHeldBefore)
{
    const QString kept = pathInHome("work") + "/out/kept.txt";
    ZipTestFiles::write(kept, "mine");
    Entry shortEntry = HandMadeZip::stored("more/short.txt", "0123456789");
    shortEntry.declaredSize = 20;
    EXPECT_EQ(unpacked(HandMadeZip::archive({HandMadeZip::stored("new.txt", "new"), shortEntry})), -1);
    EXPECT_EQ(ZipTestFiles::treeBelow(destination), QStringList{"kept.txt"});
}

TEST_F(ArchiveLimitsTest, HonestArchivesWithinTheLimitsUnpack)
{
    const HandMadeZip::DeflatedZeros zeros = HandMadeZip::deflatedZeros(2);
    const QList<Entry> entries = {HandMadeZip::stored("a/b.txt", "bee"),
                                  {"zeros.bin", zeros.stream, true, 2 * kMebibyte, zeros.crc}};
    EXPECT_EQ(unpacked(HandMadeZip::archive(entries)), 2) << error.toStdString();
    EXPECT_EQ(ZipTestFiles::read(destination + "/a/b.txt"), QByteArray("bee"));
    EXPECT_EQ(QFileInfo(destination + "/zeros.bin").size(), qint64(2 * kMebibyte));
}

} // namespace
