#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

// The application's main menu, built from MenuLayout. Every item is a QAction whose object name is its
// action's name (or, for an item that opens a submenu, its outlet name); the outlet name is kept in the
// property "outlet". Windows show the same menus in their own menu bars, so hiding or retitling an item
// shows in every window.
class MainMenu : public QObject {
    Q_OBJECT

public:
    explicit MainMenu(const QString& productName, QObject* parent = nullptr);
    ~MainMenu() override;

    // A menu by its name (the layout's outlet names, e.g. "fileMenu"); null when there is none.
    QMenu* menu(const QString& name) const;
    QMenu* overAllTopMenu() const { return menu(QStringLiteral("overAllTopMenu")); }
    QMenu* mainAppMenu() const { return menu(QStringLiteral("mainAppMenu")); }
    // A menu item by its outlet name; null when there is none.
    QAction* item(const QString& outlet) const;
    const QHash<QString, QAction*>& outlets() const { return m_items; }
    QList<QMenu*> menus() const;

    // What the item sends; an empty name for an item that opens a submenu.
    static QString actionName(const QAction* item);
    // Re-targets the item: from now on it sends this action.
    static void setActionName(QAction* item, const QString& action);
    static QString outletName(const QAction* item);

    // Adds the top-level menus to a window's menu bar.
    void installInto(QMenuBar* menuBar) const;

Q_SIGNALS:
    // An item with an action was chosen.
    void itemTriggered(QAction* item);
    // A menu is about to open: its items are to be validated.
    void aboutToShowMenu(QMenu* menu);

private:
    QMenu* menuNamed(const QString& name);

    std::vector<std::unique_ptr<QMenu>> m_menus;
    QHash<QString, QMenu*> m_menusByName;
    QHash<QString, QAction*> m_items;
};
