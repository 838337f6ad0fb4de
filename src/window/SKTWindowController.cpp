#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"
#include "canvas/view/SKTZoomingScrollView.h"
#include "document/core/DocumentAlerts.h"
#include "document/core/GraphicSelection.h"
#include "document/core/SKTDocument.h"
#include "model/SKTGrid.h"
#include "model/geometry/Handles.h"
#include "platform/Bundle.h"
#include "platform/NotificationCenter.h"
#include "platform/SegmentedControl.h"
#include "profile/DataCentre.h"
#include "window/pages/ProjectFolder.h"
#include "window/pages/VelkNSButton.h"
#include "window/views/CustomSplitView.h"
#include "window/views/FlippedNSView.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The notifications every window observes, in the order they are registered. A row for this document
// only reaches the window of the document the notification names.
struct ObservedNotification {
    const char* name;
    bool thisDocumentOnly;
    void (SKTWindowController::*handler)();
};

const ObservedNotification kObservedNotifications[] = {
    {"refreshDocIcon", true, &SKTWindowController::updateCurrentlySelectedVelkButton},
    {"updateCurrentButtonColor", true, &SKTWindowController::updateCurrentButtonColor},
    {"websiteUpdated", false, &SKTWindowController::refreshWebsite},
    {"totalWebsiteUpdated", true, &SKTWindowController::totalRefreshWebsite},
    {"displayProfilePopover", true, &SKTWindowController::displayProfilePopover},
    {"hideProfilePopover", true, &SKTWindowController::hideProfilePopover},
    {"displayToolbars", false, &SKTWindowController::setFormButtons},
    {"clearDragAndDropIcons", false, &SKTWindowController::clearDragAndDropIcons},
    {"clearLayerListingIcons", false, &SKTWindowController::clearLayerListingIcons},
    {"callRefreshTabs", false, &SKTWindowController::callRefreshTabs},
    {"refreshInspectorPanel", false, &SKTWindowController::switchSideBarView},
    {"unbindEverything", false, &SKTWindowController::unbindEverything},
};

const QString kUntitled = QStringLiteral("Untitled");

SKTWindowController::InspectorMaker& inspectorMaker()
{
    static SKTWindowController::InspectorMaker maker;
    return maker;
}
constexpr int kPageIconRebuildDelayMs = 100;
constexpr int kRefreshButtonSide = 28;
const QRect kSearchFieldFrame(0, 0, 300, 30);
// A new window opens this large, or as large as the screen allows.
constexpr QSize kInitialWindowSize(1400, 900);

} // namespace

SKTWindowController::SKTWindowController(SKTDocument& document, QWidget* parent)
    : QMainWindow(parent)
    , m_grid(new SKTGrid(this))
    , m_zoomFactor(Handles::canvasZoomFactor())
{
    setObjectName(QStringLiteral("documentWindow"));
    resize(kInitialWindowSize.boundedTo(screen()->availableGeometry().size()));
    buildPanes();
    setDocument(&document);
    windowDidLoad();
}

SKTWindowController::~SKTWindowController()
{
    release();
}

void SKTWindowController::installAsWindowMaker()
{
    SKTDocument::setWindowControllerFactory([](SKTDocument& document) -> std::unique_ptr<DocumentWindow> {
        return std::make_unique<SKTWindowController>(document);
    });
}

// ---- Building the window

void SKTWindowController::buildPanes()
{
    m_splitView = new CustomSplitView(Qt::Horizontal, this);
    m_splitView->setObjectName(QStringLiteral("splitView"));
    m_splitView->setChildrenCollapsible(false);
    setCentralWidget(m_splitView);

    // The page-list pane: the top bar of search and summary over the page tiles.
    m_sidebarSplitView = new QSplitter(Qt::Vertical);
    m_splitView->addWidget(m_sidebarSplitView);
    m_sidebarSplitView->setObjectName(QStringLiteral("sidebarSplitView"));
    m_sidebarSplitView->setChildrenCollapsible(false);
    m_sidebarSplitView->setHandleWidth(0);
    m_topSidebarView = new QWidget;
    m_sidebarSplitView->addWidget(m_topSidebarView);
    m_topSidebarView->setObjectName(QStringLiteral("topSidebarView"));
    m_topSidebarView->setFixedHeight(topSidebarHeight);
    m_pageListingView = new QScrollArea;
    m_sidebarSplitView->addWidget(m_pageListingView);
    m_pageListingView->setObjectName(QStringLiteral("pageListingView"));
    m_pageListingView->setWidgetResizable(true);
    m_pageListingClipView = new FlippedNSView;
    m_pageListingClipView->setObjectName(QStringLiteral("pageListingClipView"));
    m_pageListingView->setWidget(m_pageListingClipView);
    m_pageListingClipView->installEventFilter(this);
    // Resizing the window resizes the tiles, never the top bar; the pane's divider stays put.
    m_sidebarSplitView->setStretchFactor(0, 0);
    m_sidebarSplitView->setStretchFactor(1, 1);
    m_sidebarSplitView->handle(1)->setEnabled(false);
    m_sidebarSplitView->installEventFilter(this);

    // The canvas pane: the scroll view stands at its left edge, as wide as fitting makes it.
    m_mainCanvasView = new QWidget;
    m_splitView->addWidget(m_mainCanvasView);
    m_mainCanvasView->setObjectName(QStringLiteral("mainCanvasView"));
    m_mainCanvasView->setMinimumWidth(1);
    m_zoomingScrollView = new SKTZoomingScrollView(m_mainCanvasView);
    m_graphicView = new SKTGraphicView;
    m_zoomingScrollView->setGraphicView(m_graphicView);
    m_mainCanvasView->installEventFilter(this);
    m_graphicView->installEventFilter(this);

    buildInspectorPane();

    // Only the canvas pane takes up what the window gains or loses; only the divider between the page
    // list and the canvas can be dragged.
    m_splitView->setCollapsible(0, true);
    m_splitView->setStretchFactor(0, 0);
    m_splitView->setStretchFactor(1, 1);
    m_splitView->setStretchFactor(2, 0);
    m_splitView->handle(2)->setEnabled(false);

    m_pageIconRebuild = new QTimer(this);
    m_pageIconRebuild->setSingleShot(true);
    m_pageIconRebuild->setInterval(kPageIconRebuildDelayMs);
    connect(m_pageIconRebuild, &QTimer::timeout, this, &SKTWindowController::respondToSubviewChange);

    // Controls the page list and the toolbar place.
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setGeometry(kSearchFieldFrame);
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->hide();
    connect(m_searchField, &QLineEdit::textChanged, this, &SKTWindowController::refreshPageIcons);
    buildPageListingMenu();
    m_refreshButton = new QToolButton(this);
    m_refreshButton->setObjectName(QStringLiteral("refreshButton"));
    m_refreshButton->setFixedSize(kRefreshButtonSide, kRefreshButtonSide);
    m_refreshButton->setAutoRaise(true);
    const QString menuBars =
        Bundle::main().pathForResource(QStringLiteral("menu_bars"), QStringLiteral("png"));
    if (!menuBars.isEmpty())
        m_refreshButton->setIcon(QIcon(menuBars));
    m_refreshButton->hide();
    m_canvasSizeToolbarItem = new SegmentedControl({tr("Mobile"), tr("Full"), tr("Wide")}, this);
    m_canvasSizeToolbarItem->setObjectName(QStringLiteral("canvasSizeToolbarItem"));
    m_canvasSizeToolbarItem->hide();
    connect(m_canvasSizeToolbarItem, &SegmentedControl::activated, this, &SKTWindowController::setCanvasSize);
    m_paperSizeSegmentedControl = new SegmentedControl({tr("Letter"), tr("A4")}, this);
    m_paperSizeSegmentedControl->setObjectName(QStringLiteral("paperSizeSegmentedControl"));
    m_paperSizeSegmentedControl->hide();
    m_numOfCardsPerSheetSegmentedControl = new SegmentedControl({tr("10"), tr("8")}, this);
    m_numOfCardsPerSheetSegmentedControl->setObjectName(QStringLiteral("numOfCardsPerSheetSegmentedControl"));
    m_numOfCardsPerSheetSegmentedControl->hide();
}

void SKTWindowController::buildInspectorPane()
{
    m_inspectorView = new QWidget;
    m_splitView->addWidget(m_inspectorView);
    m_inspectorView->setObjectName(QStringLiteral("inspectorView"));
    m_inspectorView->setFixedWidth(inspectorPanelWidth);
    m_inspectorView->setMinimumHeight(inspectorPanelHeight);
    auto* column = new QVBoxLayout(m_inspectorView);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
}

void SKTWindowController::setInspectorMaker(InspectorMaker maker)
{
    inspectorMaker() = std::move(maker);
}

void SKTWindowController::windowDidLoad()
{
    const ProductProfile& profile = DataCentre::profile();
    m_graphicView->setGrid(m_grid);
    m_zoomingScrollView->setFactor(m_zoomFactor);
    connect(m_zoomingScrollView, &SKTZoomingScrollView::factorChanged, this,
            &SKTWindowController::setZoomFactor);
    connect(m_zoomingScrollView, &SKTZoomingScrollView::clickedOutsideCanvas, this, [this] {
        stopEditingInGraphicView();
        deSelectAllObjects();
        Q_EMIT graphicTouched();
    });
    connect(m_graphicView, &SKTGraphicView::graphicTouched, this, &SKTWindowController::graphicTouched);
    connect(m_graphicView, &SKTGraphicView::refreshLayerListing, this, &SKTWindowController::refreshLayerListing);
    m_zoomingScrollView->viewport()->setCursor(Qt::ArrowCursor);

    if (inspectorMaker())
        inspectorMaker()(*this);
    buildTemplatePopups();
    selectWhichToolBarToUse();
    setFormButtons();
    prepareToLocalizeToolbarAndStuff();
    fillTemplatePopups();
    if (!profile.inspectorInitiallyOpen)
        collapseInspector();
    observeNotifications();
    m_splitView->setSizes({profile.pageListMinWidth, width(), inspectorPanelWidth});
    refreshPageBackgroundColor();
}

void SKTWindowController::observeNotifications()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (const ObservedNotification& row : kObservedNotifications) {
        center.addObserver(this, QString::fromLatin1(row.name),
                           [this, row](const Notification& notification) {
                               if (row.thisDocumentOnly && (!m_document || notification.object != m_document))
                                   return;
                               (this->*row.handler)();
                           });
    }
}

// ---- Document

void SKTWindowController::setDocument(SKTDocument* document)
{
    if (m_document) {
        m_graphicView->stopEditing();
        m_graphicView->unbindGraphics();
        m_graphicView->unbindSelectionIndexes();
        for (const QMetaObject::Connection& connection : std::as_const(m_documentConnections))
            disconnect(connection);
        m_documentConnections.clear();
        delete m_graphicsController;
        m_graphicsController = nullptr;
    }
    m_document = document;
    if (!document)
        return;
    m_graphicsController = new GraphicSelection(*document, this);
    m_graphicView->bindSelectionIndexes(m_graphicsController);
    m_graphicView->bindGraphics(document);
    m_documentConnections = {
        connect(document, &SKTDocument::canvasSizeChanged, this,
                &SKTWindowController::observeDocumentCanvasSize),
        connect(document, &SKTDocument::windowTitleChanged, this, &QWidget::setWindowTitle),
        // A document that goes before its window leaves the window with nothing to show.
        connect(document, &QObject::destroyed, this, [this] { release(); }),
    };
    setWindowTitle(document->windowTitle().isEmpty() ? documentDisplayName() : document->windowTitle());
    observeDocumentCanvasSize();
}

void SKTWindowController::observeDocumentCanvasSize()
{
    if (m_document)
        showCanvasSize(m_document->canvasSize());
}

void SKTWindowController::showCanvasSize(const QSizeF& size)
{
    m_graphicView->setCanvasSize(size);
}

void SKTWindowController::release()
{
    if (m_released)
        return;
    m_released = true;
    // An export still copying finishes first; its end is not shown any more.
    endSourceExport();
    NotificationCenter::defaultCenter().removeObserver(this);
    m_pageIconRebuild->stop();
    setDocument(nullptr);
    m_graphicView->setGrid(nullptr);
    disconnect(m_zoomingScrollView, nullptr, this, nullptr);
    disconnect(m_graphicView, nullptr, this, nullptr);
}

QString SKTWindowController::documentDisplayName() const
{
    if (!m_document || m_document->fileLocation().isEmpty())
        return kUntitled;
    return QFileInfo(m_document->fileLocation()).completeBaseName();
}

void SKTWindowController::closeEvent(QCloseEvent* event)
{
    if (m_released) {
        event->accept();
        return;
    }
    SKTDocument* document = m_document;
    if (document && !document->canCloseDocumentWithDelegate()) {
        event->ignore();
        return;
    }
    release();
    event->accept();
    Q_EMIT documentWindowClosed(document);
}

void SKTWindowController::resizeEvent(QResizeEvent* event)
{
    // The panes follow through the split view; the canvas pane refits as it resizes.
    QMainWindow::resizeEvent(event);
    Q_EMIT resetProfilePopoverPosition();
}

void SKTWindowController::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        windowDidResignMain();
}

void SKTWindowController::windowDidResignMain()
{
    // A page that was never saved has no file to save into; an alert about a failed save takes the
    // window's activation too, which must not save again.
    if (DataCentre::profile().singleDocumentMode || m_released || m_savingOnResign || !m_document ||
        m_document->fileLocation().isEmpty())
        return;
    m_savingOnResign = true;
    const DocumentResult result = m_document->askPageToSaveItself();
    DocumentAlerts::showSaveResult(*m_document, result);
    m_savingOnResign = false;
}

bool SKTWindowController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mainCanvasView && event->type() == QEvent::Resize) {
        resetZoomScrollViewSize();
    } else if (watched == m_sidebarSplitView && event->type() == QEvent::Resize) {
        m_pageIconRebuild->start();
    } else if (watched == m_pageListingClipView && event->type() == QEvent::ContextMenu) {
        // Clicks on a tile reach the list too; the point in the list finds the tile.
        const auto* click = static_cast<QContextMenuEvent*>(event);
        m_pageListingClipView->setLastTouchPoint(click->pos());
        determinePageClicked();
        for (QAction* item : m_pageListingMenu->actions())
            validateMenuItem(*item);
        m_pageListingMenu->popup(click->globalPos());
        return true;
    } else if (watched == m_graphicView &&
               (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::ContextMenu)) {
        const QPointF at = event->type() == QEvent::ContextMenu
                               ? QPointF(static_cast<QContextMenuEvent*>(event)->pos())
                               : static_cast<QMouseEvent*>(event)->position();
        m_lastTouchPoint = m_graphicView->canvasPointAt(at);
    }
    return QMainWindow::eventFilter(watched, event);
}

void SKTWindowController::respondToSubviewChange()
{
    refreshPageIcons(m_searchField->text());
}

// ---- Zoom

void SKTWindowController::setZoomFactor(double factor)
{
    if (factor <= 0 || factor == m_zoomFactor)
        return;
    m_zoomFactor = factor;
    m_zoomingScrollView->setFactor(factor);
    resetZoomScrollViewSize();
    Q_EMIT zoomFactorChanged(factor);
}

// ---- Website and tiles

void SKTWindowController::setOpenWebsiteFolderPath(const QString& path)
{
    m_openWebsiteFolderPath = path;
    m_openWebsiteFolder = ProjectFolder::folderNameWithoutBlanks(path);
    m_openWebsiteFolderTempPath = ProjectFolder::workingFolderFor(path);
    resetZoomScrollViewSize();
}

QImage SKTWindowController::findCurrentlySelectedVelkButtonImage(const QString& pageFileName)
{
    const VelkNSButton* tile = findCurrentlySelectedVelkButton(pageFileName);
    return tile ? tile->image() : QImage();
}

// ---- Colour

void SKTWindowController::updateDocumentColor(const QBrush& color, const QString& hexString)
{
    m_pageColorHexString = hexString;
    m_graphicView->setPageColor(color);
    m_graphicView->setPageColorHexString(hexString);
    m_graphicView->update();
}

void SKTWindowController::refreshPageBackgroundColor()
{
    // A page with a background picture shows it: the canvas's brush is what the next save writes the
    // background from, so a plain colour here would drop the picture from the page.
    if (m_document && m_document->backgroundImageFlag() > 0 && !m_document->backgroundImage().isNull())
        updateDocumentColor(QBrush(m_document->backgroundImage()), QString());
    else if (m_document)
        updateDocumentColor(m_document->pageColor(), m_document->pageColorHexString());
    resetZoomScrollViewSize();
    if (!m_document || !m_document->openingFromWebsiteFlag())
        prepSingleDocWindow();
}

QColor SKTWindowController::selectedColor(int target) const
{
    return m_selectedColors.value(target);
}

void SKTWindowController::setSelectedColor(int target, const QColor& color)
{
    m_selectedColors.insert(target, color);
}

QBrush SKTWindowController::getDocumentColor() const
{
    return m_graphicView->pageColor();
}

// ---- Canvas forwarders and what the document asks

void SKTWindowController::deSelectAllObjects()
{
    if (m_graphicsController)
        m_graphicsController->changeSelectionIndexes({});
}

void SKTWindowController::stopEditingInGraphicView()
{
    m_graphicView->stopEditing();
}

void SKTWindowController::undo()
{
    if (m_document)
        m_graphicView->undo();
}

void SKTWindowController::redo()
{
    if (m_document)
        m_graphicView->redo();
}

void SKTWindowController::deleteSelection()
{
    if (m_document)
        m_graphicView->delete_();
}

void SKTWindowController::addNewImage()
{
    if (m_document)
        m_graphicView->addNewImage();
}

void SKTWindowController::launchPrintSettings()
{
    m_graphicView->launchPrintSettings();
}

void SKTWindowController::hideAllDocPanels()
{
    for (const QPointer<QWidget>& panel : std::as_const(m_docPanels)) {
        if (panel)
            panel->hide();
    }
}

void SKTWindowController::addDocPanel(QWidget* panel)
{
    m_docPanels.append(panel);
}

QImage SKTWindowController::renderCanvas(const QRectF& rect)
{
    QImage picture(rect.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::transparent);
    const QTransform toWidget = m_graphicView->canvasTransform();
    QPainter painter(&picture);
    // The canvas draws at its zoom; the picture is in canvas points.
    painter.scale(1 / toWidget.m11(), 1 / toWidget.m22());
    const QRect source = toWidget.mapRect(rect).toAlignedRect();
    m_graphicView->render(&painter, QPoint(), QRegion(source), QWidget::DrawChildren);
    return picture;
}

QString SKTWindowController::grabNextImageName() const
{
    return m_document ? m_document->getNextImageName({}) : QString();
}

bool SKTWindowController::doesSelectedTableContainBackgroundPattern() const
{
    return m_graphicView && m_graphicView->doesSelectedTableContainBackgroundPattern();
}

void SKTWindowController::addPlaceHolderAddress(const QPointF& point)
{
    if (m_graphicView)
        m_graphicView->addFullAddress_drag(point);
}

void SKTWindowController::addPlaceHolder()
{
    // A new label sheet starts with the address block the mail-merge fills in.
    if (DataCentre::profile().productDisplayName == QLatin1String("Tazmir Label Maker") && m_document &&
        m_document->graphics().isEmpty())
        addPlaceHolderAddress(QPointF(10, 10));
}

bool SKTWindowController::isGraphicSelected(const SKTGraphic& graphic) const
{
    return m_graphicsController && m_graphicsController->isSelected(graphic);
}
