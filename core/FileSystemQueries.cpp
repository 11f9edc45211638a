#include "core/FileSystemQueries.h"

#include <windows.h>

int fileKind(const std::string& path) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return fileKindNone;
    }
    FindClose(search);
    constexpr DWORD unusable = FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE;
    if ((found.dwFileAttributes & unusable) != 0) {
        return fileKindNone;
    }
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? fileKindDirectory : fileKindFile;
}

std::uint64_t fileModificationTime(const std::string& path) {
    // The backup flag lets directories open too.
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 0;
    }
    FILETIME created{};
    FILETIME accessed{};
    FILETIME written{};
    const BOOL read = GetFileTime(file, &created, &accessed, &written);
    CloseHandle(file);
    if (!read) {
        return 0;
    }
    return static_cast<std::uint64_t>(written.dwHighDateTime) << 32 | written.dwLowDateTime;
}
