// What the Windows stand-in asks of the test switches of
// orvex_platform/Faults.h.
#ifndef ORVEX_PLATFORM_FAULT_STATE_H
#define ORVEX_PLATFORM_FAULT_STATE_H

#include <optional>
#include <string>
#include <sys/types.h>
#include <windows.h>

namespace orvex_platform::detail {

// The error the next read is to fail with, consumed by asking.
std::optional<DWORD> takeReadFault();

// The error every write is to fail with; 0 when writes work.
DWORD writeFault();

// The error a move onto this native path is to fail with; 0 when it works.
DWORD moveFault(const std::string& nativeTarget);

// Attributes to report besides the real ones for the file (device, inode).
DWORD extraAttributes(dev_t device, ino_t inode);

// The text currentDirectory is to report instead of the real directory.
std::optional<std::string> workingDirectoryOverride();
bool workingDirectoryFails();

} // namespace orvex_platform::detail

#endif
