#pragma once

#include <QObject>

class QAction;
class QMenu;

// Serves the update menu: before the user reaches the "Update" item, every document window lets go of its
// inspector bindings, so that an update that quits the application finds nothing bound.
class AdHocMenuDelegate : public QObject {
    Q_OBJECT

public:
    // Attaches the delegate to the menu's highlighting.
    void setMenu(QMenu* menu);
    QMenu* menu() const { return m_menu; }

    // The menu highlights an item (none when the pointer leaves every item).
    void menuWillHighlightItem(QMenu* menu, QAction* item);
    void menuWillOpen(QMenu* menu);

private:
    QMenu* m_menu = nullptr;
};
