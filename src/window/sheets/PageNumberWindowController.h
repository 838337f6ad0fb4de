#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The page title sheet: the page's title to edit, and its file name, shown only.
class PageNumberWindowController : public QDialog {
    Q_OBJECT

public:
    explicit PageNumberWindowController(QWidget* parent = nullptr);

    QLineEdit* pageTitleTextField() const { return m_pageTitleTextField; }
    QLineEdit* pageFileNameTextField() const { return m_pageFileNameTextField; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

private:
    QLineEdit* m_pageTitleTextField;
    QLineEdit* m_pageFileNameTextField;
    QPushButton* m_saveButton;
    QPushButton* m_cancelButton;
};
