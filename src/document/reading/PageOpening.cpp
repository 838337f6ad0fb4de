#include "document/core/DocumentWindow.h"
#include "document/core/SKTDocument.h"
#include "document/files/PagePackaging.h"
#include "document/files/ReceivedPages.h"
#include "document/format/PageFileFormat.h"
#include "document/format/PageMarkers.h"
#include "document/format/PageObjectRules.h"
#include "document/format/PageRecords.h"
#include "document/format/PageText.h"
#include "document/reading/ProfileDataMigration.h"
#include "model/GraphicKinds.h"
#include "platform/NotificationCenter.h"
#include "platform/transfer/UploadFTPS.h"
#include "profile/DataCentre.h"
#include "profile/ProductSelection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// Opening a page document: the package is unpacked into a folder of its own, the page file is found,
// and its text is read back into the document's settings and graphics.

namespace {

const QString kQuarnel = QStringLiteral("quarnel");
const QString kBaseTemplateFile = DataCentre::kBaseTemplateName + QStringLiteral(".html");
const QString kUnpackingFolder = QStringLiteral("tempFiles");
const QString kSiteSettingsFile = QStringLiteral("site.velks");
const QString kReceivedPagesSite = QStringLiteral("Received Pages");

// Where the page of one open comes from.
struct OpenedPage {
    QString baseName;       // the document file's name without extension
    QString pageFileName;   // F: the page file's name
    QString graphicsSource; // the file name the graphics are told they come from
};

QString trimmedBaseName(const QString& baseName)
{
    return baseName.trimmed();
}

QString workingFolder()
{
    return DataCentre::profile().workingFolderPath;
}

// A fresh, empty folder for one unpacking; every open has its own, so no open ever finds the files of
// another in it.
std::unique_ptr<QTemporaryDir> freshUnpackingFolder(const QString& baseName)
{
    const QString area = QDir(workingFolder()).filePath(kUnpackingFolder);
    QDir().mkpath(area);
    auto folder = std::make_unique<QTemporaryDir>(QDir(area).filePath(baseName + QStringLiteral("-XXXXXX")));
    if (!folder->isValid())
        return nullptr;
    return folder;
}

std::unique_ptr<QTemporaryDir> unpacked(const QString& archive, const QString& baseName)
{
    std::unique_ptr<QTemporaryDir> folder = freshUnpackingFolder(baseName);
    if (!folder || !UploadFTPS().unzipDocument(archive, folder->path()))
        return nullptr;
    return folder;
}

void postNotification(SKTDocument& document, const char* name)
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(name), &document);
}

IndexSet firstIndexes(qsizetype count)
{
    IndexSet indexes;
    for (int i = 0; i < int(count); ++i)
        indexes.insert(i);
    return indexes;
}

// Changes made while it lives record no undo.
class UndoRegistrationOff {
public:
    explicit UndoRegistrationOff(DocumentUndoManager& manager)
        : m_manager(manager)
    {
        m_manager.disableUndoRegistration();
    }
    ~UndoRegistrationOff() { m_manager.enableUndoRegistration(); }
    Q_DISABLE_COPY(UndoRegistrationOff)

private:
    DocumentUndoManager& m_manager;
};

void removeAllGraphicsQuietly(SKTDocument& d)
{
    UndoRegistrationOff quiet(d.undoManager());
    d.removeGraphicsAtIndexes(firstIndexes(d.graphics().size()));
}

} // namespace

namespace {

// The nested layout: the page folder and the page file unpack straight into the stamp folder.
bool openNestedPackage(SKTDocument& d, const QString& baseName)
{
    const QString stamp = ReceivedPages::stampFolderPath(QDateTime::currentDateTime());
    const bool newStamp = !QFileInfo::exists(stamp);
    QDir().mkpath(stamp);
    if (!UploadFTPS().unzipDocument(d.fileLocation(), stamp)) {
        // The unpacking took back what it wrote; a stamp folder made only for it goes too.
        if (newStamp)
            QDir().rmdir(stamp);
        return false;
    }
    const QString file = DataCentre::pageFileIn(stamp, baseName, {QStringLiteral("html"), QStringLiteral("php")});
    if (file.isEmpty())
        return false;
    const QFileInfo info(QDir(stamp).filePath(file));
    d.setPageName(info.completeBaseName());
    d.setPageFileExtension(info.suffix());
    d.setPagePath(info.filePath());
    d.setTempSavePathLocal(stamp);
    return true;
}

// The flat layout: the page's files lie at the package's root; they move into a folder named after the
// page inside the stamp folder, under a name no earlier open into the same stamp folder took.
bool openFlatPackage(SKTDocument& d, const QString& baseName)
{
    const std::unique_ptr<QTemporaryDir> unpacking = unpacked(d.fileLocation(), baseName);
    if (!unpacking)
        return false;
    const QDir from(unpacking->path());
    const QString extension = d.pageFileExtension();
    const QString file = DataCentre::pageFileIn(from.path(), baseName, {extension});
    if (file.isEmpty())
        return false;

    const QString stamp = ReceivedPages::stampFolderPath(QDateTime::currentDateTime());
    if (!QFileInfo::exists(stamp)) {
        QDir().mkpath(stamp);
        PageText::write(QDir(stamp).filePath(kSiteSettingsFile), kReceivedPagesSite);
    }
    const QString name = ReceivedPages::uniquePageName(stamp, baseName, extension);
    const QDir page(QDir(stamp).filePath(name));
    QDir().mkpath(page.path());

    const QString savedName = QFileInfo(file).completeBaseName();
    QFile::rename(from.filePath(file), page.filePath(name + u'.' + extension));
    for (const QString& screenshot :
         {savedName + QStringLiteral(".png"), savedName + QStringLiteral("@2x.png")})
        QFile::rename(from.filePath(screenshot), page.filePath(screenshot));
    // What is left is the page folder.
    QDir().rename(from.path(), page.filePath(name));

    d.setPageName(name);
    d.setPagePath(page.filePath(name + u'.' + extension));
    d.setTempSavePathLocal(page.path());
    return true;
}

} // namespace

DocumentResult SKTDocument::refreshDocument()
{
    const ProductProfile& profile = DataCentre::profile();
    postNotification(*this, "updateCurrentButtonColor");
    hideAllDocPanels();
    removeAllGraphicsQuietly(*this);
    // A page that cannot be read leaves the document empty, and marked so that it is not saved over its file.
    const auto failToOpen = [this](const QString& why) {
        qWarning("The page could not be opened: %s", qPrintable(why));
        removeAllGraphicsQuietly(*this);
        undoManager().removeAllActions();
        m_pageLoadFailed = true;
        return DocumentResult::failed(DocumentResult::NotOpened, why);
    };

    // Page file name and type from the document file.
    const QFileInfo location(fileLocation());
    OpenedPage page;
    page.baseName = location.completeBaseName();
    const QString extension = location.suffix();
    page.pageFileName = page.baseName;
    if (extension == kQuarnel) {
        page.pageFileName = page.baseName + QStringLiteral(".php");
        setPageFileType(kQuarnel);
        setPageFileExtension(QStringLiteral("php"));
    } else if (extension == profile.documentExtension) {
        page.pageFileName = page.baseName + QStringLiteral(".html");
        setPageFileType(profile.documentExtension);
        setPageFileExtension(QStringLiteral("html"));
    }
    const QString trimmedBase = trimmedBaseName(page.baseName);
    if (profile.responsiveDesign) {
        const std::unique_ptr<QTemporaryDir> probe = unpacked(fileLocation(), trimmedBase);
        if (probe &&
            !QFileInfo::exists(QDir(probe->path()).filePath(trimmedBase + QStringLiteral(".html")))) {
            setPageFileExtension(QStringLiteral("php"));
            page.pageFileName = page.baseName + QStringLiteral(".php");
        }
    }

    // A page of a website is read where it lies; a single page is unpacked into a folder of its own.
    QString website = windowController() ? windowController()->openWebsiteFolderTempPath() : QString();
    if (!windowController()) {
        website = m_openingWebsiteFolderPath;
        m_openingWebsiteFolderPath.clear();
    }
    if (website.isEmpty())
        m_openingFromWebsiteFlag = false;
    setOpenWebsiteFolderTempPath(website);
    bool located = false;
    if (!website.isEmpty() && m_openingFromWebsiteFlag) {
        // The working copy may carry another name than the document when two documents share one.
        const QString listed =
            windowController() ? windowController()->websitePageFileName(location.fileName()) : QString();
        if (!listed.isEmpty())
            page.pageFileName = listed;
        setPagePath(QDir(website).filePath(page.pageFileName));
        setTempSavePathLocal(website);
        setPageName(QFileInfo(page.pageFileName).completeBaseName());
        page.graphicsSource = page.pageFileName;
        located = true;
    } else if (profile.responsiveDesign) {
        located = openNestedPackage(*this, trimmedBase);
        page.graphicsSource = page.baseName;
    } else {
        located = openFlatPackage(*this, trimmedBase);
        page.graphicsSource = page.baseName + u'.' + pageFileExtension();
    }
    if (!located || !QFileInfo(pagePath()).isFile())
        return failToOpen(QStringLiteral("The page document could not be unpacked or holds no page file."));

    // The text, read once; page settings from its markers.
    QString text = PageText::read(pagePath());
    if (text.isNull())
        return failToOpen(QStringLiteral("The page file could not be read."));
    const DataCentre::PageMarkerFlags markers = DataCentre::grabMarkerFlags(text);
    setInheritCustomHeaderCodeFlag(markers.inheritCustomHeaderCode ? 1 : 0);
    setInheritMetadataFlag(markers.inheritMetadata ? 1 : 0);
    setUseBaseTemplateFlag(markers.useBaseTemplate ? 1 : 0);
    m_canvasState.canvasRotation = markers.rotateCanvas90 ? 90 : 0;
    setPublishExt(markers.publishExt);
    const bool baseTemplatePage = page.pageFileName == kBaseTemplateFile;
    if (baseTemplatePage) {
        setInheritCustomHeaderCodeFlag(0);
        setInheritMetadataFlag(0);
        setUseBaseTemplateFlag(0);
    }
    setInheritMetaDescriptionFlag(inheritMetadataFlag() == 1 ? 1 : 0);
    setInheritMetaKeywordsFlag(inheritMetadataFlag() == 1 ? 1 : 0);
    DocumentResult result;
    if (!baseTemplatePage && useBaseTemplateFlag() == 1) {
        applyAutoBaseTemplate();
        result.missingFonts = replacedFontFamilies();
    }

    // Old profile data is moved into keyed blocks first; the text is read again afterwards, so what was
    // moved is what the page holds from now on.
    if (DataCentre::oldDovrinprofileFlag(text)) {
        setPageOfficialName(DataCentre::migrateOldProfileData(pagePath()).pageTitle);
        const QString migrated = PageText::read(pagePath());
        if (!migrated.isNull())
            text = migrated;
    } else {
        setPageOfficialName(DataCentre::grabPageTitle(text));
    }
    ProfileDictionary profileValues;
    for (const QString& key : profile.profileFieldKeys) {
        profileValues.insert(key, DataCentre::grabMiddleString(DataCentre::generateStartString(key),
                                                               DataCentre::generateEndString(key), text));
    }
    setProfileDictionary(profileValues);

    GraphicList loaded;
    try {
        const ElementRecordList records = presentObjects(text, pageName(), website, pageName(), pagePath());
        pageRecords().elementRecords = records;
        QVariantList dictionaries;
        m_pageHoldsUneditableElements = false;
        for (const GraphicPropertyDictionary& d :
             SKTGraphic::convertArrayToProperties(records, page.graphicsSource)) {
            // Elements of kinds this version cannot edit would be lost by the next save.
            if (!GraphicKinds::isKind(d.value(QStringLiteral("className")).toString()))
                m_pageHoldsUneditableElements = true;
            dictionaries.append(d);
        }
        loaded = SKTGraphic::graphicsWithPropertiesPasted(dictionaries);
    } catch (const std::exception& error) {
        return failToOpen(QString::fromUtf8(error.what()));
    }
    result.missingFonts += replacedFontFamilies();
    {
        UndoRegistrationOff quiet(undoManager());
        insertGraphics(loaded, firstIndexes(loaded.size()));
        setPrintInfo(std::nullopt);
    }

    updateWindowTitle();
    if (windowController())
        windowController()->refreshPageBackgroundColor();
    undoManager().removeAllActions();
    setDocumentEdited(false);
    m_pageLoadFailed = false;

    if (profile.showProfilePopoverOnOpen)
        postNotification(*this, pageName() == DataCentre::kBaseTemplateName ? "hideProfilePopover"
                                                                            : "displayProfilePopover");
    if (profile.dragInspector)
        postNotification(*this, "refreshInspectorPanel");
    return result;
}

DocumentResult SKTDocument::updateMobileView(int selectedSegment)
{
    setMobileVersionFlag(selectedSegment != 0);
    return refreshDocument();
}

void SKTDocument::clearAllGraphics()
{
    removeGraphicsAtIndexes(firstIndexes(m_graphics.size()));
    m_graphics = GraphicList();
}

void SKTDocument::setPrintInfo(const std::optional<QPageLayout>& printInfo)
{
    m_printInfo = printInfo;
    Q_EMIT canvasSizeChanged();
}

void SKTDocument::applyAutoBaseTemplate()
{
    const QString path = QDir(openWebsiteFolderTempPath()).filePath(kBaseTemplateFile);
    if (openWebsiteFolderTempPath().isEmpty() || !QFileInfo::exists(path))
        return;
    // A base template that cannot be read leaves the page as it is, and says so in the log.
    const QString text = PageText::read(path);
    if (text.isNull()) {
        qWarning("The base template %s could not be read", qPrintable(path));
        return;
    }
    setBaseTemplateCustomHeaderCode(QStringLiteral(""));
    try {
        const ElementRecordList records =
            presentObjects(text, DataCentre::kBaseTemplateName, openWebsiteFolderTempPath(),
                           DataCentre::kBaseTemplateName, path);
        pageRecords().elementRecords = records;
        const GraphicList base = SKTGraphic::graphicsWithProperties(records, DataCentre::kBaseTemplateName);
        {
            UndoRegistrationOff quiet(undoManager());
            removeGraphicsAtIndexes(firstIndexes(graphics().size()));
            insertGraphics(base, firstIndexes(base.size()));
        }
        if (windowController())
            windowController()->refreshPageBackgroundColor();
    } catch (const std::exception& error) {
        qWarning("The base template %s could not be read: %s", qPrintable(path), error.what());
    }
}

bool SKTDocument::isFormPage() const
{
    return m_pageFileType == kQuarnel || m_pageFileExtension == u"php";
}

QString SKTDocument::savingRefusal() const
{
    if (m_pageLoadFailed)
        return QStringLiteral("This file could not be opened, so it is not saved over.");
    if (m_pageHoldsUneditableElements)
        return QStringLiteral("This page holds elements (such as tables, web components or form fields) that "
                              "this version cannot edit yet, so it is not saved over.");
    return {};
}
