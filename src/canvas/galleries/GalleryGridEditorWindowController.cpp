#include "canvas/galleries/GalleryGridEditorWindowController.h"

#include "canvas/dialogs/GridControls.h"
#include "platform/SegmentedControl.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

using namespace GridControls;

GalleryGridEditorWindowController::GalleryGridEditorWindowController(QWidget* parent)
    : QDialog(parent)
    , m_numOfColumnsTextField(numberField("numOfColumnsTextField"))
    , m_numOfRowsTextField(numberField("numOfRowsTextField"))
    , m_spacingTextField(numberField("spacingTextField"))
    , m_saveButton(named(new QPushButton(tr("Save")), "saveButton"))
    , m_spacingSlider(named(new QSlider(Qt::Horizontal), "spacingSlider"))
    , m_shadowSegmentedControl(named(new SegmentedControl({tr("Off"), tr("On")}), "shadowSegmentedControl"))
    , m_backdropSegmentedControl(
          named(new SegmentedControl({tr("Light"), tr("Dark"), tr("Clear")}), "backdropSegmentedControl"))
    , m_columnStepper(stepper("columnStepper"))
    , m_rowStepper(stepper("rowStepper"))
{
    setObjectName(QStringLiteral("GalleryGridEditorWindowController"));
    m_saveButton->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Columns:")), 0, 0);
    grid->addWidget(m_numOfColumnsTextField, 0, 1);
    grid->addWidget(m_columnStepper, 0, 2);
    grid->addWidget(new QLabel(tr("Rows:")), 1, 0);
    grid->addWidget(m_numOfRowsTextField, 1, 1);
    grid->addWidget(m_rowStepper, 1, 2);
    grid->addWidget(new QLabel(tr("Spacing:")), 2, 0);
    grid->addWidget(m_spacingTextField, 2, 1);
    grid->addWidget(m_spacingSlider, 2, 2, 1, 2);
    grid->addWidget(new QLabel(tr("Shadow:")), 3, 0);
    grid->addWidget(m_shadowSegmentedControl, 3, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Backdrop:")), 4, 0);
    grid->addWidget(m_backdropSegmentedControl, 4, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(m_saveButton, 5, 3, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
}
