#include "WebsiteTestSupport.h"

#include <QSaveFile>

namespace {

using ProjectFolderTest = WebsiteTest;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    ASSERT_TRUE(file.commit());
}

void setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

TEST_F(ProjectFolderTest, TheOrderFileListsEachPageWithItsPositionAndReadsBackInAnyEncoding)
{
    EXPECT_EQ(ProjectFolder::orderIndexText({"index.velkpage", "about.velkpage"}),
              QStringLiteral("index.velkpage,0\nabout.velkpage,1\n"));
    ASSERT_TRUE(ProjectFolder::writeOrderIndex(site, {"index.velkpage", "about.velkpage"}));
    EXPECT_EQ(orderFile(site), QStringLiteral("index.velkpage,0\nabout.velkpage,1\n"));

    // Names beyond ASCII are written as UTF-16 with a byte-order mark.
    ASSERT_TRUE(ProjectFolder::writeOrderIndex(site, {"über.velkpage", "index.velkpage"}));
    QFile file(QDir(site).filePath(QStringLiteral("order.index")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"));
    const auto numbers = ProjectFolder::readOrderIndex(site);
    ASSERT_TRUE(numbers.has_value());
    EXPECT_EQ(numbers->value(QStringLiteral("über.velkpage")), 0);
    EXPECT_EQ(numbers->value(QStringLiteral("index.velkpage")), 1);

    ASSERT_TRUE(ProjectFolder::writeOrderIndex(site, {}));
    EXPECT_EQ(orderFile(site), QString());
}

TEST_F(ProjectFolderTest, UnknownNamesAreSkippedUnlistedPagesGetZeroAndTheBaseTemplateComesFirst)
{
    writeFile(QDir(site).filePath(QStringLiteral("order.index")),
              "  about.velkpage,1\nghost.velkpage,0\nindex.velkpage,2\nno comma here\n"
              "basetemplate.velkpage,5\na,b.velkpage,3\n\n");
    const auto numbers = ProjectFolder::readOrderIndex(site);
    ASSERT_TRUE(numbers.has_value());
    EXPECT_EQ(numbers->value(QStringLiteral("a,b.velkpage"), -1), 3);
    EXPECT_FALSE(numbers->contains(QStringLiteral("no comma here")));

    const QStringList scanned = {"index.velkpage", "a,b.velkpage", "new.velkpage", "about.velkpage",
                                 "basetemplate.velkpage"};
    const ProjectFolder::PageOrder order =
        ProjectFolder::pageOrder(scanned, numbers, QStringLiteral("basetemplate.velkpage"));
    QStringList ordered;
    for (qsizetype position : order.positions)
        ordered.append(scanned[position]);
    EXPECT_EQ(ordered, QStringList({"basetemplate.velkpage", "new.velkpage", "about.velkpage",
                                    "index.velkpage", "a,b.velkpage"}));
    EXPECT_EQ(order.pageNumbers, QList<int>({2, 3, 0, 1, 5}));

    // Without the file the scan order stands.
    const ProjectFolder::PageOrder plain = ProjectFolder::pageOrder({"b", "a"}, std::nullopt, {});
    EXPECT_EQ(plain.positions, QList<qsizetype>({0, 1}));
    EXPECT_FALSE(ProjectFolder::isAcceptablePageName(QStringLiteral("a,b.velkpage")));
}

TEST_F(ProjectFolderTest, TilesFillColumnByColumn)
{
    const QList<TileSlot> slots = ProjectFolder::layoutTiles(5, 2, 201);
    ASSERT_EQ(slots.size(), 5);
    QList<int> columns;
    QList<int> rows;
    for (const TileSlot& slot : slots) {
        columns.append(slot.column);
        rows.append(slot.row);
        EXPECT_EQ(slot.width, 100);
        EXPECT_EQ(slot.x, slot.column * 100);
    }
    EXPECT_EQ(columns, QList<int>({0, 0, 0, 1, 1}));
    EXPECT_EQ(rows, QList<int>({0, 1, 2, 0, 1}));
    EXPECT_TRUE(ProjectFolder::layoutTiles(0, 2, 200).isEmpty());
    EXPECT_EQ(ProjectFolder::layoutTiles(1, 1, 10).first().width, 50);
    EXPECT_EQ(ProjectFolder::columnCount(0, 0), 1);
    EXPECT_EQ(ProjectFolder::columnCount(0, 3), 3);
    EXPECT_EQ(ProjectFolder::columnCount(2, 3), 2);
}

TEST_F(ProjectFolderTest, TextsOfTheList)
{
    EXPECT_EQ(ProjectFolder::summaryText(1, site), QStringLiteral("1 Document\nMy Site"));
    EXPECT_EQ(ProjectFolder::summaryText(3, site), QStringLiteral("3 Documents\nMy Site"));
    EXPECT_EQ(ProjectFolder::summaryText(0, {}), QStringLiteral("0 Documents\n"));

    EXPECT_EQ(
        ProjectFolder::grabPageWidth(QStringLiteral("<head>\n<meta name='viewport' content='width=1024'>\n")),
        QStringLiteral("1024"));
    EXPECT_EQ(ProjectFolder::grabPageWidth(QStringLiteral("<meta name='viewport' content='width=800'>\n"
                                                          "  <meta name='viewport' content='width=640'>")),
              QStringLiteral("640"));
    EXPECT_EQ(
        ProjectFolder::grabPageWidth(QStringLiteral("<meta name='viewport' content='initial-scale=1'>")),
        QString());

    EXPECT_TRUE(ProjectFolder::passesFilter(QStringLiteral("Café Menu"), QStringLiteral("menu.velkpage"),
                                            QStringLiteral("CAFE")));
    EXPECT_TRUE(ProjectFolder::passesFilter(QStringLiteral("Home"), QStringLiteral("index.velkpage"),
                                            QStringLiteral("index")));
    EXPECT_TRUE(ProjectFolder::passesFilter(QStringLiteral("Home"), QStringLiteral("index.velkpage"), {}));
    EXPECT_FALSE(ProjectFolder::passesFilter(QStringLiteral("Home"), QStringLiteral("index.velkpage"),
                                             QStringLiteral("about")));
}

TEST_F(ProjectFolderTest, DefaultNamesAndFreeNames)
{
    for (const char* name : {"page1.velkpage", "page2.velkpage", "page4.velkpage"})
        writeFile(QDir(site).filePath(QString::fromLatin1(name)), "x");
    EXPECT_EQ(ProjectFolder::generateDefaultPageName(site, 3, {}, QStringLiteral("page"), kExtension),
              QStringLiteral("page3"));
    writeFile(QDir(site).filePath(QStringLiteral("page3.quarnel")), "x");
    EXPECT_EQ(ProjectFolder::generateDefaultPageName(site, 3, {}, QStringLiteral("page"), kExtension),
              QStringLiteral("page5"));

    writeFile(QDir(site).filePath(QStringLiteral("Shop.velkpage")), "x");
    EXPECT_EQ(ProjectFolder::freeFileName(site, QStringLiteral("Shop.velkpage")),
              QStringLiteral("Shop0.velkpage"));
    writeFile(QDir(site).filePath(QStringLiteral("Shop0.velkpage")), "x");
    EXPECT_EQ(ProjectFolder::freeFileName(site, QStringLiteral("Shop.velkpage")),
              QStringLiteral("Shop1.velkpage"));
    EXPECT_EQ(ProjectFolder::freeFileName(site, QStringLiteral("New.velkpage")),
              QStringLiteral("New.velkpage"));
}

TEST_F(ProjectFolderTest, EqualModificationTimesCountAsNewer)
{
    const QString a = QDir(site).filePath(QStringLiteral("a"));
    const QString b = QDir(site).filePath(QStringLiteral("b"));
    writeFile(a, "a");
    writeFile(b, "b");
    const QDateTime moment = QDateTime::currentDateTime().addSecs(-60);
    setModified(a, moment);
    setModified(b, moment);
    EXPECT_TRUE(ProjectFolder::isFirstFileNewer(a, b));
    setModified(a, moment.addSecs(-10));
    EXPECT_FALSE(ProjectFolder::isFirstFileNewer(a, b));
    EXPECT_TRUE(ProjectFolder::isFirstFileNewer(b, a));
    EXPECT_FALSE(ProjectFolder::isFirstFileNewer(QDir(site).filePath(QStringLiteral("missing")), b));
}

TEST_F(ProjectFolderTest, WorkingFoldersAreKeyedByTheWholeProjectPath)
{
    const QString spaced = ProjectFolder::workingFolderFor(site);
    const QString joined = ProjectFolder::workingFolderFor(pathInHome(QStringLiteral("MySite")));
    const QString elsewhere = ProjectFolder::workingFolderFor(pathInHome(QStringLiteral("other/My Site")));
    EXPECT_NE(spaced, joined);
    EXPECT_NE(spaced, elsewhere);
    EXPECT_TRUE(QFileInfo(spaced).fileName().startsWith(QStringLiteral("MySite-")));
    EXPECT_EQ(spaced, ProjectFolder::workingFolderFor(site + QStringLiteral("/")));
    EXPECT_EQ(ProjectFolder::folderNameWithoutBlanks(site), QStringLiteral("MySite"));
}

TEST_F(ProjectFolderTest, TheScanReadsEachPageFromAWorkingCopyOfItsOwn)
{
    page(QStringLiteral("a"), QStringLiteral("Home"),
         {QStringLiteral("<meta name='viewport' content='width=1024'>"),
          QStringLiteral("<!--USE BASE TEMPLATE-->"),
          QStringLiteral("<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->")});
    makePageDocument(site, QStringLiteral("a"), QStringLiteral("Form"), {}, QStringLiteral("quarnel"),
                     Qt::red);
    writeFile(QDir(site).filePath(QStringLiteral("notes.txt")), "not a page");
    const QString working = ProjectFolder::workingFolderFor(site);
    ASSERT_TRUE(ProjectFolder::resetFolder(working));

    const QList<PageTileRecord> records = ProjectFolder::scan(site, working, QStringLiteral("fileName"));
    ASSERT_EQ(records.size(), 2);
    // By name the form page comes first and keeps the plain name.
    const PageTileRecord& form = records[0];
    const PageTileRecord& home = records[1];
    EXPECT_EQ(home.documentName, QStringLiteral("a.velkpage"));
    EXPECT_EQ(home.pageTitle, QStringLiteral("Home"));
    EXPECT_EQ(home.pageWidth, QStringLiteral("1024"));
    EXPECT_EQ(home.useBaseTemplateFlag, 1);
    EXPECT_EQ(home.pagePublishFileName, QStringLiteral("a.php"));
    EXPECT_EQ(form.documentName, QStringLiteral("a.quarnel"));
    EXPECT_EQ(form.pageLocalFileName, QStringLiteral("a.php"));
    EXPECT_EQ(home.pageLocalFileName, QStringLiteral("a4.html"));
    EXPECT_EQ(form.pagePublishFileName, QStringLiteral("a.php"));
    EXPECT_EQ(form.pageTitle, QStringLiteral("Form"));
    EXPECT_EQ(home.imagePath, QDir(working).filePath(QStringLiteral("a4@2x.png")));
    EXPECT_FALSE(home.fileTime.isEmpty());

    // Each page keeps the pictures of its own folder.
    EXPECT_EQ(QImage(QDir(working).filePath(QStringLiteral("a/image1o.png"))).pixelColor(0, 0),
              QColor(Qt::red));
    EXPECT_EQ(QImage(QDir(working).filePath(QStringLiteral("a4/image1o.png"))).pixelColor(0, 0),
              QColor(Qt::blue));
    EXPECT_EQ(QDir(working).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"a", "a4"}));
}

} // namespace
