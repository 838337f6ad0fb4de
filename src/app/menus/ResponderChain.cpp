#include "app/menus/ResponderChain.h"

#include "app/menus/MainMenu.h"

#include <QAction>
#include <QMetaMethod>
#include <QMetaObject>
#include <QObject>

namespace ResponderChain {

namespace {

bool answers(const QObject* object, const QByteArray& signature)
{
    return object && object->metaObject()->indexOfMethod(signature.constData()) >= 0;
}

} // namespace

QObject* targetForAction(const QList<QObject*>& chain, const QString& action)
{
    if (action.isEmpty())
        return nullptr;
    const QByteArray signature = action.toLatin1() + "()";
    for (QObject* object : chain) {
        if (answers(object, signature))
            return object;
    }
    return nullptr;
}

bool sendAction(const QList<QObject*>& chain, const QString& action)
{
    QObject* target = targetForAction(chain, action);
    return target && QMetaObject::invokeMethod(target, action.toLatin1().constData());
}

void validateItem(const QList<QObject*>& chain, QAction* item)
{
    const QString action = MainMenu::actionName(item);
    if (action.isEmpty())
        return;
    QObject* target = targetForAction(chain, action);
    bool enabled = target != nullptr;
    if (enabled && answers(target, "validateMenuItem(QAction*)"))
        QMetaObject::invokeMethod(target, "validateMenuItem", Q_RETURN_ARG(bool, enabled),
                                  Q_ARG(QAction*, item));
    item->setEnabled(enabled);
}

} // namespace ResponderChain
