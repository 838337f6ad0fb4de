#include "WebsiteTestSupport.h"

#include "profile/LabelTemplateHelper.h"
#include "profile/print/PrintSheetCatalogue.h"
#include "window/toolbar/ProductToolbars.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSet>
#include <QToolBar>

namespace {

const QStringList kLinkFields = {"altTextField", "linkTextFieldLabel", "hyperLinkTextField",
                                 "linkOptionSegmentedControl", "saveLinkButton"};
const QStringList kScrollControls = {"scrollSegmentedControl", "scrollTextFieldLabel"};

std::shared_ptr<LabelTemplateHelper> entry(const QString& brand, const QString& number,
                                           const QString& description)
{
    auto record = std::make_shared<LabelTemplateHelper>();
    record->setBrand(brand);
    record->setTemplateNumber(number);
    record->setTemplateDescription(description);
    return record;
}

QStringList titlesOf(const QComboBox& popup)
{
    QStringList titles;
    for (int i = 0; i < popup.count(); ++i)
        titles << popup.itemText(i);
    return titles;
}

class ProductToolbarTest : public WebsiteTest {
protected:
    void SetUp() override
    {
        WebsiteTest::SetUp();
        DataCentre::loadPrintLabels();
    }

    SKTWindowController& openProductWindow(const QString& displayName)
    {
        DataCentre::mutableProfile().productDisplayName = displayName;
        return openWindow();
    }

    // Chooses the pop-up's item as a user does.
    static void choose(QComboBox& popup, int index)
    {
        popup.setCurrentIndex(index);
        Q_EMIT popup.activated(index);
    }
};

TEST_F(ProductToolbarTest, TheDisplayNameChoosesTheToolbarAndTheControlsItHides)
{
    const struct {
        const char* product;
        const char* toolbar;
        QStringList hidden;
        bool pageLinkHidden;
    } cases[] = {
        {"Brevold Responsive Email Designer", "tazmirEmailDesignerToolbar", kScrollControls, false},
        {"HTML Velk Pro", "velkToolbar", {}, false},
        {"Kestrand Video Grid", "windowToolbar", {}, false},
        {"No Such Product", "windowToolbar", {}, false},
        {"Tazmir Label Maker", "labelGondrelToolbar", kLinkFields + kScrollControls, true},
        {"VirAvivu Gondrel", "businessCardBlorvinToolbar", kLinkFields + kScrollControls, true},
        {"Blue Skellow eCard Designer", "quorvikEcardDesignerToolbar", {}, true},
        {"All My Wendrils", "allMyWendrilsToolbar", {"altTextField"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.product);
        SKTWindowController& window = openProductWindow(QString::fromUtf8(c.product));
        ASSERT_NE(window.productToolbar(), nullptr);
        EXPECT_EQ(window.productToolbar()->objectName(), QString::fromLatin1(c.toolbar));
        EXPECT_EQ(window.findChildren<QToolBar*>().size(), 1);
        QStringList hidden;
        for (const QString& name : kLinkFields + kScrollControls) {
            if (window.isHiddenByProduct(name))
                hidden << name;
        }
        EXPECT_EQ(hidden, c.hidden);
        EXPECT_EQ(window.pageLinkItemHidden(), c.pageLinkHidden);
        QAction pageLink;
        pageLink.setObjectName(QStringLiteral("grabPageLink"));
        window.validateMenuItem(pageLink);
        EXPECT_EQ(pageLink.isVisible(), !c.pageLinkHidden);
    }
}

TEST_F(ProductToolbarTest, TheTableHoldsThirtyTwoProductsAndEveryToolbarItemReachesAResponder)
{
    const QList<ProductToolbars::Row>& rows = ProductToolbars::table();
    ASSERT_EQ(rows.size(), 32);
    QSet<QString> names;
    for (const ProductToolbars::Row& row : rows)
        names.insert(row.displayName);
    EXPECT_EQ(names.size(), 32);
    EXPECT_EQ(rows.at(10).toolbarName, QStringLiteral("businessCardBlorvinToolbar"));
    EXPECT_EQ(rows.at(11).toolbarName, QStringLiteral("labelGondrelToolbar"));

    SKTWindowController& window = openWindow();
    for (const ProductToolbars::Row& row : rows) {
        for (const ProductToolbars::Item& item : ProductToolbars::itemsOf(row.toolbarName)) {
            SCOPED_TRACE((row.toolbarName + u' ' + item.name).toStdString());
            if (item.control.isEmpty())
                EXPECT_TRUE(window.sendToolbarAction(item.action));
            else
                EXPECT_NE(window.findChild<QWidget*>(item.control), nullptr);
        }
    }
    EXPECT_FALSE(window.sendToolbarAction(QStringLiteral("noSuchAction")));
}

TEST_F(ProductToolbarTest, ToolbarAndMenuTextsGoThroughTheBundlesStrings)
{
    QDir(bundle).mkpath(QStringLiteral("strings"));
    QFile table(QDir(bundle).filePath(QStringLiteral("strings/Localizable.json")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write(R"({"Text Box": "Textfeld", "Sort By Name": "Nach Name", "Group": "Gruppieren",
                    "Scroll Lock": "Rollsperre"})");
    table.close();
    SKTWindowController& window = openProductWindow(QStringLiteral("HTML Velk Pro"));
    const auto text = [](const QObject& parent, const char* name) {
        const auto* item = parent.findChild<QAction*>(QString::fromLatin1(name));
        return item ? item->text() : QString();
    };
    EXPECT_EQ(text(*window.productToolbar(), "addNewTextboxToolbarItem"), QStringLiteral("Textfeld"));
    // A text without a translation stays as it is.
    EXPECT_EQ(text(*window.productToolbar(), "addNewImageToolbarItem"), QStringLiteral("Image"));
    EXPECT_EQ(text(*window.pageListingMenu(), "sortByFileName"), QStringLiteral("Nach Name"));
    const auto* canvasMenu = window.graphicView()->findChild<QMenu*>(QStringLiteral("graphicViewMenu"));
    ASSERT_NE(canvasMenu, nullptr);
    EXPECT_EQ(text(*canvasMenu, "groupObjects"), QStringLiteral("Gruppieren"));
    EXPECT_EQ(text(*canvasMenu, "scrollLockObjects"), QStringLiteral("Rollsperre"));
}

TEST_F(ProductToolbarTest, TheLabelToolbarCarriesTheLabelPopUp)
{
    SKTWindowController& window = openProductWindow(QStringLiteral("Fennick Label Designer Pro"));
    auto* popup = child<QComboBox>(window, "templateSelectionPopupButton");
    EXPECT_EQ(popup->parentWidget(), window.productToolbar());
    EXPECT_TRUE(popup->isVisible());
}

TEST_F(ProductToolbarTest, EveryPopUpListsTheTemplatesInOrderWithTrimmedTitles)
{
    DataCentre::mutableProfile().printTemplateList = {
        entry("Avery", "5160", "Label - 30 Per Letter Sheet"),
        entry("", "", "Business Card - 10 Per Letter Sheet"),
        entry(" Acme", "", "Label - 6 Per Letter Sheet "),
    };
    SKTWindowController& window = openWindow();
    const QStringList expected = {"Avery 5160 Label - 30 Per Letter Sheet",
                                  "Business Card - 10 Per Letter Sheet", "Acme  Label - 6 Per Letter Sheet"};
    ASSERT_EQ(window.templatePopups().size(), 7);
    for (const QComboBox* popup : window.templatePopups())
        EXPECT_EQ(titlesOf(*popup), expected) << popup->objectName().toStdString();
}

TEST_F(ProductToolbarTest, AChosenTemplateSetsThePageUpAndEachPopUpAsksItsOwnSecondQuestion)
{
    DataCentre::mutableProfile().printTemplateList = {
        entry("", "", "Label - 30 Per Letter Sheet"),
        // A title without the word "Label" still names its sheet.
        entry("Acme", "88", "Business Card - 10 Per Letter Sheet"),
    };
    const struct {
        int popup;
        QString secondQuestion;
    } cases[] = {
        {0, {}},
        {1, {}},
        {2, "Would you like to refresh all pages?"},
        {3, "Would you like to refresh other folding tabs?"},
        {4, {}},
        {5, {}},
        {6, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.popup);
        SKTWindowController& window = openWindow();
        SKTDocument& document = *window.document();
        document.setLabelTemplateHelper(entry("", "", "Label - 30 Per Letter Sheet"));
        window.setCurrentTemplateSelectionValue();
        QComboBox& popup = *window.templatePopups().at(c.popup);
        EXPECT_EQ(popup.currentIndex(), 0);
        alerts.clear();

        // The template in force is no change.
        choose(popup, 0);
        EXPECT_TRUE(alerts.records().isEmpty());

        alerts.answer(QStringLiteral("Change"));
        alerts.answer(QStringLiteral("No"));
        choose(popup, 1);
        ASSERT_GE(alerts.records().size(), 1);
        EXPECT_EQ(alerts.records().at(0).message, QStringLiteral("Template Selection Changed"));
        EXPECT_EQ(
            alerts.records().at(0).informative,
            QStringLiteral("New template selected: %1\nExisting template: Label - 30 Per Letter Sheet\n\n"
                           "Are you sure you wish to make this change?\n\nIn order to meet size requirements "
                           "for the newly selected template, your current canvas size may change.")
                .arg(c.popup == 0 ? QStringLiteral("Business Card - 10 Per Letter Sheet")
                                  : QStringLiteral("Acme 88 Business Card - 10 Per Letter Sheet")));
        EXPECT_EQ(alerts.records().size(), c.secondQuestion.isEmpty() ? 1 : 2);
        if (!c.secondQuestion.isEmpty())
            EXPECT_EQ(alerts.records().at(1).message, c.secondQuestion);
        if (c.popup == 0) {
            const PageCanvasState& canvas = document.canvasState();
            EXPECT_EQ(document.labelTemplateHelper()->templateDescription(),
                      QStringLiteral("Business Card - 10 Per Letter Sheet"));
            EXPECT_EQ(canvas.selectedPrintSheet, QStringLiteral("Business Card - 10 Per Letter Sheet"));
            EXPECT_EQ(window.graphicView()->canvasSize(), QSizeF(canvas.canvasWidth, canvas.canvasHeight));
            // The product's own list is not the page's to change.
            EXPECT_NE(document.labelTemplateHelper(), DataCentre::profile().printTemplateList.at(1));
        }
    }
}

TEST_F(ProductToolbarTest, CancellingTheChangeLeavesPageAndCanvasAsTheyWere)
{
    DataCentre::mutableProfile().printTemplateList = {entry("Avery", "5160", "Label - 30 Per Letter Sheet"),
                                                      entry("", "", "Label - 6 Per Letter Sheet")};
    SKTWindowController& window = openWindow();
    SKTDocument& document = *window.document();
    document.setLabelTemplateHelper(entry("Avery", "5160", "Label - 30 Per Letter Sheet"));
    window.setCurrentTemplateSelectionValue();
    const PageCanvasState before = document.canvasState();
    const QSizeF shown = window.graphicView()->canvasSize();
    alerts.answer(QStringLiteral("Cancel"));
    choose(*window.templatePopups().at(0), 1);
    EXPECT_EQ(alerts.records().size(), 1);
    EXPECT_EQ(document.labelTemplateHelper()->templateDescription(),
              QStringLiteral("Label - 30 Per Letter Sheet"));
    EXPECT_EQ(document.canvasState().selectedPrintSheet, before.selectedPrintSheet);
    EXPECT_EQ(document.canvasState().canvasWidth, before.canvasWidth);
    EXPECT_EQ(window.graphicView()->canvasSize(), shown);
}

TEST_F(ProductToolbarTest, ALabelChangeRefreshesEveryPageOfTheProjectOnRequest)
{
    DataCentre::mutableProfile().printTemplateList = {entry("Avery", "5160", "Label - 30 Per Letter Sheet"),
                                                      entry("", "", "Label - 6 Per Letter Sheet")};
    page(QStringLiteral("first"), QStringLiteral("First"));
    page(QStringLiteral("second"), QStringLiteral("Second"));
    SKTWindowController& window = openWebsite();
    ASSERT_EQ(window.siteIconArray().size(), 2);
    window.document()->setLabelTemplateHelper(entry("Avery", "5160", "Label - 30 Per Letter Sheet"));
    window.setCurrentTemplateSelectionValue();
    alerts.clear();
    alerts.answer(QStringLiteral("Change"));
    alerts.answer(QStringLiteral("Yes"));
    choose(*window.templatePopups().at(0), 1);
    ASSERT_EQ(alerts.messages(),
              (QStringList{"Template Selection Changed", "Would you like to refresh all designs?"}));
    EXPECT_EQ(window.windowOpacity(), 1.0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.templatePopups().at(0)->currentText(), QStringLiteral("Label - 6 Per Letter Sheet"));
    // Every page was saved with the new sheet.
    for (const QString& name : {QStringLiteral("first"), QStringLiteral("second")}) {
        const QString text = pageFileOf(QDir(site).filePath(name + u'.' + kExtension));
        EXPECT_TRUE(text.contains(QStringLiteral("Label - 6 Per Letter Sheet"))) << name.toStdString();
    }
}

TEST_F(ProductToolbarTest, AFoldingCardChangeRefreshesEveryTabAndOpensTheFirstAgain)
{
    DataCentre::mutableProfile().printTemplateList = {entry("", "", "Label - 30 Per Letter Sheet"),
                                                      entry("", "", "Label - 6 Per Letter Sheet")};
    page(QStringLiteral("front"), QStringLiteral("Front"));
    page(QStringLiteral("inside"), QStringLiteral("Inside"));
    SKTWindowController& window = openWebsite();
    ASSERT_EQ(window.siteIconArray().size(), 2);
    // The change starts on the last tab.
    window.launchSelected(window.siteIconArray().at(1));
    const QString firstTab = window.siteIconArray().at(0)->pageName();
    ASSERT_NE(QFileInfo(window.document()->fileLocation()).fileName(), firstTab);
    window.document()->setLabelTemplateHelper(entry("", "", "Label - 30 Per Letter Sheet"));
    window.setCurrentTemplateSelectionValue();
    alerts.clear();
    alerts.answer(QStringLiteral("Change"));
    alerts.answer(QStringLiteral("Yes"));
    choose(*window.templatePopups().at(3), 1);
    ASSERT_EQ(alerts.messages(),
              (QStringList{"Template Selection Changed", "Would you like to refresh other folding tabs?"}));
    EXPECT_EQ(QFileInfo(window.document()->fileLocation()).fileName(), firstTab);
    EXPECT_EQ(window.templatePopups().at(3)->currentText(), QStringLiteral("Label - 6 Per Letter Sheet"));
    for (const QString& name : {QStringLiteral("front"), QStringLiteral("inside")}) {
        const QString text = pageFileOf(QDir(site).filePath(name + u'.' + kExtension));
        EXPECT_TRUE(text.contains(QStringLiteral("Label - 6 Per Letter Sheet"))) << name.toStdString();
    }
}

} // namespace
