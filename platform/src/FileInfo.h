// Windows views of POSIX file information: file times and attributes.
#ifndef ORVEX_PLATFORM_FILE_INFO_H
#define ORVEX_PLATFORM_FILE_INFO_H

#include <ctime>
#include <sys/stat.h>
#include <windows.h>

namespace orvex_platform::detail {

// A POSIX time as 100-nanosecond units since 1 January 1601 (UTC).
FILETIME fileTimeOf(const timespec& time);

// The attributes Windows would report: directory or normal file, plus the
// extra attributes that tests gave this file.  Device nodes, pipes and
// sockets, which Windows has no ordinary file for, count as system devices.
DWORD attributesOf(const struct stat& info);

} // namespace orvex_platform::detail

#endif
