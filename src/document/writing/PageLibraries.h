#pragma once

#include <QString>
#include <QStringList>

// jQuery and Bootstrap for pages that load them from beside themselves. They are the system's packaged
// copies (Debian's libjs-jquery and libjs-bootstrap), found under one folder that VELK_JAVASCRIPT_DIR or
// setFolder can point elsewhere; a copy in the application's resources comes first.
namespace PageLibraries {

// "/usr/share/javascript" unless overridden.
QString folder();
// An empty folder goes back to the default.
void setFolder(const QString& folder);

// The names pages use for the files, in the order they are copied.
QStringList localNames();
// The file that provides the local name; null when neither the resources nor the folder hold it.
QString sourceOf(const QString& localName);

} // namespace PageLibraries
