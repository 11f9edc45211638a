#include "core/NativeFile.h"

#include "core/FileLoaderRegistry.h"
#include "core/FileNameCaseCheck.h"
#include "core/FileSystemQueries.h"
#include "core/IFileErrorListener.h"

#include <algorithm>
#include <limits>

namespace {

struct Access {
    DWORD desired;
    DWORD share;
    DWORD disposition;
};

Access accessFor(int mode) {
    switch (mode) {
    case 0:
    case 2:
        return {GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING};
    case 1:
        return {GENERIC_WRITE, FILE_SHARE_WRITE, CREATE_ALWAYS};
    default:
        // Disposition 0 is invalid, so Windows refuses the open.
        return {0, 0, 0};
    }
}

// The results are signed 32-bit counts, so one call moves at most this many
// bytes; a larger request comes back short instead of as a negative count.
DWORD transferLimit(std::uint32_t count) {
    return std::min<DWORD>(count, static_cast<DWORD>(std::numeric_limits<std::int32_t>::max()));
}

} // namespace

NativeFile::~NativeFile() {
    close();
}

void NativeFile::close() {
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
}

bool NativeFile::open(const std::string& name, int mode) {
    // Opening again starts afresh instead of leaking the earlier handle.
    close();
    eof = false;
    deferredReadResult = -1;
    path = name;
    // The Windows call sees the name only up to a zero byte; refuse such a
    // name rather than open a file other than the one it spells.
    if (name.find('\0') != std::string::npos) {
        return false;
    }
    const Access access = accessFor(mode);
    handle = CreateFileA(name.c_str(), access.desired, access.share, nullptr, access.disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    warnOnCaseMismatch(name);
    return true;
}

bool NativeFile::isOpen() const {
    return handle != INVALID_HANDLE_VALUE;
}

std::int32_t NativeFile::read(void* buffer, std::uint32_t count) {
    if (!isOpen()) {
        return -1;
    }
    eof = false;
    const DWORD asked = transferLimit(count);
    DWORD got = 0;
    if (!ReadFile(handle, buffer, asked, &got, nullptr)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_CORRUPT || error == ERROR_DISK_CORRUPT) {
            FileLoaderRegistry::instance().notifyError(path, IFileErrorListener::readCorrupt);
        }
        return -1;
    }
    eof = got < asked;
    return static_cast<std::int32_t>(got);
}

std::int32_t NativeFile::write(const void* buffer, std::uint32_t count) {
    if (!isOpen()) {
        return -1;
    }
    DWORD written = 0;
    if (!WriteFile(handle, buffer, transferLimit(count), &written, nullptr)) {
        if (GetLastError() == ERROR_DISK_FULL) {
            FileLoaderRegistry::instance().notifyError(path, IFileErrorListener::diskFull);
        }
        return -1;
    }
    return static_cast<std::int32_t>(written);
}

bool NativeFile::seek(std::uint32_t position) {
    if (!isOpen()) {
        return false;
    }
    // The position goes as a signed distance, so 2^31 and beyond fail.
    const DWORD reached = SetFilePointer(handle, static_cast<LONG>(position), nullptr, FILE_BEGIN);
    if (reached == INVALID_SET_FILE_POINTER) {
        return false;
    }
    eof = reached < position;
    return true;
}

std::int32_t NativeFile::size() const {
    if (!isOpen()) {
        return -1;
    }
    return static_cast<std::int32_t>(GetFileSize(handle, nullptr));
}

bool NativeFile::isEof() const {
    return isOpen() && eof;
}

std::uint64_t NativeFile::modificationTime() const {
    return fileModificationTime(path);
}

std::int32_t NativeFile::tell() const {
    if (!isOpen()) {
        return -1;
    }
    const DWORD position = SetFilePointer(handle, 0, nullptr, FILE_CURRENT);
    return position == INVALID_SET_FILE_POINTER ? -1 : static_cast<std::int32_t>(position);
}

bool NativeFile::beginRead(void* buffer, std::uint32_t count) {
    if (!isOpen()) {
        return false;
    }
    deferredReadResult = read(buffer, count);
    return true;
}

bool NativeFile::readResult(std::int32_t* result) {
    if (result != nullptr) {
        *result = isOpen() ? deferredReadResult : -1;
    }
    return true;
}

bool NativeFile::storedRange(std::string* /*container*/, std::uint32_t* offset, std::string* /*entry*/,
                             std::uint32_t* length) const {
    if (offset != nullptr) {
        *offset = 0;
    }
    if (length != nullptr) {
        *length = 0;
    }
    return false;
}
