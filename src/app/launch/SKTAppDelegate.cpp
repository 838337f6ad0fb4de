#include "app/launch/SKTAppDelegate.h"

#include "app/documents/DocumentController.h"
#include "app/menus/AdHocViewController.h"
#include "app/menus/MainMenu.h"
#include "app/menus/MenuLayout.h"
#include "app/menus/MenuSetup.h"
#include "app/menus/ResponderChain.h"
#include "app/templates/PageListing.h"
#include "app/templates/TemplateChooser.h"
#include "app/websites/WebsiteLauncher.h"
#include "document/core/SKTDocument.h"
#include "platform/Bundle.h"
#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/LaunchInitialisation.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

namespace {

const QString kInsertNewAtEndFlagKey = QStringLiteral("InsertNewAtEndFlag");

// Windows the user sees as windows: menus and tool tips that are open do not count.
int visibleWindowCount()
{
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip)
            ++count;
    }
    return count;
}

} // namespace

SKTAppDelegate::SKTAppDelegate(QObject* parent)
    : QObject(parent)
    , m_mainMenu(std::make_unique<MainMenu>(Bundle::main().infoValue(QStringLiteral("CFBundleDisplayName"))))
    , m_documentController(std::make_unique<DocumentController>())
    , m_pageListing(std::make_unique<PageListing>())
    , m_templateChooser(std::make_unique<TemplateChooser>(*this))
    , m_websiteLauncher(std::make_unique<WebsiteLauncher>(*this, *m_templateChooser))
{
    connect(m_mainMenu.get(), &MainMenu::itemTriggered, this, &SKTAppDelegate::sendAction);
    connect(m_mainMenu.get(), &MainMenu::aboutToShowMenu, this, [this](QMenu* menu) {
        const QList<QObject*> chain = responderChain();
        for (QAction* item : menu->actions())
            ResponderChain::validateItem(chain, item);
    });
    QMenu* recent = m_mainMenu->menu(QString::fromLatin1(MenuLayout::kRecentDocumentsMenu));
    connect(recent, &QMenu::aboutToShow, this,
            [this, recent] { m_documentController->fillRecentDocumentsMenu(recent); });
    // Shortcuts act without their menu opening: the items follow the window that has the focus.
    connect(qApp, &QApplication::focusChanged, this, [this] { validateAllMenuItems(); });
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            applicationDidBecomeActive();
    });
}

SKTAppDelegate::~SKTAppDelegate()
{
    // Closing windows moves the focus; nothing of the delegate answers that any more.
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    delete m_welcomeWindow.data();
    m_websiteLauncher.reset();
    m_templateChooser.reset();
    m_pageListing->clear();
    // Document windows hold the menus in their menu bars; they go first.
    m_documentController.reset();
}

QWidget* SKTAppDelegate::welcomeWindow() const
{
    return m_welcomeWindow;
}

void SKTAppDelegate::applicationWillFinishLaunching()
{
    DataCentre::initializeData();
    const QImage& icon = DataCentre::profile().productIcon;
    if (!icon.isNull())
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    runAppSpecificMenuSetups();
}

void SKTAppDelegate::applicationDidFinishLaunching()
{
    m_autosaves = false;
    emptyReceivedPagesFolder();
    insertUpdateMenuItem();
    showWelcomeWindow();
    observeTemplateNotifications();
}

void SKTAppDelegate::emptyReceivedPagesFolder()
{
    const ProductProfile& profile = DataCentre::profile();
    const QString path = profile.workingFolderPath + u'/' + profile.receivedPagesFolderName;
    // Whatever an earlier run left there goes; failures show in the Parts that write into the folder.
    const QFileInfo existing(path);
    if (existing.isDir() && !existing.isSymLink())
        QDir(path).removeRecursively();
    else if (existing.exists() || existing.isSymLink())
        QFile::remove(path);
    QDir().mkpath(path);
}

void SKTAppDelegate::insertUpdateMenuItem()
{
    m_adHocViewController = AdHocViewController::initWithNibName(DataCentre::profile().distributionChannel);
    if (!m_adHocViewController)
        return;
    QMenu* appMenu = m_mainMenu->mainAppMenu();
    const QList<QAction*> items = appMenu->actions();
    appMenu->insertAction(items.at(items.size() - 2), m_adHocViewController->updateMenuItem());
}

void SKTAppDelegate::observeTemplateNotifications()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QStringLiteral("clearTemplateSelection"),
                       [this](const Notification&) { m_templateChooser->clearTemplateSelection(); });
    center.addObserver(this, QStringLiteral("refreshTemplateCollection"),
                       [this](const Notification&) { reloadTemplates(); });
}

void SKTAppDelegate::applicationDidBecomeActive()
{
    if (visibleWindowCount() < 1)
        showWelcomeWindow();
}

void SKTAppDelegate::showWelcomeWindow()
{
    if (m_welcomeWindow && m_welcomeWindow->isVisible())
        m_welcomeWindow->hide();
    // Each showing sets the welcome window up afresh.
    delete m_welcomeWindow.data();
    m_welcomeWindow = m_welcomeWindowMaker ? m_welcomeWindowMaker(*this) : nullptr;
    if (!m_welcomeWindow)
        return;
    m_welcomeWindow->show();
    m_welcomeWindow->raise();
    m_welcomeWindow->activateWindow();
}

void SKTAppDelegate::runAppSpecificMenuSetups()
{
    MenuSetup::runAppSpecificMenuSetups(*m_mainMenu, DataCentre::mutableProfile());
}

void SKTAppDelegate::prepareToLocalizeMenuItems()
{
    MenuSetup::prepareToLocalizeMenuItems(*m_mainMenu);
}

bool SKTAppDelegate::validateMenuItem(QAction* item)
{
    const QString action = MainMenu::actionName(item);
    const bool atEnd = UserDefaults::standard().boolForKey(kInsertNewAtEndFlagKey);
    if (action == QLatin1String("switchAddNewLayout_Current")) {
        item->setCheckable(true);
        item->setChecked(!atEnd);
    } else if (action == QLatin1String("switchAddNewLayout_End")) {
        item->setCheckable(true);
        item->setChecked(atEnd);
    }
    return true;
}

QList<QObject*> SKTAppDelegate::responderChain() const
{
    QList<QObject*> chain;
    QWidget* window = QApplication::activeWindow();
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        chain.append(widget);
        if (widget->isWindow())
            break;
    }
    if (window && !chain.contains(window))
        chain.append(window);
    if (SKTDocument* document = m_documentController->documentForWindow(window))
        chain.append(document);
    chain.append(m_documentController.get());
    chain.append(const_cast<SKTAppDelegate*>(this));
    return chain;
}

void SKTAppDelegate::sendAction(QAction* item)
{
    ResponderChain::sendAction(responderChain(), MainMenu::actionName(item));
}

void SKTAppDelegate::sendActionNamed(const QString& action)
{
    ResponderChain::sendAction(responderChain(), action);
}

bool SKTAppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    // Plain typing never needs it; only combinations with a command key can be menu shortcuts.
    constexpr Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->type() == QEvent::ShortcutOverride &&
        (static_cast<QKeyEvent*>(event)->modifiers() & commandKeys) && watched == QApplication::focusObject())
        validateAllMenuItems();
    return QObject::eventFilter(watched, event);
}

void SKTAppDelegate::validateAllMenuItems()
{
    const QList<QObject*> chain = responderChain();
    for (const QMenu* menu : m_mainMenu->menus()) {
        for (QAction* item : menu->actions())
            ResponderChain::validateItem(chain, item);
    }
}

void SKTAppDelegate::setAutosaves(bool flag)
{
    // Autosave stays off once launch turned it off.
    Q_UNUSED(flag);
}

void SKTAppDelegate::setAutosavingDelay(double seconds)
{
    // The document controller keeps no autosave timer, so with autosave off there is nothing to pass on.
    m_autosavingDelay = seconds;
}

void SKTAppDelegate::reloadTemplates()
{
    m_pageListing->clear();
    QWidget* chooser = m_templateChooser->window();
    if (!chooser || !chooser->isVisible()) {
        qInfo("templates not showing...");
        return;
    }
    qInfo("templates showing, need to reload");
    chooser->hide();
    m_templateChooser->launchTemplatePreparation();
}

SKTWindowController* SKTAppDelegate::mainDocumentWindow() const
{
    if (SKTDocument* current = m_documentController->currentDocument())
        return m_documentController->windowForDocument(current);
    const QList<SKTDocument*> open = m_documentController->documents();
    return open.isEmpty() ? nullptr : m_documentController->windowForDocument(open.last());
}

void SKTAppDelegate::hideWelcomeWindow()
{
    if (m_welcomeWindow)
        m_welcomeWindow->hide();
}

// clang-format off
void SKTAppDelegate::showTemplateWebsite() { m_templateChooser->showTemplateWebsite(); }
void SKTAppDelegate::showTemplate() { m_templateChooser->showTemplate(); }
void SKTAppDelegate::startNewPage() { m_templateChooser->startNewPage(); }
void SKTAppDelegate::startNewTemplate() { m_templateChooser->startNewTemplate(); }
void SKTAppDelegate::cancelTemplateView() { m_templateChooser->cancelTemplateView(); }
void SKTAppDelegate::selectedATemplate() { m_templateChooser->selectedATemplate(); }
void SKTAppDelegate::launchTemplate() { m_templateChooser->launchTemplate(); }
void SKTAppDelegate::launchSingleDocTemplate() { m_templateChooser->launchSingleDocTemplate(); }
void SKTAppDelegate::directlyLaunchSingleDocBlank() { m_templateChooser->directlyLaunchSingleDocBlank(); }
void SKTAppDelegate::openSample() { m_templateChooser->openSample(); }
void SKTAppDelegate::showSiteLevelTemplate() { m_websiteLauncher->showSiteLevelTemplate(); }
void SKTAppDelegate::addNewWebsite() { m_websiteLauncher->addNewWebsite(); }
void SKTAppDelegate::saveNewWebsite() { m_websiteLauncher->addNewWebsite(); }
void SKTAppDelegate::launchGettingStartedGuide() { m_websiteLauncher->launchGettingStartedGuide(); }
void SKTAppDelegate::openNewDoc() { m_websiteLauncher->openNewDoc(); }
void SKTAppDelegate::openWebsite() { m_websiteLauncher->openWebsite(); }
void SKTAppDelegate::launchUsingBaseTemplate() { m_websiteLauncher->launchUsingBaseTemplate(); }
// clang-format on

void SKTAppDelegate::switchAddNewLayout_Current()
{
    UserDefaults::standard().setBool(false, kInsertNewAtEndFlagKey);
}

void SKTAppDelegate::switchAddNewLayout_End()
{
    UserDefaults::standard().setBool(true, kInsertNewAtEndFlagKey);
}

void SKTAppDelegate::performMiniaturize()
{
    if (QWidget* window = QApplication::activeWindow())
        window->showMinimized();
}

void SKTAppDelegate::terminate()
{
    // Every window asks before it closes; one that stays open keeps the application running.
    QApplication::closeAllWindows();
    if (visibleWindowCount() == 0)
        QApplication::quit();
}
