#pragma once

#include <QWidget>

class LevelIndicator;
class QHideEvent;
class QLabel;
class QProgressBar;

// The one small window of long jobs: a status line, a line naming the current item, a spinning bar, a
// level indicator of steps done, and a second spinning bar for the form that counts no steps.
class ProgressIndicatorWindowController : public QWidget {
    Q_OBJECT
public:
    static inline const QString frameAutosaveName = QStringLiteral("ProgressIndicatorWindowController");

    ProgressIndicatorWindowController();

    QProgressBar* progressIndicator() const { return m_progressIndicator; }
    QLabel* progressStatusTextfield() const { return m_progressStatusTextfield; }
    QLabel* progressFileTextField() const { return m_progressFileTextField; }
    LevelIndicator* levelIndicator() const { return m_levelIndicator; }
    QProgressBar* progressIndicator2() const { return m_progressIndicator2; }

protected:
    // The window reopens where the user last left it.
    void hideEvent(QHideEvent* event) override;

private:
    QProgressBar* m_progressIndicator;
    QLabel* m_progressStatusTextfield;
    QLabel* m_progressFileTextField;
    LevelIndicator* m_levelIndicator;
    QProgressBar* m_progressIndicator2;
};

// Every operation below may be called from any thread. Calls made off the GUI thread are handed to it and
// run there in the order they were made; a call on the GUI thread first runs the calls still waiting, so
// the window always shows the calls in the order they happened. Without a GUI application they do nothing.
namespace DataCentre {

// The one progress window, or null when none exists. Read it on the GUI thread only.
ProgressIndicatorWindowController* sharedProgressWindow();

// Replaces any progress window by a fresh one: "Please wait", no file line, spinning, level 0 of 10.
void showProgressIndicator();
// "Please wait: step/total completed", the level at step of total, the file line; when step equals total
// the window hides (and stays the shared one) and the main window comes to the front, fully opaque.
void updateProgressBar(int step, int total, const QString& fileText);
// Hides and forgets the progress window.
void dismissProgressIndicator();

// The form without steps: a fresh window with both spinning bars and the level indicator hidden.
void showMainThreadProgressIndicator();
// Hides the progress window without forgetting it.
void hideMainThreadProgressIndicator();

// The application's main window (the document window in front), which a finished job brings back; the
// window controller registers it. Null when there is none. GUI thread only.
void setMainWindow(QWidget* window);
QWidget* mainWindow();

} // namespace DataCentre
