#include "canvas/view/SKTGraphicView.h"

#include "document/core/GraphicClasses.h"
#include "profile/DataCentre.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>

namespace {

const char* const kNudgeUndoKey = "Nudge";
const char* const kDeleteUndoKey = "Delete";
// Holding an arrow key keeps the handles hidden until this long after the last nudge.
constexpr int kHandleHidingMs = 500;

} // namespace

void SKTGraphicView::keyPressEvent(QKeyEvent* event)
{
    // Plain keys only: arrows with a modifier mean something else to the platform's key bindings.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    using Command = void (SKTGraphicView::*)();
    Command command = nullptr;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Left:
            command = &SKTGraphicView::moveLeft;
            break;
        case Qt::Key_Right:
            command = &SKTGraphicView::moveRight;
            break;
        case Qt::Key_Up:
            command = &SKTGraphicView::moveUp;
            break;
        case Qt::Key_Down:
            command = &SKTGraphicView::moveDown;
            break;
        case Qt::Key_Backspace:
            command = &SKTGraphicView::deleteBackward;
            break;
        case Qt::Key_Delete:
            command = &SKTGraphicView::deleteForward;
            break;
        default:
            break;
        }
    }
    // The clipboard keys reach the canvas when the menu bar's items have not yet followed the selection;
    // with nothing selected, copying would only empty the clipboard.
    const std::pair<QKeySequence::StandardKey, Command> clipboardKeys[] = {
        {QKeySequence::Copy, &SKTGraphicView::copy},
        {QKeySequence::Cut, &SKTGraphicView::cut},
        {QKeySequence::Paste, &SKTGraphicView::paste},
    };
    for (const auto& [key, clipboardCommand] : clipboardKeys) {
        if (!command && event->matches(key) && (key == QKeySequence::Paste || !selectionIndexes().empty()))
            command = clipboardCommand;
    }
    if (!command) {
        QWidget::keyPressEvent(event);
        return;
    }
    (this->*command)();
}

// The canvas is flipped: up is toward smaller y.
void SKTGraphicView::moveLeft()
{
    moveSelectedGraphicsByX(-1, 0);
}

void SKTGraphicView::moveRight()
{
    moveSelectedGraphicsByX(1, 0);
}

void SKTGraphicView::moveUp()
{
    moveSelectedGraphicsByX(0, -1);
}

void SKTGraphicView::moveDown()
{
    moveSelectedGraphicsByX(0, 1);
}

void SKTGraphicView::moveSelectedGraphicsByX(double dx, double dy)
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return;
    hideHandlesMomentarily();
    // Each nudge is a step of its own, however quickly the next follows.
    DocumentUndoManager& undoManager = mutableGraphics().undoManager();
    undoManager.beginUndoGrouping();
    SKTGraphic::translateGraphics(graphicsWithGroupMembers(selection), dx, dy);
    nameUndoStep(kNudgeUndoKey);
    undoManager.endUndoGrouping();
}

void SKTGraphicView::hideHandlesMomentarily()
{
    if (!m_handleShowingTimer) {
        m_handleShowingTimer = new QTimer(this);
        m_handleShowingTimer->setSingleShot(true);
        m_handleShowingTimer->setInterval(kHandleHidingMs);
        connect(m_handleShowingTimer, &QTimer::timeout, this, &SKTGraphicView::unhideHandlesForTimer);
    }
    m_handleShowingTimer->start();
    setHidingHandles(true);
}

void SKTGraphicView::unhideHandlesForTimer()
{
    if (m_handleShowingTimer)
        m_handleShowingTimer->stop();
    setHidingHandles(false);
}

void SKTGraphicView::deleteBackward()
{
    delete_();
}

void SKTGraphicView::deleteForward()
{
    delete_();
}

void SKTGraphicView::delete_()
{
    SKTDocument& document = mutableGraphics();
    fetchAllPartnerViews();
    if (DataCentre::profile().responsiveDesign)
        checkForSelectedSections();
    DocumentUndoManager& undoManager = document.undoManager();
    undoManager.beginUndoGrouping();
    document.removeGraphicsAtIndexes(selectionIndexes());
    nameUndoStep(kDeleteUndoKey);
    undoManager.endUndoGrouping();
    Q_EMIT refreshLayerListing();
}

// ---- Option labels and their buttons

std::shared_ptr<SKTGraphic> SKTGraphicView::findMatchingOption(const SKTGraphic& graphic) const
{
    for (const std::shared_ptr<SKTGraphic>& other : graphics()) {
        if (other.get() != &graphic && GraphicClasses::isKindOfClass(*other, GraphicClasses::text) &&
            other->formTag() == graphic.formTag() && other->formOptionTag() == graphic.formOptionTag())
            return other;
    }
    return nullptr;
}

void SKTGraphicView::fetchAllPartnerViews()
{
    const GraphicList graphics = this->graphics();
    IndexSet selection = selectionIndexes();
    bool grew = false;
    for (int index : selectionIndexes()) {
        const SKTGraphic& graphic = *graphics.at(index);
        if (!GraphicClasses::isKindOfClass(graphic, GraphicClasses::text))
            continue;
        const std::shared_ptr<SKTGraphic> partner = findMatchingOption(graphic);
        if (partner && isFormOption(*partner))
            grew |= selection.insert(int(graphics.indexOf(partner))).second;
    }
    if (grew)
        changeSelectionIndexes(selection);
}
