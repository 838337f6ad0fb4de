#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SegmentedControl;
class VelkNSTextField;

// The link popover's content: the link, the window it opens in, whether it is a text or a shape link, a
// pop-up of the site's pages that fills the link, the elements shown and hidden on a click, and the save
// button. The canvas fills the controls and connects the button and the pop-up each time it opens it.
class HyperLinkViewController : public QWidget {
    Q_OBJECT

public:
    explicit HyperLinkViewController(QWidget* parent = nullptr);

    VelkNSTextField* linkTextbox() const { return m_linkTextbox; }
    QPushButton* saveLinkButton() const { return m_saveLinkButton; }
    // Segments "_self", "_blank", "_parent".
    SegmentedControl* linkOptionSegmentedControl() const { return m_linkOptionSegmentedControl; }
    QLabel* linkOptionTextLabel() const { return m_linkOptionTextLabel; }
    // Segments "text", "shape".
    SegmentedControl* linkTypeSegmentedControl() const { return m_linkTypeSegmentedControl; }
    QLabel* applyLinkTextLabel() const { return m_applyLinkTextLabel; }
    QComboBox* selectPagePopButton() const { return m_selectPagePopButton; }
    QLineEdit* onClickShowTextField() const { return m_onClickShowTextField; }
    QLineEdit* onClickHideTextField() const { return m_onClickHideTextField; }

    // The on-click fields and their labels, which the canvas shows only in the responsive designer.
    void setOnClickFieldsVisible(bool visible);

private:
    VelkNSTextField* m_linkTextbox;
    QPushButton* m_saveLinkButton;
    SegmentedControl* m_linkOptionSegmentedControl;
    QLabel* m_linkOptionTextLabel;
    SegmentedControl* m_linkTypeSegmentedControl;
    QLabel* m_applyLinkTextLabel;
    QComboBox* m_selectPagePopButton;
    QLineEdit* m_onClickShowTextField;
    QLineEdit* m_onClickHideTextField;
    QList<QWidget*> m_onClickRow;
};
