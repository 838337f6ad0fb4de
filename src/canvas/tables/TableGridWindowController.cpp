#include "canvas/tables/TableGridWindowController.h"

#include "canvas/dialogs/GridControls.h"
#include "profile/DataCentre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {

// The window is dark so that its white check-box titles read.
const char* const kLook = "TableGridWindowController { background-color: #3c3c3c; }"
                          "QLabel, QCheckBox { color: white; }";

} // namespace

using namespace GridControls;

TableGridWindowController::TableGridWindowController(QWidget* parent)
    : QDialog(parent)
    , m_numOfColumnsTextField(numberField("numOfColumnsTextField"))
    , m_numOfRowsTextField(numberField("numOfRowsTextField"))
    , m_spacingTextField(numberField("spacingTextField"))
    , m_spacingSlider(named(new QSlider(Qt::Horizontal), "spacingSlider"))
    , m_saveButton(named(new QPushButton(tr("Save")), "saveButton"))
    , m_columnStepper(stepper("columnStepper"))
    , m_rowStepper(stepper("rowStepper"))
    , m_columnWidthPopUpButton(named(new QComboBox, "columnWidthPopUpButton"))
    , m_fixedWidthCheckmark(named(new QCheckBox, "fixedWidthCheckmark"))
    , m_widthTextField(numberField("widthTextField"))
    , m_rowHeightPopUpButton(named(new QComboBox, "rowHeightPopUpButton"))
    , m_fixedHeightCheckmark(named(new QCheckBox, "fixedHeightCheckmark"))
    , m_heightTextField(numberField("heightTextField"))
    , m_columnWidthLabel(named(new QLabel(tr("Column Width:")), "columnWidthLabel"))
    , m_rowHeightLabel(named(new QLabel(tr("Row Height:")), "rowHeightLabel"))
    , m_sameHeightForAllRowsCheckmark(named(new QCheckBox, "sameHeightForAllRowsCheckmark"))
    , m_sameWidthForAllColumnsCheckmark(named(new QCheckBox, "sameWidthForAllColumnsCheckmark"))
{
    setObjectName(QStringLiteral("TableGridWindowController"));
    setStyleSheet(QLatin1String(kLook));
    m_saveButton->setDefault(true);

    auto* grid = new QGridLayout(this);
    GridControls::addCountAndSpacingRows(*grid, m_numOfColumnsTextField, m_columnStepper, m_numOfRowsTextField,
                                         m_rowStepper, m_spacingTextField, m_spacingSlider, 3);
    grid->addWidget(m_columnWidthLabel, 3, 0);
    grid->addWidget(m_columnWidthPopUpButton, 3, 1, 1, 2);
    grid->addWidget(m_widthTextField, 3, 3);
    grid->addWidget(m_fixedWidthCheckmark, 3, 4);
    grid->addWidget(m_rowHeightLabel, 4, 0);
    grid->addWidget(m_rowHeightPopUpButton, 4, 1, 1, 2);
    grid->addWidget(m_heightTextField, 4, 3);
    grid->addWidget(m_fixedHeightCheckmark, 4, 4);
    grid->addWidget(m_sameWidthForAllColumnsCheckmark, 5, 0, 1, 5);
    grid->addWidget(m_sameHeightForAllRowsCheckmark, 6, 0, 1, 5);
    grid->addWidget(m_saveButton, 7, 4);
    grid->setColumnStretch(2, 1);
    windowDidLoad();
}

void TableGridWindowController::windowDidLoad()
{
    if (!DataCentre::profile().sameWidthTableColumns) {
        for (QWidget* control : std::initializer_list<QWidget*>{
                 m_columnWidthPopUpButton, m_fixedWidthCheckmark, m_widthTextField, m_rowHeightPopUpButton,
                 m_fixedHeightCheckmark, m_heightTextField, m_columnWidthLabel, m_rowHeightLabel,
                 m_sameWidthForAllColumnsCheckmark, m_sameHeightForAllRowsCheckmark})
            control->hide();
    }
    m_sameWidthForAllColumnsCheckmark->setText(tr("Make all columns the same width"));
    m_sameHeightForAllRowsCheckmark->setText(tr("Make all rows the same height"));
}
