#include "LaunchTestSupport.h"
#include "platform/Bundle.h"
#include "profile/DataCentre.h"
#include "profile/Palettes.h"
#include "profile/ProductSelection.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QSet>

namespace {

const QStringList kMergeTags = {"[FIRST_NAME]", "[LAST_NAME]", "[TITLE]", "[JOB_TITLE]",
                                "[STREET]",     "[CITY]",      "[STATE]", "[ZIPCODE]",
                                "[COUNTRY]",    "[EMAIL]",     "[PHONE]"};
const QStringList kDisplayFonts = {
    "Marlett",  "Impact",    "Noteworthy",         "Stencil", "Caflisch Script Pro",
    "Heiti TC", "Phosphate", "Nanum Brush Script", "PilGi",   "Rosewood Std"};

// Applies the configuration of a display name as launch does.
class FormResponsiveMailConfigurationsTest : public LaunchTest {
protected:
    // A bundle of its own holding one plain-coloured image per named icon.
    void useBundleWithIcons(const QList<std::pair<QString, QColor>>& icons)
    {
        const QString folder = homePath() + "/bundle";
        ASSERT_TRUE(QDir().mkpath(folder));
        for (const auto& [name, colour] : icons) {
            QImage icon(8, 8, QImage::Format_ARGB32);
            icon.fill(colour);
            ASSERT_TRUE(icon.save(QDir(folder).filePath(name + ".png")));
        }
        Bundle::main().load(folder);
    }
};

// The names of the launch fields in which two profiles differ, the display name aside.
QStringList differingFields(const ProductProfile& a, const ProductProfile& b)
{
    QStringList names;
#define VELK_COMPARE_FIELD(type, name)                                                                       \
    if (!(a.name == b.name))                                                                                 \
        names << QStringLiteral(#name);
    VELK_PROFILE_FIELDS(VELK_COMPARE_FIELD)
#undef VELK_COMPARE_FIELD
    names.removeAll("productDisplayName");
    return names;
}

struct ProductCase {
    const char* name;
    const char* extension;
    const char* pageNoun;
    const char* catalogue;
    const char* gettingStarted;
    int canvasWidth;
    int canvasHeight;
    float canvasScale;
    int defaultFontSize;
    bool responsive;
    bool singleDocument;
    bool dragInspector;
    bool mergeTags;
    bool displayFonts;
};

const ProductCase kProducts[] = {
    {"Quarnel Pro", "velkpage", "form", "Forms", "blank/Blank.quarnel", 1500, 30000, 1.0f, 15, false, false,
     false, false, false},
    {"Quarnel Pro 2", "velkpage", "form", "Forms", "blank/Blank.quarnel", 1200, 10000, 1.0f, 100, false, true,
     true, true, true},
    {"Brevold Responsive Website Designer", "kyv", "page", "Tazmir", "blank/Blank.kyv", 1200, 9000, 0.6f, 15,
     true, false, true, false, false},
    {"Brevold Responsive Email Designer", "qz", "mail", "Mail", "blank/Blank.qz", 1200, 10000, 0.7f, 100,
     true, true, true, true, true},
    {"Tazmir Responsive Form Designer", "quarnel", "form", "ResponsiveForms", "blank/Blank.quarnel", 1300,
     10000, 0.5f, 100, true, false, true, true, true},
    {"Plimsy Mails Pro 2", "plimsymails", "mail", "Crovane", "blank/Blank.plimsymails", 900, 5000, 1.0f, 15,
     false, false, true, true, false},
    {"Plimsy Mails Express", "plimsymails", "mail", "Crovane", "blank/Blank.plimsymails", 900, 5000, 1.0f, 15,
     false, true, true, true, false},
};

TEST_F(FormResponsiveMailConfigurationsTest, EachProductSetsItsDistinguishingFields)
{
    for (const ProductCase& c : kProducts) {
        SCOPED_TRACE(c.name);
        const ProductProfile p = launchAs(c.name);
        EXPECT_EQ(p.productDisplayName, c.name);
        EXPECT_EQ(p.documentExtension, c.extension);
        EXPECT_EQ(p.baseTemplateFile, QString("basetemplate.") + c.extension);
        EXPECT_EQ(p.pageNoun, c.pageNoun);
        EXPECT_EQ(p.objectCatalogName, c.catalogue);
        EXPECT_EQ(p.gettingStartedFile, c.gettingStarted);
        EXPECT_EQ(p.starterPages, QStringList{c.gettingStarted});
        EXPECT_EQ(p.canvasWidth, c.canvasWidth);
        EXPECT_EQ(p.canvasHeight, c.canvasHeight);
        EXPECT_EQ(p.canvasScale, c.canvasScale);
        EXPECT_EQ(p.defaultFontSize, c.defaultFontSize);
        EXPECT_EQ(p.responsiveDesign, c.responsive);
        EXPECT_EQ(p.singleDocumentMode, c.singleDocument);
        EXPECT_EQ(p.dragInspector, c.dragInspector);
        EXPECT_EQ(p.personalizedTagList, c.mergeTags ? kMergeTags : QStringList());
        EXPECT_EQ(p.textCategoryFonts, c.displayFonts ? kDisplayFonts : Palettes::standardTextStyles().fonts);
        EXPECT_EQ(p.textCategoryNames, Palettes::standardTextStyles().names);
        EXPECT_EQ(p.textCategoryForegroundColors, Palettes::standardTextStyles().foregroundColors);
        EXPECT_EQ(p.textCategoryFillColors, Palettes::standardTextStyles().fillColors);
        EXPECT_EQ(p.colorPalette, Palettes::extendedPalette());
        EXPECT_EQ(p.originalImageMaxSize, -999);
        EXPECT_TRUE(p.welcomeNote.isEmpty());
        EXPECT_FALSE(p.welcomeNote.isNull());
        EXPECT_FALSE(p.supportEmail.isEmpty());
        EXPECT_FALSE(p.productWebsiteURL.isEmpty());
    }
}

TEST_F(FormResponsiveMailConfigurationsTest, NamesOffByOneCharacterFallToTheDefault)
{
    EXPECT_EQ(launchAs("Quarnel Pro").canvasWidth, 1500);
    EXPECT_EQ(launchAs("Quarnel Pro 2").canvasWidth, 1200);
    for (const QString& name :
         {QStringLiteral("Quarnel Pro "), QStringLiteral("quarnel pro 2"),
          QStringLiteral("Plimsy Mails express"), QStringLiteral("Plimsy Mails Pro 2 "),
          QStringLiteral("Brevold Responsive Email designer"), QStringLiteral("Tazmir Responsive Form")}) {
        const ProductProfile p = launchAs(name);
        EXPECT_EQ(p.documentExtension, "velkpage") << name.toStdString();
        EXPECT_EQ(p.canvasHeight, 5000) << name.toStdString();
        EXPECT_TRUE(p.objectCatalogName.isNull()) << name.toStdString();
        EXPECT_TRUE(p.dropboxAppKey.isNull()) << name.toStdString();
    }
}

TEST_F(FormResponsiveMailConfigurationsTest, TheTwoFormDesignersDifferWhereTheSecondWorksOnSingleDocuments)
{
    const ProductProfile pro = launchAs("Quarnel Pro");
    const ProductProfile pro2 = launchAs("Quarnel Pro 2");
    EXPECT_EQ(pro.colorPalette.size(), 551);
    EXPECT_EQ(pro.colorPalette.first(), "CLEAR0");
    EXPECT_TRUE(pro.pageTitlesEnabled);
    EXPECT_FALSE(pro2.pageTitlesEnabled);
    EXPECT_FALSE(pro.inspectorInitiallyOpen);
    EXPECT_TRUE(pro2.inspectorInitiallyOpen);
    EXPECT_FALSE(pro.videoTutorialsURL.isEmpty());
    EXPECT_TRUE(pro2.videoTutorialsURL.isNull());
    EXPECT_NE(pro.rateAppURL, pro2.rateAppURL);
    EXPECT_EQ(pro.productWebsiteURL, pro2.productWebsiteURL);
    EXPECT_EQ(pro2.userGuideFile, "QuarnelPro2.PDF");
    for (bool ProductProfile::*flag :
         {&ProductProfile::useOfficialPageName, &ProductProfile::hideLinkControls,
          &ProductProfile::hideGrabPageLink, &ProductProfile::hidePositionSettings,
          &ProductProfile::hideClickToEnlarge, &ProductProfile::hideTooltipControls,
          &ProductProfile::cornerTextInset, &ProductProfile::wideBorderRange}) {
        EXPECT_FALSE(pro.*flag);
        EXPECT_TRUE(pro2.*flag);
    }
}

TEST_F(FormResponsiveMailConfigurationsTest, OnlyTheResponsiveFormDesignerKeepsTheArrangementCommands)
{
    const QList<bool ProductProfile::*> arrangementFlags = {&ProductProfile::hideLayerArrangement,
                                                            &ProductProfile::hideGroupCommand,
                                                            &ProductProfile::hideAlignLeftEdges,
                                                            &ProductProfile::hideAlignRightEdges,
                                                            &ProductProfile::hideMakeSameWidth,
                                                            &ProductProfile::hideMakeSameSize,
                                                            &ProductProfile::hideCenterGroup,
                                                            &ProductProfile::hideDuplicate,
                                                            &ProductProfile::hideAlignHorizontalSpacing,
                                                            &ProductProfile::hideAlignHorizontalCenters,
                                                            &ProductProfile::hideAlignVerticalCenters,
                                                            &ProductProfile::hideLockCommands,
                                                            &ProductProfile::dashedTableOutline};
    const ProductProfile website = launchAs("Brevold Responsive Website Designer");
    const ProductProfile mail = launchAs("Brevold Responsive Email Designer");
    const ProductProfile form = launchAs("Tazmir Responsive Form Designer");
    for (bool ProductProfile::*flag : arrangementFlags) {
        EXPECT_TRUE(website.*flag);
        EXPECT_TRUE(mail.*flag);
        EXPECT_FALSE(form.*flag);
    }
    EXPECT_TRUE(form.hideLinkControls && form.hideTooltipControls);
    EXPECT_FALSE(website.hideLinkControls || mail.hideTooltipControls);

    for (const ProductProfile* p : {&website, &mail, &form}) {
        EXPECT_TRUE(p->preventOverlap && p->pasteInPlace && p->tableImages && p->snippetFormattingEnabled);
        EXPECT_EQ(p->sectionWidth, 1200);
        EXPECT_EQ(p->sectionHeight, 300);
        EXPECT_TRUE(p->rateAppURL.isNull());
    }
    // The website designer keeps the usual text box height, while section tables still get 50.
    EXPECT_FALSE(website.customTextBoxHeight);
    EXPECT_EQ(website.textBoxDefaultHeight, 50);
    EXPECT_TRUE(website.separateStyleSheet);
    EXPECT_TRUE(mail.inlineStyleCode);
    EXPECT_FALSE(website.inlineStyleCode || form.inlineStyleCode);
    EXPECT_TRUE(form.transparentBackgroundAllowed && form.hideStandardFonts);
    // The website and form designers share the maker's addresses; the e-mail designer has its own.
    EXPECT_EQ(website.supportEmail, form.supportEmail);
    EXPECT_EQ(website.productWebsiteURL, form.productWebsiteURL);
    EXPECT_NE(mail.supportEmail, website.supportEmail);
    EXPECT_NE(mail.productWebsiteURL, website.productWebsiteURL);
    EXPECT_FALSE(mail.videoTutorialsURL.isEmpty());
    EXPECT_EQ(mail.userGuideFile, "BrevoldResponsiveEmailDesigner.PDF");
    EXPECT_EQ(launchAs("Plimsy Mails Pro 2").supportEmail, website.supportEmail);
}

TEST_F(FormResponsiveMailConfigurationsTest, SharedPaletteHasItsGreyRampAndRepeats)
{
    const ProductProfile p = launchAs("Tazmir Responsive Form Designer");
    EXPECT_EQ(p.colorPalette.size(), 551);
    EXPECT_EQ(QSet<QString>(p.colorPalette.begin(), p.colorPalette.end()).size(), 544);
    EXPECT_EQ(p.colorPalette.first(), "CLEAR0");
    // Step n of the ramp stands at 452 + 99 - n.
    EXPECT_EQ(p.colorPalette.value(452), "FCFCFC");
    EXPECT_EQ(p.colorPalette.value(452 + 99 - 90), "E5E5E5");
    EXPECT_EQ(p.colorPalette.value(452 + 99 - 50), "7F7F7F");
    EXPECT_EQ(p.colorPalette.value(547), "0A0A0A");
}

TEST_F(FormResponsiveMailConfigurationsTest, MailSistersDifferInExactlySevenFields)
{
    useBundleWithIcons({{"plimsy_mails_mac_pro", Qt::red}, {"plimsy_mails_express", Qt::blue}});
    const ProductProfile pro = launchAs("Plimsy Mails Pro 2");
    const ProductProfile express = launchAs("Plimsy Mails Express");
    EXPECT_FALSE(pro.productIcon.isNull());
    EXPECT_FALSE(express.productIcon.isNull());

    QStringList differing = differingFields(pro, express);
    differing.sort();
    EXPECT_EQ(differing, (QStringList{"dropboxAppKey", "dropboxAppSecret", "productIcon", "rateAppURL",
                                      "singleDocumentMode", "templateIconsPerRow", "userGuideFile"}));
    EXPECT_EQ(pro.templateIconsPerRow, 4);
    EXPECT_EQ(express.templateIconsPerRow, 10);
    EXPECT_FALSE(pro.rateAppURL.isEmpty());
    EXPECT_TRUE(express.rateAppURL.isEmpty());
    EXPECT_FALSE(express.rateAppURL.isNull());
}

TEST_F(FormResponsiveMailConfigurationsTest, MailDesignersCarryDropboxKeysOfTheirOwn)
{
    const QRegularExpression keyForm("^[a-z0-9]{15}$");
    const ProductProfile pro = launchAs("Plimsy Mails Pro 2");
    const ProductProfile express = launchAs("Plimsy Mails Express");
    for (const ProductProfile* p : {&pro, &express}) {
        EXPECT_TRUE(keyForm.match(p->dropboxAppKey).hasMatch()) << p->dropboxAppKey.toStdString();
        EXPECT_TRUE(keyForm.match(p->dropboxAppSecret).hasMatch()) << p->dropboxAppSecret.toStdString();
        EXPECT_TRUE(p->noSnapshotMargin && p->transparentSnapshotBackground &&
                    p->transparentBackgroundAllowed);
        EXPECT_TRUE(p->lockPageFileName && p->lockPageTitle && p->keepUnnamedPage);
        EXPECT_EQ(p->screenshotSize, 1000);
        EXPECT_EQ(p->defaultPageWidth, 700);
    }
    EXPECT_EQ(pro.dropboxAppKey, "k7vq2mzt9xw4rbn");
    EXPECT_EQ(express.dropboxAppSecret, "w9gvlq4dxs7hkcp");
    // No other product opens a Dropbox session.
    for (const char* name : {"Brevold Responsive Email Designer", "Quarnel Pro 2", "HTML Velk Pro"})
        EXPECT_TRUE(launchAs(name).dropboxAppKey.isEmpty()) << name;
}

TEST_F(FormResponsiveMailConfigurationsTest, MissingIconLeavesTheProductIconEmpty)
{
    useBundleWithIcons({{"plimsy_mails_mac_pro", Qt::red}});
    const ProductProfile express = launchAs("Plimsy Mails Express");
    EXPECT_TRUE(express.productIcon.isNull());
    EXPECT_EQ(express.documentExtension, "plimsymails");
    EXPECT_EQ(express.userGuideFile, "PlimsyMailsExpress.PDF");
    EXPECT_EQ(launchAs("Plimsy Mails Pro 2").productIcon.pixelColor(0, 0), QColor(Qt::red));
}

} // namespace
