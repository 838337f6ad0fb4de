#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class SegmentedControl;

// The window "Configure Gallery Grid": the column and row counts with their steppers, the spacing between
// the cells, the shadow of the pictures and the backdrop they open over when clicked. It only holds the
// controls; the canvas's gallery editor fills them and receives their actions.
class GalleryGridEditorWindowController : public QDialog {
    Q_OBJECT

public:
    explicit GalleryGridEditorWindowController(QWidget* parent = nullptr);

    QLineEdit* numOfColumnsTextField() const { return m_numOfColumnsTextField; }
    QLineEdit* numOfRowsTextField() const { return m_numOfRowsTextField; }
    QLineEdit* spacingTextField() const { return m_spacingTextField; }
    QPushButton* saveButton() const { return m_saveButton; }
    QSlider* spacingSlider() const { return m_spacingSlider; }
    // Segment 0 "Off", 1 "On".
    SegmentedControl* shadowSegmentedControl() const { return m_shadowSegmentedControl; }
    // Segment 0 "Light", 1 "Dark", 2 "Clear": the backdrop of a picture enlarged on a click.
    SegmentedControl* backdropSegmentedControl() const { return m_backdropSegmentedControl; }
    QSpinBox* columnStepper() const { return m_columnStepper; }
    QSpinBox* rowStepper() const { return m_rowStepper; }

private:
    QLineEdit* m_numOfColumnsTextField;
    QLineEdit* m_numOfRowsTextField;
    QLineEdit* m_spacingTextField;
    QPushButton* m_saveButton;
    QSlider* m_spacingSlider;
    SegmentedControl* m_shadowSegmentedControl;
    SegmentedControl* m_backdropSegmentedControl;
    QSpinBox* m_columnStepper;
    QSpinBox* m_rowStepper;
};
