// The objects behind the HANDLE values of the Windows stand-in.  A handle is
// a number that names an entry of one process-wide table, so a stale or
// made-up handle is reported as ERROR_INVALID_HANDLE instead of being used.
#ifndef ORVEX_PLATFORM_HANDLE_TABLE_H
#define ORVEX_PLATFORM_HANDLE_TABLE_H

#include <optional>
#include <windows.h>

namespace orvex_platform::detail {

// An open file: the POSIX descriptor and the access it was opened for.
struct OpenFile {
    int descriptor = -1;
    bool readable = false;
    bool writable = false;
};

HANDLE addFileHandle(const OpenFile& file);
// A file search holds no state: FindFirstFileA reports its only entry at once.
HANDLE addSearchHandle();

// The file behind a handle; nothing for a search handle or an unknown one.
std::optional<OpenFile> fileOf(HANDLE handle);

// Take the entry out of the table; nothing when the handle is unknown or of
// the other kind.
std::optional<OpenFile> removeFileHandle(HANDLE handle);
bool removeSearchHandle(HANDLE handle);

} // namespace orvex_platform::detail

#endif
