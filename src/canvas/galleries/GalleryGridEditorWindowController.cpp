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
    GridControls::addCountAndSpacingRows(*grid, m_numOfColumnsTextField, m_columnStepper, m_numOfRowsTextField,
                                         m_rowStepper, m_spacingTextField, m_spacingSlider, 2);
    grid->addWidget(new QLabel(tr("Shadow:")), 3, 0);
    grid->addWidget(m_shadowSegmentedControl, 3, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Backdrop:")), 4, 0);
    grid->addWidget(m_backdropSegmentedControl, 4, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(m_saveButton, 5, 3, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
}
