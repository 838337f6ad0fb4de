#include "platform/FilePanel.h"

#include <QFileDialog>

namespace {
FilePanel::Responder& responder()
{
    static FilePanel::Responder installed;
    return installed;
}

QString nameFilter(const QStringList& types)
{
    if (types.isEmpty())
        return {};
    QStringList patterns;
    for (const QString& type : types)
        patterns << QStringLiteral("*.") + type;
    return patterns.join(u' ');
}

QStringList runDialog(const FilePanelRequest& request, QWidget* parent)
{
    QFileDialog dialog(parent, request.title.isEmpty() ? request.message : request.title, request.directory,
                       nameFilter(request.allowedFileTypes));
    if (request.kind == FilePanelRequest::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.selectFile(request.nameFieldValue);
        if (request.allowedFileTypes.size() == 1)
            dialog.setDefaultSuffix(request.allowedFileTypes.first());
    } else if (request.canChooseDirectories && !request.canChooseFiles) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setFileMode(request.allowsMultipleSelection ? QFileDialog::ExistingFiles
                                                           : QFileDialog::ExistingFile);
    }
    if (!request.prompt.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, request.prompt);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}
} // namespace

void FilePanel::setResponder(Responder newResponder)
{
    responder() = std::move(newResponder);
}

QStringList FilePanel::runOpen(const FilePanelRequest& request, QWidget* parent)
{
    FilePanelRequest open = request;
    open.kind = FilePanelRequest::Open;
    QStringList chosen = responder() ? responder()(open) : runDialog(open, parent);
    if (!open.allowsMultipleSelection && chosen.size() > 1)
        chosen = chosen.mid(0, 1);
    return chosen;
}

QString FilePanel::runSave(const FilePanelRequest& request, QWidget* parent)
{
    FilePanelRequest save = request;
    save.kind = FilePanelRequest::Save;
    const QStringList chosen = responder() ? responder()(save) : runDialog(save, parent);
    return chosen.isEmpty() ? QString() : chosen.first();
}
