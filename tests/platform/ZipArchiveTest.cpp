#include "platform/transfer/ZipArchive.h"
#include "ZipTestFiles.h"
#include "support/VelkTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using namespace ZipTestFiles;

class ZipArchiveTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        root = pathInHome("work");
        QDir().mkpath(root);
        write(root + "/site/index.html", "<p>home</p>");
        write(root + "/site/css/main.css", "p { }");
        write(root + "/site/css/fonts/a.woff", "font");
        write(root + "/site/.hidden", "h");
        QDir().mkpath(root + "/site/empty");
        write(root + "/loose.png", "png");
    }

    QStringList packed(const QStringList& appends, bool recurse, const QString& appendFrom = {})
    {
        ZipArchive zip;
        const QString path = root + "/out.zip";
        EXPECT_TRUE(zip.newZip(path));
        zip.setAppendFromDir(appendFrom);
        for (const QString& append : appends)
            EXPECT_TRUE(zip.appendFiles(append, recurse)) << append.toStdString();
        EXPECT_TRUE(zip.writeZipAndClose()) << zip.lastErrorText().toStdString();
        return entryNames(path);
    }

    QString root;
};

TEST_F(ZipArchiveTest, APatternPacksTheFolderContentRelativeToTheFolder)
{
    // Links stay out, a looping one included.
    ASSERT_TRUE(QFile::link(root + "/loose.png", root + "/site/link.png"));
    ASSERT_TRUE(QFile::link(root + "/site", root + "/site/css/loop"));
    EXPECT_EQ(packed({root + "/site/*", root + "/loose.png"}, true),
              (QStringList{".hidden", "css/", "css/fonts/", "css/fonts/a.woff", "css/main.css", "empty/",
                           "index.html", "loose.png"}));
    EXPECT_EQ(entryData(root + "/out.zip", "css/fonts/a.woff"), "font");
    // Without recursion only the files the pattern matches go in.
    EXPECT_EQ(packed({root + "/site/*"}, false), (QStringList{".hidden", "index.html"}));
    EXPECT_EQ(packed({root + "/site/*.html"}, true), (QStringList{"index.html"}));
}

TEST_F(ZipArchiveTest, TheAppendFromFolderKeepsTheFolderNames)
{
    EXPECT_EQ(packed({"site/*", root + "/loose.png"}, true, root),
              (QStringList{"site/", "site/.hidden", "site/css/", "site/css/fonts/", "site/css/fonts/a.woff",
                           "site/css/main.css", "site/empty/", "site/index.html", "loose.png"}));
    EXPECT_EQ(packed({"site/css"}, true, root),
              (QStringList{"site/css/", "site/css/fonts/", "site/css/fonts/a.woff", "site/css/main.css"}));
}

TEST_F(ZipArchiveTest, MissingFilesFailWithAReasonWhileAnEmptyMatchSucceeds)
{
    ZipArchive zip;
    ASSERT_TRUE(zip.newZip(root + "/out.zip"));
    EXPECT_FALSE(zip.appendFiles(root + "/nothing.png", false));
    EXPECT_TRUE(zip.lastErrorText().contains(root + "/nothing.png"));
    EXPECT_FALSE(zip.appendFiles(root + "/nofolder/*", true));
    EXPECT_TRUE(zip.lastErrorText().contains(root + "/nofolder"));
    EXPECT_TRUE(zip.appendFiles(root + "/site/empty/*", true));
    EXPECT_TRUE(zip.lastErrorText().isEmpty());

    ZipArchive nowhere;
    EXPECT_FALSE(nowhere.newZip(root + "/no/such/folder/out.zip"));
    EXPECT_FALSE(nowhere.lastErrorText().isEmpty());
    EXPECT_FALSE(nowhere.appendFiles(root + "/loose.png", false));
}

TEST_F(ZipArchiveTest, AFailedWriteLeavesTheExistingArchiveAndNoTemporaryFiles)
{
    const QString path = root + "/out.zip";
    packed({root + "/loose.png"}, false);
    const QByteArray before = read(path);

    ZipArchive zip;
    ASSERT_TRUE(zip.newZip(path));
    ASSERT_TRUE(zip.appendFiles(root + "/site/*", true));
    ASSERT_TRUE(QFile::remove(root + "/site/index.html"));
    EXPECT_FALSE(zip.writeZipAndClose());
    EXPECT_TRUE(zip.lastErrorText().contains("index.html")) << zip.lastErrorText().toStdString();

    EXPECT_EQ(read(path), before);
    EXPECT_EQ(QDir(root).entryList(QDir::Files | QDir::Hidden), (QStringList{"loose.png", "out.zip"}));
}

TEST_F(ZipArchiveTest, WritingReplacesAnExistingArchive)
{
    packed({root + "/site/*"}, true);
    EXPECT_EQ(packed({root + "/loose.png"}, false), QStringList{"loose.png"});
    EXPECT_EQ(QDir(root).entryList(QDir::Files | QDir::Hidden), (QStringList{"loose.png", "out.zip"}));
}

TEST_F(ZipArchiveTest, AnEmptyArchiveIsWrittenAndUnpacksNothing)
{
    EXPECT_EQ(packed({root + "/site/empty/*"}, true), QStringList{});
    ASSERT_TRUE(QFileInfo(root + "/out.zip").isFile());
    ZipArchive zip;
    ASSERT_TRUE(zip.openZip(root + "/out.zip")) << zip.lastErrorText().toStdString();
    EXPECT_EQ(zip.unzip(root + "/unpacked/deeper"), 0);
    EXPECT_TRUE(QFileInfo(root + "/unpacked/deeper").isDir());
}

TEST_F(ZipArchiveTest, UnpackingCountsTheFilesAndRestoresContent)
{
    packed({root + "/site/*"}, true);
    ZipArchive zip;
    ASSERT_TRUE(zip.openZip(root + "/out.zip"));
    EXPECT_EQ(zip.unzip(root + "/copy"), 4);
    EXPECT_EQ(treeBelow(root + "/copy"), treeBelow(root + "/site"));
    EXPECT_EQ(filesBelow(root + "/copy"), filesBelow(root + "/site"));
}

TEST_F(ZipArchiveTest, DamagedArchivesAreReportedNotUnpacked)
{
    packed({root + "/site/*"}, true);
    const QByteArray good = read(root + "/out.zip");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"garbage", QByteArray("this is not an archive at all, just some text").repeated(20)},
        {"truncated", good.left(good.size() / 2)},
        {"empty file", QByteArray()},
    };
    for (const auto& c : cases) {
        write(root + "/bad.zip", c.bytes);
        ZipArchive zip;
        EXPECT_FALSE(zip.openZip(root + "/bad.zip")) << c.name;
        EXPECT_FALSE(zip.lastErrorText().isEmpty()) << c.name;
        EXPECT_EQ(zip.unzip(root + "/bad-" + c.name), -1) << c.name;
    }
    ZipArchive missing;
    EXPECT_FALSE(missing.openZip(root + "/none.zip"));
}

TEST_F(ZipArchiveTest, ACorruptEntryFailsTheUnpacking)
{
    // Raw archives are stored uncompressed, so one flipped byte of the content breaks its checksum.
    ASSERT_TRUE(writeRawArchive(root + "/raw.zip", {{"page.html", "<p>some page text</p>"}}));
    QByteArray bytes = read(root + "/raw.zip");
    const qsizetype at = bytes.indexOf("some page text");
    ASSERT_GE(at, 0);
    bytes[at] = 'S';
    write(root + "/raw.zip", bytes);

    ZipArchive zip;
    ASSERT_TRUE(zip.openZip(root + "/raw.zip"));
    EXPECT_EQ(zip.unzip(root + "/copy"), -1);
    EXPECT_FALSE(zip.lastErrorText().isEmpty());
}

TEST_F(ZipArchiveTest, EntriesThatWouldLeaveTheDestinationAreRefusedBeforeAnythingIsWritten)
{
    const QString outside = root + "/outside";
    const struct {
        const char* label;
        RawEntry hostile;
    } cases[] = {
        {"parent", {"../evil", "x"}},
        {"deep parent", {"pages/../../evil", "x"}},
        {"backslash parent", {"..\\evil", "x"}},
        {"absolute", {QFile::encodeName(outside + "/evil"), "x"}},
        {"link", {"link", QFile::encodeName(outside), true}},
    };
    for (const auto& c : cases) {
        const QString archive = root + "/hostile.zip";
        ASSERT_TRUE(writeRawArchive(archive, {{"first.txt", "ok"}, c.hostile})) << c.label;
        ASSERT_EQ(entryNames(archive).size(), 2) << c.label;
        const QString destination = root + "/dest-" + c.label;

        ZipArchive zip;
        ASSERT_TRUE(zip.openZip(archive)) << c.label;
        EXPECT_EQ(zip.unzip(destination), -1) << c.label;
        EXPECT_TRUE(
            zip.lastErrorText().contains("Refused entry \"" + QString::fromUtf8(c.hostile.name) + "\""))
            << c.label << ": " << zip.lastErrorText().toStdString();
        EXPECT_EQ(treeBelow(destination), QStringList{}) << c.label;
        EXPECT_FALSE(QFileInfo::exists(root + "/evil")) << c.label;
        EXPECT_FALSE(QFileInfo::exists(outside + "/evil")) << c.label;
    }
}

TEST_F(ZipArchiveTest, ALinkAlreadyInTheDestinationIsNotFollowed)
{
    const QString destination = root + "/dest";
    QDir().mkpath(destination);
    QDir().mkpath(root + "/outside");
    ASSERT_TRUE(QFile::link(root + "/outside", destination + "/pages"));
    ASSERT_TRUE(writeRawArchive(root + "/a.zip", {{"pages/evil", "x"}}));

    ZipArchive zip;
    ASSERT_TRUE(zip.openZip(root + "/a.zip"));
    EXPECT_EQ(zip.unzip(destination), -1);
    EXPECT_TRUE(zip.lastErrorText().contains("Refused entry \"pages/evil\""));
    EXPECT_FALSE(QFileInfo::exists(root + "/outside/evil"));
}

} // namespace
