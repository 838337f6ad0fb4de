#pragma once

#include <QString>

// Bounded substrings and the cleaner that turns a typed name into a file name.
namespace DataCentre {

// The first `index` characters when the string is longer, else the string; a negative index counts as 0.
QString velkSubstringToIndex(const QString& string, int index);
// The characters from `index` on when the string is longer, else empty; a negative index counts as 0.
QString velkSubstringFromIndex(const QString& string, int index);

// A name that can only name a file inside its folder. With the profile's `useOfficialPageName` the name
// keeps letters of any script, digits and punctuation, losing white space, unassigned and control
// characters and symbols; without it only ASCII letters, digits, "_" and "-" stay. Either way "/", "\"
// and ":" and leading dots are dropped, so "." and ".." come out empty.
QString generateNewFileName(const QString& name);

} // namespace DataCentre
