#include "window/SKTWindowController.h"

#include "document/core/SKTDocument.h"
#include "document/format/PageMarkers.h"
#include "platform/Alert.h"
#include "platform/FilePanel.h"
#include "platform/StringsTable.h"
#include "platform/UserDefaults.h"
#include "platform/Workspace.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"
#include "window/pages/ListingIconView.h"
#include "window/pages/PageNames.h"
#include "window/pages/ProjectFolder.h"
#include "window/pages/SourceExport.h"
#include "window/pages/VelkNSButton.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUrl>

// The website's page files as the page list offers them: deleting, duplicating, moving, linking and
// exporting pages.

namespace {

const QString kLocalizable = QStringLiteral("Localizable");
const QString kOK = QStringLiteral("OK");
const QString kCancel = QStringLiteral("Cancel");

const QString kConfirmDeletion = QStringLiteral("Confirm File Deletion");
const QString kDeletionQuestion = QStringLiteral("Are you sure you want to delete selected?");
const QString kBaseTemplateWarning =
    QStringLiteral("This is the base template, deleting this file will also impact any documents that are "
                   "inheriting content from the base template.");
const QString kDelete = QStringLiteral("Delete");
const QString kNeedsOneFile = QStringLiteral("Active project needs at least one file");
const QString kNeedsOneFileText = QStringLiteral(
    "You have deleted all the files in this folder.\n\nAn active project needs to have at least "
    "one file, a default starter document has been added.");

const QString kConfirmDuplication = QStringLiteral("Confirm File Duplication");
const QString kDuplicationText =
    QStringLiteral("Are you sure you wish to duplicate \"%1\"?\n\nThis file is located at\n%2");
const QString kCopy = QStringLiteral("Copy");
const QString kPageNotAdded = QStringLiteral("Could Not Add Page");
const QString kPageNotCopiedText = QStringLiteral("The copy of the page could not be written to\n%1");

const QString kCopiedToClipboard = QStringLiteral("Copied to Clipboard");
const QString kBaseUrlKey = QStringLiteral("baseurl");

const QString kExportTitle = QStringLiteral("Select location for export");
const QString kExportPrompt = QStringLiteral("Export");
const QString kExportConflict = QStringLiteral("File Name Conflict");
const QString kExportConflictText =
    QStringLiteral("File or folder with the same name exists already, would you like to replace?\n\nExport "
                   "will output a folder named \"%1\" containing all files");
const QString kReplace = QStringLiteral("Replace");
const QString kExportComplete = QStringLiteral("Export Complete");
const QString kShowExportedFolder = QStringLiteral("Show Exported Folder");
const QString kExportIncomplete = QStringLiteral("Export Incomplete");
const QString kExportIncompleteText = QStringLiteral("Not every file could be written to\n%1\n\n%2");
const QString kTempFilesFolder = QStringLiteral("tempFiles");

QString localized(const QString& text)
{
    return StringsTable::localizedString(text, text, kLocalizable);
}

// The page source's extension of a page document.
QString sourceExtensionOf(const VelkNSButton* tile, const QString& documentName)
{
    const QString local = tile ? QFileInfo(tile->pageLocalFileName()).suffix() : QString();
    if (!local.isEmpty())
        return local;
    return QFileInfo(documentName).suffix() == ProjectFolder::kFormDocumentExtension ? QStringLiteral("php")
                                                                                     : QStringLiteral("html");
}

// Removes a file or a folder with everything below it; answers whether nothing is left at the path.
bool removeItem(const QString& path)
{
    const QFileInfo item(path);
    if (item.isDir() && !item.isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
    return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
}

} // namespace

// ---- Deleting

bool SKTWindowController::appendBlankPage()
{
    const QString name = generateDefaultPageName() + u'.' + DataCentre::profile().documentExtension;
    if (!addBlankPage(name))
        return false;
    moveTile(name, siteIconArray().size());
    return true;
}

std::optional<bool> SKTWindowController::removePages(const QStringList& documentNames, bool keepOne)
{
    // A project never stays without a page: the starter page comes first, or nothing goes.
    if (keepOne && !appendBlankPage())
        return std::nullopt;
    const QDir folder(m_openWebsiteFolderPath);
    for (const QString& name : documentNames) {
        // Only a file right in the project folder goes.
        if (QFileInfo(name).fileName() == name && QFileInfo(folder.filePath(name)).isFile())
            QFile::remove(folder.filePath(name));
    }
    refreshWebsite();
    return keepOne;
}

void SKTWindowController::deletePage()
{
    if (!m_document || m_openWebsiteFolderPath.isEmpty() || m_selectedPageName.isEmpty() || !saveOpenPage())
        return;
    const ProductProfile& profile = DataCentre::profile();
    const QString name = m_selectedPageName;
    const QString path = QDir(m_openWebsiteFolderPath).filePath(name);
    const QString warning = name == profile.baseTemplateFile ? kBaseTemplateWarning : QString();
    const Alert confirmation(kConfirmDeletion,
                             QStringLiteral("%1\n%2\n\n%3").arg(localized(kDeletionQuestion), path, warning),
                             {localized(kDelete), localized(kCancel)});
    if (confirmation.runModal(this) != Alert::FirstButton)
        return;
    const std::optional<bool> added = removePages({name}, siteIconArray().size() == 1);
    if (!added)
        return;
    if (profile.usePageOrderIndex)
        writePageOrderIndexFile();
    if (*added)
        Alert(kNeedsOneFile, kNeedsOneFileText, {kOK}).runModal(this);
}

void SKTWindowController::deletePageArray(const QList<VelkNSButton*>& tiles)
{
    if (!m_document || m_openWebsiteFolderPath.isEmpty() || tiles.isEmpty())
        return;
    // The tiles go with the first rescan; their names are taken before.
    QStringList names;
    for (const VelkNSButton* tile : tiles)
        names.append(tile->documentName());
    const std::optional<bool> added = removePages(names, tiles.size() >= siteIconArray().size());
    if (added && *added)
        Alert(kNeedsOneFile, kNeedsOneFileText, {kOK}).runModal(this);
}

// ---- Duplicating

void SKTWindowController::duplicatePage()
{
    if (!m_document || m_openWebsiteFolderPath.isEmpty() || m_selectedPageName.isEmpty() || !saveOpenPage())
        return;
    const ProductProfile& profile = DataCentre::profile();
    const QString name = m_selectedPageName;
    const QString source = QDir(m_openWebsiteFolderPath).filePath(name);
    const Alert confirmation(kConfirmDuplication, kDuplicationText.arg(name, source),
                             {localized(kCopy), localized(kCancel)});
    if (confirmation.runModal(this) != Alert::FirstButton)
        return;

    const QString copyName = generateDefaultPageName() + u'.' + QFileInfo(name).suffix();
    const QString target = QDir(m_openWebsiteFolderPath).filePath(copyName);
    // Only the copy of a base template is marked as such: its objects then become its own when it is read.
    const bool baseTemplate = PageNames::stem(name) == DataCentre::kBaseTemplateName;
    bool written = false;
    if (profile.responsiveDesign || baseTemplate) {
        QString page = prepTempDocPath(source, sourceExtensionOf(m_selectedVelkPageButton, name));
        if (!page.isEmpty())
            page = prepAndRenameDoc(page, copyName);
        if (!page.isEmpty() && baseTemplate)
            DataCentre::applyDuplicateBaseTemplateFlag(page, 1);
        written = !page.isEmpty() && zipDoc(target, page);
    } else {
        written = QFile::copy(source, target);
    }
    if (!written) {
        alertNewPageFailure(kPageNotAdded, kPageNotCopiedText.arg(target));
        return;
    }
    refreshWebsite();
    openWebsitePage(target);
    if (profile.usePageOrderIndex)
        writePageOrderIndexFile();
}

// ---- Moving

void SKTWindowController::rearrangePageOrder(const QPointF& dropPoint, const QString& draggedPageName)
{
    const ListingIconView* cell = grabPageClicked(dropPoint);
    if (!cell || !cell->velkButton() || cell->velkButton()->documentName() == draggedPageName)
        return;
    movePage({draggedPageName}, cell->velkButton()->documentName());
}

void SKTWindowController::movePage(const QStringList& pageNames, const QString& targetPageName)
{
    if (pageNames.isEmpty() || !saveOpenPage())
        return;
    VelkNSButton* target = grabVelkButtonWithPageName(targetPageName);
    if (!target || !grabVelkButtonWithPageName(pageNames.last()))
        return;
    moveTile(pageNames.last(), siteIconArray().indexOf(target));
}

// ---- Linking

void SKTWindowController::grabPageLink()
{
    if (m_selectedPageName.isEmpty())
        return;
    const QString link =
        PageNames::pageLink(UserDefaults::standard().stringForKey(kBaseUrlKey), m_selectedPageName);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(link);
    Alert(kCopiedToClipboard, link, {kOK}).runModal(this);
}

// ---- Exporting the sources

void SKTWindowController::exportAllFileTo()
{
    if (m_openWebsiteFolderPath.isEmpty() || isExporting())
        return;
    const ProductProfile& profile = DataCentre::profile();
    FilePanelRequest request;
    request.title = kExportTitle;
    request.prompt = kExportPrompt;
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    request.allowsMultipleSelection = false;
    const QStringList chosen = FilePanel::runOpen(request, this);
    if (chosen.isEmpty())
        return;
    const QString folderName = PageNames::exportFolderName(m_openWebsiteFolder);
    const QString destination = QDir(chosen.first()).filePath(folderName);
    if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink()) {
        const Alert conflict(kExportConflict, kExportConflictText.arg(folderName), {kReplace, kCancel});
        if (conflict.runModal(this) != Alert::FirstButton)
            return;
        if (!removeItem(destination)) {
            showExportCompleteAlert(destination,
                                    {QStringLiteral("%1 could not be replaced").arg(destination)});
            return;
        }
    }
    // The open page goes out as it is now.
    if (!saveOpenPage())
        return;
    const QString tempFiles = QDir(profile.workingFolderPath).filePath(kTempFilesFolder);
    ProjectFolder::resetFolder(tempFiles);
    if (profile.responsiveDesign)
        loopThroughPages(false);

    SourceExportJob job;
    job.destination = destination;
    job.workingCopyFolder = m_openWebsiteFolderTempPath;
    job.tempFilesFolder = tempFiles;
    job.responsive = profile.responsiveDesign;
    for (const VelkNSButton* tile : siteIconArray())
        job.pages.append({tile->pageLocalFileName(), tile->pagePublishFileName()});
    moveFilesToExportedLocation(job);
}

void SKTWindowController::moveFilesToExportedLocation(const SourceExportJob& job)
{
    auto problems = std::make_shared<QStringList>();
    m_exportThread = QThread::create([job, problems] { *problems = SourceExport::run(job); });
    m_exportThread->setParent(this);
    // The thread touches only files; what it came to is shown here once it ends.
    connect(m_exportThread, &QThread::finished, this, [this, problems, destination = job.destination] {
        endSourceExport();
        showExportCompleteAlert(destination, *problems);
    });
    m_exportThread->start();
}

void SKTWindowController::endSourceExport()
{
    if (!m_exportThread)
        return;
    disconnect(m_exportThread, nullptr, this, nullptr);
    m_exportThread->wait();
    m_exportThread->deleteLater();
    m_exportThread = nullptr;
}

void SKTWindowController::showExportCompleteAlert(const QString& destination, const QStringList& problems)
{
    if (!problems.isEmpty()) {
        Alert(kExportIncomplete, kExportIncompleteText.arg(destination, problems.join(u'\n')), {kOK})
            .runModal(this);
        return;
    }
    if (Alert(kExportComplete, {}, {kShowExportedFolder, kOK}).runModal(this) == Alert::FirstButton)
        Workspace::openURL(QUrl::fromLocalFile(destination));
}

// ---- Forwarders to the window's document

QString SKTWindowController::grabCurrentDocPath() const
{
    return m_document ? m_document->grabCurrentDocPath() : QString();
}

void SKTWindowController::defineMainTemplateName(const QString& name)
{
    if (m_document)
        m_document->setMainTemplateName(name);
}

void SKTWindowController::definePageName(const QString& name)
{
    if (m_document)
        m_document->setPageName(name);
}

QString SKTWindowController::getDocumentPageName() const
{
    return m_document ? m_document->pageName() : QString();
}
