#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The print settings sheet of the label products: on which row and column of a partly used sheet printing
// starts. Both fields take whole numbers only; the canvas fills them and reads them back.
class PrintSettingsWindowController : public QDialog {
    Q_OBJECT

public:
    explicit PrintSettingsWindowController(QWidget* parent = nullptr);

    QLineEdit* startingRowSpotTextField() const { return m_startingRowSpotTextField; }
    QLineEdit* startingColumnSpotTextField() const { return m_startingColumnSpotTextField; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

private:
    QLineEdit* m_startingRowSpotTextField;
    QLineEdit* m_startingColumnSpotTextField;
    QPushButton* m_saveButton;
    QPushButton* m_cancelButton;
};
