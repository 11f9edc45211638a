// What a path names on disk, and when it was last written.  Both hand the
// path unchanged to the Windows code-page file functions.
#ifndef ORVEX_CORE_FILE_SYSTEM_QUERIES_H
#define ORVEX_CORE_FILE_SYSTEM_QUERIES_H

#include <cstdint>
#include <string>

// Results of fileKind.
constexpr int fileKindNone = 0;      // nothing there, or nothing usable
constexpr int fileKindFile = 1;      // a regular file
constexpr int fileKindDirectory = 2; // a directory

// What the path names.  Wildcards in it match their first hit.  System,
// temporary and offline entries count as nothing usable.
int fileKind(const std::string& path);

// The last-write time of a file or directory in 100-nanosecond units since
// 1 January 1601 (UTC); 0 when it cannot be read.
std::uint64_t fileModificationTime(const std::string& path);

#endif
