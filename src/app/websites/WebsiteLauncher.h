#pragma once

#include "app/websites/WebsiteObject.h"

#include <QObject>

class SKTAppDelegate;
class TemplateChooser;

// New websites, ready-made websites of the bundle and opening website folders: everything between the
// user's choice of a folder and the document window that shows the website's first page. The application
// delegate owns it and answers these actions through it.
class WebsiteLauncher : public QObject {
    Q_OBJECT

public:
    WebsiteLauncher(SKTAppDelegate& delegate, TemplateChooser& chooser);

    // {resources}/templates/websiteLevel: one folder per ready-made website.
    static QString websiteLevelFolder();
    // The text between the markers of a "site.velks"; "" without the start marker, the rest of the text
    // without the end marker.
    static QString textBetween(const QString& text, const QString& start, const QString& end);
    static QString websiteTitleOf(const QString& siteSettingsText);
    static QString websiteDescriptionOf(const QString& siteSettingsText);

    const QList<WebsiteObject>& templateSiteArray() const { return m_templateSiteArray; }

    // ---- Ready-made websites
    WebsiteObject openTemplateSite(const QString& sitePath);
    void showSiteLevelTemplate();
    void launchSelectedTemplateWebsite(int tag);
    void proceedToLaunchSelectedTemplateWebsite(int tag, const QString& path);

    // ---- New websites
    void addNewWebsite();
    void addStarterBlankPage(const QString& folder);
    void addGettingStartedPage(const QString& folder);
    void launchGettingStartedGuide();
    void presentAddStarterPageAlert();

    // ---- Opening
    void openNewDoc();
    void openWebsite();
    void launchSelectedWebsite(const QString& websitePath, bool addStarterPages);
    void pickUpFileList(const QString& websitePath, const QString& workingPath);
    void launchUsingBaseTemplate();

private:
    // The save panel for a new website's folder, and the question before an existing folder is replaced;
    // a null string when the user cancelled.
    QString chooseNewWebsiteFolder();

    SKTAppDelegate& m_delegate;
    TemplateChooser& m_chooser;
    QList<WebsiteObject> m_templateSiteArray;
};
