#include "AppTestSupport.h"

#include "app/welcome/WelcomeWindowController.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The welcome window as each product fills it, and what its buttons do.

namespace {

class WelcomeWindowTest : public AppTest {
protected:
    void TearDown() override
    {
        window.reset();
        delegate.reset();
        AppTest::TearDown();
    }

    WelcomeWindowController& openAs(const QString& product)
    {
        runAs(product);
        delegate = std::make_unique<SKTAppDelegate>();
        delegate->applicationWillFinishLaunching();
        window = std::make_unique<WelcomeWindowController>(*delegate);
        return *window;
    }

    std::unique_ptr<SKTAppDelegate> delegate;
    std::unique_ptr<WelcomeWindowController> window;
};

struct ButtonCase {
    const char* product;
    const char* newTitle;
    const char* newAction;
    const char* openTitle;
    const char* openAction;
    const char* promotion;
};

TEST_F(WelcomeWindowTest, EachProductTitlesItsMainButtonsAndChoosesItsPromotion)
{
    const ButtonCase cases[] = {
        {"HTML Velk Pro", "New", "showTemplateWebsite", "Open...", "openWebsite", "HTML Velk Pro for iOS"},
        {"Folder Size Ombrel", "New", "showTemplateWebsite", "Video Demo", "launchAppURL",
         "Tazmir Flyer Maker Pro"},
        {"Tazmir Markup Express", "New", "directlyLaunchSingleDocBlank", "Open Website...", "openDocument",
         "Website designer for Mac and iOS"},
        {"All My Wendrils Viewer", "Open Patient Profile", "openDocument", "View Sample", "openSample", ""},
        {"Blue Skellow eCard Designer", "New Card", "showTemplateWebsite", "Open Saved Card", "openDocument",
         "Tazmir Greeting Card Designer"},
        // Products the window keeps as it is made.
        {"Brevold Responsive Website Designer", "New Website", "showTemplateWebsite", "Open Website...",
         "openWebsite", ""},
        {"Some Other Product", "New Website", "showTemplateWebsite", "Open Website...", "openWebsite", ""},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.product);
        WelcomeWindowController& welcome = openAs(QString::fromUtf8(c.product));
        EXPECT_EQ(welcome.addNewWebsiteButton()->text(), QString::fromUtf8(c.newTitle));
        EXPECT_EQ(WelcomeWindowController::actionOf(welcome.addNewWebsiteButton()),
                  QString::fromUtf8(c.newAction));
        EXPECT_EQ(welcome.openNewWebsiteButton()->text(), QString::fromUtf8(c.openTitle));
        EXPECT_EQ(WelcomeWindowController::actionOf(welcome.openNewWebsiteButton()),
                  QString::fromUtf8(c.openAction));
        EXPECT_EQ(welcome.promotionTitle(), QString::fromUtf8(c.promotion));
        EXPECT_EQ(welcome.promoButton()->isVisibleTo(&welcome), *c.promotion != 0);
        EXPECT_EQ(welcome.appTitleTextField()->text(), DataCentre::profile().productDisplayName);
        window.reset();
        delegate.reset();
    }
}

TEST_F(WelcomeWindowTest, TheVersionLineCarriesTheWelcomeNoteOrTheLabelSheetText)
{
    WelcomeWindowController& viewer = openAs(QStringLiteral("Velkpage Web Design Document Viewer"));
    const ProductProfile& profile = DataCentre::profile();
    ASSERT_FALSE(profile.welcomeNote.isEmpty());
    EXPECT_EQ(viewer.appVersionTextField()->text(),
              QStringLiteral("Version ") + profile.appVersion + QStringLiteral("\n\n") + profile.welcomeNote);
    EXPECT_EQ(viewer.whatsNewTextField()->text(),
              QStringLiteral("What's New In v%1:\n- improvements for image slideshows\n- option for adding "
                             "multiple images to slideshow at once\n- improvements for textbox transparency "
                             "settings")
                  .arg(profile.appVersion));
    window.reset();
    delegate.reset();

    WelcomeWindowController& labels = openAs(QStringLiteral("Fennick Label Designer Pro"));
    const QString text = labels.appVersionTextField()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Version ") + DataCentre::profile().appVersion +
                                QStringLiteral("\n\nThis app is built exclusively for 30 label per sheet "
                                               "templates.")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("- label dimension: 2.625\" x 1\" (67 x 25 mm)\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Also supports other brands with the same dimensions.")));
}

TEST_F(WelcomeWindowTest, ProductsWithoutGuideOrTutorialsShowNoButtonForThem)
{
    WelcomeWindowController& envelopes = openAs(QStringLiteral("Blue Skellow Envelope Designer"));
    ASSERT_TRUE(DataCentre::profile().userGuideFile.isEmpty());
    EXPECT_EQ(envelopes.findChild<QPushButton*>(QStringLiteral("userGuideButton")), nullptr);
    EXPECT_EQ(envelopes.findChild<QPushButton*>(QStringLiteral("videoTutorialButton")) != nullptr,
              !DataCentre::profile().videoTutorialsURL.isEmpty());
    window.reset();
    delegate.reset();

    WelcomeWindowController& velk = openAs(QStringLiteral("HTML Velk Pro"));
    ASSERT_NE(velk.videoTutorialButton(), nullptr);
    QTest::mouseClick(velk.videoTutorialButton(), Qt::LeftButton);
    EXPECT_EQ(openedURLs, QList<QUrl>{QUrl(DataCentre::profile().videoTutorialsURL)});
}

TEST_F(WelcomeWindowTest, TheTitleFontGrowsToFitItsFieldWithinFourTo299)
{
    const QString font = QStringLiteral("Impact");
    EXPECT_EQ(WelcomeWindowController::calcFontSizeToFitRect(QStringLiteral("Wide title"), font,
                                                             QRectF(0, 0, 3, 3)),
              4);
    EXPECT_EQ(
        WelcomeWindowController::calcFontSizeToFitRect(QStringLiteral("A"), font, QRectF(0, 0, 1e6, 1e6)),
        299);
    const int shortName =
        WelcomeWindowController::calcFontSizeToFitRect(QStringLiteral("Velk"), font, QRectF(0, 0, 556, 64));
    const int longName = WelcomeWindowController::calcFontSizeToFitRect(
        QStringLiteral("Velkpage Web Design Document Viewer"), font, QRectF(0, 0, 556, 64));
    EXPECT_LT(longName, shortName);
    // The size chosen fits and the next one does not.
    QFont fitted(font);
    fitted.setPointSize(longName);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(QStringLiteral("Velkpage Web Design Document Viewer")),
              556);
    fitted.setPointSize(longName + 1);
    const QFontMetricsF next(fitted);
    EXPECT_TRUE(next.horizontalAdvance(QStringLiteral("Velkpage Web Design Document Viewer")) > 556 ||
                next.height() > 64);

    WelcomeWindowController& welcome = openAs(QStringLiteral("Velkpage Web Design Document Viewer"));
    EXPECT_EQ(welcome.appTitleTextField()->font().pointSize(), longName);
    EXPECT_EQ(welcome.appTitleTextField()->font().family(), font);
}

TEST_F(WelcomeWindowTest, ThePromotionAlertLeadsToThePromotedProductOnlyWhenAsked)
{
    WelcomeWindowController& welcome = openAs(QStringLiteral("Tazmir PDF Author"));
    EXPECT_FALSE(welcome.promotionImage().isNull());
    alerts.answer(QStringLiteral("Cancel"));
    QTest::mouseClick(welcome.promoButton(), Qt::LeftButton);
    EXPECT_TRUE(openedURLs.isEmpty());
    QTest::mouseClick(welcome.promoButton(), Qt::LeftButton);
    EXPECT_EQ(openedURLs, QList<QUrl>{QUrl(QStringLiteral("https://www.velk.app/tazmir"))});
    ASSERT_EQ(alerts.records().size(), 2);
    const ScriptedAlerts::Record& shown = alerts.records().at(1);
    EXPECT_EQ(shown.message, QStringLiteral("Tazmir Markup"));
    EXPECT_TRUE(shown.informative.startsWith(QStringLiteral("If you like Tazmir PDF Author, we think")));
    EXPECT_EQ(shown.buttons, (QStringList{QStringLiteral("Learn more"), QStringLiteral("Cancel")}));
}

TEST_F(WelcomeWindowTest, TheVideoDemoButtonOpensTheProductPage)
{
    WelcomeWindowController& welcome = openAs(QStringLiteral("Folder Size Ombrel"));
    QTest::mouseClick(welcome.openNewWebsiteButton(), Qt::LeftButton);
    EXPECT_EQ(openedURLs, QList<QUrl>{QUrl(DataCentre::profile().productWebsiteURL)});
}

} // namespace
