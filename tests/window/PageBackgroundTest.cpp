#include "WindowTestSupport.h"

#include "document/format/PageText.h"
#include "platform/transfer/UploadFTPS.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// A page document opened in a window shows its background picture on the canvas, and the window's
// canvas is what the next save writes the background from.
class PageBackgroundTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.documentExtension = QStringLiteral("velk");
        profile.workingFolderPath = pathInHome(QStringLiteral("working"));
        profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
        QDir().mkpath(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName));
    }

    // The text of the page file inside a page document.
    static QString pageTextIn(const QString& archive, const QString& pageFile)
    {
        QTemporaryDir unpacked;
        if (!UploadFTPS().unzipDocument(archive, unpacked.path()))
            return {};
        return PageText::read(QDir(unpacked.path()).filePath(pageFile));
    }
};

TEST_F(PageBackgroundTest, AReopenedPageKeepsItsBackgroundPictureThroughTheNextSave)
{
    const QString location = pathInHome(QStringLiteral("documents/home.velk"));
    {
        SKTDocument page;
        page.setTempSavePathLocal(pathInHome(QStringLiteral("page")));
        QDir().mkpath(page.tempSavePathLocal());
        page.setPageFileExtension(QStringLiteral("html"));
        QImage background(8, 8, QImage::Format_ARGB32);
        background.fill(Qt::cyan);
        page.setBackgroundImage(background);
        page.setBackgroundImageType(QStringLiteral("PNG"));
        page.setBackgroundImageFlag(2);
        const DocumentResult saved = page.saveThisPage(location, 0);
        ASSERT_TRUE(saved) << saved.error.toStdString();
    }
    ASSERT_TRUE(pageTextIn(location, QStringLiteral("home.html")).contains(QStringLiteral("background.PNG")));

    // The document's own window, as opening a page document makes it.
    SKTWindowController::installAsWindowMaker();
    SKTDocument& document = newDocument();
    document.makeWindowControllers();
    auto* window = dynamic_cast<SKTWindowController*>(document.windowController());
    ASSERT_NE(window, nullptr);
    document.setFileLocation(location);
    ASSERT_TRUE(document.refreshDocument());
    // The canvas shows the picture.
    const QImage shown = window->getDocumentColor().textureImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::cyan));

    const QString copy = pathInHome(QStringLiteral("documents/copy.velk"));
    ASSERT_TRUE(document.saveThisPage(copy, 0));
    EXPECT_EQ(document.backgroundImageFlag(), 2);
    // The copy keeps the page's own name inside.
    EXPECT_TRUE(pageTextIn(copy, QStringLiteral("home.html")).contains(QStringLiteral("background.PNG")));
}

} // namespace
