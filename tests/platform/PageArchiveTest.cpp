#include "ZipTestFiles.h"
#include "platform/transfer/UploadFTPS.h"
#include "support/VelkTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using namespace ZipTestFiles;

using PackOperation = bool (UploadFTPS::*)(const QString&, const QString&);

const QStringList kFolderEntries = {"images/", "images/pic.png", "images/thumbs/", "images/thumbs/pic_s.png",
                                    "style.css"};

QStringList prefixed(const QString& prefix, const QStringList& names)
{
    QStringList result;
    for (const QString& name : names)
        result << prefix + name;
    return result;
}

class PageArchiveTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        work = pathInHome("work");
        page = work + "/P";
        write(page + "/style.css", "body { margin: 0; }");
        write(page + "/images/pic.png", "picture");
        write(page + "/images/thumbs/pic_s.png", "small picture");
    }

    // Companion files beside the page folder, by suffix (".html", ".php", ".png", "@2x.png").
    void makeCompanions(const QStringList& suffixes)
    {
        for (const QString& suffix : suffixes)
            write(page + suffix, "companion " + suffix.toUtf8());
    }

    QString work;
    QString page;
    UploadFTPS engine;
};

TEST_F(PageArchiveTest, BothLayoutsHoldExactlyTheEntriesOfTheirPage)
{
    const QStringList all = {".html", ".php", ".png", "@2x.png"};
    const QStringList nested = QStringList{"P/"} + prefixed("P/", kFolderEntries);
    const struct {
        const char* label;
        PackOperation pack;
        QStringList companions;
        const char* archiveName;
        QStringList expected;
    } cases[] = {
        {"flat page", &UploadFTPS::zipDocument, all, "P.page",
         kFolderEntries + QStringList{"P.html", "P.png", "P@2x.png"}},
        {"flat form page", &UploadFTPS::zipDocument, all, "P.quarnel",
         kFolderEntries + QStringList{"P.php", "P.png", "P@2x.png"}},
        {"flat without screenshots",
         &UploadFTPS::zipDocument,
         {".html"},
         "P.page",
         kFolderEntries + QStringList{"P.html"}},
        {"flat form page without its source",
         &UploadFTPS::zipDocument,
         {".html", ".png"},
         "P.quarnel",
         kFolderEntries + QStringList{"P.png"}},
        {"nested page", &UploadFTPS::zipDocument_mailchimp, all, "P.page",
         nested + QStringList{"P.html", "P.php", "P.png", "P@2x.png"}},
        {"nested form page",
         &UploadFTPS::zipDocument_mailchimp,
         {".php", "@2x.png"},
         "P.quarnel",
         nested + QStringList{"P.php", "P@2x.png"}},
        {"nested without screenshots",
         &UploadFTPS::zipDocument_mailchimp,
         {".html"},
         "P.page",
         nested + QStringList{"P.html"}},
    };
    for (const auto& c : cases) {
        for (const QString& suffix : all)
            QFile::remove(page + suffix);
        makeCompanions(c.companions);
        const QString archive = pathInHome(QString("archives/%1/%2").arg(c.label, c.archiveName));
        UploadFTPS engine;
        EXPECT_TRUE((engine.*c.pack)(page, archive)) << c.label;
        EXPECT_EQ(engine.textLog(), QStringList{"Zip Created!"}) << c.label;
        EXPECT_EQ(entryNames(archive), c.expected) << c.label;
    }
}

TEST_F(PageArchiveTest, PackThenUnpackPutsEveryFileBackWithItsContent)
{
    makeCompanions({".html", ".png", "@2x.png"});
    const QMap<QString, QByteArray> folderFiles = filesBelow(page);
    const struct {
        const char* label;
        PackOperation pack;
        QString folderPrefix;
    } cases[] = {
        {"flat", &UploadFTPS::zipDocument, ""},
        {"nested", &UploadFTPS::zipDocument_mailchimp, "P/"},
    };
    for (const auto& c : cases) {
        const QString archive = work + "/" + c.label + ".page";
        const QString destination = pathInHome(QString("unpacked/%1/P").arg(c.label));
        ASSERT_TRUE((engine.*c.pack)(page, archive)) << c.label;

        UploadFTPS unpacker;
        EXPECT_TRUE(unpacker.unzipDocument(archive, destination)) << c.label;
        EXPECT_EQ(unpacker.textLog(), QStringList{"Success!"}) << c.label;

        QMap<QString, QByteArray> expected;
        for (auto it = folderFiles.cbegin(); it != folderFiles.cend(); ++it)
            expected.insert(c.folderPrefix + it.key(), it.value());
        for (const char* suffix : {".html", ".png", "@2x.png"})
            expected.insert(QString("P") + suffix, read(page + suffix));
        EXPECT_EQ(filesBelow(destination), expected) << c.label;

        QStringList tree =
            prefixed(c.folderPrefix, kFolderEntries) + QStringList{"P.html", "P.png", "P@2x.png"};
        if (!c.folderPrefix.isEmpty())
            tree << c.folderPrefix;
        tree.sort();
        EXPECT_EQ(treeBelow(destination), tree) << c.label;
    }
}

TEST_F(PageArchiveTest, WildcardCharactersInAPageNameAreTakenAsWritten)
{
    const QString odd = work + "/Why?";
    write(odd + "/style.css", "css");
    write(odd + ".html", "page");
    write(odd + ".png", "shot");
    write(work + "/WhyX.html", "another page");
    const QString archive = work + "/Why.page";
    ASSERT_TRUE(engine.zipDocument(odd, archive));
    EXPECT_EQ(entryNames(archive), (QStringList{"style.css", "Why?.html", "Why?.png"}));
}

TEST_F(PageArchiveTest, AnEmptyPageFolderMakesAnArchiveThatUnpacksWithYes)
{
    const QString empty = pathInHome("blank/E");
    QDir().mkpath(empty);
    const QString archive = work + "/E.page";
    ASSERT_TRUE(engine.zipDocument(empty, archive));
    EXPECT_EQ(entryNames(archive), QStringList{});
    EXPECT_TRUE(QFileInfo(archive).isFile());

    UploadFTPS unpacker;
    EXPECT_TRUE(unpacker.unzipDocument(archive, work + "/unpacked"));
    EXPECT_EQ(unpacker.textLog(), QStringList{"Success!"});
}

TEST_F(PageArchiveTest, AMissingPageFolderWritesNothingAndKeepsTheStoredDocument)
{
    const QString archive = work + "/P.page";
    write(archive, "the stored page document");
    for (PackOperation pack : {&UploadFTPS::zipDocument, &UploadFTPS::zipDocument_mailchimp}) {
        UploadFTPS engine;
        EXPECT_FALSE((engine.*pack)(work + "/Missing", archive));
        ASSERT_EQ(engine.textLog().size(), 1);
        EXPECT_TRUE(engine.textLog().constFirst().contains(work + "/Missing"));
        EXPECT_EQ(read(archive), "the stored page document");
    }
}

TEST_F(PageArchiveTest, ADamagedDocumentAnswersNoWithTheReasonInTheLog)
{
    makeCompanions({".html"});
    const QString archive = work + "/P.page";
    ASSERT_TRUE(engine.zipDocument(page, archive));
    const QByteArray bytes = read(archive);
    write(archive, bytes.left(bytes.size() - 30));

    UploadFTPS unpacker;
    EXPECT_FALSE(unpacker.unzipDocument(archive, work + "/unpacked"));
    ASSERT_EQ(unpacker.textLog().size(), 1);
    EXPECT_NE(unpacker.textLog().constFirst(), "Success!");
    EXPECT_TRUE(unpacker.textLog().constFirst().contains(archive));
    EXPECT_FALSE(unpacker.unzipDocument(work + "/none.page", work + "/unpacked"));
}

TEST_F(PageArchiveTest, AHostileDocumentIsRefusedAndEachRefusalIsLogged)
{
    const QString archive = work + "/hostile.page";
    const QString absolute = work + "/absolute.html";
    ASSERT_TRUE(writeRawArchive(archive, {{"P.html", "<p>page</p>"},
                                          {"../evil.html", "x"},
                                          {QFile::encodeName(absolute), "x"},
                                          {"P.png", QFile::encodeName(page + "/style.css"), true}}));
    const QString destination = work + "/unpacked/hostile";
    UploadFTPS unpacker;
    EXPECT_FALSE(unpacker.unzipDocument(archive, destination));
    EXPECT_EQ(unpacker.textLog().size(), 3);
    for (const QString& name : {QString("../evil.html"), absolute, QString("P.png")})
        EXPECT_EQ(unpacker.textLog().filter("Refused entry \"" + name + "\"").size(), 1)
            << name.toStdString();
    EXPECT_EQ(treeBelow(destination), QStringList{});
    EXPECT_FALSE(QFileInfo::exists(work + "/unpacked/evil.html"));
    EXPECT_FALSE(QFileInfo::exists(absolute));
}

} // namespace
