#include "window/SKTWindowController.h"

#include "canvas/view/SKTGraphicView.h"
#include "document/core/SKTDocument.h"
#include "document/files/PagePackaging.h"
#include "document/format/PageMarkers.h"
#include "platform/Alert.h"
#include "platform/Bundle.h"
#include "platform/transfer/UploadFTPS.h"
#include "profile/DataCentre.h"
#include "profile/LabelTemplateHelper.h"
#include "profile/print/PrintCanvas.h"
#include "profile/services/ProgressWindow.h"
#include "window/pages/ProjectFolder.h"
#include "window/pages/VelkNSButton.h"
#include "window/views/FlippedNSView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>

// New pages of a website from the pages shipped with the product, and the loop that reopens the pages that
// must follow a changed base template.

namespace {

const QString kTemporaryFolder = QStringLiteral("baseTemplateTemp");
const QString kResponsiveVersionFolder = QStringLiteral("responsiveVersion");
const QString kBlankFolder = QStringLiteral("blank");
const QString kBlankName = QStringLiteral("Blank");
const QString kResponsiveFileType = QStringLiteral("kyv");
const QString kNameRefused = QStringLiteral("Invalid Page Name");
const QString kNameRefusedText = QStringLiteral(
    "The name \"%1\" cannot name a page: a page name may not begin with a dot nor hold a comma, "
    "\"/\" or \"\\\". Please choose another name.");
const QString kPageNotAdded = QStringLiteral("Could Not Add Page");
const QString kPageNotAddedText = QStringLiteral("The new page could not be written to\n%1");

SKTWindowController::DocumentOpener& documentOpener()
{
    static SKTWindowController::DocumentOpener opener;
    return opener;
}

QString templatePath(const QString& category, const QString& name)
{
    return QDir(QDir(Bundle::main().resourcesPath()).filePath(DataCentre::profile().templateFolder))
        .filePath(category + u'/' + name);
}

// Sets the three inheritance markers of a new page and its title.
void stampNewPage(const QString& sourcePath, int baseTemplate, int inherit, const QString& title)
{
    DataCentre::applyBaseTemplate(sourcePath, baseTemplate);
    DataCentre::applyInheritCustomHeaderCode(sourcePath, inherit);
    DataCentre::applyInheritMetadata(sourcePath, inherit);
    DataCentre::applyPageTitle(sourcePath, title);
}

} // namespace

void SKTWindowController::setDocumentOpener(DocumentOpener opener)
{
    documentOpener() = std::move(opener);
}

void SKTWindowController::alertNewPageFailure(const QString& message, const QString& informative)
{
    Alert alert(message, informative);
    alert.runModal(this);
}

// ---- Temporary pages

QString SKTWindowController::prepTempDocPath(const QString& documentPath,
                                             const QString& sourceExtension) const
{
    const QString folder = QDir(DataCentre::profile().workingFolderPath).filePath(kTemporaryFolder);
    QDir(folder).removeRecursively();
    const QString target = QDir(folder).filePath(QFileInfo(documentPath).fileName());
    if (!DataCentre::profile().responsiveDesign)
        QDir().mkpath(target);
    else
        QDir().mkpath(folder);
    if (DataCentre::migrateWebsitePage(documentPath, target).isEmpty())
        return {};
    const QFileInfo page(target);
    return QDir(page.path()).filePath(page.completeBaseName() + u'.' + sourceExtension);
}

bool SKTWindowController::zipDoc(const QString& documentPath, const QString& sourcePath) const
{
    const QFileInfo source(sourcePath);
    const QString stem = QDir(source.path()).filePath(source.completeBaseName());
    // Packed beside the target and moved onto it: the old document stays whole when packing fails. The
    // packed name keeps the target's extension, which tells a form page's package.
    const QFileInfo target(documentPath);
    const QString packed = QDir(target.path()).filePath(QStringLiteral(".packing-") + target.fileName());
    UploadFTPS transfer;
    const bool written = DataCentre::profile().responsiveDesign ? transfer.zipDocument_mailchimp(stem, packed)
                                                                : transfer.zipDocument(stem, packed);
    if (!written) {
        QFile::remove(packed);
        return false;
    }
    return DataCentre::moveReplacing(packed, documentPath);
}

QString SKTWindowController::prepAndRenameDoc(const QString& sourcePath, const QString& newFileName) const
{
    return DataCentre::renameUnpackedPage(sourcePath, QFileInfo(newFileName).completeBaseName());
}

// ---- Adding pages

bool SKTWindowController::finishNewPage(const QString& sourcePath, const QString& target)
{
    if (sourcePath.isEmpty() || !QFileInfo::exists(sourcePath) || !zipDoc(target, sourcePath)) {
        alertNewPageFailure(kPageNotAdded, kPageNotAddedText.arg(target));
        return false;
    }
    const ProductProfile& profile = DataCentre::profile();
    m_document->setOpeningFromWebsiteFlag(true);
    refreshWebsite();
    const std::shared_ptr<LabelTemplateHelper> labelSheet = m_document->labelTemplateHelper();
    openWebsitePage(target);
    if (profile.printSheetDesign) {
        if (labelSheet) {
            m_document->setLabelTemplateHelper(labelSheet);
            DataCentre::resetPrintCanvas(DataCentre::grabLabelHelper(labelSheet->templateDescription()));
        }
        addPlaceHolder();
    }
    saveOpenPage();
    refreshWebsite();
    saveOpenPage();
    return true;
}

bool SKTWindowController::addBlankPage(const QString& fileName)
{
    if (!m_document || m_openWebsiteFolderPath.isEmpty())
        return false;
    if (!ProjectFolder::isAcceptablePageName(fileName)) {
        alertNewPageFailure(kNameRefused, kNameRefusedText.arg(fileName));
        return false;
    }
    if (!saveOpenPage())
        return false;
    const ProductProfile& profile = DataCentre::profile();
    const QString target = QDir(m_openWebsiteFolderPath).filePath(fileName);
    const QString starter = templatePath(kBlankFolder, kBlankName + u'.' + profile.documentExtension);
    const QString source = prepTempDocPath(starter, QStringLiteral("html"));
    if (!source.isEmpty())
        stampNewPage(source, 1, 0, QStringLiteral(""));
    return finishNewPage(source, target);
}

void SKTWindowController::moveTile(const QString& documentName, qsizetype position)
{
    VelkNSButton* tile = grabVelkButtonWithPageName(documentName);
    if (!tile)
        return;
    QList<VelkNSButton*> tiles = siteIconArray();
    tiles.removeOne(tile);
    tiles.insert(std::clamp<qsizetype>(position, 0, tiles.size()), tile);
    setSiteIconArray(tiles);
    if (DataCentre::profile().usePageOrderIndex)
        writePageOrderIndexFile();
    refreshWebsite();
}

void SKTWindowController::directlyAddBlankPage()
{
    appendBlankPage();
}

void SKTWindowController::insertBlankPage()
{
    // With no page under the click the new page goes to the end, leaving the order as it is.
    if (!determinePageClicked() || !m_selectedVelkPageButton) {
        directlyAddBlankPage();
        return;
    }
    if (!saveOpenPage())
        return;
    const qsizetype position = siteIconArray().indexOf(m_selectedVelkPageButton.data());
    const QString name = generateDefaultPageName() + u'.' + DataCentre::profile().documentExtension;
    if (addBlankPage(name))
        moveTile(name, position < 0 ? siteIconArray().size() : position);
}

void SKTWindowController::launchUsingBaseTemplate(const NewPageChoice& choice)
{
    const ProductProfile& profile = DataCentre::profile();
    m_searchField->clearFocus();
    m_graphicView->setFocus();
    const QString source = templatePath(choice.selectedTemplateCategoryFolder, choice.selectedTemplateName);
    const QString fileType = profile.responsiveDesign ? kResponsiveFileType : choice.pageFileType;
    const QString fileName = choice.pageFileName.isNull()
                                 ? choice.directlySelectFileName + u'.' + choice.pageFileType
                                 : choice.pageFileName + u'.' + fileType;
    if (!ProjectFolder::isAcceptablePageName(fileName)) {
        alertNewPageFailure(kNameRefused, kNameRefusedText.arg(fileName));
        return;
    }
    const QString sourceExtension = choice.pageFileType == ProjectFolder::kFormDocumentExtension
                                        ? QStringLiteral("php")
                                        : QStringLiteral("html");
    const int flag = choice.applyBaseTemplate ? 1 : 0;

    if (!m_openWebsiteFolderPath.isEmpty() && m_document) {
        if (!saveOpenPage())
            return;
        // The page document holds its page under its own name: a form page is found by it.
        QString page = prepTempDocPath(source, sourceExtension);
        if (!page.isEmpty())
            page = prepAndRenameDoc(page, fileName);
        if (!page.isEmpty())
            stampNewPage(page, flag, flag, choice.pageTitle);
        finishNewPage(page, QDir(m_openWebsiteFolderPath).filePath(fileName));
        return;
    }

    // Without a project the template opens as an untitled document of its own.
    const QString received = QDir(profile.workingFolderPath).filePath(profile.receivedPagesFolderName);
    QDir().mkpath(received);
    const QString copy = QDir(received).filePath(ProjectFolder::freeFileName(received, fileName));
    if (!QFile::copy(source, copy) || !documentOpener()) {
        alertNewPageFailure(kPageNotAdded, kPageNotAddedText.arg(copy));
        return;
    }
    SKTDocument* opened = documentOpener()(copy);
    if (!opened)
        return;
    opened->setOpeningFromWebsiteFlag(false);
    opened->setUseBaseTemplateFlag(flag);
    opened->setFileLocation({});
}

// ---- The page loop

bool SKTWindowController::isFirstFileNewer(const QString& a, const QString& b)
{
    return ProjectFolder::isFirstFileNewer(a, b);
}

void SKTWindowController::loopThroughPages(bool force)
{
    const ProductProfile& profile = DataCentre::profile();
    DataCentre::showProgressIndicator();
    setWindowOpacity(0);
    m_loopThroughFlag = !force;
    const QList<QPointer<VelkNSButton>> tiles = m_siteIconArray;
    const QString baseTemplate = QDir(m_openWebsiteFolderPath).filePath(profile.baseTemplateFile);
    const int count = int(tiles.size());
    for (int i = 0; i < count; ++i) {
        VelkNSButton* tile = tiles[i];
        if (!tile)
            continue;
        const QString pageName = tile->pageName();
        const bool followsBaseTemplate =
            tile->useBaseTemplateFlag() == 1 && pageName != profile.baseTemplateFile &&
            isFirstFileNewer(baseTemplate, QDir(m_openWebsiteFolderPath).filePath(pageName));
        if (followsBaseTemplate || force || profile.refreshAllPagesInLoop || profile.responsiveDesign) {
            launchSelected(tile);
            if (profile.responsiveDesign && m_document) {
                const QString folder = QDir(profile.workingFolderPath).filePath(kResponsiveVersionFolder);
                QDir().mkpath(folder);
                const QString exported = QDir(folder).filePath(QFileInfo(pageName).completeBaseName() + u'.' +
                                                               m_document->pageFileExtension());
                QFile::remove(exported);
                m_document->exportPublishVersion(exported);
            }
        }
        DataCentre::updateProgressBar(i, count, pageName);
    }
    if (m_document)
        m_document->setLoopThroughFlag(m_loopThroughFlag);
    saveOpenPage();
    m_loopThroughFlag = false;
    DataCentre::updateProgressBar(count, count, QString());
    setWindowOpacity(1);
}

void SKTWindowController::totalRefreshWebsite()
{
    rebuildWebsite(false);
}

void SKTWindowController::forceRefreshWebsite()
{
    rebuildWebsite(true);
}

void SKTWindowController::rebuildWebsite(bool force)
{
    saveOpenPage();
    if (isInspectorShown())
        toggleSidebarDrawer();
    refreshWebsite();
    loopThroughPages(force);
    refreshPageListingDisplay();
}

bool SKTWindowController::needToForceRefresh() const
{
    const QList<VelkNSButton*> tiles = siteIconArray();
    return std::any_of(tiles.begin(), tiles.end(), [&](const VelkNSButton* tile) {
        return !DataCentre::isBootStrapBeingUsed(
            QDir(m_openWebsiteFolderTempPath).filePath(tile->pageLocalFileName()));
    });
}
