#include "app/websites/WebsiteLauncher.h"

#include "app/documents/DocumentController.h"
#include "app/launch/DefaultStrings.h"
#include "app/launch/SKTAppDelegate.h"
#include "app/templates/PageListing.h"
#include "app/templates/TemplateChooser.h"
#include "app/templates/TemplateIconButton.h"
#include "app/templates/TemplateLibrary.h"
#include "app/templates/TemplateWindowController.h"
#include "document/core/SKTDocument.h"
#include "document/files/PagePackaging.h"
#include "platform/Alert.h"
#include "platform/Bundle.h"
#include "platform/FilePanel.h"
#include "platform/NotificationCenter.h"
#include "profile/DataCentre.h"
#include "window/SKTWindowController.h"
#include "window/pages/ProjectFolder.h"
#include "window/views/FlippedNSView.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace {

const QString kSiteSettingsFile = QStringLiteral("site.velks");
const QString kTitleStart = QStringLiteral("##WEBSITE_TITLE_START##");
const QString kTitleEnd = QStringLiteral("##WEBSITE_TITLE_END##");
const QString kDescriptionStart = QStringLiteral("##WEBSITE_DESCRIPTION_START##");
const QString kDescriptionEnd = QStringLiteral("##WEBSITE_DESCRIPTION_END##");
const QString kPreviewFolder = QStringLiteral("tempTemplates");
const QString kFileTimeFormat = QStringLiteral("MMM dd yyyy h:mm AP");
const QString kGettingStartedName = QStringLiteral("GettingStarted.");
const QString kStarterFolder = QStringLiteral("starter");
const QString kThemeFont = QStringLiteral("Heiti TC");
constexpr int kTileSize = 190;
constexpr int kSiteRowHeight = 300;
constexpr int kSitePreviewSize = 200;
const QSize kSiteListSize(1000, 1850);

QLabel* themeText(QWidget* parent, const QString& text, const QRect& frame, int size)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(frame);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QFont font(kThemeFont);
    font.setPointSize(size);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

} // namespace

WebsiteLauncher::WebsiteLauncher(SKTAppDelegate& delegate, TemplateChooser& chooser)
    : m_delegate(delegate)
    , m_chooser(chooser)
{}

QString WebsiteLauncher::websiteLevelFolder()
{
    return QDir(Bundle::main().resourcesPath()).filePath(QStringLiteral("templates/websiteLevel"));
}

QString WebsiteLauncher::textBetween(const QString& text, const QString& start, const QString& end)
{
    const qsizetype from = text.indexOf(start);
    if (from < 0)
        return {};
    const qsizetype begin = from + start.size();
    const qsizetype until = text.indexOf(end, begin);
    return until < 0 ? text.mid(begin) : text.mid(begin, until - begin);
}

QString WebsiteLauncher::websiteTitleOf(const QString& siteSettingsText)
{
    return textBetween(siteSettingsText, kTitleStart, kTitleEnd);
}

QString WebsiteLauncher::websiteDescriptionOf(const QString& siteSettingsText)
{
    return textBetween(siteSettingsText, kDescriptionStart, kDescriptionEnd);
}

// ---- Ready-made websites

WebsiteObject WebsiteLauncher::openTemplateSite(const QString& sitePath)
{
    WebsiteObject site;
    site.websiteFolder = QFileInfo(sitePath).fileName();
    const QString previews = QDir(TemplateLibrary::receivedPagesFolder()).filePath(kPreviewFolder);
    QDir(previews).removeRecursively();
    const QString previewFolder = QDir(previews).filePath(site.websiteFolder);
    QDir().mkpath(previewFolder);

    QFile settings(QDir(sitePath).filePath(kSiteSettingsFile));
    if (settings.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromLatin1(settings.readAll());
        site.websiteTitle = websiteTitleOf(text);
        site.websiteDescription = websiteDescriptionOf(text);
    }

    PageListing& listing = m_delegate.pageListing();
    listing.clear(m_chooser.selectedTemplateButton());
    for (const QString& name : QDir(sitePath).entryList(QDir::Files, QDir::Name)) {
        if (ProjectFolder::isPageDocumentName(name))
            listing.pageNameArray << name;
    }
    for (const QString& name : listing.pageNameArray) {
        const QString preview = DataCentre::migrateWebsitePage(
            QDir(sitePath).filePath(name), QDir(previewFolder).filePath(QFileInfo(name).completeBaseName()));
        const QImage image(preview);
        // A page without a preview shows none.
        if (!image.isNull())
            site.pageIconArray << image;
    }
    return site;
}

void WebsiteLauncher::showSiteLevelTemplate()
{
    m_templateSiteArray.clear();
    TemplateWindowController& window = m_chooser.sharedTemplateWindowController();
    for (const QString& entry :
         QDir(websiteLevelFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        m_templateSiteArray << openTemplateSite(QDir(websiteLevelFolder()).filePath(entry));
    const int count = int(m_templateSiteArray.size());
    window.setWindowTitle(QStringLiteral("Please Choose Template (%1 Themes in Collection)").arg(count));

    QScrollArea* scroll = window.scrollView();
    scroll->setFrameShape(QFrame::Box);
    auto* list = new FlippedNSView;
    list->setObjectName(QStringLiteral("websiteLevelList"));
    list->setFixedSize(kSiteListSize);
    list->setAutoFillBackground(true);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Window, Qt::black);
    list->setPalette(palette);
    scroll->viewport()->setPalette(palette);
    themeText(list, QStringLiteral("%1 Themes in Collection").arg(count), QRect(100, 0, 800, 40), 30);
    for (int i = 0; i < count; ++i) {
        const WebsiteObject& site = m_templateSiteArray.at(i);
        const int top = kSiteRowHeight * i + 50;
        auto* button = new QPushButton(list);
        button->setObjectName(QStringLiteral("websiteLevelButton"));
        button->setFlat(true);
        button->setStyleSheet(QStringLiteral("QPushButton { background: transparent; border: none; }"));
        button->setGeometry(0, top, kSiteListSize.width(), kSiteRowHeight);
        button->setProperty("tag", i);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, i] { launchSelectedTemplateWebsite(i); });
        for (qsizetype j = 0; j < site.pageIconArray.size(); ++j) {
            auto* preview = new QLabel(list);
            preview->setGeometry(kSitePreviewSize * int(j), top, kSitePreviewSize, kSitePreviewSize);
            preview->setAlignment(Qt::AlignCenter);
            preview->setPixmap(QPixmap::fromImage(site.pageIconArray.at(j).scaled(
                preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
            preview->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        themeText(list, site.websiteTitle, QRect(100, top + 210, 800, 30), 20)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        themeText(list, site.websiteDescription, QRect(100, top + 250, 800, 50), 12)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The button lies over its row and takes its clicks.
        button->raise();
    }
    scroll->setWidget(list);
    window.show();
    window.raise();
    window.activateWindow();
}

void WebsiteLauncher::launchSelectedTemplateWebsite(int tag)
{
    const QString path = chooseNewWebsiteFolder();
    if (!path.isNull())
        proceedToLaunchSelectedTemplateWebsite(tag, path);
}

void WebsiteLauncher::proceedToLaunchSelectedTemplateWebsite(int tag, const QString& path)
{
    if (tag < 0 || tag >= m_templateSiteArray.size())
        return;
    TemplateLibrary::copyEntry(QDir(websiteLevelFolder()).filePath(m_templateSiteArray.at(tag).websiteFolder),
                               path);
    launchSelectedWebsite(path, false);
}

// ---- New websites

QString WebsiteLauncher::chooseNewWebsiteFolder()
{
    FilePanelRequest request;
    request.kind = FilePanelRequest::Save;
    request.nameFieldValue = DataCentre::profile().newDocumentName;
    const QString path = FilePanel::runSave(request);
    if (path.isNull())
        return {};
    if (QFileInfo(path).isDir()) {
        Alert alert(
            QStringLiteral("Confirm replacing folder \"%1\"").arg(QFileInfo(path).fileName()),
            QStringLiteral("A folder with the same name exists already. Choosing to proceed will override "
                           "its current contents.  Are you sure you wish to proceed?"),
            {localizedDefaultString(QStringLiteral("Yes")),
             localizedDefaultString(QStringLiteral("Cancel"))});
        if (alert.runModal() != Alert::FirstButton)
            return {};
        QDir(path).removeRecursively();
    }
    return path;
}

void WebsiteLauncher::addNewWebsite()
{
    if (DataCentre::profile().singleDocumentMode) {
        m_chooser.launchSingleDocTemplate();
        return;
    }
    const QString path = chooseNewWebsiteFolder();
    if (path.isNull())
        return;
    QDir().mkdir(path);
    launchSelectedWebsite(path, true);
    m_delegate.hideWelcomeWindow();
}

void WebsiteLauncher::addStarterBlankPage(const QString& folder)
{
    const ProductProfile& profile = DataCentre::profile();
    const QDir templates(TemplateLibrary::bundleTemplateFolder());
    const QDir target(folder);
    const auto copyStarterPages = [&] {
        for (const QString& starter : profile.starterPages)
            QFile::copy(templates.filePath(starter), target.filePath(QFileInfo(starter).fileName()));
    };
    if (TemplateIconButton* selected = m_chooser.selectedTemplateButton()) {
        DataCentre::copyPageDocument(
            TemplateLibrary::bundleTemplatePath(selected->categoryFolder(), selected->fileName()),
            target.filePath(profile.pageNoun + u'.' + QFileInfo(selected->fileName()).suffix()));
        m_chooser.setSelectedTemplateButton(nullptr);
    } else {
        copyStarterPages();
    }
    if (!profile.samplePage.isEmpty())
        QFile::copy(templates.filePath(profile.samplePage), target.filePath(profile.samplePage));
    // Folded cards and business cards need every side of the card, whatever the first page came from.
    if (profile.productDisplayName == QLatin1String("Tazmir Greeting Card Designer") ||
        profile.productDisplayName == QLatin1String("Blue Skellow Business Card Designer"))
        copyStarterPages();
}

void WebsiteLauncher::addGettingStartedPage(const QString& folder)
{
    const ProductProfile& profile = DataCentre::profile();
    const QString name = kGettingStartedName + profile.documentExtension;
    QString source = QDir(TemplateLibrary::bundleTemplateFolder()).filePath(name);
    if (TemplateIconButton* selected = m_chooser.selectedTemplateButton())
        source = TemplateLibrary::bundleTemplatePath(selected->categoryFolder(), selected->fileName());
    QFile::copy(source, QDir(folder).filePath(name));
    m_chooser.setSelectedTemplateButton(nullptr);
}

void WebsiteLauncher::launchGettingStartedGuide()
{
    const QString folder = QDir(DataCentre::profile().workingFolderPath).filePath(kStarterFolder);
    ProjectFolder::resetFolder(folder);
    addGettingStartedPage(folder);
    SKTDocument* document = m_delegate.documentController().openDocumentWithContentsOfURL(
        QDir(folder).filePath(kGettingStartedName + QStringLiteral("velkpage")));
    if (document) {
        document->setFileLocation({});
        document->updateWindowTitle();
    }
}

void WebsiteLauncher::presentAddStarterPageAlert()
{
    Alert(QStringLiteral("No documents found in folder"),
          QStringLiteral(
              "No compatible documents were found in this folder.  A new document has been added to get "
              "you started."),
          {QStringLiteral("OK")})
        .runModal();
}

// ---- Opening

void WebsiteLauncher::openNewDoc()
{
    FilePanelRequest request;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowedFileTypes = {DataCentre::profile().documentExtension,
                                ProjectFolder::kFormDocumentExtension};
    const QStringList chosen = FilePanel::runOpen(request);
    if (!chosen.isEmpty())
        m_delegate.documentController().openDocumentWithContentsOfURL(chosen.first());
}

void WebsiteLauncher::openWebsite()
{
    FilePanelRequest request;
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    request.message = QStringLiteral("Please select directory folder containing saved files");
    const QStringList chosen = FilePanel::runOpen(request);
    if (!chosen.isEmpty())
        launchSelectedWebsite(chosen.first(), false);
}

void WebsiteLauncher::launchSelectedWebsite(const QString& websitePath, bool addStarterPages)
{
    const QString working =
        QDir(TemplateLibrary::receivedPagesFolder()).filePath(QFileInfo(websitePath).fileName().remove(u' '));
    ProjectFolder::resetFolder(working);
    if (addStarterPages)
        addStarterBlankPage(websitePath);
    pickUpFileList(websitePath, working);
    if (m_delegate.pageListing().pageNameArray.isEmpty()) {
        const Alert alert(
            QStringLiteral("No compatible files found"),
            QStringLiteral("Sorry this folder does not contain any compatible files:\n\n%1").arg(websitePath),
            {QStringLiteral("Open Another Folder"), QStringLiteral("Cancel")});
        if (alert.runModal() == Alert::FirstButton)
            openWebsite();
        return;
    }
    DocumentController& documents = m_delegate.documentController();
    SKTDocument* document =
        documents.openDocumentWithContentsOfURL(ProjectFolder::grabPathOfFirstFile(websitePath));
    SKTWindowController* window = document ? documents.windowForDocument(document) : nullptr;
    if (window) {
        // The window keeps the website's pages in a working folder of its own and reads the page from there.
        window->setOpenWebsiteFolderPath(websitePath);
        window->refreshWebsite();
    }
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.post(QStringLiteral("websiteUpdated"), &m_delegate);
    if (DataCentre::profile().productDisplayName == QLatin1String("Tazmir Greeting Card Designer"))
        center.post(QStringLiteral("callRefreshTabs"), &m_delegate);
    if (window)
        window->addPlaceHolder();
    if (TemplateWindowController* chooser = m_chooser.window())
        chooser->hide();
}

void WebsiteLauncher::pickUpFileList(const QString& websitePath, const QString& workingPath)
{
    PageListing& listing = m_delegate.pageListing();
    listing.clear(m_chooser.selectedTemplateButton());
    struct Record {
        QString path;
        QDateTime lastModDate;
    };
    QList<Record> records;
    for (const QFileInfo& entry : QDir(websitePath).entryInfoList(QDir::Files, QDir::Name)) {
        if (ProjectFolder::isPageDocumentName(entry.fileName()))
            records.append({entry.fileName(), entry.lastModified()});
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const Record& a, const Record& b) { return a.lastModDate > b.lastModDate; });
    for (const Record& record : records) {
        listing.pageNameArray << record.path;
        listing.pageTitleArray << QFileInfo(record.path).completeBaseName();
    }
    const QImage productIcon = DataCentre::profile().productIcon;
    for (const Record& record : records) {
        listing.fileTimeArray << QLocale::c().toString(record.lastModDate, kFileTimeFormat);
        const QString preview = DataCentre::migrateWebsitePage(
            QDir(websitePath).filePath(record.path),
            QDir(workingPath).filePath(QFileInfo(record.path).completeBaseName()));
        QImage image(preview);
        if (image.isNull())
            image = productIcon;
        auto* tile = new QPushButton;
        tile->setObjectName(QStringLiteral("websitePageTile"));
        tile->setFlat(true);
        tile->setStyleSheet(QStringLiteral("QPushButton { background-color: white; border: none; }"));
        tile->setGeometry(0, 0, kTileSize, kTileSize);
        tile->setIconSize(QSize(kTileSize, kTileSize));
        if (!image.isNull())
            tile->setIcon(QIcon(QPixmap::fromImage(image.scaled(kTileSize, kTileSize))));
        listing.siteIconArray << tile;
    }
}

void WebsiteLauncher::launchUsingBaseTemplate()
{
    m_delegate.hideWelcomeWindow();
    const ProductProfile& profile = DataCentre::profile();
    const QString name = QStringLiteral("Blank.") + profile.documentExtension;
    // The first category "all" has no folder of its own: the blank page then comes from "blank".
    QString category = m_chooser.categoryFolder();
    if (category.isEmpty() || category == TemplateCategories::kAllFolder)
        category = QStringLiteral("blank");
    const QString copy = QDir(TemplateLibrary::receivedPagesFolder()).filePath(name);
    QFile::remove(copy);
    if (!QFile::copy(TemplateLibrary::bundleTemplatePath(category, name), copy))
        return;
    SKTDocument* document = m_delegate.documentController().openDocumentWithContentsOfURL(copy);
    if (!document)
        return;
    document->setOpeningFromWebsiteFlag(false);
    document->setFileLocation({});
    document->updateWindowTitle();
    document->setMainTemplateName(m_chooser.mainTemplateName());
}
