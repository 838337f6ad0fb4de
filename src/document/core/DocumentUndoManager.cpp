#include "document/core/DocumentUndoManager.h"

#include <QUndoCommand>
#include <QtGlobal>

#include <utility>
#include <vector>

namespace {

// Sets a flag for the duration of a scope, also when an action throws.
class FlagScope {
public:
    explicit FlagScope(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagScope() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

class DocumentUndoManager::Group : public QUndoCommand {
public:
    explicit Group(DocumentUndoManager& manager)
        : m_manager(manager)
    {}

    void add(std::function<void()> undoAction, std::function<void()> redoAction)
    {
        m_actions.emplace_back(std::move(undoAction), std::move(redoAction));
    }

    void undo() override
    {
        FlagScope undoing(m_manager.m_undoing);
        for (auto it = m_actions.rbegin(); it != m_actions.rend(); ++it)
            it->first();
    }

    void redo() override
    {
        // The stack redoes every command it is given; the group's actions have happened already.
        if (!m_pushed) {
            m_pushed = true;
            return;
        }
        FlagScope redoing(m_manager.m_redoing);
        for (auto& action : m_actions)
            action.second();
    }

private:
    DocumentUndoManager& m_manager;
    std::vector<std::pair<std::function<void()>, std::function<void()>>> m_actions;
    bool m_pushed = false;
};

DocumentUndoManager::DocumentUndoManager(QObject* parent)
    : QObject(parent)
{
    // Undo or redo through the stack itself (the window's actions) closes the open group first.
    connect(&m_stack, &QUndoStack::indexChanged, this, [this](int index) {
        if (m_openGroup && index != m_openGroupIndex)
            closeGroup();
    });
}

DocumentUndoManager::~DocumentUndoManager() = default;

void DocumentUndoManager::registerUndo(std::function<void()> undoAction, std::function<void()> redoAction)
{
    if (!isUndoRegistrationEnabled() || m_undoing || m_redoing)
        return;
    if (!m_openGroup) {
        auto* group = new Group(*this);
        m_stack.push(group);
        m_openGroup = group;
        m_openGroupIndex = m_stack.index();
        QMetaObject::invokeMethod(this, &DocumentUndoManager::checkpoint, Qt::QueuedConnection);
    }
    m_openGroup->add(std::move(undoAction), std::move(redoAction));
}

void DocumentUndoManager::setActionName(const QString& name)
{
    if (!m_openGroup || m_openGroup->text() == name)
        return;
    m_openGroup->setText(name);
    // The stack announces new texts only when its index moves; the window's actions follow this signal.
    Q_EMIT m_stack.undoTextChanged(name);
}

void DocumentUndoManager::undo()
{
    checkpoint();
    m_stack.undo();
}

void DocumentUndoManager::redo()
{
    checkpoint();
    m_stack.redo();
}

void DocumentUndoManager::disableUndoRegistration()
{
    ++m_disableCount;
}

void DocumentUndoManager::enableUndoRegistration()
{
    if (m_disableCount == 0) {
        qWarning("enableUndoRegistration without a matching disableUndoRegistration");
        return;
    }
    --m_disableCount;
}

void DocumentUndoManager::beginUndoGrouping()
{
    if (m_groupingLevel++ == 0)
        closeGroup();
}

void DocumentUndoManager::endUndoGrouping()
{
    if (m_groupingLevel == 0) {
        qWarning("endUndoGrouping without a matching beginUndoGrouping");
        return;
    }
    if (--m_groupingLevel == 0)
        closeGroup();
}

void DocumentUndoManager::checkpoint()
{
    if (m_groupingLevel == 0)
        closeGroup();
}

void DocumentUndoManager::closeGroup()
{
    m_openGroup = nullptr;
    m_openGroupIndex = -1;
    Q_EMIT checkpointReached();
}

void DocumentUndoManager::removeAllActions()
{
    closeGroup();
    m_stack.clear();
}
