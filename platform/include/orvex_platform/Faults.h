// Switches for tests: they make the Windows stand-in produce what a POSIX
// host cannot produce on demand.  Nothing in the system itself calls them.
// The switches are process-wide; a test that sets one calls clearFaults()
// when it ends.
#ifndef ORVEX_PLATFORM_FAULTS_H
#define ORVEX_PLATFORM_FAULTS_H

#include <string>
#include <windows.h>

namespace orvex_platform {

// The next ReadFile, on any handle, reads nothing and fails with this error
// (e.g. ERROR_FILE_CORRUPT or ERROR_DISK_CORRUPT).
void failNextRead(DWORD error);

// Every WriteFile writes nothing and fails with this error (e.g.
// ERROR_DISK_FULL) until clearFaults(); 0 switches it off.
void failWrites(DWORD error);

// Every MoveFileExA onto this name (as it stands now, in its native
// spelling) fails with this error and moves nothing, until clearFaults().
void failMovesOnto(const char* name, DWORD error);

// FindFirstFileA reports these attributes (e.g. FILE_ATTRIBUTE_SYSTEM)
// besides the real ones for the file or directory that the name denotes now;
// the file is identified by its device and inode, however it is later
// spelled.  False when the name denotes nothing.
bool addFileAttributes(const char* name, DWORD attributes);

// currentDirectory() reports this text (e.g. "D:\\work") instead of the real
// working directory.
void overrideWorkingDirectory(const std::string& text);

// currentDirectory() fails (returns null) while this is on.
void failWorkingDirectory(bool fail);

// Every switch back to normal behaviour.
void clearFaults();

} // namespace orvex_platform

#endif
