#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

// The document's undo manager over a QUndoStack. Everything registered between two checkpoints forms one
// undo group, one command on the stack: undoing it runs the group's undo actions last first, redoing runs
// the redo actions in order. A group opens at its first registration and closes at the next checkpoint,
// which comes at the end of the current pass of the event loop, before every undo and redo, and when
// checkpoint() is called. A gesture that spans many events (a drag) opens an undo grouping instead, so that
// it becomes one group however many passes of the event loop it takes. Registrations are ignored while
// registration is disabled and while the stack is undoing or redoing (the group's redo actions take the
// place of re-registration).
class DocumentUndoManager : public QObject {
    Q_OBJECT

public:
    explicit DocumentUndoManager(QObject* parent = nullptr);
    ~DocumentUndoManager() override;

    // For the window's undo and redo actions and the clean state.
    QUndoStack* stack() { return &m_stack; }
    const QUndoStack* stack() const { return &m_stack; }

    void registerUndo(std::function<void()> undoAction, std::function<void()> redoAction);
    // Names the open group; without an open group there is nothing to name.
    void setActionName(const QString& name);
    QString undoActionName() const { return m_stack.undoText(); }
    QString redoActionName() const { return m_stack.redoText(); }

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    void undo();
    void redo();
    bool isUndoing() const { return m_undoing; }
    bool isRedoing() const { return m_redoing; }

    // Nested: registration is enabled again by as many enables as there were disables.
    void disableUndoRegistration();
    void enableUndoRegistration();
    bool isUndoRegistrationEnabled() const { return m_disableCount == 0; }

    // Everything registered from here to the matching endUndoGrouping is one group, whatever checkpoints
    // pass meanwhile. Groupings nest and the outermost one decides. Beginning closes a group left open by
    // earlier work, so the gesture is a step of its own; an undo or redo through the stack meanwhile closes
    // the group as well, and later registrations of the gesture open another.
    void beginUndoGrouping();
    void endUndoGrouping();

    // Closes the open group, unless a grouping keeps it open, and tells the observers of checkpointReached.
    void checkpoint();
    // Drops every group, the open one included.
    void removeAllActions();

Q_SIGNALS:
    void checkpointReached();

private:
    class Group;
    friend class Group;

    void closeGroup();

    QUndoStack m_stack;
    Group* m_openGroup = nullptr;
    int m_openGroupIndex = -1;
    int m_disableCount = 0;
    int m_groupingLevel = 0;
    bool m_undoing = false;
    bool m_redoing = false;
};
