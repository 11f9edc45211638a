#pragma once
// How a path begins: the tests that decide whether a path from the scene or
// the command line is used as it stands or put below a directory.

#include <string>

// Whether the path begins with an ASCII letter and ':', a drive. The letter
// test looks at the byte as unsigned and accepts only ASCII letters, whatever
// the locale.
inline bool startsWithDrive(const std::string& path) {
    if (path.size() < 2 || path[1] != ':') {
        return false;
    }
    const unsigned char first = static_cast<unsigned char>(path[0]);
    return (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
}

// Whether the path begins with a separator, '/' or '\'.
inline bool startsAtRoot(const std::string& path) {
    return !path.empty() && (path[0] == '/' || path[0] == '\\');
}
