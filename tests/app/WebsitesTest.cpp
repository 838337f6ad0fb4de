#include "TemplateTestSupport.h"

#include "app/websites/WebsiteLauncher.h"
#include "document/core/SKTDocument.h"
#include "window/SKTWindowController.h"

#include <QPushButton>
#include <QScrollArea>
#include <QTest>

// New websites, the ready-made websites of the bundle and opening website folders.

namespace {

TEST(SiteSettingsTest, TitleAndDescriptionAreCutOutBetweenTheirMarkers)
{
    const struct {
        const char* text;
        const char* title;
        const char* description;
    } cases[] = {
        {"##WEBSITE_TITLE_START## My Site ##WEBSITE_TITLE_END##\n##WEBSITE_DESCRIPTION_START##A, "
         "b##WEBSITE_DESCRIPTION_END##",
         " My Site ", "A, b"},
        // Without the title's start marker the title is empty; the description is read on its own.
        {"WEBSITE_TITLE_END##x##WEBSITE_DESCRIPTION_START##Only this##WEBSITE_DESCRIPTION_END##", "",
         "Only this"},
        // A start marker without its end takes the rest of the text.
        {"##WEBSITE_TITLE_START##Open end", "Open end", ""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(WebsiteLauncher::websiteTitleOf(text), QString::fromLatin1(c.title)) << c.text;
        EXPECT_EQ(WebsiteLauncher::websiteDescriptionOf(text), QString::fromLatin1(c.description)) << c.text;
    }
}

class WebsitesTest : public TemplateAppTest {
protected:
    void SetUp() override
    {
        TemplateAppTest::SetUp();
        launchAs(QStringLiteral("HTML Velk Pro"));
    }

    QString shippedTemplate(const QString& relative) const
    {
        return QDir(QDir(Bundle::defaultResourcesPath()).filePath(QStringLiteral("templates")))
            .filePath(relative);
    }

    SKTWindowController* openedWindow() const
    {
        const QList<SKTDocument*> documents = delegate->documentController().documents();
        return documents.isEmpty() ? nullptr
                                   : delegate->documentController().windowForDocument(documents.first());
    }
};

TEST_F(WebsitesTest, ANewWebsiteStartsWithTheStarterPagesAndOpens)
{
    const QString site = pathInHome(QStringLiteral("sites/My Site"));
    QDir(site).removeRecursively();
    panels.choose({site});
    delegate->sendActionNamed(QStringLiteral("saveNewWebsite"));
    EXPECT_EQ(panels.lastNameFieldValue(), QStringLiteral("New Website"));

    for (const QString& starter : DataCentre::profile().starterPages)
        EXPECT_TRUE(QFileInfo::exists(QDir(site).filePath(QFileInfo(starter).fileName())))
            << starter.toStdString();
    EXPECT_TRUE(QFileInfo(QDir(receivedPagesFolder()).filePath(QStringLiteral("MySite"))).isDir());
    SKTWindowController* window = openedWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->openWebsiteFolderPath(), site);
    EXPECT_EQ(window->siteIconArray().size(), DataCentre::profile().starterPages.size());
    EXPECT_FALSE(delegate->welcomeWindow()->isVisible());
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(WebsitesTest, AChosenTemplateBecomesTheWebsitesPage)
{
    openChooser();
    QTest::mouseClick(thumbnailNamed(QStringLiteral("Studio.velkpage")), Qt::LeftButton);
    const QString site = pathInHome(QStringLiteral("sites/studio"));
    QDir(site).removeRecursively();
    panels.choose({site});
    QTest::mouseClick(chooserWindow().selectButton(), Qt::LeftButton);
    EXPECT_EQ(QDir(site).entryList(QDir::Files), QStringList{QStringLiteral("page.velkpage")});
    EXPECT_EQ(chooser().selectedTemplateButton(), nullptr);
    EXPECT_FALSE(chooserWindow().isVisible());
    ASSERT_NE(openedWindow(), nullptr);
}

// The responsive designer's page documents hold their page under the page's own name.
class ResponsiveWebsitesTest : public TemplateAppTest {
protected:
    void SetUp() override
    {
        TemplateAppTest::SetUp();
        launchAs(QStringLiteral("Brevold Responsive Website Designer"));
    }
};

TEST_F(ResponsiveWebsitesTest, AChosenTemplateOpensAsTheWebsitesPage)
{
    openChooser();
    QTest::mouseClick(thumbnailNamed(QStringLiteral("Blank.kyv")), Qt::LeftButton);
    const QString site = pathInHome(QStringLiteral("sites/responsive"));
    panels.choose({site});
    QTest::mouseClick(chooserWindow().selectButton(), Qt::LeftButton);
    EXPECT_EQ(QDir(site).entryList(QDir::Files), QStringList{QStringLiteral("page.kyv")});
    const QList<SKTDocument*> documents = delegate->documentController().documents();
    ASSERT_EQ(documents.size(), 1);
    EXPECT_EQ(QFileInfo(documents.first()->pagePath()).fileName(), QStringLiteral("page.html"));
    EXPECT_TRUE(QFileInfo(documents.first()->pagePath()).isFile());
    EXPECT_FALSE(documents.first()->graphics().isEmpty()) << "the template's title is on the page";
    EXPECT_TRUE(alerts.records().isEmpty()) << alerts.messages().join(u'\n').toStdString();
}

TEST_F(WebsitesTest, AnExistingFolderIsReplacedOnlyWhenTheUserSaysYes)
{
    const QString site = pathInHome(QStringLiteral("sites/Kept"));
    QDir().mkpath(site);
    QFile note(QDir(site).filePath(QStringLiteral("note.txt")));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.close();
    panels.choose({site});
    alerts.answer(QStringLiteral("Cancel"));
    delegate->addNewWebsite();
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records().first().message, QStringLiteral("Confirm replacing folder \"Kept\""));
    EXPECT_EQ(
        alerts.records().first().informative,
        QStringLiteral("A folder with the same name exists already. Choosing to proceed will override its "
                       "current contents.  Are you sure you wish to proceed?"));
    EXPECT_EQ(alerts.records().first().buttons, (QStringList{"Yes", "Cancel"}));
    EXPECT_EQ(QDir(site).entryList(QDir::Files), QStringList{QStringLiteral("note.txt")});
    EXPECT_TRUE(delegate->documentController().documents().isEmpty());

    panels.choose({site});
    alerts.answer(QStringLiteral("Yes"));
    delegate->addNewWebsite();
    EXPECT_FALSE(QFileInfo::exists(QDir(site).filePath(QStringLiteral("note.txt"))));
    EXPECT_NE(openedWindow(), nullptr);
}

TEST_F(WebsitesTest, OpeningListsPagesNewestFirstAndOpensTheFirstOfTheFolder)
{
    const QString site = pathInHome(QStringLiteral("sites/Two Pages"));
    QDir().mkpath(site);
    const QString older = QDir(site).filePath(QStringLiteral("Bakery.velkpage"));
    const QString newer = QDir(site).filePath(QStringLiteral("Consulting.velkpage"));
    ASSERT_TRUE(QFile::copy(shippedTemplate(QStringLiteral("classic/Bakery.velkpage")), older));
    ASSERT_TRUE(QFile::copy(shippedTemplate(QStringLiteral("business/Consulting.velkpage")), newer));
    const QDateTime march(QDate(2017, 3, 5), QTime(16, 7));
    for (const auto& [path, time] : {std::pair{older, march}, std::pair{newer, march.addDays(1)}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    panels.choose({site});
    delegate->sendActionNamed(QStringLiteral("openWebsite"));
    EXPECT_EQ(panels.lastMessage(), QStringLiteral("Please select directory folder containing saved files"));

    const PageListing& listing = delegate->pageListing();
    EXPECT_EQ(listing.pageNameArray, (QStringList{"Consulting.velkpage", "Bakery.velkpage"}));
    EXPECT_EQ(listing.pageTitleArray, (QStringList{"Consulting", "Bakery"}));
    EXPECT_EQ(listing.fileTimeArray.value(1), QStringLiteral("Mar 05 2017 4:07 PM"));
    EXPECT_EQ(listing.siteIconArray.size(), 2);
    EXPECT_TRUE(
        QFileInfo(QDir(receivedPagesFolder()).filePath(QStringLiteral("TwoPages/Bakery.html"))).exists());
    const QList<SKTDocument*> documents = delegate->documentController().documents();
    ASSERT_EQ(documents.size(), 1);
    EXPECT_EQ(QFileInfo(documents.first()->fileLocation()).fileName(), QStringLiteral("Bakery.velkpage"));
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(WebsitesTest, AFolderWithoutPagesOffersAnotherFolder)
{
    const QString empty = pathInHome(QStringLiteral("sites/Empty"));
    QDir().mkpath(empty);
    panels.choose({empty});
    alerts.answer(QStringLiteral("Open Another Folder"));
    delegate->openWebsite();
    ASSERT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(alerts.records().first().message, QStringLiteral("No compatible files found"));
    EXPECT_EQ(alerts.records().first().informative,
              QStringLiteral("Sorry this folder does not contain any compatible files:\n\n") + empty);
    // The second folder panel was cancelled.
    EXPECT_EQ(panels.requestCount(), 2);
    EXPECT_TRUE(delegate->documentController().documents().isEmpty());
}

TEST_F(WebsitesTest, AReadyMadeWebsiteIsCopiedAndOpened)
{
    delegate->sendActionNamed(QStringLiteral("showSiteLevelTemplate"));
    const QList<WebsiteObject>& sites = delegate->websiteLauncher().templateSiteArray();
    ASSERT_EQ(sites.size(), 2);
    EXPECT_EQ(chooserWindow().windowTitle(),
              QStringLiteral("Please Choose Template (2 Themes in Collection)"));
    EXPECT_EQ(sites.first().websiteTitle, QStringLiteral("Harbour"));
    EXPECT_EQ(sites.first().pageIconArray.size(), 3);
    const QList<QPushButton*> buttons = chooserWindow().scrollView()->widget()->findChildren<QPushButton*>(
        QStringLiteral("websiteLevelButton"));
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons.at(1)->geometry(), QRect(0, 350, 1000, 300));

    const QString site = pathInHome(QStringLiteral("sites/harbour"));
    QDir(site).removeRecursively();
    panels.choose({site});
    QTest::mouseClick(buttons.first(), Qt::LeftButton);
    EXPECT_TRUE(QFileInfo::exists(QDir(site).filePath(QStringLiteral("site.velks"))));
    SKTWindowController* window = openedWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->siteIconArray().size(), 3);
    EXPECT_TRUE(alerts.records().isEmpty());
}

} // namespace
