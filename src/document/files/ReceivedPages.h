#pragma once

#include <QDateTime>
#include <QString>

// Single pages that are opened are kept in a folder per moment of opening under the received-pages
// folder of the working root, each page in a folder of its own name.
namespace ReceivedPages {

// "MMddyyyyhhmmssAP" in the C locale: month, day of the month, calendar year, 12-hour hour, minutes,
// seconds and "AM" or "PM", so the name of a moment never repeats on another day or half-day.
QString stampFolderName(const QDateTime& moment);
// The stamp folder of the moment under the working root.
QString stampFolderPath(const QDateTime& moment);
// The base name, or when a page of that name is in the stamp folder already, the base name followed by
// the first free counter from 4 on (B4, B5 ...).
QString uniquePageName(const QString& stampFolder, const QString& baseName, const QString& extension);

} // namespace ReceivedPages
