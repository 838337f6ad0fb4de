#include "canvas/dialogs/PrintSettingsWindowController.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

PrintSettingsWindowController::PrintSettingsWindowController(QWidget* parent)
    : QDialog(parent)
    , m_startingRowSpotTextField(new QLineEdit(this))
    , m_startingColumnSpotTextField(new QLineEdit(this))
    , m_saveButton(new QPushButton(tr("Save"), this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("PrintSettingsWindowController"));
    setWindowTitle(tr("Print Settings"));
    setWindowModality(Qt::WindowModal);
    m_startingRowSpotTextField->setObjectName(QStringLiteral("startingRowSpotTextField"));
    m_startingColumnSpotTextField->setObjectName(QStringLiteral("startingColumnSpotTextField"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    // Whole numbers as the program reads them back, whatever the user's locale.
    for (QLineEdit* field : {m_startingRowSpotTextField, m_startingColumnSpotTextField}) {
        auto* wholeNumbers = new QIntValidator(field);
        wholeNumbers->setLocale(QLocale::c());
        field->setValidator(wholeNumbers);
    }
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    auto* note = new QLabel(tr("Start printing at this label of a partly used sheet:"), this);
    note->setWordWrap(true);
    form->addRow(note);
    form->addRow(tr("Starting Row:"), m_startingRowSpotTextField);
    form->addRow(tr("Starting Column:"), m_startingColumnSpotTextField);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_saveButton);
    m_saveButton->setDefault(true);
    form->addRow(buttons);
}
