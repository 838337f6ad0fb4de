#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class AdHocViewController;
class DocumentController;
class MainMenu;
struct PageListing;
class SKTWindowController;
class TemplateChooser;
class WebsiteLauncher;
class QAction;
class QWidget;

// The application's delegate: it takes the application from start-up to its first window, fits the menus
// to the product, answers activation, refuses untitled documents and holds the application-level windows
// and actions that belong to no open page.
class SKTAppDelegate : public QObject {
    Q_OBJECT

public:
    // Makes the welcome window; the delegate shows it and owns it until the next one replaces it.
    using WelcomeWindowMaker = std::function<QWidget*(SKTAppDelegate&)>;
    explicit SKTAppDelegate(QObject* parent = nullptr);
    ~SKTAppDelegate() override;

    void setWelcomeWindowMaker(WelcomeWindowMaker maker) { m_welcomeWindowMaker = std::move(maker); }

    MainMenu& mainMenu() const { return *m_mainMenu; }
    DocumentController& documentController() const { return *m_documentController; }
    QWidget* welcomeWindow() const;
    AdHocViewController* adHocViewController() const { return m_adHocViewController.get(); }
    TemplateChooser& templateChooser() const { return *m_templateChooser; }
    WebsiteLauncher& websiteLauncher() const { return *m_websiteLauncher; }
    // The page lists the choosers and the website listing fill.
    PageListing& pageListing() const { return *m_pageListing; }
    // The document window in front, else the one opened last; null without one.
    SKTWindowController* mainDocumentWindow() const;

    // ---- Start-up, in the order the application calls them
    // Builds the product profile, then fits the menus to the product.
    void applicationWillFinishLaunching();
    // Turns autosave off, empties the received-pages folder, adds the update item, shows the welcome window
    // and observes the template notifications.
    void applicationDidFinishLaunching();
    // The application came to the front: with no window visible, the welcome window shows again.
    void applicationDidBecomeActive();
    // No untitled document is ever opened, at start-up or on reactivation.
    bool applicationShouldOpenUntitledFile() const { return false; }
    bool applicationOpenUntitledFile() { return false; }

    // ---- Menus
    void runAppSpecificMenuSetups();
    void prepareToLocalizeMenuItems();
    // Sets the tick of the two insert-position items; every item of the delegate stays enabled.
    Q_INVOKABLE bool validateMenuItem(QAction* item);
    // The objects a menu action travels along: the focused control of the active window and its parents, the
    // document of that window, the document controller, the delegate.
    QList<QObject*> responderChain() const;
    // Sends the item's action along the responder chain.
    void sendAction(QAction* item);
    // Sends the named action along the responder chain, as a button of a window without a target does.
    void sendActionNamed(const QString& action);
    // Validates every item of every menu against the responder chain.
    void validateAllMenuItems();

    // ---- Autosave: documents are never autosaved on a timer
    void setAutosaves(bool flag);
    void setAutosavingDelay(double seconds);
    bool autosaves() const { return m_autosaves; }
    double autosavingDelay() const { return m_autosavingDelay; }

    // Rebuilds an open template chooser; with the chooser closed only its thumbnails are dropped.
    void reloadTemplates();

public Q_SLOTS:
    void showWelcomeWindow();
    void hideWelcomeWindow();

    // ---- Templates and websites (the chooser and the website launcher do the work)
    void showTemplateWebsite();
    void showTemplate();
    void startNewPage();
    void startNewTemplate();
    void cancelTemplateView();
    void selectedATemplate();
    void launchTemplate();
    void launchSingleDocTemplate();
    void directlyLaunchSingleDocBlank();
    void openSample();
    void showSiteLevelTemplate();
    void addNewWebsite();
    void saveNewWebsite();
    void launchGettingStartedGuide();
    void openNewDoc();
    void openWebsite();
    void launchUsingBaseTemplate();

    void launchAppURL();
    void showHelpAlert();
    void showiPhoneAlert();
    void launchUserGuide();
    void launchVideoTutorials();
    void launchAllMyWendrilsVet();
    void launchAllMyWendrils2();
    void switchAddNewLayout_Current();
    void switchAddNewLayout_End();
    void orderFrontStandardAboutPanel();
    void performMiniaturize();
    void terminate();

protected:
    // A key combination about to act as a shortcut revalidates the menu items first, so a shortcut follows
    // what the window holds now (a selection made without moving the focus enables its commands).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void emptyReceivedPagesFolder();
    void insertUpdateMenuItem();
    void observeTemplateNotifications();

    std::unique_ptr<MainMenu> m_mainMenu;
    std::unique_ptr<DocumentController> m_documentController;
    std::unique_ptr<AdHocViewController> m_adHocViewController;
    WelcomeWindowMaker m_welcomeWindowMaker;
    QPointer<QWidget> m_welcomeWindow;
    std::unique_ptr<PageListing> m_pageListing;
    std::unique_ptr<TemplateChooser> m_templateChooser;
    std::unique_ptr<WebsiteLauncher> m_websiteLauncher;
    bool m_autosaves = true;
    double m_autosavingDelay = 0;
};
