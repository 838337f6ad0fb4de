#include "window/sheets/AddNewPageViewController.h"

#include "document/reading/StringServices.h"
#include "platform/SegmentedControl.h"
#include "platform/StringsTable.h"
#include "profile/ProductSelection.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kLocalizable = QStringLiteral("Localizable");
const QString kTitleLabel = QStringLiteral("Page Title:");
const QString kFileNameLabel = QStringLiteral("File Name:");
const QString kChooseTemplate = QStringLiteral("Choose a Template");
const QString kCancel = QStringLiteral("Cancel");
constexpr int kFieldWidth = 280;

QString localized(const QString& text)
{
    return StringsTable::localizedString(text, text, kLocalizable);
}

template <typename Control> Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

AddNewPageViewController::AddNewPageViewController(QWidget* parent)
    : QDialog(parent)
    , m_titleLabel(named(new QLabel(kTitleLabel, this), "titleLabel"))
    , m_fileNameLabel(named(new QLabel(kFileNameLabel, this), "fileNameLabel"))
    , m_pageTitleTextField(named(new QLineEdit(this), "pageTitleTextField"))
    , m_pageFileNameTextField(named(new QLineEdit(this), "pageFileNameTextField"))
    , m_fileNameGenerationSegmentedControl(named(new SegmentedControl({tr("From Title"), tr("Custom")}, this),
                                                 "fileNameGenerationSegmentedControl"))
    , m_mainLaunchpageCheckbox(named(new QCheckBox(tr("Main launch page"), this), "mainLaunchpageCheckbox"))
    , m_baseTemplateCheckbox(named(new QCheckBox(tr("Base template"), this), "baseTemplateCheckbox"))
    , m_applyBaseTemplateCheckbox(
          named(new QCheckBox(tr("Apply base template"), this), "applyBaseTemplateCheckbox"))
    , m_chooseTemplateButton(named(new QPushButton(this), "chooseTemplateButton"))
    , m_cancelButton(named(new QPushButton(this), "cancelButton"))
    , m_addNewPageButton(named(new QPushButton(tr("Add"), this), "addNewPageButton"))
{
    setObjectName(QStringLiteral("AddNewPageViewController"));
    setWindowTitle(tr("Add New Page"));
    setWindowModality(Qt::WindowModal);
    m_pageTitleTextField->setMinimumWidth(kFieldWidth);
    m_fileNameGenerationSegmentedControl->setSelectedSegment(kNameFromTitleSegment);

    auto* form = new QFormLayout(this);
    form->addRow(m_titleLabel, m_pageTitleTextField);
    form->addRow(nullptr, m_fileNameGenerationSegmentedControl);
    form->addRow(m_fileNameLabel, m_pageFileNameTextField);
    form->addRow(nullptr, m_mainLaunchpageCheckbox);
    form->addRow(nullptr, m_baseTemplateCheckbox);
    form->addRow(nullptr, m_applyBaseTemplateCheckbox);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_chooseTemplateButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_addNewPageButton);
    m_addNewPageButton->setDefault(true);
    form->addRow(buttons);
    windowDidLoad();
}

void AddNewPageViewController::windowDidLoad()
{
    m_titleLabel->setText(localized(kTitleLabel));
    m_fileNameLabel->setText(localized(kFileNameLabel));
}

void AddNewPageViewController::basicSetup()
{
    // The window may set the sheet up again; its controls stay connected once.
    if (!m_setUp) {
        m_setUp = true;
        connect(m_pageTitleTextField, &QLineEdit::textEdited, this,
                [this] { controlTextDidChange(m_pageTitleTextField); });
        connect(m_pageFileNameTextField, &QLineEdit::textEdited, this,
                [this] { controlTextDidChange(m_pageFileNameTextField); });
        connect(m_fileNameGenerationSegmentedControl, &SegmentedControl::activated, this,
                &AddNewPageViewController::setFileNameGenerationType);
        connect(m_mainLaunchpageCheckbox, &QCheckBox::clicked, this,
                &AddNewPageViewController::setDefaultLaunch);
        connect(m_baseTemplateCheckbox, &QCheckBox::clicked, this,
                &AddNewPageViewController::setBaseTemplate);
    }
    setFileNameGenerationType();
    m_chooseTemplateButton->setText(localized(kChooseTemplate));
    m_cancelButton->setText(localized(kCancel));
}

void AddNewPageViewController::setFileNameGenerationType()
{
    m_pageFileNameTextField->setEnabled(m_fileNameGenerationSegmentedControl->selectedSegment() ==
                                        kTypedNameSegment);
}

void AddNewPageViewController::setDefaultLaunch()
{
    if (m_mainLaunchpageCheckbox->isChecked())
        m_pageFileNameTextField->setText(kLaunchPageName);
    m_fileNameGenerationSegmentedControl->setSelectedSegment(kTypedNameSegment);
    setFileNameGenerationType();
    m_baseTemplateCheckbox->setChecked(false);
}

void AddNewPageViewController::setBaseTemplate()
{
    if (m_baseTemplateCheckbox->isChecked())
        m_pageFileNameTextField->setText(QString(DataCentre::kBaseTemplateName));
    m_mainLaunchpageCheckbox->setChecked(false);
}

void AddNewPageViewController::controlTextDidChange(QLineEdit* field)
{
    if (field != m_pageTitleTextField || m_pageTitleTextField->text().isEmpty() ||
        m_fileNameGenerationSegmentedControl->selectedSegment() != kNameFromTitleSegment)
        return;
    m_pageFileNameTextField->setText(DataCentre::generateNewFileName(m_pageTitleTextField->text()));
}
