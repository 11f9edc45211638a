// CreateFileA and the calls on an open file handle, over POSIX descriptors.
#include "ErrorCodes.h"
#include "FaultState.h"
#include "FileInfo.h"
#include "HandleTable.h"

#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <optional>
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

BOOL failFromErrno() {
    setLastErrorFromErrno();
    return FALSE;
}

// The open file that a ReadFile or WriteFile call is to use, after the checks
// both make; nothing, with the last error set, when the call cannot go on.
std::optional<OpenFile> fileForTransfer(HANDLE file, LPCVOID buffer, DWORD count, LPDWORD done,
                                        LPOVERLAPPED overlapped, bool writing) {
    if (done != nullptr) {
        *done = 0;
    }
    if (overlapped != nullptr || done == nullptr || (buffer == nullptr && count > 0)) {
        setLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    const std::optional<OpenFile> open = fileOf(file);
    if (!open) {
        setLastError(ERROR_INVALID_HANDLE);
        return std::nullopt;
    }
    if (!(writing ? open->writable : open->readable)) {
        setLastError(ERROR_ACCESS_DENIED);
        return std::nullopt;
    }
    return open;
}

HANDLE failOpen(DWORD error) {
    setLastError(error);
    return INVALID_HANDLE_VALUE;
}

int openFlags(bool readable, bool writable, DWORD disposition) {
    if (!readable && !writable && disposition == OPEN_EXISTING) {
        // A handle only to query: no access is checked, and nothing (not even
        // a pipe) waits.
        return O_CLOEXEC | O_PATH;
    }
    // A pipe without its other end would make open wait; the flag comes off
    // again once the file is open.
    int flags = O_CLOEXEC | O_NONBLOCK;
    if (disposition == CREATE_NEW) {
        // O_EXCL also fails on a link at the name instead of following it.
        flags |= O_CREAT | O_EXCL;
    } else if (disposition == CREATE_ALWAYS) {
        // POSIX truncates only through a descriptor that may write.
        return flags | O_CREAT | O_TRUNC | (readable || !writable ? O_RDWR : O_WRONLY);
    }
    if (readable && writable) {
        return flags | O_RDWR;
    }
    return flags | (writable ? O_WRONLY : O_RDONLY);
}

bool isDirectory(int descriptor) {
    struct stat info {};
    return ::fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode);
}

// The permissions of the template for a new file; nothing without one.
std::optional<mode_t> templatePermissions(HANDLE templateFile, bool& invalid) {
    invalid = false;
    if (templateFile == nullptr || templateFile == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const std::optional<OpenFile> open = fileOf(templateFile);
    struct stat info {};
    if (!open || ::fstat(open->descriptor, &info) != 0) {
        invalid = true;
        return std::nullopt;
    }
    return info.st_mode & 07777;
}

bool knownDisposition(DWORD disposition) {
    return disposition == CREATE_NEW || disposition == CREATE_ALWAYS || disposition == OPEN_EXISTING;
}

} // namespace

HANDLE CreateFileA(LPCSTR name, DWORD desiredAccess, DWORD /*shareMode: not enforced*/,
                   LPSECURITY_ATTRIBUTES /*security*/, DWORD creationDisposition, DWORD flagsAndAttributes,
                   HANDLE templateFile) {
    bool badTemplate = false;
    const std::optional<mode_t> permissions = templatePermissions(templateFile, badTemplate);
    if (badTemplate) {
        return failOpen(ERROR_INVALID_HANDLE);
    }
    if (name == nullptr || !knownDisposition(creationDisposition)) {
        return failOpen(ERROR_INVALID_PARAMETER);
    }
    const bool readable = (desiredAccess & GENERIC_READ) != 0;
    const bool writable = (desiredAccess & GENERIC_WRITE) != 0;
    const std::string path = orvex_platform::nativePath(name);
    const int flags = openFlags(readable, writable, creationDisposition);
    const int descriptor = ::open(path.c_str(), flags, 0666);
    if (descriptor < 0) {
        setLastErrorFromErrno(path.c_str());
        return INVALID_HANDLE_VALUE;
    }
    // Windows opens a directory only for callers that ask for it.
    if ((flagsAndAttributes & FILE_FLAG_BACKUP_SEMANTICS) == 0 && isDirectory(descriptor)) {
        ::close(descriptor);
        return failOpen(ERROR_ACCESS_DENIED);
    }
    if ((flags & O_NONBLOCK) != 0) {
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    }
    if (creationDisposition == CREATE_NEW && permissions) {
        ::fchmod(descriptor, *permissions);
    }
    return addFileHandle(OpenFile{descriptor, readable, writable});
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped) {
    const std::optional<OpenFile> open =
        fileForTransfer(file, buffer, bytesToRead, bytesRead, overlapped, false);
    if (!open) {
        return FALSE;
    }
    if (const std::optional<DWORD> fault = takeReadFault()) {
        return fail(*fault);
    }
    // Like Windows, read until the count is reached or the file ends.
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < bytesToRead) {
        const ssize_t got = ::read(open->descriptor, bytes + done, bytesToRead - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            *bytesRead = static_cast<DWORD>(done);
            return got == 0 ? TRUE : failFromErrno();
        }
        done += static_cast<std::size_t>(got);
    }
    *bytesRead = static_cast<DWORD>(done);
    return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
               LPOVERLAPPED overlapped) {
    const std::optional<OpenFile> open =
        fileForTransfer(file, buffer, bytesToWrite, bytesWritten, overlapped, true);
    if (!open) {
        return FALSE;
    }
    if (const DWORD fault = writeFault(); fault != 0) {
        return fail(fault);
    }
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < bytesToWrite) {
        const ssize_t put = ::write(open->descriptor, bytes + done, bytesToWrite - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            // A full disk (ENOSPC, e.g. /dev/full) becomes ERROR_DISK_FULL, and
            // so does a device that takes nothing more without saying why.
            *bytesWritten = static_cast<DWORD>(done);
            return put == 0 ? fail(ERROR_DISK_FULL) : failFromErrno();
        }
        done += static_cast<std::size_t>(put);
    }
    *bytesWritten = static_cast<DWORD>(done);
    return TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distanceToMove, PLONG distanceToMoveHigh, DWORD moveMethod) {
    const std::optional<OpenFile> open = fileOf(file);
    if (!open) {
        setLastError(ERROR_INVALID_HANDLE);
        return INVALID_SET_FILE_POINTER;
    }
    if (moveMethod != FILE_BEGIN && moveMethod != FILE_CURRENT) {
        setLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    // Without a high part the distance is a signed 32-bit value.
    std::int64_t distance = distanceToMove;
    if (distanceToMoveHigh != nullptr) {
        const std::uint64_t high = static_cast<std::uint32_t>(*distanceToMoveHigh);
        distance = static_cast<std::int64_t>(high << 32 | static_cast<std::uint32_t>(distanceToMove));
    }
    std::int64_t origin = 0;
    if (moveMethod == FILE_CURRENT) {
        origin = ::lseek(open->descriptor, 0, SEEK_CUR);
        if (origin < 0) {
            setLastErrorFromErrno();
            return INVALID_SET_FILE_POINTER;
        }
    }
    const std::int64_t target = origin + distance;
    if (target < 0) {
        setLastError(ERROR_NEGATIVE_SEEK);
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceToMoveHigh == nullptr && target > 0xFFFFFFFE) {
        // The position could not be told apart from the failure value.
        setLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    if (::lseek(open->descriptor, target, SEEK_SET) < 0) {
        setLastErrorFromErrno();
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceToMoveHigh != nullptr) {
        *distanceToMoveHigh = static_cast<LONG>(static_cast<std::uint64_t>(target) >> 32);
    }
    setLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(static_cast<std::uint64_t>(target) & 0xFFFFFFFFu);
}

DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh) {
    const std::optional<OpenFile> open = fileOf(file);
    struct stat info {};
    if (!open) {
        setLastError(ERROR_INVALID_HANDLE);
        return INVALID_FILE_SIZE;
    }
    if (::fstat(open->descriptor, &info) != 0) {
        setLastErrorFromErrno();
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (fileSizeHigh != nullptr) {
        *fileSizeHigh = static_cast<DWORD>(size >> 32);
    }
    return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

BOOL GetFileTime(HANDLE file, LPFILETIME creationTime, LPFILETIME lastAccessTime, LPFILETIME lastWriteTime) {
    const std::optional<OpenFile> open = fileOf(file);
    struct stat info {};
    if (!open) {
        return fail(ERROR_INVALID_HANDLE);
    }
    if (::fstat(open->descriptor, &info) != 0) {
        return failFromErrno();
    }
    // POSIX keeps no creation time; the status-change time comes closest.
    if (creationTime != nullptr) {
        *creationTime = fileTimeOf(info.st_ctim);
    }
    if (lastAccessTime != nullptr) {
        *lastAccessTime = fileTimeOf(info.st_atim);
    }
    if (lastWriteTime != nullptr) {
        *lastWriteTime = fileTimeOf(info.st_mtim);
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE object) {
    const std::optional<OpenFile> open = removeFileHandle(object);
    if (!open) {
        return fail(ERROR_INVALID_HANDLE);
    }
    // After EINTR the descriptor is closed on Linux all the same.
    if (::close(open->descriptor) != 0 && errno != EINTR) {
        return failFromErrno();
    }
    return TRUE;
}
