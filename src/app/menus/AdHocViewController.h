#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class AdHocMenuDelegate;
class QAction;
class QMenu;

// The software-update item of builds outside the app store: an item of the application menu that opens
// the update menu, whose "Update" item takes the user to the product's downloads.
class AdHocViewController : public QObject {
    Q_OBJECT

public:
    // The controller for the distribution channel; none on "AppStore", which updates through the store.
    static std::unique_ptr<AdHocViewController> initWithNibName(const QString& distributionChannel);
    ~AdHocViewController() override;

    QAction* updateMenuItem() const;
    QMenu* updateMenu() const { return m_updateMenu.get(); }
    AdHocMenuDelegate* menuDelegate() const { return m_menuDelegate.get(); }

private:
    AdHocViewController();
    void loadView();

    std::unique_ptr<QMenu> m_updateMenu;
    std::unique_ptr<AdHocMenuDelegate> m_menuDelegate;
};
