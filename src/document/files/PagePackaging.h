#pragma once

#include <QString>

// Page documents as whole files: packing a page folder with its page file and screenshots, and turning a
// page document into a page of a website folder.
namespace DataCentre {

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

} // namespace DataCentre
