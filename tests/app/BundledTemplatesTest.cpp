#include "AppTestSupport.h"

#include "document/core/SKTDocument.h"
#include "platform/transfer/ZipArchive.h"
#include "profile/ProductSelection.h"
#include "profile/configurations/Configurations.h"
#include "window/SKTWindowController.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

// Every template the bundle ships opens cleanly, survives a save and shows a real preview, in the product
// whose template folder holds it.

namespace {

struct Unpacked {
    QImage preview;
};

Unpacked unpack(const QString& document)
{
    QTemporaryDir folder;
    ZipArchive zip;
    if (!zip.openZip(document) || zip.unzip(folder.path()) < 0)
        return {};
    Unpacked result;
    for (const QFileInfo& entry : QDir(folder.path()).entryInfoList(QDir::Files)) {
        if (entry.fileName().endsWith(QLatin1String("@2x.png")))
            result.preview = QImage(entry.filePath());
    }
    return result;
}

bool hasSeveralColours(const QImage& image)
{
    if (image.isNull())
        return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return true;
        }
    }
    return false;
}

class BundledTemplatesTest : public AppTest {
protected:
    void launchAs(const QString& product)
    {
        runAs(product);
        DataCentre::runAppSpecificSetups();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.workingFolderPath = pathInHome(QStringLiteral("work/x")).chopped(2);
        profile.receivedPagesFolderName = QStringLiteral("0000Received_Pages");
        profile.tempSaveFolder = pathInHome(QStringLiteral("work/tempSave000000"));
        QDir().mkpath(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName));
        profile.zoomFactors = {QStringLiteral("50%"), QStringLiteral("100%"), QStringLiteral("200%")};
    }
    void TearDown() override
    {
        SKTDocument::setWindowControllerFactory({});
        AppTest::TearDown();
    }

    // The product's template documents, each listed once across products that share a folder.
    QStringList templatesOf(const ProductProfile& profile)
    {
        QStringList found;
        const QString root = QDir(Bundle::defaultResourcesPath()).filePath(profile.templateFolder);
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry(it.next());
            if (entry.suffix() != profile.documentExtension && entry.suffix() != u"quarnel")
                continue;
            // The ready-made websites belong to the website folder, which the default product shares.
            if (profile.templateFolder.isEmpty() &&
                !entry.filePath().startsWith(root + QStringLiteral("/blank")))
                continue;
            if (!m_seen.contains(entry.filePath()))
                found << entry.filePath();
            m_seen.insert(entry.filePath());
        }
        return found;
    }

    QSet<QString> m_seen;
};

TEST_F(BundledTemplatesTest, EveryTemplateOpensSavesAndPreviews)
{
    SKTWindowController::installAsWindowMaker();
    QStringList products = Configurations::productChain();
    products << QStringLiteral("Some Other Product");
    int checked = 0;
    for (const QString& product : products) {
        launchAs(product);
        const ProductProfile& profile = DataCentre::profile();
        for (const QString& path : templatesOf(profile)) {
            SCOPED_TRACE((product + u' ' + path).toStdString());
            const Unpacked shipped = unpack(path);
            EXPECT_TRUE(hasSeveralColours(shipped.preview));
            const QString copy =
                pathInHome(QStringLiteral("copies/%1/%2").arg(++checked).arg(QFileInfo(path).fileName()));
            ASSERT_TRUE(QFile::copy(path, copy));

            SKTDocument opened;
            opened.setFileLocation(copy);
            ASSERT_TRUE(opened.refreshDocument().ok());
            EXPECT_FALSE(opened.graphics().isEmpty());
            // Saved as the application saves: from the page's window.
            opened.makeWindowControllers();
            // The viewer never saves; a base template's objects belong to the pages of its website; form
            // pages read back are not saved over while their form code cannot be edited.
            if (profile.neverEdited || QFileInfo(path).fileName() == profile.baseTemplateFile ||
                QFileInfo(path).suffix() == u"quarnel")
                continue;
            // Saved again, the page keeps its objects and their texts.
            const QString saved =
                pathInHome(QStringLiteral("saved/%1/%2").arg(checked).arg(QFileInfo(path).fileName()));
            const DocumentResult save = opened.saveThisPage(saved, 0);
            ASSERT_TRUE(save.ok()) << int(save.outcome) << " " << save.error.toStdString() << " " << opened.lastSaveError().toStdString();
            SKTDocument reopened;
            reopened.setFileLocation(saved);
            ASSERT_TRUE(reopened.refreshDocument().ok());
            ASSERT_EQ(reopened.graphics().size(), opened.graphics().size());
            for (qsizetype i = 0; i < opened.graphics().size(); ++i)
                EXPECT_EQ(reopened.graphics().at(i)->textString(), opened.graphics().at(i)->textString());
        }
    }
    EXPECT_TRUE(alerts.records().isEmpty()) << alerts.messages().join(u'\n').toStdString();
    // The blank pages of every product, the designed templates and the two websites of three pages.
    EXPECT_GT(checked, 60);
}

} // namespace
