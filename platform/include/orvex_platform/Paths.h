// How this host stores Windows-style file names, and its stand-in for the
// runtime's working-directory query.  Everything that opens a file by name
// (the Windows calls of windows.h and the command's own output document) goes
// through nativePath, so that all of them land in the same place.
#ifndef ORVEX_PLATFORM_PATHS_H
#define ORVEX_PLATFORM_PATHS_H

#include <cstddef>
#include <string>

namespace orvex_platform {

// The POSIX name for a Windows-style name: every '\' becomes '/', nothing else
// is rewritten, so "D:/out/level.xml" names "./D:/out/level.xml" below the
// working directory and "/tmp/a" stays absolute.  Each component whose exact
// spelling does not exist is replaced by the first entry of its directory (in
// byte order) that matches it when ASCII letters are compared without case;
// from the first component that matches nothing, the rest stays as given.  A
// null name gives empty text.
std::string nativePath(const char* name);

// Stand-in for getcwd(buffer, size), which the command calls for relative
// output paths.  Behaves like POSIX getcwd with a caller's buffer (returns
// buffer, or null when the directory cannot be read or does not fit with its
// terminating zero; a null buffer is not supported),
// except that tests can make it report a text of their choice or fail
// (orvex_platform/Faults.h).  POSIX getcwd itself is not replaced.
char* currentDirectory(char* buffer, std::size_t size);

} // namespace orvex_platform

#endif
