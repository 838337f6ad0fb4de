#include "app/templates/TemplateChooser.h"

#include "app/documents/DocumentController.h"
#include "app/launch/DefaultStrings.h"
#include "app/launch/SKTAppDelegate.h"
#include "app/templates/PageListing.h"
#include "app/templates/TemplateIconButton.h"
#include "app/templates/TemplateWindowController.h"
#include "document/core/SKTDocument.h"
#include "profile/DataCentre.h"
#include "profile/services/ProgressWindow.h"
#include "window/SKTWindowController.h"
#include "window/views/FlippedNSView.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QThread>

namespace {

const QString kGridName = QStringLiteral("templateGrid");
const QString kBaseTemplateName = QStringLiteral("basetemplate");
const QString kCategoryFont = QStringLiteral("Heiti TC");
constexpr int kCategoryFontSize = 13;
constexpr int kCategoryHeight = 50;
const QSize kCategoryColumn(230, 600);
const QString kCategoryStyle =
    QStringLiteral("QPushButton { text-align: left; border: none; background-color: #%1; color: black; }");
const QString kPlainCategoryColor = QStringLiteral("F5F5F5");
const QString kChosenCategoryColor = QStringLiteral("B0C4DE");

void setBackground(QWidget* widget, const QString& color)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(u'#' + color));
    widget->setPalette(palette);
}

} // namespace

TemplateChooser::TemplateChooser(SKTAppDelegate& delegate)
    : m_delegate(delegate)
{}

TemplateChooser::~TemplateChooser()
{
    // The preparation writes into the working folder; it finishes before the chooser goes.
    if (m_preparation)
        m_preparation->wait();
    delete m_window.data();
}

TemplateWindowController& TemplateChooser::sharedTemplateWindowController()
{
    if (m_window)
        return *m_window;
    m_window = new TemplateWindowController;
    connect(m_window->cancelButton(), &QPushButton::clicked, this, &TemplateChooser::cancelTemplateView);
    connect(m_window->selectButton(), &QPushButton::clicked, this, [this] {
        if (m_templateLaunchNewDirectoryFlag)
            m_delegate.addNewWebsite();
        else
            selectedATemplate();
    });
    connect(m_window->openButton(), &QPushButton::clicked, this, [this] {
        if (DataCentre::profile().singleDocumentMode)
            m_delegate.sendActionNamed(QStringLiteral("openDocument"));
        else
            m_delegate.openWebsite();
    });
    return *m_window;
}

QList<TemplateIconButton*> TemplateChooser::thumbnails() const
{
    QList<TemplateIconButton*> made;
    for (const QPointer<QAbstractButton>& button : m_delegate.pageListing().siteIconArray) {
        if (auto* thumbnail = qobject_cast<TemplateIconButton*>(button.data()))
            made << thumbnail;
    }
    return made;
}

// ---- Opening the chooser

void TemplateChooser::showTemplateWebsite()
{
    sharedTemplateWindowController();
    m_templateLaunchNewDirectoryFlag = true;
    launchTemplatePreparation();
}

void TemplateChooser::showTemplate()
{
    sharedTemplateWindowController();
    m_templateLaunchNewDirectoryFlag = false;
    launchTemplatePreparation();
}

void TemplateChooser::startNewPage()
{
    m_mainTemplateName.clear();
    showTemplate();
}

void TemplateChooser::startNewTemplate()
{
    m_mainTemplateName = kBaseTemplateName;
    showTemplate();
}

void TemplateChooser::launchTemplatePreparation()
{
    // One preparation at a time: a second request while one runs is answered by the first.
    if (m_preparation)
        return;
    DataCentre::showProgressIndicator();
    prepTemplatesInBackground();
}

void TemplateChooser::prepTemplateCategories()
{
    const TemplateCategoryList list =
        TemplateCategories::forProduct(DataCentre::profile().productDisplayName);
    m_categories = list.categories;
    m_categoryFolder = list.categoryFolder;
}

void TemplateChooser::prepTemplatesInBackground()
{
    prepTemplateCategories();
    const QList<TemplateCategory> categories = m_categories;
    // The working copy is made once per run: later preparations only read it again.
    const bool copyFirst = thumbnails().isEmpty();
    QThread* preparation = QThread::create([this, categories, copyFirst] {
        const QList<TemplateThumbnail> prepared = TemplateLibrary::prepareTemplates(categories, copyFirst);
        QMetaObject::invokeMethod(
            this, [this, prepared] { dismissProgressIndicatorOnMainThread(prepared); }, Qt::QueuedConnection);
    });
    m_preparation = preparation;
    connect(preparation, &QThread::finished, preparation, &QObject::deleteLater);
    connect(preparation, &QThread::finished, this, [this, preparation] {
        if (m_preparation == preparation)
            m_preparation = nullptr;
    });
    preparation->start();
}

void TemplateChooser::dismissProgressIndicatorOnMainThread(const QList<TemplateThumbnail>& prepared)
{
    // The preparation's work is done once its results are here: a refresh asked for from now on (even before
    // the thread has quite ended) must start a new one, or the chooser it hides would never come back.
    m_preparation = nullptr;
    makeThumbnails(prepared);
    DataCentre::dismissProgressIndicator();
    displayTemplate();
}

void TemplateChooser::makeThumbnails(const QList<TemplateThumbnail>& prepared)
{
    PageListing& listing = m_delegate.pageListing();
    listing.clear(m_selectedTemplateButton);
    QWidget* grid = templateGrid();
    for (const TemplateThumbnail& item : prepared) {
        auto* thumbnail = new TemplateIconButton(grid);
        thumbnail->hide();
        thumbnail->setObjectName(QStringLiteral("templateIconButton"));
        thumbnail->setFileName(item.fileName);
        thumbnail->setCategoryFolder(item.categoryFolder);
        thumbnail->setToolTip(QFileInfo(item.fileName).completeBaseName());
        const QSize size = TemplateLibrary::thumbnailSize(item.image.size());
        thumbnail->resize(size);
        thumbnail->setIconSize(size);
        if (!item.image.isNull())
            thumbnail->setIcon(QIcon(QPixmap::fromImage(
                item.image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))));
        connect(thumbnail, &QPushButton::clicked, this, [this, thumbnail] { templateSelected(thumbnail); });
        connect(thumbnail, &TemplateIconButton::doubleClicked, this, [this, thumbnail] {
            templateSelected(thumbnail);
            m_window->selectButton()->click();
        });
        listing.siteIconArray.append(thumbnail);
        listing.pageNameArray.append(item.fileName);
    }
}

QWidget* TemplateChooser::templateGrid()
{
    QScrollArea* scroll = sharedTemplateWindowController().scrollView();
    if (scroll->widget() && scroll->widget()->objectName() == kGridName)
        return scroll->widget();
    // The website-level list may have taken the scroll view: the grid comes back in its place.
    auto* grid = new FlippedNSView;
    grid->setObjectName(kGridName);
    setBackground(grid, QStringLiteral("000000"));
    setBackground(scroll->viewport(), QStringLiteral("000000"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(grid);
    return grid;
}

void TemplateChooser::displayTemplate()
{
    TemplateWindowController& window = sharedTemplateWindowController();
    window.setWindowTitle(QStringLiteral("%1 (%2)")
                              .arg(localizedDefaultString(QStringLiteral("Choose a Template")))
                              .arg(thumbnails().size()));
    buildCategoryColumn();
    refreshTemplate();
    window.baseTemplateCheckbox()->setChecked(m_templateLaunchNewDirectoryFlag);
    window.show();
    window.raise();
    window.activateWindow();
    Q_EMIT templatesDisplayed();
}

void TemplateChooser::buildCategoryColumn()
{
    auto* column = new FlippedNSView;
    column->setObjectName(QStringLiteral("categoryColumn"));
    column->resize(kCategoryColumn);
    setBackground(column, kPlainCategoryColor);
    m_categoryButtons.clear();
    QFont font(kCategoryFont);
    font.setPointSize(kCategoryFontSize);
    for (qsizetype i = 0; i < m_categories.size(); ++i) {
        auto* button = new QPushButton(m_categories.at(i).categoryDescription, column);
        button->setObjectName(QStringLiteral("categoryButton"));
        button->setFlat(true);
        button->setFont(font);
        button->setStyleSheet(kCategoryStyle.arg(kPlainCategoryColor));
        button->setGeometry(0, int(i) * kCategoryHeight, kCategoryColumn.width(), kCategoryHeight);
        connect(button, &QPushButton::clicked, this, [this, button] { categoryButtonTapped(button); });
        m_categoryButtons.append(button);
    }
    // Replacing the column drops the buttons of the one before.
    m_window->categoryScrollView()->setWidget(column);
    setBackground(m_window->categoryScrollView()->viewport(), kPlainCategoryColor);
}

void TemplateChooser::categoryButtonTapped(QPushButton* button)
{
    for (QPushButton* each : m_categoryButtons)
        each->setStyleSheet(kCategoryStyle.arg(each == button ? kChosenCategoryColor : kPlainCategoryColor));
    const qsizetype index = m_categoryButtons.indexOf(button);
    if (index < 0 || index >= m_categories.size())
        return;
    m_categoryFolder = m_categories.at(index).categoryFolderName;
    refreshTemplate();
    m_window->scrollView()->viewport()->update();
}

void TemplateChooser::refreshTemplate()
{
    QList<TemplateIconButton*> shown;
    const QList<TemplateIconButton*> all = thumbnails();
    for (TemplateIconButton* thumbnail : all) {
        thumbnail->hide();
        if (m_categoryFolder == TemplateCategories::kAllFolder ||
            thumbnail->categoryFolder() == m_categoryFolder)
            shown << thumbnail;
    }
    QWidget* grid = templateGrid();
    const QSize first = shown.isEmpty() ? QSize(200, 200) : shown.first()->size();
    grid->setFixedSize(TemplateLibrary::gridSize(int(shown.size()), first));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        TemplateIconButton* thumbnail = shown.at(i);
        thumbnail->move(TemplateLibrary::thumbnailOrigin(int(i), first));
        thumbnail->setProperty("tag", int(i));
        thumbnail->show();
    }
    clearTemplateSelection();
}

// ---- Selecting and launching

void TemplateChooser::templateSelected(TemplateIconButton* button)
{
    m_selectedTemplateButton = button;
    for (TemplateIconButton* thumbnail : thumbnails())
        thumbnail->setBorderFlag(thumbnail == button);
}

void TemplateChooser::clearTemplateSelection()
{
    for (TemplateIconButton* thumbnail : thumbnails())
        thumbnail->setBorderFlag(false);
}

void TemplateChooser::cancelTemplateView()
{
    sharedTemplateWindowController().showOrHideWindow();
}

void TemplateChooser::selectedATemplate()
{
    if (m_window)
        m_window->hide();
    SKTWindowController* window = m_delegate.mainDocumentWindow();
    if (!window || !m_selectedTemplateButton)
        return;
    // A new base template goes by its own name; any other page by what the window's sheet holds.
    if (m_mainTemplateName == kBaseTemplateName)
        window->prepareDirectAddNewPage(kBaseTemplateName);
    const QString fileName = m_selectedTemplateButton->fileName();
    const QString categoryFolder = m_selectedTemplateButton->categoryFolder();
    m_selectedTemplateButton = nullptr;
    window->saveNewPageAndChooseTemplate(fileName, categoryFolder);
}

void TemplateChooser::launchTemplate()
{
    cancelTemplateView();
    if (!m_selectedTemplateButton)
        return;
    const QString name = m_selectedTemplateButton->fileName();
    openUntitledCopy(TemplateLibrary::bundleTemplatePath(m_selectedTemplateButton->categoryFolder(), name),
                     TemplateLibrary::receivedPagesFolder(), name);
}

void TemplateChooser::launchSingleDocTemplate()
{
    m_delegate.hideWelcomeWindow();
    launchTemplate();
}

void TemplateChooser::directlyLaunchSingleDocBlank()
{
    m_delegate.hideWelcomeWindow();
    const QStringList starters = DataCentre::profile().starterPages;
    if (starters.isEmpty())
        return;
    // Without a chosen size the product's own first starter page is the blank one.
    const QString category =
        m_selectedTemplateButton ? m_selectedTemplateButton->categoryFolder() : QString();
    const QString source =
        QDir(QDir(TemplateLibrary::bundleTemplateFolder()).filePath(category)).filePath(starters.first());
    openUntitledCopy(source, TemplateLibrary::receivedPagesFolder(), QFileInfo(starters.first()).fileName());
}

void TemplateChooser::openSample()
{
    const ProductProfile& profile = DataCentre::profile();
    if (profile.samplePage.isEmpty())
        return;
    openUntitledCopy(QDir(TemplateLibrary::bundleTemplateFolder()).filePath(profile.samplePage),
                     profile.workingFolderPath, profile.samplePage);
}

SKTDocument* TemplateChooser::openUntitledCopy(const QString& source, const QString& folder,
                                               const QString& name)
{
    const QString target = QDir(folder).filePath(name);
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    if (!QFile::copy(source, target)) {
        qWarning("The template %s could not be copied to %s", qPrintable(source), qPrintable(target));
        return nullptr;
    }
    SKTDocument* document = m_delegate.documentController().openDocumentWithContentsOfURL(target);
    if (document) {
        // Saving asks for a place: the copy is only where the template was opened from.
        document->setFileLocation({});
        document->updateWindowTitle();
    }
    return document;
}
