#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/core/DocumentAlerts.h"
#include "document/core/SKTDocument.h"
#include "document/files/PagePackaging.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/services/ImageGeometry.h"
#include "window/pages/ListingIconView.h"
#include "window/pages/ProjectFolder.h"
#include "window/pages/VelkNSButton.h"
#include "window/views/CustomSplitView.h"
#include "window/views/FlippedNSView.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QToolButton>

#include <algorithm>

// The page list: the tiles of the website folder's pages, rebuilt from a full rescan of the folder after
// every change of the website.

namespace {

const QString kColumnsKey = QStringLiteral("numOfColumnListings");
const QString kSortByFileName = QStringLiteral("fileName");
const QString kSortByDate = QStringLiteral("modDate");
const QString kLabelFont = QStringLiteral("Heiti TC");
const QString kGreetingCardProduct = QStringLiteral("Tazmir Greeting Card Designer");
const QString kBaseTemplateSource = QStringLiteral("basetemplate.html");
const QString kHeaderAndFooter = QStringLiteral("Header and Footer");
const QString kCouldNotOpenPage = QStringLiteral("could not open page");
const QStringList kGreetingCardSides = {QStringLiteral("Front"), QStringLiteral("Inside 1"),
                                        QStringLiteral("Inside 2"), QStringLiteral("Back")};
constexpr int kThumbnailSide = 190;
constexpr int kLabelHeight = 18;
constexpr int kFirstCellY = 10;
constexpr int kCellGap = 5;
constexpr int kTileTop = 5;
constexpr double kTileInset = 0.1;
constexpr double kTileShare = 0.8;
constexpr int kSearchFieldY = 3;
constexpr int kSummaryY = 40;
constexpr int kSummaryHeight = 36;

// The actions of the page list's context menu: title and action name.
struct ListingMenuItem {
    const char* title;
    const char* action;
    void (SKTWindowController::*slot)();
};

const ListingMenuItem kListingMenuItems[] = {
    {"New Page...", "showAddNewPageWindow", &SKTWindowController::showAddNewPageWindow},
    {"Insert Blank Page", "insertBlankPage", &SKTWindowController::insertBlankPage},
    {"Add Blank Page", "directlyAddBlankPage", &SKTWindowController::directlyAddBlankPage},
    {nullptr, nullptr, nullptr},
    {"Duplicate", "duplicatePage", &SKTWindowController::duplicatePage},
    {"Delete", "deletePage", &SKTWindowController::deletePage},
    {"Copy Link", "grabPageLink", &SKTWindowController::grabPageLink},
    {nullptr, nullptr, nullptr},
    {"Sort By Name", "sortByFileName", &SKTWindowController::sortByFileName},
    {"Sort By Date", "sortByDate", &SKTWindowController::sortByDate},
    {nullptr, nullptr, nullptr},
    {"Refresh", "refreshWebsite", &SKTWindowController::refreshWebsite},
    {"Rebuild All Pages", "totalRefreshWebsite", &SKTWindowController::totalRefreshWebsite},
    {nullptr, nullptr, nullptr},
    {"Export Source Files...", "exportAllFileTo", &SKTWindowController::exportAllFileTo},
};

void styleLabel(QLabel& label, int pointSize)
{
    label.setAlignment(Qt::AlignCenter);
    label.setFont(QFont(kLabelFont, pointSize));
    label.setAutoFillBackground(false);
    label.setStyleSheet(QStringLiteral("color: #555555; background: transparent;"));
}

// Places the label under the one above it, or hides it when the product leaves it out.
int placeLabel(QLabel* label, QWidget& cell, int y, int width, bool shown)
{
    if (!shown) {
        label->hide();
        label->setParent(nullptr);
        return y;
    }
    label->setParent(&cell);
    label->setGeometry(0, y, width, kLabelHeight);
    label->show();
    return y + kLabelHeight;
}

QList<VelkNSButton*> present(const QList<QPointer<VelkNSButton>>& tiles)
{
    QList<VelkNSButton*> list;
    for (const QPointer<VelkNSButton>& tile : tiles) {
        if (tile)
            list.append(tile);
    }
    return list;
}

} // namespace

// ---- Tiles

QList<VelkNSButton*> SKTWindowController::siteIconArray() const
{
    return present(m_siteIconArray);
}

void SKTWindowController::setSiteIconArray(const QList<VelkNSButton*>& tiles)
{
    m_siteIconArray.clear();
    for (VelkNSButton* tile : tiles)
        m_siteIconArray.append(tile);
}

QList<VelkNSButton*> SKTWindowController::siteIconArrayLocal() const
{
    return present(m_siteIconArrayLocal);
}

QList<ListingIconView*> SKTWindowController::pageListingIconViews() const
{
    QList<ListingIconView*> cells;
    for (const QPointer<ListingIconView>& cell : m_pageListingIconViews) {
        if (cell)
            cells.append(cell);
    }
    return cells;
}

VelkNSButton* SKTWindowController::selectedVelkPageButton() const
{
    return m_selectedVelkPageButton;
}

VelkNSButton* SKTWindowController::findCurrentlySelectedVelkButton(const QString& pageFileName) const
{
    const QList<VelkNSButton*> tiles = siteIconArray();
    for (VelkNSButton* tile : tiles) {
        if (tile->pageName() == pageFileName)
            return tile;
    }
    return tiles.isEmpty() ? nullptr : tiles.first();
}

VelkNSButton* SKTWindowController::grabVelkButtonWithPageName(const QString& documentName) const
{
    VelkNSButton* found = nullptr;
    for (VelkNSButton* tile : siteIconArray()) {
        if (tile->documentName() == documentName)
            found = tile;
    }
    return found;
}

bool SKTWindowController::existInSiteIconArray(const QString& pageName) const
{
    const QList<VelkNSButton*> tiles = siteIconArray();
    return std::any_of(tiles.begin(), tiles.end(),
                       [&](VelkNSButton* tile) { return tile->pageName() == pageName; });
}

bool SKTWindowController::baseTemplateExists() const
{
    return existInSiteIconArray(DataCentre::profile().baseTemplateFile);
}

QString SKTWindowController::websitePageFileName(const QString& documentFileName) const
{
    const VelkNSButton* tile = grabVelkButtonWithPageName(documentFileName);
    return tile ? tile->pageLocalFileName() : QString();
}

QString SKTWindowController::generateDefaultPageName() const
{
    const ProductProfile& profile = DataCentre::profile();
    return ProjectFolder::generateDefaultPageName(
        m_openWebsiteFolderPath, int(siteIconArray().size()),
        UserDefaults::standard().stringForKey(QStringLiteral("devicePrefix")), profile.pageNoun,
        profile.documentExtension);
}

// ---- Scan

QString SKTWindowController::resetAndGrabCurrentWebsiteFolderPath()
{
    m_openWebsiteFolder = ProjectFolder::folderNameWithoutBlanks(m_openWebsiteFolderPath);
    m_openWebsiteFolderTempPath = ProjectFolder::workingFolderFor(m_openWebsiteFolderPath);
    if (!m_openWebsiteFolder.isEmpty() && !m_openWebsiteFolderTempPath.isEmpty())
        ProjectFolder::resetFolder(m_openWebsiteFolderTempPath);
    return m_openWebsiteFolderPath;
}

QString SKTWindowController::migratePage(const QString& documentPath) const
{
    return ProjectFolder::migratePage(documentPath, m_openWebsiteFolderTempPath);
}

QString SKTWindowController::grabPageWidth(const QString& text)
{
    return ProjectFolder::grabPageWidth(text);
}

void SKTWindowController::pickUpFileList(const QString& projectPath)
{
    // The old tiles may be the sender of what led here: they go once the event is handled.
    for (VelkNSButton* tile : siteIconArray()) {
        tile->hide();
        tile->deleteLater();
    }
    m_pageNameArray.clear();
    m_siteIconArray.clear();
    m_siteIconArrayLocal.clear();
    const QList<PageTileRecord> records =
        ProjectFolder::scan(projectPath, m_openWebsiteFolderTempPath, m_sortListingBy);
    for (const PageTileRecord& record : records) {
        m_pageNameArray.append(record.documentName);
        auto* tile = new VelkNSButton(m_pageListingClipView);
        tile->hide();
        tile->setObjectName(QStringLiteral("velkButton"));
        tile->setPageName(record.documentName);
        tile->setDocumentName(record.documentName);
        tile->setFileTime(record.fileTime);
        tile->setImagePath(record.imagePath);
        tile->setImage(QImage(record.imagePath));
        tile->setPageTitle(record.pageTitle);
        tile->setPageWidth(record.pageWidth);
        tile->setUseBaseTemplateFlag(record.useBaseTemplateFlag);
        tile->setInheritMetadataFlag(record.inheritMetadataFlag);
        tile->setInheritCustomHeaderCodeFlag(record.inheritCustomHeaderCodeFlag);
        tile->setOldDovrinprofileFlag(record.oldDovrinprofileFlag);
        tile->setPagePublishFileName(record.pagePublishFileName);
        tile->setPageLocalFileName(record.pageLocalFileName);
        tile->setPageNumber(record.pageNumber);
        connect(tile, &QAbstractButton::clicked, this, [this, tile] { launchSelected(tile); });
        m_siteIconArray.append(tile);
    }
    if (DataCentre::profile().usePageOrderIndex)
        grabPageOrderIndexFile();
}

void SKTWindowController::grabPageOrderIndexFile()
{
    const QList<VelkNSButton*> tiles = siteIconArray();
    QStringList names;
    for (const VelkNSButton* tile : tiles)
        names.append(tile->documentName());
    const ProjectFolder::PageOrder order =
        ProjectFolder::pageOrder(names, ProjectFolder::readOrderIndex(m_openWebsiteFolderPath),
                                 DataCentre::profile().baseTemplateFile);
    m_siteIconArray.clear();
    for (qsizetype position : order.positions) {
        tiles[position]->setPageNumber(order.pageNumbers[position]);
        m_siteIconArray.append(tiles[position]);
    }
}

void SKTWindowController::writePageOrderIndexFile() const
{
    if (m_openWebsiteFolderPath.isEmpty())
        return;
    QStringList names;
    for (const VelkNSButton* tile : siteIconArray())
        names.append(tile->documentName());
    ProjectFolder::writeOrderIndex(m_openWebsiteFolderPath, names);
}

// ---- Rescan

void SKTWindowController::refreshWebsite()
{
    const QString projectPath = resetAndGrabCurrentWebsiteFolderPath();
    pickUpFileList(projectPath);
    refreshPageListingDisplay();
    if (m_document && !projectPath.isEmpty()) {
        const QString current = QFileInfo(m_document->fileLocation()).fileName();
        if (!m_document->fileLocation().isEmpty() && existInSiteIconArray(current)) {
            openWebsitePage(QDir(projectPath).filePath(current));
        } else {
            const QString first = ProjectFolder::grabPathOfFirstFile(projectPath);
            if (!first.isEmpty())
                openWebsitePage(first);
        }
    }
    setFormButtons();
    m_baseTemplateExistFlag = baseTemplateExists();
    Q_EMIT websiteRefreshed();
}

DocumentResult SKTWindowController::openWebsitePage(const QString& documentPath)
{
    m_document->setOpeningFromWebsiteFlag(true);
    m_document->setOpeningWebsiteFolderPath(m_openWebsiteFolderTempPath);
    m_document->setFileLocation(documentPath);
    const DocumentResult result = m_document->refreshDocument();
    updateCurrentButtonColor();
    return result;
}

bool SKTWindowController::saveOpenPage()
{
    // A page that was never saved has no file to save into.
    if (!m_document || m_document->fileLocation().isEmpty())
        return true;
    const DocumentResult result = m_document->askPageToSaveItself();
    DocumentAlerts::showSaveResult(*m_document, result);
    // A page that is not saved over (it was not read whole) may be left; one whose save failed may not.
    return result.outcome != DocumentResult::NotSaved;
}

void SKTWindowController::sortByDate()
{
    m_sortListingBy = kSortByDate;
    refreshWebsite();
}

void SKTWindowController::sortByFileName()
{
    m_sortListingBy = kSortByFileName;
    refreshWebsite();
}

void SKTWindowController::packageAllWebsiteDocuments()
{
    for (const VelkNSButton* tile : siteIconArray()) {
        const QString pageFolder = QDir(m_openWebsiteFolderTempPath)
                                       .filePath(QFileInfo(tile->pageLocalFileName()).completeBaseName());
        DataCentre::packageDocument(pageFolder, QDir(m_openWebsiteFolderPath).filePath(tile->documentName()));
    }
}

// ---- Layout

void SKTWindowController::buildPageListingMenu()
{
    m_pageListingMenu = new QMenu(this);
    m_pageListingMenu->setObjectName(QStringLiteral("pageListingMenu"));
    for (const ListingMenuItem& entry : kListingMenuItems) {
        if (!entry.title) {
            m_pageListingMenu->addSeparator();
            continue;
        }
        QAction* item = m_pageListingMenu->addAction(tr(entry.title));
        item->setObjectName(QString::fromLatin1(entry.action));
        connect(item, &QAction::triggered, this, entry.slot);
    }
    m_websiteSummaryLabel = new QLabel(m_topSidebarView);
    m_websiteSummaryLabel->setObjectName(QStringLiteral("websiteSummaryLabel"));
    styleLabel(*m_websiteSummaryLabel, 11);
    m_websiteSummaryLabel->hide();
    m_searchField->setParent(m_topSidebarView);
}

void SKTWindowController::refreshPageListingDisplay()
{
    const ProductProfile& profile = DataCentre::profile();
    const QList<VelkNSButton*> tiles = siteIconArray();
    m_searchField->hide();
    m_websiteSummaryLabel->hide();
    m_refreshButton->hide();

    m_sidebarSplitView->setVisible(!tiles.isEmpty());
    // A window that showed a single page had its list pane closed: a website opens it again.
    QList<int> sizes = m_splitView->sizes();
    if (!tiles.isEmpty() && sizes[0] < profile.pageListMinWidth) {
        sizes[1] = std::max(sizes[1] - (profile.pageListMinWidth - sizes[0]), 1);
        sizes[0] = profile.pageListMinWidth;
        m_splitView->setSizes(sizes);
    }
    m_pageListingView->setVisible(!tiles.isEmpty());
    m_pageListingView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pageListingView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageListingView->verticalScrollBar()->setValue(0);

    for (VelkNSButton* tile : tiles) {
        tile->createLabels();
        tile->pageNameLabel()->setText(profile.showPageExtensionInList
                                           ? tile->pagePublishFileName()
                                           : QFileInfo(tile->pagePublishFileName()).completeBaseName());
        styleLabel(*tile->pageNameLabel(), 10);
        if (tile->pageName() == profile.baseTemplateFile)
            tile->pageNameLabel()->setStyleSheet(QStringLiteral("color: white; background: blue;"));
        tile->pageTitleLabel()->setText(tile->pageTitle());
        styleLabel(*tile->pageTitleLabel(), 12);
        tile->fileTimeLabel()->setText(tile->fileTime());
        styleLabel(*tile->fileTimeLabel(), 10);
    }
    m_websiteSummaryLabel->setText(ProjectFolder::summaryText(int(tiles.size()), m_openWebsiteFolderPath));

    if (!tiles.isEmpty()) {
        if (profile.hidePageSearchField) {
            m_topSidebarView->setFixedHeight(0);
        } else {
            m_topSidebarView->setFixedHeight(topSidebarHeight);
            m_searchField->show();
            m_websiteSummaryLabel->show();
        }
    }
    resetZoomScrollViewSize();
    refreshPageIcons(m_searchField->text());
}

void SKTWindowController::refreshPageIcons(const QString& searchText)
{
    const ProductProfile& profile = DataCentre::profile();
    // Tiles and labels leave their cells before the cells go.
    for (VelkNSButton* tile : siteIconArray()) {
        tile->hide();
        tile->setParent(m_pageListingClipView);
        for (QWidget* label :
             {static_cast<QWidget*>(tile->pageNameLabel()), static_cast<QWidget*>(tile->pageTitleLabel()),
              static_cast<QWidget*>(tile->fileTimeLabel())}) {
            if (label) {
                label->hide();
                label->setParent(nullptr);
            }
        }
    }
    // A click on a tile may be what placed the tiles again: its old cell goes once the click is handled.
    for (ListingIconView* cell : pageListingIconViews()) {
        cell->hide();
        cell->deleteLater();
    }
    m_pageListingIconViews.clear();

    m_siteIconArrayLocal.clear();
    for (VelkNSButton* tile : siteIconArray()) {
        if (ProjectFolder::passesFilter(tile->pageTitle(), tile->pageName(), searchText))
            m_siteIconArrayLocal.append(tile);
    }
    const QList<VelkNSButton*> shown = siteIconArrayLocal();
    const int columns = ProjectFolder::columnCount(int(UserDefaults::standard().integerForKey(kColumnsKey)),
                                                   profile.pageIconColumns);
    const int listWidth = m_pageListingView->viewport()->width();
    int listHeight = 0;
    int column = -1;
    int y = kFirstCellY;
    for (const TileSlot& slot : ProjectFolder::layoutTiles(int(shown.size()), columns, listWidth)) {
        if (slot.column != column) {
            column = slot.column;
            y = kFirstCellY;
        }
        VelkNSButton* tile = shown[slot.position];
        if (tile->image().isNull() && !tile->imagePath().isEmpty())
            tile->setImage(QImage(tile->imagePath()));
        auto* cell = new ListingIconView(tile, m_pageListingClipView);
        const int side = int(slot.width * kTileShare);
        const QSize picture =
            tile->image().isNull()
                ? QSize(side, side)
                : DataCentre::returnNewSizeWithWidth(
                      DataCentre::returnNewSizeWithWidth(tile->image().size(), kThumbnailSide), side)
                      .toSize();
        tile->setParent(cell);
        tile->setGeometry(int(slot.width * kTileInset), kTileTop, picture.width(), picture.height());
        tile->show();

        int bottom = tile->geometry().bottom() + 1;
        const bool greetingCard = profile.productDisplayName == kGreetingCardProduct;
        if (greetingCard && slot.row < kGreetingCardSides.size())
            tile->pageTitleLabel()->setText(kGreetingCardSides[slot.row]);
        bottom = placeLabel(tile->pageTitleLabel(), *cell, bottom, slot.width, !profile.plainPageTileLabels);

        bool nameShown = true;
        if (profile.baseTemplateTileOption) {
            if (tile->pageLocalFileName() == kBaseTemplateSource && profile.headerFooterTileLabel)
                tile->pageNameLabel()->setText(kHeaderAndFooter);
            else if (profile.pageTileFrameOption)
                tile->pageNameLabel()->setText(QStringLiteral("Page %1").arg(slot.position));
            else
                nameShown = false;
        }
        bottom = placeLabel(tile->pageNameLabel(), *cell, bottom, slot.width, nameShown);
        bottom = placeLabel(tile->fileTimeLabel(), *cell, bottom, slot.width, !profile.pageTileExtraView);

        cell->setGeometry(slot.x, y, slot.width, bottom);
        cell->show();
        m_pageListingIconViews.append(cell);
        y += bottom + kCellGap;
        listHeight = std::max(listHeight, y);
    }
    m_pageListingClipView->setMinimumHeight(listHeight);
    m_pageListingClipView->setMaximumHeight(std::max(listHeight, 1));
    m_searchField->setGeometry(0, kSearchFieldY, m_pageListingView->width(), m_searchField->height());
    m_websiteSummaryLabel->setGeometry(0, kSummaryY, m_pageListingView->width(), kSummaryHeight);
    Q_EMIT pageIconsPlaced(searchText);
}

// ---- Opening a page from its tile

void SKTWindowController::resetAllButtons()
{
    for (VelkNSButton* tile : siteIconArray())
        tile->setBorderFlag(false);
}

void SKTWindowController::updateCurrentButtonColor()
{
    resetAllButtons();
    if (!m_document)
        return;
    if (VelkNSButton* tile =
            findCurrentlySelectedVelkButton(QFileInfo(m_document->fileLocation()).fileName()))
        tile->setBorderFlag(true);
}

void SKTWindowController::launchSelected(VelkNSButton* tile)
{
    if (!tile || !m_document)
        return;
    m_searchField->clearFocus();
    m_graphicView->setFocus();
    resetAllButtons();
    tile->setBorderFlag(true);
    m_document->setOpeningFromWebsiteFlag(true);
    m_document->setLoopThroughFlag(m_loopThroughFlag);
    if (DataCentre::profile().responsiveDesign)
        m_document->generatePublishVersion();
    if (!saveOpenPage()) {
        updateCurrentButtonColor();
        return;
    }
    const QString remembered = m_document->fileLocation();
    const QString pageName = tile->pageName();
    if (openWebsitePage(QDir(m_openWebsiteFolderPath).filePath(pageName))) {
        Q_EMIT refreshLayerListing();
        refreshPageIcons(m_searchField->text());
        setFormButtons();
        return;
    }
    qWarning("%s", qPrintable(kCouldNotOpenPage));
    if (!remembered.isEmpty())
        openWebsitePage(remembered);
}

bool SKTWindowController::determinePageClicked()
{
    ListingIconView* cell = grabPageClicked(m_pageListingClipView->lastTouchPoint());
    if (!cell || !cell->velkButton())
        return false;
    m_selectedVelkPageButton = cell->velkButton();
    m_selectedPageName = cell->velkButton()->documentName();
    return true;
}

ListingIconView* SKTWindowController::grabPageClicked(const QPointF& point) const
{
    ListingIconView* found = nullptr;
    for (ListingIconView* cell : pageListingIconViews()) {
        if (QRectF(cell->geometry()).contains(point))
            found = cell;
    }
    return found;
}
