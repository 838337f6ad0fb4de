#include "document/core/DocumentWindow.h"
#include "document/core/SKTDocument.h"
#include "document/format/PageText.h"
#include "platform/FilePanel.h"
#include "platform/NotificationCenter.h"
#include "platform/transfer/UploadFTPS.h"
#include "profile/DataCentre.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>
#include <QUrl>

#include <optional>

namespace {

// FTPUploadFlag while the page is written for publishing, preview or the source view.
constexpr int kPublishWrite = 999;
const QString kNoPageFolder = QStringLiteral("The page has no folder to save into.");
const QString kTempFilesFolder = QStringLiteral("tempFiles");

// The page text in the encoding chosen for publishing; none when the text has characters the encoding
// lacks, so nothing is written in place of them.
std::optional<QByteArray> publishBytes(const QString& text, const QString& encodingType)
{
    if (encodingType == QLatin1String("Win-1251")) {
        QStringEncoder encoder("windows-1251");
        const QByteArray bytes = encoder.encode(text);
        if (!encoder.isValid() || encoder.hasError())
            return std::nullopt;
        return bytes;
    }
    if (encodingType == QLatin1String("UTF-8"))
        return text.toUtf8();
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return QByteArray(encoder.encode(text));
}

// Replaces the file in one step: the old one stays whole when writing fails.
bool replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// Writes the page text in the encoding chosen for publishing, replacing the file. On failure `error` tells
// why; `unwritten` leads the text of a file that could not be written.
bool writePublished(const QString& path, const QString& text, const QString& encodingType,
                    const QString& unwritten, QString& error)
{
    const std::optional<QByteArray> bytes = publishBytes(text, encodingType);
    if (!bytes) {
        error = QStringLiteral("The page holds characters that %1 cannot write.").arg(encodingType);
        return false;
    }
    if (!replaceFile(path, *bytes)) {
        error = unwritten + path;
        return false;
    }
    return true;
}

QString absolutePath(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

} // namespace

QString SKTDocument::storedPageFilePath() const
{
    if (m_tempSavePathLocal.isEmpty())
        return {};
    return QDir(m_tempSavePathLocal).filePath(m_pageName + u'.' + m_pageFileExtension);
}

QString SKTDocument::publishPageFilePath() const
{
    if (m_tempSavePathLocal.isEmpty())
        return {};
    // Hidden beside the working copy, so the page's relative image paths hold and no page list takes it
    // for a page of its own.
    return QDir(m_tempSavePathLocal)
        .filePath(u'.' + m_pageName + QStringLiteral(".publish.") + m_pageFileExtension);
}

QByteArray SKTDocument::dataOfType(const QString&) const
{
    return {};
}

DocumentResult SKTDocument::askPageToSaveItself()
{
    return saveThisPage(m_fileLocation, 0);
}

DocumentResult SKTDocument::saveToURL(const QString& location)
{
    return saveThisPage(location, 0);
}

DocumentResult SKTDocument::saveThisPage(const QString& location, int mode)
{
    const QString refusal = savingRefusal();
    if (!refusal.isEmpty())
        return DocumentResult::failed(DocumentResult::Refused, refusal);
    const QString previousLocation = m_fileLocation;
    DocumentResult result;
    try {
        result = writePageDocument(location, mode);
    } catch (const std::exception& error) {
        // A save that breaks off is a failed one: callers are slots, which no exception may leave.
        m_fileLocation = previousLocation;
        m_documentChangedCounter = std::max(m_documentChangedCounter, 1);
        result = DocumentResult::failed(DocumentResult::NotSaved, QString::fromUtf8(error.what()));
    }
    setDocumentEdited(!result.ok());
    updateWindowTitle();
    return result;
}

DocumentResult SKTDocument::writePageDocument(const QString& location, int mode)
{
    const ProductProfile& profile = DataCentre::profile();
    m_lastSaveError.clear();
    // An unnamed page takes the name the save gives it before the page is generated, so its images land
    // in the page folder that is packed.
    if (m_pageName.isEmpty() && !location.isEmpty())
        m_pageName = QFileInfo(location).completeBaseName();
    const QString source = generateSourceCode(m_pageName, mode);
    const bool unchanged = compareSource(source);
    const bool sameLocation = absolutePath(location) == absolutePath(m_fileLocation);
    DocumentResult result;
    if (!profile.neverEdited && !(unchanged && sameLocation && m_documentChangedCounter < 1)) {
        const QString previousLocation = m_fileLocation;
        m_fileLocation = location;
        if (m_pageName.isEmpty())
            m_pageName = createFileName();
        const QString pageFolder = pageFolderPath();
        if (!pageFolder.isEmpty() && !QFileInfo::exists(pageFolder))
            QDir().mkdir(pageFolder);
        saveScreenshot();
        if (!pageFolder.isEmpty() && !QFileInfo::exists(pageFolder))
            QDir().mkdir(pageFolder);

        if (pageFolder.isEmpty() || !QFileInfo(pageFolder).isDir()) {
            m_lastSaveError = kNoPageFolder;
        } else {
            // The page the comparison generated is the one written: a save generates it once.
            m_generatedForSave = GeneratedPage{m_pageName, mode, source};
            const bool prepared = savePagePreparation();
            m_generatedForSave.reset();
            if (prepared && !location.isEmpty()) {
                UploadFTPS transfer;
                const bool packed = profile.responsiveDesign
                                        ? transfer.zipDocument_mailchimp(pageFolder, location)
                                        : transfer.zipDocument(pageFolder, location);
                if (!packed)
                    m_lastSaveError = QStringLiteral("The page document could not be written: ") +
                                      transfer.textLog().value(transfer.textLog().size() - 1);
            }
        }
        // Without a file there is nothing to pack into: the working folder is written, the page stays
        // unsaved.
        const bool saved = m_lastSaveError.isEmpty() && !location.isEmpty();
        if (saved) {
            updateWindowTitle();
            m_documentChangedCounter = 0;
            if (!sameLocation)
                NotificationCenter::defaultCenter().post(QStringLiteral("websiteUpdated"), this);
            if (profile.refreshIconOnSave)
                NotificationCenter::defaultCenter().post(QStringLiteral("refreshDocIcon"), this);
        } else {
            // The page was not stored: it stays changed, and the next save writes everything again.
            m_fileLocation = previousLocation;
            m_documentChangedCounter = std::max(m_documentChangedCounter, 1);
            result = DocumentResult::failed(DocumentResult::NotSaved, m_lastSaveError);
        }
        result.imagesMayBeUnsaved =
            !m_ignoreImageSaveErrorFlag && checkToMakeSureOriginalImagesAreSavedProperly();
    }
    return result;
}

bool SKTDocument::compareSource(const QString& source) const
{
    QString stored;
    if (m_FTPUploadFlag == kPublishWrite) {
        stored = PageText::read(publishPageFilePath());
    } else {
        stored = PageText::read(m_pagePath.isEmpty() ? storedPageFilePath() : m_pagePath);
    }
    return !stored.isNull() && stored == source;
}

bool SKTDocument::savePagePreparation()
{
    clearTempFolder();
    m_storeImageNowFlag = true;
    if (m_pageName.isEmpty())
        m_pageName = createFileName();
    return savePageFile(0);
}

bool SKTDocument::savePageFile(int mode)
{
    const bool generated =
        m_generatedForSave && m_generatedForSave->pageName == m_pageName && m_generatedForSave->mode == mode;
    const QString source = generated ? m_generatedForSave->source : generateSourceCode(m_pageName, mode);
    const bool unchanged = compareSource(source);
    // Images are written when the page changed or was changed since its last save.
    bool written = writePageFiles(m_pageName, !unchanged || m_documentChangedCounter >= 1);
    if (!unchanged)
        written = directlySavePageFile(source) && written;
    m_FTPUploadFlag = 0;
    return written;
}

bool SKTDocument::directlySavePageFile(const QString& source)
{
    if (preparePageFolder().isEmpty()) {
        m_lastSaveError = kNoPageFolder;
        return false;
    }
    const QString unwritten = QStringLiteral("The page file could not be written: ");
    if (m_FTPUploadFlag == kPublishWrite)
        return writePublished(publishPageFilePath(), source, m_encodingType, unwritten, m_lastSaveError);
    const QString path = storedPageFilePath();
    if (!PageText::write(path, source)) {
        m_lastSaveError = unwritten + path;
        return false;
    }
    m_documentChangedCounter += 1;
    return true;
}

bool SKTDocument::saveCSSFile()
{
    if (!DataCentre::profile().separateStyleSheet)
        return true;
    const QString pageFolder = preparePageFolder();
    if (pageFolder.isEmpty()) {
        m_lastSaveError = kNoPageFolder;
        return false;
    }
    const QString path =
        QDir(pageFolder)
            .filePath(m_mobileVersionFlag ? QStringLiteral("mobile.css") : QStringLiteral("full.css"));
    if (!PageText::write(path, m_fullCSSString)) {
        m_lastSaveError = QStringLiteral("The style sheet could not be written: ") + path;
        return false;
    }
    return true;
}

void SKTDocument::clearTempFolder()
{
    const QString folder = DataCentre::profile().tempSaveFolder;
    // Never a folder the profile did not name.
    if (folder.isEmpty())
        return;
    QDir(folder).removeRecursively();
    QDir().mkdir(folder);
}

bool SKTDocument::generatePublishVersion()
{
    if (m_pageName.isEmpty())
        m_pageName = createFileName();
    const QString folder = QDir(DataCentre::profile().workingFolderPath).filePath(kTempFilesFolder);
    QDir().mkpath(folder);
    return exportPublishVersion(QDir(folder).filePath(m_pageName + u'.' + m_pageFileExtension));
}

bool SKTDocument::exportPublishVersion(const QString& path)
{
    const QString source = generateSourceCode(m_pageName, 1);
    const bool filesWritten = writePageFiles(m_pageName, false);
    return writePublished(path, source, m_encodingType, QStringLiteral("The page could not be written: "),
                          m_lastSaveError) &&
           filesWritten;
}

void SKTDocument::updateWindowTitle()
{
    QString title;
    const QString officialName = m_pageOfficialName.isNull() ? QStringLiteral("") : m_pageOfficialName;
    if (m_fileLocation.isEmpty()) {
        title = officialName;
    } else {
        const QString fileName =
            QUrl::fromLocalFile(m_fileLocation).toString(QUrl::FullyEncoded).section(u'/', -1);
        title = DataCentre::profile().useOfficialPageName
                    ? officialName
                    : QStringLiteral("%1 (%2)").arg(officialName, fileName);
        title.replace(QLatin1String("%20"), QLatin1String(" "));
    }
    if (title.isEmpty())
        return;
    m_windowTitle = title;
    Q_EMIT windowTitleChanged(title);
}

DocumentResult SKTDocument::savePageDocument()
{
    DocumentResult result = DocumentResult::failed(DocumentResult::Cancelled, {});
    if (!m_fileLocation.isEmpty()) {
        result = saveToURL(m_fileLocation);
    } else {
        const QString extension = DataCentre::profile().documentExtension;
        FilePanelRequest request;
        request.kind = FilePanelRequest::Save;
        request.nameFieldValue = createFileName() + u'.' + extension;
        if (!extension.isEmpty())
            request.allowedFileTypes = {extension};
        const QString path = FilePanel::runSave(request);
        if (!path.isNull())
            result = saveToURL(path);
    }
    updateWindowTitle();
    return result;
}
