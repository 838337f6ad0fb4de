#pragma once

#include "document/core/DocumentResult.h"
#include "document/core/DocumentWindow.h"
#include "window/menu/WindowMenuValidation.h"
#include "window/sheets/AddNewPageViewController.h"
#include "window/sheets/AdjustCanvasSizeWindowController.h"
#include "window/sheets/PageNumberWindowController.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class CustomSplitView;
class FlippedNSView;
class LabelHelper;
class LabelTemplateHelper;
class QComboBox;
class QToolBar;
class ListingIconView;
class QLabel;
class QMenu;
class VelkNSButton;
class GraphicSelection;
class QAbstractButton;
class QAction;
class QLineEdit;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolButton;
class SegmentedControl;
class SKTDocument;
class SKTGraphicView;
class SKTGrid;
class SKTZoomingScrollView;
struct SourceExportJob;
class QThread;

// The window of one page document: from left to right in one split view the page-list pane of the website
// folder, the canvas in its zooming scroll view, and the inspector. It owns the canvas, the selection the
// canvas and the inspector share, the grid and the zoom, and its sheets; the document reaches it through
// DocumentWindow. The panes of the page list and the inspector are containers that those panes fill; the
// window tells them through its signals what the notifications and its own operations ask of them.
// Everything the window observes is let go when it closes.
class SKTWindowController : public QMainWindow, public DocumentWindow {
    Q_OBJECT

public:
    static constexpr int inspectorPanelWidth = 270;
    static constexpr int inspectorPanelHeight = 540;
    static constexpr int topSidebarHeight = 80;

    // The window of the document, loaded and bound to it; shown by whoever made it.
    explicit SKTWindowController(SKTDocument& document, QWidget* parent = nullptr);
    ~SKTWindowController() override;

    // Every document made from now on gets a window of this class.
    static void installAsWindowMaker();
    // What fills the inspector pane of every window made from now on; it runs while the window loads, before
    // the window decides whether its inspector starts collapsed. None leaves the pane empty.
    using InspectorMaker = std::function<void(SKTWindowController&)>;
    static void setInspectorMaker(InspectorMaker maker);

    // ---- Life cycle
    SKTDocument* document() const { return m_document; }
    // None detaches the window from its document: bindings, observations and notifications end.
    void setDocument(SKTDocument* document);

    // ---- Canvas core
    SKTGraphicView* graphicView() const { return m_graphicView; }
    SKTZoomingScrollView* zoomingScrollView() const { return m_zoomingScrollView; }
    GraphicSelection* graphicsController() const { return m_graphicsController; }
    SKTGrid* grid() const { return m_grid; }
    double zoomFactor() const { return m_zoomFactor; }
    void setZoomFactor(double factor);

    // ---- Panes
    QSplitter* splitView() const;
    QSplitter* sidebarSplitView() const { return m_sidebarSplitView; }
    QWidget* topSidebarView() const { return m_topSidebarView; }
    QScrollArea* pageListingView() const { return m_pageListingView; }
    FlippedNSView* pageListingClipView() const { return m_pageListingClipView; }
    QWidget* mainCanvasView() const { return m_mainCanvasView; }
    // The inspector pane, 270 wide, whose column layout the inspector and the object library fill.
    // The inspector's pane: a column that the inspector, once made for the window, fills.
    QWidget* inspectorView() const { return m_inspectorView; }
    QLineEdit* searchField() const { return m_searchField; }
    QToolButton* refreshButton() const { return m_refreshButton; }
    SegmentedControl* canvasSizeToolbarItem() const { return m_canvasSizeToolbarItem; }
    SegmentedControl* paperSizeSegmentedControl() const { return m_paperSizeSegmentedControl; }
    SegmentedControl* numOfCardsPerSheetSegmentedControl() const
    {
        return m_numOfCardsPerSheetSegmentedControl;
    }

    // ---- The website folder shown in the page list
    QString openWebsiteFolderPath() const { return m_openWebsiteFolderPath; }
    // Set by the application shell when it opens a website; the canvas pane is fitted from then on. The
    // page list follows with refreshWebsite.
    void setOpenWebsiteFolderPath(const QString& path);
    // The folder's name without blanks.
    QString openWebsiteFolder() const { return m_openWebsiteFolder; }
    QString openWebsiteFolderTempPath() const override { return m_openWebsiteFolderTempPath; }
    QString websitePageFileName(const QString& documentFileName) const override;
    // The page tiles in page order; rebuilt by every rescan.
    QList<VelkNSButton*> siteIconArray() const;
    void setSiteIconArray(const QList<VelkNSButton*>& tiles);
    // The tiles that pass the search filter, in page order.
    QList<VelkNSButton*> siteIconArrayLocal() const;
    QStringList pageNameArray() const { return m_pageNameArray; }
    QList<ListingIconView*> pageListingIconViews() const;
    QLabel* websiteSummaryLabel() const { return m_websiteSummaryLabel; }
    QMenu* pageListingMenu() const { return m_pageListingMenu; }
    QString sortListingBy() const { return m_sortListingBy; }
    VelkNSButton* selectedVelkPageButton() const;
    QString selectedPageName() const { return m_selectedPageName; }
    bool loopThroughFlag() const { return m_loopThroughFlag; }
    // The first tile whose "pageName" is the page file name, else the first tile, else none.
    VelkNSButton* findCurrentlySelectedVelkButton(const QString& pageFileName) const;
    // The last tile whose document name is the name.
    VelkNSButton* grabVelkButtonWithPageName(const QString& documentName) const;
    bool existInSiteIconArray(const QString& pageName) const;
    bool baseTemplateExists() const;
    QString generateDefaultPageName() const;

    // ---- Page list: scan, order file, layout, opening a page
    // Makes the project's working folder afresh; answers the project folder.
    QString resetAndGrabCurrentWebsiteFolderPath();
    void pickUpFileList(const QString& projectPath);
    QString migratePage(const QString& documentPath) const;
    static QString grabPageWidth(const QString& text);
    void grabPageOrderIndexFile();
    void writePageOrderIndexFile() const;
    void refreshPageListingDisplay();
    void refreshPageIcons(const QString& searchText);
    // Saves the open page and opens the tile's page in its place; a page that cannot be opened leaves the
    // previous one open.
    void launchSelected(VelkNSButton* tile);
    void resetAllButtons();
    // The tile under the page list's last context click becomes the selected page; false when none lies
    // there, which leaves the selected page as it was.
    bool determinePageClicked();
    ListingIconView* grabPageClicked(const QPointF& point) const;

    // ---- New pages and the page loop
    // What the new-page sheet hands over: the template chosen and how the page is to be made.
    struct NewPageChoice {
        QString selectedTemplateCategoryFolder;
        QString selectedTemplateName;
        QString pageFileType;
        // The sheet's file-name field; null when the sheet has none.
        QString pageFileName;
        QString directlySelectFileName;
        bool applyBaseTemplate = false;
        QString pageTitle;
    };
    // Opens a page file as a document of its own and shows it; the application installs it.
    using DocumentOpener = std::function<SKTDocument*(const QString& path)>;
    static void setDocumentOpener(DocumentOpener opener);
    // Answers whether the page was added.
    bool addBlankPage(const QString& fileName);
    void launchUsingBaseTemplate(const NewPageChoice& choice);
    QString prepAndRenameDoc(const QString& sourcePath, const QString& newFileName) const;
    // Unpacks the page document into the temporary folder; answers its page file path with the extension.
    QString prepTempDocPath(const QString& documentPath, const QString& sourceExtension) const;
    // Packs the page file's page into the document; false, with the document as it was, on failure.
    bool zipDoc(const QString& documentPath, const QString& sourcePath) const;
    void loopThroughPages(bool force);
    bool needToForceRefresh() const;
    static bool isFirstFileNewer(const QString& a, const QString& b);

    // ---- Page file operations and new pages
    // Deletes the page files of the tiles without asking; a project losing every page gets a blank page
    // first. The caller writes the order file.
    void deletePageArray(const QList<VelkNSButton*>& tiles);
    // Moves the dragged page to the place of the page under the drop point (page-list coordinates).
    void rearrangePageOrder(const QPointF& dropPoint, const QString& draggedPageName);
    // Moves the page named last to the target's place and saves the order.
    void movePage(const QStringList& pageNames, const QString& targetPageName);
    // Starts the file work of a source export on a thread of its own; its end is shown on this thread.
    void moveFilesToExportedLocation(const SourceExportJob& job);
    // "Export Complete" when every file was written, else what was not.
    void showExportCompleteAlert(const QString& destination, const QStringList& problems);
    bool isExporting() const { return m_exportThread != nullptr; }
    // The four ways the add-new sheet is set up.
    enum class AddNewSetup { BlankPage, FromTemplate, FormPage, BaseTemplate };
    // The sheet of the last add-new set-up; none before the first.
    AddNewPageViewController* addNewPageViewController() const { return m_addNewPageViewController; }
    // A sheet that is never shown, for a page added straight from the template chooser under the name.
    void prepareDirectAddNewPage(const QString& fileName);
    // The template chooser's pick for a new page: its file name and category folder.
    void saveNewPageAndChooseTemplate(const QString& templateFileName, const QString& categoryFolder);
    // True when a page may be created under the file name (with extension); else shows why not.
    bool runNewFileCreationChecks(const QString& fileName);
    // Sends an action along the application's responder chain; the application installs it.
    using ActionSender = std::function<void(const QString& action)>;
    static void setActionSender(ActionSender sender);
    // The window's document: its page file path without extension, main template name and page name.
    QString grabCurrentDocPath() const;
    void defineMainTemplateName(const QString& name);
    void definePageName(const QString& name);
    QString getDocumentPageName() const;

    // ---- Layout
    void resetZoomScrollViewSize();
    bool isInspectorShown() const;
    Q_INVOKABLE void toggleInspector();
    void toggleSidebarDrawer() { toggleInspector(); }
    void collapseInspector();
    void reopenInspector();
    // A page opened on its own shows no page list.
    void prepSingleDocWindow();

    // ---- Menu validation
    WindowMenuState menuState() const;
    // Validates the item by its object name (the action's name) and answers whether it is enabled.
    bool validateMenuItem(QAction& item) const;
    // The same, for the responder chain of the menus.
    Q_INVOKABLE bool validateMenuItem(QAction* item) { return item && validateMenuItem(*item); }
    // What the canvas answers: whether its selected table has a background pattern.
    bool doesSelectedTableContainBackgroundPattern() const;
    // The address placeholder block at the point; and, on an empty page of the label maker, at (10, 10).
    void addPlaceHolderAddress(const QPointF& point);
    void addPlaceHolder();
    // Form items are offered on form pages.
    bool showAddFormObjects() const;
    // The document's name for windows and menus: its file name without extension, else "Untitled".
    QString documentDisplayName() const;

    // ---- Grid
    void toggleGridConstraining();
    void toggleGridShowing();

    // ---- Canvas presets and size
    void setCanvasSize();
    void setMobileCanvasSize();
    void setFullCanvasSize();
    void setWideCanvasSize();
    // Segment 0 standard, 1 extra wide, 2 flex; any other changes nothing.
    void setMailCanvasSize(const SegmentedControl& sender);
    void setStandardMailCanvasSize();
    void setExtraWideMailCanvasSize();
    void setFlexMailCanvasSize();
    void adjustCanvasSizeType() override;
    void setConfirmedCanvasSize(int width, int height) override;
    // The page's own fixed size when it has a whole one, else the canvas of its product and sheet.
    void resetCanvasSize();

    // ---- Print canvases
    void adjustPageSize();
    void rotateCanvas90Right();
    void rotateCanvas0();

    // ---- Rulers and page-list columns
    Q_INVOKABLE void updateRulers_points();
    Q_INVOKABLE void updateRulers_centimeters();
    Q_INVOKABLE void updateRulers_inches();
    void view1Column() { adjustViewColumn(1); }
    void view2Column() { adjustViewColumn(2); }
    void view3Column() { adjustViewColumn(3); }
    void adjustViewColumn(int columns);

    // ---- Sheets (window-modal; each opening makes a new sheet, kept until the next opening)
    Q_INVOKABLE void showAdjustCanvasSheet();
    void saveAdjustCanvasWindowControllerSheet();
    void cancelAdjustCanvasWindowControllerSheet();
    AdjustCanvasSizeWindowController* adjustCanvasSizeWindowController() const { return m_adjustCanvasSheet; }
    Q_INVOKABLE void showAdjustPageNumberSheet();
    void saveAdjustPageNumberWindowControllerSheet();
    void cancelAdjustPageNumberWindowControllerSheet();
    PageNumberWindowController* pageNumberWindowController() const { return m_pageNumberSheet; }

    // ---- Colour
    void updateDocumentColor(const QBrush& color, const QString& hexString) override;
    QString getDocumentColorHexString() const { return m_pageColorHexString; }
    void refreshPageBackgroundColor() override;
    // The colour of the selection under a colour target (ColorTarget), as the graphic last clicked or
    // recoloured pushed it; the canvas target's colour follows the page colour string instead.
    QColor selectedColor(int target) const;
    void setSelectedColor(int target, const QColor& color) override;
    void refreshColorButtons() override { Q_EMIT colorButtonsRefreshed(); }
    void refreshInspectorPanel() override { Q_EMIT inspectorPanelRefreshed(); }

    // ---- Canvas forwarders
    // Adds a text box in the inspector's default style ("Actor" 15, text "555555", no fill, no border) at
    // the front of the page, as one undo step; the group number -99 is none.
    void addGraphicViewTextBox(const QString& text, const QString& link, int groupNumber,
                               const QRectF& frame);
    void deSelectAllObjects() override;
    void stopEditingInGraphicView();
    // The Edit menu's commands on the canvas.
    Q_INVOKABLE void undo();
    Q_INVOKABLE void redo();
    Q_INVOKABLE void deleteSelection();
    // The Add New menu's image command, whichever control has the focus.
    Q_INVOKABLE void addNewImage();

    // ---- Per-product toolbar and print templates
    // The toolbar the product's display name chooses, with the link and scroll controls the product does
    // without hidden; a product not listed keeps the window's own toolbar. Runs again on "displayToolbars".
    QToolBar* productToolbar() const;
    void selectWhichToolBarToUse();
    void setFormButtons();
    // The toolbar, the page list's menu and the canvas menu through the bundle's strings.
    void prepareToLocalizeToolbarAndStuff();
    // Whether the product's toolbar choice hid the inspector control of that object name.
    bool isHiddenByProduct(const QString& controlName) const;
    bool pageLinkItemHidden() const { return m_pageLinkItemHidden; }
    // Sends a toolbar item's action to the canvas, the window or the document, the first that answers it;
    // false when none does.
    bool sendToolbarAction(const QString& action);
    // "brand number description", trimmed: the title of a template in every template pop-up.
    static QString templateTitle(const LabelTemplateHelper& entry);
    // The seven template pop-ups: labels, flyers, manuals, folding cards, business cards, e-cards,
    // envelopes. Each lists the product's print templates in order.
    QList<QComboBox*> templatePopups() const;
    // The page's template selected in every pop-up, after its sheet set the page's print canvas up.
    void setCurrentTemplateSelectionValue() override;
    void templateSelectionUpdated();
    void flyerTemplateSelectionUpdated();
    void manualTemplateSelectionUpdated();
    void foldingCardTemplateSelectionUpdated();
    void quorvikCardTemplateSelectionUpdated();
    void quorvikEcardTemplateSelectionUpdated();
    void blueSkellowEnvelopeTemplateSelectionUpdated();
    // Every page of the project takes the template and the sheet's canvas, the first page open after.
    void refreshTabs(const std::shared_ptr<LabelTemplateHelper>& entry,
                     const std::shared_ptr<const LabelHelper>& sheet);
    // refreshTabs with the open page's template.
    void callRefreshTabs();

    // ---- What the document asks of its window
    void hideAllDocPanels() override;
    // Panels of the document (page and form settings) that hideAllDocPanels orders out.
    void addDocPanel(QWidget* panel);
    QBrush getDocumentColor() const override;
    QImage renderCanvas(const QRectF& rect) override;
    QImage findCurrentlySelectedVelkButtonImage(const QString& pageFileName) override;
    QString grabNextImageName() const override;
    QPointF grabLastTouchPoint() const override { return m_lastTouchPoint; }
    bool isGraphicSelected(const SKTGraphic& graphic) const override;
    void reAlignFormOptions() override;
    // The tiles of the page list as the canvas's page links read them.
    SitePageList sitePages() const override;

public Q_SLOTS:
    // ---- Page-list actions (menus and the page list's context menu)
    void refreshWebsite();
    void sortByDate();
    void sortByFileName();
    void directlyAddBlankPage();
    void insertBlankPage();
    void totalRefreshWebsite();
    void forceRefreshWebsite();
    void packageAllWebsiteDocuments();
    void updateCurrentButtonColor();
    // ---- Page file operations and new pages (the page list's context menu and the menus)
    void deletePage();
    void duplicatePage();
    void grabPageLink();
    void exportAllFileTo();
    void showAddNewPageWindow();
    void showAddNewFromTemplateWindow();
    void showAddNewFormWindow();
    void showAddBaseTemplateWindow();
    void addNewDirectlyFromTemplate();
    void saveNewPage();
    void cancelAddNewPageWindowControllerSheet();
    // The canvas's print settings sheet, for the menu bar wherever the window's focus is.
    void launchPrintSettings();
    // ---- Web-form builder: the Add New menu's form fields go on the canvas wherever the window's focus is.
    void addTextField();
    void addEmailTextField();
    void addParagraph();
    void addMultipleChoice();
    void addCheckboxes();
    void addBotCheckerTextField();
    void addSubmitButton();

    // ---- Tables of the Add New menu, on the window's canvas: a default table at the insertion point, and
    // site maps of the website's pages in a column or in a row.
    void addNewTable();
    void addNewTableSiteMap();
    void addNewTableSiteMapH();

    // ---- Galleries of the Add New menu: a new gallery at the canvas's insertion point.
    void addNewGallery();

Q_SIGNALS:
    // The window closed and let its document go; the document's owner may now release it.
    void documentWindowClosed(SKTDocument* document);
    void zoomFactorChanged(double factor);
    // The selection changed on the canvas; the inspector follows.
    void graphicTouched();
    // The page's list of objects changed (the canvas's commands, another page opened): the inspector's
    // layer list follows.
    void refreshLayerListing();

    // What notifications and the window's own operations ask of the page list, the inspector and the
    // toolbar, which connect to them.
    // The page list was rebuilt from the folder.
    void websiteRefreshed();
    // The tiles were placed again, filtered by the search text.
    void pageIconsPlaced(const QString& searchText);
    void updateCurrentlySelectedVelkButton();
    void displayProfilePopover();
    void hideProfilePopover();
    void resetProfilePopoverPosition();
    void clearDragAndDropIcons();
    void clearLayerListingIcons();
    void switchSideBarView();
    void unbindEverything();
    void createInspectorPanel();
    // The selection's colours changed: the inspector restyles its colour buttons, and its classic pages
    // redraw.
    void colorButtonsRefreshed();
    void inspectorPanelRefreshed();
    // The preset pickers of the inspector: shapes, text boxes, and the print layout of the card and envelope
    // products.
    void showShapePopOver();
    void showTextViewPopOver();
    void setupPrintLayoutView();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanes();
    void buildInspectorPane();
    void windowDidLoad();
    void observeNotifications();
    // Lets go of the document: bindings, observations, notifications.
    void release();
    void observeDocumentCanvasSize();
    void windowDidResignMain();
    void respondToSubviewChange();
    void showCanvasSize(const QSizeF& size);
    void setMailCanvas(int width, const QString& type);
    void turnPrintCanvas(int rotation);
    void applyRulerUnits(const QString& units);
    void closeSheet(QDialog* sheet);
    void buildPageListingMenu();
    // Points the document at the page document and reads it from the project's working folder.
    DocumentResult openWebsitePage(const QString& documentPath);
    bool saveOpenPage();
    // Packs the prepared page into the project and opens it: the common end of every way of adding one.
    bool finishNewPage(const QString& sourcePath, const QString& target);
    // Saves, rescans and runs the page loop.
    void rebuildWebsite(bool force);
    void moveTile(const QString& documentName, qsizetype position);
    // Tells the user that a new page name is refused or a new page could not be written.
    void alertNewPageFailure(const QString& message, const QString& informative);
    // Adds a blank page at the end of the list; answers whether it was added.
    bool appendBlankPage();
    // Removes the page documents; with `keepOne` a blank page is added first. Answers whether the blank
    // page was added, or none when it had to be and could not be (nothing is then removed).
    std::optional<bool> removePages(const QStringList& documentNames, bool keepOne);
    void showAddNewSheet(AddNewSetup setup);
    void endSourceExport();

    // ---- Per-product toolbar and print templates
    enum class TemplateFlow { Plain, Labels, Flyers, Manuals, FoldingCards };
    void installToolbar(const QString& toolbarName);
    void localizeToolbar();
    void buildTemplatePopups();
    void fillTemplatePopups();
    static void selectTemplateTitle(const QString& title, const QList<QComboBox*>& popups);
    void changePrintTemplate(const QComboBox& popup, TemplateFlow flow);
    void askToRefreshOtherPages(TemplateFlow flow, const std::shared_ptr<LabelTemplateHelper>& entry,
                                const std::shared_ptr<const LabelHelper>& sheet);
    void savePageForTemplate();
    void applyTemplateToOpenPage(const std::shared_ptr<LabelTemplateHelper>& entry,
                                 const std::shared_ptr<const LabelHelper>& sheet);
    void refreshAllPagesForTemplate(const std::shared_ptr<LabelTemplateHelper>& entry,
                                    const std::shared_ptr<const LabelHelper>& sheet);
    QStringList pageNamesOfTiles() const;
    VelkNSButton* tileOfPage(const QString& pageName) const;
    // Opens the page and gives it the template and the sheet's canvas; a page without a tile is skipped.
    void openPageForTemplate(const QString& pageName, const std::shared_ptr<LabelTemplateHelper>& entry,
                             const std::shared_ptr<const LabelHelper>& sheet);
    QToolBar* m_productToolbar = nullptr;
    QStringList m_productHiddenControls;
    bool m_pageLinkItemHidden = false;
    QList<QComboBox*> m_templatePopups;

    SKTDocument* m_document = nullptr;
    QList<QMetaObject::Connection> m_documentConnections;
    SKTGraphicView* m_graphicView = nullptr;
    SKTZoomingScrollView* m_zoomingScrollView = nullptr;
    GraphicSelection* m_graphicsController = nullptr;
    SKTGrid* m_grid = nullptr;
    double m_zoomFactor = 1;

    CustomSplitView* m_splitView = nullptr;
    QSplitter* m_sidebarSplitView = nullptr;
    QWidget* m_topSidebarView = nullptr;
    QScrollArea* m_pageListingView = nullptr;
    FlippedNSView* m_pageListingClipView = nullptr;
    QWidget* m_mainCanvasView = nullptr;
    QWidget* m_inspectorView = nullptr;
    QLineEdit* m_searchField = nullptr;
    QToolButton* m_refreshButton = nullptr;
    SegmentedControl* m_canvasSizeToolbarItem = nullptr;
    SegmentedControl* m_paperSizeSegmentedControl = nullptr;
    SegmentedControl* m_numOfCardsPerSheetSegmentedControl = nullptr;
    // Rapid resizes of the page-list pane rebuild the page icons once.
    QTimer* m_pageIconRebuild = nullptr;

    QString m_openWebsiteFolderPath;
    QString m_openWebsiteFolder;
    QString m_openWebsiteFolderTempPath;
    QStringList m_pageNameArray;
    QList<QPointer<VelkNSButton>> m_siteIconArray;
    QList<QPointer<VelkNSButton>> m_siteIconArrayLocal;
    QList<QPointer<ListingIconView>> m_pageListingIconViews;
    QLabel* m_websiteSummaryLabel = nullptr;
    QMenu* m_pageListingMenu = nullptr;
    QString m_sortListingBy;
    QPointer<VelkNSButton> m_selectedVelkPageButton;
    QString m_selectedPageName;
    bool m_loopThroughFlag = false;
    bool m_baseTemplateExistFlag = false;
    QList<QPointer<QWidget>> m_docPanels;
    QString m_pageColorHexString;
    QHash<int, QColor> m_selectedColors;
    QPointF m_lastTouchPoint;
    bool m_savingOnResign = false;
    bool m_released = false;

    QPointer<AdjustCanvasSizeWindowController> m_adjustCanvasSheet;
    QPointer<PageNumberWindowController> m_pageNumberSheet;
    QPointer<AddNewPageViewController> m_addNewPageViewController;
    QThread* m_exportThread = nullptr;
};
