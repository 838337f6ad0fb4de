#pragma once

#include "document/reading/Person.h"

#include <QDate>
#include <QString>

// Pages that older patient-profile products wrote carry the owner and patient data as a comment block at
// the top of the page file, one value per line. Such a page is converted the first time it is met: the
// data become keyed profile blocks at the end of the file and the old block goes.
namespace DataCentre {

// Whether the text's first line (after blanks and empty lines) is exactly "<!--".
bool oldDovrinprofileFlag(const QString& text);
// The record of the old block (the text up to the first "-->"); "(null)" and missing lines read as empty
// strings, a gender line that is no number as 0. An empty record when the block has no end.
Person grabOldDovrinprofileData(const QString& text);
// The keyed blocks that replace the old block, each after two line feeds; the notes carry the transfer
// date (today, unless given) as "MMM dd yyyy".
QString convertDovrinprofileDataToNew(const Person& person);
QString convertDovrinprofileDataToNew(const Person& person, const QDate& transferDate);
// "first last", then " chart number" when there is one.
QString grabPageTitleFromDovrimprofile(const Person& person);
// The title of a page without the old block: its title marker, else a one-line comment opening the page;
// empty when the profile's `pageTitlesEnabled` is off.
QString grabPageTitle(const QString& text);
// Deletes the file's text through the first "-->"; a file without one, or unreadable, is left alone.
bool removeOldDovrinprofileStringFromFile(const QString& path);

struct ProfileDataMigration {
    bool oldProfile = false; // the page carried the old block and was converted
    QString pageTitle;
};
// Converts the page file at the path when it carries a complete old block (keyed blocks appended, then
// the old block removed) and gives the page title either way.
ProfileDataMigration migrateOldProfileData(const QString& path);

} // namespace DataCentre
