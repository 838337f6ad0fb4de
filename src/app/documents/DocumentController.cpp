#include "app/documents/DocumentController.h"

#include "app/documents/RecentDocuments.h"
#include "document/core/DocumentAlerts.h"
#include "document/core/DocumentResult.h"
#include "document/core/SKTDocument.h"
#include "platform/Alert.h"
#include "platform/FilePanel.h"
#include "profile/DataCentre.h"
#include "window/SKTWindowController.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <algorithm>

struct DocumentController::Entry {
    std::unique_ptr<SKTDocument> document;
    QPointer<SKTWindowController> window;
};

namespace {

const QString kClearMenuTitle = QStringLiteral("Clear Menu");

// Two names of one file are the same document.
bool sameFile(const QString& first, const QString& second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    if (a.exists() && b.exists())
        return a.canonicalFilePath() == b.canonicalFilePath();
    return a.absoluteFilePath() == b.absoluteFilePath();
}

// Going back to the stored page drops every change since; the user says so first.
bool confirmRevert()
{
    const Alert alert(
        QStringLiteral("Do you want to revert to the most recently saved version of this document?"),
        QStringLiteral("Your current changes will be lost."),
        {QStringLiteral("Revert"), QStringLiteral("Cancel")});
    return alert.runModal() == Alert::FirstButton;
}

} // namespace

DocumentController::DocumentController(QObject* parent)
    : QObject(parent)
{
    setCurrent(this);
}

DocumentController::~DocumentController()
{
    while (!m_entries.empty())
        discard(m_entries.back()->document.get());
}

QStringList DocumentController::documentExtensions() const
{
    const QString extension = DataCentre::profile().documentExtension;
    return extension.isEmpty() ? QStringList() : QStringList{extension};
}

SKTDocument* DocumentController::openDocumentWithContentsOfURL(const QString& path)
{
    for (const auto& entry : m_entries) {
        if (sameFile(entry->document->fileLocation(), path)) {
            showWindow(entry->window);
            return entry->document.get();
        }
    }
    auto document = std::make_unique<SKTDocument>();
    document->setFileLocation(QFileInfo(path).absoluteFilePath());
    const DocumentResult result = document->refreshDocument();
    DocumentAlerts::showOpenResult(result);
    if (!result.ok())
        return nullptr;
    RecentDocuments::noteDocument(document->fileLocation());

    auto entry = std::make_unique<Entry>();
    entry->document = std::move(document);
    SKTDocument* opened = entry->document.get();
    if (m_windowMaker)
        entry->window = m_windowMaker(*opened);
    SKTWindowController* window = entry->window;
    m_entries.push_back(std::move(entry));
    if (window) {
        // The window is still inside its close; the document and the window go once that has returned.
        connect(window, &SKTWindowController::documentWindowClosed, this,
                [this, opened] { QTimer::singleShot(0, this, [this, opened] { discard(opened); }); });
        showWindow(window);
    }
    Q_EMIT documentOpened(opened);
    return opened;
}

void DocumentController::showWindow(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

QList<SKTDocument*> DocumentController::documents() const
{
    QList<SKTDocument*> all;
    for (const auto& entry : m_entries)
        all.append(entry->document.get());
    return all;
}

DocumentController::Entry* DocumentController::entryForDocument(const SKTDocument* document) const
{
    for (const auto& entry : m_entries) {
        if (entry->document.get() == document)
            return entry.get();
    }
    return nullptr;
}

SKTDocument* DocumentController::documentForWindow(const QWidget* window) const
{
    if (!window)
        return nullptr;
    for (const auto& entry : m_entries) {
        if (entry->window == window)
            return entry->document.get();
    }
    return nullptr;
}

SKTWindowController* DocumentController::windowForDocument(const SKTDocument* document) const
{
    const Entry* entry = entryForDocument(document);
    return entry ? entry->window.data() : nullptr;
}

SKTDocument* DocumentController::currentDocument() const
{
    return documentForWindow(QApplication::activeWindow());
}

bool DocumentController::closeDocument(SKTDocument* document)
{
    const Entry* entry = entryForDocument(document);
    if (!entry)
        return false;
    // The window's close asks the document.
    if (entry->window)
        return entry->window->close();
    if (!document->canCloseDocumentWithDelegate())
        return false;
    discard(document);
    return true;
}

void DocumentController::discard(SKTDocument* document)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [document](const auto& entry) {
        return entry->document.get() == document;
    });
    if (found == m_entries.end())
        return;
    std::unique_ptr<Entry> entry = std::move(*found);
    m_entries.erase(found);
    // The window lets go of the document before the document takes the window with it.
    if (entry->window) {
        entry->window->setDocument(nullptr);
        if (entry->document->windowController() != static_cast<DocumentWindow*>(entry->window.data()))
            delete entry->window.data();
    }
    entry->document.reset();
    Q_EMIT documentClosed();
}

void DocumentController::openDocument()
{
    FilePanelRequest request;
    request.kind = FilePanelRequest::Open;
    request.allowedFileTypes = documentExtensions();
    request.allowsMultipleSelection = true;
    for (const QString& path : FilePanel::runOpen(request, QApplication::activeWindow()))
        openDocumentWithContentsOfURL(path);
}

void DocumentController::saveDocument()
{
    SKTDocument* document = currentDocument();
    if (document && document->saveDocumentWithDelegate())
        RecentDocuments::noteDocument(document->fileLocation());
}

void DocumentController::saveDocumentAs()
{
    SKTDocument* document = currentDocument();
    if (!document)
        return;
    FilePanelRequest request;
    request.kind = FilePanelRequest::Save;
    request.allowedFileTypes = documentExtensions();
    request.nameFieldValue = document->createFileName();
    if (!request.allowedFileTypes.isEmpty())
        request.nameFieldValue += u'.' + request.allowedFileTypes.first();
    const QString path = FilePanel::runSave(request, windowForDocument(document));
    if (path.isNull())
        return;
    const DocumentResult result = document->saveToURL(path);
    DocumentAlerts::showSaveResult(*document, result);
    if (result.ok())
        RecentDocuments::noteDocument(document->fileLocation());
}

void DocumentController::revertDocumentToSaved()
{
    SKTDocument* document = currentDocument();
    if (!document || document->fileLocation().isEmpty() || !confirmRevert())
        return;
    const DocumentResult result = document->refreshDocument();
    DocumentAlerts::showOpenResult(result);
    if (result.ok())
        document->setDocumentEdited(false);
}

void DocumentController::performClose()
{
    if (SKTDocument* document = currentDocument())
        closeDocument(document);
    else if (QWidget* window = QApplication::activeWindow())
        window->close();
}

void DocumentController::clearRecentDocuments()
{
    RecentDocuments::clear();
}

void DocumentController::fillRecentDocumentsMenu(QMenu* menu)
{
    menu->clear();
    for (const QString& path : RecentDocuments::paths()) {
        QAction* item = menu->addAction(QFileInfo(path).fileName());
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, path] { openDocumentWithContentsOfURL(path); });
    }
    menu->addSeparator();
    QAction* clearItem = menu->addAction(kClearMenuTitle);
    clearItem->setObjectName(QStringLiteral("clearRecentDocuments"));
    clearItem->setEnabled(!RecentDocuments::paths().isEmpty());
    connect(clearItem, &QAction::triggered, this, &DocumentController::clearRecentDocuments);
}

bool DocumentController::validateMenuItem(QAction* item) const
{
    const QString action = item->objectName();
    const SKTDocument* document = currentDocument();
    if (action == QLatin1String("saveDocument") || action == QLatin1String("saveDocumentAs"))
        return document != nullptr;
    if (action == QLatin1String("revertDocumentToSaved"))
        return document && !document->fileLocation().isEmpty();
    if (action == QLatin1String("performClose"))
        return QApplication::activeWindow() != nullptr;
    return true;
}
