// Turning Windows-style names into POSIX ones: separators, case-insensitive
// lookup of components, wildcard matching and directory listings.
#ifndef ORVEX_PLATFORM_NAME_LOOKUP_H
#define ORVEX_PLATFORM_NAME_LOOKUP_H

#include <optional>
#include <orvex_platform/Paths.h>
#include <string>
#include <vector>

namespace orvex_platform::detail {

// The name with every '\' turned into '/'; empty text for null.
std::string withForwardSlashes(const char* name);

// The names in a directory ("" is the working directory), without "." and
// "..", in byte order; empty when it cannot be read.
std::vector<std::string> sortedEntries(const std::string& directory);

// The first entry of the directory, in byte order, that equals the name when
// ASCII letters are compared without case.
std::optional<std::string> entryIgnoringCase(const std::string& directory, const std::string& name);

// Whether the name matches a pattern of '*' (any run of bytes), '?' (any one
// byte) and other bytes, which compare without case for ASCII letters.
bool matchesWildcard(const std::string& pattern, const std::string& name);

// The directory and a name in it as one path ("" is the working directory).
std::string joinPath(const std::string& directory, const std::string& name);

} // namespace orvex_platform::detail

#endif
