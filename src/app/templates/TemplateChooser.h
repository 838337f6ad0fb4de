#pragma once

#include "app/templates/TemplateCategory.h"
#include "app/templates/TemplateIconButton.h"
#include "app/templates/TemplateLibrary.h"
#include "app/templates/TemplateWindowController.h"

#include <QObject>
#include <QPointer>

class QPushButton;
class QThread;
class SKTAppDelegate;
class SKTDocument;

// The template chooser of the application: its categories, the preparation of the thumbnails on a
// background thread, the grid, the selection, and opening a template as an untitled document. The
// application delegate owns it and answers the chooser's actions through it.
class TemplateChooser : public QObject {
    Q_OBJECT

public:
    explicit TemplateChooser(SKTAppDelegate& delegate);
    ~TemplateChooser() override;

    // The one chooser window; made on first use.
    TemplateWindowController& sharedTemplateWindowController();
    TemplateWindowController* window() const { return m_window; }

    const QList<TemplateCategory>& templateCategoryMutableArray() const { return m_categories; }
    const QList<QPushButton*>& templateCategoryButtonArray() const { return m_categoryButtons; }
    QString categoryFolder() const { return m_categoryFolder; }
    bool templateLaunchNewDirectoryFlag() const { return m_templateLaunchNewDirectoryFlag; }
    QString mainTemplateName() const { return m_mainTemplateName; }
    TemplateIconButton* selectedTemplateButton() const { return m_selectedTemplateButton; }
    void setSelectedTemplateButton(TemplateIconButton* button) { m_selectedTemplateButton = button; }
    // The thumbnails in load order.
    QList<TemplateIconButton*> thumbnails() const;

    // ---- Opening the chooser
    void showTemplateWebsite();
    void showTemplate();
    void startNewPage();
    void startNewTemplate();
    void launchTemplatePreparation();
    void prepTemplateCategories();
    void displayTemplate();
    void refreshTemplate();
    void categoryButtonTapped(QPushButton* button);

    // ---- Selecting and launching
    void templateSelected(TemplateIconButton* button);
    void clearTemplateSelection();
    void cancelTemplateView();
    void selectedATemplate();
    void launchTemplate();
    void launchSingleDocTemplate();
    void directlyLaunchSingleDocBlank();
    void openSample();

Q_SIGNALS:
    // The chooser is on screen with its thumbnails laid out.
    void templatesDisplayed();

private:
    void prepTemplatesInBackground();
    void dismissProgressIndicatorOnMainThread(const QList<TemplateThumbnail>& thumbnails);
    void makeThumbnails(const QList<TemplateThumbnail>& thumbnails);
    void buildCategoryColumn();
    // The view of the thumbnails inside the chooser's scroll view.
    QWidget* templateGrid();
    // Copies the bundle file to the folder under the name (replacing), opens it and makes it untitled.
    SKTDocument* openUntitledCopy(const QString& source, const QString& folder, const QString& name);

    SKTAppDelegate& m_delegate;
    QPointer<TemplateWindowController> m_window;
    QList<TemplateCategory> m_categories;
    QList<QPushButton*> m_categoryButtons;
    QString m_categoryFolder = TemplateCategories::kAllFolder;
    bool m_templateLaunchNewDirectoryFlag = false;
    QString m_mainTemplateName;
    QPointer<TemplateIconButton> m_selectedTemplateButton;
    QThread* m_preparation = nullptr;
};
