#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// A small window holding one link: the text field and the button that applies it, whose receiver the
// caller connects.
class HyperLinkWindowController : public QDialog {
    Q_OBJECT

public:
    explicit HyperLinkWindowController(QWidget* parent = nullptr);

    QLineEdit* linkTextbox() const { return m_linkTextbox; }
    QPushButton* saveLinkButton() const { return m_saveLinkButton; }

private:
    QLineEdit* m_linkTextbox;
    QPushButton* m_saveLinkButton;
};
