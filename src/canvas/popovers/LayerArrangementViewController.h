#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// The layer index popover's content: the z-index that places an object in the generated page regardless
// of its stacking on the canvas, and the save button, whose receiver the canvas connects.
class LayerArrangementViewController : public QWidget {
    Q_OBJECT

public:
    explicit LayerArrangementViewController(QWidget* parent = nullptr);

    QLineEdit* zindexTextbox() const { return m_zindexTextbox; }
    QPushButton* saveButton() const { return m_saveButton; }

private:
    QLineEdit* m_zindexTextbox;
    QPushButton* m_saveButton;
};
