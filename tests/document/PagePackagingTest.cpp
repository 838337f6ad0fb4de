#include "PageAssemblyTestSupport.h"

#include "document/writing/PageLibraries.h"
#include "document/files/PagePackaging.h"
#include "platform/transfer/UploadFTPS.h"

namespace {

class PagePackagingTest : public PageDocumentTest {
protected:
    // A page folder P with one image, and P.html, P.png and P@2x.png beside it.
    QString makePage(const QString& folder, const QString& name)
    {
        const QString page = QDir(folder).filePath(name);
        writeBytes(QDir(page).filePath(QStringLiteral("image1o.PNG")), "picture");
        writeBytes(page + QStringLiteral(".html"), "<html>" + name.toUtf8() + "</html>");
        writeBytes(page + QStringLiteral(".png"), "small");
        writeBytes(page + QStringLiteral("@2x.png"), "large");
        return page;
    }
};

TEST_F(PagePackagingTest, APackagedPageHoldsItsFolderFileAndScreenshots)
{
    const QString page = makePage(pathInHome(QStringLiteral("site/x")).chopped(2), QStringLiteral("about"));
    const QString package = pathInHome(QStringLiteral("about.velk"));
    EXPECT_TRUE(DataCentre::packageDocument(page, package));
    EXPECT_EQ(zipEntries(package), QStringList({"about.html", "about.png", "about@2x.png", "image1o.PNG"}));
    EXPECT_FALSE(
        DataCentre::packageDocument(page, pathInHome(QStringLiteral("x")) + QStringLiteral("/no/a.velk")));
}

TEST_F(PagePackagingTest, AMigratedPageTakesTheFirstFreeNameOfItsNewFolder)
{
    const QString package = pathInHome(QStringLiteral("index.velk"));
    ASSERT_TRUE(DataCentre::packageDocument(
        makePage(pathInHome(QStringLiteral("source/x")).chopped(2), QStringLiteral("index")), package));
    const QString site = pathInHome(QStringLiteral("site/x")).chopped(2);
    writeBytes(QDir(site).filePath(QStringLiteral("index.html")), "taken");
    writeBytes(QDir(site).filePath(QStringLiteral("index4.html")), "taken");

    const QString screenshot =
        DataCentre::migrateWebsitePage(package, QDir(site).filePath(QStringLiteral("unpacked")));
    EXPECT_EQ(screenshot, QDir(site).filePath(QStringLiteral("index5@2x.png")));
    EXPECT_EQ(readBytes(QDir(site).filePath(QStringLiteral("index5.html"))),
              QByteArray("<html>index</html>"));
    EXPECT_EQ(readBytes(QDir(site).filePath(QStringLiteral("index5.png"))), QByteArray("small"));
    EXPECT_EQ(readBytes(QDir(site).filePath(QStringLiteral("index5/image1o.PNG"))), QByteArray("picture"));
    EXPECT_FALSE(QFileInfo::exists(QDir(site).filePath(QStringLiteral("unpacked"))));
    EXPECT_EQ(readBytes(QDir(site).filePath(QStringLiteral("index.html"))), QByteArray("taken"));

    EXPECT_EQ(DataCentre::migrateWebsitePage(pathInHome(QStringLiteral("missing.velk")),
                                             QDir(site).filePath(QStringLiteral("again"))),
              QString());
}

// A responsive page document keeps its page under the page's name, so a copy under another name carries
// its page under the new name; a plain page document is copied as it is.
TEST_F(PagePackagingTest, ACopiedPageDocumentCarriesItsPageUnderTheNewName)
{
    const QString source = pathInHome(QStringLiteral("templates/Blank.kyv"));
    const QString parts = pathInHome(QStringLiteral("parts/x")).chopped(2);
    const QString page = makePage(parts, QStringLiteral("Blank"));
    writeBytes(QDir(page).filePath(QStringLiteral("full.css")), "old rules");
    UploadFTPS transfer;
    ASSERT_TRUE(transfer.zipDocument_mailchimp(page, source));

    DataCentre::mutableProfile().responsiveDesign = true;
    const QString copy = pathInHome(QStringLiteral("site/page.kyv"));
    ASSERT_TRUE(DataCentre::copyPageDocument(source, copy));
    EXPECT_EQ(zipEntries(copy),
              QStringList({"page", "page.html", "page.png", "page/image1o.PNG", "page@2x.png"}));
    EXPECT_EQ(zipEntries(source).size(), 6) << "the source stays as it was";
    EXPECT_FALSE(DataCentre::copyPageDocument(source, copy)) << "an existing page is not replaced";

    DataCentre::mutableProfile().responsiveDesign = false;
    const QString plain = pathInHome(QStringLiteral("site/plain.kyv"));
    ASSERT_TRUE(DataCentre::copyPageDocument(source, plain));
    EXPECT_EQ(readBytes(plain), readBytes(source));
}

TEST_F(PagePackagingTest, JqueryAndBootstrapArePutBesideThePageOnce)
{
    const QString packaged = QStringLiteral("/usr/share/javascript");
    if (!QFileInfo::exists(packaged + QStringLiteral("/jquery/jquery.min.js")))
        GTEST_SKIP() << "libjs-jquery is not installed";
    writeBytes(QDir(workFolder).filePath(QStringLiteral("bootstrap.min.js")), "kept");
    document.transferJquery();
    EXPECT_EQ(readBytes(QDir(workFolder).filePath(QStringLiteral("jquery-2.2.2.min.js"))),
              readBytes(packaged + QStringLiteral("/jquery/jquery.min.js")));
    EXPECT_EQ(readBytes(QDir(workFolder).filePath(QStringLiteral("bootstrap.min.css"))),
              readBytes(packaged + QStringLiteral("/bootstrap/css/bootstrap.min.css")));
    EXPECT_EQ(readBytes(QDir(workFolder).filePath(QStringLiteral("bootstrap.min.js"))), QByteArray("kept"));
}

TEST_F(PagePackagingTest, TheLibrariesAreFoundInTheFolderChosen)
{
    const QString folder = pathInHome(QStringLiteral("js/x")).chopped(2);
    writeBytes(QDir(folder).filePath(QStringLiteral("jquery/jquery.min.js")), "own jquery");
    PageLibraries::setFolder(folder);
    EXPECT_EQ(PageLibraries::sourceOf(QStringLiteral("jquery-2.2.2.min.js")),
              QDir(folder).filePath(QStringLiteral("jquery/jquery.min.js")));
    EXPECT_TRUE(PageLibraries::sourceOf(QStringLiteral("bootstrap.min.css")).isNull());
    document.transferJquery();
    EXPECT_EQ(readBytes(QDir(workFolder).filePath(QStringLiteral("jquery-2.2.2.min.js"))),
              QByteArray("own jquery"));
    EXPECT_FALSE(QFileInfo::exists(QDir(workFolder).filePath(QStringLiteral("bootstrap.min.css"))));
    PageLibraries::setFolder({});
    EXPECT_EQ(PageLibraries::folder(), QStringLiteral("/usr/share/javascript"));
}

} // namespace
