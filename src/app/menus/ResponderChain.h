#pragma once

#include <QList>
#include <QString>

class QAction;
class QObject;

// Menu actions travel along a chain of objects, from the focused control of the active window up to the
// application delegate; the first object with a slot (or invokable method) of the action's name and no
// arguments takes it.
namespace ResponderChain {

QObject* targetForAction(const QList<QObject*>& chain, const QString& action);
// Answers whether an object took the action.
bool sendAction(const QList<QObject*>& chain, const QString& action);
// An item is enabled when something takes its action and that object, when it validates its items
// (Q_INVOKABLE bool validateMenuItem(QAction*)), agrees. Items that open submenus are left alone.
void validateItem(const QList<QObject*>& chain, QAction* item);

} // namespace ResponderChain
