#include "TemplateTestSupport.h"

#include "app/templates/TemplateCategory.h"
#include "app/templates/TemplateLibrary.h"
#include "document/core/SKTDocument.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

// The template categories of each product, the chooser's preparation and grid, and opening a template.

namespace {

QStringList descriptionsOf(const TemplateCategoryList& list)
{
    QStringList descriptions;
    for (const TemplateCategory& category : list.categories)
        descriptions << category.categoryDescription;
    return descriptions;
}

TEST(TemplateCategoriesTest, EachProductHasItsOwnListAndFirstCategory)
{
    const TemplateCategoryList other =
        TemplateCategories::forProduct(QStringLiteral("Velkpage Web Design Document Viewer"));
    EXPECT_EQ(descriptionsOf(other), (QStringList{"  All", "  Blank"}));
    EXPECT_EQ(other.categoryFolder, "all");

    const TemplateCategoryList velk = TemplateCategories::forProduct(QStringLiteral("HTML Velk Pro"));
    EXPECT_EQ(velk.categories.size(), 9);
    EXPECT_EQ(velk.categories.at(4), (TemplateCategory{"velknation", "  Velk Nation"}));

    const TemplateCategoryList cards =
        TemplateCategories::forProduct(QStringLiteral("Tazmir Greeting Card Designer"));
    ASSERT_EQ(cards.categories.size(), 12);
    EXPECT_EQ(cards.categoryFolder, "letter_2fold_horizontal");
    EXPECT_EQ(cards.categories.at(9).categoryDescription, QStringLiteral("  A5 Half Fold - 4.15\" x 5.8\""));

    const TemplateCategoryList mail =
        TemplateCategories::forProduct(QStringLiteral("Brevold Responsive Email Designer"));
    EXPECT_EQ(descriptionsOf(mail), (QStringList{"  Blank", "  Templates"}));
    EXPECT_EQ(mail.categoryFolder, "all");

    const TemplateCategoryList envelopes =
        TemplateCategories::forProduct(QStringLiteral("Blue Skellow Envelope Designer"));
    EXPECT_EQ(envelopes.categories.first().categoryDescription,
              QStringLiteral("105 x 241mm (4.125 x 9.5\") #10"));
    EXPECT_EQ(envelopes.categoryFolder, "number10_envelope");

    EXPECT_EQ(TemplateCategories::forProduct(QStringLiteral("Tamble Chart Designer Pro 2")).categories,
              TemplateCategories::forProduct(QStringLiteral("Tamble Chart Designer Pro")).categories);
    EXPECT_EQ(TemplateCategories::forProduct(QStringLiteral("Blue Skellow Business Card Designer"))
                  .categories.at(0),
              (TemplateCategory{"cards", QString::fromUtf8("  89 × 51 mm (3.5 × 2 in)")}));
}

TEST(TemplateLibraryTest, ThumbnailsKeepTheirShapeWithTheLongerSide200)
{
    EXPECT_EQ(TemplateLibrary::thumbnailSize(QSize(400, 200)), QSize(200, 100));
    EXPECT_EQ(TemplateLibrary::thumbnailSize(QSize(100, 300)), QSize(66, 200));
    EXPECT_EQ(TemplateLibrary::thumbnailSize(QSize(512, 512)), QSize(200, 200));
    EXPECT_EQ(TemplateLibrary::thumbnailOrigin(4, QSize(200, 150)), QPoint(30 + 225, 30 + 215));
    EXPECT_EQ(TemplateLibrary::gridSize(4, QSize(200, 150)), QSize(690, 440));
    EXPECT_EQ(TemplateLibrary::gridSize(0, QSize(200, 200)).height(), 0);
}

class TemplateChooserTest : public TemplateAppTest {
protected:
    void SetUp() override
    {
        TemplateAppTest::SetUp();
        useBundleWithOwnTemplates(QStringLiteral("templates"));
        const QDir templates(QDir(bundle).filePath(QStringLiteral("templates")));
        writeTemplate(templates.filePath(QStringLiteral("business/Wide.velkpage")), QSize(400, 200));
        writeTemplate(templates.filePath(QStringLiteral("business/Tall.velkpage")), QSize(100, 300));
        writeTemplate(templates.filePath(QStringLiteral("classic/Square.velkpage")), QSize(300, 300));
        // Neither a template document nor a category of the product.
        writeTemplate(templates.filePath(QStringLiteral("classic/Other.pdf")), QSize(50, 50));
        writeTemplate(templates.filePath(QStringLiteral("elsewhere/Lost.velkpage")), QSize(50, 50));
        launchAs(QStringLiteral("HTML Velk Pro"));
    }
};

TEST_F(TemplateChooserTest, ThumbnailsSitThreeToARowSteppedByTheFirstShown)
{
    openChooser();
    TemplateWindowController& window = chooserWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Choose a Template (3)"));
    EXPECT_EQ(delegate->pageListing().pageNameArray,
              (QStringList{"Tall.velkpage", "Wide.velkpage", "Square.velkpage"}));

    TemplateIconButton* tall = thumbnailNamed(QStringLiteral("Tall.velkpage"));
    TemplateIconButton* wide = thumbnailNamed(QStringLiteral("Wide.velkpage"));
    TemplateIconButton* square = thumbnailNamed(QStringLiteral("Square.velkpage"));
    ASSERT_TRUE(tall && wide && square);
    EXPECT_EQ(tall->geometry(), QRect(30, 30, 66, 200));
    EXPECT_EQ(wide->geometry(), QRect(30 + 66 + 25, 30, 200, 100));
    EXPECT_EQ(square->geometry(), QRect(30 + 2 * (66 + 25), 30, 200, 200));
    EXPECT_EQ(window.scrollView()->widget()->size(), QSize(3 * 66 + 90, 200 + 70));
    EXPECT_TRUE(window.baseTemplateCheckbox()->isChecked());
    EXPECT_EQ(window.baseTemplateCheckbox()->toolTip(), TemplateWindowController::baseTemplateToolTip);

    // Nine categories, none highlighted; picking one shows only its templates.
    const QList<QPushButton*> categories = chooser().templateCategoryButtonArray();
    ASSERT_EQ(categories.size(), 9);
    EXPECT_EQ(categories.at(3)->text(), QStringLiteral("  Classic"));
    EXPECT_EQ(categories.at(3)->geometry(), QRect(0, 150, 230, 50));
    for (QPushButton* button : categories)
        EXPECT_FALSE(button->styleSheet().contains(QStringLiteral("B0C4DE")));
    QTest::mouseClick(categories.at(3), Qt::LeftButton);
    EXPECT_TRUE(categories.at(3)->styleSheet().contains(QStringLiteral("B0C4DE")));
    EXPECT_EQ(chooser().categoryFolder(), QStringLiteral("classic"));
    EXPECT_TRUE(square->isVisibleTo(&window));
    EXPECT_FALSE(tall->isVisibleTo(&window));
    EXPECT_EQ(square->pos(), QPoint(30, 30));
    QTest::mouseClick(categories.at(4), Qt::LeftButton);
    EXPECT_EQ(window.scrollView()->widget()->height(), 0);
}

TEST_F(TemplateChooserTest, ASecondOpeningCopiesNothingAndStartsFromTheFirstCategory)
{
    openChooser();
    QTest::mouseClick(chooser().templateCategoryButtonArray().at(3), Qt::LeftButton);
    const QString working =
        QDir(DataCentre::profile().workingFolderPath).filePath(QStringLiteral("templates"));
    ASSERT_TRUE(QFileInfo(working + QStringLiteral("/business/Wide/Wide.html")).exists());
    QFile marker(working + QStringLiteral("/marker"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    QTest::mouseClick(chooserWindow().cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(chooserWindow().isVisible());

    openChooser("showTemplate");
    EXPECT_TRUE(QFileInfo::exists(working + QStringLiteral("/marker")));
    EXPECT_EQ(chooser().thumbnails().size(), 3);
    EXPECT_EQ(chooser().categoryFolder(), QStringLiteral("all"));
    EXPECT_FALSE(chooserWindow().baseTemplateCheckbox()->isChecked());
}

TEST_F(TemplateChooserTest, OneClickedThumbnailIsFramedUntilTheWindowIsClicked)
{
    openChooser();
    TemplateIconButton* wide = thumbnailNamed(QStringLiteral("Wide.velkpage"));
    TemplateIconButton* tall = thumbnailNamed(QStringLiteral("Tall.velkpage"));
    QTest::mouseClick(tall, Qt::LeftButton);
    QTest::mouseClick(wide, Qt::LeftButton);
    EXPECT_TRUE(wide->borderFlag());
    EXPECT_FALSE(tall->borderFlag());
    EXPECT_EQ(chooser().selectedTemplateButton(), wide);
    // The frame shows in the thumbnail's own pixels.
    EXPECT_EQ(wide->grab().toImage().pixelColor(2, 2), QColor(QStringLiteral("#33A1C9")));
    QTest::mouseClick(&chooserWindow(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(wide->borderFlag());
    EXPECT_EQ(chooser().selectedTemplateButton(), wide);
}

TEST_F(TemplateChooserTest, AProductWithoutTemplatesGetsAnEmptyChooserInsteadOfEndlessRetries)
{
    QDir(QDir(bundle).filePath(QStringLiteral("templates"))).removeRecursively();
    openChooser();
    EXPECT_EQ(chooserWindow().windowTitle(), QStringLiteral("Choose a Template (0)"));
    EXPECT_EQ(chooserWindow().scrollView()->widget()->height(), 0);
}

class LaunchingTemplatesTest : public TemplateAppTest {};

TEST_F(LaunchingTemplatesTest, ALaunchedTemplateOpensAsAnUntitledCopy)
{
    launchAs(QStringLiteral("HTML Velk Pro"));
    openChooser("showTemplate");
    TemplateIconButton* consulting = thumbnailNamed(QStringLiteral("Consulting.velkpage"));
    ASSERT_NE(consulting, nullptr);
    QTest::mouseClick(consulting, Qt::LeftButton);
    delegate->launchTemplate();
    EXPECT_FALSE(chooserWindow().isVisible());
    ASSERT_EQ(delegate->documentController().documents().size(), 1);
    SKTDocument* opened = delegate->documentController().documents().first();
    EXPECT_TRUE(opened->fileLocation().isEmpty());
    EXPECT_FALSE(opened->graphics().isEmpty());
    EXPECT_TRUE(
        QFileInfo::exists(QDir(receivedPagesFolder()).filePath(QStringLiteral("Consulting.velkpage"))));
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(LaunchingTemplatesTest, SingleDocumentProductsStartFromTheirBlankPage)
{
    launchAs(QStringLiteral("Tazmir Markup Express"));
    ASSERT_TRUE(DataCentre::profile().singleDocumentMode);
    delegate->sendActionNamed(QStringLiteral("directlyLaunchSingleDocBlank"));
    ASSERT_EQ(delegate->documentController().documents().size(), 1);
    EXPECT_TRUE(delegate->documentController().documents().first()->fileLocation().isEmpty());
    EXPECT_FALSE(delegate->welcomeWindow()->isVisible());
    EXPECT_TRUE(alerts.records().isEmpty());
}

TEST_F(LaunchingTemplatesTest, TheViewerOpensItsSampleUntitled)
{
    launchAs(QStringLiteral("Velkpage Web Design Document Viewer"));
    const QString sample = DataCentre::profile().samplePage;
    ASSERT_FALSE(sample.isEmpty());
    QTest::mouseClick(
        delegate->welcomeWindow()->findChild<QPushButton*>(QStringLiteral("openNewWebsiteButton")),
        Qt::LeftButton);
    ASSERT_EQ(delegate->documentController().documents().size(), 1);
    EXPECT_TRUE(delegate->documentController().documents().first()->fileLocation().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(QDir(DataCentre::profile().workingFolderPath).filePath(sample)));
}

} // namespace
