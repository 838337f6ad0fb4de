#include "app/menus/AdHocMenuDelegate.h"

#include "platform/NotificationCenter.h"

#include <QAction>
#include <QMenu>

void AdHocMenuDelegate::setMenu(QMenu* menu)
{
    m_menu = menu;
    connect(menu, &QMenu::hovered, this, [this, menu](QAction* item) { menuWillHighlightItem(menu, item); });
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { menuWillOpen(menu); });
}

void AdHocMenuDelegate::menuWillHighlightItem(QMenu* menu, QAction* item)
{
    Q_UNUSED(menu);
    if (item && item->text() == QLatin1String("Update"))
        NotificationCenter::defaultCenter().post(QStringLiteral("unbindEverything"), this);
}

void AdHocMenuDelegate::menuWillOpen(QMenu* menu)
{
    Q_UNUSED(menu);
}
