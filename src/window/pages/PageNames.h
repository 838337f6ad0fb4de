#pragma once

#include <QString>

#include <optional>

// The rules for the file names of a website's pages: which names a new page may take, and the web address
// and export folder a page or project gets from its name.
namespace PageNames {

// Why a name is refused: the alert's message and informative text.
struct Refusal {
    QString message;
    QString informative;
};

// The name without its last extension ("a.b.velkpage" gives "a.b"); a name without a dot is its own stem.
QString stem(const QString& fileName);

// Whether the stem can only name a file inside its project folder, and be kept in the order file: it is
// not empty, ".", "..", nor begins with a dot, and holds no "/", "\", NUL or comma.
bool isSafeStem(const QString& stem);

// The five checks of a new page's file name (with extension) in the project folder, in order: empty, the
// exact name taken, the stem taken by a page document, the stem taken by a form page, characters the
// product's cleaning rule drops or the folder cannot safely hold. None when the name may be used.
std::optional<Refusal> newFileCreationRefusal(const QString& projectPath, const QString& fileName,
                                              const QString& documentExtension);

// The web address of a page document: base, "/", the page's name and its published extension ("php" for a
// form page, else "html").
QString pageLink(const QString& baseUrl, const QString& pageDocumentName);

// The folder an export of the project's sources goes into: the blank-less project folder name with
// "_SourceFiles".
QString exportFolderName(const QString& openWebsiteFolder);

} // namespace PageNames
