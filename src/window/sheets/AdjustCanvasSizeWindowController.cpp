#include "window/sheets/AdjustCanvasSizeWindowController.h"

#include "platform/SegmentedControl.h"
#include "window/sheets/SheetLayout.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

AdjustCanvasSizeWindowController::AdjustCanvasSizeWindowController(QWidget* parent)
    : QDialog(parent)
    , m_adjustmentSegmentedControl(new SegmentedControl({tr("Automatic"), tr("Fixed Size")}, this))
    , m_widthTextField(new QLineEdit(this))
    , m_heightTextField(new QLineEdit(this))
    , m_saveButton(new QPushButton(tr("Save"), this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("AdjustCanvasSizeWindowController"));
    m_adjustmentSegmentedControl->setObjectName(QStringLiteral("adjustmentSegmentedControl"));
    m_widthTextField->setObjectName(QStringLiteral("widthTextField"));
    m_heightTextField->setObjectName(QStringLiteral("heightTextField"));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto* form = SheetLayout::begin(*this);
    form->addRow(m_adjustmentSegmentedControl);
    form->addRow(tr("Width:"), m_widthTextField);
    form->addRow(tr("Height:"), m_heightTextField);
    SheetLayout::addButtons(*form, *m_cancelButton, *m_saveButton);
    connect(m_adjustmentSegmentedControl, &SegmentedControl::activated, this,
            &AdjustCanvasSizeWindowController::updateTypeOfCanvasSize);
}

void AdjustCanvasSizeWindowController::updateTypeOfCanvasSize()
{
    const bool fixed = m_adjustmentSegmentedControl->selectedSegment() != 0;
    for (QLineEdit* field : {m_widthTextField, m_heightTextField}) {
        field->setReadOnly(!fixed);
        field->setEnabled(fixed);
    }
}
