#include "window/sheets/PageNumberWindowController.h"

#include "window/sheets/SheetLayout.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

PageNumberWindowController::PageNumberWindowController(QWidget* parent)
    : QDialog(parent)
    , m_pageTitleTextField(new QLineEdit(this))
    , m_pageFileNameTextField(new QLineEdit(this))
    , m_saveButton(new QPushButton(tr("Save"), this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("PageNumberWindowController"));
    m_pageTitleTextField->setObjectName(QStringLiteral("pageTitleTextField"));
    m_pageFileNameTextField->setObjectName(QStringLiteral("pageFileNameTextField"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    // The file name is shown for reference; the sheet does not rename the page.
    m_pageFileNameTextField->setReadOnly(true);

    auto* form = SheetLayout::begin(*this);
    form->addRow(tr("Page Title:"), m_pageTitleTextField);
    form->addRow(tr("File Name:"), m_pageFileNameTextField);
    SheetLayout::addButtons(*form, *m_cancelButton, *m_saveButton);
}
