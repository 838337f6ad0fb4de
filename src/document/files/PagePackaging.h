#pragma once

#include <QString>
#include <QStringList>

// Page documents as whole files: packing a page folder with its page file and screenshots, and turning a
// page document into a page of a website folder.
namespace DataCentre {

// The page file among the top-level files of a folder: the one named after the base name with one of the
// extensions, else the first by name with one of them; empty when there is none.
QString pageFileIn(const QString& folder, const QString& baseName, const QStringList& extensions);

// Moves the file onto the target, replacing it; the source stays when the move fails.
bool moveReplacing(const QString& from, const QString& to);

// Packs the page folder (a path without extension), the page file and the screenshots beside it into the
// page document at the path, in the flat layout; false, with the document at the path as it was, when the
// package cannot be written.
bool packageDocument(const QString& pageFolderPath, const QString& pageDocumentPath);

// Unpacks the page document into the unpack folder F and moves the page into F's parent folder P as a
// website page: page file, screenshots and page folder side by side under a name no page of P has yet
// (the document's name, else that name followed by 4, 5, ...). Answers the path of the page's screenshot:
// the "@2x" one when it exists, else the plain one; empty when unpacking failed. The responsive designer
// unpacks straight into P and answers P/name@2x.png.
QString migrateWebsitePage(const QString& pageDocumentPath, const QString& unpackFolderPath);

// Gives an unpacked page, whose page file lies at the path beside its screenshots and page folder, the new
// base name: page file, screenshots and page folder are renamed, and the folder's style sheet goes (the
// next save writes it under the new name). Answers the page file's new path; empty when the page file
// cannot be moved.
QString renameUnpackedPage(const QString& pageFilePath, const QString& newName);

// Copies the page document to the target path, which must not exist yet. A package of the responsive
// designer holds its page under the page's own name, so there the copy is unpacked, renamed after the
// target and packed again. False when nothing was written.
bool copyPageDocument(const QString& sourcePath, const QString& targetPath);

} // namespace DataCentre
