#pragma once

#include <QWidget>

class QComboBox;
class QPushButton;

// The branch popover's content: the number of branches, the size of a branch box against its source, the
// distance from the centre, the style of the connecting lines and the angle swept, and the add button.
// The canvas fills the pop-ups and connects the button each time it opens the popover.
class MultiplyViewController : public QWidget {
    Q_OBJECT

public:
    explicit MultiplyViewController(QWidget* parent = nullptr);

    QComboBox* popupButton() const { return m_popupButton; }
    QComboBox* sizePopUpButton() const { return m_sizePopUpButton; }
    QComboBox* distancePopUpButton() const { return m_distancePopUpButton; }
    QComboBox* lineTypePopUpButton() const { return m_lineTypePopUpButton; }
    QComboBox* degreePopUpButton() const { return m_degreePopUpButton; }
    QPushButton* addButton() const { return m_addButton; }

private:
    QComboBox* m_popupButton;
    QComboBox* m_sizePopUpButton;
    QComboBox* m_distancePopUpButton;
    QComboBox* m_lineTypePopUpButton;
    QComboBox* m_degreePopUpButton;
    QPushButton* m_addButton;
};
