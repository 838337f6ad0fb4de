#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class SegmentedControl;

// The canvas size sheet: automatic size (segment 0, the size fields shown but disabled) or a fixed width
// and height of the page (segment 1). The window wires its buttons and reads the fields.
class AdjustCanvasSizeWindowController : public QDialog {
    Q_OBJECT

public:
    explicit AdjustCanvasSizeWindowController(QWidget* parent = nullptr);

    SegmentedControl* adjustmentSegmentedControl() const { return m_adjustmentSegmentedControl; }
    QLineEdit* widthTextField() const { return m_widthTextField; }
    QLineEdit* heightTextField() const { return m_heightTextField; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

    // The size fields take input only for a fixed size.
    void updateTypeOfCanvasSize();

private:
    SegmentedControl* m_adjustmentSegmentedControl;
    QLineEdit* m_widthTextField;
    QLineEdit* m_heightTextField;
    QPushButton* m_saveButton;
    QPushButton* m_cancelButton;
};
