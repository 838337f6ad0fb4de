#include "app/menus/AdHocViewController.h"

#include "app/menus/AdHocMenuDelegate.h"
#include "platform/Workspace.h"
#include "profile/DataCentre.h"

#include <QAction>
#include <QMenu>
#include <QUrl>

namespace {
const QString kUpdateMenuTitle = QStringLiteral("Check For Updates");
const QString kUpdateItemTitle = QStringLiteral("Update");
} // namespace

std::unique_ptr<AdHocViewController> AdHocViewController::initWithNibName(const QString& distributionChannel)
{
    if (distributionChannel == QLatin1String("AppStore"))
        return nullptr;
    std::unique_ptr<AdHocViewController> controller(new AdHocViewController);
    controller->loadView();
    return controller;
}

AdHocViewController::AdHocViewController() = default;

AdHocViewController::~AdHocViewController() = default;

void AdHocViewController::loadView()
{
    m_updateMenu = std::make_unique<QMenu>(kUpdateMenuTitle);
    m_updateMenu->setObjectName(QStringLiteral("updateMenu"));
    m_updateMenu->menuAction()->setObjectName(QStringLiteral("updateMenuItem"));
    QAction* update = m_updateMenu->addAction(kUpdateItemTitle);
    update->setObjectName(QStringLiteral("update"));
    // New versions are downloaded from the product's website.
    connect(update, &QAction::triggered, this,
            [] { Workspace::openURL(QUrl(DataCentre::profile().productWebsiteURL)); });
    m_menuDelegate = std::make_unique<AdHocMenuDelegate>();
    m_menuDelegate->setMenu(m_updateMenu.get());
}

QAction* AdHocViewController::updateMenuItem() const
{
    return m_updateMenu->menuAction();
}
