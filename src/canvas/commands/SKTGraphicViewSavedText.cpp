#include "canvas/view/SKTGraphicView.h"

#include "canvas/dialogs/SavedTextWindowController.h"
#include "model/SKTText.h"
#include "model/text/TextStorage.h"

#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

// The saved-text collection as the canvas offers it for one plain text box: open it, add the box's text to
// it, or append a saved text to the box.

namespace {

// Centres the window on the screen of the canvas.
void centre(QWidget& window, const QWidget& over)
{
    const QScreen* screen = over.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace

bool SKTGraphicView::savedTextShown()
{
    const GraphicList selected = selectedGraphics();
    if (selected.size() != 1 || !std::dynamic_pointer_cast<SKTText>(selected.first()) ||
        !selected.first()->formType().isEmpty())
        return false;
    m_workingState.selectedTextbox = selected.first();
    return true;
}

void SKTGraphicView::savedTextOptions() {}

SavedTextWindowController* SKTGraphicView::savedTextWindowController() const
{
    return m_savedTextWindowController;
}

namespace {

SavedTextWindowController& openedWindow(QPointer<SavedTextWindowController>& held, SKTGraphicView& canvas)
{
    if (!held) {
        held = new SavedTextWindowController(&canvas);
        held->setWindowTitle(QStringLiteral("Saved Text Collection"));
        QObject::connect(held->chooseButton(), &QPushButton::clicked, &canvas,
                         &SKTGraphicView::pullFromSavedText);
        centre(*held, canvas);
    }
    held->show();
    held->raise();
    return *held;
}

} // namespace

void SKTGraphicView::launchSavedTextWindow()
{
    SavedTextWindowController& window = openedWindow(m_savedTextWindowController, *this);
    window.textView()->clear();
    window.titleTextField()->clear();
    window.selectRow(0);
}

void SKTGraphicView::addToSavedTextWindow()
{
    auto* box = dynamic_cast<SKTText*>(m_workingState.selectedTextbox.get());
    if (!box)
        return;
    SavedTextWindowController& window = openedWindow(m_savedTextWindowController, *this);
    const QString when = QLocale::c().toString(QDateTime::currentDateTime(),
                                               QStringLiteral("MMM dd yyyy,  dddd 'at' h:mm AP"));
    window.titleTextField()->setText(QStringLiteral("Added %1").arg(when));
    window.textView()->setPlainText(box->contents().string());
    window.savedTextRecordIndexTextField()->setText(QString::number(window.savedTextMutableArray().size()));
    window.saveSavedTextRecord();
}

void SKTGraphicView::pullFromSavedText()
{
    if (!m_savedTextWindowController)
        return;
    m_savedTextWindowController->hide();
    auto* box = dynamic_cast<SKTText*>(m_workingState.selectedTextbox.get());
    if (!box)
        return;
    TextStorage& text = box->contents();
    text.setString(text.string() + u'\n' + m_savedTextWindowController->textView()->toPlainText());
}
