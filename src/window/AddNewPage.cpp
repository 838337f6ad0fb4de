#include "window/SKTWindowController.h"

#include "document/core/SKTDocument.h"
#include "platform/Alert.h"
#include "platform/SegmentedControl.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "window/pages/PageNames.h"
#include "window/pages/ProjectFolder.h"
#include "window/sheets/AddNewPageViewController.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

// The add-new sheet as the window sets it up for each kind of new page, the checks of the name the user
// gives, and the hand-over to the page creation.

namespace {

const QString kBlankTemplate = QStringLiteral("Blank");
const QString kBlankCategory = QStringLiteral("blank");
const QString kFormsCategory = QStringLiteral("forms");
const QString kFormProduct = QStringLiteral("Quarnel Pro");
const QString kBaseTemplateTitle = QStringLiteral("Base Template");
const QString kShowTemplate = QStringLiteral("showTemplate");
const QString kOK = QStringLiteral("OK");
// The answer that ends a sheet, whichever button closed it.
constexpr int kSheetReturnCode = 1;

// What apply-base-template shows while the project has a base template; without one it is hidden.
enum class ApplyBaseTemplate { On, AsTheSheetHasIt, Hidden };

// How one set-up fills the sheet.
struct SheetSetup {
    bool saveFirst;
    bool formPage;
    bool baseTemplate;
    bool chooseTemplateShown;
    const char* addTitle; // none hides the add button
    bool launchPageHiddenByProduct;
    ApplyBaseTemplate apply;
};

SheetSetup setupFor(SKTWindowController::AddNewSetup setup)
{
    using S = SKTWindowController::AddNewSetup;
    switch (setup) {
    case S::FromTemplate:
        return {true, false, false, true, nullptr, true, ApplyBaseTemplate::AsTheSheetHasIt};
    case S::FormPage:
        return {true, true, false, false, "Add Form", false, ApplyBaseTemplate::On};
    case S::BaseTemplate:
        return {false, false, true, true, "Add Blank", false, ApplyBaseTemplate::Hidden};
    case S::BlankPage:
        break;
    }
    return {true, false, false, false, "Add", true, ApplyBaseTemplate::On};
}

SKTWindowController::ActionSender& actionSender()
{
    static SKTWindowController::ActionSender sender;
    return sender;
}

} // namespace

void SKTWindowController::setActionSender(ActionSender sender)
{
    actionSender() = std::move(sender);
}

// ---- Set-ups

void SKTWindowController::showAddNewPageWindow()
{
    showAddNewSheet(AddNewSetup::BlankPage);
}

void SKTWindowController::showAddNewFromTemplateWindow()
{
    showAddNewSheet(AddNewSetup::FromTemplate);
}

void SKTWindowController::showAddNewFormWindow()
{
    showAddNewSheet(AddNewSetup::FormPage);
}

void SKTWindowController::showAddBaseTemplateWindow()
{
    showAddNewSheet(AddNewSetup::BaseTemplate);
}

void SKTWindowController::showAddNewSheet(AddNewSetup kind)
{
    const ProductProfile& profile = DataCentre::profile();
    const SheetSetup setup = setupFor(kind);
    if (setup.saveFirst && !saveOpenPage())
        return;
    if (m_addNewPageViewController)
        m_addNewPageViewController->deleteLater();
    auto* sheet = new AddNewPageViewController(this);
    m_addNewPageViewController = sheet;
    sheet->open();
    sheet->basicSetup();

    const QString fileType =
        setup.formPage ? QString(ProjectFolder::kFormDocumentExtension) : profile.documentExtension;
    sheet->setPageFileType(fileType);
    sheet->setSelectedTemplateName(kBlankTemplate + u'.' + fileType);
    sheet->setSelectedTemplateCategoryFolder(
        setup.formPage && profile.productDisplayName != kFormProduct ? kFormsCategory : kBlankCategory);
    if (setup.baseTemplate) {
        sheet->pageTitleTextField()->setText(kBaseTemplateTitle);
        sheet->pageTitleTextField()->setReadOnly(true);
        sheet->pageTitleTextField()->setEnabled(false);
        sheet->pageFileNameTextField()->setText(QString(DataCentre::kBaseTemplateName));
        sheet->fileNameGenerationSegmentedControl()->hide();
    } else {
        sheet->pageTitleTextField()->clear();
        sheet->pageFileNameTextField()->setText(generateDefaultPageName());
    }
    sheet->mainLaunchpageCheckbox()->setChecked(false);
    sheet->mainLaunchpageCheckbox()->setVisible(
        !setup.baseTemplate && !(setup.launchPageHiddenByProduct && profile.hideMainLaunchPageOption));
    sheet->baseTemplateCheckbox()->setChecked(false);
    sheet->chooseTemplateButton()->setVisible(setup.chooseTemplateShown);
    sheet->addNewPageButton()->setVisible(setup.addTitle != nullptr);
    if (setup.addTitle)
        sheet->addNewPageButton()->setText(tr(setup.addTitle));

    QCheckBox* apply = sheet->applyBaseTemplateCheckbox();
    const bool applyShown = setup.apply != ApplyBaseTemplate::Hidden && baseTemplateExists();
    apply->setVisible(applyShown);
    if (applyShown && setup.apply == ApplyBaseTemplate::On)
        apply->setChecked(true);

    // Hidden controls leave no room behind.
    sheet->adjustSize();
    connect(sheet->cancelButton(), &QPushButton::clicked, this,
            &SKTWindowController::cancelAddNewPageWindowControllerSheet);
    connect(sheet->addNewPageButton(), &QPushButton::clicked, this, &SKTWindowController::saveNewPage);
    connect(sheet->chooseTemplateButton(), &QPushButton::clicked, this, [] {
        if (actionSender())
            actionSender()(kShowTemplate);
    });
}

void SKTWindowController::prepareDirectAddNewPage(const QString& fileName)
{
    if (m_addNewPageViewController)
        m_addNewPageViewController->deleteLater();
    m_addNewPageViewController = new AddNewPageViewController(this);
    m_addNewPageViewController->setDirectlySelectFileName(fileName);
    m_addNewPageViewController->setPageFileType(DataCentre::profile().documentExtension);
}

void SKTWindowController::addNewDirectlyFromTemplate()
{
    prepareDirectAddNewPage(generateDefaultPageName());
    if (actionSender())
        actionSender()(kShowTemplate);
}

void SKTWindowController::saveNewPageAndChooseTemplate(const QString& templateFileName,
                                                       const QString& categoryFolder)
{
    // The chooser was reached without a sheet of this window: the page takes the default name.
    if (!m_addNewPageViewController)
        prepareDirectAddNewPage(generateDefaultPageName());
    AddNewPageViewController* sheet = m_addNewPageViewController;
    sheet->setSelectedTemplateName(templateFileName);
    sheet->setSelectedTemplateCategoryFolder(categoryFolder);
    sheet->setPageFileType(QFileInfo(templateFileName).suffix());
    saveNewPage();
}

// ---- Closing and adding

void SKTWindowController::cancelAddNewPageWindowControllerSheet()
{
    if (m_addNewPageViewController && m_addNewPageViewController->isVisible())
        m_addNewPageViewController->done(kSheetReturnCode);
}

void SKTWindowController::saveNewPage()
{
    AddNewPageViewController* sheet = m_addNewPageViewController;
    if (!sheet)
        return;
    cancelAddNewPageWindowControllerSheet();
    const QString typed = sheet->pageFileNameTextField()->text();
    const QString stem = typed.isEmpty() ? sheet->directlySelectFileName() : typed;
    const QString fileName = stem.isEmpty() ? QString() : stem + u'.' + sheet->pageFileType();
    if (!runNewFileCreationChecks(fileName))
        return;
    NewPageChoice choice;
    choice.selectedTemplateCategoryFolder = sheet->selectedTemplateCategoryFolder();
    choice.selectedTemplateName = sheet->selectedTemplateName();
    choice.pageFileType = sheet->pageFileType();
    choice.pageFileName = typed.isEmpty() ? QString() : typed;
    choice.directlySelectFileName = sheet->directlySelectFileName();
    choice.applyBaseTemplate = sheet->applyBaseTemplateCheckbox()->isChecked();
    choice.pageTitle = sheet->pageTitleTextField()->text();
    launchUsingBaseTemplate(choice);
}

bool SKTWindowController::runNewFileCreationChecks(const QString& fileName)
{
    const std::optional<PageNames::Refusal> refusal = PageNames::newFileCreationRefusal(
        m_openWebsiteFolderPath, fileName, DataCentre::profile().documentExtension);
    if (!refusal)
        return true;
    Alert(refusal->message, refusal->informative, {kOK}).runModal(this);
    return false;
}
