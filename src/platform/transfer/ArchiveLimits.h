#pragma once

#include <QtGlobal>

// What an archive may unpack to. Page documents and site packages come from anyone: a few hundred bytes of
// headers can claim gigabytes, and a small stream can inflate to them. Real pages are far below these.
namespace ArchiveLimits {

inline constexpr qint64 kLargestEntryBytes = 512LL * 1024 * 1024;
inline constexpr qint64 kLargestArchiveBytes = 2LL * 1024 * 1024 * 1024;
inline constexpr qint64 kMostEntries = 100000;

} // namespace ArchiveLimits
