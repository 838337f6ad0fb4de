#include "PageAssemblyTestSupport.h"

#include "document/core/DocumentAlerts.h"
#include "model/text/TextStorage.h"
#include "platform/NotificationCenter.h"

#include <QFileInfo>
#include <QThread>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace PageObjects;

class PageSavingTest : public PageDocumentTest {
protected:
    void SetUp() override
    {
        PageDocumentTest::SetUp();
        SKTDocument::setWindowControllerFactory(
            [](SKTDocument&) { return std::make_unique<PlainDocumentWindow>(); });
        document.makeWindowControllers();
        location = pathInHome(QStringLiteral("documents/home.velk"));
    }

    // A styled text box, an image, a line and a snippet.
    void buildPage()
    {
        auto box = textBox(QStringLiteral("Hello"), QRectF(10, 10, 200, 40));
        box->setBackgroundHexColorString(QStringLiteral("FFCC00"));
        add(box);
        add(image(QStringLiteral("image1"), QRectF(250, 10, 60, 40)));
        add(line(QPointF(10, 80), QPointF(300, 80)));
        add(textBox(QStringLiteral("<b>snippet</b>"), QRectF(10, 100, 200, 40),
                    QStringLiteral("HTMLSnippet")));
    }

    void edit() { add(textBox(QStringLiteral("more"), QRectF(10, 200, 100, 20))); }

    QString pageFile() const { return QDir(workFolder).filePath(QStringLiteral("home.html")); }

    // The picture files of the page folder and when each was last written.
    static QMap<QString, QDateTime> imageFileTimes(const QDir& folder)
    {
        QMap<QString, QDateTime> times;
        for (const QFileInfo& file : folder.entryInfoList({"*.PNG", "*.JPG", "*.png", "*.jpg"}, QDir::Files))
            times.insert(file.fileName(), file.lastModified());
        return times;
    }

    QString location;
};

TEST_F(PageSavingTest, APageDocumentHoldsThePageFileItsScreenshotsAndThePageFolder)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    EXPECT_EQ(zipEntries(location),
              QStringList({"home.html", "home.png", "home@2x.png", "image1@2x.PNG", "image1o.PNG"}));
    EXPECT_EQ(document.pageName(), QStringLiteral("home"));
    EXPECT_EQ(document.fileLocation(), location);
    EXPECT_FALSE(document.isDocumentEdited());
    EXPECT_EQ(document.documentChangedCounter(), 0);
    EXPECT_EQ(document.windowTitle(), QStringLiteral("Welcome (home.velk)"));
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(PageSavingTest, ASavedPageOpensWithTheSameObjects)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    QDir().mkpath(
        QDir(DataCentre::profile().workingFolderPath).filePath(QStringLiteral("0000Received_Pages")));
    DataCentre::mutableProfile().receivedPagesFolderName = QStringLiteral("0000Received_Pages");
    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    ASSERT_EQ(opened.graphics().size(), document.graphics().size());
    for (const std::shared_ptr<SKTGraphic>& original : document.graphics()) {
        SCOPED_TRACE(original->className().toStdString());
        const auto same =
            std::find_if(opened.graphics().cbegin(), opened.graphics().cend(), [&](const auto& g) {
                return g->className() == original->className() && g->bounds() == original->bounds();
            });
        ASSERT_NE(same, opened.graphics().cend());
        EXPECT_EQ((*same)->textString(), original->textString());
        EXPECT_EQ((*same)->textType(), original->textType());
        EXPECT_EQ((*same)->imageName(), original->imageName());
        EXPECT_EQ((*same)->beginPoint(), original->beginPoint());
        EXPECT_EQ((*same)->endPoint(), original->endPoint());
    }
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(PageSavingTest, UnderTheResponsiveDesignerThePageFolderKeepsItsName)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QStringList entries = zipEntries(location);
    EXPECT_TRUE(entries.contains(QStringLiteral("home/image1o.PNG")));
    EXPECT_TRUE(entries.contains(QStringLiteral("home.html")));
    EXPECT_TRUE(entries.contains(QStringLiteral("home@2x.png")));
}

TEST_F(PageSavingTest, TheSaveWritesWhatThePageRefersToAndRemovesWhatItNoLongerUses)
{
    buildPage();
    QImage pattern(8, 8, QImage::Format_ARGB32);
    pattern.fill(Qt::magenta);
    static_cast<PlainDocumentWindow*>(document.windowController())->pageBrush = QBrush(pattern);
    document.setBackgroundImageFlag(1);
    document.setBackgroundImageType(QStringLiteral("PNG"));
    document.setOpenWebsiteFolderTempPath(workFolder);
    const QString unused = QDir(workFolder).filePath(QStringLiteral("home/unused.png"));
    writeBytes(unused, "no image uses it");

    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QDir pageFolder(document.pageFolderPath());
    for (const char* written : {"image1@2x.PNG", "image1o.PNG", "background.PNG", "backgroundo.PNG"})
        EXPECT_TRUE(QFileInfo::exists(pageFolder.filePath(QString::fromLatin1(written)))) << written;
    EXPECT_FALSE(QFileInfo::exists(unused));
}

TEST_F(PageSavingTest, ASaveThatLeavesOnlyEmptyImageFilesSaysSoAndTryingAgainWritesAgain)
{
    add(textBox(QStringLiteral("Hello"), QRectF(10, 10, 200, 40)));
    writeBytes(QDir(workFolder).filePath(QStringLiteral("home/image9o.PNG")), {});
    const DocumentResult result = document.saveThisPage(location, 0);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result.imagesMayBeUnsaved);
    EXPECT_TRUE(alerts.records().isEmpty());

    writeBytes(location, "untouched");
    alerts.answer(QStringLiteral("Try again"));
    DocumentAlerts::showSaveResult(document, result);
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_TRUE(document.saveThisPage(location, 0));
    EXPECT_NE(readBytes(location), QByteArray("untouched"));
}

TEST_F(PageSavingTest, SavingAgainWithoutChangesWritesNothing)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    writeBytes(location, "untouched");
    EXPECT_TRUE(document.saveThisPage(location, 0));
    EXPECT_EQ(readBytes(location), QByteArray("untouched"));
    EXPECT_FALSE(document.isDocumentEdited());

    edit();
    EXPECT_TRUE(document.saveThisPage(location, 0));
    EXPECT_NE(readBytes(location), QByteArray("untouched"));
    EXPECT_TRUE(PageText::read(pageFile()).contains(QStringLiteral("more")));
}

TEST_F(PageSavingTest, ASaveAfterATextEditRewritesThePageButNoImageFile)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QDir pageFolder(document.pageFolderPath());
    const QString retina = pageFolder.filePath(QStringLiteral("image1@2x.PNG"));
    const QByteArray retinaBytes = readBytes(retina);
    const QMap<QString, QDateTime> imageFilesBefore = imageFileTimes(pageFolder);
    ASSERT_EQ(imageFilesBefore.keys(), QStringList({"image1@2x.PNG", "image1o.PNG"}));
    // Far enough apart that a rewrite would show in the file's time.
    QThread::msleep(30);

    for (const auto& graphic : document.graphics()) {
        if (auto* box = qobject_cast<SKTText*>(graphic.get()); box && box->textString() == u"Hello")
            box->contents().setString(QStringLiteral("Hello again"));
    }
    const QByteArray packageBefore = readBytes(location);
    ASSERT_TRUE(document.saveThisPage(location, 0));
    EXPECT_TRUE(PageText::read(pageFile()).contains(QStringLiteral("Hello again")));
    EXPECT_NE(readBytes(location), packageBefore);
    EXPECT_EQ(imageFileTimes(pageFolder), imageFilesBefore);
    EXPECT_EQ(readBytes(retina), retinaBytes);

    // A changed picture is written again. (Its original is written only once, so it goes too, as when a
    // picture is replaced.)
    QFile::remove(pageFolder.filePath(QStringLiteral("image1o.PNG")));
    for (const auto& graphic : document.graphics())
        if (auto* picture = qobject_cast<SKTImage*>(graphic.get())) {
            QImage other(40, 30, QImage::Format_ARGB32);
            other.fill(Qt::blue);
            picture->set_contents(other);
        }
    document.setDocumentChangedCounter(1);
    ASSERT_TRUE(document.saveThisPage(location, 0));
    EXPECT_NE(readBytes(retina), retinaBytes);

    // A file that went missing behind the document's back is written again.
    QFile::remove(retina);
    edit();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    EXPECT_FALSE(readBytes(retina).isEmpty());
}

TEST_F(PageSavingTest, SavingToANewPlaceWritesThePackageAndTellsTheWebsite)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    QObject observer;
    int heard = 0;
    NotificationCenter::defaultCenter().addObserver(
        &observer, QStringLiteral("websiteUpdated"),
        [&](const Notification& n) { heard += n.object == &document; });
    const QString copy = pathInHome(QStringLiteral("documents/copy.velk"));
    ASSERT_TRUE(document.saveThisPage(copy, 0));
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(zipEntries(copy), zipEntries(location));
    EXPECT_EQ(document.fileLocation(), copy);
}

TEST_F(PageSavingTest, AFailedPageFileWriteIsReportedAndKeepsTheStoredPage)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QByteArray stored = readBytes(location);
    // A folder where the page file belongs cannot be replaced by a file.
    QFile::remove(pageFile());
    QDir().mkpath(QDir(pageFile()).filePath(QStringLiteral("in-the-way")));
    edit();
    alerts.clear();

    const DocumentResult result = document.saveThisPage(location, 0);
    EXPECT_EQ(result.outcome, DocumentResult::NotSaved);
    EXPECT_TRUE(alerts.records().isEmpty());
    DocumentAlerts::showSaveResult(document, result);
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records().first().message, QStringLiteral("The page could not be saved"));
    EXPECT_TRUE(alerts.records().first().informative.startsWith(
        QStringLiteral("The page file could not be written")));
    EXPECT_TRUE(document.isDocumentEdited());
    EXPECT_GE(document.documentChangedCounter(), 1);
    EXPECT_EQ(readBytes(location), stored);
}

TEST_F(PageSavingTest, AFailedPackIsReportedAndKeepsTheStoredPage)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QByteArray stored = readBytes(location);
    // A socket in the page folder cannot be read into the package, not even by root.
    const QByteArray socketPath = QDir(document.pageFolderPath()).filePath(QStringLiteral("s")).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(socketPath.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    edit();
    alerts.clear();

    const DocumentResult result = document.saveThisPage(location, 0);
    EXPECT_FALSE(result);
    DocumentAlerts::showSaveResult(document, result);
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_TRUE(alerts.records().first().informative.startsWith(
        QStringLiteral("The page document could not be written")));
    EXPECT_TRUE(document.isDocumentEdited());
    EXPECT_EQ(readBytes(location), stored);

    // Once the page folder is sound again the next save stores the page.
    QFile::remove(QString::fromLocal8Bit(socketPath));
    EXPECT_TRUE(document.saveThisPage(location, 0));
    EXPECT_NE(readBytes(location), stored);
    EXPECT_FALSE(document.isDocumentEdited());
}

TEST_F(PageSavingTest, SavingAsToAFolderThatIsNotThereKeepsTheDocumentWhereItWas)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const DocumentResult result =
        document.saveThisPage(pathInHome(QStringLiteral("x")) + QStringLiteral("/missing/copy.velk"), 0);
    EXPECT_FALSE(result);
    EXPECT_EQ(document.fileLocation(), location);
    EXPECT_TRUE(document.isDocumentEdited());
    DocumentAlerts::showSaveResult(document, result);
    EXPECT_EQ(alerts.records().size(), 1);
}

TEST_F(PageSavingTest, APublishWriteGoesToItsOwnFile)
{
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QByteArray workingCopy = readBytes(pageFile());
    document.setEncodingType(QStringLiteral("UTF-8"));
    document.setFTPUploadFlag(999);
    EXPECT_TRUE(document.savePageFile(1));
    EXPECT_EQ(document.FTPUploadFlag(), 0);
    EXPECT_EQ(readBytes(pageFile()), workingCopy);
    const QString published = document.publishPageFilePath();
    EXPECT_EQ(QFileInfo(published).absolutePath(), QFileInfo(pageFile()).absolutePath());
    EXPECT_TRUE(
        QString::fromUtf8(readBytes(published)).contains(QStringLiteral("<div class=text0>Hello</div>")));
    // The next save finds the stored page as it was.
    EXPECT_TRUE(document.saveThisPage(location, 0));
    EXPECT_EQ(readBytes(pageFile()), workingCopy);
}

TEST_F(PageSavingTest, StoredPagesAreAsciiUntilACharacterNeedsMore)
{
    add(textBox(QStringLiteral("plain \u00A9"), QRectF(0, 0, 100, 20)));
    ASSERT_TRUE(document.saveThisPage(location, 0));
    EXPECT_FALSE(readBytes(pageFile()).startsWith("\xFF\xFE"));
    add(textBox(QStringLiteral("Gr\u00FC\u00DFe"), QRectF(0, 40, 100, 20)));
    ASSERT_TRUE(document.saveThisPage(location, 0));
    EXPECT_TRUE(readBytes(pageFile()).startsWith("\xFF\xFE"));
    EXPECT_TRUE(PageText::read(pageFile()).contains(QStringLiteral("Gr\u00FC\u00DFe")));
}

TEST_F(PageSavingTest, ProductsWhosePagesAreNeverEditedNeverWrite)
{
    DataCentre::mutableProfile().neverEdited = true;
    buildPage();
    EXPECT_TRUE(document.saveThisPage(location, 0));
    EXPECT_FALSE(QFileInfo::exists(location));
    EXPECT_FALSE(QFileInfo::exists(pageFile()));
    EXPECT_FALSE(document.isDocumentEdited());
}

TEST_F(PageSavingTest, TheSaveCommandAsksWhereAnUntitledPageGoes)
{
    DataCentre::mutableProfile().useOfficialPageName = true;
    buildPage();
    panels.choose({location});
    EXPECT_TRUE(document.saveDocumentWithDelegate());
    EXPECT_EQ(panels.lastAllowedTypes(), QStringList({"velk"}));
    EXPECT_EQ(document.fileLocation(), location);
    EXPECT_TRUE(QFileInfo::exists(location));
    EXPECT_EQ(document.windowTitle(), QStringLiteral("Welcome"));
}

TEST_F(PageSavingTest, TheStyleSheetIsWrittenForTheLayoutBeingEdited)
{
    DataCentre::mutableProfile().separateStyleSheet = true;
    buildPage();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString full = QDir(document.pageFolderPath()).filePath(QStringLiteral("full.css"));
    EXPECT_TRUE(PageText::read(full).contains(QStringLiteral(".text0{position:absolute;")));
    document.setMobileVersionFlag(true);
    edit();
    ASSERT_TRUE(document.saveThisPage(location, 0));
    EXPECT_TRUE(QFileInfo::exists(QDir(document.pageFolderPath()).filePath(QStringLiteral("mobile.css"))));
    EXPECT_TRUE(QFileInfo::exists(full));
    EXPECT_TRUE(zipEntries(location).contains(QStringLiteral("mobile.css")));
}

} // namespace
