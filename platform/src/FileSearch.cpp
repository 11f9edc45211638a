// FindFirstFileA and FindClose: a file search that reports its first entry.
#include "ErrorCodes.h"
#include "FileInfo.h"
#include "HandleTable.h"
#include "NameLookup.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <sys/stat.h>

using namespace orvex_platform::detail;

namespace {

bool hasWildcard(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

// The on-disk name of the first entry of the directory that the last
// component of a search names.
std::optional<std::string> firstMatch(const std::string& directory, const std::string& last) {
    if (hasWildcard(last)) {
        for (const std::string& entry : sortedEntries(directory)) {
            if (matchesWildcard(last, entry)) {
                return entry;
            }
        }
        return std::nullopt;
    }
    struct stat info {};
    if (last == "." || last == ".." || ::lstat(joinPath(directory, last).c_str(), &info) == 0) {
        return last;
    }
    return entryIgnoringCase(directory, last);
}

void describe(const std::string& name, const struct stat& info, WIN32_FIND_DATAA& data) {
    data = WIN32_FIND_DATAA{};
    data.dwFileAttributes = attributesOf(info);
    data.ftCreationTime = fileTimeOf(info.st_ctim);
    data.ftLastAccessTime = fileTimeOf(info.st_atim);
    data.ftLastWriteTime = fileTimeOf(info.st_mtim);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFFu);
    std::strncpy(data.cFileName, name.c_str(), MAX_PATH - 1);
}

} // namespace

HANDLE FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA findData) {
    if (fileName == nullptr || findData == nullptr) {
        setLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::string name = withForwardSlashes(fileName);
    const std::size_t slash = name.find_last_of('/');
    const std::string last = slash == std::string::npos ? name : name.substr(slash + 1);
    // An empty last component (a trailing separator) names no entry.
    if (last.empty()) {
        setLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const std::string directory = slash == std::string::npos
                                      ? std::string()
                                      : orvex_platform::nativePath(name.substr(0, slash + 1).c_str());
    const std::optional<std::string> found = firstMatch(directory, last);
    if (!found) {
        setLastError(errorFromErrno(ENOENT, joinPath(directory, last).c_str()));
        return INVALID_HANDLE_VALUE;
    }
    struct stat info {};
    const std::string path = joinPath(directory, *found);
    if (::stat(path.c_str(), &info) != 0) {
        setLastErrorFromErrno(path.c_str());
        return INVALID_HANDLE_VALUE;
    }
    describe(*found, info, *findData);
    return addSearchHandle();
}

BOOL FindClose(HANDLE findFile) {
    if (!removeSearchHandle(findFile)) {
        setLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
