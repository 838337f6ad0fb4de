#pragma once

#include <QDialog>

class FlippedNSView;
class QPushButton;

// The floating sheet the inspector's larger pickers run on the document window: the picker's view goes
// into mainView, and cancelButton ends the sheet unless the picker points it elsewhere.
class FloatWindowController : public QDialog {
    Q_OBJECT

public:
    explicit FloatWindowController(QWidget* window);

    FlippedNSView* mainView() const { return m_mainView; }
    QPushButton* cancelButton() const { return m_cancelButton; }

private:
    FlippedNSView* m_mainView;
    QPushButton* m_cancelButton;
};
