#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

// The window in which the user sets a table's grid: the column and row counts, the spacing between cells,
// each column's width and each row's height with their "Fixed" marks, and whether all columns (rows) share
// one width (height). It only holds the controls: the canvas fills them from the selected table, receives
// their actions and writes the values back on Save. Products without per-column sizes
// (`sameWidthTableColumns` off) see only the counts, the spacing and Save.
class TableGridWindowController : public QDialog {
    Q_OBJECT

public:
    explicit TableGridWindowController(QWidget* parent = nullptr);

    QLineEdit* numOfColumnsTextField() const { return m_numOfColumnsTextField; }
    QLineEdit* numOfRowsTextField() const { return m_numOfRowsTextField; }
    QLineEdit* spacingTextField() const { return m_spacingTextField; }
    QSlider* spacingSlider() const { return m_spacingSlider; }
    QPushButton* saveButton() const { return m_saveButton; }
    QSpinBox* columnStepper() const { return m_columnStepper; }
    QSpinBox* rowStepper() const { return m_rowStepper; }
    QComboBox* columnWidthPopUpButton() const { return m_columnWidthPopUpButton; }
    QCheckBox* fixedWidthCheckmark() const { return m_fixedWidthCheckmark; }
    QLineEdit* widthTextField() const { return m_widthTextField; }
    QComboBox* rowHeightPopUpButton() const { return m_rowHeightPopUpButton; }
    QCheckBox* fixedHeightCheckmark() const { return m_fixedHeightCheckmark; }
    QLineEdit* heightTextField() const { return m_heightTextField; }
    QLabel* columnWidthLabel() const { return m_columnWidthLabel; }
    QLabel* rowHeightLabel() const { return m_rowHeightLabel; }
    QCheckBox* sameHeightForAllRowsCheckmark() const { return m_sameHeightForAllRowsCheckmark; }
    QCheckBox* sameWidthForAllColumnsCheckmark() const { return m_sameWidthForAllColumnsCheckmark; }

private:
    void windowDidLoad();

    QLineEdit* m_numOfColumnsTextField;
    QLineEdit* m_numOfRowsTextField;
    QLineEdit* m_spacingTextField;
    QSlider* m_spacingSlider;
    QPushButton* m_saveButton;
    QSpinBox* m_columnStepper;
    QSpinBox* m_rowStepper;
    QComboBox* m_columnWidthPopUpButton;
    QCheckBox* m_fixedWidthCheckmark;
    QLineEdit* m_widthTextField;
    QComboBox* m_rowHeightPopUpButton;
    QCheckBox* m_fixedHeightCheckmark;
    QLineEdit* m_heightTextField;
    QLabel* m_columnWidthLabel;
    QLabel* m_rowHeightLabel;
    QCheckBox* m_sameHeightForAllRowsCheckmark;
    QCheckBox* m_sameWidthForAllColumnsCheckmark;
};
