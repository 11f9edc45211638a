#include "ErrorCodes.h"

#include <cerrno>
#include <string>
#include <sys/stat.h>

namespace orvex_platform::detail {
namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

// Windows says "path not found" when a directory on the way is missing and
// "file not found" only when the directory exists but the last name does not.
DWORD missingNameError(const char* name) {
    if (name == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    const std::string text(name);
    const std::size_t slash = text.find_last_of('/');
    if (slash == std::string::npos) {
        return ERROR_FILE_NOT_FOUND;
    }
    const std::string directory = slash == 0 ? std::string("/") : text.substr(0, slash);
    struct stat info {};
    if (::stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return ERROR_FILE_NOT_FOUND;
    }
    return ERROR_PATH_NOT_FOUND;
}

} // namespace

void setLastError(DWORD error) {
    lastError = error;
}

DWORD errorFromErrno(int error, const char* name) {
    switch (error) {
    case ENOENT:
        return missingNameError(name);
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return ERROR_ACCESS_DENIED;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case EMFILE:
    case ENFILE:
        return ERROR_TOO_MANY_OPEN_FILES;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case EXDEV:
        return ERROR_NOT_SAME_DEVICE;
    default:
        return ERROR_GEN_FAILURE;
    }
}

void setLastErrorFromErrno(const char* name) {
    setLastError(errorFromErrno(errno, name));
}

} // namespace orvex_platform::detail

DWORD GetLastError() {
    return orvex_platform::detail::lastError;
}
