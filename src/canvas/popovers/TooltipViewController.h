#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// The tooltip popover's content: the text shown when the pointer rests on an image, and its save button,
// whose receiver the canvas connects.
class TooltipViewController : public QWidget {
    Q_OBJECT

public:
    explicit TooltipViewController(QWidget* parent = nullptr);

    QLineEdit* tooltipTextbox() const { return m_tooltipTextbox; }
    QPushButton* saveButton() const { return m_saveButton; }

private:
    QLineEdit* m_tooltipTextbox;
    QPushButton* m_saveButton;
};
