#include "window/pages/PageNames.h"

#include "document/reading/StringServices.h"
#include "window/pages/ProjectFolder.h"

#include <QDir>
#include <QFileInfo>

namespace PageNames {

namespace {

const QString kEmptyMessage = QStringLiteral("File Name Is Empty");
const QString kEmptyText = QStringLiteral("Sorry the new file name can not be empty");
const QString kConflictMessage = QStringLiteral("File Name Conflict");
const QString kConflictText = QStringLiteral("Sorry a file named \"%1\" already exists at this location.");
const QString kRenameMessage = QStringLiteral("Please Rename");
const QString kRenameText =
    QStringLiteral("Sorry this file name is not available, please choose another file name.");
const QString kCharactersMessage = QStringLiteral("File Name Characters");
const QString kCharactersText =
    QStringLiteral("Sorry the new file name can not contain spacing, special characters or symbols");
const QString kSourceFilesSuffix = QStringLiteral("_SourceFiles");

} // namespace

QString stem(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > 0 ? fileName.left(dot) : fileName;
}

bool isSafeStem(const QString& stem)
{
    if (stem.isEmpty() || stem.startsWith(u'.'))
        return false;
    for (const QChar c : stem) {
        if (c == u'/' || c == u'\\' || c.unicode() == 0 || c == u',')
            return false;
    }
    return true;
}

std::optional<Refusal> newFileCreationRefusal(const QString& projectPath, const QString& fileName,
                                              const QString& documentExtension)
{
    if (fileName.isEmpty())
        return Refusal{kEmptyMessage, kEmptyText};
    const QDir folder(projectPath);
    const QString name = stem(fileName);
    // Names that could leave the folder are never looked up in it; without a project there is no folder.
    const bool safe = isSafeStem(name) && isSafeStem(fileName);
    const bool lookUp = safe && !projectPath.isEmpty();
    if (lookUp && QFileInfo::exists(folder.filePath(fileName)))
        return Refusal{kConflictMessage, kConflictText.arg(name)};
    for (const QString& extension : {documentExtension, QString(ProjectFolder::kFormDocumentExtension)}) {
        if (lookUp && QFileInfo::exists(folder.filePath(name + u'.' + extension)))
            return Refusal{kRenameMessage, kRenameText};
    }
    if (!safe || name != DataCentre::generateNewFileName(name))
        return Refusal{kCharactersMessage, kCharactersText};
    return std::nullopt;
}

QString pageLink(const QString& baseUrl, const QString& pageDocumentName)
{
    const bool form = pageDocumentName.endsWith(u'.' + QString(ProjectFolder::kFormDocumentExtension));
    return QStringLiteral("%1/%2.%3")
        .arg(baseUrl, stem(pageDocumentName), form ? QStringLiteral("php") : QStringLiteral("html"));
}

QString exportFolderName(const QString& openWebsiteFolder)
{
    return openWebsiteFolder + kSourceFilesSuffix;
}

} // namespace PageNames
