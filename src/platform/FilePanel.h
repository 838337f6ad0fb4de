#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Open and save panels. Like alerts, tests install a responder that answers in place of the dialog.
struct FilePanelRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    QString title;
    QString message;
    QString prompt;               // the title of the button that accepts; empty for the platform's own
    QString directory;
    QString nameFieldValue;       // save panels: the proposed file name
    QStringList allowedFileTypes; // extensions without the dot; empty allows every file
    bool canChooseFiles = true;
    bool canChooseDirectories = false;
    bool allowsMultipleSelection = false;
};

class FilePanel {
public:
    // The chosen paths; empty when the user cancelled.
    static QStringList runOpen(const FilePanelRequest& request, QWidget* parent = nullptr);
    // The chosen path; a null string when the user cancelled.
    static QString runSave(const FilePanelRequest& request, QWidget* parent = nullptr);

    using Responder = std::function<QStringList(const FilePanelRequest&)>;
    static void setResponder(Responder responder);
};
