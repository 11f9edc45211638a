// The calls that work on names rather than open files: attributes, renaming,
// deleting and hard links.
#include "ErrorCodes.h"
#include "FaultState.h"
#include "FileInfo.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <orvex_platform/Paths.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvex_platform::detail;

namespace {

BOOL fail(DWORD error) {
    setLastError(error);
    return FALSE;
}

BOOL failFromErrno(const std::string& path) {
    setLastErrorFromErrno(path.c_str());
    return FALSE;
}

} // namespace

DWORD GetFileAttributesA(LPCSTR name) {
    if (name == nullptr) {
        setLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    const std::string path = orvex_platform::nativePath(name);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        setLastErrorFromErrno(path.c_str());
        return INVALID_FILE_ATTRIBUTES;
    }
    if (!S_ISLNK(info.st_mode)) {
        return attributesOf(info);
    }
    // Windows marks a link to a directory as a directory too.
    struct stat target {};
    const bool toDirectory = ::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
    return FILE_ATTRIBUTE_REPARSE_POINT | (toDirectory ? FILE_ATTRIBUTE_DIRECTORY : 0);
}

BOOL MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags) {
    if (existingName == nullptr || newName == nullptr || (flags & ~MOVEFILE_REPLACE_EXISTING) != 0) {
        return fail(ERROR_INVALID_PARAMETER);
    }
    const std::string from = orvex_platform::nativePath(existingName);
    const std::string to = orvex_platform::nativePath(newName);
    if (const DWORD fault = moveFault(to); fault != 0) {
        return fail(fault);
    }
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0) {
        // Never replaces, even when something appears at the name meanwhile.
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
            return errno == EEXIST ? fail(ERROR_ALREADY_EXISTS) : failFromErrno(from);
        }
        return TRUE;
    }
    struct stat target {};
    if (::stat(to.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
        return fail(ERROR_ACCESS_DENIED);
    }
    return ::rename(from.c_str(), to.c_str()) == 0 ? TRUE : failFromErrno(from);
}

BOOL DeleteFileA(LPCSTR name) {
    if (name == nullptr) {
        return fail(ERROR_INVALID_PARAMETER);
    }
    const std::string path = orvex_platform::nativePath(name);
    // Windows refuses a directory here; unlink's EISDIR becomes access denied.
    return ::unlink(path.c_str()) == 0 ? TRUE : failFromErrno(path);
}

BOOL CreateHardLinkA(LPCSTR newName, LPCSTR existingName, LPSECURITY_ATTRIBUTES /*security*/) {
    if (newName == nullptr || existingName == nullptr) {
        return fail(ERROR_INVALID_PARAMETER);
    }
    const std::string from = orvex_platform::nativePath(existingName);
    const std::string to = orvex_platform::nativePath(newName);
    if (::link(from.c_str(), to.c_str()) != 0) {
        return errno == EEXIST ? fail(ERROR_ALREADY_EXISTS) : failFromErrno(from);
    }
    return TRUE;
}

DWORD GetCurrentProcessId() {
    return static_cast<DWORD>(::getpid());
}
