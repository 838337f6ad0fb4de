#include "FileTestSupport.h"

#include "profile/DataCentre.h"
#include "profile/services/FileServices.h"
#include "profile/services/FolderScan.h"
#include "profile/services/ProgressWindow.h"
#include "support/VelkTest.h"

#include <QLabel>
#include <QLocale>
#include <QSet>
#include <QTest>
#include <QUrl>

#include <thread>

namespace {

using DataCentre::catalogFileList;

enum class Mode { Folders, Photos, Videos };

class FolderScanTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        DataCentre::resetProfile();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override
    {
        DataCentre::dismissProgressIndicator();
        catalogFileList().clear();
        QLocale::setDefault(QLocale::system());
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }

    static void setMode(Mode mode)
    {
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.fileCatalogMode = mode == Mode::Folders;
        profile.photoCatalogMode = mode == Mode::Photos;
        profile.videoCatalogMode = mode == Mode::Videos;
    }

    void scan(const QString& folder) { DataCentre::countNumberOfFiles(QUrl::fromLocalFile(folder)); }

    // Relative paths of the records, as a set.
    static QSet<QString> catalogued(const QString& root)
    {
        QSet<QString> names;
        for (const auto& record : catalogFileList())
            names.insert(QDir(root).relativeFilePath(record->filePath()));
        return names;
    }

    static QString fileLine() { return DataCentre::sharedProgressWindow()->progressFileTextField()->text(); }
    static QString status() { return DataCentre::sharedProgressWindow()->progressStatusTextfield()->text(); }
};

TEST_F(FolderScanTest, PhotoModeTakesOnlyTheListedExtensions)
{
    const QString root = pathInHome("photos");
    for (const char* name : {"a.JPG", "b.Jpg", "c.png", "d.txt", "trip/e.jpeg", "trip/.f.GIF", "trip/g.mp4"})
        writeFile(root + '/' + name, 10);
    setMode(Mode::Photos);
    scan(root);
    EXPECT_EQ(catalogued(root), QSet<QString>({"a.JPG", "c.png", "trip/e.jpeg", "trip/.f.GIF"}));
    for (const auto& record : catalogFileList()) {
        EXPECT_TRUE(QFileInfo(record->filePath()).isAbsolute());
        EXPECT_TRUE(record->fileModDate().isValid());
        EXPECT_EQ(record->fileModDateString(), QLocale().toString(record->fileModDate(), "MMM dd yyyy"));
        EXPECT_TRUE(record->fileSize().isEmpty());
        EXPECT_EQ(record->fileSizeBytes(), 0u);
    }
}

TEST_F(FolderScanTest, VideoModeTakesVideosAndReportsEveryOne)
{
    const QString root = pathInHome("videos");
    for (const char* name : {"a.mp4", "b.MOV", "c.Mp4", "d.jpg", "e.webm", "f.avi"})
        writeFile(root + '/' + name, 10);
    setMode(Mode::Videos);
    DataCentre::showProgressIndicator();
    ProgressSteps progress;
    scan(root);
    EXPECT_EQ(catalogued(root), QSet<QString>({"a.mp4", "b.MOV", "e.webm", "f.avi"}));
    EXPECT_EQ(progress.steps().size(), 4);
    EXPECT_EQ(DataCentre::sharedProgressWindow()->levelIndicator()->maxValue(), 6.0);
    EXPECT_EQ(fileLine(), "Found 4 supported files");
}

TEST_F(FolderScanTest, FolderModeTakesFoldersAtEveryDepth)
{
    const QString root = pathInHome("drive");
    writeFile(root + "/one/a.bin", 1000);
    writeFile(root + "/one/b.bin", 2500);
    writeFile(root + "/two/deeper/c.bin", 10);
    QDir().mkpath(root + "/three");
    writeFile(root + "/loose.bin", 10);
    const QDateTime stamp(QDate(2021, 3, 4), QTime(10, 30));
    ASSERT_TRUE(setModificationTime(root + "/one", stamp));
    setMode(Mode::Folders);
    scan(root);

    EXPECT_EQ(catalogued(root), QSet<QString>({"one", "two", "two/deeper", "three"}));
    for (const auto& record : catalogFileList()) {
        const quint64 size = DataCentre::sizeOfFolder(record->filePath());
        EXPECT_EQ(record->fileSizeBytes(), size);
        EXPECT_EQ(record->fileSize(), DataCentre::byteCountString(qint64(size)));
        if (record->filePath().endsWith("/one")) {
            EXPECT_GE(size, 3500u);
            EXPECT_EQ(record->fileModDate(), stamp);
            EXPECT_EQ(record->fileModDateString(), "Mar 04 2021");
            EXPECT_EQ(record->fileModDateString_fileNameFormat(), "20210304");
        }
    }
}

TEST_F(FolderScanTest, NewScanReplacesTheList)
{
    const QString root = pathInHome("photos");
    writeFile(root + "/a.jpg", 10);
    setMode(Mode::Photos);
    scan(root);
    scan(root);
    EXPECT_EQ(catalogFileList().size(), 1);
    scan(pathInHome("nothing-here"));
    EXPECT_TRUE(catalogFileList().isEmpty());
}

TEST_F(FolderScanTest, PhotoDateIsTheEarlierOfCreationAndModification)
{
    const QString root = pathInHome("photos");
    writeFile(root + "/old.jpg", 10);
    const QDateTime taken(QDate(2001, 1, 1), QTime(8, 0));
    ASSERT_TRUE(setModificationTime(root + "/old.jpg", taken));
    setMode(Mode::Photos);
    scan(root);
    ASSERT_EQ(catalogFileList().size(), 1);
    EXPECT_EQ(catalogFileList().first()->fileModDate(), taken);
    EXPECT_EQ(catalogFileList().first()->fileModDateString_fileNameFormat(), "20010101");
}

TEST_F(FolderScanTest, ProgressIsThrottledByTheNumberOfEntries)
{
    const struct {
        int entries;
        int interval;
    } cases[] = {{25, 10}, {2500, 50}};
    setMode(Mode::Photos);
    for (const auto& c : cases) {
        const QString root = pathInHome(QStringLiteral("many%1").arg(c.entries));
        for (int n = 0; n < c.entries; ++n)
            writeFile(QStringLiteral("%1/p%2.jpg").arg(root).arg(n), QByteArray());
        DataCentre::showProgressIndicator();
        ProgressSteps progress;
        scan(root);

        QList<int> expected;
        for (int step = c.interval; step <= c.entries; step += c.interval)
            expected.append(step);
        EXPECT_EQ(progress.steps(), expected) << c.entries;
        EXPECT_EQ(DataCentre::sharedProgressWindow()->levelIndicator()->maxValue(), double(c.entries));
        EXPECT_EQ(fileLine(), QStringLiteral("Found %1 supported files").arg(expected.last()));
        // Only a last report that reaches the total closes the window.
        EXPECT_EQ(DataCentre::sharedProgressWindow()->isVisible(), expected.last() != c.entries) << c.entries;
    }
}

std::shared_ptr<VelkFileHelper> recordOf(const QString& path)
{
    auto record = std::make_shared<VelkFileHelper>();
    record->setFilePath(path);
    return record;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST_F(FolderScanTest, CopiesAreNumberedAfterThePageNoun)
{
    const QString source = pathInHome("originals");
    writeFile(source + "/sea.jpg", QByteArray("sea"));
    writeFile(source + "/hill.PNG", QByteArray("hill"));
    writeFile(source + "/sky.gif", QByteArray("sky"));
    catalogFileList() = {recordOf(source + "/sea.jpg"), recordOf(source + "/hill.PNG"),
                         recordOf(source + "/sky.gif")};
    DataCentre::mutableProfile().pageNoun = "photo";
    const QString output = pathInHome("site");
    QDir().mkpath(output);
    DataCentre::showProgressIndicator();
    ProgressSteps progress;

    DataCentre::duplicatePhotoRepository(output);

    const char* expected[][2] = {
        {"photo/photo0.jpg", "sea"}, {"photo/photo1.PNG", "hill"}, {"photo/photo2.gif", "sky"}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(catalogFileList().at(k)->updatedFilePath(), expected[k][0]);
        EXPECT_EQ(contentOf(output + '/' + expected[k][0]), expected[k][1]);
    }
    EXPECT_EQ(status(), "Please wait: 0/3 completed");
    EXPECT_EQ(fileLine(), "Step 1: Preparing to generate grid");
}

TEST_F(FolderScanTest, CopyingAgainReplacesStaleCopiesAndLogsFailures)
{
    const QString source = pathInHome("originals");
    writeFile(source + "/a.jpg", QByteArray("first"));
    writeFile(source + "/b.jpg", QByteArray("second"));
    DataCentre::mutableProfile().pageNoun = "photo";
    const QString output = pathInHome("site");
    QDir().mkpath(output);
    catalogFileList() = {recordOf(source + "/a.jpg"), recordOf(source + "/b.jpg")};
    DataCentre::duplicatePhotoRepository(output);

    // The list sorted the other way round, and one original gone.
    catalogFileList() = {recordOf(source + "/b.jpg"), recordOf(source + "/a.jpg"),
                         recordOf(source + "/gone.jpg")};
    LogCapture log;
    DataCentre::duplicatePhotoRepository(output);
    EXPECT_EQ(contentOf(output + "/photo/photo0.jpg"), "second");
    EXPECT_EQ(contentOf(output + "/photo/photo1.jpg"), "first");
    EXPECT_FALSE(QFile::exists(output + "/photo/photo2.jpg"));
    EXPECT_EQ(catalogFileList().at(2)->updatedFilePath(), "photo/photo2.jpg");
    ASSERT_EQ(log.captured().size(), 1);
    EXPECT_TRUE(log.captured().first().contains("gone.jpg"));
}

TEST_F(FolderScanTest, CopyIntoItselfKeepsTheFile)
{
    const QString output = pathInHome("site");
    writeFile(output + "/photo/photo0.jpg", QByteArray("kept"));
    DataCentre::mutableProfile().pageNoun = "photo";
    catalogFileList() = {recordOf(output + "/photo/photo0.jpg")};
    LogCapture log;
    DataCentre::duplicatePhotoRepository(output);
    EXPECT_EQ(contentOf(output + "/photo/photo0.jpg"), "kept");
    EXPECT_TRUE(log.captured().isEmpty());
}

// The application shell's job: scan and sort on a worker thread while the window shows its progress.
TEST_F(FolderScanTest, ScanOnAWorkerThreadReportsInOrder)
{
    const QString root = pathInHome("album");
    for (int n = 0; n < 30; ++n) {
        const QString path = QStringLiteral("%1/p%2.jpg").arg(root).arg(n);
        writeFile(path, QByteArray());
        setModificationTime(path, QDateTime(QDate(2010, 1, 1).addDays((n * 7) % 30), QTime(9, 0)));
    }
    setMode(Mode::Photos);
    DataCentre::showProgressIndicator();
    ProgressSteps progress;

    VelkFileHelperList sorted;
    std::atomic<bool> done = false;
    std::thread worker([&] {
        DataCentre::countNumberOfFiles(QUrl::fromLocalFile(root));
        sorted = DataCentre::sortArray(catalogFileList(), "fileModDate", true);
        done = true;
    });
    const bool arrived = QTest::qWaitFor([&] { return done && progress.steps().size() == 3; }, 20000);
    worker.join();
    ASSERT_TRUE(arrived);

    EXPECT_EQ(progress.steps(), QList<int>({10, 20, 30}));
    EXPECT_FALSE(DataCentre::sharedProgressWindow()->isVisible());
    ASSERT_EQ(sorted.size(), 30);
    for (qsizetype k = 1; k < sorted.size(); ++k)
        EXPECT_LT(sorted.at(k - 1)->fileModDate(), sorted.at(k)->fileModDate());
}

} // namespace
