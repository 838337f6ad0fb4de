#include "WebsiteTestSupport.h"

#include "platform/SegmentedControl.h"
#include "window/sheets/AddNewPageViewController.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// Clicks the box of a check box.
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

class AddNewPageTest : public WebsiteTest {
protected:
    AddNewPageViewController& sheetOf(SKTWindowController& window)
    {
        AddNewPageViewController* sheet = window.addNewPageViewController();
        EXPECT_NE(sheet, nullptr);
        return *sheet;
    }
};

// The sheet of a window whose page list holds one page.
class AddNewPageSheetTest : public AddNewPageTest {
protected:
    void SetUp() override
    {
        AddNewPageTest::SetUp();
        page(QStringLiteral("index"), QStringLiteral("Home"));
        window = &openWebsite();
        window->showAddNewPageWindow();
        sheet = window->addNewPageViewController();
        ASSERT_NE(sheet, nullptr);
    }

    SKTWindowController* window = nullptr;
    AddNewPageViewController* sheet = nullptr;
};

TEST_F(AddNewPageTest, NameChecksRunInOrderAndRefuseNamesLeavingTheFolder)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    page(QStringLiteral("basetemplate"), QStringLiteral("Base"));
    makePageDocument(site, QStringLiteral("contact"), QStringLiteral("Contact"), {},
                     QStringLiteral("quarnel"));
    SKTWindowController& window = openWebsite();
    const QString outside = QDir(site).filePath(QStringLiteral("../escape.velkpage"));

    struct Case {
        bool officialNames;
        const char* name;
        const char* message; // none: the name passes
        const char* informative;
    };
    const Case cases[] = {
        {false, "", "File Name Is Empty", "Sorry the new file name can not be empty"},
        {false, "index.velkpage", "File Name Conflict",
         "Sorry a file named \"index\" already exists at this location."},
        {false, "basetemplate.velkpage", "File Name Conflict",
         "Sorry a file named \"basetemplate\" already exists at this location."},
        {false, "index.quarnel", "Please Rename",
         "Sorry this file name is not available, please choose another file name."},
        {false, "contact.velkpage", "Please Rename",
         "Sorry this file name is not available, please choose another file name."},
        {false, "my page.velkpage", "File Name Characters",
         "Sorry the new file name can not contain spacing, special characters or symbols"},
        {true, "my page.velkpage", "File Name Characters", nullptr},
        {false, "a.b.velkpage", "File Name Characters", nullptr},
        {false, "caf\xc3\xa9.velkpage", "File Name Characters", nullptr},
        {true, "a.b.velkpage", nullptr, nullptr},
        {true, "caf\xc3\xa9.velkpage", nullptr, nullptr},
        {false, "fresh_page-2.velkpage", nullptr, nullptr},
        // Whatever the product's rule, nothing may lead out of the project or hide.
        {true, "../escape.velkpage", "File Name Characters", nullptr},
        {true, "sub\\escape.velkpage", "File Name Characters", nullptr},
        {true, "a,b.velkpage", "File Name Characters", nullptr},
        {true, ".hidden.velkpage", "File Name Characters", nullptr},
        {true, "..velkpage", "File Name Characters", nullptr},
        {true, "...velkpage", "File Name Characters", nullptr},
    };
    for (const Case& c : cases) {
        DataCentre::mutableProfile().useOfficialPageName = c.officialNames;
        alerts.clear();
        const QString name = QString::fromUtf8(c.name);
        EXPECT_EQ(window.runNewFileCreationChecks(name), c.message == nullptr) << c.name;
        if (!c.message) {
            EXPECT_TRUE(alerts.records().isEmpty()) << c.name;
            continue;
        }
        ASSERT_EQ(alerts.records().size(), 1) << c.name;
        EXPECT_EQ(alerts.records()[0].message, QString::fromLatin1(c.message)) << c.name;
        EXPECT_EQ(alerts.records()[0].buttons, QStringList({"OK"})) << c.name;
        if (c.informative) {
            EXPECT_EQ(alerts.records()[0].informative, QString::fromLatin1(c.informative)) << c.name;
        }
    }
    EXPECT_FALSE(QFileInfo::exists(outside));
}

TEST_F(AddNewPageSheetTest, TheLaunchPageIsIndexWithATypedNameAndNeverTheBaseTemplate)
{
    QCheckBox* launch = sheet->mainLaunchpageCheckbox();
    QCheckBox* base = sheet->baseTemplateCheckbox();
    QLineEdit* name = sheet->pageFileNameTextField();
    EXPECT_EQ(sheet->fileNameGenerationSegmentedControl()->selectedSegment(), 0);
    EXPECT_FALSE(name->isEnabled());

    // With names made from the title, each keystroke makes the name; an emptied title leaves the last.
    QTest::keyClicks(sheet->pageTitleTextField(), QStringLiteral("About Us!"));
    EXPECT_EQ(name->text(), QStringLiteral("AboutUs"));
    sheet->pageTitleTextField()->selectAll();
    QTest::keyClick(sheet->pageTitleTextField(), Qt::Key_Delete);
    EXPECT_EQ(name->text(), QStringLiteral("AboutUs"));

    clickBox(launch);
    EXPECT_TRUE(launch->isChecked());
    EXPECT_EQ(name->text(), QStringLiteral("index"));
    EXPECT_EQ(sheet->fileNameGenerationSegmentedControl()->selectedSegment(), 1);
    EXPECT_TRUE(name->isEnabled());
    QTest::keyClicks(sheet->pageTitleTextField(), QStringLiteral("Welcome"));
    EXPECT_EQ(name->text(), QStringLiteral("index"));

    clickBox(base);
    EXPECT_EQ(name->text(), QStringLiteral("basetemplate"));
    EXPECT_FALSE(launch->isChecked());
    clickBox(base);
    EXPECT_EQ(name->text(), QStringLiteral("basetemplate"));

    // Unchecking the launch page still switches to typed names and clears the base template.
    clickBox(launch);
    base->setChecked(true);
    sheet->fileNameGenerationSegmentedControl()->setSelectedSegment(0);
    clickBox(launch);
    EXPECT_FALSE(launch->isChecked());
    EXPECT_FALSE(base->isChecked());
    EXPECT_EQ(sheet->fileNameGenerationSegmentedControl()->selectedSegment(), 1);
}

TEST_F(AddNewPageSheetTest, AddingMakesThePageFromTheTitleAndOpensIt)
{
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->pageFileNameTextField()->text(), QStringLiteral("page2"));
    EXPECT_EQ(sheet->addNewPageButton()->text(), QStringLiteral("Add"));
    EXPECT_FALSE(sheet->chooseTemplateButton()->isVisible());
    EXPECT_EQ(sheet->chooseTemplateButton()->text(), QStringLiteral("Choose a Template"));
    EXPECT_EQ(sheet->cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(sheet->applyBaseTemplateCheckbox()->isVisible());

    QTest::keyClicks(sheet->pageTitleTextField(), QStringLiteral("Our Team"));
    QTest::mouseClick(sheet->addNewPageButton(), Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
    const QString added = QDir(site).filePath(QStringLiteral("OurTeam.velkpage"));
    ASSERT_TRUE(QFileInfo::exists(added));
    EXPECT_TRUE(pageFileOf(added).contains(QStringLiteral("<!--PAGETITLESTART==Our Team==PAGETITLEEND-->")));
    EXPECT_EQ(window->document()->fileLocation(), added);
    EXPECT_TRUE(alerts.records().isEmpty());

    // The same name again is refused and the sheet stays closed.
    window->showAddNewPageWindow();
    QTest::keyClicks(window->addNewPageViewController()->pageTitleTextField(), QStringLiteral("Our Team"));
    QTest::mouseClick(window->addNewPageViewController()->addNewPageButton(), Qt::LeftButton);
    EXPECT_EQ(alerts.messages(), QStringList({"File Name Conflict"}));
    EXPECT_FALSE(window->addNewPageViewController()->isVisible());

    // Cancel closes the sheet and adds nothing.
    window->showAddNewPageWindow();
    const int pages = int(window->siteIconArray().size());
    QTest::mouseClick(window->addNewPageViewController()->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(window->addNewPageViewController()->isVisible());
    EXPECT_EQ(window->siteIconArray().size(), pages);
}

TEST_F(AddNewPageTest, EachSetUpFillsTheSheetAsItsKindOfPageNeeds)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    SKTWindowController& window = openWebsite();

    window.showAddBaseTemplateWindow();
    AddNewPageViewController& base = sheetOf(window);
    EXPECT_EQ(base.pageTitleTextField()->text(), QStringLiteral("Base Template"));
    EXPECT_FALSE(base.pageTitleTextField()->isEnabled());
    EXPECT_EQ(base.pageFileNameTextField()->text(), QStringLiteral("basetemplate"));
    EXPECT_FALSE(base.mainLaunchpageCheckbox()->isVisible());
    EXPECT_FALSE(base.mainLaunchpageCheckbox()->isChecked());
    EXPECT_FALSE(base.fileNameGenerationSegmentedControl()->isVisible());
    EXPECT_FALSE(base.applyBaseTemplateCheckbox()->isVisible());
    EXPECT_TRUE(base.chooseTemplateButton()->isVisible());
    EXPECT_EQ(base.addNewPageButton()->text(), QStringLiteral("Add Blank"));
    EXPECT_EQ(base.selectedTemplateName(), QStringLiteral("Blank.velkpage"));
    EXPECT_EQ(base.selectedTemplateCategoryFolder(), QStringLiteral("blank"));
    QTest::mouseClick(base.addNewPageButton(), Qt::LeftButton);
    EXPECT_TRUE(window.baseTemplateExists());

    // With a base template, new pages follow it unless the user says no; a template page as the sheet has it.
    window.showAddNewPageWindow();
    EXPECT_TRUE(sheetOf(window).applyBaseTemplateCheckbox()->isVisible());
    EXPECT_TRUE(sheetOf(window).applyBaseTemplateCheckbox()->isChecked());
    window.showAddNewFromTemplateWindow();
    AddNewPageViewController& fromTemplate = sheetOf(window);
    EXPECT_TRUE(fromTemplate.applyBaseTemplateCheckbox()->isVisible());
    EXPECT_FALSE(fromTemplate.applyBaseTemplateCheckbox()->isChecked());
    EXPECT_FALSE(fromTemplate.addNewPageButton()->isVisible());
    EXPECT_TRUE(fromTemplate.chooseTemplateButton()->isVisible());
    window.cancelAddNewPageWindowControllerSheet();

    // Adding the base template again is a name conflict.
    window.showAddBaseTemplateWindow();
    QTest::mouseClick(sheetOf(window).addNewPageButton(), Qt::LeftButton);
    ASSERT_EQ(alerts.messages(), QStringList({"File Name Conflict"}));
    EXPECT_EQ(alerts.records()[0].informative,
              QStringLiteral("Sorry a file named \"basetemplate\" already exists at this location."));

    DataCentre::mutableProfile().hideMainLaunchPageOption = true;
    window.showAddNewPageWindow();
    EXPECT_FALSE(sheetOf(window).mainLaunchpageCheckbox()->isVisible());
    window.showAddNewFormWindow();
    EXPECT_TRUE(sheetOf(window).mainLaunchpageCheckbox()->isVisible());
    window.cancelAddNewPageWindowControllerSheet();
}

TEST_F(AddNewPageTest, AFormPageComesFromTheFormsCategoryExceptInTheFormProduct)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    makePageDocument(QDir(bundle).filePath(QStringLiteral("templates/forms")), QStringLiteral("Blank"),
                     QStringLiteral("Form"), {}, QStringLiteral("quarnel"));
    SKTWindowController& window = openWebsite();
    for (const auto& [product, category] :
         {std::pair{"Quarnel Pro", "blank"}, std::pair{"Quarnel Pro 2", "forms"},
          std::pair{"HTML Velk Pro", "forms"}}) {
        DataCentre::mutableProfile().productDisplayName = QString::fromLatin1(product);
        window.showAddNewFormWindow();
        EXPECT_EQ(sheetOf(window).selectedTemplateCategoryFolder(), QString::fromLatin1(category)) << product;
        EXPECT_EQ(sheetOf(window).pageFileType(), QStringLiteral("quarnel"));
        EXPECT_EQ(sheetOf(window).selectedTemplateName(), QStringLiteral("Blank.quarnel"));
        EXPECT_EQ(sheetOf(window).addNewPageButton()->text(), QStringLiteral("Add Form"));
        window.cancelAddNewPageWindowControllerSheet();
    }
    window.showAddNewFormWindow();
    QTest::mouseClick(sheetOf(window).addNewPageButton(), Qt::LeftButton);
    const QString added = QDir(site).filePath(QStringLiteral("page2.quarnel"));
    ASSERT_TRUE(QFileInfo::exists(added));
    EXPECT_EQ(window.document()->fileLocation(), added);
    EXPECT_TRUE(alerts.records().isEmpty()) << alerts.messages().join(u'|').toStdString();
}

TEST_F(AddNewPageTest, APageStraightFromTheTemplateChooserTakesTheDefaultName)
{
    page(QStringLiteral("index"), QStringLiteral("Home"));
    makePageDocument(QDir(bundle).filePath(QStringLiteral("templates/business")), QStringLiteral("Shop"),
                     QStringLiteral("Shop Template"));
    SKTWindowController& window = openWebsite();
    QStringList sent;
    SKTWindowController::setActionSender([&](const QString& action) { sent.append(action); });

    window.addNewDirectlyFromTemplate();
    EXPECT_EQ(sent, QStringList({"showTemplate"}));
    EXPECT_FALSE(sheetOf(window).isVisible());
    window.saveNewPageAndChooseTemplate(QStringLiteral("Shop.velkpage"), QStringLiteral("business"));
    const QString added = QDir(site).filePath(QStringLiteral("page2.velkpage"));
    ASSERT_TRUE(QFileInfo::exists(added));
    EXPECT_TRUE(pageFileOf(added).contains(QStringLiteral("==PAGETITLEEND-->")));
    EXPECT_EQ(window.document()->fileLocation(), added);

    // The sheet's own button asks for the chooser the same way.
    window.showAddNewFromTemplateWindow();
    QTest::mouseClick(sheetOf(window).chooseTemplateButton(), Qt::LeftButton);
    EXPECT_EQ(sent, QStringList({"showTemplate", "showTemplate"}));
    sheetOf(window).pageFileNameTextField()->setText(QStringLiteral("store"));
    window.saveNewPageAndChooseTemplate(QStringLiteral("Shop.velkpage"), QStringLiteral("business"));
    EXPECT_TRUE(QFileInfo::exists(QDir(site).filePath(QStringLiteral("store.velkpage"))));
    EXPECT_FALSE(sheetOf(window).isVisible());
    SKTWindowController::setActionSender({});
}

} // namespace
