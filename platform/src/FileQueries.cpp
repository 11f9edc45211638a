// What an open handle tells about its file: attributes, identity and the
// final path.
#include "ErrorCodes.h"
#include "FileInfo.h"
#include "HandleTable.h"

#include <cstring>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvex_platform::detail;

BOOL GetFileInformationByHandle(HANDLE file, LPBY_HANDLE_FILE_INFORMATION information) {
    const std::optional<OpenFile> open = fileOf(file);
    if (!open || information == nullptr) {
        setLastError(open ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    struct stat info {};
    if (::fstat(open->descriptor, &info) != 0) {
        setLastErrorFromErrno();
        return FALSE;
    }
    BY_HANDLE_FILE_INFORMATION result{};
    result.dwFileAttributes = attributesOf(info);
    result.ftCreationTime = fileTimeOf(info.st_ctim);
    result.ftLastAccessTime = fileTimeOf(info.st_atim);
    result.ftLastWriteTime = fileTimeOf(info.st_mtim);
    result.dwVolumeSerialNumber = static_cast<DWORD>(info.st_dev);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    result.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    result.nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFFu);
    result.nNumberOfLinks = static_cast<DWORD>(info.st_nlink);
    const auto index = static_cast<std::uint64_t>(info.st_ino);
    result.nFileIndexHigh = static_cast<DWORD>(index >> 32);
    result.nFileIndexLow = static_cast<DWORD>(index & 0xFFFFFFFFu);
    *information = result;
    return TRUE;
}

DWORD GetFinalPathNameByHandleA(HANDLE file, LPSTR path, DWORD size, DWORD flags) {
    const std::optional<OpenFile> open = fileOf(file);
    if (!open) {
        setLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (flags != FILE_NAME_NORMALIZED || (path == nullptr && size > 0)) {
        setLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // The kernel keeps the resolved path of every open descriptor.
    const std::string link = "/proc/self/fd/" + std::to_string(open->descriptor);
    std::string name(4096, '\0');
    const ssize_t length = ::readlink(link.c_str(), name.data(), name.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= name.size()) {
        setLastError(ERROR_GEN_FAILURE);
        return 0;
    }
    name.resize(static_cast<std::size_t>(length));
    if (name.size() >= size) {
        return static_cast<DWORD>(name.size() + 1);
    }
    std::memcpy(path, name.c_str(), name.size() + 1);
    return static_cast<DWORD>(name.size());
}
