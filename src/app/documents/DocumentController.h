#pragma once

#include "platform/CurrentInstance.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QWidget;
class SKTDocument;
class SKTWindowController;

// Opens, saves, reverts and closes page documents, one window per document, and keeps the list of recent
// documents. Its actions (openDocument, saveDocument, ...) are reached through the responder chain; they work
// on the document of the active window.
class DocumentController : public QObject, public CurrentInstance<DocumentController> {
    Q_OBJECT

public:
    // Makes the window that shows a document; the document owns it. The controller shows it, raises it
    // when the document is opened again, and lets the document (and with it the window) go once the
    // window has closed, which asks the document first.
    using WindowMaker = std::function<SKTWindowController*(SKTDocument&)>;

    explicit DocumentController(QObject* parent = nullptr);
    ~DocumentController() override;

    void setWindowMaker(WindowMaker maker) { m_windowMaker = std::move(maker); }

    // The extensions the open panel offers: the product's document extension.
    QStringList documentExtensions() const;

    // Opens the page document in its window, or brings its window forward when it is open already. A file
    // that cannot be read is told to the user in the loader's words and opens no window: answers null.
    SKTDocument* openDocumentWithContentsOfURL(const QString& path);

    QList<SKTDocument*> documents() const;
    SKTDocument* documentForWindow(const QWidget* window) const;
    SKTWindowController* windowForDocument(const SKTDocument* document) const;
    // The document of the active window; null when the active window shows none.
    SKTDocument* currentDocument() const;

    // Asks the document whether it may close and, when it may, closes its window and the document.
    bool closeDocument(SKTDocument* document);

    // Lists the recent documents in the menu, with an item that clears the list.
    void fillRecentDocumentsMenu(QMenu* menu);

    // Enables the actions only when they have something to work on.
    Q_INVOKABLE bool validateMenuItem(QAction* item) const;

public Q_SLOTS:
    void openDocument();
    void saveDocument();
    void saveDocumentAs();
    void revertDocumentToSaved();
    void performClose();
    void clearRecentDocuments();

Q_SIGNALS:
    void documentOpened(SKTDocument* document);
    void documentClosed();

private:
    struct Entry;
    Entry* entryForDocument(const SKTDocument* document) const;
    void showWindow(QWidget* window);
    void discard(SKTDocument* document);

    WindowMaker m_windowMaker;
    std::vector<std::unique_ptr<Entry>> m_entries;
};
