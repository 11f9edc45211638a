// The per-thread last-error value of the Windows stand-in, and how POSIX
// errors map onto Windows error codes.
#ifndef ORVEX_PLATFORM_ERROR_CODES_H
#define ORVEX_PLATFORM_ERROR_CODES_H

#include <windows.h>

namespace orvex_platform::detail {

void setLastError(DWORD error);

// The Windows error code for a POSIX errno value; name is the POSIX name the
// call was about (null when there is none), used to tell a missing file
// (ERROR_FILE_NOT_FOUND) from a missing directory (ERROR_PATH_NOT_FOUND).
DWORD errorFromErrno(int error, const char* name = nullptr);

// Records the current errno as the last error; for one-line failure returns.
void setLastErrorFromErrno(const char* name = nullptr);

} // namespace orvex_platform::detail

#endif
