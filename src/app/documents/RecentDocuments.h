#pragma once

#include <QStringList>

// The page documents opened or saved last, newest first, kept in the user defaults between runs.
namespace RecentDocuments {

inline constexpr int kMaximumCount = 10;

QStringList paths();
// Puts the document first; an older entry of the same file goes.
void noteDocument(const QString& path);
void clear();

} // namespace RecentDocuments
