#pragma once

#include "profile/VelkFileHelper.h"

#include <QString>
#include <QUrl>

// The folder scan of the catalogue products: the folders (with sizes), photos or videos of a chosen
// folder, at every depth, as the profile's catalogue mode says, and numbered copies of them for a gallery.
// Both run on a background thread and report to the progress window.
namespace DataCentre {

// The records of the last scan, in scan order until the caller sorts them. Not locked: the scanning
// thread hands the list over before anyone else reads it.
VelkFileHelperList& catalogFileList();

// Replaces catalogFileList by the records of the folder's entries.
void countNumberOfFiles(const QUrl& folder);
// Copies every catalogued file into "<outputFolder>/<pageNoun>" as "<pageNoun><index>.<extension>",
// replacing stale copies, and sets each record's updatedFilePath to the copy's relative path.
void duplicatePhotoRepository(const QString& outputFolder);

} // namespace DataCentre
