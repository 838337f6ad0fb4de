#pragma once

#include "document/core/DocumentWindow.h"
#include "window/menu/WindowMenuValidation.h"
#include "window/sheets/AdjustCanvasSizeWindowController.h"
#include "window/sheets/PageNumberWindowController.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class CustomSplitView;
class FlippedNSView;
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
    // Set by the application shell when it opens a website; the canvas pane is fitted from then on.
    void setOpenWebsiteFolderPath(const QString& path);
    QString openWebsiteFolder() const { return m_openWebsiteFolder; }
    QString openWebsiteFolderTempPath() const override { return m_openWebsiteFolderTempPath; }
    void setOpenWebsiteFolderTempPath(const QString& path) { m_openWebsiteFolderTempPath = path; }
    // The page tiles of the page list, which the page list sets after every rebuild.
    QList<QAbstractButton*> siteIconArray() const;
    void setSiteIconArray(const QList<QAbstractButton*>& tiles);
    // The first tile whose "pageName" is the page file name, else the first tile, else none.
    QAbstractButton* findCurrentlySelectedVelkButton(const QString& pageFileName) const;

    // ---- Layout
    void resetZoomScrollViewSize();
    bool isInspectorShown() const;
    void toggleInspector();
    void toggleSidebarDrawer() { toggleInspector(); }
    void collapseInspector();
    void reopenInspector();
    // A page opened on its own shows no page list.
    void prepSingleDocWindow();

    // ---- Menu validation
    WindowMenuState menuState() const;
    // Validates the item by its object name (the action's name) and answers whether it is enabled.
    bool validateMenuItem(QAction& item) const;
    // What the page list answers: whether a tile lay under its last context click.
    void setDeterminePageClicked(std::function<bool()> query) { m_determinePageClicked = std::move(query); }
    bool determinePageClicked() const { return m_determinePageClicked && m_determinePageClicked(); }
    // What the canvas answers: whether its selected table has a background pattern.
    void setSelectedTablePatternQuery(std::function<bool()> query) { m_tablePatternQuery = std::move(query); }
    bool doesSelectedTableContainBackgroundPattern() const
    {
        return m_tablePatternQuery && m_tablePatternQuery();
    }
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
    void updateRulers_points();
    void updateRulers_centimeters();
    void updateRulers_inches();
    void view1Column() { adjustViewColumn(1); }
    void view2Column() { adjustViewColumn(2); }
    void view3Column() { adjustViewColumn(3); }
    void adjustViewColumn(int columns);

    // ---- Sheets (window-modal; each opening makes a new sheet, kept until the next opening)
    void showAdjustCanvasSheet();
    void saveAdjustCanvasWindowControllerSheet();
    void cancelAdjustCanvasWindowControllerSheet();
    AdjustCanvasSizeWindowController* adjustCanvasSizeWindowController() const { return m_adjustCanvasSheet; }
    void showAdjustPageNumberSheet();
    void saveAdjustPageNumberWindowControllerSheet();
    void cancelAdjustPageNumberWindowControllerSheet();
    PageNumberWindowController* pageNumberWindowController() const { return m_pageNumberSheet; }

    // ---- Colour
    void updateDocumentColor(const QColor& color, const QString& hexString);
    QString getDocumentColorHexString() const { return m_pageColorHexString; }
    void refreshPageBackgroundColor() override;

    // ---- Canvas forwarders
    // Adds a text box in the inspector's default style ("Actor" 15, text "555555", no fill, no border) at
    // the front of the page, as one undo step; the group number -99 is none.
    void addGraphicViewTextBox(const QString& text, const QString& link, int groupNumber, const QRectF& frame);
    void deSelectAllObjects() override;
    void stopEditingInGraphicView();

    // ---- What the document asks of its window
    void hideAllDocPanels() override;
    // Panels of the document (page and form settings) that hideAllDocPanels orders out.
    void addDocPanel(QWidget* panel);
    QBrush getDocumentColor() const override;
    QImage renderCanvas(const QRectF& rect) override;
    QImage findCurrentlySelectedVelkButtonImage(const QString& pageFileName) override;
    QString grabNextImageName() const override;
    QPointF grabLastTouchPoint() const override { return m_lastTouchPoint; }

Q_SIGNALS:
    // The window closed and let its document go; the document's owner may now release it.
    void documentWindowClosed(SKTDocument* document);
    void zoomFactorChanged(double factor);
    // The selection changed on the canvas; the inspector follows.
    void graphicTouched();

    // What notifications and the window's own operations ask of the page list, the inspector and the
    // toolbar, which connect to them.
    void refreshWebsite();
    void totalRefreshWebsite();
    void updateCurrentlySelectedVelkButton();
    void updateCurrentButtonColor();
    void displayProfilePopover();
    void hideProfilePopover();
    void resetProfilePopoverPosition();
    void setFormButtons();
    void clearDragAndDropIcons();
    void clearLayerListingIcons();
    void callRefreshTabs();
    void switchSideBarView();
    void unbindEverything();
    void createInspectorPanel();
    // The page icons are to be rebuilt with the search text.
    void refreshPageIcons(const QString& searchText);

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
    QList<QPointer<QAbstractButton>> m_siteIconArray;
    QList<QPointer<QWidget>> m_docPanels;
    QString m_pageColorHexString;
    QPointF m_lastTouchPoint;
    std::function<bool()> m_determinePageClicked;
    std::function<bool()> m_tablePatternQuery;
    bool m_savingOnResign = false;
    bool m_released = false;

    QPointer<AdjustCanvasSizeWindowController> m_adjustCanvasSheet;
    QPointer<PageNumberWindowController> m_pageNumberSheet;
};
