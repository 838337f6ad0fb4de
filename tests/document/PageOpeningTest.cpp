#include "PageOpeningTestSupport.h"

#include "document/files/ReceivedPages.h"
#include "document/format/PageMarkers.h"
#include "document/reading/ProfileDataMigration.h"
#include "model/SKTText.h"
#include "platform/NotificationCenter.h"
#include "support/LogCapture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <functional>

namespace {

TEST_F(PageOpeningTest, OpensAFlatPackageIntoAFolderOfItsOwn)
{
    SKTDocument document;
    document.setFileLocation(package(twoBoxes(), QStringLiteral("home")));
    ASSERT_TRUE(document.refreshDocument());

    EXPECT_EQ(texts(document), (QStringList{"first box", "second"}));
    EXPECT_EQ(document.pageName(), QStringLiteral("home"));
    EXPECT_EQ(document.pageFileType(), kExtension);
    EXPECT_EQ(document.pageFileExtension(), QStringLiteral("html"));
    EXPECT_EQ(document.publishExt(), QStringLiteral("htm"));
    EXPECT_EQ(document.pageOfficialName(), QStringLiteral("Welcome"));
    const QFileInfo pageFile(document.pagePath());
    EXPECT_TRUE(pageFile.isFile());
    EXPECT_EQ(pageFile.fileName(), QStringLiteral("home.html"));
    const QDir pageFolder(document.tempSavePathLocal());
    EXPECT_EQ(pageFile.absolutePath(), pageFolder.absolutePath());
    EXPECT_TRUE(QFile::exists(pageFolder.filePath(QStringLiteral("home/image1.png"))));
    EXPECT_TRUE(QFile::exists(pageFolder.filePath(QStringLiteral("home.png"))));
    QDir stamp = pageFolder;
    stamp.cdUp();
    EXPECT_EQ(PageText::read(stamp.filePath(QStringLiteral("site.velks"))), QStringLiteral("Received Pages"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{14}[AP]M$")).match(stamp.dirName()).hasMatch())
        << stamp.dirName().toStdString();
    // Opening cannot be undone, and nothing is left in the unpacking area.
    EXPECT_FALSE(document.undoManager().canUndo());
    EXPECT_FALSE(document.isDocumentEdited());
    EXPECT_FALSE(document.pageLoadFailed());
    EXPECT_TRUE(QDir(DataCentre::profile().workingFolderPath + QStringLiteral("/tempFiles"))
                    .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                    .isEmpty());
}

TEST_F(PageOpeningTest, EveryOpenReadsItsOwnPage)
{
    StoredPage other;
    other.rules << boxRule(0, 1);
    other.body << QStringLiteral("<div class=text0>other page</div>");
    // A stale folder of an earlier unpacking, with a page file that sorts first.
    const QString stale = DataCentre::profile().workingFolderPath + QStringLiteral("/tempFiles/home");
    QDir().mkpath(stale);
    PageText::write(stale + QStringLiteral("/aaa.html"), other.text());

    const QString home = package(twoBoxes(), QStringLiteral("home"));
    const QString elsewhere = package(other, QStringLiteral("elsewhere"));
    SKTDocument first;
    SKTDocument second;
    SKTDocument third;
    first.setFileLocation(home);
    second.setFileLocation(elsewhere);
    third.setFileLocation(home);
    ASSERT_TRUE(first.refreshDocument());
    ASSERT_TRUE(second.refreshDocument());
    ASSERT_TRUE(third.refreshDocument());
    EXPECT_EQ(texts(first), (QStringList{"first box", "second"}));
    EXPECT_EQ(texts(second), QStringList{"other page"});
    EXPECT_EQ(texts(third), (QStringList{"first box", "second"}));
    EXPECT_NE(first.pagePath(), third.pagePath());
    EXPECT_TRUE(QFileInfo(first.pagePath()).isFile());
}

TEST_F(PageOpeningTest, APackageHoldingSeveralPagesOpensTheOneNamedAfterTheDocument)
{
    const QString source = pathInHome(QStringLiteral("source/home"));
    QDir().mkpath(source);
    StoredPage other;
    other.rules << boxRule(0, 1);
    other.body << QStringLiteral("<div class=text0>wrong</div>");
    PageText::write(source + QStringLiteral("/aaa.html"), other.text());
    PageText::write(source + QStringLiteral(".html"), twoBoxes().text());
    QDir().mkpath(pathInHome(QStringLiteral("docs")));
    const QString archive = pathInHome(QStringLiteral("docs/home.") + kExtension);
    ASSERT_TRUE(UploadFTPS().zipDocument(source, archive));
    SKTDocument document;
    document.setFileLocation(archive);
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_EQ(texts(document), (QStringList{"first box", "second"}));
}

TEST_F(PageOpeningTest, TheResponsiveDesignerOpensNestedPackagesAndFindsTheirPhpPage)
{
    DataCentre::mutableProfile().responsiveDesign = true;
    StoredPage page = twoBoxes();
    page.trailer << QStringLiteral("<!--ROTATE CANVAS:90-->");
    const QString source = pathInHome(QStringLiteral("source/shop"));
    QDir().mkpath(source);
    writePicture(source + QStringLiteral("/image1.png"), QSize(4, 4), Qt::red, "PNG");
    PageText::write(source + QStringLiteral(".php"), page.text());
    QDir().mkpath(pathInHome(QStringLiteral("docs")));
    const QString archive = pathInHome(QStringLiteral("docs/shop.") + kExtension);
    ASSERT_TRUE(UploadFTPS().zipDocument_mailchimp(source, archive));

    SKTDocument document;
    document.setFileLocation(archive);
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_EQ(document.pageFileExtension(), QStringLiteral("php"));
    EXPECT_EQ(document.pageName(), QStringLiteral("shop"));
    EXPECT_EQ(QFileInfo(document.pagePath()).fileName(), QStringLiteral("shop.php"));
    EXPECT_EQ(QFileInfo(document.pagePath()).absolutePath(),
              QDir(document.tempSavePathLocal()).absolutePath());
    EXPECT_TRUE(
        QFile::exists(QDir(document.tempSavePathLocal()).filePath(QStringLiteral("shop/image1.png"))));
    EXPECT_FALSE(QFile::exists(QDir(document.tempSavePathLocal()).filePath(QStringLiteral("site.velks"))));
    EXPECT_EQ(texts(document), (QStringList{"first box", "second"}));
    EXPECT_EQ(document.canvasState().canvasRotation, 90);
}

TEST_F(PageOpeningTest, FormDocumentsReadTheirPhpPage)
{
    StoredPage page;
    page.rules << boxRule(0, 1, QStringLiteral("}.text0 a:visited {formType:textarea;formTag:2;"));
    SKTDocument document;
    document.setFileLocation(
        package(page, QStringLiteral("contact"), QStringLiteral("quarnel"), QStringLiteral("php")));
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_EQ(document.pageFileType(), QStringLiteral("quarnel"));
    EXPECT_EQ(document.pageFileExtension(), QStringLiteral("php"));
    EXPECT_EQ(QFileInfo(document.pagePath()).fileName(), QStringLiteral("contact.php"));
    ASSERT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(document.graphics().first()->formType(), QStringLiteral("textarea"));
    EXPECT_EQ(document.graphics().first()->textString(), QStringLiteral("Paragraph Placeholder"));
    EXPECT_EQ(document.formSubmitButtonValue(), QStringLiteral("Submit"));
}

TEST_F(PageOpeningTest, MigratedProfileDataIsWhatThePageHoldsAfterOpening)
{
    SKTDocument document;
    document.setFileLocation(oldProfilePackage());
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_EQ(document.pageOfficialName(), QStringLiteral("Anna Bell C42"));
    expectMigratedValues(document);
    EXPECT_EQ(texts(document), (QStringList{"first box", "second"}));
    EXPECT_FALSE(DataCentre::oldDovrinprofileFlag(PageText::read(document.pagePath())));
}

// Whether the page is changed and saved where it lies, or saved elsewhere unchanged, the stored page
// holds the migrated data as keyed blocks, and a fresh document opens them again.
TEST_F(PageOpeningTest, MigratedProfileDataSurvivesSavingAndOpeningAgain)
{
    const QString copy = pathInHome(QStringLiteral("docs/copy.") + kExtension);
    const struct {
        const char* way;
        std::function<bool(SKTDocument&)> save;
        QString elsewhere; // empty: saved where it was opened from
        QStringList texts;
    } saves[] = {
        {"changed and saved in place",
         [](SKTDocument& d) {
             d.insertGraphics({PageObjects::textBox(QStringLiteral("added"), QRectF(10, 300, 100, 20))},
                              {int(d.graphics().size())});
             return d.saveDocumentWithDelegate();
         },
         {},
         {"first box", "second", "added"}},
        {"saved elsewhere unchanged",
         [&](SKTDocument& d) { return d.saveThisPage(copy, 0).ok(); },
         copy,
         {"first box", "second"}},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(save.way);
        const QString archive = oldProfilePackage();
        const QString savedTo = save.elsewhere.isEmpty() ? archive : save.elsewhere;
        SKTDocument document;
        document.setFileLocation(archive);
        ASSERT_TRUE(document.refreshDocument());
        ASSERT_TRUE(save.save(document));

        const QString stored = pageTextIn(savedTo, document.pageName() + QStringLiteral(".html"));
        ASSERT_FALSE(stored.isEmpty());
        EXPECT_FALSE(DataCentre::oldDovrinprofileFlag(stored));
        EXPECT_TRUE(
            stored.contains(DataCentre::generateFullString(QStringLiteral("C42"), "Pet Chart Number")));

        SKTDocument reopened;
        reopened.setFileLocation(savedTo);
        ASSERT_TRUE(reopened.refreshDocument());
        expectMigratedValues(reopened);
        EXPECT_EQ(reopened.profileDictionary().value("Notes"), document.profileDictionary().value("Notes"));
        EXPECT_EQ(reopened.pageOfficialName(), QStringLiteral("Anna Bell C42"));
        EXPECT_EQ(texts(reopened), save.texts);
    }
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(PageOpeningTest, KeyedBlocksFillTheProfileFields)
{
    DataCentre::mutableProfile().profileFieldKeys = {"Pet Name", "Pet Breed"};
    StoredPage page = twoBoxes();
    page.trailer << QString()
                 << DataCentre::generateFullString(QStringLiteral("Rex\nthe dog"),
                                                   QStringLiteral("Pet Name"));
    SKTDocument document;
    document.setFileLocation(package(page, QStringLiteral("rex")));
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_EQ(document.profileDictionary().value("Pet Name"), QStringLiteral("Rex\nthe dog"));
    EXPECT_EQ(document.profileDictionary().value("Pet Breed"), QStringLiteral(""));
    EXPECT_EQ(document.profileDictionary().size(), 2);
}

TEST_F(PageOpeningTest, AWebsitePageIsReadWhereItLies)
{
    const QString website = pathInHome(QStringLiteral("site"));
    twoBoxes().write(website, QStringLiteral("about"));
    const ProductProfile& profile = DataCentre::profile();
    SKTDocument document;
    document.setOpeningFromWebsiteFlag(true);
    document.setOpeningWebsiteFolderPath(website);
    document.setFileLocation(pathInHome(QStringLiteral("site/about.") + kExtension));
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_EQ(document.pagePath(), QDir(website).filePath(QStringLiteral("about.html")));
    EXPECT_EQ(document.tempSavePathLocal(), website);
    EXPECT_EQ(document.openWebsiteFolderTempPath(), website);
    EXPECT_EQ(texts(document), (QStringList{"first box", "second"}));
    EXPECT_TRUE(document.openingWebsiteFolderPath().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName) +
                                   QStringLiteral("/") +
                                   ReceivedPages::stampFolderName(QDateTime::currentDateTime())));
}

TEST_F(PageOpeningTest, TheBaseTemplatePageNeverInheritsAndItsObjectsLieBehindAPagesOwn)
{
    const QString website = pathInHome(QStringLiteral("site"));
    StoredPage base;
    base.rules << boxRule(0, 1, QStringLiteral("templateName:basetemplate;"))
               << QStringLiteral(".image5{position:absolute;left:200px;top:10px;z-index:2;imagename:image5;"
                                 "imagetype:png;width:4px;height:4px;templateName:basetemplate;}");
    base.body << QStringLiteral("<div class=text0>header</div>");
    base.trailer << QStringLiteral("<!--USE BASE TEMPLATE-->") << QStringLiteral("<!--INHERIT METADATA-->");
    base.write(website, QStringLiteral("basetemplate"));
    writePicture(QDir(website).filePath(QStringLiteral("basetemplate/image5.png")), QSize(4, 4), Qt::red,
                 "PNG");
    StoredPage page = twoBoxes();
    page.trailer << QStringLiteral("<!--USE BASE TEMPLATE-->") << QStringLiteral("<!--INHERIT METADATA-->");
    page.write(website, QStringLiteral("about"));

    ProductProfile& profile = DataCentre::mutableProfile();
    profile.showProfilePopoverOnOpen = true;
    QStringList posted;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(&observer, {},
                                                    [&](const Notification& n) { posted << n.name; });

    SKTDocument baseDocument;
    baseDocument.setOpeningFromWebsiteFlag(true);
    baseDocument.setOpeningWebsiteFolderPath(website);
    baseDocument.setFileLocation(QDir(website).filePath(QStringLiteral("basetemplate.") + kExtension));
    ASSERT_TRUE(baseDocument.refreshDocument());
    EXPECT_EQ(baseDocument.useBaseTemplateFlag(), 0);
    EXPECT_EQ(baseDocument.inheritMetadataFlag(), 0);
    // The base template's picture, in front, has no text.
    EXPECT_EQ(texts(baseDocument), (QStringList{"", "header"}));
    for (const auto& graphic : baseDocument.graphics())
        EXPECT_TRUE(graphic->selectable()) << "on its own page " << graphic->className().toStdString();
    EXPECT_TRUE(posted.contains(QStringLiteral("hideProfilePopover")));

    posted.clear();
    SKTDocument pageDocument;
    pageDocument.setOpeningFromWebsiteFlag(true);
    pageDocument.setOpeningWebsiteFolderPath(website);
    pageDocument.setFileLocation(QDir(website).filePath(QStringLiteral("about.") + kExtension));
    ASSERT_TRUE(pageDocument.refreshDocument());
    EXPECT_EQ(pageDocument.useBaseTemplateFlag(), 1);
    EXPECT_EQ(pageDocument.inheritMetaKeywordsFlag(), 1);
    EXPECT_EQ(texts(pageDocument), (QStringList{"first box", "second", "", "header"}));
    EXPECT_EQ(pageDocument.graphics().last()->templateName(), QStringLiteral("basetemplate"));
    // The base template's objects are locked on the page, and its picture stays in its own folder.
    int inherited = 0;
    for (const auto& graphic : pageDocument.graphics()) {
        if (graphic->templateName() != u"basetemplate")
            continue;
        ++inherited;
        EXPECT_FALSE(graphic->selectable()) << graphic->className().toStdString();
    }
    EXPECT_EQ(inherited, 2);
    EXPECT_TRUE(pageDocument.generateSourceCode(pageDocument.pageName(), 0)
                    .contains(QStringLiteral("src=\"basetemplate/image5")));
    EXPECT_FALSE(pageDocument.undoManager().canUndo());
    EXPECT_TRUE(posted.contains(QStringLiteral("displayProfilePopover")));
    EXPECT_TRUE(posted.contains(QStringLiteral("updateCurrentButtonColor")));
}

// A base template that cannot be read or turned into objects leaves the page with its own objects, and
// the log names it.
TEST_F(PageOpeningTest, ABaseTemplateThatCannotBeReadIsLoggedAndThePageStillOpens)
{
    StoredPage broken;
    broken.rules << QStringLiteral(".image7{position:absolute;garbage:;;;=={");
    const struct {
        const char* kind;
        QByteArray bytes;
        const char* reason;
    } templates[] = {
        {"bytes of no encoding a page file has", QByteArray("<html>caf\xE9</html>"), ""},
        {"a rule without its required properties", broken.text().toLatin1(), ": The rule"},
    };
    int count = 0;
    for (const auto& base : templates) {
        SCOPED_TRACE(base.kind);
        const QString website = pathInHome(QStringLiteral("site%1").arg(++count));
        StoredPage page = twoBoxes();
        page.trailer << QStringLiteral("<!--USE BASE TEMPLATE-->");
        page.write(website, QStringLiteral("about"));
        const QString basePath = QDir(website).filePath(QStringLiteral("basetemplate.html"));
        writeBytes(basePath, base.bytes);

        SKTDocument document;
        document.setOpeningFromWebsiteFlag(true);
        document.setOpeningWebsiteFolderPath(website);
        document.setFileLocation(QDir(website).filePath(QStringLiteral("about.") + kExtension));
        const LogCapture log;
        ASSERT_TRUE(document.refreshDocument());

        const QStringList logged =
            log.linesContaining(QStringLiteral("The base template ") + basePath +
                                QStringLiteral(" could not be read") + QLatin1String(base.reason));
        EXPECT_EQ(logged.size(), 1) << log.captured().join(u'\n').toStdString();
        EXPECT_EQ(document.useBaseTemplateFlag(), 1);
        EXPECT_EQ(texts(document), (QStringList{"first box", "second"}));
        EXPECT_FALSE(document.pageLoadFailed());
        EXPECT_TRUE(alerts.records().isEmpty());
    }
}

TEST_F(UnreadablePageTest, ATruncatedPackage)
{
    const QString archive = package(twoBoxes(), QStringLiteral("home"));
    const QByteArray whole = readBytes(archive);
    writeBytes(archive, whole.left(whole.size() / 2));
    expectUnreadable(archive);
}

TEST_F(UnreadablePageTest, APackageWithoutAPageFile)
{
    const QString source = pathInHome(QStringLiteral("source/empty"));
    QDir().mkpath(source);
    writePicture(source + QStringLiteral("/image1.png"), QSize(2, 2), Qt::red, "PNG");
    QDir().mkpath(pathInHome(QStringLiteral("docs")));
    const QString archive = pathInHome(QStringLiteral("docs/empty.") + kExtension);
    ASSERT_TRUE(UploadFTPS().zipDocument(source, archive));
    expectUnreadable(archive);
}

TEST_F(UnreadablePageTest, ARuleWithoutItsRequiredProperties)
{
    StoredPage page = twoBoxes();
    page.rules << QStringLiteral(".image7{position:absolute;garbage:;;;=={");
    expectUnreadable(package(page, QStringLiteral("home")), QStringLiteral("The rule"));
}

TEST_F(UnreadablePageTest, ADocumentWithoutAFile)
{
    SKTDocument document;
    EXPECT_FALSE(document.refreshDocument());
    EXPECT_TRUE(document.pageLoadFailed());
}

TEST_F(PageOpeningTest, BrokenMarkupOpensAsFarAsItCanBeRead)
{
    StoredPage page = twoBoxes();
    page.rules << QStringLiteral("garbage;:{}=== line") << QStringLiteral(".textual stuff");
    page.body[0] = QStringLiteral("<div class=text0><a href=page2.html target=_blank");
    SKTDocument document;
    document.setFileLocation(package(page, QStringLiteral("home")));
    ASSERT_TRUE(document.refreshDocument());
    ASSERT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(document.graphics().first()->link(), QStringLiteral("page2.html"));
    EXPECT_EQ(document.graphics().first()->linkOption(), QStringLiteral("_blank"));
    EXPECT_EQ(document.graphics().at(1)->textString(), QStringLiteral("second"));
    EXPECT_FALSE(document.pageLoadFailed());
}

TEST_F(PageOpeningTest, AFailedOpenFollowedByAGoodOneMaySaveAgain)
{
    SKTDocument document;
    document.setFileLocation(pathInHome(QStringLiteral("docs/missing.") + kExtension));
    EXPECT_FALSE(document.refreshDocument());
    document.setFileLocation(package(twoBoxes(), QStringLiteral("home")));
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_FALSE(document.pageLoadFailed());
    EXPECT_TRUE(document.savingRefusal().isEmpty());
}

TEST_F(PageOpeningTest, TheLayoutSwitchReloadsThePage)
{
    SKTDocument document;
    document.setFileLocation(package(twoBoxes(), QStringLiteral("home")));
    ASSERT_TRUE(document.refreshDocument());
    const QString firstPath = document.pagePath();
    document.updateMobileView(1);
    EXPECT_TRUE(document.mobileVersionFlag());
    EXPECT_EQ(texts(document), (QStringList{"first box", "second"}));
    EXPECT_NE(document.pagePath(), firstPath);
    document.clearAllGraphics();
    EXPECT_TRUE(document.graphics().isEmpty());
}

} // namespace

TEST_F(PageOpeningTest, APageWithATableOpensItAsATableAndIsSaved)
{
    StoredPage page = twoBoxes();
    page.rules << QStringLiteral(".tableGrid0{position:absolute;left:5px;top:600px;z-index:3;width:400px;"
                                 "height:300px;numOfRows:2;numOfColumns:2;}");
    const QString archive = package(page, QStringLiteral("home"));
    const QByteArray stored = readBytes(archive);
    SKTDocument document;
    document.setFileLocation(archive);
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_FALSE(document.pageLoadFailed());
    ASSERT_EQ(document.graphics().size(), 3);
    EXPECT_EQ(document.tables().size(), 1);

    document.setDocumentEdited(true);
    EXPECT_TRUE(document.saveDocumentWithDelegate());
    EXPECT_TRUE(alerts.records().isEmpty());
    EXPECT_NE(readBytes(archive), stored);
}

TEST_F(PageOpeningTest, AnOpenedFormPageIsSavedWithItsFieldsAndFormSettings)
{
    StoredPage page;
    page.rules << boxRule(0, 1, QStringLiteral("}.text0 a:visited {formType:textarea;formTag:2;"));
    page.rules << QStringLiteral("//FORMRESPONSEEMAILSTART==owner@example.org==FORMRESPONSEEMAILEND");
    const QString archive =
        package(page, QStringLiteral("contact"), QStringLiteral("quarnel"), QStringLiteral("php"));
    const QByteArray stored = readBytes(archive);
    SKTDocument document;
    document.setFileLocation(archive);
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_TRUE(document.isFormPage());
    EXPECT_EQ(document.siteFeedbackEmail(), QStringLiteral("owner@example.org"));

    document.setDocumentEdited(true);
    EXPECT_TRUE(document.saveDocumentWithDelegate());
    EXPECT_TRUE(alerts.records().isEmpty());
    EXPECT_NE(readBytes(archive), stored);
    SKTDocument reopened;
    reopened.setFileLocation(archive);
    ASSERT_TRUE(reopened.refreshDocument());
    EXPECT_EQ(reopened.siteFeedbackEmail(), QStringLiteral("owner@example.org"));
    ASSERT_EQ(reopened.textAreas().size(), 1);
    EXPECT_EQ(reopened.textAreas().first()->formType(), QStringLiteral("textarea"));
    EXPECT_EQ(reopened.textAreas().first()->formTag(), 2);

    // An ordinary page opened afterwards in the same document is saved as before.
    document.setFileLocation(package(twoBoxes(), QStringLiteral("home")));
    ASSERT_TRUE(document.refreshDocument());
    EXPECT_FALSE(document.isFormPage());
}
