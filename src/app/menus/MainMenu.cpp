#include "app/menus/MainMenu.h"

#include "app/menus/MenuLayout.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {
const char* const kOutletProperty = "outlet";
const char* const kActionProperty = "action";
} // namespace

MainMenu::MainMenu(const QString& productName, QObject* parent)
    : QObject(parent)
{
    const auto withProductName = [&](const char* text) {
        return QString::fromUtf8(text).replace(QLatin1String(MenuLayout::kProductNamePlaceholder),
                                               productName);
    };
    for (const MenuLayout::Item& entry : MenuLayout::items()) {
        QMenu* holder = menuNamed(QString::fromLatin1(entry.menu));
        const QString outlet = QString::fromLatin1(entry.outlet);
        QAction* item = nullptr;
        if (*entry.submenu) {
            QMenu* submenu = menuNamed(QString::fromLatin1(entry.submenu));
            submenu->setTitle(withProductName(entry.title));
            item = submenu->menuAction();
            item->setObjectName(outlet.isEmpty() ? submenu->objectName() : outlet);
            holder->addAction(item);
        } else if (!*entry.title) {
            holder->addSeparator();
            continue;
        } else {
            item = holder->addAction(withProductName(entry.title));
            setActionName(item, QString::fromLatin1(entry.action));
            item->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
            connect(item, &QAction::triggered, this, [this, item] { Q_EMIT itemTriggered(item); });
        }
        if (!outlet.isEmpty()) {
            item->setProperty(kOutletProperty, outlet);
            m_items.insert(outlet, item);
        }
    }
}

MainMenu::~MainMenu()
{
    // Submenus first, so that no menu outlives the items that open it.
    while (!m_menus.empty())
        m_menus.pop_back();
}

QMenu* MainMenu::menuNamed(const QString& name)
{
    if (QMenu* existing = m_menusByName.value(name))
        return existing;
    auto created = std::make_unique<QMenu>();
    created->setObjectName(name);
    QMenu* menu = created.get();
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { Q_EMIT aboutToShowMenu(menu); });
    m_menusByName.insert(name, menu);
    m_menus.push_back(std::move(created));
    return menu;
}

QMenu* MainMenu::menu(const QString& name) const
{
    return m_menusByName.value(name);
}

QAction* MainMenu::item(const QString& outlet) const
{
    return m_items.value(outlet);
}

QList<QMenu*> MainMenu::menus() const
{
    QList<QMenu*> all;
    for (const auto& menu : m_menus)
        all.append(menu.get());
    return all;
}

QString MainMenu::actionName(const QAction* item)
{
    return item->property(kActionProperty).toString();
}

void MainMenu::setActionName(QAction* item, const QString& action)
{
    item->setProperty(kActionProperty, action);
    item->setObjectName(action);
}

QString MainMenu::outletName(const QAction* item)
{
    return item->property(kOutletProperty).toString();
}

void MainMenu::installInto(QMenuBar* menuBar) const
{
    for (QAction* topLevel : overAllTopMenu()->actions())
        menuBar->addAction(topLevel);
}
