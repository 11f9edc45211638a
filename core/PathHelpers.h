// Splitting paths at '/' and expressing one path relative to a directory.
// Paths are byte strings; no encoding is assumed.
#ifndef ORVEX_CORE_PATH_HELPERS_H
#define ORVEX_CORE_PATH_HELPERS_H

#include <string>

// The path up to and including its last '/'.  Without a '/' the output is left
// as it was, so a caller that passes empty text gets empty text.
void directoryOf(const std::string& path, std::string& directory);

// The text after the path's last '/' (empty when the path ends in '/'), or the
// whole path when it holds no '/'.
void fileNameOf(const std::string& path, std::string& fileName);

// Writes path relative to the directory base, which ends in '/', and returns
// true; returns false and leaves the output alone when the two share no more
// than a leading '/'.  The caller passes base and loweredPath with ASCII
// letters lowered, so the comparison ignores case, while the result is cut
// from path in its own case.  The output may be the same string as path.
bool makeRelativePath(const std::string& base, const std::string& loweredPath, const std::string& path,
                      std::string& relative);

#endif
