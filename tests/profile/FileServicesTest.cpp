#include "FileTestSupport.h"

#include "platform/Bundle.h"
#include "profile/VelkFileHelper.h"
#include "profile/services/FileServices.h"
#include "support/VelkTest.h"

#include <QLocale>
#include <QRegularExpression>

#include <sys/stat.h>

namespace {

class FileServicesTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::system());
        VelkTest::TearDown();
    }
};

qint64 ownEntrySize(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? qint64(status.st_size) : -1;
}

TEST_F(FileServicesTest, UploadRule)
{
    const QString page = pathInHome("site/page1");
    writeFile(page + "/image3@2x.png", 10);
    const struct {
        const char* name;
        bool upload;
    } cases[] = {
        {"submit.png", false}, {"submit@2x.png", false}, {"x@2x.png", true},   {"image3o.png", false},
        {"image4o.png", true}, {"logo.png", true},       {"image3.png", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataCentre::shouldUploadThisImage(page + '/' + c.name), c.upload) << c.name;
}

TEST_F(FileServicesTest, TwinNameDropsEveryLetterO)
{
    const QString page = pathInHome("site/page2");
    const QString master = page + "/photo7o.png";
    writeFile(page + "/photo7@2x.png", 10);
    EXPECT_FALSE(DataCentre::isThere2xImage(master));
    EXPECT_TRUE(DataCentre::shouldUploadThisImage(master));
    writeFile(page + "/pht7@2x.png", 10);
    EXPECT_TRUE(DataCentre::isThere2xImage(master));
    EXPECT_FALSE(DataCentre::shouldUploadThisImage(master));
}

TEST_F(FileServicesTest, SubmitImagesAreNeverRemoved)
{
    const QString page = pathInHome("site/page3");
    const QString working = pathInHome("working");
    QDir().mkpath(working);
    for (const QString& name : {QString("submit.png"), QString("submit@2x.png")}) {
        writeFile(page + '/' + name, 10);
        writeFile(working + '/' + name, 10);
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(working);
    EXPECT_FALSE(DataCentre::shouldUploadThisImage(page + "/submit.png"));
    EXPECT_FALSE(DataCentre::shouldUploadThisImage(page + "/submit@2x.png"));
    QDir::setCurrent(previous);
    for (const QString& name : {QString("submit.png"), QString("submit@2x.png")}) {
        EXPECT_TRUE(QFile::exists(page + '/' + name)) << name.toStdString();
        EXPECT_TRUE(QFile::exists(working + '/' + name)) << name.toStdString();
    }
}

TEST_F(FileServicesTest, FolderSizeCountsDirectEntriesOnly)
{
    const QString folder = pathInHome("catalogue/holiday");
    writeFile(folder + "/a.jpg", 1000);
    writeFile(folder + "/b.jpg", 2000);
    writeFile(folder + "/.hidden", 7);
    writeFile(folder + "/big/inner.bin", 1000000);
    const qint64 subFolderEntry = ownEntrySize(folder + "/big");
    ASSERT_GE(subFolderEntry, 0);
    EXPECT_EQ(DataCentre::sizeOfFolder(folder), quint64(3007 + subFolderEntry));
    EXPECT_EQ(DataCentre::sizeOfFolder(pathInHome("catalogue/missing")), 0u);
}

TEST_F(FileServicesTest, FileSizes)
{
    const QString file = pathInHome("sizes/two.bin");
    writeFile(file, 2000);
    EXPECT_EQ(DataCentre::grabFileSize(file), 2000);
    EXPECT_EQ(DataCentre::grabFileSizeStr(file), "2 KB");
    EXPECT_EQ(DataCentre::grabFileSize(pathInHome("sizes/missing.bin")), 0);
    EXPECT_EQ(DataCentre::grabFileSizeStr(pathInHome("sizes/missing.bin")), "Zero KB");
}

TEST_F(FileServicesTest, SizesBeyondFourGibibytes)
{
    const qint64 huge = (qint64(5) << 30) + 123;
    const QString file = pathInHome("sparse/huge.bin");
    {
        QFile sparse(file);
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.resize(huge)); // a hole: no disk space is used
    }
    writeFile(pathInHome("sparse/small.bin"), 1000);
    EXPECT_EQ(DataCentre::grabFileSize(file), huge);
    EXPECT_EQ(DataCentre::grabFileSizeStr(file), "5.37 GB");
    EXPECT_EQ(DataCentre::sizeOfFolder(QFileInfo(file).absolutePath()), quint64(huge + 1000));
}

TEST_F(FileServicesTest, ByteCountText)
{
    const struct {
        qint64 bytes;
        const char* text;
    } cases[] = {
        {0, "Zero KB"},       {1, "1 byte"},           {999, "999 bytes"},      {1000, "1 KB"},
        {1499, "1 KB"},       {1500, "2 KB"},          {999499, "999 KB"},      {999999, "1 MB"},
        {1500000, "1.5 MB"},  {2000000, "2 MB"},       {2049999, "2 MB"},       {1234567890, "1.23 GB"},
        {2000000000, "2 GB"}, {5368709120, "5.37 GB"}, {1000000000000, "1 TB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataCentre::byteCountString(c.bytes), c.text) << c.bytes;
}

TEST_F(FileServicesTest, ReadsBundleTextFiles)
{
    const QString resources = pathInHome("bundle");
    QDir().mkpath(resources);
    writeFile(resources + "/Info.json", QByteArray("{}"));
    writeFile(resources + "/labels.csv", QByteArray("Avery,5160,\xC3\xA9tiquette\n"));
    writeFile(resources + "/broken.txt", QByteArray("\xFF\xFE\xFD"));
    writeFile(resources + "/empty.txt", QByteArray());
    QDir().mkpath(resources + "/fonts");
    const QString previous = Bundle::main().resourcesPath();
    Bundle::main().load(resources);

    EXPECT_EQ(DataCentre::readBundleFile("labels", "csv"),
              QString::fromUtf8("Avery,5160,\xC3\xA9tiquette\n"));
    EXPECT_TRUE(DataCentre::readBundleFile("labels", "txt").isNull());
    EXPECT_TRUE(DataCentre::readBundleFile("broken", "txt").isNull());
    EXPECT_TRUE(DataCentre::readBundleFile("fonts", "").isNull());
    const QString empty = DataCentre::readBundleFile("empty", "txt");
    EXPECT_FALSE(empty.isNull());
    EXPECT_TRUE(empty.isEmpty());

    Bundle::main().load(previous);
}

std::shared_ptr<VelkFileHelper> record(const char* name, const QDateTime& date, quint64 bytes)
{
    auto r = std::make_shared<VelkFileHelper>();
    r->setFilePath(name);
    r->setFileModDate(date);
    r->setFileSizeBytes(bytes);
    return r;
}

QStringList paths(const VelkFileHelperList& list)
{
    QStringList result;
    for (const auto& r : list)
        result.append(r->filePath());
    return result;
}

TEST_F(FileServicesTest, SortsRecordsByKey)
{
    const QDateTime base(QDate(2020, 5, 1), QTime(12, 0));
    const VelkFileHelperList list = {record("middle", base, 5), record("newest", base.addDays(3), 2),
                                     record("oldest", base.addDays(-3), 9)};
    EXPECT_EQ(paths(DataCentre::sortArray(list, "fileModDate", true)),
              QStringList({"oldest", "middle", "newest"}));
    EXPECT_EQ(paths(DataCentre::sortArray(list, "fileModDate", false)),
              QStringList({"newest", "middle", "oldest"}));
    EXPECT_EQ(paths(DataCentre::sortArray(list, "fileSizeBytes", false)),
              QStringList({"oldest", "middle", "newest"}));
    EXPECT_EQ(paths(list), QStringList({"middle", "newest", "oldest"})); // the argument is left alone
}

TEST_F(FileServicesTest, SortsDictionariesStablyWithAbsentKeysFirst)
{
    const QList<QVariantMap> list = {
        {{"name", "b"}, {"originY", 40}},     {{"name", "a"}, {"originY", 10}},
        {{"name", "c"}, {"originY", 40}},     {{"name", "none"}},
        {{"name", "text"}, {"originY", "x"}},
    };
    QStringList names;
    for (const QVariantMap& map : DataCentre::sortArray(list, "originY", true))
        names.append(map.value("name").toString());
    // Values that cannot be compared with numbers go by kind, after them.
    EXPECT_EQ(names, QStringList({"none", "a", "b", "c", "text"}));
}

TEST_F(FileServicesTest, PrintsTheTimeToTheLog)
{
    LogCapture log;
    DataCentre::printCurrentTime();
    ASSERT_EQ(log.captured().size(), 1);
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(log.captured().first()).hasMatch())
        << log.captured().first().toStdString();
}

} // namespace
